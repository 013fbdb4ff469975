// Reading the offer file text.
#include "fuzz_check.h"
#include "offers/offer_file.h"
#include "textfile/text_lines.h"

#include <algorithm>

using namespace plenwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray body(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const OfferList offers = readOfferFile(body, QUrl(QStringLiteral("http://127.0.0.1:8765/app/newCCOffers.txt")));

    // One offer per non-empty line, up to the most a choice can hold.
    const auto lines = std::ranges::count_if(readLines(body), [](const QString& line) { return !line.isEmpty(); });
    FUZZ_CHECK(offers.size() == static_cast<std::size_t>(std::min<qsizetype>(lines, kMostOffers)));
    return 0;
}

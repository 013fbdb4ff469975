// Reading the offer file text: whatever the bytes, a list of offers and
// nothing the sanitizers object to.
#include "offers/offer_file.h"

#include <cstdint>

using namespace plenwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray body(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    readOfferFile(body, QUrl(QStringLiteral("http://127.0.0.1:8765/app/newCCOffers.txt")));
    return 0;
}

// Reading the offer file text.
#include "fuzz_check.h"
#include "offers/offer_file.h"
#include "textfile/text_lines.h"

#include <algorithm>

using namespace plenwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray body(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    std::size_t leftOut = 0;
    const OfferList offers = readOfferFile(body, {}, &leftOut);

    // One offer per non-empty line, up to the most a choice can hold; the rest are counted.
    const auto lines = std::ranges::count_if(readLines(body), [](const QString& line) { return !line.isEmpty(); });
    FUZZ_CHECK(offers.size() == static_cast<std::size_t>(std::min<qsizetype>(lines, kMostOffers)));
    FUZZ_CHECK(offers.size() + leftOut == static_cast<std::size_t>(lines));

    // Read from a server, only relative addresses change, and they become
    // web addresses. Every offer has its seven fields, none holding a
    // separator or a line end.
    const OfferList served = readOfferFile(body, QUrl(QStringLiteral("http://127.0.0.1:8765/app/newCCOffers.txt")));
    FUZZ_CHECK(served.size() == offers.size());
    for (std::size_t at = 0; at < offers.size(); ++at) {
        const OfferRecord& offer = offers[at];
        for (const QString* field : {&offer.cardName, &offer.detailsAddress, &offer.introMonths, &offer.introRate,
                                     &offer.regularRate, &offer.annualFee, &offer.transferFee})
            FUZZ_CHECK(!field->contains(u'|') && !field->contains(u"\r\n"));
        FUZZ_CHECK(withoutDirectionControls(offer.cardName) == offer.cardName);
        OfferRecord asRead = served[at];
        FUZZ_CHECK(asRead.detailsAddress == offer.detailsAddress ||
                   (QUrl(offer.detailsAddress, QUrl::TolerantMode).isRelative() &&
                    QUrl(asRead.detailsAddress).scheme() == QLatin1String("http")));
        asRead.detailsAddress = offer.detailsAddress;
        FUZZ_CHECK(asRead == offer);
    }
    return 0;
}

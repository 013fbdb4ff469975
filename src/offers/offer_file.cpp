#include "offers/offer_file.h"

#include "offers/browser.h"
#include "textfile/text_lines.h"

namespace plenwick {

namespace {

OfferRecord offerFromLine(const QString& line)
{
    // Fields past the seventh are not read; missing ones are empty.
    const QStringList fields = line.split(QLatin1Char('|'));
    return {withoutDirectionControls(fields.value(0)),
            fields.value(1),
            fields.value(2),
            fields.value(3),
            fields.value(4),
            fields.value(5),
            fields.value(6)};
}

} // namespace

QString withoutDirectionControls(QString text)
{
    text.removeIf([](QChar c) {
        const char16_t code = c.unicode();
        return code == 0x061C || code == 0x200E || code == 0x200F || (code >= 0x202A && code <= 0x202E) ||
               (code >= 0x2066 && code <= 0x2069);
    });
    return text;
}

OfferList readOfferFile(const QByteArray& body, const QUrl& offerFile, std::size_t* leftOut)
{
    OfferList offers;
    std::size_t past = 0;
    for (const QString& line : readLines(body)) {
        if (line.isEmpty())
            continue;
        if (offers.size() == kMostOffers) {
            ++past;
            continue;
        }
        offers.push_back(offerFromLine(line));
        offers.back().detailsAddress = offerPageAddress(offers.back().detailsAddress, offerFile);
    }
    if (leftOut)
        *leftOut = past;
    return offers;
}

} // namespace plenwick

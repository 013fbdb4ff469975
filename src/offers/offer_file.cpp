#include "offers/offer_file.h"

#include "offers/browser.h"
#include "textfile/text_lines.h"

namespace plenwick {

namespace {

OfferRecord offerFromLine(const QString& line)
{
    QStringList fields = line.split(QLatin1Char('|'));
    fields.resize(std::max<qsizetype>(fields.size(), 7));
    return {fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], fields[6]};
}

} // namespace

OfferList readOfferFile(const QByteArray& body, const QUrl& offerFile)
{
    OfferList offers;
    for (const QString& line : readLines(body)) {
        if (line.isEmpty())
            continue;
        if (offers.size() == kMostOffers)
            break;
        offers.push_back(offerFromLine(line));
        offers.back().detailsAddress = offerPageAddress(offers.back().detailsAddress, offerFile);
    }
    return offers;
}

} // namespace plenwick

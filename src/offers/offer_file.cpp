#include "offers/offer_file.h"

#include <QStringDecoder>
#include <QStringList>

namespace plenwick {

namespace {

QString decodeOfferFile(const QByteArray& body)
{
    QStringDecoder decoder(QStringConverter::Utf8);
    const QString text = decoder.decode(body);
    return decoder.hasError() ? QString::fromLatin1(body) : text;
}

OfferRecord offerFromLine(const QString& line)
{
    QStringList fields = line.split(QLatin1Char('|'));
    while (fields.size() < 5)
        fields.append(QString());
    return {fields[0], fields[1], fields[2], fields[3], fields[4]};
}

} // namespace

OfferList readOfferFile(const QByteArray& body)
{
    OfferList offers;
    if (body.isEmpty())
        return offers;
    for (const QString& line : decodeOfferFile(body).split(QStringLiteral("\r\n"))) {
        if (line.isEmpty())
            continue;
        if (offers.size() == kMostOffers)
            break;
        offers.push_back(offerFromLine(line));
    }
    return offers;
}

} // namespace plenwick

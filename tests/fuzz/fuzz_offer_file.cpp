// Reading the offer file text.
#include "fuzz_check.h"
#include "offers/offer_file.h"

#include <QStringDecoder>
#include <QStringList>

#include <cstdint>

using namespace plenwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray body(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const OfferList offers = readOfferFile(body);

    // One offer per non-empty line, up to the most a choice can hold.
    QStringDecoder decoder(QStringConverter::Utf8);
    QString text = decoder.decode(body);
    if (decoder.hasError())
        text = QString::fromLatin1(body);
    qsizetype lines = 0;
    if (!body.isEmpty()) {
        for (const QString& line : text.split(QStringLiteral("\r\n")))
            lines += line.isEmpty() ? 0 : 1;
    }
    FUZZ_CHECK(offers.size() == static_cast<std::size_t>(std::min<qsizetype>(lines, kMostOffers)));

    // Every offer has its five fields, none holding a separator or a line end.
    for (const OfferRecord& offer : offers) {
        for (const QString* field :
             {&offer.cardName, &offer.detailsAddress, &offer.introMonths, &offer.introRate, &offer.regularRate}) {
            FUZZ_CHECK(!field->contains(QLatin1Char('|')));
            FUZZ_CHECK(!field->contains(QStringLiteral("\r\n")));
        }
    }
    return 0;
}

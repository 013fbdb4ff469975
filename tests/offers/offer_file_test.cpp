#include "offers/offer_file.h"

#include <gtest/gtest.h>

namespace plenwick {
namespace {

// The fields of one offer in file order; those not given are empty.
OfferRecord offer(QStringList fields)
{
    fields.resize(7);
    return {fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], fields[6]};
}

TEST(OfferFile, ReadsOneOfferPerLine)
{
    struct Case {
        const char* what;
        QByteArray body;
        OfferList offers;
        const char* offerFile = "";
    };
    const Case cases[] = {
        {"five and seven fields, empty lines skipped",
         "\r\nHarbor|h.htm|12|0|13.99\r\n\r\nMeadow|m.htm|6|1.9|15.49|$95.00|3.00|more",
         {offer({"Harbor", "h.htm", "12", "0", "13.99"}),
          offer({"Meadow", "m.htm", "6", "1.9", "15.49", "$95.00", "3.00"})}},
        {"blanks, gaps and short lines",
         "   \r\nNo Address||0||9.9\r\nShort|x.htm",
         {offer({"   "}), offer({"No Address", "", "0", "", "9.9"}), offer({"Short", "x.htm"})}},
        {"one Latin-1 line", "Caf\xe9|x\r\nCaf\xc3\xa9|y\r\n", {offer({"Café", "x"}), offer({"Café", "y"})}},
        {"nothing", "\r\n\r\n", {}},
        {"relative addresses",
         "A|offers/a.htm\r\nB|http://cards.example/b.htm",
         {offer({"A", "http://127.0.0.1:9/app/offers/a.htm"}), offer({"B", "http://cards.example/b.htm"})},
         "http://127.0.0.1:9/app/newCCOffers.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(readOfferFile(c.body, QUrl(QString::fromLatin1(c.offerFile))), c.offers);
    }
}

TEST(OfferFile, HoldsNoMoreOffersThanAChoiceCan)
{
    QByteArray body;
    for (int line = 0; line < 32768; ++line)
        body += "Card " + QByteArray::number(line) + "|x|1|2|3\r\n";
    const OfferList offers = readOfferFile(body);
    ASSERT_EQ(offers.size(), 32767U);
    EXPECT_EQ(offers.back().cardName, QStringLiteral("Card 32766"));
}

} // namespace
} // namespace plenwick

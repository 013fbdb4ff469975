#include "offers/offer_file.h"

#include <gtest/gtest.h>

namespace plenwick {
namespace {

OfferRecord offer(const char* name, const char* address, const char* months, const char* intro, const char* regular)
{
    return {QString::fromUtf8(name), QString::fromUtf8(address), QString::fromUtf8(months), QString::fromUtf8(intro),
            QString::fromUtf8(regular)};
}

TEST(OfferFile, OneOfferPerLineSkippingEmptyLinesAndExtraFields)
{
    const QByteArray body = "Harbor Rewards|http://cards.example/harbor.htm|12|0|13.99\r\n"
                            "\r\n"
                            "Meadow Cash|http://cards.example/meadow.htm|6|1.9|15.49|extra field\r\n";
    const OfferList expected{offer("Harbor Rewards", "http://cards.example/harbor.htm", "12", "0", "13.99"),
                             offer("Meadow Cash", "http://cards.example/meadow.htm", "6", "1.9", "15.49")};
    EXPECT_EQ(readOfferFile(body), expected);
    EXPECT_EQ(readOfferFile(body.chopped(2)), expected); // no final line break
}

TEST(OfferFile, OnlyCarriageReturnWithLineFeedEndsALine)
{
    const OfferList offers = readOfferFile("A|a.htm|1|2|3\nB|b.htm|4|5|6\n");
    ASSERT_EQ(offers.size(), 1u);
    EXPECT_EQ(offers[0].regularRate, QStringLiteral("3\nB"));
}

TEST(OfferFile, KeepsBlankLinesAndEmptyFields)
{
    const OfferList offers = readOfferFile("   \r\nNo Address||0||9.9\r\nShort|x.htm\r\n");
    ASSERT_EQ(offers.size(), 3u);
    EXPECT_EQ(offers[0], offer("   ", "", "", "", ""));
    EXPECT_EQ(offers[1], offer("No Address", "", "0", "", "9.9"));
    EXPECT_EQ(offers[2], offer("Short", "x.htm", "", "", ""));
}

TEST(OfferFile, ReadsBytesThatAreNotUtf8AsLatin1)
{
    const OfferList offers = readOfferFile("Caf\xe9 Card|x|1|2|3\r\n");
    ASSERT_EQ(offers.size(), 1u);
    EXPECT_EQ(offers[0].cardName, QStringLiteral("Café Card"));
    EXPECT_EQ(readOfferFile("Caf\xc3\xa9|x|1|2|3")[0].cardName, QStringLiteral("Café"));
}

TEST(OfferFile, HoldsNoMoreOffersThanAChoiceCan)
{
    QByteArray body;
    for (int line = 0; line < kMostOffers + 10; ++line)
        body += "Card " + QByteArray::number(line) + "|x|1|2|3\r\n";
    const OfferList offers = readOfferFile(body);
    ASSERT_EQ(offers.size(), std::size_t(kMostOffers));
    EXPECT_EQ(offers.back().cardName, QStringLiteral("Card %1").arg(kMostOffers - 1));
}

TEST(OfferFile, AnEmptyBodyHasNoOffers)
{
    EXPECT_TRUE(readOfferFile({}).empty());
    EXPECT_TRUE(readOfferFile("\r\n\r\n").empty());
}

} // namespace
} // namespace plenwick

#include "offers/offer_file.h"

#include <gtest/gtest.h>

namespace plenwick {
namespace {

// Each offer's seven fields joined by "|", the offers by ";".
QString shown(const OfferList& offers)
{
    QStringList shown;
    for (const OfferRecord& o : offers)
        shown << QStringList{o.cardName,    o.detailsAddress, o.introMonths, o.introRate,
                             o.regularRate, o.annualFee,      o.transferFee}
                     .join('|');
    return shown.join(';');
}

TEST(OfferFile, ReadsOneOfferPerLine)
{
    const std::tuple<const char*, QByteArray, const char*> cases[] = {
        {"five and seven fields, empty lines skipped",
         "\r\nHarbor|h.htm|12|0|13.99\r\n\r\nMeadow|m.htm|6|1.9|15.49|$95.00|3.00|more",
         "Harbor|h.htm|12|0|13.99||;Meadow|m.htm|6|1.9|15.49|$95.00|3.00"},
        {"blanks, gaps and short lines", "   \r\nNo Address||0||9.9\r\nShort|x.htm",
         "   ||||||;No Address||0||9.9||;Short|x.htm|||||"},
        {"one Latin-1 line", "Caf\xe9|x\r\nCaf\xc3\xa9|y\r\n", "Café|x|||||;Café|y|||||"},
        {"nothing", "\r\n\r\n", ""},
    };
    for (const auto& [what, body, offers] : cases)
        EXPECT_EQ(shown(readOfferFile(body)), QString::fromUtf8(offers)) << what;
}

TEST(OfferFile, NamesLoseTheControlsThatTurnTextAround)
{
    EXPECT_EQ(withoutDirectionControls(
                  QString::fromUtf8("a\u061cb\u200e\u200f\u202a\u202e\u2066\u2069c\u200d\u2029\u202f\u2065\u206a")),
              QString::fromUtf8("abc\u200d\u2029\u202f\u2065\u206a"));
    EXPECT_EQ(shown(readOfferFile("Gold \xe2\x80\xae"
                                  "1 yaP|x\xe2\x80\xae|1")),
              QString::fromUtf8("Gold 1 yaP|x\u202e|1||||"));
}

} // namespace
} // namespace plenwick

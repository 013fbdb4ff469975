#include "offers/browser.h"

#include <gtest/gtest.h>

#include <vector>

namespace plenwick {
namespace {

class RecordingOpener : public UrlOpener {
public:
    bool open(const QUrl& page) override
    {
        opened.push_back(page);
        return true;
    }
    std::vector<QUrl> opened;
};

TEST(OpenInBrowser, OpensOnlyWebAddressesAsTheyAreWritten)
{
    RecordingOpener opener;
    for (const char* address :
         {"", " ", "cards.example/harbor.htm", "file:///etc/passwd", "javascript:alert(1)", "ftp://cards.example/a",
          "mailto:someone@example.com", "http://", "No Card found", "--new-window http://cards.example"})
        EXPECT_FALSE(OpenInBrowser(QString::fromLatin1(address), opener)) << address;
    EXPECT_TRUE(OpenInBrowser(QStringLiteral("http://cards.example/harbor.htm"), opener));
    EXPECT_TRUE(OpenInBrowser(QStringLiteral("HTTPS://cards.example/offers/meadow cash.htm?from=plenwick"), opener));
    ASSERT_EQ(opener.opened.size(), 2U);
    EXPECT_EQ(opener.opened[0].toString(), QStringLiteral("http://cards.example/harbor.htm"));
    EXPECT_EQ(opener.opened[1].toString(),
              QStringLiteral("https://cards.example/offers/meadow cash.htm?from=plenwick"));
}

TEST(OfferPageAddress, ResolvesRelativeAddressesAgainstTheOfferFile)
{
    const QUrl offerFile(QStringLiteral("http://127.0.0.1:40123/app/newCCOffers.txt"));
    const std::pair<const char*, const char*> cases[] = {
        {"offers/harbor.htm", "http://127.0.0.1:40123/app/offers/harbor.htm"},
        {"/app/offers/harbor.htm", "http://127.0.0.1:40123/app/offers/harbor.htm"},
        {"../harbor.htm?from=list", "http://127.0.0.1:40123/harbor.htm?from=list"},
        {"//cards.example/harbor.htm", "http://cards.example/harbor.htm"},
        {"http://cards.example/meadow cash.htm", "http://cards.example/meadow cash.htm"},
        {"HTTPS://Cards.example/x", "HTTPS://Cards.example/x"},
        {"javascript:alert(1)", "javascript:alert(1)"},
        {"//cards example", "//cards example"},
        {"", ""},
        {"  ", "  "},
    };
    for (const auto& [address, whole] : cases) {
        EXPECT_EQ(offerPageAddress(QString::fromLatin1(address), offerFile), QString::fromLatin1(whole)) << address;
        EXPECT_EQ(offerPageAddress(QString::fromLatin1(address), QUrl()), QString::fromLatin1(address)) << address;
    }
}

} // namespace
} // namespace plenwick

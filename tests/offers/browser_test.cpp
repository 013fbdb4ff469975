#include "offers/browser.h"

#include <gtest/gtest.h>

#include <vector>

namespace plenwick {
namespace {

class RecordingOpener : public UrlOpener {
public:
    void open(const QUrl& page) override { opened.push_back(page); }
    std::vector<QUrl> opened;
};

TEST(OpenInBrowser, OpensOnlyWebAddressesAsTheyAreWritten)
{
    const std::pair<const char*, const char*> cases[] = {
        {"http://cards.example/harbor.htm", "http://cards.example/harbor.htm"},
        {"HTTPS://cards.example/offers/meadow cash.htm?from=plenwick",
         "https://cards.example/offers/meadow cash.htm?from=plenwick"},
        {"", nullptr},
        {" ", nullptr},
        {"cards.example/harbor.htm", nullptr},
        {"file:///etc/passwd", nullptr},
        {"javascript:alert(1)", nullptr},
        {"ftp://cards.example/a", nullptr},
        {"mailto:someone@example.com", nullptr},
        {"http://", nullptr},
        {"No Card found", nullptr},
        {"--new-window http://cards.example", nullptr},
    };
    for (const auto& [address, opened] : cases) {
        SCOPED_TRACE(address);
        RecordingOpener opener;
        EXPECT_EQ(OpenInBrowser(QString::fromLatin1(address), opener), opened != nullptr);
        ASSERT_EQ(opener.opened.size(), opened ? 1U : 0U);
        if (opened) {
            EXPECT_EQ(opener.opened[0].toString(), QString::fromLatin1(opened));
        }
    }
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

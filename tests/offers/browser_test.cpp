#include "offers/browser.h"

#include "recording_opener.h"

#include <gtest/gtest.h>

namespace plenwick {
namespace {

using testing_support::RecordingOpener;

TEST(OpenInBrowser, HandsOnlyWebAddressesOnAndTellsWhetherTheBrowserStarted)
{
    RecordingOpener browser;
    for (const char* address :
         {"", "cards.example/harbor.htm", "file:///etc/passwd", "javascript:alert(1)", "ftp://cards.example/a",
          "http://", "No Card found", "--new-window http://cards.example"})
        EXPECT_FALSE(OpenInBrowser(address, browser)) << address;
    EXPECT_TRUE(OpenInBrowser("http://cards.example/harbor.htm", browser));
    browser.browserAnswers = false; // the system refuses to open the page
    EXPECT_FALSE(OpenInBrowser("HTTPS://cards.example/offers/meadow cash.htm?from=plenwick", browser));
    EXPECT_EQ(browser.opened, QList<QUrl>({QUrl("http://cards.example/harbor.htm"),
                                           QUrl("https://cards.example/offers/meadow cash.htm?from=plenwick")}));
}

TEST(OfferPageAddress, ResolvesRelativeAddressesAgainstTheOfferFile)
{
    const QUrl offerFile("http://127.0.0.1:40123/app/newCCOffers.txt");
    const std::pair<const char*, const char*> cases[] = {
        {"offers/harbor.htm", "http://127.0.0.1:40123/app/offers/harbor.htm"},
        {"../harbor.htm?from=list", "http://127.0.0.1:40123/harbor.htm?from=list"},
        {"//cards.example/harbor.htm", "http://cards.example/harbor.htm"},
        // Absolute, no address, or blank: as it stands.
        {"HTTPS://Cards.example/x", "HTTPS://Cards.example/x"},
        {"javascript:alert(1)", "javascript:alert(1)"},
        {"//cards example", "//cards example"},
        {"  ", "  "},
    };
    for (const auto& [address, whole] : cases)
        EXPECT_EQ(offerPageAddress(address, offerFile).toStdString(), whole) << address;
    // An offer file without an address of its own resolves nothing.
    EXPECT_EQ(offerPageAddress("offers/harbor.htm", QUrl("app/newCCOffers.txt")), "offers/harbor.htm");
}

} // namespace
} // namespace plenwick

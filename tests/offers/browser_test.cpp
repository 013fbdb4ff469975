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

TEST(OpenInBrowser, OpensWebAddressesAsTheyAreWritten)
{
    RecordingOpener opener;
    EXPECT_TRUE(OpenInBrowser(QStringLiteral("http://cards.example/harbor.htm"), opener));
    EXPECT_TRUE(OpenInBrowser(QStringLiteral("HTTPS://cards.example/offers/meadow cash.htm?from=plenwick"), opener));
    ASSERT_EQ(opener.opened.size(), 2u);
    EXPECT_EQ(opener.opened[0].toString(), QStringLiteral("http://cards.example/harbor.htm"));
    // The blank is carried in the address, not cut or quoted.
    EXPECT_EQ(opener.opened[1].path(), QStringLiteral("/offers/meadow cash.htm"));
    EXPECT_EQ(opener.opened[1].query(), QStringLiteral("from=plenwick"));
}

TEST(OpenInBrowser, OpensNothingElse)
{
    RecordingOpener opener;
    for (const char* address :
         {"", " ", "cards.example/harbor.htm", "file:///etc/passwd", "javascript:alert(1)", "ftp://cards.example/a",
          "mailto:someone@example.com", "http://", "No Card found", "--new-window http://cards.example"}) {
        EXPECT_FALSE(OpenInBrowser(QString::fromLatin1(address), opener)) << address;
    }
    EXPECT_TRUE(opener.opened.empty());
}

TEST(OpenInBrowser, EachCallOpensAgain)
{
    RecordingOpener opener;
    OpenInBrowser(QStringLiteral("http://cards.example/a.htm"), opener);
    OpenInBrowser(QStringLiteral("http://cards.example/a.htm"), opener);
    EXPECT_EQ(opener.opened.size(), 2u);
}

} // namespace
} // namespace plenwick

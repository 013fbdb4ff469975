#include "offers/offer_download.h"

#include "test_http_server.h"

#include <QSignalSpy>
#include <QTcpServer>

#include <gtest/gtest.h>

namespace plenwick {
namespace {

using testing_support::TestHttpServer;

const QByteArray kTwoOffers = "Harbor Rewards|http://cards.example/harbor.htm|12|0|13.99\r\n"
                              "Meadow Cash|http://cards.example/meadow.htm|6|1.9|15.49\r\n";

class OfferDownloadTest : public testing::Test {
protected:
    // Downloads /app/newCCOffers.txt and waits for the answer.
    std::optional<OfferList> download(int timeoutMs = 5000)
    {
        return downloadFrom(server.url(QStringLiteral("/app/newCCOffers.txt")), timeoutMs);
    }

    std::optional<OfferList> downloadFrom(const QUrl& url, int timeoutMs = 5000)
    {
        OfferDownload downloader;
        QSignalSpy done(&downloader, &OfferDownload::finished);
        downloader.start(url, timeoutMs);
        if (!done.wait(timeoutMs + 5000))
            return std::nullopt;
        return done.takeFirst().at(0).value<OfferList>();
    }

    void serve(const TestHttpServer::Route& route) { server.route(QStringLiteral("/app/newCCOffers.txt"), route); }

    TestHttpServer server;
};

TEST_F(OfferDownloadTest, ReadsTheOffersTheServerPublishes)
{
    serve({200, kTwoOffers});
    const auto offers = download();
    ASSERT_TRUE(offers);
    ASSERT_EQ(offers->size(), 2u);
    EXPECT_EQ(offers->at(1).cardName, QStringLiteral("Meadow Cash"));
}

TEST_F(OfferDownloadTest, EveryFailureGivesNoOffers)
{
    struct Case {
        const char* what;
        TestHttpServer::Route route;
    };
    const Case cases[] = {
        {"not found", {404, kTwoOffers}},
        {"server error", {500, kTwoOffers}},
        {"closed early", {200, kTwoOffers, TestHttpServer::Mode::CloseEarly}},
        {"over a megabyte", {200, kTwoOffers.repeated(OfferDownload::kMostBytes / kTwoOffers.size() + 1)}},
    };
    for (const Case& c : cases) {
        serve(c.route);
        const auto offers = download();
        ASSERT_TRUE(offers) << c.what;
        EXPECT_TRUE(offers->empty()) << c.what;
    }
}

TEST_F(OfferDownloadTest, AServerThatNeverAnswersTimesOut)
{
    serve({200, kTwoOffers, TestHttpServer::Mode::Stall});
    const auto offers = download(300);
    ASSERT_TRUE(offers);
    EXPECT_TRUE(offers->empty());
}

TEST_F(OfferDownloadTest, NoServerAtAllGivesNoOffers)
{
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost);
    const quint16 port = closed.serverPort();
    closed.close();
    const auto offers = downloadFrom(QUrl(QStringLiteral("http://127.0.0.1:%1/app/newCCOffers.txt").arg(port)));
    ASSERT_TRUE(offers);
    EXPECT_TRUE(offers->empty());
}

TEST_F(OfferDownloadTest, AFileJustUnderTheLimitIsRead)
{
    // Blanks at the end of the last rate fill the file to exactly 1 MiB.
    QByteArray body = kTwoOffers.chopped(2);
    body += QByteArray(OfferDownload::kMostBytes - body.size() - 2, ' ') + "\r\n";
    serve({200, body});
    const auto offers = download();
    ASSERT_TRUE(offers);
    EXPECT_EQ(offers->size(), 2u);
}

} // namespace
} // namespace plenwick

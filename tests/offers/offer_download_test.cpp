#include "offers/offer_download.h"

#include "test_http_server.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace plenwick {
namespace {

using testing_support::TestHttpServer;

const QByteArray kTwoOffers = "Harbor Rewards|offers/harbor.htm|12|0|13.99|$95.00|3\r\n"
                              "Meadow Cash|http://cards.example/meadow.htm|6|1.9|13.99\r\n";

// The second line's name fills the file to the size asked for (the first
// line is 45 bytes, all but the name 57); the file ends in that offer's
// regular rate.
QByteArray offersOfSize(qsizetype size)
{
    return QByteArray("Harbor Rewards|offers/harbor.htm|12|0|13.99\r\n|x|1|2|13.99").insert(45, size - 57, 'M');
}

TEST(OfferDownload, GivesTheServersOffersOrNoneAtAll)
{
    // The first 32,767 offers are kept and the lines past them counted; empty lines are no offers.
    const QByteArray manyOffers = kTwoOffers + "\r\n" + QByteArray("C|x|1|2|13.99\r\n").repeated(32767);
    // What, the answer (status 0: no server listens at all), the offers got,
    // what fell short.
    const std::tuple<const char*, TestHttpServer::Route, std::size_t, OfferFileShortfall> cases[] = {
        {"1,048,576 bytes", {200, offersOfSize(1048576)}, 2, {}},
        {"1,048,577 bytes", {200, offersOfSize(1048577)}, 0, {0, true}},
        {"32,769 offers", {200, manyOffers}, 32767, {2, false}},
        // Reading stops past the limit, or this one would never end.
        {"a body without end", {200, kTwoOffers, TestHttpServer::Mode::Endless}, 0, {0, true}},
        {"HTTP 299", {299, kTwoOffers}, 2, {}},
        {"HTTP 300", {300, kTwoOffers}, 0, {}},
        {"no answer", {200, kTwoOffers, TestHttpServer::Mode::Stall}, 0, {}},
        {"no server", {0, kTwoOffers}, 0, {}},
    };
    OfferDownload download; // fetches again after each failure, as if new
    for (const auto& [what, route, count, shortfall] : cases) {
        SCOPED_TRACE(what);
        TestHttpServer server;
        server.route("/app/newCCOffers.txt", route);
        QUrl offerFile = server.url("/app/newCCOffers.txt");
        if (route.status == 0)
            offerFile.setPort(1); // nothing listens there
        QSignalSpy done(&download, &OfferDownload::finished);
        // Only the server that never answers waits for the time-out, which ends the download at once.
        download.start(offerFile, route.mode == TestHttpServer::Mode::Stall ? 500 : 60000);
        ASSERT_TRUE(done.wait(10000));
        const QList<QVariant> finished = done.takeFirst();
        const auto offers = finished.at(0).value<OfferList>();
        ASSERT_EQ(offers.size(), count);
        EXPECT_EQ(finished.at(1).value<OfferFileShortfall>(), shortfall);
        if (!offers.empty()) {
            EXPECT_EQ(offers.front().detailsAddress, server.url("/app/offers/harbor.htm").toString());
            EXPECT_EQ(offers.back().regularRate, QStringLiteral("13.99"));
        }
    }
}

} // namespace
} // namespace plenwick

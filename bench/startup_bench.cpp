// Start-up of the main window beside a bare Qt Widgets window, as a person
// sees it, and Best Offers with 3 cards x 32,767 offers.
//
// Run under a display: xvfb-run -a build/release/bench/startup_bench
// [--runs N] [--server ADDRESS]. Each round starts, one after another, the
// bare window, the main window with no server and, when an address is given,
// with that server (scripts/web_server.sh serves the sample one), each in a
// process of its own. Each process reports from its own start: the first
// paint of the window; when it settled (the first paint of the native window
// that then stays for 3 s); the first answer to a key pressed as the window
// appears; the native windows made again after the first; and at 5 s the
// processes of its tree and their RSS and PSS. The table gives each figure's
// median with its spread (smallest to largest) and, round by round, its ratio
// to the bare window's.
#include "app/frm_main.h"
#include "app/web_banner.h"
#include "models/card_numbers.h"
#include "models/offer_ranking_job.h"
#include "models/offer_ranking_model.h"
#include "screens/best_offers_screen.h"
#include "startup_probe.h"
#include "widgets/result_blinker.h"

#include <QAbstractProxyModel>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QHeaderView>
#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <array>
#include <random>
#include <span>
#include <vector>

namespace {

using namespace startup_probe;

// The main window as the program builds it, without the splash window
// before it (which only adds its fixed tenth of a second).
int runMainWindow(int argc, char** argv, const QString& server)
{
    const double processStarted = processStartMs();
    plenwick::prepareBannerBrowser(!server.isEmpty());
    StartProbe app(argc, argv);
    QTemporaryDir folder;
    plenwick::Surroundings surroundings;
    surroundings.cardFilePath = folder.filePath(QStringLiteral("mycards.dat"));
    surroundings.server = QUrl(server);
    // The module as built; the program finds it beside itself.
    surroundings.makeBanner = [](QWidget* strip, const QUrl& page) {
        return new plenwick::Banner(page, QStringLiteral(PLENWICK_BANNER_MODULE_PATH),
                                    std::make_shared<plenwick::DesktopUrlOpener>(), strip);
    };
    plenwick::frmMain window(surroundings);
    app.watch(&window, window.findChild<QLineEdit*>(QStringLiteral("CardNameText_0")));
    window.show();
    return app.report(processStarted);
}

// --- Best Offers

struct Silent : plenwick::MessageBoxes {
    void show(QWidget*, const QString&, plenwick::MessageIcon) override { }
    bool choose(QWidget*, const QString&, const QString&, const QString&) override { return true; }
};

// Three cards and 32,767 offers of invented figures, always the same.
std::pair<plenwick::CardBook, plenwick::OfferList> bigBook()
{
    std::mt19937_64 random(32767);
    const auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    plenwick::CardBook book;
    for (int c = 0; c < 3; ++c) {
        const int balance = between(1000, 20000);
        book[c].fields = {QStringLiteral("Card %1").arg(c + 1),
                          QString::number(between(0, 95)),
                          QString::number(between(1500, 3000) / 100.0),
                          QString::number(balance),
                          QString::number(balance / 50),
                          QString::number(balance * between(2, 5) / 100)};
    }
    plenwick::OfferList offers;
    for (int i = 0; i < 32767; ++i) {
        offers.push_back({QStringLiteral("Offer %1").arg(i), QStringLiteral("https://offers.example/%1").arg(i),
                          QString::number(between(0, 21)), QString::number(between(0, 500) / 100.0),
                          QString::number(between(1200, 3000) / 100.0),
                          between(0, 4) ? QStringLiteral("$%1.00").arg(between(0, 95)) : QString(),
                          between(0, 4) ? QString::number(between(0, 500) / 100.0) : QString()});
    }
    return {book, offers};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

int runBestOffers(int argc, char** argv)
{
    QApplication app(argc, argv);
    const auto [book, list] = bigBook();
    const auto offers = plenwick::rankOffersOf(list);
    const std::vector<plenwick::DebtCard> cards = plenwick::debtCardsOf(std::span(book).first(3));
    constexpr int kRounds = 7;
    std::vector<double> alone, shown;
    for (int round = 0; round < kRounds; ++round) {
        QElapsedTimer clock;
        clock.start();
        auto rankings = plenwick::RankOffersOnThreads(cards, *offers, plenwick::OfferRankingJob::kThreads);
        alone.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    plenwick::ResultBlinker blinker(nullptr);
    const plenwick::ScreenContext context{
        std::make_shared<Silent>(), std::make_shared<plenwick::DesktopUrlOpener>(),
        [] { return QDateTime::currentDateTime(); },
        [](QWidget*, const QString&, const QString&, const QString&, QString*) { return QString(); }, &blinker};
    plenwick::BestOffersScreen screen(context, nullptr);
    screen.resize(982, 518);
    screen.show();
    screen.setOffers(list);
    auto* table = screen.findChild<QTableView*>(QStringLiteral("offersView"));
    auto* model =
        qobject_cast<plenwick::OfferRankingModel*>(qobject_cast<QAbstractProxyModel*>(table->model())->sourceModel());
    for (int round = 0; round < kRounds; ++round) {
        screen.dropRanking();
        QTest::qWait(50);
        QEventLoop ranking;
        QObject::connect(model, &QAbstractItemModel::modelReset, &ranking, [model, loop = &ranking] {
            if (model->rowCount() > 0)
                loop->quit();
        });
        QElapsedTimer clock;
        clock.start();
        screen.enter(book);
        ranking.exec();
        table->viewport()->repaint();
        shown.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    std::printf("Best Offers, %zu cards x %zu offers = %d rows (median of %d):\n", cards.size(), offers->size(),
                table->model()->rowCount(), kRounds);
    std::printf("  ranking alone            %8.1f ms\n", median(alone));
    std::printf("  ranked and shown         %8.1f ms   %.2fx the ranking alone\n", median(shown),
                median(shown) / median(alone));

    // Sorting: the first sort of a ranking by a column makes its keys; the
    // plain sort is std::stable_sort of those keys alone.
    auto ranked = std::make_shared<const plenwick::RankedOffers>(plenwick::RankedOffers{
        cards, offers, *plenwick::RankOffersOnThreads(cards, *offers, plenwick::OfferRankingJob::kThreads)});
    QHeaderView* header = table->horizontalHeader();
    std::printf("  sort by a column          first   again   plain sort of its keys   first/plain  again/plain\n");
    for (const int column :
         {int(plenwick::OfferRankingModel::SavingColumn), int(plenwick::OfferRankingModel::OfferColumn),
          int(plenwick::OfferRankingModel::RegularRateColumn)}) {
        std::vector<double> first, again, plain;
        for (int round = 0; round < kRounds; ++round) {
            // As a click on the column's header sorts.
            header->setSortIndicator(-1, Qt::AscendingOrder);
            model->show(ranked);
            QElapsedTimer clock;
            clock.start();
            header->setSortIndicator(column, Qt::AscendingOrder);
            first.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
            header->setSortIndicator(column, Qt::DescendingOrder);
            clock.start();
            header->setSortIndicator(column, Qt::AscendingOrder);
            again.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
            std::vector<plenwick::OfferRankingModel::SortKey> keys = model->sortKeys(column);
            clock.start();
            std::stable_sort(keys.begin(), keys.end());
            plain.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        }
        std::printf(
            "  %-22s %7.1f %7.1f %12.1f ms %18.2fx %11.2fx\n",
            qPrintable(model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString().section('\n', 0, 0)),
            median(first), median(again), median(plain), median(first) / median(plain), median(again) / median(plain));
    }
    return 0;
}

// --- The driver

struct Start {
    double firstPaint, settled, keyAnswer;
    int remade, processes;
    double rssMiB, pssMiB;
    int browserMapped;
};

std::optional<Start> startOnce(const QString& program, const QStringList& arguments)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), QDir::tempPath() + QStringLiteral("/plenwick-bench-home"));
    child.setProcessEnvironment(environment);
    child.start(program, arguments);
    if (!child.waitForFinished(120000) || child.exitCode() != 0)
        return std::nullopt;
    const QList<QByteArray> f = child.readAllStandardOutput().trimmed().split('\n').last().split(' ');
    if (f.size() != 8)
        return std::nullopt;
    return Start{f[0].toDouble(), f[1].toDouble(),        f[2].toDouble(),        f[3].toInt(),
                 f[4].toInt(),    f[5].toDouble() / 1024, f[6].toDouble() / 1024, f[7].toInt()};
}

const char* const kFigures[] = {"first paint (ms)",      "settled (ms)",         "key answered (ms)",
                                "windows made again",    "processes at 5 s",     "tree RSS at 5 s (MiB)",
                                "tree PSS at 5 s (MiB)", "browser engine mapped"};

double figure(const Start& start, int which)
{
    const double figures[] = {start.firstPaint,        start.settled, start.keyAnswer, double(start.remade),
                              double(start.processes), start.rssMiB,  start.pssMiB,    double(start.browserMapped)};
    return figures[which];
}

QString spread(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return QStringLiteral("%1 [%2-%3]")
        .arg(values[values.size() / 2], 0, 'f', 2)
        .arg(values.front(), 0, 'f', 2)
        .arg(values.back(), 0, 'f', 2);
}

} // namespace

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (arguments.value(1) == QStringLiteral("--main-window"))
        return runMainWindow(argc, argv, arguments.value(2));
    if (arguments.value(1) == QStringLiteral("--best-offers"))
        return runBestOffers(argc, argv);

    const int runs = arguments.contains(QStringLiteral("--runs"))
                         ? arguments.value(arguments.indexOf(QStringLiteral("--runs")) + 1).toInt()
                         : 11;
    const QString server = arguments.contains(QStringLiteral("--server"))
                               ? arguments.value(arguments.indexOf(QStringLiteral("--server")) + 1)
                               : QString();
    const QString self = QString::fromLocal8Bit(argv[0]);
    const QString bare = QFileInfo(self).dir().filePath(QStringLiteral("startup_bare_window"));
    struct Variant {
        QString name, program;
        QStringList arguments;
        std::vector<Start> starts;
    };
    std::vector<Variant> variants{
        {QStringLiteral("bare window"), bare, {}, {}},
        {QStringLiteral("no server"), self, {QStringLiteral("--main-window"), QString()}, {}}};
    if (!server.isEmpty())
        variants.push_back({QStringLiteral("sample server"), self, {QStringLiteral("--main-window"), server}, {}});
    for (int round = 0; round < runs; ++round) {
        for (std::size_t v = 0; v < variants.size(); ++v) {
            Variant& variant = variants[(v + static_cast<std::size_t>(round)) % variants.size()];
            const std::optional<Start> start = startOnce(variant.program, variant.arguments);
            if (!start) {
                std::fprintf(stderr, "%s: a start failed\n", qPrintable(variant.name));
                return 1;
            }
            variant.starts.push_back(*start);
        }
        std::fprintf(stderr, "round %d of %d\n", round + 1, runs);
    }

    std::printf("%d interleaved starts each; median [smallest-largest]; ratio: to the bare window of the same round\n",
                runs);
    for (int which = 0; which < int(std::size(kFigures)); ++which) {
        std::printf("%s\n", kFigures[which]);
        for (const Variant& variant : variants) {
            std::vector<double> values, ratios;
            for (int round = 0; round < runs; ++round) {
                values.push_back(figure(variant.starts[round], which));
                const double bareValue = figure(variants[0].starts[round], which);
                if (bareValue > 0)
                    ratios.push_back(values.back() / bareValue);
            }
            std::printf("  %-14s %-28s %s\n", qPrintable(variant.name), qPrintable(spread(values)),
                        &variant == &variants[0] || ratios.empty()
                            ? ""
                            : qPrintable(QStringLiteral("ratio %1").arg(spread(ratios))));
        }
    }
    std::fflush(stdout);
    QProcess bestOffers;
    bestOffers.setProcessChannelMode(QProcess::ForwardedChannels);
    bestOffers.start(self, {QStringLiteral("--best-offers")});
    bestOffers.waitForFinished(600000);
    return bestOffers.exitCode();
}

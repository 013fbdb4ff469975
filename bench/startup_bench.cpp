// Start-up of the main window as a person sees it: from the start of main()
// to the window exposed on the display, and the process's resident memory
// once the banner and the offers have had two seconds to arrive.
// Run under a display: xvfb-run -a build/release/bench/startup_bench
#include "app/frm_main.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    }
    return -1;
}

} // namespace

int main(int argc, char** argv)
{
    QElapsedTimer clock;
    clock.start();
    plenwick::prepareBannerBrowser();
    QApplication app(argc, argv);
    const qint64 applicationReady = clock.elapsed();

    QTemporaryDir folder;
    plenwick::Surroundings surroundings;
    surroundings.cardFilePath = folder.filePath(QStringLiteral("mycards.dat"));
    plenwick::frmMain window(surroundings);
    const qint64 windowBuilt = clock.elapsed();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "the window was never shown\n");
        return 1;
    }
    const qint64 windowShown = clock.elapsed();

    QTest::qWait(2000);
    std::printf("application ready      %5lld ms\n", applicationReady);
    std::printf("main window built      %5lld ms\n", windowBuilt);
    std::printf("main window shown      %5lld ms\n", windowShown);
    std::printf("resident memory after  %5ld KiB (this process, the banner browser's own processes not counted)\n",
                residentKilobytes());
    return 0;
}

// Start-up of the main window as a person sees it: from the start of the
// process to the end of the main window's first paint, and the memory of the
// whole process tree (the banner browser's helper processes included) once
// the banner and the offers have had two seconds to arrive.
// Run under a display: xvfb-run -a build/release/bench/startup_bench [server address]
#include "app/frm_main.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <ctime>
#include <optional>

#include <unistd.h>

namespace {

double bootClockMs()
{
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The kernel keeps the process's start in clock ticks since boot (10 ms on
// most systems), which covers loading the libraries before main() runs.
double processStartMs()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // Fields after the command name, which may itself hold blanks: the start
    // time is the 22nd field, the 20th after the closing parenthesis.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return fields.value(19).toDouble() * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

struct TreeMemory {
    long rssKiB = 0;
    long pssKiB = 0; // shared pages split among the processes that share them
    int processes = 0;
};

long smapsField(const QByteArray& rollup, const char* name)
{
    for (const QByteArray& line : rollup.split('\n')) {
        if (line.startsWith(name))
            return line.mid(static_cast<qsizetype>(qstrlen(name))).trimmed().split(' ').front().toLong();
    }
    return 0;
}

TreeMemory treeMemory(qint64 root)
{
    QHash<qint64, qint64> parentOf;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool isPid = false;
        const qint64 pid = entry.toLongLong(&isPid);
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!isPid || !stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        parentOf.insert(pid, line.mid(line.lastIndexOf(')') + 2).split(' ').value(1).toLongLong());
    }
    TreeMemory memory;
    for (auto it = parentOf.cbegin(); it != parentOf.cend(); ++it) {
        qint64 ancestor = it.key();
        while (ancestor > 1 && ancestor != root)
            ancestor = parentOf.value(ancestor, 0);
        QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(it.key()));
        if (ancestor != root || !rollup.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = rollup.readAll();
        memory.rssKiB += smapsField(text, "Rss:");
        memory.pssKiB += smapsField(text, "Pss:");
        ++memory.processes;
    }
    return memory;
}

// Notes when the main window's first paint event has been handled.
class PaintClock : public QApplication {
public:
    using QApplication::QApplication;
    QWidget* watched = nullptr;
    std::optional<double> firstPaintDone;

    bool notify(QObject* receiver, QEvent* event) override
    {
        const bool handled = QApplication::notify(receiver, event);
        if (!firstPaintDone && receiver == watched && event->type() == QEvent::Paint)
            firstPaintDone = bootClockMs();
        return handled;
    }
};

} // namespace

int main(int argc, char** argv)
{
    const double mainEntered = bootClockMs();
    const double processStarted = processStartMs();
    plenwick::prepareBannerBrowser();
    PaintClock app(argc, argv);
    const double applicationReady = bootClockMs();

    QTemporaryDir folder;
    plenwick::Surroundings surroundings;
    surroundings.cardFilePath = folder.filePath(QStringLiteral("mycards.dat"));
    if (argc > 1)
        surroundings.server = QUrl(QString::fromLocal8Bit(argv[1]));
    plenwick::frmMain window(surroundings);
    const double windowBuilt = bootClockMs();
    app.watched = &window;
    window.show();
    if (!QTest::qWaitFor([&app] { return app.firstPaintDone.has_value(); }, 60000)) {
        std::fprintf(stderr, "the window was never painted\n");
        return 1;
    }

    QTest::qWait(2000);
    const TreeMemory memory = treeMemory(QCoreApplication::applicationPid());
    std::printf("from the process's start (10 ms steps):\n");
    std::printf("  main() entered          %6.0f ms\n", mainEntered - processStarted);
    std::printf("  application ready       %6.0f ms\n", applicationReady - processStarted);
    std::printf("  main window built       %6.0f ms\n", windowBuilt - processStarted);
    std::printf("  first paint done        %6.0f ms\n", *app.firstPaintDone - processStarted);
    std::printf("whole process tree after two seconds, %d processes:\n", memory.processes);
    std::printf("  resident                %6.1f MiB (shared pages counted in each process)\n",
                static_cast<double>(memory.rssKiB) / 1024.0);
    std::printf("  proportional            %6.1f MiB (shared pages split among their processes)\n",
                static_cast<double>(memory.pssKiB) / 1024.0);
    return 0;
}

// What one start of a window costs, measured inside the process that shows
// it: shared by the benchmark's run of the program's main window and the bare
// Qt Widgets window it is compared with.
#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <optional>

#include <unistd.h>

namespace startup_probe {

inline double bootClockMs()
{
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The kernel keeps the process's start in clock ticks since boot (10 ms on
// most systems), which covers loading the libraries before main() runs.
inline double processStartMs()
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

inline long smapsField(const QByteArray& rollup, const char* name)
{
    for (const QByteArray& line : rollup.split('\n')) {
        if (line.startsWith(name))
            return line.mid(static_cast<qsizetype>(qstrlen(name))).trimmed().split(' ').front().toLong();
    }
    return 0;
}

// The process and every process it started, and theirs.
inline TreeMemory treeMemory(qint64 root)
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

inline bool browserEngineMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngineCore");
}

// Watches the window from its start: its first paint, every time its native
// window is made, the first paint after the last one, and a key pressed in a
// box at the first paint until the box shows the letter.
class StartProbe : public QApplication {
public:
    using QApplication::QApplication;

    void watch(QWidget* window, QLineEdit* box)
    {
        m_window = window;
        m_box = box;
    }

    bool notify(QObject* receiver, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        const bool handled = QApplication::notify(receiver, event);
        if (receiver == m_window && type == QEvent::WinIdChange && m_window->internalWinId() != 0) {
            ++m_windowsMade;
            m_settled.reset();
        }
        if (receiver == m_window && type == QEvent::Paint) {
            const double now = bootClockMs();
            if (!m_settled)
                m_settled = now;
            if (!m_firstPaint) {
                m_firstPaint = now;
                // A person's key, pressed as the window appears.
                m_keyPressed = now;
                postEvent(m_box, new QKeyEvent(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x")));
                postEvent(m_box, new QKeyEvent(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x")));
            }
        }
        if (receiver == m_box && type == QEvent::Paint && m_keyPressed && !m_keyAnswered && !m_box->text().isEmpty())
            m_keyAnswered = bootClockMs();
        return handled;
    }

    // Runs until the window has kept its native window for 3 s after its first
    // paint and the process has run 5 s, and prints one line: first paint,
    // settled and key answer in ms from the process's start, the native
    // windows made, the processes of the tree, its RSS and PSS in KiB, and
    // whether the browser engine is mapped.
    int report(double processStarted)
    {
        const auto waitFor = [](const std::function<bool()>& done, int ms) {
            const double until = bootClockMs() + ms;
            while (!done() && bootClockMs() < until)
                processEvents(QEventLoop::AllEvents, 10);
            return done();
        };
        if (!waitFor([this] { return m_firstPaint.has_value(); }, 60000)) {
            std::fprintf(stderr, "the window was never painted\n");
            return 1;
        }
        waitFor([this] { return bootClockMs() >= *m_firstPaint + 3000 && m_keyAnswered; }, 60000);
        waitFor([] { return false; }, static_cast<int>(std::max(0.0, processStarted + 5000 - bootClockMs())));
        const TreeMemory memory = treeMemory(applicationPid());
        std::printf("%.1f %.1f %.1f %d %d %ld %ld %d\n", *m_firstPaint - processStarted,
                    m_settled.value_or(-1) - processStarted, m_keyAnswered.value_or(-1) - *m_keyPressed,
                    m_windowsMade - 1, memory.processes, memory.rssKiB, memory.pssKiB, browserEngineMapped() ? 1 : 0);
        std::fflush(stdout);
        return 0;
    }

private:
    QWidget* m_window = nullptr;
    QLineEdit* m_box = nullptr;
    int m_windowsMade = 0;
    std::optional<double> m_firstPaint, m_settled, m_keyPressed, m_keyAnswered;
};

} // namespace startup_probe

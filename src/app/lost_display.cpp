#include "app/lost_display.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <csignal>
#include <cstring>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace plenwick {

namespace {

QtMessageHandler qtMessageHandler = nullptr;
sockaddr_un displaySocket{};
bool displayIsLocal = false;

void say(const char* text) { [[maybe_unused]] const auto written = write(STDERR_FILENO, text, std::strlen(text)); }

void stopOnLostDisplay(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    // Qt's words when the display cannot be reached (X11 or Wayland), or its
    // connection breaks; the X11 one otherwise leaves through exit(), which
    // tears the program down under its running threads.
    const bool lost = message.contains(QLatin1String("connection broke")) ||
                      message.contains(QLatin1String("could not connect to display")) ||
                      message.contains(QLatin1String("no Qt platform plugin could be initialized"));
    if (!lost) {
        qtMessageHandler(type, context, message);
        return;
    }
    const QByteArray line = QStringLiteral("Plenwick stopped: its display went away or cannot be reached (%1).\n")
                                .arg(message.section(QLatin1Char('\n'), 0, 0))
                                .toLocal8Bit();
    say(line.constData());
    _exit(1);
}

// The graphics libraries may crash outright on a connection that broke while
// they used it. Only when the display no longer answers is that told as its
// loss; any other crash goes on as a crash.
void crashed(int signal)
{
    if (displayIsLocal) {
        const int probe = socket(AF_UNIX, SOCK_STREAM, 0);
        const bool answers =
            probe >= 0 && connect(probe, reinterpret_cast<const sockaddr*>(&displaySocket), sizeof displaySocket) == 0;
        if (probe >= 0)
            close(probe);
        if (!answers) {
            say("Plenwick stopped: its display went away.\n");
            _exit(1);
        }
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// ":0", ":0.0" and "unix:0" are served on a local socket that can be tried
// from a signal handler; other displays are left alone.
void findLocalDisplay()
{
    const QByteArray display = qgetenv("DISPLAY");
    const qsizetype colon = display.indexOf(':');
    if (colon < 0 || (colon > 0 && display.left(colon) != "unix"))
        return;
    const QByteArray screen = display.mid(colon + 1);
    const QByteArray number = screen.left(screen.contains('.') ? screen.indexOf('.') : screen.size());
    const QByteArray path = "/tmp/.X11-unix/X" + number;
    if (number.isEmpty() || static_cast<std::size_t>(path.size()) >= sizeof displaySocket.sun_path)
        return;
    displaySocket.sun_family = AF_UNIX;
    std::memcpy(displaySocket.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    displayIsLocal = true;
}

} // namespace

void endCleanlyWhenTheDisplayGoesAway()
{
    qtMessageHandler = qInstallMessageHandler(stopOnLostDisplay);
    findLocalDisplay();
    struct sigaction action { };
    action.sa_handler = crashed;
    action.sa_flags = SA_RESETHAND | SA_NODEFER;
    for (const int signal : {SIGSEGV, SIGBUS, SIGABRT, SIGILL, SIGTRAP})
        sigaction(signal, &action, nullptr);
}

} // namespace plenwick

#include "app/frm_main.h"
#include "app/frm_splash.h"
#include "app/lost_display.h"
#include "app/program_options.h"

#include "cards/card_store.h"

#include <QApplication>
#include <QIcon>
#include <QSettings>
#include <QStandardPaths>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// Without a display Qt would stop with a fatal error; say what to do instead.
bool hasDisplay()
{
#if defined(Q_OS_LINUX)
    const auto isSet = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

QStringList argumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

int print(const QString& text, std::FILE* stream, int exitCode)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    return exitCode;
}

// Whether this run may show a server's banner page, known before the
// application object exists: the server given, else the one remembered or
// built in. A command line with Qt's own options is read in full only later;
// then the answer is yes.
bool mayShowBannerPage(const plenwick::CommandLine& early)
{
    if (early.action != plenwick::CommandLine::Action::Run)
        return true;
    if (early.server)
        return !early.server->isEmpty();
    return !plenwick::chooseServer(std::nullopt, plenwick::settingsFilePath(), plenwick::builtInServer())
                .server.isEmpty();
}

} // namespace

int main(int argc, char** argv)
{
    using Action = plenwick::CommandLine::Action;
    // Help and the version need no display.
    const plenwick::CommandLine early = plenwick::readCommandLine(argumentsOf(argc, argv));
    if (early.action == Action::ShowHelp || early.action == Action::ShowVersion) {
        const QCoreApplication answering(argc, argv); // names the program in the help
        return print(plenwick::readCommandLine(QCoreApplication::arguments()).text, stdout, 0);
    }
    if (!hasDisplay()) {
        std::fprintf(stderr, "Plenwick needs a graphical display; without one, run it as: xvfb-run plenwick\n");
        return 1;
    }
    plenwick::endCleanlyWhenTheDisplayGoesAway();
    plenwick::prepareBannerBrowser(mayShowBannerPage(early));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Plenwick"));
    QApplication::setDesktopFileName(QStringLiteral("org.plenwick.Plenwick"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/plenwick/icons/256x256.png")));

    // Qt has taken its own options out of the arguments by now.
    const plenwick::CommandLine line = plenwick::readCommandLine(QApplication::arguments());
    if (line.action == Action::Refuse)
        return print(line.text, stderr, 2);

    plenwick::Surroundings surroundings;
    surroundings.cardFilePath = plenwick::chooseCardFilePath(
        QCoreApplication::applicationDirPath(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    const QString settingsPath = plenwick::settingsFilePath();
    const plenwick::ServerChoice server = plenwick::chooseServer(line.server, settingsPath, plenwick::builtInServer());
    surroundings.server = server.server;
    surroundings.startNote = server.note;
    // A settings file that was not read stays as it is: the window takes its default place.
    if (server.note.isEmpty()) {
        surroundings.windowPlace = [settingsPath] {
            return QSettings(settingsPath, QSettings::IniFormat).value(QStringLiteral("window")).toByteArray();
        };
        surroundings.keepWindowPlace = [settingsPath](const QByteArray& place) {
            QSettings(settingsPath, QSettings::IniFormat).setValue(QStringLiteral("window"), place);
        };
    }

    std::unique_ptr<plenwick::frmMain> mainWindow;
    plenwick::frmSplash splash([&mainWindow, &surroundings] {
        mainWindow = std::make_unique<plenwick::frmMain>(surroundings);
        mainWindow->show();
    });
    splash.show();
    return app.exec();
}

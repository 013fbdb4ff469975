#include "app/frm_main.h"
#include "app/frm_splash.h"

#include "cards/card_store.h"

#include <QApplication>
#include <QIcon>
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

} // namespace

int main(int argc, char** argv)
{
    if (!hasDisplay()) {
        std::fprintf(stderr, "Plenwick needs a graphical display; without one, run it as: xvfb-run plenwick\n");
        return 1;
    }
    plenwick::prepareBannerBrowser();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Plenwick"));
    QApplication::setDesktopFileName(QStringLiteral("org.plenwick.Plenwick"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/plenwick/icons/256x256.png")));

    plenwick::Surroundings surroundings;
    surroundings.cardFilePath = plenwick::chooseCardFilePath(
        QCoreApplication::applicationDirPath(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));

    std::unique_ptr<plenwick::frmMain> mainWindow;
    plenwick::frmSplash splash([&mainWindow, &surroundings] {
        mainWindow = std::make_unique<plenwick::frmMain>(surroundings);
        mainWindow->show();
    });
    splash.show();
    return app.exec();
}

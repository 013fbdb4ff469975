#include "app/surroundings.h"

#include "app/web_banner.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace plenwick {

void prepareBannerBrowser()
{
#if defined(Q_OS_UNIX)
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
#endif
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

QUrl builtInServer() { return QUrl(QStringLiteral(PLENWICK_SERVER_URL)); }

QWidget* createWebBanner(QWidget* strip, const QUrl& page)
{
    return new WebBanner(page, std::make_shared<DesktopUrlOpener>(), strip);
}

void ModalMessageBoxes::show(QWidget* parent, const QString& text, MessageIcon icon)
{
    QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
    if (icon == MessageIcon::Information)
        shownIcon = QMessageBox::Information;
    else if (icon == MessageIcon::Warning)
        shownIcon = QMessageBox::Warning;
    QMessageBox box(shownIcon, QStringLiteral("Plenwick"), text, QMessageBox::Ok, parent);
    box.exec();
}

bool ModalMessageBoxes::choose(QWidget* parent, const QString& text, const QString& first, const QString& second)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Plenwick"), text, QMessageBox::NoButton, parent);
    QPushButton* firstButton = box.addButton(first, QMessageBox::AcceptRole);
    box.setDefaultButton(box.addButton(second, QMessageBox::RejectRole));
    box.exec();
    return box.clickedButton() == firstButton;
}

} // namespace plenwick

#include "app/frm_splash.h"

#include "widgets/theme.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace plenwick {

namespace {

QLabel* productName(QWidget* parent, const QString& objectName, const QColor& colour, int offset)
{
    auto* label = new QLabel(QStringLiteral("Plenwick "), parent);
    label->setObjectName(objectName);
    label->setFont(theme::splashFont());
    label->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(colour.name()));
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(theme::kSplashName.translated(offset, offset));
    return label;
}

} // namespace

frmSplash::frmSplash(std::function<void()> showMainWindow, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_showMainWindow(std::move(showMainWindow))
{
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(theme::kSplashSize);
    setStyleSheet(QStringLiteral("frmSplash { background: %1; }").arg(theme::kSplashBackground.name()));
    setAttribute(Qt::WA_StyledBackground);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    // The picture is stretched to the window, less a thin white margin.
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(QPixmap(QStringLiteral(":/plenwick/splash_cards.png")));
    picture->setScaledContents(true);
    picture->setGeometry(theme::kSplashPicture);

    // The silver copy sits a little right of and below the white text, as its shadow.
    productName(this, QStringLiteral("Label2"), theme::kSplashShadow, theme::kSplashShadowOffset);
    productName(this, QStringLiteral("Label1"), Qt::white, 0);

    m_timer.setObjectName(QStringLiteral("Timer1"));
    m_timer.setSingleShot(true);
    m_timer.setInterval(kDelayMs);
    connect(&m_timer, &QTimer::timeout, this, &frmSplash::openMainWindow);
    m_timer.start();
}

void frmSplash::openMainWindow()
{
    m_timer.stop();
    m_showMainWindow();
    close();
}

} // namespace plenwick

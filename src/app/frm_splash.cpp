#include "app/frm_splash.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace plenwick {

namespace {

QLabel* productName(QWidget* parent, const QString& objectName, const QColor& colour, QPoint at)
{
    auto* label = new QLabel(QStringLiteral("Plenwick "), parent);
    label->setObjectName(objectName);
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPointSize(36);
    font.setBold(true);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(colour.name()));
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(QRect(at, QSize(457, 106)));
    return label;
}

} // namespace

frmSplash::frmSplash(std::function<void()> showMainWindow, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_showMainWindow(std::move(showMainWindow))
{
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(584, 339);
    setStyleSheet(QStringLiteral("frmSplash { background: white; }"));
    setAttribute(Qt::WA_StyledBackground);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    // The picture is stretched to the window, less a thin white margin.
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(QPixmap(QStringLiteral(":/plenwick/splash_cards.png")));
    picture->setScaledContents(true);
    picture->setGeometry(3, 3, 577, 333);

    // The silver copy sits 3 pixels right of and below the white text.
    productName(this, QStringLiteral("Label2"), QColor(192, 192, 192), QPoint(105, 75));
    productName(this, QStringLiteral("Label1"), Qt::white, QPoint(102, 72));

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

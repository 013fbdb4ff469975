#include "widgets/theme.h"

#include <QApplication>
#include <QPalette>
#include <QStringList>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace plenwick::theme {

namespace {

// One family throughout: Liberation Sans on a bare Debian (fonts-liberation2),
// Arial elsewhere, which has the same widths, so every layout keeps its room.
QFont family(qreal pointSize)
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    return font;
}

QString rgb(const QColor& colour) { return colour.name(); }

} // namespace

QFont captionFont(qreal pointSize) { return family(pointSize); }

QFont boldCaptionFont()
{
    QFont font = family(10);
    font.setBold(true);
    return font;
}

QFont headerFont() { return family(10.5); }

QFont boxFont() { return family(kTextPointSize); }

QFont answerFont()
{
    QFont font = family(10);
    font.setBold(true);
    return font;
}

QFont linkFont()
{
    QFont font = boxFont();
    font.setUnderline(true);
    return font;
}

QFont savingsButtonFont() { return family(kTextPointSize); }

QFont splashFont()
{
    QFont font = family(36);
    font.setBold(true);
    return font;
}

QFont documentFont(qreal pointSize) { return family(pointSize); }

QFont noteFont() { return family(8.5); }

QFont chartFont() { return family(std::max(kTextPointSize, QApplication::font().pointSizeF())); }

QColor planLineColour(std::size_t card)
{
    // Told apart by people with the common colour-vision deficiencies.
    static constexpr std::array<QColor, 5> kLines = {QColor(0x00, 0x72, 0xb2), QColor(0xd5, 0x5e, 0x00),
                                                     QColor(0x00, 0x9e, 0x73), QColor(0xcc, 0x79, 0xa7),
                                                     QColor(0xe6, 0x9f, 0x00)};
    return kLines.at(card % kLines.size());
}

QString screenButtonStyle()
{
    // The pressed button takes the colour of the panel top, like a tab.
    return QStringLiteral(
               "QPushButton { background: %1; color: %2; border: 1px solid %3; border-bottom: none;"
               " border-top-left-radius: 5px; border-top-right-radius: 5px; }"
               "QPushButton:hover { background: %4; }"
               "QPushButton:checked { background: %5; color: %6; font-weight: bold; }"
               "QPushButton:focus { text-decoration: underline; border: 2px solid %6; border-bottom: none; }")
        .arg(rgb(kTabBackground), rgb(kTabText), rgb(kTabBorder), rgb(kTabHover), rgb(kPanelTop), rgb(kPanelText));
}

QString cardHeadingStyle(const QString& objectName)
{
    return QStringLiteral("#%1 { background: %2; border-radius: 3px; }").arg(objectName, rgb(kCardHeading));
}

QString headingTextStyle() { return QStringLiteral("color: %1;").arg(rgb(kHeadingText)); }

QString optionHeadingStyle()
{
    return QStringLiteral("color: %1; background: %2; border-radius: 3px; padding: 1px 6px;")
        .arg(rgb(kHeadingText), rgb(kCardHeading));
}

QString screenHeaderStyle() { return QStringLiteral("color: %1;").arg(rgb(kPanelText)); }

void useWindowPalette(QWidget* window)
{
    QPalette palette;
    const QColor face(0xef, 0xf1, 0xf4), text(0x1a, 0x1a, 0x1a), faint(0x6b, 0x6b, 0x6b);
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, face);
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::Base, Qt::white);
        palette.setColor(group, QPalette::AlternateBase, kDocumentStripe);
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::Button, face);
        palette.setColor(group, QPalette::ButtonText, text);
        palette.setColor(group, QPalette::BrightText, Qt::white);
        palette.setColor(group, QPalette::PlaceholderText, faint);
        palette.setColor(group, QPalette::ToolTipBase, QColor(0xff, 0xfb, 0xe6));
        palette.setColor(group, QPalette::ToolTipText, text);
        palette.setColor(group, QPalette::Link, kLinkText);
        palette.setColor(group, QPalette::Light, Qt::white);
        palette.setColor(group, QPalette::Midlight, QColor(0xe3, 0xe6, 0xea));
        palette.setColor(group, QPalette::Mid, QColor(0xa0, 0xa6, 0xad));
        palette.setColor(group, QPalette::Dark, QColor(0x7a, 0x80, 0x87));
        palette.setColor(group, QPalette::Shadow, QColor(0x50, 0x50, 0x50));
        // The focused control and the chosen row: dark text on amber, as white
        // on it reads at only 3.5:1.
        palette.setColor(group, QPalette::Highlight, kFocus);
        palette.setColor(group, QPalette::HighlightedText, kPanelText);
    }
    palette.setColor(QPalette::Disabled, QPalette::Window, face);
    palette.setColor(QPalette::Disabled, QPalette::Base, face);
    palette.setColor(QPalette::Disabled, QPalette::Button, face);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(0x8a, 0x8f, 0x96));
    window->setPalette(palette);
}

double contrastRatio(const QColor& text, const QColor& background)
{
    // Relative luminance of sRGB colours, as the web's accessibility guidelines count it.
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double channel) {
            return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    };
    const double a = luminance(text) + 0.05;
    const double b = luminance(background) + 0.05;
    return std::max(a, b) / std::min(a, b);
}

void usePanelColours(QWidget* panel)
{
    QPalette palette = panel->palette();
    palette.setColor(QPalette::WindowText, kPanelText);
    panel->setPalette(palette);
}

QString answerStyle()
{
    return QStringLiteral("color: %1; background: rgba(255, 255, 255, 170); border-radius: 3px; padding: 2px;")
        .arg(rgb(kAnswerText));
}

QString noteStyle()
{
    return QStringLiteral("color: %1; background: rgba(255, 255, 255, 200); border-radius: 3px; padding: 4px;")
        .arg(rgb(kTabText));
}

QString summaryBoxStyle(const QString& objectName)
{
    // Dark text on a light box, whatever the palette.
    return QStringLiteral("#%1 { background: rgba(255, 255, 255, 215); border-radius: 4px; } #%1 QLabel { color: %2; }")
        .arg(objectName, rgb(kTabText));
}

QString viewTabStyle()
{
    return QStringLiteral("QTabBar::tab { background: %1; color: %2; border: 1px solid %3; padding: 3px 14px;"
                          " border-top-left-radius: 4px; border-top-right-radius: 4px; }"
                          "QTabBar::tab:hover { background: %4; }"
                          "QTabBar::tab:selected { background: %5; font-weight: bold; }"
                          "QTabBar::tab:focus { border: 2px solid %6; }")
        .arg(rgb(kTabBackground), rgb(kTabText), rgb(kTabBorder), rgb(kTabHover), rgb(kSelectedViewTab), rgb(kFocus));
}

QString linkStyle() { return QStringLiteral("color: %1;").arg(rgb(kLinkText)); }

} // namespace plenwick::theme

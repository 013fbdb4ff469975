#include "widgets/theme.h"

#include <QPalette>
#include <QStringList>
#include <QWidget>

namespace plenwick::theme {

namespace {

QFont withFamilies(const QStringList& families, qreal pointSize)
{
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(pointSize);
    return font;
}

QFont serif(qreal pointSize)
{
    return withFamilies({QStringLiteral("Georgia"), QStringLiteral("DejaVu Serif"), QStringLiteral("Liberation Serif")},
                        pointSize);
}

QFont classicSans(qreal pointSize)
{
    return withFamilies(
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}, pointSize);
}

QFont arial(qreal pointSize)
{
    return withFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")},
                        pointSize);
}

QString rgb(const QColor& colour) { return colour.name(); }

} // namespace

QFont captionFont(qreal pointSize) { return serif(pointSize); }

QFont boldCaptionFont()
{
    QFont font = serif(10);
    font.setBold(true);
    return font;
}

QFont headerFont() { return serif(10.5); }

QFont boxFont() { return classicSans(8.25); }

QFont answerFont()
{
    QFont font = classicSans(10);
    font.setBold(true);
    return font;
}

QFont linkFont()
{
    QFont font = boxFont();
    font.setUnderline(true);
    return font;
}

QFont savingsButtonFont() { return arial(9); }

QFont splashFont()
{
    QFont font = arial(36);
    font.setBold(true);
    return font;
}

QFont documentFont(qreal pointSize) { return arial(pointSize); }

QFont noteFont() { return serif(8); }

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

void useFocusColour(QWidget* window)
{
    QPalette palette = window->palette();
    palette.setColor(QPalette::Highlight, kFocus);
    // Dark text on the amber: white on it reads at only 3.5:1.
    palette.setColor(QPalette::HighlightedText, kPanelText);
    window->setPalette(palette);
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

#pragma once

#include <QColor>
#include <QFont>
#include <QMargins>
#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

#include <array>
#include <cstddef>

// The look of the main window in one place: colours, typefaces, style sheets
// and the fixed geometry of the screens, in device-independent pixels.
namespace plenwick::theme {

// Colours. Every text keeps a contrast of at least 4.5:1 against what is
// behind it, in a light and in a dark palette.
inline constexpr QColor kPanelTop(81, 142, 189); // the first row of the tile strip
inline constexpr QColor kPanelText(6, 16, 28);   // 5.4:1 on the panel top, more further down
inline constexpr QColor kTabBackground(0xe6, 0xed, 0xf5);
inline constexpr QColor kTabHover(0xf4, 0xf8, 0xfc);
inline constexpr QColor kTabText(0x1d, 0x2b, 0x3a);
inline constexpr QColor kTabBorder(0x8a, 0xa4, 0xc0);
inline constexpr QColor kCardHeading(0x1f, 0x4e, 0x79);
inline constexpr QColor kHeadingText(255, 255, 255);
inline constexpr QColor kAnswerText(0x8b, 0x1a, 0x1a);
inline constexpr QColor kLinkText(0, 0, 110);
inline constexpr QColor kSplashBackground(255, 255, 255);
inline constexpr QColor kSplashShadow(192, 192, 192);
inline constexpr QColor kSelectedViewTab(255, 255, 255);
inline constexpr QColor kAsYouPayNowLine(0x55, 0x55, 0x55);
inline constexpr QColor kChartGrid(0xdd, 0xe3, 0xea);
inline constexpr QColor kDocumentText(0x1a, 0x1a, 0x1a);
inline constexpr QColor kDocumentStripe(0xee, 0xf2, 0xf7);
// The line of each card in the plan's chart, in card order.
QColor planLineColour(std::size_t card);

// Typefaces, each with close stand-ins where the system lacks the first choice.
QFont captionFont(qreal pointSize = 9);
QFont boldCaptionFont(); // card headings and option headings
QFont headerFont();      // the text across the top of a screen
QFont boxFont();
QFont answerFont();
QFont linkFont();
QFont savingsButtonFont();
QFont splashFont();
QFont documentFont(qreal pointSize); // printed pages
QFont noteFont();                    // a small line under an answer

// Boxes that hold amounts and rates keep their figures on the right.
inline constexpr Qt::Alignment kAmountAlignment = Qt::AlignRight | Qt::AlignVCenter;
inline constexpr QColor kFocus(0xd9, 0x6a, 0x00); // the frame of the focused control

// Texts on a painted panel are dark whatever the palette says.
void usePanelColours(QWidget* panel);
// The focused control stands out against the panel and the boxes.
void useFocusColour(QWidget* window);

// Style sheets.
QString screenButtonStyle();
QString cardHeadingStyle(const QString& objectName);
QString headingTextStyle();   // white, on a heading's own dark background
QString optionHeadingStyle(); // a white heading on the panel, with a band of its own
QString screenHeaderStyle();
QString answerStyle();
QString linkStyle();
QString noteStyle(); // a short notice on a screen
QString summaryBoxStyle(const QString& objectName);
QString viewTabStyle(); // the tabs between views of one screen, light whatever the palette

// The main window: its first size shows five cards side by side; at its
// smallest it fits a 1024 x 600 screen, or 1920 x 1080 at twice the scale,
// and the card screens scroll.
inline constexpr QSize kClientSize(1296, 680);
inline constexpr QSize kSmallestClientSize(900, 480);
inline constexpr int kBannerHeight = 115;
// Larger than the strip, so the strip hides the browser's edges.
inline constexpr QMargins kBannerOverhang(3, 3, 24, 15);
inline constexpr int kScreenButtonLeft = 5;
inline constexpr QSize kScreenButtonSize(118, 28);
inline constexpr int kScreenButtonStep = 117; // neighbouring tabs share a border

// Inside a screen.
inline constexpr int kScreenMargin = 12;
inline constexpr int kScreenMarginVertical = 8;
inline constexpr int kCardColumnWidth = 180;
inline constexpr int kBoxHeight = 22;
inline constexpr int kCommandHeight = 26;
inline constexpr QSize kNavigationButtonSize(91, 26);
inline constexpr int kSwitchingAnswerHeight = 50;
// The row captions' column, wide enough for each screen's longest caption.
inline constexpr int kCardsCaptionWidth = 210;
inline constexpr int kCostsCaptionWidth = 235;
inline constexpr int kSavingsCaptionWidth = 250;
inline constexpr int kPlanBudgetWidth = 110;
inline constexpr int kPlanSummaryWidth = 300;
inline constexpr int kPlanMonthColumnWidth = 50;
inline constexpr int kPlanDateColumnWidth = 110;
inline constexpr int kPlanMoneyColumnWidth = 92;
inline constexpr int kOrderColumnWidth = 190;
// Best Offers: the table's columns from "Card" to "Net saving" (the last
// takes what is left), its rows, the card choice and the progress bar.
inline constexpr std::array<int, 9> kBestOffersColumnWidths{120, 165, 100, 55, 110, 70, 90, 135, 95};
inline constexpr int kTableRowHeight = 20;
inline constexpr int kCardChoiceCharacters = 24;
inline constexpr int kRankProgressWidth = 260;

// The splash window.
inline constexpr QSize kSplashSize(584, 339);
inline constexpr QRect kSplashPicture(3, 3, 577, 333);
inline constexpr QRect kSplashName(102, 72, 457, 106);
inline constexpr int kSplashShadowOffset = 3;

} // namespace plenwick::theme

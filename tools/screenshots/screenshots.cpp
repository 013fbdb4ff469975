// Renders the splash window and every screen, filled with invented cards, into
// PNG files so that a person can look at them, in the light palette or a dark
// one; also the help window and the first pages of the exported plan. It
// measures the contrast of every text against what is drawn behind it and
// ends with 2 when any text reads below 4.5:1.
#include "app/frm_main.h"
#include "app/frm_splash.h"
#include "money/money_text.h"
#include "plan/plan_heading.h"
#include "plan/plan_summary.h"
#include "screens/plan_export.h"
#include "widgets/result_blinker.h"
#include "widgets/theme.h"

#include <QAbstractButton>
#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QCommandLineParser>
#include <QDir>
#include <QFocusEvent>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPalette>
#include <QPushButton>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>

#include <cstdio>
#include <optional>
#include <tuple>

namespace {

// Answers every message box at once, so the tour never waits.
class SilentMessages : public plenwick::MessageBoxes {
public:
    void show(QWidget*, const QString&, plenwick::MessageIcon) override { }
    bool choose(QWidget*, const QString&, const QString&, const QString&) override { return true; }
};

void type(QWidget* window, const QString& name, const QString& text)
{
    auto* box = window->findChild<QLineEdit*>(name);
    box->setFocus();
    box->selectAll(); // typing replaces what the box proposes
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Tab);
    // Without a window manager the window is never active and gets no focus
    // events: leave the box as a person's Tab would.
    QFocusEvent left(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(box, &left);
}

void click(QWidget* window, const QString& name)
{
    QTest::mouseClick(window->findChild<QPushButton*>(name), Qt::LeftButton);
}

// A hide phase and then a show phase: labels without an answer are hidden.
void showAnswersOnly(plenwick::frmMain& window)
{
    plenwick::ResultBlinker* blinker = window.blinker();
    blinker->timer()->stop();
    if (!blinker->resultsShown())
        blinker->tick();
    blinker->tick();
    blinker->tick();
}

// A dark palette as a desktop in dark mode would give the program.
void useDarkPalette()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette dark;
    const QColor base(30, 30, 30), window(45, 45, 48), text(230, 230, 230);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, window);
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, window);
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::ToolTipBase, window);
    dark.setColor(QPalette::ToolTipText, text);
    dark.setColor(QPalette::PlaceholderText, QColor(160, 160, 160));
    dark.setColor(QPalette::Link, QColor(0x8a, 0xb4, 0xf8));
    QApplication::setPalette(dark);
}

bool save(QWidget* widget, const QString& path)
{
    QTest::qWait(50);
    const bool saved = widget->grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

// One text as drawn: the commonest colour of its place is what is behind it,
// and the colour farthest from that (drawn in at least a few pixels, so not a
// stray edge) is the middle of the letters' strokes.
struct Reading {
    double ratio = 21;
    QString what;
    QColor text, background;
};

std::optional<Reading> readContrast(const QImage& shot, QRect place, const QString& what)
{
    place = place.adjusted(3, 2, -3, -2).intersected(shot.rect());
    if (place.width() < 4 || place.height() < 4)
        return std::nullopt;
    QHash<QRgb, int> counts;
    for (int y = place.top(); y <= place.bottom(); ++y) {
        for (int x = place.left(); x <= place.right(); ++x)
            ++counts[shot.pixel(x, y)];
    }
    QRgb background = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            background = it.key();
        }
    }
    Reading reading{1, what, QColor(background), QColor(background)};
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const double ratio = plenwick::theme::contrastRatio(QColor(it.key()), QColor(background));
        if (it.value() >= 2 && ratio > reading.ratio) {
            reading.ratio = ratio;
            reading.text = QColor(it.key());
        }
    }
    return reading.ratio > 1 ? std::optional(reading) : std::nullopt;
}

// Every text the window shows, as drawn in this picture of it: captions,
// boxes, buttons, choices, tabs, table headings and the cells in view.
std::vector<Reading> readScreen(QWidget* window, const QImage& shot)
{
    std::vector<Reading> readings;
    const auto read = [&](QWidget* widget, const QRect& place, const QString& what) {
        // Only what is wholly in view: a part scrolled away shows what covers it.
        if (place.isEmpty() || widget->visibleRegion().intersected(place) != QRegion(place))
            return;
        if (const auto reading = readContrast(shot, QRect(widget->mapTo(window, place.topLeft()), place.size()), what))
            readings.push_back(*reading);
    };
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window) || !widget->isEnabled() || widget->window() != window)
            continue;
        // The banner is a web page of the server's; the check covers the program's own texts.
        if (widget->objectName() == QLatin1String("wb1") ||
            widget->parentWidget()->objectName() == QLatin1String("wb1"))
            continue;
        const QString name = widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                            : widget->objectName();
        if (const auto* label = qobject_cast<QLabel*>(widget)) {
            if (!label->text().isEmpty() && label->text() != plenwick::kNoAnswer && label->pixmap().isNull())
                read(widget, widget->rect(), name);
        } else if (const auto* box = qobject_cast<QLineEdit*>(widget)) {
            if (!box->text().isEmpty())
                read(widget, widget->rect(), name);
        } else if (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QComboBox*>(widget) ||
                   qobject_cast<QHeaderView*>(widget) || qobject_cast<QChartView*>(widget)) {
            read(widget, widget->rect(), name);
        } else if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
            for (int tab = 0; tab < tabs->count(); ++tab)
                read(widget, tabs->tabRect(tab), name + QStringLiteral(" tab ") + tabs->tabText(tab));
        } else if (auto* text = qobject_cast<QTextEdit*>(widget)) {
            read(text->viewport(), text->viewport()->rect(), name);
        } else if (auto* table = qobject_cast<QTableView*>(widget)) {
            // Row by row: a short figure may have no stroke a whole pixel wide.
            const QAbstractItemModel* model = table->model();
            for (int row = 0; model && row < model->rowCount(); ++row) {
                QRect line;
                for (int column = 0; column < model->columnCount(); ++column) {
                    const QRect cell = table->visualRect(model->index(row, column));
                    if (table->viewport()->rect().contains(cell))
                        line |= cell;
                }
                read(table->viewport(), line, QStringLiteral("%1 row %2").arg(name).arg(row));
            }
        }
    }
    return readings;
}

// The lowest reading of each picture, and every one below the least allowed.
bool reportContrast(QWidget* window, const QString& picture)
{
    const std::vector<Reading> readings = readScreen(window, window->grab().toImage());
    if (readings.empty())
        return true;
    const auto lowest = std::min_element(readings.begin(), readings.end(),
                                         [](const Reading& a, const Reading& b) { return a.ratio < b.ratio; });
    std::printf("contrast %-18s %3zu texts, lowest %5.2f:1 (%s, %s on %s)\n", qPrintable(picture), readings.size(),
                lowest->ratio, qPrintable(lowest->what), qPrintable(lowest->text.name()),
                qPrintable(lowest->background.name()));
    bool enough = true;
    for (const Reading& reading : readings) {
        if (reading.ratio < plenwick::theme::kLeastTextContrast) {
            std::printf("  below %.1f:1: %5.2f:1 %s (%s on %s)\n", plenwick::theme::kLeastTextContrast, reading.ratio,
                        qPrintable(reading.what), qPrintable(reading.text.name()),
                        qPrintable(reading.background.name()));
            enough = false;
        }
    }
    return enough;
}

} // namespace

int main(int argc, char** argv)
{
    plenwick::prepareBannerBrowser();
    QApplication app(argc, argv);
    QCommandLineParser options;
    options.addHelpOption();
    options.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("Where the PNG files go."));
    const QCommandLineOption server(QStringLiteral("server"), QStringLiteral("The web server's address."),
                                    QStringLiteral("url"));
    const QCommandLineOption dark(QStringLiteral("dark"), QStringLiteral("Use a dark palette."));
    options.addOptions({server, dark});
    options.process(app);
    if (options.isSet(dark))
        useDarkPalette();
    const QString folder = options.positionalArguments().value(0, QStringLiteral("screenshots"));
    QDir().mkpath(folder);

    bool ok = true;
    bool contrastEnough = true;
    const auto shoot = [&](QWidget* widget, const QString& picture) {
        ok = save(widget, folder + QStringLiteral("/%1.png").arg(picture)) && ok;
        contrastEnough = reportContrast(widget, picture) && contrastEnough;
    };

    plenwick::frmSplash splash([] {});
    splash.timer()->stop();
    splash.show();
    shoot(&splash, QStringLiteral("splash"));
    splash.close();

    QTemporaryDir cardFolder;
    plenwick::Surroundings surroundings;
    surroundings.messages = std::make_shared<SilentMessages>();
    surroundings.cardFilePath = cardFolder.filePath(QStringLiteral("mycards.dat"));
    surroundings.server = QUrl(options.value(server));
    plenwick::frmMain window(surroundings);
    window.show();
    QApplication::setActiveWindow(&window);
    QTest::qWait(2500); // the banner page and the offers arrive

    const QString cards[3][6] = {
        {"Harbor Gold", "45", "18.9", "5000", "150", "150"},
        {"Meadow Cash Back", "0", "12", "1000", "25", "100"},
        {"Summit Travel", "95", "21.49", "2750.5", "55", "75"},
    };
    const char* fields[] = {"CardNameText", "AnnualFeeText",      "InterestRateText",
                            "TotalDueText", "MinimumPaymentText", "ActualPaymentText"};
    for (int card = 0; card < 3; ++card) {
        for (int field = 0; field < 6; ++field)
            type(&window, QStringLiteral("%1_%2").arg(QLatin1String(fields[field])).arg(card), cards[card][field]);
    }
    shoot(&window, QStringLiteral("my_cards"));

    click(&window, QStringLiteral("NextCMD_0"));
    type(&window, QStringLiteral("AmountIcanPayText_0"), QStringLiteral("200"));
    click(&window, QStringLiteral("CalTimeCMD_0"));
    type(&window, QStringLiteral("DebtFreeMonthsText_0"), QStringLiteral("36"));
    click(&window, QStringLiteral("CalAmountCMD_0"));
    type(&window, QStringLiteral("AmountIcanPayText_1"), QStringLiteral("100"));
    click(&window, QStringLiteral("CalTimeCMD_1"));
    type(&window, QStringLiteral("DebtFreeMonthsText_2"), QStringLiteral("24"));
    click(&window, QStringLiteral("CalAmountCMD_2"));
    showAnswersOnly(window);
    shoot(&window, QStringLiteral("my_costs"));
    // F1: the help on the screen shown (a key needs an active window, which
    // a display without a window manager may not give).
    window.findChild<QPushButton*>(QStringLiteral("helpButton"))->menu()->actions().constFirst()->trigger();
    auto* help = window.findChild<QWidget*>(QStringLiteral("helpWindow"));
    shoot(help, QStringLiteral("help"));
    help->close();
    QApplication::setActiveWindow(&window);

    click(&window, QStringLiteral("NextCMD_1"));
    for (int card = 0; card < 3; ++card) {
        window.findChild<QComboBox*>(QStringLiteral("MonthsCombo_%1").arg(card))->setCurrentIndex(23);
        window.findChild<QComboBox*>(QStringLiteral("AmountCombo_%1").arg(card))->setCurrentIndex(11);
        click(&window, QStringLiteral("CalSavingsCMD_%1").arg(card));
    }
    showAnswersOnly(window);
    shoot(&window, QStringLiteral("my_savings"));

    window.switchScreen(plenwick::frmMain::Screen::MyPlan);
    click(&window, QStringLiteral("addDebtButton"));
    QAbstractItemModel* debts = window.findChild<QTableView*>(QStringLiteral("debtsView"))->model();
    const char* carLoan[] = {"Lakeside car loan", "$8,400.00", "6.90", "$260.00"};
    for (int column = 0; column < 4; ++column)
        debts->setData(debts->index(3, column), QString::fromLatin1(carLoan[column]));
    type(&window, QStringLiteral("budgetBox"), QStringLiteral("900"));
    click(&window, QStringLiteral("addExtraPaymentButton"));
    QAbstractItemModel* changes = window.findChild<QTableView*>(QStringLiteral("changesView"))->model();
    changes->setData(changes->index(0, 2), QStringLiteral("$1,200.00"));
    auto* views = window.findChild<QTabWidget*>(QStringLiteral("planViews"));
    const char* tabs[] = {"my_plan_orders", "my_plan", "my_plan_schedule", "my_plan_debts", "my_plan_changes"};
    for (int tab = 0; tab < views->count(); ++tab) {
        views->setCurrentIndex(tab);
        QTest::qWait(300); // the plan is made beside the window
        shoot(&window, QLatin1String(tabs[tab]));
    }

    window.switchScreen(plenwick::frmMain::Screen::BestOffers);
    click(&window, QStringLiteral("rankButton"));
    QTest::qWait(1500); // the ranking runs beside the window
    shoot(&window, QStringLiteral("best_offers"));

    // The PDF export of the same plan, its first two pages as pictures.
    const QDate today = QDate::currentDate();
    plenwick::PlanHeading heading;
    heading.budget = plenwick::money("900").value();
    heading.madeIn = {today.year(), today.month()};
    heading.madeOnDay = today.day();
    const plenwick::CalendarMonth first = heading.madeIn.plus(1);
    heading.options.extraPayments = {{first.plus(1), plenwick::money("1200").value()}};
    std::vector<plenwick::DebtCard> owed;
    for (const auto& [name, rate, balance, minimum, fee] : {std::tuple{"Harbor Gold", 18.9, "5000", "150", "45"},
                                                            {"Meadow Cash Back", 12.0, "1000", "25", "0"},
                                                            {"Summit Travel", 21.49, "2750.50", "55", "95"},
                                                            {"Lakeside car loan", 6.9, "8400", "260", "0"}}) {
        plenwick::DebtCard debt;
        debt.name = name;
        debt.annualRate = rate;
        debt.balance = plenwick::money(balance).value();
        debt.minimumPayment = plenwick::money(minimum).value();
        debt.actualPayment = debt.minimumPayment;
        debt.annualFee = plenwick::money(fee).value();
        debt.row = owed.size();
        owed.push_back(debt);
    }
    const plenwick::PlanResult plan =
        plenwick::BuildPlanWithMoves(owed, {}, heading.budget, heading.strategy, first, heading.options);
    int page = 0;
    for (const QImage& picture : plenwick::PlanPageImages(plan, heading, 2)) {
        const QString path = folder + QStringLiteral("/my_plan_pdf_page%1.png").arg(++page);
        ok = picture.save(path) && ok;
        std::printf("wrote %s\n", qPrintable(path));
    }
    if (!contrastEnough)
        return 2;
    return ok ? 0 : 1;
}

// Renders the splash window and every screen, filled with invented cards, into
// PNG files so that a person can look at them, in the light palette or a dark one.
#include "app/frm_main.h"
#include "app/frm_splash.h"
#include "widgets/result_blinker.h"

#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QDir>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

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
    QApplication::setPalette(dark);
}

bool save(QWidget* widget, const QString& path)
{
    QTest::qWait(50);
    const bool saved = widget->grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
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

    plenwick::frmSplash splash([] {});
    splash.timer()->stop();
    splash.show();
    bool ok = save(&splash, folder + QStringLiteral("/splash.png"));
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
    ok = save(&window, folder + QStringLiteral("/my_cards.png")) && ok;

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
    ok = save(&window, folder + QStringLiteral("/my_costs.png")) && ok;

    click(&window, QStringLiteral("NextCMD_1"));
    for (int card = 0; card < 3; ++card) {
        window.findChild<QComboBox*>(QStringLiteral("MonthsCombo_%1").arg(card))->setCurrentIndex(23);
        window.findChild<QComboBox*>(QStringLiteral("AmountCombo_%1").arg(card))->setCurrentIndex(11);
        click(&window, QStringLiteral("CalSavingsCMD_%1").arg(card));
    }
    showAnswersOnly(window);
    ok = save(&window, folder + QStringLiteral("/my_savings.png")) && ok;

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
        ok = save(&window, folder + QStringLiteral("/%1.png").arg(QLatin1String(tabs[tab]))) && ok;
    }

    window.switchScreen(plenwick::frmMain::Screen::BestOffers);
    click(&window, QStringLiteral("rankButton"));
    QTest::qWait(1500); // the ranking runs beside the window
    ok = save(&window, folder + QStringLiteral("/best_offers.png")) && ok;
    return ok ? 0 : 1;
}

#include "app/screens.h"

#include "screens/screen_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <tuple>

namespace plenwick {

namespace {

constexpr int kBoxHeight = 22;
const QString kNoAnswer = QStringLiteral("-");

QVBoxLayout* screenLayout(ScreenPanel* panel)
{
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->setSpacing(8);
    return layout;
}

QPushButton* commandButton(QWidget* parent, const QString& objectName, const QString& caption,
                           const QFont& font = captionFont())
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setFont(font);
    button->setAutoDefault(false);
    return button;
}

QLineEdit* textBox(QWidget* parent, Qt::Alignment alignment)
{
    auto* box = new QLineEdit(parent);
    box->setFont(boxFont());
    box->setFixedHeight(kBoxHeight);
    box->setAlignment(alignment);
    return box;
}

// The copies of a card's name and total due on "My Costs" and "My Savings".
QLineEdit* copyBox(QWidget* parent, Qt::Alignment alignment)
{
    QLineEdit* box = textBox(parent, alignment);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

struct CopyRow {
    const char* captionObject;
    const char* boxName;
};

// The first two rows of "My Costs" and "My Savings": each card's name and
// total due, copied from "My Cards".
std::pair<PerCard<QLineEdit>, PerCard<QLineEdit>> addCardCopies(CardGrid& grid, ScreenPanel* panel, CopyRow name,
                                                                CopyRow total)
{
    const QString cardName = QStringLiteral("Card Name");
    const QString totalDue = QStringLiteral("Total Due");
    grid.addCaption(1, QString::fromLatin1(name.captionObject), cardName);
    const auto names =
        grid.addPerCard<QLineEdit>(1, name.boxName, cardName, [&](int) { return copyBox(panel, Qt::AlignCenter); });
    grid.addCaption(2, QString::fromLatin1(total.captionObject), totalDue);
    const auto totals = grid.addPerCard<QLineEdit>(
        2, total.boxName, totalDue, [&](int) { return copyBox(panel, Qt::AlignRight | Qt::AlignVCenter); });
    return {names, totals};
}

QLabel* resultLabel(QWidget* parent)
{
    auto* label = new QLabel(kNoAnswer, parent);
    QFont font = boxFont();
    font.setBold(true);
    font.setPointSizeF(10);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setStyleSheet(
        QStringLiteral("color: #8b1a1a; background: rgba(255, 255, 255, 170); border-radius: 3px; padding: 2px;"));
    return label;
}

QComboBox* choiceList(QWidget* parent, const QStringList& items)
{
    auto* list = new QComboBox(parent);
    list->setFont(captionFont());
    list->addItems(items);
    // Nothing is chosen until the person picks an item.
    list->setCurrentIndex(-1);
    return list;
}

QStringList monthItems()
{
    QStringList items;
    for (int months = 1; months <= 48; ++months)
        items << QStringLiteral("%1 months").arg(months);
    return items;
}

QStringList amountItems()
{
    QStringList items;
    for (int amount = 25; amount <= 1000; amount += 25)
        items << (amount < 1000 ? QStringLiteral("$%1 ").arg(amount) : QStringLiteral("$1,000 "));
    return items;
}

struct Navigation {
    QPushButton* previous;
    QPushButton* next;
};

Navigation addNavigation(ScreenPanel* panel, QVBoxLayout* layout, int screen)
{
    auto* row = new QHBoxLayout;
    Navigation buttons{commandButton(panel, QStringLiteral("PrevCMD_%1").arg(screen), QStringLiteral("<< Previous")),
                       commandButton(panel, QStringLiteral("NextCMD_%1").arg(screen), QStringLiteral("Next >>"))};
    for (QPushButton* button : {buttons.previous, buttons.next}) {
        button->setFixedSize(91, 26);
        QSizePolicy policy = button->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        button->setSizePolicy(policy);
    }
    row->addWidget(buttons.previous);
    row->addStretch(1);
    row->addWidget(buttons.next);
    layout->addStretch(1);
    layout->addLayout(row);
    return buttons;
}

// Tab runs card by card, and within a card from top to bottom.
template <class... Rows>
void setCardByCardTabOrder(const Rows&... rows)
{
    QWidget* previous = nullptr;
    for (int card = 0; card < kCardCount; ++card) {
        for (QWidget* widget : {static_cast<QWidget*>(rows[card])...}) {
            if (previous)
                QWidget::setTabOrder(previous, widget);
            previous = widget;
        }
    }
}

} // namespace

CardsScreen buildCardsScreen(ScreenPanel* panel)
{
    CardsScreen screen;
    QVBoxLayout* layout = screenLayout(panel);
    addHeader(panel, layout, QStringLiteral("Label1_0"),
              QStringLiteral("To get started using this application please enter the information from your current "
                             "credit card(s). There are spaces for up to 3 cards so use as many as you need."));
    CardGrid grid(panel, layout, 210);
    grid.addHeadings(0);

    struct Field {
        const char* name;
        const char* captionObject;
        const char* caption;
        Qt::Alignment alignment;
        PerCard<QLineEdit>* boxes;
    };
    const Field fields[] = {
        {"CardNameText", "Label3_0", "Card Name", Qt::AlignCenter, &screen.CardNameText},
        {"AnnualFeeText", "Label4", "Annual Fee", Qt::AlignRight, &screen.AnnualFeeText},
        {"InterestRateText", "Label5", "Interest Rate", Qt::AlignRight, &screen.InterestRateText},
        {"TotalDueText", "Label6", "Total Due", Qt::AlignRight, &screen.TotalDueText},
        {"MinimumPaymentText", "Label7", "Minimum Monthly Payment", Qt::AlignRight, &screen.MinimumPaymentText},
        {"ActualPaymentText", "Label8", "Actual Monthly Payment", Qt::AlignRight, &screen.ActualPaymentText},
    };
    int row = 1;
    for (const Field& field : fields) {
        const QString caption = QString::fromLatin1(field.caption);
        grid.addCaption(row, QString::fromLatin1(field.captionObject), caption);
        *field.boxes = grid.addPerCard<QLineEdit>(row, field.name, caption, [&](int) {
            QLineEdit* box = textBox(panel, field.alignment | Qt::AlignVCenter);
            box->setValidator(new NoPipeValidator(box));
            return box;
        });
        ++row;
    }
    setCardByCardTabOrder(screen.CardNameText, screen.AnnualFeeText, screen.InterestRateText, screen.TotalDueText,
                          screen.MinimumPaymentText, screen.ActualPaymentText);

    screen.SaveCMD = commandButton(panel, QStringLiteral("SaveCMD"), QStringLiteral("Save"));
    screen.SaveCMD->setFixedHeight(26);
    grid.layout()->setRowMinimumHeight(row, 12);
    grid.layout()->addWidget(screen.SaveCMD, row + 1, 1);
    QWidget::setTabOrder(screen.ActualPaymentText[kCardCount - 1], screen.SaveCMD);

    const Navigation navigation = addNavigation(panel, layout, 0);
    screen.PrevCMD = navigation.previous;
    screen.NextCMD = navigation.next;
    screen.PrevCMD->setVisible(false);
    return screen;
}

CostsScreen buildCostsScreen(ScreenPanel* panel)
{
    CostsScreen screen;
    QVBoxLayout* layout = screenLayout(panel);
    addHeader(panel, layout, QStringLiteral("Label1_3"),
              QStringLiteral("This screen uses the information you entered on the last screen to work out how long "
                             "and/or how much you need to pay to become debt free using your current cards."));
    CardGrid grid(panel, layout, 235);
    grid.addHeadings(5);

    std::tie(screen.CardName2Text, screen.TotalDue2Text) =
        addCardCopies(grid, panel, {"Label3_1", "CardName2Text"}, {"Label9", "TotalDue2Text"});

    const QString payQuestion =
        QStringLiteral("I will pay this amount per month. How much time it will take to pay off? ");
    grid.addCaption(3, QStringLiteral("Label10_0"), payQuestion, 3);
    screen.AmountIcanPayText =
        grid.addPerCard<QLineEdit>(3, "AmountIcanPayText", QStringLiteral("Monthly payment"),
                                   [&](int) { return textBox(panel, Qt::AlignRight | Qt::AlignVCenter); });
    grid.addPerCard<QWidget>(4, "MinimumAmountChoice", QStringLiteral("Minimum amount"), [&](int card) {
        auto* pair = new QWidget(panel);
        auto* check = new QCheckBox(pair);
        check->setObjectName(QStringLiteral("MiniMumCheck_%1").arg(card));
        check->setAccessibleName(QStringLiteral("Min. Amount, %1").arg(cardTitle(card)));
        auto* caption = new QLabel(QStringLiteral("Min. Amount"), pair);
        caption->setObjectName(QStringLiteral("Label11_%1").arg(card));
        caption->setFont(captionFont());
        caption->setBuddy(check);
        auto* row = new QHBoxLayout(pair);
        row->setContentsMargins(0, 0, 0, 0);
        row->addWidget(check);
        row->addWidget(caption, 1);
        screen.MiniMumCheck[card] = check;
        return pair;
    });
    screen.CalTimeCMD = grid.addPerCard<QPushButton>(5, "CalTimeCMD", QStringLiteral("Calculate months"), [&](int) {
        return commandButton(panel, QString(), QStringLiteral("Calculate"));
    });
    grid.addCaption(6, QStringLiteral("Label10_1"), QStringLiteral("To pay off it will take"));
    screen.MonthsLable = grid.addPerCard<QLabel>(6, "MonthsLable", QStringLiteral("Months to pay off"),
                                                 [&](int) { return resultLabel(panel); });

    grid.addCaption(7, QStringLiteral("Label12"),
                    QStringLiteral("I want to be debt free in these number of months, how much must I pay off per "
                                   "month?"),
                    2);
    screen.DebtFreeMonthsText =
        grid.addPerCard<QLineEdit>(7, "DebtFreeMonthsText", QStringLiteral("Months to be debt free"),
                                   [&](int) { return textBox(panel, Qt::AlignRight | Qt::AlignVCenter); });
    screen.CalAmountCMD =
        grid.addPerCard<QPushButton>(8, "CalAmountCMD", QStringLiteral("Calculate payment"),
                                     [&](int) { return commandButton(panel, QString(), QStringLiteral("Calculate")); });
    grid.addCaption(9, QStringLiteral("Label10_2"), QStringLiteral("To pay off you will need to pay"));
    screen.AmountLable = grid.addPerCard<QLabel>(9, "AmountLable", QStringLiteral("Monthly payment needed"),
                                                 [&](int) { return resultLabel(panel); });

    setCardByCardTabOrder(screen.AmountIcanPayText, screen.MiniMumCheck, screen.CalTimeCMD, screen.DebtFreeMonthsText,
                          screen.CalAmountCMD);

    const Navigation navigation = addNavigation(panel, layout, 1);
    screen.PrevCMD = navigation.previous;
    screen.NextCMD = navigation.next;
    return screen;
}

SavingsScreen buildSavingsScreen(ScreenPanel* panel)
{
    SavingsScreen screen;
    QVBoxLayout* layout = screenLayout(panel);
    layout->setSpacing(4);
    addHeader(panel, layout, QStringLiteral("Label1_1"),
              QStringLiteral("This screen enables you to work out how much money you could save by paying more, "
                             "paying quicker or switching to another credit card."));
    CardGrid grid(panel, layout, 250);
    grid.layout()->setVerticalSpacing(3);
    grid.addHeadings(10);

    std::tie(screen.CardName3Text, screen.TotalDue3Text) =
        addCardCopies(grid, panel, {"Label3_2", "CardName3Text"}, {"Label13_0", "TotalDue3Text"});

    auto optionHeading = [&](int row, const char* objectName, const char* text) {
        QLabel* heading = grid.addCaption(row, QString::fromLatin1(objectName), QString::fromLatin1(text));
        QFont font = captionFont(10);
        font.setBold(true);
        heading->setFont(font);
        heading->setStyleSheet(QStringLiteral("color: white;"));
        heading->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    };
    const QString yourSavings = QStringLiteral("Your Savings");

    optionHeading(3, "Label13_5", "Option 1: Switching card");
    grid.addCaption(4, QStringLiteral("Label13_6"),
                    QStringLiteral("How much will I save if I switch to one of these Top Currently Available Credit "
                                   "Cards"),
                    2);
    screen.CardCombo = grid.addPerCard<QComboBox>(4, "CardCombo", QStringLiteral("Card to switch to"),
                                                  [&](int) { return choiceList(panel, {}); });
    screen.ShowDetailsLable =
        grid.addPerCard<LinkLabel>(5, "ShowDetailsLable", QStringLiteral("Show Details"),
                                   [&](int) { return new LinkLabel(QStringLiteral("Show Details"), panel); });
    grid.addCaption(6, QStringLiteral("Label13_9"), yourSavings);
    screen.Savings3Lable =
        grid.addPerCard<QLabel>(6, "Savings3Lable", QStringLiteral("Savings by switching card"), [&](int) {
            QLabel* label = resultLabel(panel);
            label->setMinimumHeight(50);
            return label;
        });

    optionHeading(7, "Label13_1", "Option 2: Fast repayment");
    grid.addCaption(8, QStringLiteral("Label13_2"), QStringLiteral("How much will I save if I pay quickly in"));
    screen.MonthsCombo = grid.addPerCard<QComboBox>(8, "MonthsCombo", QStringLiteral("Months to pay off"),
                                                    [&](int) { return choiceList(panel, monthItems()); });
    grid.addCaption(9, QStringLiteral("Label13_7"), yourSavings);
    screen.Savings1Lable = grid.addPerCard<QLabel>(9, "Savings1Lable", QStringLiteral("Savings by fast repayment"),
                                                   [&](int) { return resultLabel(panel); });

    optionHeading(10, "Label13_3", "Option3: Bigger repayment");
    grid.addCaption(11, QStringLiteral("Label13_4"), QStringLiteral("How much will I save if I pay bigger amount"));
    screen.AmountCombo = grid.addPerCard<QComboBox>(11, "AmountCombo", QStringLiteral("Monthly amount"),
                                                    [&](int) { return choiceList(panel, amountItems()); });
    grid.addCaption(12, QStringLiteral("Label13_8"), yourSavings);
    screen.Savings2Lable = grid.addPerCard<QLabel>(12, "Savings2Lable", QStringLiteral("Savings by bigger repayment"),
                                                   [&](int) { return resultLabel(panel); });
    screen.CalSavingsCMD =
        grid.addPerCard<QPushButton>(13, "CalSavingsCMD", QStringLiteral("Calculate savings"), [&](int) {
            return commandButton(panel, QString(), QStringLiteral("Calculate"), savingsButtonFont());
        });

    setCardByCardTabOrder(screen.CardCombo, screen.ShowDetailsLable, screen.MonthsCombo, screen.AmountCombo,
                          screen.CalSavingsCMD);

    const Navigation navigation = addNavigation(panel, layout, 2);
    screen.PrevCMD = navigation.previous;
    screen.NextCMD = navigation.next;
    screen.NextCMD->setVisible(false);
    return screen;
}

} // namespace plenwick

#include "app/costs_screen.h"

#include "app/theme.h"
#include "screens/result_blinker.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace plenwick {

namespace {

// The "Min. Amount" check box with its caption beside it.
QWidget* minimumChoice(QWidget* panel, int card, QCheckBox*& check)
{
    auto* pair = new QWidget(panel);
    check = new QCheckBox(pair);
    check->setObjectName(QStringLiteral("MiniMumCheck_%1").arg(card));
    check->setAccessibleName(QStringLiteral("Min. Amount, %1").arg(cardTitle(card)));
    auto* caption = new QLabel(QStringLiteral("Min. Amount"), pair);
    caption->setObjectName(QStringLiteral("Label11_%1").arg(card));
    caption->setFont(theme::captionFont());
    caption->setBuddy(check);
    auto* row = new QHBoxLayout(pair);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(check);
    row->addWidget(caption, 1);
    return pair;
}

QLabel* noteLine(QWidget* parent)
{
    auto* note = new QLabel(parent);
    note->setFont(theme::noteFont());
    note->setAlignment(Qt::AlignCenter);
    note->setWordWrap(true);
    keepSpaceWhenHidden(note);
    note->setVisible(false);
    return note;
}

} // namespace

CostsScreen::CostsScreen(QWidget* parent)
    : ScreenPanel(parent)
{
    setObjectName(QStringLiteral("Picture1_1"));
    QVBoxLayout* layout = screenLayout(this);
    addHeader(this, layout, QStringLiteral("Label1_3"),
              QStringLiteral("This screen uses the information you entered on the last screen to work out how long "
                             "and/or how much you need to pay to become debt free using your current cards."));
    CardGrid grid(this, layout, theme::kCostsCaptionWidth, 5);
    const CardCopies copies = addCardCopies(grid, this, "Label3_1", "CardName2Text", "Label9", "TotalDue2Text");
    CardName2Text = copies.names;
    TotalDue2Text = copies.totals;
    addPaymentRows(grid);
    addMonthsRows(grid);
    setCardByCardTabOrder(AmountIcanPayText, MiniMumCheck, CalTimeCMD, DebtFreeMonthsText, CalAmountCMD);

    const Navigation navigation = addNavigation(this, layout, 1);
    PrevCMD = navigation.previous;
    NextCMD = navigation.next;

    for (int card = 0; card < kCardCount; ++card) {
        connect(MiniMumCheck[card], &QCheckBox::clicked, this,
                [this, card](bool checked) { emit minimumChecked(card, checked); });
        connect(CalTimeCMD[card], &QPushButton::clicked, this, [this, card] { emit monthsAsked(card); });
        connect(CalAmountCMD[card], &QPushButton::clicked, this, [this, card] { emit paymentAsked(card); });
    }
    connect(PrevCMD, &QPushButton::clicked, this, &CostsScreen::previousRequested);
    connect(NextCMD, &QPushButton::clicked, this, &CostsScreen::nextRequested);
}

// The payment box, "Min. Amount" and "Calculate" share one long question.
void CostsScreen::addPaymentRows(CardGrid& grid)
{
    const int paymentRow = grid.addRow();
    grid.addCaption(paymentRow, QStringLiteral("Label10_0"),
                    QStringLiteral("I will pay this amount per month. How much time it will take to pay off? "), 3);
    AmountIcanPayText = grid.addPerCard<QLineEdit>(paymentRow, "AmountIcanPayText", QStringLiteral("Monthly payment"),
                                                   [&](int) { return textBox(this, theme::kAmountAlignment); });
    grid.addPerCard<QWidget>(paymentRow + 1, "MinimumAmountChoice", QStringLiteral("Minimum amount"),
                             [&](int card) { return minimumChoice(this, card, MiniMumCheck[card]); });
    CalTimeCMD =
        grid.addPerCard<QPushButton>(paymentRow + 2, "CalTimeCMD", QStringLiteral("Calculate months"),
                                     [&](int) { return commandButton(this, {}, QStringLiteral("Calculate")); });
    const int answerRow = grid.addRow();
    grid.addCaption(answerRow, QStringLiteral("Label10_1"), QStringLiteral("To pay off it will take"));
    MonthsLable = grid.addPerCard<QLabel>(answerRow, "MonthsLable", QStringLiteral("Months to pay off"),
                                          [&](int) { return resultLabel(this); });
    MonthsNote = grid.addPerCard<QLabel>(grid.addRow(), "MonthsNote", QStringLiteral("Paid off and interest"),
                                         [&](int) { return noteLine(this); });
}

// The months box and "Calculate" share one question.
void CostsScreen::addMonthsRows(CardGrid& grid)
{
    const int monthsRow = grid.addRow();
    grid.addCaption(monthsRow, QStringLiteral("Label12"),
                    QStringLiteral("I want to be debt free in these number of months, how much must I pay off per "
                                   "month?"),
                    2);
    DebtFreeMonthsText =
        grid.addPerCard<QLineEdit>(monthsRow, "DebtFreeMonthsText", QStringLiteral("Months to be debt free"),
                                   [&](int) { return textBox(this, theme::kAmountAlignment); });
    CalAmountCMD =
        grid.addPerCard<QPushButton>(monthsRow + 1, "CalAmountCMD", QStringLiteral("Calculate payment"),
                                     [&](int) { return commandButton(this, {}, QStringLiteral("Calculate")); });
    const int answerRow = grid.addRow();
    grid.addCaption(answerRow, QStringLiteral("Label10_2"), QStringLiteral("To pay off you will need to pay"));
    AmountLable = grid.addPerCard<QLabel>(answerRow, "AmountLable", QStringLiteral("Monthly payment needed"),
                                          [&](int) { return resultLabel(this); });
    AmountNote = grid.addPerCard<QLabel>(grid.addRow(), "AmountNote", QStringLiteral("Interest at this payment"),
                                         [&](int) { return noteLine(this); });
}

void CostsScreen::showNote(QLabel* note, const QString& text)
{
    note->setText(text);
    note->setVisible(!text.isEmpty());
}

void CostsScreen::copyCards(const CardBook& book) { copyNamesAndTotals(book, CardName2Text, TotalDue2Text); }

} // namespace plenwick

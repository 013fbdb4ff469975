#include "screens/costs_screen.h"

#include "calculations/minimum_payment.h"
#include "calculations/payoff.h"
#include "models/card_numbers.h"
#include "models/plan_inputs.h"
#include "models/shown_text.h"
#include "plan/calendar_month.h"
#include "plan/plan_summary.h"
#include "widgets/result_blinker.h"
#include "widgets/theme.h"

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

} // namespace

CostsScreen::CostsScreen(ScreenContext context, QWidget* parent)
    : CardScreen(parent)
    , m_context(std::move(context))
{
    setObjectName(QStringLiteral("Picture1_1"));
    QVBoxLayout* layout = scrolledScreenLayout(this);
    addHeader(this, layout, QStringLiteral("Label1_3"),
              QStringLiteral("This screen uses the information you entered on the last screen to work out how long "
                             "and/or how much you need to pay to become debt free using your current cards."));
    CardGrid grid(this, layout, theme::kCostsCaptionWidth, 5);
    const CardCopies copies = addCardCopies(grid, this, "Label3_1", "CardName2Text", "Label9", "TotalDue2Text");
    m_name = copies.names;
    m_totalDue = copies.totals;
    addPaymentRows(grid);
    addMonthsRows(grid);
    setCardByCardTabOrder(m_payment, m_minimum, m_calculateMonths, m_debtFreeMonths, m_calculatePayment);

    const Navigation navigation = addNavigation(this, layout, 1);
    for (int card = 0; card < kCardCount; ++card) {
        connect(m_minimum[card], &QCheckBox::clicked, this,
                [this, card](bool checked) { fillMinimumPayment(card, checked); });
        connect(m_calculateMonths[card], &QPushButton::clicked, this, [this, card] { calculateMonths(card); });
        connect(m_calculatePayment[card], &QPushButton::clicked, this, [this, card] { calculatePayment(card); });
        m_context.blinker->watch(m_months[card]);
        m_context.blinker->watch(m_amount[card]);
    }
    connect(navigation.previous, &QPushButton::clicked, this, &CostsScreen::previousRequested);
    connect(navigation.next, &QPushButton::clicked, this, &CostsScreen::nextRequested);
}

// The payment box, "Min. Amount" and "Calculate" share one long question.
void CostsScreen::addPaymentRows(CardGrid& grid)
{
    const int paymentRow = grid.addRow();
    grid.addCaption(paymentRow, QStringLiteral("Label10_0"),
                    QStringLiteral("I will pay this amount per month. How much time it will take to pay off? "), 3);
    m_payment = grid.addPerCard<QLineEdit>(paymentRow, "AmountIcanPayText", QStringLiteral("Monthly payment"),
                                           [&](int) { return textBox(this, theme::kAmountAlignment); });
    grid.addPerCard<QWidget>(paymentRow + 1, "minimumAmountChoice", QStringLiteral("Minimum amount"),
                             [&](int card) { return minimumChoice(this, card, m_minimum[card]); });
    m_calculateMonths =
        grid.addPerCard<QPushButton>(paymentRow + 2, "CalTimeCMD", QStringLiteral("Calculate months"),
                                     [&](int) { return commandButton(this, {}, QStringLiteral("Calculate")); });
    const int answerRow = grid.addRow();
    grid.addCaption(answerRow, QStringLiteral("Label10_1"), QStringLiteral("To pay off it will take"));
    m_months = grid.addPerCard<QLabel>(answerRow, "MonthsLable", QStringLiteral("Months to pay off"),
                                       [&](int) { return resultLabel(this); });
    m_monthsNote = grid.addPerCard<QLabel>(grid.addRow(), "monthsNote", QStringLiteral("Paid off and interest"),
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
    m_debtFreeMonths =
        grid.addPerCard<QLineEdit>(monthsRow, "DebtFreeMonthsText", QStringLiteral("Months to be debt free"),
                                   [&](int) { return textBox(this, theme::kAmountAlignment); });
    m_calculatePayment =
        grid.addPerCard<QPushButton>(monthsRow + 1, "CalAmountCMD", QStringLiteral("Calculate payment"),
                                     [&](int) { return commandButton(this, {}, QStringLiteral("Calculate")); });
    const int answerRow = grid.addRow();
    grid.addCaption(answerRow, QStringLiteral("Label10_2"), QStringLiteral("To pay off you will need to pay"));
    m_amount = grid.addPerCard<QLabel>(answerRow, "AmountLable", QStringLiteral("Monthly payment needed"),
                                       [&](int) { return resultLabel(this); });
    m_amountNote = grid.addPerCard<QLabel>(grid.addRow(), "amountNote", QStringLiteral("Interest at this payment"),
                                           [&](int) { return noteLine(this); });
    m_minimumNote = grid.addPerCard<QLabel>(grid.addRow(), "minimumNote", QStringLiteral("Paying only the minimum"),
                                            [&](int) { return noteLine(this); });
}

void CostsScreen::enter(const CardBook& book)
{
    m_cards = book;
    copyNamesAndTotals(book, m_name, m_totalDue);
    showMinimumWarnings();
}

void CostsScreen::setMinimumRules(const std::map<int, MinimumTexts>& rules)
{
    m_rules = rules;
    showMinimumWarnings();
}

// As the card's statement warns: the months or years the minimum alone takes
// and the total it pays, in whole dollars.
void CostsScreen::showMinimumWarnings()
{
    for (int row = 0; row < kCardCount; ++row) {
        const auto rule = m_rules.find(row);
        const ReadMinimum read = rule == m_rules.end() ? ReadMinimum() : readMinimumRule(rule->second);
        const auto balance = money(m_cards[row][CardRow::TotalDue].toStdString());
        const auto annualRate = rate(m_cards[row][CardRow::InterestRate].toStdString());
        if (read.rule.kind == MinimumRule::Kind::AsTyped || !read.problem.isEmpty() || !balance ||
            !balance->isPositive() || !annualRate) {
            showNote(m_minimumNote[row], {});
            continue;
        }
        const MinimumPaymentWarning warning =
            OnlyMinimumPayments(*balance, *annualRate, read.rule,
                                money(m_cards[row][CardRow::MinimumPayment].toStdString()).value_or(MoneyAmount()));
        const QString time = warning.years ? QStringLiteral("about %1 years").arg(*warning.years)
                                           : QStringLiteral("about %1").arg(shownText(MonthCount(warning.months)));
        showNote(m_minimumNote[row],
                 warning.paidOff
                     ? QStringLiteral("Paying only the minimum: %1, %2 in all")
                           .arg(time, shownText(FormatByPattern(warning.totalShown, Pattern::Money)).chopped(3))
                     : QStringLiteral("Paying only the minimum: never paid off"));
    }
}

// Checking the box fills in the card's minimum; unchecking changes nothing.
void CostsScreen::fillMinimumPayment(int row, bool checked)
{
    if (checked) {
        m_payment[row]->setText(
            shownText(FormatByPattern(m_cards[row][CardRow::MinimumPayment].toStdString(), Pattern::Money)));
    }
}

bool CostsScreen::numbersReadable(int row)
{
    const auto problem = unreadableCardNumber(row, m_cards[row][CardRow::InterestRate], m_totalDue[row]->text());
    if (problem)
        m_context.messages->show(this, *problem, MessageIcon::Warning);
    return !problem;
}

// Whether the label got an answer.
bool CostsScreen::showAnswer(QLabel* label, const PayoffAnswer& answer)
{
    if (answer.message)
        m_context.messages->show(this, shownText(*answer.message), answer.icon);
    if (answer.caption)
        label->setText(shownText(*answer.caption));
    return answer.caption.has_value();
}

void CostsScreen::calculateMonths(int row)
{
    if (!numbersReadable(row))
        return;
    const PayoffAnswer answer =
        PayoffMonths(m_totalDue[row]->text().toStdString(), m_cards[row][CardRow::InterestRate].toStdString(),
                     m_payment[row]->text().toStdString());
    if (!showAnswer(m_months[row], answer))
        return;
    const QDate today = m_context.now().date();
    showNote(m_monthsNote[row],
             answer.months && answer.interest
                 ? QStringLiteral("%1 · interest\u00a0%2")
                       .arg(monthText(CalendarMonth{today.year(), today.month()}.plus(*answer.months)),
                            moneyText(*answer.interest))
                 : QString());
}

void CostsScreen::calculatePayment(int row)
{
    if (!numbersReadable(row))
        return;
    const PayoffAnswer answer =
        PayoffPayment(m_totalDue[row]->text().toStdString(), m_cards[row][CardRow::InterestRate].toStdString(),
                      m_debtFreeMonths[row]->text().toStdString());
    if (!showAnswer(m_amount[row], answer))
        return;
    showNote(m_amountNote[row],
             answer.interest ? QStringLiteral("interest\u00a0%1 in all").arg(moneyText(*answer.interest)) : QString());
}

} // namespace plenwick

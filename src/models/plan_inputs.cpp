#include "models/plan_inputs.h"

#include "models/card_numbers.h"
#include "models/shown_text.h"

#include <algorithm>

namespace plenwick {

namespace {

// "Car loan: the Balance "abc" is not an amount, such as $1,200.00".
QString notAnAmount(const QString& what, const char* box, const QString& typed)
{
    return QStringLiteral("%1: the %2 \"%3\" is not an amount, such as $1,200.00").arg(what, QLatin1String(box), typed);
}

QString otherDebtName(const OtherDebtTexts& debt, std::size_t index)
{
    return debt.name.trimmed().isEmpty() ? QStringLiteral("Other debt %1").arg(index + 1) : debt.name;
}

bool isEmpty(const OtherDebtTexts& debt)
{
    return debt.name.trimmed().isEmpty() && debt.balance.trimmed().isEmpty() && debt.rate.trimmed().isEmpty() &&
           debt.minimum.trimmed().isEmpty();
}

// The other debt as the plan takes it; its payment is its fixed minimum.
std::optional<DebtCard> otherDebtOf(const OtherDebtTexts& texts, std::size_t index, QString& problem)
{
    const QString name = otherDebtName(texts, index);
    const auto balance = money(texts.balance.toStdString());
    const auto annualRate = texts.rate.trimmed().isEmpty() ? std::optional(0.0) : rate(texts.rate.toStdString());
    const auto minimum = money(texts.minimum.toStdString());
    if (!balance)
        problem = notAnAmount(name, "Balance", texts.balance);
    else if (!annualRate)
        problem = QStringLiteral("%1: the Rate \"%2\" is not a rate, such as 6.9").arg(name, texts.rate);
    else if (!minimum)
        problem = notAnAmount(name, "Minimum", texts.minimum);
    if (!problem.isEmpty())
        return std::nullopt;
    DebtCard debt;
    debt.name = name.toStdString();
    debt.balance = *balance;
    debt.annualRate = *annualRate;
    debt.minimumPayment = *minimum;
    debt.actualPayment = *minimum;
    return debt;
}

bool readRules(std::vector<DebtCard>& debts, const QStringList& keys, const SavedPlan& saved, QString& problem)
{
    for (std::size_t d = 0; d < debts.size(); ++d) {
        const MinimumTexts* texts = nullptr;
        if (debts[d].row < kCardCount) {
            const auto found = saved.cardMinimums.find(static_cast<int>(debts[d].row));
            texts = found == saved.cardMinimums.end() ? nullptr : &found->second;
        } else {
            const auto found =
                std::find_if(saved.otherDebts.begin(), saved.otherDebts.end(),
                             [&](const OtherDebtTexts& debt) { return debt.key == keys[static_cast<int>(d)]; });
            texts = found == saved.otherDebts.end() ? nullptr : &found->minimumRule;
        }
        if (!texts)
            continue;
        const ReadMinimum read = readMinimumRule(*texts);
        if (!read.problem.isEmpty()) {
            problem = QStringLiteral("%1: %2").arg(
                shownText(debts[d].name.empty() ? cardTitle(static_cast<int>(debts[d].row)).toStdString()
                                                : debts[d].name),
                read.problem);
            return false;
        }
        debts[d].minimumRule = read.rule;
    }
    return true;
}

bool readChanges(const SavedPlan& saved, CalendarMonth firstMonth, PlanOptions& options, QString& problem)
{
    for (std::size_t c = 0; c < saved.changes.size(); ++c) {
        const PlanChangeTexts& change = saved.changes[c];
        const QString what = QStringLiteral("%1 %2")
                                 .arg(change.extra ? QStringLiteral("Extra payment") : QStringLiteral("Budget change"))
                                 .arg(c + 1);
        const auto month = ReadMonth(change.month.toStdString());
        const auto amount = money(change.amount.toStdString());
        if (!month)
            problem = QStringLiteral("%1: the month \"%2\" is not a month, such as May 2027").arg(what, change.month);
        else if (*month < firstMonth)
            problem = QStringLiteral("%1: %2 is before the plan's first month, %3")
                          .arg(what, monthText(*month), monthText(firstMonth));
        else if (!amount)
            problem = notAnAmount(what, "amount", change.amount);
        else if (!change.extra && *amount < MoneyAmount())
            problem = QStringLiteral("%1: a budget of %2 is below nothing").arg(what, moneyText(*amount));
        if (!problem.isEmpty())
            return false;
        if (change.extra)
            options.extraPayments.push_back({*month, *amount});
        else
            options.budgetChanges.push_back({*month, *amount});
    }
    return true;
}

} // namespace

QString orderName(PlanStrategy strategy) { return shownText(std::string(strategyName(strategy))); }

PlanStrategy orderNamed(const QString& name)
{
    for (const PlanStrategy strategy : kPlanOrders) {
        if (orderName(strategy) == name)
            return strategy;
    }
    return kPlanOrders[0];
}

MoneyAmount budgetPaidNow(const CardBook& cards, const SavedPlan& saved)
{
    MoneyAmount payments;
    const auto add = [&payments](const std::optional<MoneyAmount>& amount) {
        payments = payments.plus(amount.value_or(MoneyAmount())).value_or(payments);
    };
    for (const DebtCard& card : debtCardsOf(cards))
        add(card.actualPayment);
    for (const OtherDebtTexts& debt : saved.otherDebts) {
        const auto balance = money(debt.balance.toStdString());
        if (balance && balance->isPositive())
            add(money(debt.minimum.toStdString()));
    }
    return payments;
}

ReadMinimum readMinimumRule(const MinimumTexts& texts)
{
    ReadMinimum read;
    if (texts.kind.isEmpty() || texts.kind == kMinimumAsTyped)
        return read;
    read.rule.kind =
        texts.kind == kMinimumPercent ? MinimumRule::Kind::Percent : MinimumRule::Kind::PercentPlusInterest;
    const auto percent = rate(texts.percent.toStdString());
    const auto floor =
        texts.floor.trimmed().isEmpty() ? std::optional(MoneyAmount()) : money(texts.floor.toStdString());
    if (!percent || *percent < 0 || *percent > 100)
        read.problem = QStringLiteral("the minimum's percent \"%1\" is not a percent from 0 to 100").arg(texts.percent);
    else if (!floor || *floor < MoneyAmount())
        read.problem = QStringLiteral("the minimum's floor \"%1\" is not an amount, such as $25.00").arg(texts.floor);
    else {
        read.rule.percent = *percent;
        read.rule.floor = *floor;
    }
    return read;
}

ReadInputs readPlanInputs(const CardBook& cards, const SavedPlan& saved, CalendarMonth firstMonth)
{
    PlanInputs inputs;
    inputs.firstMonth = firstMonth;
    for (int row = 0; row < kCardCount; ++row) {
        const CardRow& card = cards[row];
        if (auto problem = unreadableCardNumber(row, card[CardRow::InterestRate], card[CardRow::TotalDue]))
            return {std::nullopt, *problem};
    }
    inputs.debts = debtCardsOf(cards);
    for (const DebtCard& card : inputs.debts)
        inputs.keys << cardKey(static_cast<int>(card.row));
    QString problem;
    for (std::size_t index = 0; index < saved.otherDebts.size(); ++index) {
        const OtherDebtTexts& texts = saved.otherDebts[index];
        if (isEmpty(texts))
            continue;
        auto debt = otherDebtOf(texts, index, problem);
        if (!debt)
            return {std::nullopt, problem};
        if (!debt->balance.isPositive())
            continue;
        debt->row = kCardCount + index;
        inputs.debts.push_back(std::move(*debt));
        inputs.keys << texts.key;
    }
    if (!readRules(inputs.debts, inputs.keys, saved, problem) ||
        !readChanges(saved, firstMonth, inputs.options, problem))
        return {std::nullopt, problem};

    const QString budgetText = saved.budget.trimmed();
    const auto budget =
        budgetText.isEmpty() ? std::optional(budgetPaidNow(cards, saved)) : money(budgetText.toStdString());
    if (!budget)
        return {std::nullopt, QStringLiteral("Enter the monthly budget as an amount, such as $500.00.")};
    inputs.budget = *budget;
    inputs.strategy = orderNamed(saved.order);
    for (const QString& key : saved.ownOrder) {
        const auto position = inputs.keys.indexOf(key);
        if (position >= 0)
            inputs.options.ownOrder.push_back(static_cast<std::size_t>(position));
    }
    for (const auto& [row, move] : saved.moves)
        inputs.moves[static_cast<std::size_t>(row)] = offerMoveOf(move);
    return {std::move(inputs), {}};
}

OfferMoveTexts offerMoveTexts(const OfferMove& move)
{
    const std::int64_t ticks = move.transferFee.ticks();
    const QString fee = QStringLiteral("%1%2.%3")
                            .arg(ticks < 0 ? QStringLiteral("-") : QString())
                            .arg(move.transferFee.magnitude() / MoneyAmount::kTicksPerUnit)
                            .arg(move.transferFee.magnitude() % MoneyAmount::kTicksPerUnit, 4, 10, QLatin1Char('0'));
    return {shownText(move.offerName),
            move.ratePlan.introMonths,
            move.ratePlan.introRate,
            move.ratePlan.regularRate,
            fee,
            {}};
}

OfferMove offerMoveOf(const OfferMoveTexts& texts)
{
    return {texts.offerName.toStdString(), RatePlan{texts.introMonths, texts.introRate, texts.regularRate},
            money(texts.transferFee.toStdString()).value_or(MoneyAmount())};
}

} // namespace plenwick

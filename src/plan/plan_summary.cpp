#include "plan/plan_summary.h"

#include "money/money_text.h"
#include "plan/plan_csv.h"

#include <algorithm>
#include <cstdlib>

namespace plenwick {

namespace {

// Kept together on one line: "(28 months)", "interest $12.00".
const std::string kNoBreak = "\u00a0";

std::string amountText(MoneyAmount amount) { return FormatByPattern(amount, Pattern::Money); }

// "14 months sooner" / "2 months later"; a month count of 0 says so.
std::string monthsSooner(std::int64_t sooner)
{
    if (sooner == 0)
        return "the same debt-free month";
    return MonthCount(std::abs(sooner)) + (sooner > 0 ? " sooner" : " later");
}

// "$2,310.44 less <what>" / "$5.00 more <what>"; none when out of range.
std::string less(MoneyAmount before, MoneyAmount after, const std::string& what)
{
    const auto saved = before.minus(after);
    const auto lost = after.minus(before);
    if (!saved || !lost)
        return {};
    if (amountText(*saved) == "$0.00")
        return "the same " + what;
    return saved->isPositive() ? amountText(*saved) + " less " + what : amountText(*lost) + " more " + what;
}

std::string andAlso(const std::string& first, const std::string& second)
{
    return second.empty() ? first : first + ", " + second;
}

// "A", "A and B", "A, B and C".
std::string listed(const std::vector<std::string>& names)
{
    std::string joined;
    for (std::size_t i = 0; i < names.size(); ++i)
        joined += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
    return joined;
}

void againstPayingAsNow(const PlanResult& result, bool withFees, std::vector<std::string>& lines)
{
    const DebtPlan& plan = result.plan;
    const AsYouPayNow& now = plan.asYouPayNow;
    if (!now.neverPaidOff.empty()) {
        std::vector<std::string> names;
        for (const std::size_t card : now.neverPaidOff)
            names.push_back(ScheduleCardName(result.cards[card]));
        lines.push_back("Paying as now, " + listed(names) + (names.size() == 1 ? " is" : " are") + " never paid off.");
        return;
    }
    if (!now.months || !now.paid)
        return;
    const std::string money = less(*now.paid, plan.totalPaid, withFees ? "interest and fees" : "interest");
    lines.push_back("Against paying as now: " + andAlso(monthsSooner(*now.months - plan.months), money));
}

void movesGain(const PlanResult& result, PlanSummary& summary)
{
    for (std::size_t card = 0; card < result.cards.size() && card < result.offerNames.size(); ++card) {
        if (result.offerNames[card].empty())
            continue;
        const MoneyAmount fee = result.cards[card].openingFee;
        summary.moves.push_back(ScheduleCardName(result.cards[card]) + " moved to " + result.offerNames[card] +
                                (fee.isPositive() ? ", fee " + amountText(fee) : ""));
    }
    if (!result.withoutMoves || !result.plan.succeeded())
        return;
    const DebtPlan& without = *result.withoutMoves;
    if (!without.succeeded()) {
        summary.moves.push_back("Without the moves the plan does not end: " + without.message);
        return;
    }
    summary.moves.push_back("The moves: " +
                            andAlso(monthsSooner(without.months - result.plan.months),
                                    less(without.totalPaid, result.plan.totalPaid, "to pay, fees included")));
}

std::string cardLine(const PlanResult& result, std::size_t card)
{
    const PlanCardResult& own = result.plan.cards[card];
    const std::string name = ScheduleCardName(result.cards[card]);
    if (own.paidOffMonth)
        return name + ": paid off " + result.plan.calendarMonth(*own.paidOffMonth).name() + ", interest" + kNoBreak +
               amountText(own.interest);
    return name + ": not paid off, interest so far" + kNoBreak + amountText(own.interest);
}

} // namespace

std::string MonthCount(std::int64_t months) { return months == 1 ? "1 month" : std::to_string(months) + " months"; }

namespace {

// The cards with the moves made; the offer's name per card, empty when it stays.
std::vector<std::string> makeMoves(std::vector<DebtCard>& cards, const OfferMoves& moves)
{
    std::vector<std::string> offerNames;
    for (DebtCard& card : cards) {
        const auto move = moves.find(card.row);
        offerNames.push_back(move == moves.end() ? std::string() : move->second.offerName);
        if (move == moves.end())
            continue;
        card.ratePlan = move->second.ratePlan;
        card.openingFee = move->second.transferFee;
    }
    return offerNames;
}

PlanResult resultOf(const std::vector<DebtCard>& asTheyAre, std::vector<DebtCard> moved,
                    std::vector<std::string> offerNames, DebtPlan plan, MoneyAmount budget, PlanStrategy strategy,
                    CalendarMonth firstMonth, const PlanOptions& options)
{
    PlanResult result{std::move(moved), std::move(plan), std::move(offerNames), std::nullopt};
    if (std::any_of(result.offerNames.begin(), result.offerNames.end(), [](const auto& name) { return !name.empty(); }))
        result.withoutMoves = BuildDebtPlan(asTheyAre, budget, strategy, firstMonth, options);
    return result;
}

} // namespace

PlanResult BuildPlanWithMoves(const std::vector<DebtCard>& cards, const OfferMoves& moves, MoneyAmount budget,
                              PlanStrategy strategy, CalendarMonth firstMonth, const PlanOptions& options)
{
    std::vector<DebtCard> moved = cards;
    std::vector<std::string> offerNames = makeMoves(moved, moves);
    DebtPlan plan = BuildDebtPlan(moved, budget, strategy, firstMonth, options);
    return resultOf(cards, std::move(moved), std::move(offerNames), std::move(plan), budget, strategy, firstMonth,
                    options);
}

PlanComparison ComparePlans(const std::vector<DebtCard>& cards, const OfferMoves& moves, MoneyAmount budget,
                            PlanStrategy chosen, CalendarMonth firstMonth, const PlanOptions& options)
{
    std::vector<DebtCard> moved = cards;
    std::vector<std::string> offerNames = makeMoves(moved, moves);
    PlanComparison comparison;
    comparison.orders = BuildEveryOrder(moved, budget, firstMonth, options);
    const auto row = std::find_if(comparison.orders.begin(), comparison.orders.end(),
                                  [chosen](const OrderPlan& order) { return order.strategy == chosen; });
    DebtPlan plan =
        row != comparison.orders.end() ? row->plan : BuildDebtPlan(moved, budget, chosen, firstMonth, options);
    comparison.chosen =
        resultOf(cards, std::move(moved), std::move(offerNames), std::move(plan), budget, chosen, firstMonth, options);
    return comparison;
}

std::string SwitchSummary(const DebtCard& card, const RankOffer& offer)
{
    const auto rankings = RankOffers({card}, {offer});
    if (!rankings || rankings->empty())
        return {};
    const CardRanking& ranking = rankings->front();
    const OfferOutcome& outcome = ranking.offers.front();
    const std::string fee =
        !offer.transferFeePercent ? "With the transfer fee unknown"
        : *offer.transferFeePercent > 0
            ? "With the " + FormatByPattern(*offer.transferFeePercent, Pattern::Rate) + " % transfer fee"
            : "With no transfer fee";
    if (!outcome.paidOff())
        return fee + ": never paid off at your actual payment";
    if (!outcome.netSaving)
        return fee + ": paid off in " + MonthCount(outcome.run.months) + ", which your card as it is never is";
    return fee + ": " +
           andAlso(less(*ranking.asItIs.cost, *outcome.cost, "to pay"),
                   monthsSooner(ranking.asItIs.run.months - outcome.run.months));
}

PlanSummary SummarisePlan(const PlanResult& result)
{
    PlanSummary summary;
    const DebtPlan& plan = result.plan;
    if (result.cards.empty()) {
        summary.headline.push_back("No card on My Cards owes anything: there is nothing to plan.");
        return summary;
    }
    summary.failure = plan.message;
    bool withFees = false;
    for (std::size_t card = 0; card < result.cards.size() && plan.months > 0; ++card) {
        withFees = withFees || result.cards[card].openingFee.isPositive();
        summary.cards.push_back(cardLine(result, card));
    }
    if (plan.succeeded()) {
        std::string count = MonthCount(plan.months);
        count.replace(count.find(' '), 1, kNoBreak);
        summary.headline.push_back("Debt-free in " + plan.debtFreeMonth()->name() + " (" + count + ")");
        summary.headline.push_back("Total interest " + amountText(plan.totalInterest));
        summary.headline.push_back("Total paid " + amountText(plan.totalPaid));
        againstPayingAsNow(result, withFees, summary.headline);
    }
    movesGain(result, summary);
    return summary;
}

std::string PlanHeading::madeOnIso() const
{
    const std::string day = std::to_string(madeOnDay);
    return madeIn.isoText() + (madeOnDay < 10 ? "-0" : "-") + day;
}

std::string PlanHeading::madeOnWords() const { return std::to_string(madeOnDay) + ' ' + madeIn.name(); }

std::vector<std::string> PlanHeadingLines(const PlanHeading& heading, const std::vector<DebtCard>& debts)
{
    std::vector<std::string> lines{"Made " + heading.madeOnWords()};
    std::string budget = "Monthly budget " + amountText(heading.budget);
    for (const BudgetChange& change : heading.options.budgetChanges)
        budget += "; from " + change.from.name() + ' ' + amountText(change.budget);
    lines.push_back(budget);
    std::vector<std::string> extras;
    for (const ExtraPayment& extra : heading.options.extraPayments)
        extras.push_back(amountText(extra.amount) + " in " + extra.month.name());
    if (!extras.empty())
        lines.push_back("Extra payments: " + listed(extras));
    lines.push_back("Extra money goes to: " + std::string(strategyName(heading.strategy)));
    std::vector<std::string> owed;
    for (const DebtCard& debt : debts) {
        const bool typed = debt.minimumRule.kind == MinimumRule::Kind::AsTyped;
        owed.push_back(ScheduleCardName(debt) + ' ' + amountText(debt.balance) + " at " +
                       FormatByPattern(debt.annualRate, Pattern::Rate) + kNoBreak + "%, minimum " +
                       (typed ? amountText(debt.minimumPayment) : "by the bank's formula"));
    }
    if (!owed.empty())
        lines.push_back("Debts: " + listed(owed));
    return lines;
}

} // namespace plenwick

#pragma once

#include "calculations/payoff_run.h"
#include "money/money_amount.h"
#include "plan/calendar_month.h"
#include "plan/debt_card.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plenwick {

// Which card gets the money left once every minimum is paid. Ties go to the
// earlier card in the list.
enum class PlanStrategy {
    HighestRateFirst,     // the rate charged that month, so a card at an intro rate waits for its regular rate
    SmallestBalanceFirst, // the balance owed at the start of the plan (opening fee included); the order then stays
    CardOrder,            // the order of the list
    OwnOrder,             // the person's own order, PlanOptions::ownOrder
};

std::string_view strategyName(PlanStrategy strategy); // as the strategy choice shows it

// A plan never runs longer than this.
inline constexpr std::int32_t kMostPlanMonths = 1200;

// One card in one month. A card that owes nothing that month has all four at 0.
struct PlanEntry {
    MoneyAmount opening, interest, payment, closing;
    bool operator==(const PlanEntry&) const = default;
};

struct PlanCardResult {
    std::optional<std::int32_t> paidOffMonth; // plan month of its last payment; 0 if it owed nothing; none if never
    MoneyAmount interest, paid;
    bool operator==(const PlanCardResult&) const = default;
};

// Each card alone at its actual payment and its own rate, as the person pays
// now: no rate plan, no opening fee.
struct AsYouPayNow {
    std::vector<PayoffRunResult> cards;
    std::vector<std::size_t> neverPaidOff; // positions of the cards whose run stopped early
    // Only when every card is paid off (and the sums stay in range):
    std::optional<std::int64_t> months; // the longest card's months
    std::optional<MoneyAmount> interest, paid;
    // The total still owed at the end of month 1, 2, ... for drawing, up to
    // the longest card's payoff or kMostPlanMonths; a card never paid off goes
    // on at its payment (none counts as 0).
    std::vector<MoneyAmount> balances;
    bool operator==(const AsYouPayNow&) const = default;
};

enum class PlanFailure { None, BudgetBelowMinimums, BalancesStopFalling, TooLong, TooLarge };

struct DebtPlan {
    CalendarMonth firstMonth;
    std::size_t cardCount = 0;
    std::int32_t months = 0;         // months in the schedule
    std::vector<PlanEntry> schedule; // month by month, cardCount entries each, cards in list order
    std::vector<PlanCardResult> cards;
    MoneyAmount totalInterest, totalPaid; // of the months in the schedule
    PlanFailure failure = PlanFailure::None;
    std::string message; // the failure as the person reads it; empty when none
    AsYouPayNow asYouPayNow;

    bool operator==(const DebtPlan&) const = default;
    bool succeeded() const { return failure == PlanFailure::None; }
    // month runs 1 to months.
    const PlanEntry& entry(std::int32_t month, std::size_t card) const
    {
        return schedule[static_cast<std::size_t>(month - 1) * cardCount + card];
    }
    CalendarMonth calendarMonth(std::int32_t month) const { return firstMonth.plus(month - 1); }
    // The month of the last payment (the month before the first when nothing
    // is owed); none when the plan failed.
    std::optional<CalendarMonth> debtFreeMonth() const
    {
        return succeeded() ? std::optional(calendarMonth(months)) : std::nullopt;
    }
};

// "From <month>, the budget is $X": from that month on, until a later change.
// A change dated before the plan's first month holds from its first month;
// of two changes from the same month the later in the list holds.
struct BudgetChange {
    CalendarMonth from;
    MoneyAmount budget;
};

// "In <month>, an extra $Y": one month's money, going where the order sends
// money left over. Extras in the same month add up; one dated outside the
// plan's months is not paid. A negative extra (a short month) takes money
// away, but never the minimums: it is cut back to what the month pays beyond
// them, so the month still pays every minimum due.
struct ExtraPayment {
    CalendarMonth month;
    MoneyAmount amount;
};

struct PlanOptions {
    std::vector<BudgetChange> budgetChanges{};
    std::vector<ExtraPayment> extraPayments{};
    // Positions in the card list, first paid first, for PlanStrategy::OwnOrder.
    // A position past the list's end, or given again, is passed over; the
    // positions left out come after, in list order.
    std::vector<std::size_t> ownOrder{};
};

// Each month, for each card that owes: the interest exactly as a payoff run
// charges it, then its minimum payment by its rule (never more than it owes),
// then what is left of the month's budget and extra to the cards in strategy
// order. A card paid off passes its money on in the same month. A month whose
// budget is below the minimums due ends the plan before it. A failed plan
// keeps the months it ran, with the totals of those months.
DebtPlan BuildDebtPlan(const std::vector<DebtCard>& cards, MoneyAmount budget, PlanStrategy strategy,
                       CalendarMonth firstMonth, const PlanOptions& options = {});

// Every order for the same inputs, side by side: highest rate first, smallest
// balance first, card order, and the own order when options has one. Each
// plan equals the one BuildDebtPlan makes for its order alone.
struct OrderPlan {
    PlanStrategy strategy;
    DebtPlan plan;
};
std::vector<OrderPlan> BuildEveryOrder(const std::vector<DebtCard>& cards, MoneyAmount budget, CalendarMonth firstMonth,
                                       const PlanOptions& options = {});

} // namespace plenwick

#include "plan/debt_plan.h"

#include "money/money_text.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <utility>

namespace plenwick {

namespace {

// Money that leaves its range ends the plan with a message; thrown only there.
struct OutOfRange { };

MoneyAmount add(MoneyAmount a, MoneyAmount b)
{
    const auto sum = a.plus(b);
    if (!sum)
        throw OutOfRange();
    return *sum;
}

MoneyAmount subtract(MoneyAmount a, MoneyAmount b)
{
    const auto difference = a.minus(b);
    if (!difference)
        throw OutOfRange();
    return *difference;
}

RatePlan ratePlanOf(const DebtCard& card) { return card.ratePlan.value_or(RatePlan::constant(card.annualRate)); }

std::string shown(MoneyAmount amount) { return FormatByPattern(amount, Pattern::Money); }

AsYouPayNow asYouPayNow(const std::vector<DebtCard>& cards)
{
    AsYouPayNow now;
    std::int64_t longest = 0;
    MoneyAmount interest;
    MoneyAmount paid;
    bool inRange = true;
    for (std::size_t c = 0; c < cards.size(); ++c) {
        const DebtCard& card = cards[c];
        const PayoffRunResult run = PayoffRun(card.balance, RatePlan::constant(card.annualRate), card.actualPayment);
        now.cards.push_back(run);
        if (run.stoppedEarly) {
            now.neverPaidOff.push_back(c);
            longest = kMostPlanMonths;
            continue;
        }
        longest = std::max(longest, run.months);
        if (!card.balance.isPositive())
            continue;
        const auto cardPaid = card.balance.plus(run.interest);
        const auto withInterest = cardPaid ? interest.plus(run.interest) : std::nullopt;
        const auto withPaid = cardPaid ? paid.plus(*cardPaid) : std::nullopt;
        inRange = inRange && withInterest && withPaid;
        interest = withInterest.value_or(interest);
        paid = withPaid.value_or(paid);
    }
    if (now.neverPaidOff.empty() && inRange) {
        now.months = longest;
        now.interest = interest;
        now.paid = paid;
    }

    // The same month as every run charges it, kept for drawing; sums that
    // leave the range are drawn at the largest amount.
    const auto months = static_cast<std::size_t>(std::min<std::int64_t>(longest, kMostPlanMonths));
    now.balances.assign(months, MoneyAmount());
    const MoneyAmount largest = MoneyAmount::fromTicks(std::numeric_limits<std::int64_t>::max());
    // Month by month, every card in turn: the cards' months overlap in the processor.
    std::vector<MoneyAmount> balances;
    balances.reserve(cards.size());
    for (const DebtCard& card : cards)
        balances.push_back(card.balance);
    for (std::size_t m = 0; m < months; ++m) {
        for (std::size_t c = 0; c < cards.size(); ++c) {
            MoneyAmount& balance = balances[c];
            if (!balance.isPositive())
                continue;
            const auto interestThisMonth = monthInterest(balance, cards[c].annualRate / 12);
            const auto owed = interestThisMonth ? balance.plus(*interestThisMonth) : std::nullopt;
            const auto next = owed ? owed->minus(cards[c].actualPayment.value_or(MoneyAmount())) : std::nullopt;
            if (next)
                balance = std::max(*next, MoneyAmount());
            now.balances[m] = now.balances[m].plus(balance).value_or(largest);
        }
    }
    return now;
}

// The month of the plan a calendar month is: 1 for its first month.
std::int64_t planMonthOf(CalendarMonth month, CalendarMonth firstMonth)
{
    return (std::int64_t{month.year} - firstMonth.year) * 12 + month.month - firstMonth.month + 1;
}

class PlanRun {
public:
    PlanRun(const std::vector<DebtCard>& cards, MoneyAmount budget, PlanStrategy strategy, const PlanOptions& options,
            DebtPlan& plan)
        : m_cards(cards)
        , m_budget(budget)
        , m_strategy(strategy)
        , m_options(options)
        , m_plan(plan)
        , m_balance(cards.size())
        , m_owed(cards.size())
        , m_order(cards.size())
    {
    }

    void run()
    {
        const std::size_t n = m_cards.size();
        std::int32_t lastIntroMonth = 0;
        for (std::size_t c = 0; c < n; ++c) {
            const DebtCard& card = m_cards[c];
            m_plan.cards[c].paidOffMonth = 0;
            m_plans.push_back(ratePlanOf(card));
            if (!card.balance.isPositive())
                continue;
            m_balance[c] = add(card.balance, card.openingFee);
            if (m_balance[c].isPositive())
                m_plan.cards[c].paidOffMonth.reset();
            lastIntroMonth = std::max(lastIntroMonth, m_plans[c].introMonths);
        }
        orderCards();
        scheduleChanges();

        for (std::int32_t m = 1;; ++m) {
            if (std::none_of(m_balance.begin(), m_balance.end(), [](MoneyAmount b) { return b.isPositive(); }))
                return;
            if (m > kMostPlanMonths) {
                fail(PlanFailure::TooLong, "The plan would take more than 1,200 months (100 years); it stops there.");
                return;
            }
            if (m_strategy == PlanStrategy::HighestRateFirst)
                std::sort(m_order.begin(), m_order.end(), [&](std::size_t a, std::size_t b) {
                    const double rateA = m_plans[a].monthlyRate(m);
                    const double rateB = m_plans[b].monthlyRate(m);
                    return rateA > rateB || (rateA == rateB && a < b);
                });
            m_saved = m_plan.cards;
            m_savedTotals = {m_plan.totalInterest, m_plan.totalPaid};
            const MoneyAmount minimums = chargeMonth(m);
            if (m_monthBudget < minimums) {
                m_plan.schedule.resize(static_cast<std::size_t>(m_plan.months) * n);
                fail(PlanFailure::BudgetBelowMinimums,
                     (m == 1 ? "A budget of " : "From " + m_plan.calendarMonth(m).name() + " the budget of ") +
                         shown(m_monthBudget) + " is below the minimum payments, which add up to " + shown(minimums) +
                         ".");
                return;
            }
            if (!payMonth(m, minimums) && m > lastIntroMonth && m >= m_lastChange) {
                fail(PlanFailure::BalancesStopFalling, "A budget of " + shown(m_monthBudget) +
                                                           " does not cover the interest: the balances stop "
                                                           "falling in " +
                                                           m_plan.calendarMonth(m).name() + ".");
                return;
            }
        }
    }

    // Money left its range within a month: keep the months before it whole.
    void failInRange()
    {
        m_plan.schedule.resize(static_cast<std::size_t>(m_plan.months) * m_cards.size());
        if (!m_saved.empty()) {
            m_plan.cards = m_saved;
            m_plan.totalInterest = m_savedTotals.first;
            m_plan.totalPaid = m_savedTotals.second;
        }
        fail(PlanFailure::TooLarge, "The amounts are too large to plan exactly.");
    }

    void fail(PlanFailure failure, std::string message)
    {
        m_plan.failure = failure;
        m_plan.message = std::move(message);
    }

private:
    void orderCards()
    {
        std::iota(m_order.begin(), m_order.end(), std::size_t{0});
        if (m_strategy == PlanStrategy::SmallestBalanceFirst)
            std::stable_sort(m_order.begin(), m_order.end(),
                             [&](std::size_t a, std::size_t b) { return m_balance[a] < m_balance[b]; });
        if (m_strategy != PlanStrategy::OwnOrder)
            return;
        // Each position where it first comes, then those left out, in list order.
        std::vector<std::size_t> wanted = m_options.ownOrder;
        wanted.insert(wanted.end(), m_order.begin(), m_order.end());
        m_order.clear();
        for (const std::size_t c : wanted) {
            if (c < m_cards.size() && std::find(m_order.begin(), m_order.end(), c) == m_order.end())
                m_order.push_back(c);
        }
    }

    // The changes and extras by plan month. m_lastChange is the last month
    // that may bring more money than the one before it.
    void scheduleChanges()
    {
        for (const BudgetChange& change : m_options.budgetChanges)
            m_changes.emplace_back(planMonthOf(change.from, m_plan.firstMonth), change.budget);
        for (const ExtraPayment& extra : m_options.extraPayments) {
            const std::int64_t month = planMonthOf(extra.month, m_plan.firstMonth);
            m_extras.emplace_back(month, extra.amount);
            if (extra.amount != MoneyAmount())
                m_lastChange = std::max(m_lastChange, extra.amount.isPositive() ? month : month + 1);
        }
        const auto byMonth = [](const auto& a, const auto& b) { return a.first < b.first; };
        std::stable_sort(m_changes.begin(), m_changes.end(), byMonth);
        if (!m_changes.empty())
            m_lastChange = std::max(m_lastChange, m_changes.back().first);
    }

    // A month's interest and minimums due, with its budget and extra; the
    // minimums' sum.
    MoneyAmount chargeMonth(std::int32_t month)
    {
        const std::size_t n = m_cards.size();
        const std::size_t first = m_plan.schedule.size();
        m_plan.schedule.resize(first + n);
        PlanEntry* entries = m_plan.schedule.data() + first;
        for (const auto& [from, budget] : m_changes)
            m_monthBudget = from <= month ? budget : m_monthBudget;
        m_monthExtra = MoneyAmount();
        for (const auto& [in, amount] : m_extras)
            m_monthExtra = in == month ? add(m_monthExtra, amount) : m_monthExtra;

        MoneyAmount minimums;
        for (std::size_t c = 0; c < n; ++c) {
            if (!m_balance[c].isPositive())
                continue;
            PlanEntry& e = entries[c];
            e.opening = m_balance[c];
            const auto interest = monthInterest(e.opening, m_plans[c].monthlyRate(month));
            if (!interest)
                throw OutOfRange();
            e.interest = *interest;
            m_owed[c] = add(e.opening, e.interest);
            e.payment = MinimumDue(m_cards[c].minimumRule, m_cards[c].minimumPayment, e.opening, e.interest);
            minimums = add(minimums, e.payment);
        }
        return minimums;
    }

    // The rest of a charged month: its money beyond the minimums to the cards
    // in order, then the balances; whether any card's balance fell. When none
    // falls after every intro rate has ended and no more money is to come,
    // each card gets no more money next month while its interest and minimum
    // can only grow: the plan can never end.
    bool payMonth(std::int32_t month, MoneyAmount minimums)
    {
        const std::size_t n = m_cards.size();
        PlanEntry* entries = m_plan.schedule.data() + m_plan.schedule.size() - n;
        MoneyAmount left = subtract(add(m_monthBudget, m_monthExtra), minimums); // below 0 after a short month
        for (const std::size_t c : m_order) {
            if (!left.isPositive())
                break;
            if (!m_balance[c].isPositive())
                continue;
            const MoneyAmount more = std::min(left, std::max(subtract(m_owed[c], entries[c].payment), MoneyAmount()));
            entries[c].payment = add(entries[c].payment, more);
            left = subtract(left, more);
        }

        bool fell = false;
        for (std::size_t c = 0; c < n; ++c) {
            if (!m_balance[c].isPositive())
                continue;
            PlanEntry& e = entries[c];
            e.closing = subtract(m_owed[c], e.payment);
            fell = fell || e.closing < e.opening;
            m_balance[c] = e.closing;
            PlanCardResult& card = m_plan.cards[c];
            card.interest = add(card.interest, e.interest);
            card.paid = add(card.paid, e.payment);
            if (!e.closing.isPositive())
                card.paidOffMonth = month;
            m_plan.totalInterest = add(m_plan.totalInterest, e.interest);
            m_plan.totalPaid = add(m_plan.totalPaid, e.payment);
        }
        m_plan.months = month;
        return fell;
    }

    const std::vector<DebtCard>& m_cards;
    MoneyAmount m_budget;
    PlanStrategy m_strategy;
    const PlanOptions& m_options;
    DebtPlan& m_plan;
    std::vector<RatePlan> m_plans;
    std::vector<MoneyAmount> m_balance;
    std::vector<MoneyAmount> m_owed;
    std::vector<std::size_t> m_order;
    std::vector<std::pair<std::int64_t, MoneyAmount>> m_changes, m_extras; // by plan month
    MoneyAmount m_monthBudget = m_budget, m_monthExtra;
    std::int64_t m_lastChange = 0;
    std::vector<PlanCardResult> m_saved; // the totals before the month that runs
    std::pair<MoneyAmount, MoneyAmount> m_savedTotals;
};

DebtPlan buildPlan(const std::vector<DebtCard>& cards, MoneyAmount budget, PlanStrategy strategy,
                   CalendarMonth firstMonth, const PlanOptions& options, AsYouPayNow now)
{
    DebtPlan plan;
    plan.firstMonth = firstMonth;
    plan.cardCount = cards.size();
    plan.cards.resize(cards.size());
    plan.schedule.reserve(std::size_t{kMostPlanMonths} * cards.size()); // pages of months never run are never touched
    plan.asYouPayNow = std::move(now);
    PlanRun run(cards, budget, strategy, options, plan);
    try {
        run.run();
    } catch (const OutOfRange&) {
        run.failInRange();
    }
    return plan;
}

} // namespace

std::string_view strategyName(PlanStrategy strategy)
{
    switch (strategy) {
    case PlanStrategy::HighestRateFirst: return "Highest rate first";
    case PlanStrategy::SmallestBalanceFirst: return "Smallest balance first";
    case PlanStrategy::CardOrder: return "In the order of My Cards";
    case PlanStrategy::OwnOrder: return "My own order";
    }
    return {};
}

DebtPlan BuildDebtPlan(const std::vector<DebtCard>& cards, MoneyAmount budget, PlanStrategy strategy,
                       CalendarMonth firstMonth, const PlanOptions& options)
{
    return buildPlan(cards, budget, strategy, firstMonth, options, asYouPayNow(cards));
}

std::vector<OrderPlan> BuildEveryOrder(const std::vector<DebtCard>& cards, MoneyAmount budget, CalendarMonth firstMonth,
                                       const PlanOptions& options)
{
    std::vector<OrderPlan> orders;
    const AsYouPayNow now = asYouPayNow(cards);
    for (const PlanStrategy strategy : {PlanStrategy::HighestRateFirst, PlanStrategy::SmallestBalanceFirst,
                                        PlanStrategy::CardOrder, PlanStrategy::OwnOrder}) {
        if (strategy != PlanStrategy::OwnOrder || !options.ownOrder.empty())
            orders.push_back({strategy, buildPlan(cards, budget, strategy, firstMonth, options, now)});
    }
    return orders;
}

} // namespace plenwick

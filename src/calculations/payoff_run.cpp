#include "calculations/payoff_run.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <limits>

namespace plenwick {

namespace {

enum class SegmentEnd { PaidOff, RateChanges, NotPayable, TooLong };

struct RunState {
    MoneyAmount balance;
    std::int64_t months = 0;
    std::int64_t interestMonths = 0;
    MoneyAmount interest;
};

PayoffRunResult resultOf(SegmentEnd end, const RunState& run)
{
    switch (end) {
    case SegmentEnd::NotPayable: return {kNeverPaidOffMonths, true, RunEnd::NotCovered, run.interest};
    case SegmentEnd::TooLong: return {kNeverPaidOffMonths, true, RunEnd::TooLong, run.interest};
    default: return {run.months, false, RunEnd::PaidOff, run.interest};
    }
}

constexpr MoneyAmount kOneTick = MoneyAmount::fromTicks(1);

// The balance plus interest less the payment, in an order whose intermediate
// result stays in range whenever the answer does.
std::optional<MoneyAmount> afterPayment(MoneyAmount balance, MoneyAmount interest, MoneyAmount payment)
{
    if (const auto paidDown = payment.minus(interest))
        return balance.minus(*paidDown);
    const auto withInterest = balance.plus(interest);
    return withInterest ? withInterest->minus(payment) : std::nullopt;
}

// The last month of a positive balance that falls by paidDown each month,
// counting the present month as 0.
std::int64_t lastOwingMonth(MoneyAmount balance, MoneyAmount paidDown)
{
    return balance.minus(kOneTick)->countOf(paidDown);
}

// n months at interest k, each paying paidDown = payment - k off the balance;
// the balance is still owed at the start of each of them.
void runMonths(RunState& run, MoneyAmount k, MoneyAmount paidDown, std::int64_t n)
{
    run.balance = *run.balance.minus(*paidDown.times(n - 1))->minus(paidDown);
    run.interest = run.interest.plusTimesHeld(k, n);
    run.months += n;
    if (k != MoneyAmount())
        run.interestMonths += n;
}

// One month's interest at one monthly rate, always equal to monthInterest,
// mostly by a single multiplication.
//
// Both start from a = the balance's ticks as a double. monthInterest then
// rounds four times (/ 10000, x rate, / 100, x 10000), the quick product
// q = a x fl(rate / 100) twice. Without underflow each rounding is within a
// factor 1 +- 2^-53 of its exact result, so the two lie within 4.01 x 2^-53
// and 2.01 x 2^-53 times |A| of A = a x rate / 100, and within
// 6.03 x 2^-53 |q| < 2^-50 |q| of each other. When q is farther than that from
// every half-integer, no half-integer lies between the two: both round to the
// same whole number of ticks, whatever the tie rule.
// - From |q| >= 1/4 on nothing underflows (every step is at least |A| / 10^4,
//   and rate / 100 at least |q| / 2^63). Below 1/4 both give 0, underflow or
//   not: underflow adds less than 2^-1000 to either.
// - |q| < 2^48 keeps q below 2^52, where roundHalfEven rounds, and the margin
//   below 1/4, so 0.5 - |q - whole| is either exact or above 1/4 (|q - whole|
//   itself is exact).
class MonthInterest {
public:
    explicit MonthInterest(double monthlyRate)
        : m_monthlyRate(monthlyRate)
        , m_perTick(monthlyRate / 100)
    {
    }

    std::optional<MoneyAmount> operator()(MoneyAmount balance) const
    {
        const double quick = static_cast<double>(balance.ticks()) * m_perTick;
        const double whole = roundHalfEven(quick);
        const double size = std::fabs(quick);
        if (size < 0x1p48 && 0.5 - std::fabs(quick - whole) > size * 0x1p-50)
            return MoneyAmount::fromTicks(static_cast<std::int64_t>(whole));
        return exact(balance);
    }

    std::optional<MoneyAmount> exact(MoneyAmount balance) const { return monthInterest(balance, m_monthlyRate); }

private:
    double m_monthlyRate;
    double m_perTick;
};

// The last j in [good, to] for which holds(j) is true, given that it is true
// at good (at least 1) and stays false once false: out by doubling, then back
// by halves.
template <typename Holds>
std::int64_t lastWhere(std::int64_t good, std::int64_t to, Holds holds)
{
    std::int64_t bad = to + 1;
    while (good < to) {
        const std::int64_t probe = good + std::min(good, to - good);
        if (!holds(probe)) {
            bad = probe;
            break;
        }
        good = probe;
    }
    while (bad - good > 1) {
        const std::int64_t middle = good + (bad - good) / 2;
        (holds(middle) ? good : bad) = middle;
    }
    return good;
}

// A stretch is worth searching once the interest this many months on is still
// the same; the search costs a few dozen interest sums.
constexpr std::int64_t kLookAhead = 32;

// Runs the months up to and including lastMonth at one monthly rate (percent).
SegmentEnd runAtRate(RunState& run, double monthlyRate, MoneyAmount payment, std::int64_t lastMonth,
                     std::int64_t mostInterestMonths)
{
    const MonthInterest interestOn(monthlyRate);
    MoneyAmount previous = payment; // no month's interest reaches the payment
    while (run.balance.isPositive()) {
        if (run.months >= lastMonth)
            return SegmentEnd::RateChanges;
        const auto interest = interestOn(run.balance);
        if (!interest || *interest >= payment)
            return SegmentEnd::NotPayable;
        const MoneyAmount k = *interest;
        const auto paidDown = payment.minus(k);
        const std::int64_t monthsLeft = lastMonth - run.months;

        // The interest never moves away from k as the balance falls towards a
        // balance that also has interest k (it is monotone in the balance), so
        // the months in between are plain payments of payment - k. With no
        // interest now, there is none at any lower balance either.
        if (k == MoneyAmount()) {
            runMonths(run, k, payment, std::min(lastOwingMonth(run.balance, payment) + 1, monthsLeft));
            continue;
        }
        if (k == previous && paidDown) {
            const std::int64_t to = std::min(
                {lastOwingMonth(run.balance, *paidDown), monthsLeft - 1, mostInterestMonths - run.interestMonths - 1});
            const auto stillK = [&](std::int64_t j) {
                return interestOn.exact(*run.balance.minus(*paidDown->times(j))) == k;
            };
            if (to >= kLookAhead && stillK(kLookAhead)) {
                runMonths(run, k, *paidDown, lastWhere(kLookAhead, to, stillK) + 1);
                if (run.interestMonths >= mostInterestMonths && run.balance.isPositive())
                    return SegmentEnd::TooLong;
                continue;
            }
        }
        previous = k;

        const auto next = afterPayment(run.balance, k, payment);
        if (!next)
            return SegmentEnd::NotPayable;
        run.balance = *next;
        run.interest = run.interest.plusTimesHeld(k, 1);
        ++run.months;
        if (++run.interestMonths >= mostInterestMonths && run.balance.isPositive())
            return SegmentEnd::TooLong;
    }
    return SegmentEnd::PaidOff;
}

PayoffRunResult runFast(MoneyAmount openingBalance, const RatePlan& plan, std::optional<MoneyAmount> payment,
                        std::int64_t mostInterestMonths)
{
    if (!openingBalance.isPositive())
        return {};
    if (!payment)
        return {kNeverPaidOffMonths, true, RunEnd::NotCovered, {}};

    RunState run;
    run.balance = openingBalance;
    auto end = SegmentEnd::RateChanges;
    if (plan.introMonths > 0)
        end = runAtRate(run, plan.introRate / 12, *payment, plan.introMonths, mostInterestMonths);
    if (end == SegmentEnd::RateChanges)
        end = runAtRate(run, plan.regularRate / 12, *payment, std::numeric_limits<std::int64_t>::max(),
                        mostInterestMonths);
    return resultOf(end, run);
}

// Rates are compared as written bit for bit, so that every key equals itself.
struct RunKey {
    std::int64_t openingTicks;
    std::int64_t paymentTicks;
    bool paymentRead;
    std::int32_t introMonths;
    std::uint64_t introRate;
    std::uint64_t regularRate;
    std::int64_t mostInterestMonths;

    bool operator==(const RunKey&) const = default;
};

// The last runs of one thread. A run is a pure function of its key, so a
// remembered answer is the answer, and one store per thread needs no lock.
// An empty place holds the key of a run with nothing owed, and its answer.
class RecentRuns {
public:
    const PayoffRunResult* find(const RunKey& key) const
    {
        const auto at = std::find(m_keys.begin(), m_keys.end(), key);
        return at == m_keys.end() ? nullptr : &m_results[static_cast<std::size_t>(at - m_keys.begin())];
    }

    void keep(const RunKey& key, const PayoffRunResult& result)
    {
        m_keys[m_next] = key;
        m_results[m_next] = result;
        m_next = (m_next + 1) % m_keys.size();
    }

private:
    std::array<RunKey, 32> m_keys{};
    std::array<PayoffRunResult, 32> m_results{};
    std::size_t m_next{};
};

constinit thread_local RecentRuns t_recentRuns;

} // namespace

PayoffRunResult PayoffRun(MoneyAmount openingBalance, const RatePlan& plan, std::optional<MoneyAmount> payment,
                          std::int64_t mostInterestMonths)
{
    const RunKey key{openingBalance.ticks(),
                     payment.value_or(MoneyAmount()).ticks(),
                     payment.has_value(),
                     plan.introMonths,
                     std::bit_cast<std::uint64_t>(plan.introRate),
                     std::bit_cast<std::uint64_t>(plan.regularRate),
                     mostInterestMonths};
    if (const PayoffRunResult* known = t_recentRuns.find(key))
        return *known;
    const auto result = runFast(openingBalance, plan, payment, mostInterestMonths);
    t_recentRuns.keep(key, result);
    return result;
}

PayoffRunResult PayoffRunPlain(MoneyAmount openingBalance, const RatePlan& plan, std::optional<MoneyAmount> payment,
                               std::int64_t mostInterestMonths)
{
    RunState run;
    run.balance = openingBalance;
    while (run.balance.isPositive()) {
        const auto interest = payment ? monthInterest(run.balance, plan.monthlyRate(run.months + 1)) : std::nullopt;
        if (!interest || *interest >= *payment)
            return resultOf(SegmentEnd::NotPayable, run);
        if (*interest == MoneyAmount() && run.months >= plan.introMonths) {
            // The rate no longer changes, and the interest does not grow as the
            // balance falls: whole payments from here on.
            run.months += lastOwingMonth(run.balance, *payment) + 1;
            break;
        }
        const auto next = afterPayment(run.balance, *interest, *payment);
        if (!next)
            return resultOf(SegmentEnd::NotPayable, run);
        run.balance = *next;
        run.interest = run.interest.plusTimesHeld(*interest, 1);
        ++run.months;
        if (*interest != MoneyAmount() && ++run.interestMonths >= mostInterestMonths && run.balance.isPositive())
            return resultOf(SegmentEnd::TooLong, run);
    }
    return resultOf(SegmentEnd::PaidOff, run);
}

std::optional<double> LevelPayment(double balance, double r, double months)
{
    if (r == 0) {
        if (months == 0)
            return std::nullopt;
        return balance / months;
    }
    const double factor = std::pow(r + 1, months);
    const double rTimesFactor = r * factor;
    if (!std::isfinite(rTimesFactor) || rTimesFactor == 0)
        return std::nullopt;
    const double payment = balance / (1 / r - 1 / rTimesFactor);
    if (!std::isfinite(payment))
        return std::nullopt;
    return payment;
}

} // namespace plenwick

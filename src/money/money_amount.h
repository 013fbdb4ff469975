#pragma once

#include <compare>
#include <cstdint>
#include <optional>

namespace plenwick {

// Money as a whole number of ten-thousandths of a dollar. Sums, differences
// and multiples are exact; a result that leaves the 64-bit range is reported
// as a failure instead of wrapping around.
class MoneyAmount {
public:
    static constexpr std::int64_t kTicksPerUnit = 10000;

    constexpr MoneyAmount() = default;

    static constexpr MoneyAmount fromTicks(std::int64_t ticks) { return MoneyAmount(ticks); }
    constexpr std::int64_t ticks() const { return m_ticks; }

    // The size of the amount in ticks, whatever its sign; the lowest amount
    // has no positive counterpart among the amounts, but has one here.
    constexpr std::uint64_t magnitude() const
    {
        return m_ticks < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(m_ticks)
                           : static_cast<std::uint64_t>(m_ticks);
    }

    // Exact as a decimal; as a double it is the nearest double to that decimal.
    double toDouble() const { return static_cast<double>(m_ticks) / kTicksPerUnit; }

    // The runs do these every month, so they stay inline.
    constexpr std::optional<MoneyAmount> plus(MoneyAmount other) const
    {
        std::int64_t sum = 0;
        if (__builtin_add_overflow(m_ticks, other.m_ticks, &sum))
            return std::nullopt;
        return MoneyAmount(sum);
    }
    constexpr std::optional<MoneyAmount> minus(MoneyAmount other) const
    {
        std::int64_t difference = 0;
        if (__builtin_sub_overflow(m_ticks, other.m_ticks, &difference))
            return std::nullopt;
        return MoneyAmount(difference);
    }
    constexpr std::optional<MoneyAmount> times(std::int64_t count) const
    {
        std::int64_t product = 0;
        if (__builtin_mul_overflow(m_ticks, count, &product))
            return std::nullopt;
        return MoneyAmount(product);
    }

    // How many whole times a positive step fits into this amount (not negative).
    constexpr std::int64_t countOf(MoneyAmount step) const { return m_ticks / step.m_ticks; }

    // This plus count times the amount; an answer past an end of the range is
    // held at that end, so a running total never fails.
    MoneyAmount plusTimesHeld(MoneyAmount amount, std::int64_t count) const;

    constexpr bool isPositive() const { return m_ticks > 0; }

    constexpr auto operator<=>(const MoneyAmount&) const = default;

private:
    constexpr explicit MoneyAmount(std::int64_t ticks)
        : m_ticks(ticks)
    {
    }

    std::int64_t m_ticks = 0;
};

} // namespace plenwick

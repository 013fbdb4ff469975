#include "money/money_amount.h"

namespace plenwick {

std::optional<MoneyAmount> MoneyAmount::plus(MoneyAmount other) const
{
    std::int64_t sum = 0;
    if (__builtin_add_overflow(m_ticks, other.m_ticks, &sum))
        return std::nullopt;
    return MoneyAmount(sum);
}

std::optional<MoneyAmount> MoneyAmount::minus(MoneyAmount other) const
{
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(m_ticks, other.m_ticks, &difference))
        return std::nullopt;
    return MoneyAmount(difference);
}

std::optional<MoneyAmount> MoneyAmount::times(std::int64_t count) const
{
    std::int64_t product = 0;
    if (__builtin_mul_overflow(m_ticks, count, &product))
        return std::nullopt;
    return MoneyAmount(product);
}

} // namespace plenwick

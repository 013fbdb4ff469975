#include "money/money_amount.h"

#include <algorithm>
#include <limits>

namespace plenwick {

MoneyAmount MoneyAmount::plusTimesHeld(MoneyAmount amount, std::int64_t count) const
{
    // 128 bits hold any product of two amounts' ticks plus a third.
    using Wide = __int128;
    const Wide exact = Wide{m_ticks} + Wide{amount.m_ticks} * count;
    const Wide lowest = std::numeric_limits<std::int64_t>::min();
    const Wide highest = std::numeric_limits<std::int64_t>::max();
    return MoneyAmount(static_cast<std::int64_t>(std::clamp(exact, lowest, highest)));
}

} // namespace plenwick

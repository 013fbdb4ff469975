#pragma once

#include "money/money_text.h"

namespace plenwick {

// Money written as in the tables of cases; the text is known to read.
inline MoneyAmount dollars(const char* text) { return money(text).value(); }

} // namespace plenwick

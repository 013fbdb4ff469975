#include "plan/offer_terms.h"

#include "money/money_text.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace plenwick {

namespace {

std::int32_t wholeMonths(const std::string& text)
{
    const double value = std::nearbyint(number(text).value_or(0));
    if (!(value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max()))
        return 0;
    return static_cast<std::int32_t>(value);
}

} // namespace

RankOffer RankOfferFromTexts(const OfferTexts& texts)
{
    RankOffer offer;
    offer.name = texts.name;
    offer.detailsAddress = texts.detailsAddress;
    // Plain numbers for now; a rate reader that also takes a trailing "%"
    // belongs here once money offers one.
    offer.plan = {wholeMonths(texts.introMonths), number(texts.introRate).value_or(0),
                  number(texts.regularRate).value_or(0)};
    offer.annualFee = money(texts.annualFee);
    offer.transferFeePercent = number(texts.transferFee);
    return offer;
}

} // namespace plenwick

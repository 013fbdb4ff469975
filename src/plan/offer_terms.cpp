#include "plan/offer_terms.h"

#include "calculations/savings.h"
#include "money/money_text.h"

namespace plenwick {

RankOffer RankOfferFromTexts(const OfferTexts& texts)
{
    RankOffer offer;
    offer.name = texts.name;
    offer.detailsAddress = texts.detailsAddress;
    offer.plan = OfferRatePlan(texts.introMonths, texts.introRate, texts.regularRate);
    offer.annualFee = money(texts.annualFee);
    offer.transferFeePercent = rate(texts.transferFee);
    return offer;
}

} // namespace plenwick

#pragma once

#include "plan/offer_ranking.h"

#include <string>

namespace plenwick {

// The fields of one offer-file line as text.
struct OfferTexts {
    std::string name, detailsAddress, introMonths, introRate, regularRate, annualFee, transferFee;
};

// Reads an offer the way My Savings reads its rates: intro months as a whole
// number (a fraction to the nearest, a half to the even one; out of range or
// not a number is 0), rates that are not numbers as 0. A fee that is empty or
// not a number stays unknown.
RankOffer RankOfferFromTexts(const OfferTexts& texts);

} // namespace plenwick

#pragma once

#include "plan/offer_ranking.h"

#include <string>

namespace plenwick {

// The fields of one offer-file line as text.
struct OfferTexts {
    std::string name, detailsAddress, introMonths, introRate, regularRate, annualFee, transferFee;
};

// Reads an offer's fields: intro months as a whole number (a fraction to the
// nearest, a half to the even one; empty is none). A months or rate field
// that is no number, not finite, negative or past its bound is the offer's
// fault, never 0; the intro rate is read only for intro months above 0. A fee
// that is empty, no number or negative stays unknown; an annual fee past the
// money range is a fault.
RankOffer RankOfferFromTexts(const OfferTexts& texts);

} // namespace plenwick

#include "plan/offer_terms.h"

#include "money/money_text.h"

#include <cmath>

namespace plenwick {

namespace {

// No card is advertised at more than this a year, nor with a longer
// introduction; a field beyond them is a fault of the offer file.
constexpr double kMostOfferRate = 100;
constexpr double kMostIntroMonths = 120;

// A number from 0 to the bound; "-0" carries a sign that no rate has.
std::optional<double> withinBound(std::optional<double> value, double bound)
{
    if (!value || !std::isfinite(*value) || std::signbit(*value) || *value > bound)
        return std::nullopt;
    return value;
}

} // namespace

RankOffer RankOfferFromTexts(const OfferTexts& texts)
{
    RankOffer offer;
    offer.name = texts.name;
    offer.detailsAddress = texts.detailsAddress;
    const auto fault = [&offer](OfferFieldFault::Kind kind, const char* field, const std::string& text) {
        if (!offer.fault)
            offer.fault = OfferFieldFault{kind, field, text};
    };
    const auto unreadable = [&fault](const char* field, const std::string& text) {
        fault(OfferFieldFault::Kind::UnreadableRate, field, text);
    };

    // No introductory months written: no introduction.
    const auto months =
        withinBound(texts.introMonths.empty() ? std::optional(0.0) : number(texts.introMonths), kMostIntroMonths);
    if (months)
        offer.plan.introMonths = static_cast<std::int32_t>(std::nearbyint(*months));
    else
        unreadable("intro months", texts.introMonths);
    if (offer.plan.introMonths > 0) {
        if (const auto introRate = withinBound(rate(texts.introRate), kMostOfferRate))
            offer.plan.introRate = *introRate;
        else
            unreadable("intro rate", texts.introRate);
    }
    if (const auto regularRate = withinBound(rate(texts.regularRate), kMostOfferRate))
        offer.plan.regularRate = *regularRate;
    else
        unreadable("regular rate", texts.regularRate);

    // A negative fee is no gift: unknown, as one that does not read.
    const auto annualFee = money(texts.annualFee);
    std::string annualNumber = texts.annualFee;
    std::erase(annualNumber, '$');
    const auto annualValue = number(annualNumber);
    if (annualFee && !(*annualFee < MoneyAmount()))
        offer.annualFee = annualFee;
    else if (!annualFee && annualValue && *annualValue > 0)
        fault(OfferFieldFault::Kind::FeeOutOfRange, "annual fee", texts.annualFee);
    const auto transferFee = rate(texts.transferFee);
    if (transferFee && !std::signbit(*transferFee))
        offer.transferFeePercent = transferFee;
    return offer;
}

} // namespace plenwick

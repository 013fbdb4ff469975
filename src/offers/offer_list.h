#pragma once

#include <QString>

#include <vector>

namespace plenwick {

// One advertised card, its fields kept as the text that stood in the offer
// file; readers convert them where they use them. The last two are optional
// and newer: a line without them leaves them empty.
struct OfferRecord {
    QString cardName;
    QString detailsAddress;
    QString introMonths;
    QString introRate;
    QString regularRate;
    QString annualFee;   // money text, "$95.00"
    QString transferFee; // percent of the balance moved, rate text, "3.00"

    bool operator==(const OfferRecord&) const = default;
};

// The offers in file order; an offer's position is its position in every
// card choice of "My Savings".
using OfferList = std::vector<OfferRecord>;

} // namespace plenwick

#pragma once

#include <QString>

#include <vector>

namespace plenwick {

// One advertised card, its five fields kept as the text that stood in the
// offer file; readers convert them where they use them.
struct OfferRecord {
    QString cardName;
    QString detailsAddress;
    QString introMonths;
    QString introRate;
    QString regularRate;

    bool operator==(const OfferRecord&) const = default;
};

// The offers in file order; an offer's position is its position in every
// card choice of "My Savings".
using OfferList = std::vector<OfferRecord>;

} // namespace plenwick

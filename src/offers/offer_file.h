#pragma once

#include "offers/offer_list.h"

#include <QByteArray>

namespace plenwick {

// The most offers a card choice can hold; later lines are dropped.
inline constexpr int kMostOffers = 32767;

// One offer per CR LF line, five "|"-separated fields; empty lines are
// skipped, missing fields read as empty and fields past the fifth are
// dropped. Bytes that are not UTF-8 are read as Latin-1.
OfferList readOfferFile(const QByteArray& body);

} // namespace plenwick

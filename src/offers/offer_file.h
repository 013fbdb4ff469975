#pragma once

#include "offers/offer_list.h"

#include <QByteArray>
#include <QUrl>

namespace plenwick {

// The most offers a card choice can hold; later lines are dropped.
inline constexpr int kMostOffers = 32767;

// One offer per CR LF line, up to seven "|"-separated fields; empty lines
// are skipped, missing fields read as empty and fields past the seventh are
// dropped. Each line is decoded on its own (UTF-8, else Latin-1). With the
// offer file's own address, relative offer addresses are resolved against
// it.
OfferList readOfferFile(const QByteArray& body, const QUrl& offerFile = {});

} // namespace plenwick

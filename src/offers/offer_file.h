#pragma once

#include "offers/offer_list.h"

#include <QByteArray>
#include <QUrl>

#include <cstddef>

namespace plenwick {

// The most offers a card choice can hold; later lines are dropped, and
// counted in leftOut when given.
inline constexpr int kMostOffers = 32767;

// One offer per CR LF line, up to seven "|"-separated fields; empty lines
// are skipped, missing fields read as empty and fields past the seventh are
// dropped. Each line is decoded on its own (UTF-8, else Latin-1). With the
// offer file's own address, relative offer addresses are resolved against
// it. Names lose their bidirectional controls, so that none turns the text
// shown after it around.
OfferList readOfferFile(const QByteArray& body, const QUrl& offerFile = {}, std::size_t* leftOut = nullptr);

// The text without the characters that set or override the direction of
// text (embeddings, overrides, isolates and marks).
QString withoutDirectionControls(QString text);

} // namespace plenwick

// Reading what comes from outside: whatever the bytes, read as a card file, as
// an offer file and as money and rate text shown in either pattern, nothing
// the sanitizers object to. What is read and shown is the unit tests' to check.
#include "cards/card_file.h"
#include "money/money_text.h"
#include "offers/offer_file.h"

#include <cstdint>

using namespace plenwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    readCardFile(bytes);
    readOfferFile(bytes, QUrl(QStringLiteral("http://127.0.0.1:8765/app/newCCOffers.txt")));
    const std::string_view text(bytes.constData(), size);
    money(text);
    rate(text);
    FormatByPattern(text, Pattern::Money);
    FormatByPattern(text, Pattern::Rate);
    return 0;
}

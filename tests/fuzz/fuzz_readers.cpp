// Reading the card file: whatever the bytes, rows, and nothing the sanitizers
// object to. That any rows written read back the same is the card file test's.
#include "cards/card_file.h"

#include <cstdint>

using namespace plenwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    readCardFile(QByteArrayView(data, static_cast<qsizetype>(size)));
    return 0;
}

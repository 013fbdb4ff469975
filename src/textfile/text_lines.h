#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace plenwick {

// The program's text files (the card file, the offer file) end their lines
// with CR LF; a lone CR or LF stays inside its line, and the text after the
// last CR LF counts as a line too. Each line is decoded on its own, so one
// stray byte changes no other line. A byte order mark opening the file is
// dropped.
QStringList readLines(QByteArrayView bytes);

// UTF-8, or byte for byte as Latin-1 when the bytes are not valid UTF-8.
QString decodeLine(QByteArrayView line);

} // namespace plenwick

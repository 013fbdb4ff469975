#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>

#include <optional>

namespace plenwick {

// Reading and writing the person's own small files (the card file, the plan
// file) so that nothing in them is lost: a read never blocks or takes more
// than a bound, and a write replaces the whole file or leaves it as it was.

// A path as the person's system writes it, for messages.
inline QString nativePath(const QString& path) { return QDir::toNativeSeparators(path); }

struct FoundFile {
    bool exists = false;
    QByteArray bytes;
    QString problem; // why it could not be read
};

// Reads a regular file (or a link to one) of at most mostBytes; never blocks
// on a pipe. A larger file is not read, and tooLarge is its problem.
FoundFile readSmallFile(const QString& path, qint64 mostBytes, const QString& tooLarge);

struct KeptCopy {
    QString path;
    QString problem; // why no copy could be made
};

// Copies bytes to a new file "PATH.WHY" beside path (or "PATH.WHY-2", ...),
// readable by its owner only; a copy of the same bytes made earlier counts.
KeptCopy keepCopy(const QString& path, const QByteArray& bytes, const QString& why);

// The temporary file of a save stands beside its file under this suffix and
// six letters, a name no person gives a file.
inline constexpr const char* kSavingSuffix = ".plenwick-saving-";

// Removes the temporary files a save of path cut short left behind, and only those.
void removeLeftovers(const QString& path);

// Writes bytes to a new file that then takes path's place (through a link,
// the link's target is replaced), keeping the old file's permissions; a new
// file is readable by its owner only. A file the person made read-only is
// not replaced. No value on success, otherwise the
// reason, and the old file stays as it was.
std::optional<QString> replaceWhole(const QString& path, const QByteArray& bytes);

} // namespace plenwick

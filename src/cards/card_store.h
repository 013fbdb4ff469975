#pragma once

#include "cards/card_file.h"

#include <QString>

#include <optional>

namespace plenwick {

// Yes when the file can be opened for reading; never reports an error.
bool filethere(const QString& fileName);

// Appends the text and CR LF to the file, creating it when missing. No value
// on success, otherwise the reason it failed.
std::optional<QString> LogIt(const QString& fileName, const QString& strin);

// Where the card file lives: beside the program when that folder can be
// written, otherwise in the person's own application data folder. An
// installed program (its desktop entry stands in ../share/applications)
// always uses the person's folder, even when run by someone who could write
// into the system's program folder.
QString chooseCardFilePath(const QString& programFolder, const QString& userDataFolder);

inline constexpr const char* kDesktopEntryName = "org.plenwick.Plenwick.desktop";

struct LoadedCards {
    CardFileContents contents;
    QString keptCopy; // where a file that could not be read whole was copied, if it was
};

// Reads and writes mycards.dat at one path.
class CardStore {
public:
    static constexpr const char* kFileName = "mycards.dat";

    explicit CardStore(QString path);

    const QString& path() const { return m_path; }

    // A file that cannot be read whole is first copied, as found, beside
    // itself, so that the next save loses nothing.
    LoadedCards load() const;

    // Writes the whole text to a new file that then takes the old one's
    // place, so a failure keeps the old file. No value on success, otherwise
    // the reason it failed.
    std::optional<QString> save(const QString& text) const;

private:
    QString m_path;
};

} // namespace plenwick

#pragma once

#include "cards/card_file.h"

#include <QString>

#include <optional>

namespace plenwick {

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
    QString warning;  // what to tell the person at start (path and reason); empty when all is well
};

// Reads and writes the card file at one path. A card file that is there but
// could not be read whole is never written over until a copy of it, as
// found, stands beside it; every save until then says why it was refused,
// and each one tries again, so a file the person mends is saved over without
// a restart.
class CardStore {
public:
    static constexpr const char* kFileName = "mycards.dat";
    // A real card file is under 1 KB; anything larger is not one.
    static constexpr qint64 kMostBytes = qint64{1024} * 1024;

    // Also makes a write past the process's file-size limit fail with an
    // error instead of ending the program (SIGXFSZ is ignored).
    explicit CardStore(QString path);

    const QString& path() const { return m_path; }

    // Reads only a regular file (or a link to one) of at most kMostBytes.
    // Removes the temporary files an interrupted save of ours left behind.
    LoadedCards load();

    // Writes the whole text to a new file that then takes the old one's
    // place (through a link, the link's target is replaced), keeping the old
    // file's permissions; a new file is readable by its owner only. No value
    // on success, otherwise the reason, and the old file stays as it was.
    std::optional<QString> save(const QString& text);

private:
    std::optional<QString> keepWhatIsThere();

    QString m_path;
    bool m_mustKeepFirst = false; // the file holds cards that are not on the screen
};

} // namespace plenwick

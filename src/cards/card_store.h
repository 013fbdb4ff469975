#pragma once

#include "cards/card_file.h"
#include "cards/careful_file.h"

#include <QByteArray>
#include <QLockFile>
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
//
// Only one copy of the program writes a card file: the first to load it holds
// a lock file beside it until it ends. Another copy reads the cards and saves
// nothing until it takes over, which it can once the first has ended (or died:
// the lock of a process that is gone counts for nothing). Nor does a save
// replace a file that changed on disk since this store read or wrote it.
class CardStore {
public:
    static constexpr const char* kFileName = "mycards.dat";
    // A real card file is under 1 KB; anything larger is not one.
    static constexpr qint64 kMostBytes = qint64{1024} * 1024;
    // Beside the card file while this copy of the program may write it.
    static constexpr const char* kLockSuffix = ".plenwick-lock";

    // Also makes a write past the process's file-size limit fail with an
    // error instead of ending the program (SIGXFSZ is ignored).
    explicit CardStore(QString path);

    const QString& path() const { return m_path; }

    // Takes the lock when it can. Reads only a regular file (or a link to
    // one) of at most kMostBytes. Holding the lock, removes the temporary
    // files an interrupted save of ours left behind.
    LoadedCards load();

    // While another running copy holds the lock: which one ("process 4242
    // on harbor"); nothing may be written then.
    bool readOnly() const { return !m_otherCopy.isEmpty(); }
    const QString& otherCopy() const { return m_otherCopy; }
    // Tries the lock again; true when this store may write. A lock file that
    // cannot be made at all (a folder closed to writing) hinders nothing:
    // the save itself then says why it fails.
    bool takeOver();

    // The file on disk holds cards this store has not read or written.
    bool changedOnDisk() const;
    // Copies the file as it is now beside it, after which a save may replace it.
    KeptCopy keepChangedFile();

    // Writes the whole text to a new file that then takes the old one's
    // place (through a link, the link's target is replaced), keeping the old
    // file's permissions; a new file is readable by its owner only. No value
    // on success, otherwise the reason, and the old file stays as it was.
    std::optional<QString> save(const QString& text);

private:
    bool changedSince(const QByteArray& bytes) const;

    QString m_path;
    QLockFile m_lock;
    QString m_otherCopy;
    QByteArray m_known;           // the file's bytes as last read or written
    bool m_mustKeepFirst = false; // the file holds cards that are not on the screen
};

} // namespace plenwick

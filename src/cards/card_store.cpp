#include "cards/card_store.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <csignal>

namespace plenwick {

namespace {

bool folderCanBeWritten(const QString& folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".plenwick-probe-XXXXXX")));
    return probe.open();
}

FoundFile readCardFileBytes(const QString& path)
{
    return readSmallFile(path, CardStore::kMostBytes,
                         QStringLiteral("it is larger than 1 MiB, far more than a card file holds"));
}

} // namespace

QString chooseCardFilePath(const QString& programFolder, const QString& userDataFolder)
{
    const bool installed = QFileInfo::exists(
        QDir(programFolder).filePath(QStringLiteral("../share/applications/%1").arg(QLatin1String(kDesktopEntryName))));
    if (!installed && folderCanBeWritten(programFolder))
        return QDir(programFolder).filePath(QString::fromLatin1(CardStore::kFileName));
    QDir().mkpath(userDataFolder);
    return QDir(userDataFolder).filePath(QString::fromLatin1(CardStore::kFileName));
}

CardStore::CardStore(QString path)
    : m_path(std::move(path))
    , m_lock(m_path + QLatin1String(kLockSuffix))
{
#if defined(SIGXFSZ)
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    // Only a lock whose process is gone is stale, however old: a copy of the
    // program may well run for days, and where the folder has no native locks
    // (some network folders) nothing else tells a live lock apart.
    m_lock.setStaleLockTime(0);
}

bool CardStore::takeOver()
{
    if (m_lock.isLocked() || m_lock.tryLock() || m_lock.error() != QLockFile::LockFailedError) {
        m_otherCopy.clear();
        return true;
    }
    qint64 process{};
    QString host, program;
    m_otherCopy = m_lock.getLockInfo(&process, &host, &program)
                      ? QStringLiteral("process %1 on %2").arg(process).arg(host)
                      : QStringLiteral("one whose lock %1 cannot be read").arg(nativePath(m_lock.fileName()));
    return false;
}

LoadedCards CardStore::load()
{
    takeOver();
    if (m_lock.isLocked())
        removeLeftovers(m_path);
    LoadedCards loaded;
    const FoundFile found = readCardFileBytes(m_path);
    m_known = found.bytes;
    m_mustKeepFirst = !found.problem.isEmpty();
    if (m_mustKeepFirst) {
        loaded.contents.wholeFile = false;
        loaded.warning = QStringLiteral("Your cards could not be read from %1: %2.\n\nThe file is left as it is, and "
                                        "nothing is saved over it while it cannot be read. Once it can, the next save "
                                        "first keeps a copy of it beside it.")
                             .arg(nativePath(m_path), found.problem);
        return loaded;
    }
    loaded.contents = readCardFile(found.bytes);
    if (loaded.contents.wholeFile)
        return loaded;

    loaded.warning = QStringLiteral("Some cards in %1 could not be read.").arg(nativePath(m_path));
    m_mustKeepFirst = true;
    if (readOnly()) {
        loaded.warning += QStringLiteral(" The file is left as it is; a copy of it is kept beside it before anything "
                                         "is saved over it.");
        return loaded;
    }
    const KeptCopy copy = keepCopy(m_path, found.bytes, QStringLiteral("unreadable"));
    loaded.keptCopy = copy.path;
    m_mustKeepFirst = copy.path.isEmpty();
    if (m_mustKeepFirst)
        loaded.warning += QStringLiteral(" The file as it was found could not be copied (%1), so nothing is saved "
                                         "over it until a copy can be made.")
                              .arg(copy.problem);
    else
        loaded.warning += QStringLiteral(" The file as it was found is kept in %1.").arg(nativePath(copy.path));
    return loaded;
}

// A file that could not be read at all is the person's to mend: the next
// save keeps a copy of whatever then stands there, as the start promised.
bool CardStore::changedSince(const QByteArray& bytes) const
{
    return !bytes.isEmpty() && bytes != m_known && !(m_mustKeepFirst && m_known.isEmpty());
}

bool CardStore::changedOnDisk() const
{
    const FoundFile found = readCardFileBytes(m_path);
    return found.problem.isEmpty() && changedSince(found.bytes);
}

KeptCopy CardStore::keepChangedFile()
{
    const FoundFile found = readCardFileBytes(m_path);
    if (!found.problem.isEmpty())
        return {{}, found.problem};
    KeptCopy copy = keepCopy(m_path, found.bytes, QStringLiteral("changed"));
    if (!copy.path.isEmpty()) {
        m_known = found.bytes;
        m_mustKeepFirst = false; // what stands there now is kept
    }
    return copy;
}

std::optional<QString> CardStore::save(const QString& text)
{
    if (!takeOver())
        return QStringLiteral("Another copy of Plenwick (%1) has the card file open, so this copy saves nothing. "
                              "Close that copy, then save again.")
            .arg(m_otherCopy);
    const FoundFile found = readCardFileBytes(m_path);
    if (!found.problem.isEmpty())
        return QStringLiteral("The card file there could not be read (%1), so it is not written over.")
            .arg(found.problem);
    if (changedSince(found.bytes))
        return QStringLiteral("The card file was changed on disk since Plenwick read it, so it is not written over.");
    if (m_mustKeepFirst && !found.bytes.isEmpty()) {
        const KeptCopy copy = keepCopy(m_path, found.bytes, QStringLiteral("unreadable"));
        if (copy.path.isEmpty())
            return QStringLiteral("The card file there could not be copied (%1), so it is not written over.")
                .arg(copy.problem);
    }
    m_mustKeepFirst = false;
    const QByteArray bytes = text.toUtf8();
    if (auto failure = replaceWhole(m_path, bytes))
        return failure;
    m_known = bytes;
    return std::nullopt;
}

} // namespace plenwick

#include "cards/card_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <system_error>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace plenwick {

namespace {

QString native(const QString& path) { return QDir::toNativeSeparators(path); }

constexpr int kMostLinks = 40;
constexpr int kRandomLetters = 6; // QTemporaryFile's, for "XXXXXX"

bool folderCanBeWritten(const QString& folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".plenwick-probe-XXXXXX")));
    return probe.open();
}

struct FoundFile {
    bool exists = false;
    QByteArray bytes;
    QString problem; // why it could not be read
};

// Never blocks on a pipe and never reads more than a card file can hold.
FoundFile readCardFileBytes(const QString& path)
{
    const QFileInfo info(path);
    FoundFile found{info.exists() || info.isSymLink(), {}, {}};
    if (!found.exists)
        return found;
    if (!info.exists()) {
        found.problem = QStringLiteral("it is a link to %1, which does not exist").arg(native(info.symLinkTarget()));
        return found;
    }
    QFile file;
#if defined(Q_OS_UNIX)
    const int handle = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    struct stat status { };
    if (handle < 0 || ::fstat(handle, &status) != 0) {
        found.problem = qt_error_string(errno);
        if (handle >= 0)
            ::close(handle);
        return found;
    }
    file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    const bool regular = S_ISREG(status.st_mode);
#else
    file.setFileName(path);
    const bool regular = info.isFile();
    if (regular && !file.open(QIODevice::ReadOnly)) {
        found.problem = file.errorString();
        return found;
    }
#endif
    if (!regular) {
        found.problem = info.isDir() ? QStringLiteral("it is a folder") : QStringLiteral("it is not an ordinary file");
        return found;
    }
    // One byte more than may be read tells a file that grew meanwhile.
    const QByteArray bytes = file.size() <= CardStore::kMostBytes ? file.read(CardStore::kMostBytes + 1) : QByteArray();
    if (file.size() > CardStore::kMostBytes || bytes.size() > CardStore::kMostBytes)
        found.problem = QStringLiteral("it is larger than 1 MiB, far more than a card file holds");
    else if (file.error() != QFileDevice::NoError)
        found.problem = file.errorString();
    else
        found.bytes = bytes;
    return found;
}

// On a file opened unbuffered, so that a write the disk refuses (full, or
// past the file-size limit) fails here with its reason. Buffered, the
// refusal would come in the final flush, which QSaveFile's commit does not
// check: it would put a cut-off file in the old one's place.
bool writeAll(QFileDevice& file, QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        const qint64 written = file.write(bytes.data(), bytes.size());
        if (written <= 0)
            return false;
        bytes = bytes.sliced(written);
    }
    return true;
}

bool syncToDisk([[maybe_unused]] QFile& file)
{
#if defined(Q_OS_UNIX)
    return ::fsync(file.handle()) == 0;
#else
    return true;
#endif
}

// The copy is a file of its own, created new (never through a link) and on
// the disk before it counts. A copy of the same bytes made earlier counts
// too, so starting again and again on the same file adds no copies.
KeptCopy keepCopy(const QString& path, const QByteArray& bytes, const QString& why)
{
    constexpr int kMostCopies = 100;
    for (int n = 1; n <= kMostCopies; ++n) {
        const QString name =
            QStringLiteral("%1.%2").arg(path, why) + (n > 1 ? QStringLiteral("-%1").arg(n) : QString());
        const QFileInfo taken(name);
        if (taken.exists() || taken.isSymLink()) {
            QFile earlier(name);
            if (!taken.isSymLink() && taken.isFile() && taken.size() == bytes.size() &&
                earlier.open(QIODevice::ReadOnly) && earlier.readAll() == bytes)
                return {name, {}};
            continue;
        }
        QFile copy(name);
        if (!copy.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered,
                       QFileDevice::ReadOwner | QFileDevice::WriteOwner))
            return {{}, copy.errorString()};
        if (!writeAll(copy, bytes) || !syncToDisk(copy)) {
            KeptCopy failed{{}, copy.errorString()};
            copy.remove();
            return failed;
        }
        return {name, {}};
    }
    return {{}, QStringLiteral("%1 copies stand there already").arg(kMostCopies)};
}

// Where a save writes: through links, to the file they lead to.
QString finalTarget(const QString& path)
{
    QFileInfo file(path);
    for (int depth = 0; depth < kMostLinks && file.isSymLink(); ++depth)
        file.setFile(file.symLinkTarget());
    return file.filePath();
}

// Only files of our own pattern go: a person's "mycards.dat.MyCopy" stays.
void removeLeftovers(const QString& path)
{
    for (const QFileInfo& card : {QFileInfo(path), QFileInfo(finalTarget(path))}) {
        const QString prefix = card.fileName() + QLatin1String(CardStore::kSavingSuffix);
        const QFileInfoList entries = card.dir().entryInfoList(QDir::Files | QDir::System | QDir::Hidden);
        for (const QFileInfo& entry : entries) {
            const QString name = entry.fileName();
            if (entry.isSymLink() || !name.startsWith(prefix) || name.size() != prefix.size() + kRandomLetters)
                continue;
            const QStringView letters = QStringView(name).sliced(prefix.size());
            if (std::all_of(letters.begin(), letters.end(),
                            [](QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }))
                QFile::remove(entry.filePath());
        }
    }
}

// A temporary file opened unbuffered.
class SavingFile : public QTemporaryFile {
public:
    using QTemporaryFile::QTemporaryFile;
    bool openUnbuffered() { return open(QIODevice::ReadWrite | QIODevice::Unbuffered); }
};

// QSaveFile names its temporary file with six random letters after the
// file's name, as a person may name a copy; ours carries kSavingSuffix.
std::optional<QString> replaceWhole(const QString& path, const QByteArray& bytes)
{
    const QFileInfo target(finalTarget(path));
    const QFileDevice::Permissions permissions =
        target.exists() ? target.permissions() : QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    SavingFile file(target.filePath() + QLatin1String(CardStore::kSavingSuffix) + QStringLiteral("XXXXXX"));
    if (!file.openUnbuffered() || !file.setPermissions(permissions) || !writeAll(file, bytes) || !syncToDisk(file))
        return file.errorString();
    file.close();
    std::error_code error;
    std::filesystem::rename(file.filesystemFileName(), target.filesystemFilePath(), error);
    if (error)
        return QString::fromStdString(error.message());
    file.setAutoRemove(false); // its name is gone
    return std::nullopt;
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
    if (m_lock.isLocked() || m_lock.tryLock(0) || m_lock.error() != QLockFile::LockFailedError) {
        m_otherCopy.clear();
        return true;
    }
    qint64 process{};
    QString host, program;
    m_otherCopy = m_lock.getLockInfo(&process, &host, &program)
                      ? QStringLiteral("process %1 on %2").arg(process).arg(host)
                      : QStringLiteral("one whose lock %1 cannot be read").arg(native(m_lock.fileName()));
    return false;
}

LoadedCards CardStore::load()
{
    if (takeOver() && m_lock.isLocked())
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
                             .arg(native(m_path), found.problem);
        return loaded;
    }
    loaded.contents = readCardFile(found.bytes);
    if (loaded.contents.wholeFile)
        return loaded;

    loaded.warning = QStringLiteral("Some cards in %1 could not be read.").arg(native(m_path));
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
        loaded.warning += QStringLiteral(" The file as it was found is kept in %1.").arg(native(copy.path));
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
    // Checked by its permission bits too: the owner's, whoever runs the program.
    const QFileInfo existing(m_path);
    if (existing.exists() && (!existing.isWritable() || !existing.permissions().testFlag(QFileDevice::WriteOwner)))
        return QStringLiteral("The card file is read-only.");

    const QByteArray bytes = text.toUtf8();
    if (auto failure = replaceWhole(m_path, bytes))
        return failure;
    m_known = bytes;
    return std::nullopt;
}

} // namespace plenwick

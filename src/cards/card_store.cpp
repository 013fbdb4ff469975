#include "cards/card_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryFile>

#include <csignal>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace plenwick {

namespace {

QString native(const QString& path) { return QDir::toNativeSeparators(path); }

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
    if (file.size() <= CardStore::kMostBytes)
        found.bytes = file.read(CardStore::kMostBytes + 1);
    if (file.size() > CardStore::kMostBytes || found.bytes.size() > CardStore::kMostBytes)
        found.problem = QStringLiteral("it is larger than 1 MiB, far more than a card file holds");
    else if (file.error() != QFileDevice::NoError)
        found.problem = file.errorString();
    if (!found.problem.isEmpty())
        found.bytes.clear();
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

struct KeptCopy {
    QString path;
    QString problem; // why no copy could be made
};

// The copy is a file of its own, created new (never through a link) and on
// the disk before it counts. A copy of the same bytes made earlier counts
// too, so starting again and again on the same file adds no copies.
KeptCopy keepCopy(const QString& path, const QByteArray& bytes)
{
    constexpr int kMostCopies = 100;
    for (int n = 1; n <= kMostCopies; ++n) {
        const QString name =
            QStringLiteral("%1.unreadable").arg(path) + (n > 1 ? QStringLiteral("-%1").arg(n) : QString());
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

// A save cut short can leave its temporary file behind. Earlier versions
// named it "mycards.dat.saving" (or "-2", "-3", ...). QSaveFile names it
// with a dot and six random letters beside the file it replaces (a link's
// target); such a file is only taken for ours when it holds a whole card
// file and its letters mix both cases past the first, as a name a person
// gives ("backup", "Backup", "BACKUP") does not.
void removeLeftovers(const QString& path)
{
    const auto remove = [](const QFileInfo& card, const QString& pattern, bool onlyCardFiles) {
        const QRegularExpression ours(pattern.arg(QRegularExpression::escape(card.fileName())));
        const QFileInfoList entries = card.dir().entryInfoList({card.fileName() + QStringLiteral(".*")},
                                                               QDir::Files | QDir::System | QDir::Hidden);
        for (const QFileInfo& entry : entries) {
            if (!ours.match(entry.fileName()).hasMatch())
                continue;
            if (onlyCardFiles) {
                const FoundFile found = readCardFileBytes(entry.filePath());
                const CardFileContents contents = readCardFile(found.bytes);
                if (entry.isSymLink() || found.bytes.isEmpty() || !contents.wholeFile || !contents.savedAt)
                    continue;
            }
            QFile::remove(entry.filePath());
        }
    };
    const QFileInfo card(path);
    remove(card, QStringLiteral("^%1\\.saving(-\\d+)?$"), false);
    remove(QFileInfo(card.isSymLink() ? card.symLinkTarget() : path),
           QStringLiteral("^%1\\.(?=[A-Za-z]*[a-z])(?=.[A-Za-z]*[A-Z])[A-Za-z]{6}$"), true);
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
{
#if defined(SIGXFSZ)
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

LoadedCards CardStore::load()
{
    removeLeftovers(m_path);
    LoadedCards loaded;
    const FoundFile found = readCardFileBytes(m_path);
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

    const KeptCopy copy = keepCopy(m_path, found.bytes);
    loaded.keptCopy = copy.path;
    m_mustKeepFirst = copy.path.isEmpty();
    loaded.warning = QStringLiteral("Some cards in %1 could not be read.").arg(native(m_path));
    if (m_mustKeepFirst)
        loaded.warning += QStringLiteral(" The file as it was found could not be copied (%1), so nothing is saved "
                                         "over it until a copy can be made.")
                              .arg(copy.problem);
    else
        loaded.warning += QStringLiteral(" The file as it was found is kept in %1.").arg(native(copy.path));
    return loaded;
}

std::optional<QString> CardStore::keepWhatIsThere()
{
    const FoundFile found = readCardFileBytes(m_path);
    if (!found.problem.isEmpty())
        return QStringLiteral("The card file there could not be read (%1), so it is not written over.")
            .arg(found.problem);
    if (found.exists && !found.bytes.isEmpty()) {
        const KeptCopy copy = keepCopy(m_path, found.bytes);
        if (copy.path.isEmpty())
            return QStringLiteral("The card file there could not be copied (%1), so it is not written over.")
                .arg(copy.problem);
    }
    m_mustKeepFirst = false;
    return std::nullopt;
}

std::optional<QString> CardStore::save(const QString& text)
{
    if (m_mustKeepFirst) {
        if (auto refused = keepWhatIsThere())
            return refused;
    }
    // Checked by its permission bits too: the owner's, whoever runs the program.
    const QFileInfo existing(m_path);
    if (existing.exists() && (!existing.isWritable() || !existing.permissions().testFlag(QFileDevice::WriteOwner)))
        return QStringLiteral("The card file is read-only.");

    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    // Balances are nobody else's business.
    if (!existing.exists())
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QByteArray bytes = text.toUtf8();
    if (!writeAll(file, bytes) || !file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace plenwick

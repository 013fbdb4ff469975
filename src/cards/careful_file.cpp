#include "cards/careful_file.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>
#include <filesystem>
#include <system_error>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace plenwick {

namespace {

constexpr int kMostLinks = 40;
constexpr int kRandomLetters = 6; // QTemporaryFile's, for "XXXXXX"

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

// Where a save writes: through links, to the file they lead to.
QString finalTarget(const QString& path)
{
    QFileInfo file(path);
    for (int depth = 0; depth < kMostLinks && file.isSymLink(); ++depth)
        file.setFile(file.symLinkTarget());
    return file.filePath();
}

// A temporary file opened unbuffered.
class SavingFile : public QTemporaryFile {
public:
    using QTemporaryFile::QTemporaryFile;
    bool openUnbuffered() { return open(QIODevice::ReadWrite | QIODevice::Unbuffered); }
};

} // namespace

FoundFile readSmallFile(const QString& path, qint64 mostBytes, const QString& tooLarge)
{
    const QFileInfo info(path);
    FoundFile found{info.exists() || info.isSymLink(), {}, {}};
    if (!found.exists)
        return found;
    if (!info.exists()) {
        found.problem = QStringLiteral("it is a link to %1, which does not exist")
                            .arg(QDir::toNativeSeparators(info.symLinkTarget()));
        return found;
    }
    QFile file;
#if defined(Q_OS_UNIX)
    const int handle = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (handle < 0) {
        found.problem = qt_error_string(errno);
        return found;
    }
    file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle); // closes it from here on
    struct stat status { };
    if (::fstat(handle, &status) != 0) {
        found.problem = qt_error_string(errno);
        return found;
    }
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
    const QByteArray bytes = file.size() <= mostBytes ? file.read(mostBytes + 1) : QByteArray();
    if (file.size() > mostBytes || bytes.size() > mostBytes)
        found.problem = tooLarge;
    else if (file.error() != QFileDevice::NoError)
        found.problem = file.errorString();
    else
        found.bytes = bytes;
    return found;
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

// Only files of our own pattern go: a person's "mycards.dat.MyCopy" stays.
void removeLeftovers(const QString& path)
{
    for (const QFileInfo& card : {QFileInfo(path), QFileInfo(finalTarget(path))}) {
        const QString prefix = card.fileName() + QLatin1String(kSavingSuffix);
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

// QSaveFile names its temporary file with six random letters after the
// file's name, as a person may name a copy; ours carries kSavingSuffix.
std::optional<QString> replaceWhole(const QString& path, const QByteArray& bytes)
{
    // Checked by its permission bits too: the owner's, whoever runs the program.
    const QFileInfo existing(path);
    if (existing.exists() && (!existing.isWritable() || !existing.permissions().testFlag(QFileDevice::WriteOwner)))
        return QStringLiteral("The file is read-only.");
    const QFileInfo target(finalTarget(path));
    const QFileDevice::Permissions permissions =
        target.exists() ? target.permissions() : QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    SavingFile file(target.filePath() + QLatin1String(kSavingSuffix) + QStringLiteral("XXXXXX"));
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

} // namespace plenwick

#include "cards/card_store.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace plenwick {
namespace {

const QByteArray kGood =
    "3/14/2026 9:05:12 PM\r\nGold|$1.00|2.00|$3.00|$4.00|$5.00\r\n" + QByteArray("|||||\r\n").repeated(4);
const QByteArray kBadRow = QByteArray(kGood).replace("Gold|", "Gold|card|");

// Root reads and writes whatever the modes say; without these two
// capabilities it is held to them like anyone else. A no-op for others.
class ObeyFileModes {
public:
    ObeyFileModes()
    {
        syscall(SYS_capget, &m_header, m_kept);
        __user_cap_data_struct lowered[2] = {m_kept[0], m_kept[1]};
        lowered[0].effective &= ~((1U << CAP_DAC_OVERRIDE) | (1U << CAP_DAC_READ_SEARCH));
        syscall(SYS_capset, &m_header, lowered);
    }
    ~ObeyFileModes() { syscall(SYS_capset, &m_header, m_kept); }

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_kept[2]{};
};

// A disk that fills up after this many bytes, for as long as it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_kept);
        rlimit lowered = m_kept;
        lowered.rlim_cur = bytes ? bytes : m_kept.rlim_cur;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_kept); }

private:
    rlimit m_kept{};
};

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly) ? file.read(2 << 20) : QByteArray();
}

void write(const QString& path, const QByteArray& bytes, int mode = 0600)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    chmod(QFile::encodeName(path), mode);
}

// What stands in the folder, entry by entry: "name=good|bad|long|big|mib|text[:mode[:nobody]]"
// (a file made anew), "name:mode" (given back to us with that mode), "name->target" (a link),
// "name/" (a folder), "name|" (a named pipe).
void arrange(const QDir& dir, const char* entries)
{
    const QHash<QString, QByteArray> contents{{"good", kGood},
                                              {"bad", kBadRow},
                                              {"long", "x\r\n" + QByteArray(40000, 'x') + "|||||\r\n"},
                                              {"big", kGood.leftJustified(1048577, 'x')},
                                              {"mib", kGood.leftJustified(1048576, 'x')}};
    for (const QString& entry : QString::fromLatin1(entries).split(' ', Qt::SkipEmptyParts)) {
        const QString path = dir.filePath(entry.section(QRegularExpression("->|=|:|/$|\\|$"), 0, 0));
        const QStringList file = entry.section('=', 1).split(':');
        if (entry.contains("->")) {
            QFile::link(entry.section("->", 1), path);
        } else if (entry.endsWith('/')) {
            dir.mkdir(path);
        } else if (entry.endsWith('|')) {
            mkfifo(QFile::encodeName(path), 0600);
        } else if (!entry.contains('=')) {
            chown(QFile::encodeName(path), getuid(), getgid());
            chmod(QFile::encodeName(path), entry.section(':', 1).toInt(nullptr, 8));
        } else {
            QFile::remove(path);
            write(path, contents.value(file[0], file[0].toLatin1()), file.value(1, "600").toInt(nullptr, 8));
            if (file.value(2) == "nobody")
                chown(QFile::encodeName(path), 65534, 65534);
        }
    }
}

int modeOf(const QString& path)
{
    struct stat status { };
    return stat(QFile::encodeName(path), &status) == 0 ? int(status.st_mode & 07777) : 0;
}

// The entry itself, and what a link leads to: a file written over gets a new
// inode or a new time.
std::string stamp(const QString& path)
{
    struct stat entry { };
    struct stat target { };
    const QByteArray name = QFile::encodeName(path);
    lstat(name, &entry);
    stat(name, &target);
    return std::to_string(entry.st_ino) + "/" + std::to_string(target.st_ino) + "/" +
           std::to_string(target.st_mtim.tv_nsec) + "/" + std::to_string(target.st_mode);
}

TEST(CardStore, NothingOnDiskIsLostWhateverStandsThere)
{
    struct Case {
        const char* onDisk;      // as arrange() reads it
        const char* toldAtStart; // a piece of the warning; "" when nothing is told
        const char* toldOnSave;  // a piece of the refusal; "" when the save goes through
        const char* afterwards;  // the folder's entries once saved (and mended)
        rlim_t fileSizeLimit = 0;
        const char* mend = nullptr; // what the person puts right before saving again
    };
    const char* kept = "mycards.dat mycards.dat.unreadable";
    const Case cases[] = {
        {"", "", "", "mycards.dat"},
        {"mycards.dat=good:640", "", "", "mycards.dat"},
        {"mycards.dat=bad", "mycards.dat.unreadable.", "", kept},
        {"mycards.dat=bad mycards.dat.unreadable=bad", "mycards.dat.unreadable.", "", kept},
        {"mycards.dat=bad mycards.dat.unreadable=good", "mycards.dat.unreadable-2.", "",
         "mycards.dat mycards.dat.unreadable mycards.dat.unreadable-2"},
        {"mycards.dat=bad mycards.dat.unreadable->gone", "mycards.dat.unreadable-2.", "",
         "mycards.dat mycards.dat.unreadable mycards.dat.unreadable-2"},
        {"mycards.dat=bad", "could not be copied (File too large)", "could not be copied (File too large)", kept, 40,
         ""},
        {"mycards.dat=long", "mycards.dat.unreadable.", "", kept},
        {"mycards.dat=good:000", "Permission denied", "(Permission denied)", kept, 0, "mycards.dat:600"},
        {"mycards.dat=good:600:nobody", "Permission denied", "(Permission denied)", kept, 0, "mycards.dat:600"},
        {"mycards.dat/", "it is a folder", "it is a folder", "mycards.dat"},
        {"mycards.dat|", "not an ordinary file", "not an ordinary file", "mycards.dat"},
        {"mycards.dat->/dev/zero", "not an ordinary file", "not an ordinary file", "mycards.dat"},
        {"mycards.dat->gone", "which does not exist", "which does not exist", "mycards.dat"},
        {"mycards.dat=big", "larger than 1 MiB", "larger than 1 MiB", "mycards.dat"},
        {"mycards.dat=mib", "", "", "mycards.dat"},
        {"mycards.dat=good:440", "", "read-only", "mycards.dat"},
        {"synced/ synced/cards=good mycards.dat->synced/cards", "", "", "mycards.dat synced"},
        {"mycards.dat=good", "", "File too large", "mycards.dat", 40},
        {"mycards.dat.saving=x mycards.dat.saving-12=x mycards.dat.savings=x elsewhere=x "
         "mycards.dat.saving-2->elsewhere",
         "", "", "elsewhere mycards.dat mycards.dat.savings"},
    };
    const QString text = cardFileText(CardBook{}, QDateTime(QDate(2026, 4, 1), QTime(8, 0)));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.onDisk);
        if (QByteArrayView(c.onDisk).endsWith("nobody") && geteuid() != 0)
            continue; // only root can give a file to someone else
        QTemporaryDir folder;
        const QDir dir(folder.path());
        const QString path = dir.filePath(QStringLiteral("mycards.dat"));
        arrange(dir, c.onDisk);
        const QByteArray found = contentsOf(path);
        const std::string before = stamp(path);
        const bool link = QFileInfo(path).isSymLink();
        int mode = modeOf(path);

        ObeyFileModes obey;
        CardStore store(path);
        LoadedCards loaded;
        std::optional<QString> refused;
        {
            FileSizeLimit limit(c.fileSizeLimit);
            loaded = store.load();
            refused = store.save(text);
        }
        EXPECT_EQ(loaded.warning.isEmpty(), !*c.toldAtStart) << loaded.warning.toStdString();
        EXPECT_TRUE(loaded.warning.contains(QLatin1String(c.toldAtStart))) << loaded.warning.toStdString();
        if (!loaded.keptCopy.isEmpty()) {
            EXPECT_EQ(contentsOf(loaded.keptCopy), found);
        }
        EXPECT_EQ(refused.has_value(), *c.toldOnSave != 0);
        if (refused) {
            EXPECT_TRUE(refused->contains(QLatin1String(c.toldOnSave))) << refused->toStdString();
            EXPECT_EQ(stamp(path), before);
            if (c.mend) {
                arrange(dir, c.mend);
                const QByteArray mended = contentsOf(path);
                mode = modeOf(path);
                EXPECT_FALSE(store.save(text));
                EXPECT_EQ(contentsOf(path + QStringLiteral(".unreadable")), mended);
            }
        }
        if (!refused || c.mend) {
            EXPECT_EQ(contentsOf(path), text.toUtf8());
            EXPECT_EQ(modeOf(path), mode ? mode : 0600);
        }
        EXPECT_EQ(QFileInfo(path).isSymLink(), link);
        EXPECT_EQ(dir.entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot).join(' '),
                  QLatin1String(c.afterwards));
    }
}

TEST(CardStore, LivesBesideTheProgramUnlessInstalledOrThatFolderIsClosed)
{
    QTemporaryDir folder;
    const QDir dir(folder.path());
    dir.mkpath(QStringLiteral("usr/bin"));
    dir.mkpath(QStringLiteral("usr/share/applications"));
    EXPECT_EQ(chooseCardFilePath(dir.filePath("usr/bin"), dir.filePath("data")), dir.filePath("usr/bin/mycards.dat"));
    EXPECT_EQ(chooseCardFilePath(dir.filePath("missing"), dir.filePath("data")), dir.filePath("data/mycards.dat"));
    EXPECT_TRUE(dir.exists(QStringLiteral("data")));
    arrange(dir, "usr/share/applications/org.plenwick.Plenwick.desktop=x");
    EXPECT_EQ(chooseCardFilePath(dir.filePath("usr/bin"), dir.filePath("home")), dir.filePath("home/mycards.dat"));
}

} // namespace
} // namespace plenwick

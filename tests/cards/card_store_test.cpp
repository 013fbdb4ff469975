#include "cards/card_store.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QThread>

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

// For as long as it lives, root is held to the file modes like anyone else
// (without these two capabilities), and the disk fills up after so many bytes.
struct Hardship {
    explicit Hardship(rlim_t fileSizeLimit)
    {
        syscall(SYS_capget, &header, caps);
        __user_cap_data_struct lowered[2] = {caps[0], caps[1]};
        lowered[0].effective &= ~((1U << CAP_DAC_OVERRIDE) | (1U << CAP_DAC_READ_SEARCH));
        syscall(SYS_capset, &header, lowered);
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit lowerLimit{fileSizeLimit ? fileSizeLimit : limit.rlim_cur, limit.rlim_max};
        setrlimit(RLIMIT_FSIZE, &lowerLimit);
    }
    ~Hardship()
    {
        syscall(SYS_capset, &header, caps);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct caps[2]{};
    rlimit limit{};
};

// The ordinary file's mode and bytes ("600:..."); "" when there is none.
QByteArray onDisk(const QString& path)
{
    struct stat status { };
    QFile file(path);
    if (stat(QFile::encodeName(path), &status) != 0 || !S_ISREG(status.st_mode) || !file.open(QIODevice::ReadOnly))
        return {};
    return QByteArray::number(status.st_mode & 07777, 8) + ':' + file.read(2 << 20);
}

// A card file padded with blanks after its time-stamp to the size asked for;
// its last byte is the last row's last "|".
QByteArray ofSize(qsizetype size) { return kGood.chopped(2).insert(20, size + 2 - kGood.size(), ' '); }

// What stands in the folder, entry by entry: "name=good|bad|big|mib|text[:mode]"
// (a file, 0600 unless told), "name->target" (a link), "name/" (a folder), "name|" (a named pipe).
void arrange(const QDir& dir, const char* entries)
{
    const QHash<QString, QByteArray> contents{{"good", kGood},
                                              {"bad", QByteArray(kGood).replace("Gold|", "Gold|card|")},
                                              {"big", ofSize(1048577)},
                                              {"mib", ofSize(1048576)}};
    for (const QString& entry : QString::fromLatin1(entries).split(' ', Qt::SkipEmptyParts)) {
        const QString path = dir.filePath(entry.section(QRegularExpression("->|=|/$|\\|$"), 0, 0));
        const QByteArray name = QFile::encodeName(path);
        const QStringList file = entry.section('=', 1).split(':');
        if (entry.contains("->")) {
            QFile::link(entry.section("->", 1), path);
        } else if (entry.endsWith('/')) {
            dir.mkdir(path);
        } else if (entry.endsWith('|')) {
            mkfifo(name, 0600);
        } else {
            QFile made(path);
            const QByteArray bytes = contents.value(file[0], file[0].toLatin1());
            ASSERT_TRUE(made.open(QIODevice::WriteOnly) && made.write(bytes) == bytes.size());
            chmod(name, file.value(1, "600").toInt(nullptr, 8));
        }
    }
}

// Whether what was said holds the piece told, and is empty when no piece is.
bool tells(const QString& said, const char* piece)
{
    return said.contains(QLatin1String(piece)) && said.isEmpty() == !*piece;
}

TEST(CardStore, NothingOnDiskIsLostWhateverStandsThere)
{
    struct Case {
        const char* onDisk;      // as arrange() reads it
        const char* toldAtStart; // a piece of the warning; "" when nothing is told
        const char* toldOnSave;  // a piece of the refusal; "" when the save goes through
        const char* afterwards;  // the folder's entries once saved (and mended)
        rlim_t fileSizeLimit = 0;
        const char* mend = nullptr; // what the person puts right before saving again (unhindered)
    };
    const char* kept = "mycards.dat mycards.dat.unreadable";
    const char* keptTwice = "mycards.dat mycards.dat.unreadable mycards.dat.unreadable-2";
    const Case cases[] = {
        {"", "", "", "mycards.dat"},
        {"mycards.dat=good:640", "", "", "mycards.dat"},
        {"mycards.dat=bad", "mycards.dat.unreadable.", "", kept},
        {"mycards.dat=bad mycards.dat.unreadable=bad", "mycards.dat.unreadable.", "", kept},
        {"mycards.dat=bad mycards.dat.unreadable=good", "mycards.dat.unreadable-2.", "", keptTwice},
        {"mycards.dat=bad mycards.dat.unreadable->gone", "mycards.dat.unreadable-2.", "", keptTwice},
        {"mycards.dat=bad", "be copied (File too large)", "be copied (File too large)", kept, 40, ""},
        {"mycards.dat=good:000", "Permission denied", "(Permission denied)", kept, 0, "mycards.dat=good"},
        {"mycards.dat/", "it is a folder", "it is a folder", "mycards.dat"},
        {"mycards.dat|", "not an ordinary file", "not an ordinary file", "mycards.dat"},
        {"mycards.dat->gone", "which does not exist", "which does not exist", "mycards.dat"},
        {"mycards.dat->loop loop->mycards.dat", "which does not exist", "which does not exist", "loop mycards.dat"},
        {"mycards.dat=big", "larger than 1 MiB", "larger than 1 MiB", "mycards.dat"},
        {"mycards.dat=mib", "", "", "mycards.dat"},
        {"mycards.dat=good:440", "", "read-only", "mycards.dat"},
        {"synced/ synced/cards=good mycards.dat->synced/cards", "", "", "mycards.dat synced"},
        {"mycards.dat=good", "", "File too large", "mycards.dat", 40},
        {"mycards.dat.MyCopy=good mycards.dat.BackUp=good mycards.dat.OldOne=x mycards.dat.saving=x "
         "mycards.dat.plenwick-saving-AbcDef=good mycards.dat.plenwick-saving-zzzzzz=x "
         "mycards.dat.plenwick-saving-Ab12C=x mycards.dat.plenwick-saving-Ab12Cd7=x "
         "mycards.dat.plenwick-saving-Ab-2Cd=x "
         "mycards.dat.plenwick-saving-LinkAb->mycards.dat.MyCopy x.mycards.dat.plenwick-saving-Ab12Cd=x",
         "", "",
         "mycards.dat mycards.dat.BackUp mycards.dat.MyCopy mycards.dat.OldOne mycards.dat.plenwick-saving-Ab-2Cd "
         "mycards.dat.plenwick-saving-Ab12C mycards.dat.plenwick-saving-Ab12Cd7 mycards.dat.plenwick-saving-LinkAb "
         "mycards.dat.saving x.mycards.dat.plenwick-saving-Ab12Cd"},
    };
    const QString text = cardFileText(CardBook{}, QDateTime::currentDateTime());
    ::close(STDIN_FILENO); // started without standard input, the program opens its card file as descriptor 0
    for (const Case& c : cases) {
        SCOPED_TRACE(c.onDisk);
        QTemporaryDir folder;
        const QDir dir(folder.path());
        const QString path = dir.filePath(QStringLiteral("mycards.dat"));
        arrange(dir, c.onDisk);
        QByteArray found = onDisk(path);
        const bool link = QFileInfo(path).isSymLink();

        std::optional<CardStore> store(std::in_place, path);
        std::optional<Hardship> hardship(std::in_place, c.fileSizeLimit);
        const LoadedCards loaded = store->load();
        const QString refusal = store->save(text).value_or(QString());
        hardship.reset();
        EXPECT_TRUE(tells(loaded.warning, c.toldAtStart)) << loaded.warning.toStdString();
        EXPECT_EQ(loaded.contents.wholeFile, loaded.warning.isEmpty());
        EXPECT_EQ(loaded.contents.book[0][CardRow::Name] == "Gold", loaded.warning.isEmpty() && !found.isEmpty());
        // A copy of its own, readable by its owner only.
        EXPECT_EQ(loaded.keptCopy.isEmpty() ? found : onDisk(loaded.keptCopy), found);
        EXPECT_TRUE(tells(refusal, c.toldOnSave)) << refusal.toStdString();
        if (c.mend) {
            EXPECT_EQ(onDisk(path), found);
            arrange(dir, c.mend);
            found = onDisk(path);
            EXPECT_FALSE(store->save(text));
            EXPECT_FALSE(store->save(text)); // a copy once is enough
            EXPECT_EQ(onDisk(path + QStringLiteral(".unreadable")), found);
        }
        // Refused, the file stays as it was; saved, it keeps its mode (a new file's is 600).
        const bool saved = refusal.isEmpty() || c.mend;
        EXPECT_EQ(onDisk(path),
                  saved ? (found.isEmpty() ? "600" : found.left(found.indexOf(':'))) + ':' + text.toUtf8() : found);
        store.reset();
        EXPECT_EQ(QFileInfo(path).isSymLink(), link);
        // Sorted by name alone: the same order in every locale.
        const QStringList entries =
            dir.entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
        EXPECT_EQ(entries.join(' ').toStdString(), c.afterwards);
    }
}

TEST(CardStore, LivesBesideTheProgramUnlessInstalledOrThatFolderIsClosed)
{
    QTemporaryDir folder;
    const QDir dir(folder.path());
    const auto chosen = [&](const char* program) {
        return dir.relativeFilePath(chooseCardFilePath(dir.filePath(program), dir.filePath("home")));
    };
    arrange(dir, "usr/ usr/bin/ usr/share/ usr/share/applications/");
    EXPECT_EQ(chosen("usr/bin"), "usr/bin/mycards.dat");
    EXPECT_EQ(chosen("missing"), "home/mycards.dat");
    arrange(dir, "usr/share/applications/org.plenwick.Plenwick.desktop=x");
    EXPECT_EQ(chosen("usr/bin"), "home/mycards.dat");
}

TEST(CardStore, OneCopyWritesAndNoSaveReplacesAFileChangedOnDisk)
{
    QTemporaryDir folder;
    const QDir dir(folder.path());
    const QString path = dir.filePath(QStringLiteral("mycards.dat"));
    arrange(dir, "mycards.dat=good");
    const QString fromA = cardFileText(CardBook{}, QDateTime::currentDateTime()), fromB = fromA + '\n';
    std::optional<CardStore> first(std::in_place, path), second(std::in_place, path);
    EXPECT_TRUE(first->load().warning.isEmpty());
    arrange(dir, "mycards.dat=bad"); // another program writes cards that do not all read
    const QByteArray bad = onDisk(path);
    EXPECT_TRUE(second->load().warning.contains("The file is left as it is"));
    EXPECT_TRUE(
        second->save(fromB)->contains("Another copy of Plenwick (process " + QString::number(getpid()) + " on "));
    EXPECT_FALSE(second->takeOver()); // while the first runs
    first.reset();                    // the first copy ends
    EXPECT_TRUE(second->takeOver());
    EXPECT_FALSE(second->readOnly());
    EXPECT_FALSE(second->changedOnDisk());
    EXPECT_FALSE(second->save(fromB));
    EXPECT_EQ(onDisk(path + ".unreadable"), bad); // kept before the save
    arrange(dir, "mycards.dat=good");             // another program writes again
    EXPECT_TRUE(second->changedOnDisk());
    EXPECT_TRUE(second->save(fromA)->contains("changed on disk"));
    EXPECT_EQ(second->keepChangedFile().path, path + ".changed");
    EXPECT_FALSE(second->save(fromA));
    EXPECT_EQ(onDisk(path), "600:" + fromA.toUtf8());
    second.reset();
    EXPECT_TRUE(CardStore(path).save(fromB)->contains("changed on disk")); // a store that read nothing

    // A copy that died left its lock; process 2^31 - 1 is none.
    arrange(dir, ("mycards.dat.plenwick-lock=2147483647\ncards_tests\n" + QSysInfo::machineHostName() + "\n").toUtf8());
    {
        CardStore revived(path);
        revived.load();
        EXPECT_FALSE(revived.save(fromA));
    }
    // Another machine's copy cannot be told dead, however old its lock: it holds.
    arrange(dir, "mycards.dat.plenwick-lock=1\ncards_tests\nelsewhere\n");
    QThread::msleep(5);
    EXPECT_TRUE(CardStore(path).save(fromB)->contains("(process 1 on elsewhere)"));
    QFile::remove(path + ".plenwick-lock");

    // In a folder closed to writing no lock can be made, which hinders nothing: the save says why it fails.
    chmod(QFile::encodeName(folder.path()), 0500);
    const Hardship hardship(0);
    CardStore closed(path);
    closed.load();
    EXPECT_EQ(closed.save(fromB), "Permission denied");
    EXPECT_EQ(onDisk(path), "600:" + fromA.toUtf8());
    chmod(QFile::encodeName(folder.path()), 0700);
}

} // namespace
} // namespace plenwick

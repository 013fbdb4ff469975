#include "cards/card_store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace plenwick {
namespace {

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

class CardStoreTest : public testing::Test {
protected:
    QString path(const char* name = "mycards.dat") const { return m_folder.filePath(QString::fromLatin1(name)); }
    QStringList filesInFolder() const { return QDir(m_folder.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir m_folder;
};

CardBook sampleBook()
{
    CardBook book;
    book[0].fields = {QStringLiteral("Harbor Gold"), QStringLiteral("$45.00"),  QStringLiteral("18.90"),
                      QStringLiteral("$5,000.00"),   QStringLiteral("$150.00"), QStringLiteral("$150.00")};
    book[1][CardRow::Name] = QStringLiteral("Café Ünïcode");
    return book;
}

const QDateTime kSavedAt(QDate(2026, 3, 14), QTime(21, 5, 12));

TEST_F(CardStoreTest, SavesTheWholeTextAndReadsItBack)
{
    const CardStore store(path());
    ASSERT_FALSE(store.save(cardFileText(sampleBook(), kSavedAt)));
    const QByteArray bytes = contentsOf(path());
    EXPECT_TRUE(bytes.startsWith("3/14/2026 9:05:12 PM\r\nHarbor Gold|$45.00|18.90|$5,000.00|$150.00|$150.00\r\n"));
    EXPECT_TRUE(bytes.endsWith("\r\n|||||\r\n"));
    EXPECT_TRUE(bytes.contains("Caf\xc3\xa9 \xc3\x9cn\xc3\xaf"
                               "code|"));
    EXPECT_EQ(bytes.count("\r\n"), 6);

    const LoadedCards loaded = store.load();
    EXPECT_EQ(loaded.contents.book, sampleBook());
    EXPECT_EQ(loaded.contents.savedAt, kSavedAt);
    EXPECT_TRUE(loaded.keptCopy.isEmpty());
    EXPECT_EQ(filesInFolder(), QStringList{QStringLiteral("mycards.dat")}); // nothing left behind
}

TEST_F(CardStoreTest, ASaveReplacesTheEarlierFile)
{
    const CardStore store(path());
    ASSERT_FALSE(store.save(cardFileText(sampleBook(), kSavedAt)));
    ASSERT_FALSE(store.save(cardFileText(CardBook{}, kSavedAt.addDays(1))));
    EXPECT_EQ(store.load().contents.book, CardBook{});
    EXPECT_EQ(filesInFolder().size(), 1);
}

TEST_F(CardStoreTest, AFailedSaveKeepsTheEarlierFileAndSaysWhy)
{
    const CardStore store(path());
    ASSERT_FALSE(store.save(cardFileText(CardBook{}, kSavedAt)));
    const QByteArray before = contentsOf(path());

    // A disk that fills up after 40 bytes.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit original{};
    getrlimit(RLIMIT_FSIZE, &original);
    rlimit tiny = original;
    tiny.rlim_cur = 40;
    setrlimit(RLIMIT_FSIZE, &tiny);
    const auto failure = store.save(cardFileText(sampleBook(), kSavedAt));
    setrlimit(RLIMIT_FSIZE, &original);

    ASSERT_TRUE(failure);
    EXPECT_FALSE(failure->isEmpty());
    EXPECT_EQ(contentsOf(path()), before);
    EXPECT_EQ(filesInFolder().size(), 1);
}

TEST_F(CardStoreTest, SavingWhereAFolderStandsFails)
{
    QDir(m_folder.path()).mkdir(QStringLiteral("mycards.dat"));
    EXPECT_TRUE(CardStore(path()).save(cardFileText(sampleBook(), kSavedAt)));
    EXPECT_TRUE(CardStore(path("gone/mycards.dat")).save(cardFileText(sampleBook(), kSavedAt)));
    EXPECT_EQ(filesInFolder(), QStringList{});
}

TEST_F(CardStoreTest, NoFileMeansNoCardsAndNoCopy)
{
    const LoadedCards loaded = CardStore(path()).load();
    EXPECT_EQ(loaded.contents.book, CardBook{});
    EXPECT_TRUE(loaded.contents.wholeFile);
    EXPECT_TRUE(loaded.keptCopy.isEmpty());

    writeFile(path(), {});
    EXPECT_TRUE(CardStore(path()).load().keptCopy.isEmpty());
}

TEST_F(CardStoreTest, AFileThatCannotBeReadWholeIsCopiedAsFound)
{
    const QByteArray garbage("\x00\x01\xff\xfe|binary|\r\n\x89PNG\x1a", 18);
    writeFile(path(), garbage);
    const LoadedCards first = CardStore(path()).load();
    EXPECT_EQ(first.keptCopy, path("mycards.dat.unreadable"));
    EXPECT_EQ(contentsOf(first.keptCopy), garbage);

    // An earlier copy is never overwritten.
    const LoadedCards second = CardStore(path()).load();
    EXPECT_EQ(second.keptCopy, path("mycards.dat.unreadable-2"));
}

TEST_F(CardStoreTest, BadFilesGiveAClearOutcome)
{
    const QByteArray rows = "Gold|$1.00|2.00|$3.00|$4.00|$5.00\r\n|||||\r\n|||||\r\n|||||\r\n|||||\r\n";
    struct Case {
        const char* what;
        QByteArray bytes;
        bool whole;
        QString firstName;
    };
    const Case cases[] = {
        {"one line", "3/14/2026 9:05:12 PM", false, {}},
        {"line feeds only", "3/14/2026 9:05:12 PM\nGold|$1.00|2.00|$3.00|$4.00|$5.00\n", false, {}},
        {"seven fields", "x\r\nA|B|C|D|E|F|G\r\n" + rows.mid(rows.indexOf('\n') + 1), false, {}},
        {"Latin-1 bytes",
         "3/14/2026 9:05:12 PM\r\nCaf\xe9|$1.00|2.00|$3.00|$4.00|$5.00\r\n" + rows.mid(rows.indexOf('\n') + 1), true,
         QStringLiteral("Café")},
        {"ten megabytes", QByteArray(qsizetype{10} * 1024 * 1024, 'x') + "\r\n" + rows, true, QStringLiteral("Gold")},
    };
    for (const Case& c : cases) {
        writeFile(path(), c.bytes);
        const LoadedCards loaded = CardStore(path()).load();
        EXPECT_EQ(loaded.contents.wholeFile, c.whole) << c.what;
        EXPECT_EQ(loaded.keptCopy.isEmpty(), c.whole) << c.what;
        EXPECT_EQ(loaded.contents.book[0][CardRow::Name], c.firstName) << c.what;
    }
}

TEST_F(CardStoreTest, FiletherSaysWhetherTheFileCanBeOpened)
{
    EXPECT_FALSE(filethere(path()));
    writeFile(path(), "x");
    EXPECT_TRUE(filethere(path()));
}

TEST_F(CardStoreTest, LogItAppendsALineAndItsEnd)
{
    EXPECT_FALSE(LogIt(path("log.txt"), QStringLiteral("first")));
    EXPECT_FALSE(LogIt(path("log.txt"), QStringLiteral("second")));
    EXPECT_EQ(contentsOf(path("log.txt")), QByteArray("first\r\nsecond\r\n"));
    EXPECT_TRUE(LogIt(path("missing/log.txt"), QStringLiteral("x")));
}

TEST_F(CardStoreTest, TheFileLivesBesideTheProgramWhenThatFolderCanBeWritten)
{
    EXPECT_EQ(chooseCardFilePath(m_folder.path(), path("data")), path());
    const QString elsewhere = chooseCardFilePath(path("no-such-folder"), path("data"));
    EXPECT_EQ(elsewhere, path("data/mycards.dat"));
    EXPECT_TRUE(QDir(path("data")).exists());
}

TEST_F(CardStoreTest, AnInstalledProgramKeepsTheCardsInThePersonsFolder)
{
    QDir(m_folder.path()).mkpath(QStringLiteral("usr/bin"));
    QDir(m_folder.path()).mkpath(QStringLiteral("usr/share/applications"));
    writeFile(path("usr/share/applications/org.plenwick.Plenwick.desktop"), "[Desktop Entry]\n");
    EXPECT_EQ(chooseCardFilePath(path("usr/bin"), path("home/data")), path("home/data/mycards.dat"));
}

} // namespace
} // namespace plenwick

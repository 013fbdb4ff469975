#include "cards/plan_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace plenwick {
namespace {

// The owner, group and others bits, as a file mode has them.
constexpr auto kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr int kModeBits = 0x7077;

class PlanStoreTest : public testing::Test {
protected:
    QString besideCards(const QString& name) const { return dir.filePath(name); }
    // A link is told by where it leads, never followed (it may lead to a device).
    QByteArray bytesOf(const QString& path) const
    {
        if (QFileInfo(path).isSymLink())
            return "link to " + QFileInfo(path).symLinkTarget().toUtf8();
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }
    void put(const QString& path, const QByteArray& bytes) const
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    SavedPlan plan() const
    {
        SavedPlan plan;
        plan.budget = "$450.00";
        plan.moves[1] = {"Zero Intro", 12, 0, 19.99, "30.0000", {}};
        return plan;
    }

    QTemporaryDir dir;
    QString path = planFilePathBeside(dir.filePath("mycards.dat"));
};

TEST_F(PlanStoreTest, KeepsThePlanBesideTheCardFileForItsOwnerAlone)
{
    EXPECT_EQ(path, besideCards("myplan.json"));
    PlanStore store(path);
    const LoadedPlan none = store.load(true);
    EXPECT_EQ(none.plan, SavedPlan{});
    EXPECT_EQ(none.warning, "");
    EXPECT_EQ(store.save(plan()), std::nullopt);
    EXPECT_EQ(QFile::permissions(path) & kModeBits, kOwnerOnly);
    EXPECT_EQ(PlanStore(path).load(true).plan, plan());
}

TEST_F(PlanStoreTest, KeepsTheFilesPermissionsAndLeavesAReadOnlyFileAlone)
{
    put(path, "");
    QFile::setPermissions(path, kOwnerOnly | QFileDevice::ReadGroup);
    PlanStore store(path);
    EXPECT_EQ(store.load(true).warning, ""); // an empty file holds no plan yet
    EXPECT_EQ(store.save(plan()), std::nullopt);
    EXPECT_EQ(QFile::permissions(path) & kModeBits, kOwnerOnly | QFileDevice::ReadGroup);
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    const QByteArray before = bytesOf(path);
    EXPECT_EQ(store.save(SavedPlan{}), "The file is read-only.");
    EXPECT_EQ(bytesOf(path), before);
}

TEST_F(PlanStoreTest, RemovesOnlyWhatAnInterruptedSaveLeftAndOnlyWhenItMayWrite)
{
    const QString leftover = besideCards("myplan.json.plenwick-saving-AbCdEf");
    const QString persons = besideCards("myplan.json.MyCopy");
    put(leftover, "{");
    put(persons, "{}");
    PlanStore(path).load(false);
    EXPECT_TRUE(QFile::exists(leftover));
    PlanStore(path).load(true);
    EXPECT_FALSE(QFile::exists(leftover));
    EXPECT_TRUE(QFile::exists(persons));
}

struct Unreadable {
    const char* what;
    std::function<void()> make;
    const char* reason;
};

TEST_F(PlanStoreTest, NeverWritesOverAPlanItCannotReadAndKeepsACopyOfOneThatIsNoPlan)
{
    const auto write = [this](const QByteArray& bytes) { return [this, bytes] { put(path, bytes); }; };
    const Unreadable files[] = {
        {"newer", write(R"({"version": 2, "budget": "$1.00"})"), "a newer Plenwick (plan file version 2)"},
        {"folder", [this] { QDir().mkpath(path); }, "it is a folder"},
        {"link to nothing", [this] { QFile::link(besideCards("gone"), path); }, "which does not exist"},
        {"link to a device", [this] { QFile::link("/dev/zero", path); }, "it is not an ordinary file"},
        {"oversized", write(QByteArray(PlanStore::kMostBytes + 1, ' ')), "larger than 1 MiB"},
    };
    for (const Unreadable& file : files) {
        SCOPED_TRACE(file.what);
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
        file.make();
        const QByteArray before = bytesOf(path);
        PlanStore store(path);
        const LoadedPlan loaded = store.load(true);
        EXPECT_EQ(loaded.plan, SavedPlan{});
        EXPECT_TRUE(loaded.warning.contains(file.reason)) << loaded.warning.toStdString();
        EXPECT_TRUE(loaded.warning.contains(QDir::toNativeSeparators(path)));
        EXPECT_NE(store.save(plan()), std::nullopt);
        EXPECT_EQ(bytesOf(path), before);
        EXPECT_FALSE(QFileInfo::exists(path + ".unreadable"));
    }
    for (const QByteArray noPlan : {"{\"budget", "[1, 2]", "{\"budget\": \"$1.00\"}"}) {
        SCOPED_TRACE(noPlan.toStdString());
        QFile::remove(path + ".unreadable");
        put(path, noPlan);
        PlanStore store(path);
        EXPECT_TRUE(store.load(true).warning.endsWith("kept in " + QDir::toNativeSeparators(path) + ".unreadable."));
        EXPECT_EQ(bytesOf(path + ".unreadable"), noPlan);
        EXPECT_EQ(store.save(plan()), std::nullopt);
        EXPECT_EQ(PlanStore(path).load(true).plan, plan());
    }
}

TEST_F(PlanStoreTest, APlanThatCouldNotBeReadAtStartIsCopiedBeforeItIsWrittenOver)
{
    const QString target = besideCards("elsewhere.json");
    QFile::link(target, path);
    PlanStore store(path);
    EXPECT_NE(store.load(true).warning, "");
    put(target, "not yet a plan"); // the person mends the link
    EXPECT_EQ(store.save(plan()), std::nullopt);
    EXPECT_EQ(bytesOf(path + ".unreadable"), "not yet a plan");
    EXPECT_TRUE(QFileInfo(path).isSymLink());
    EXPECT_EQ(PlanStore(path).load(true).plan, plan());
}

TEST_F(PlanStoreTest, APlanThatIsNoPlanIsNeverWrittenOverUntilACopyOfItCanBeKept)
{
    put(path, "{");
    for (int n = 1; n <= 100; ++n)
        put(path + ".unreadable" + (n > 1 ? "-" + QString::number(n) : ""), "other");
    PlanStore store(path);
    EXPECT_TRUE(store.load(true).warning.contains("could not be copied (100 copies stand there already)"));
    EXPECT_EQ(store.save(plan()), "The plan file there could not be copied (100 copies stand there already), so it "
                                  "is not written over.");
    EXPECT_EQ(bytesOf(path), "{");
    QFile::remove(path + ".unreadable-7");
    EXPECT_EQ(store.save(plan()), std::nullopt);
    EXPECT_EQ(bytesOf(path + ".unreadable-7"), "{");
}

} // namespace
} // namespace plenwick

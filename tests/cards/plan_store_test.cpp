#include "cards/plan_store.h"

#include "file_bytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace plenwick {
namespace {

using testing_support::bytesOf;

class PlanStoreTest : public testing::Test {
protected:
    static void put(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

    PlanStoreTest() { plan.budget = "$450.00"; }

    SavedPlan plan;
    QTemporaryDir dir;
    QString path = planFilePathBeside(dir.filePath("mycards.dat"));
};

TEST_F(PlanStoreTest, NeverWritesOverAPlanItCannotRead)
{
    // Of all that cannot be read (the kinds are the careful file's), too large a file stands for the rest.
    const std::pair<QByteArray, QString> files[] = {
        {R"({"version": 2, "budget": "$1.00"})", "a newer Plenwick (plan file version 2)"},
        {QByteArray(1024 * 1024 + 1, ' '), "larger than 1 MiB"},
    };
    for (const auto& [bytes, reason] : files) {
        SCOPED_TRACE(reason.toStdString());
        put(path, bytes);
        PlanStore store(path);
        const LoadedPlan loaded = store.load(true);
        EXPECT_EQ(loaded.plan, SavedPlan{});
        EXPECT_TRUE(loaded.warning.contains(reason));
        EXPECT_TRUE(loaded.warning.contains(QDir::toNativeSeparators(path)));
        EXPECT_NE(store.save(plan), std::nullopt);
        EXPECT_EQ(bytesOf(path), bytes);
        EXPECT_FALSE(QFileInfo::exists(path + ".unreadable"));
    }
}

TEST_F(PlanStoreTest, APlanThatIsNoPlanIsCopiedAsideBeforeItIsWrittenOver)
{
    const QByteArray noPlan = R"({"budget": "$1.00"})"; // what is no plan is the plan file's to tell
    put(path, noPlan);
    PlanStore store(path);
    EXPECT_TRUE(store.load(true).warning.endsWith("kept in " + QDir::toNativeSeparators(dir.filePath("myplan.json")) +
                                                  ".unreadable."));
    EXPECT_EQ(bytesOf(path + ".unreadable"), noPlan);
    EXPECT_EQ(store.save(plan), std::nullopt);
    EXPECT_EQ(PlanStore(path).load(true).plan, plan);
    EXPECT_EQ(store.save(SavedPlan{}), std::nullopt);
    EXPECT_FALSE(QFile::exists(path + ".unreadable-2")); // copied once
    for (int n = 1; n <= 100; ++n)
        put(path + ".unreadable" + (n > 1 ? "-" + QString::number(n) : ""), "["); // as long, not the same
    put(path, "{");
    PlanStore crowded(path);
    EXPECT_TRUE(crowded.load(true).warning.contains("could not be copied (100 copies stand there already)"));
    EXPECT_EQ(crowded.save(plan), "The plan file there could not be copied (100 copies stand there already), so it "
                                  "is not written over.");
    EXPECT_EQ(bytesOf(path), "{");
    QFile::remove(path + ".unreadable-7");
    EXPECT_EQ(crowded.save(plan), std::nullopt);
    EXPECT_EQ(bytesOf(path + ".unreadable-7"), "{");
    EXPECT_EQ(crowded.save(SavedPlan{}), std::nullopt); // copied once is enough
}

} // namespace
} // namespace plenwick

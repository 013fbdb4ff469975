#include "cards/plan_store.h"

#include "cards/careful_file.h"

#include <QDir>
#include <QFileInfo>

namespace plenwick {

namespace {

FoundFile readPlanBytes(const QString& path)
{
    return readSmallFile(path, PlanStore::kMostBytes,
                         QStringLiteral("it is larger than 1 MiB, far more than a plan file holds"));
}

} // namespace

QString planFilePathBeside(const QString& cardFilePath)
{
    return QFileInfo(cardFilePath).dir().filePath(QString::fromLatin1(PlanStore::kFileName));
}

PlanStore::PlanStore(QString path)
    : m_path(std::move(path))
{
}

LoadedPlan PlanStore::load(bool removeLeftoverFiles)
{
    if (removeLeftoverFiles)
        removeLeftovers(m_path);
    const FoundFile found = readPlanBytes(m_path);
    const QString couldNot =
        QStringLiteral("Your plan could not be read from %1: %2.\n\nMy Plan starts from your cards "
                       "alone. ")
            .arg(nativePath(m_path));
    m_mustKeepFirst = !found.problem.isEmpty();
    if (m_mustKeepFirst)
        return {{},
                couldNot.arg(found.problem) + QStringLiteral("The file is left as it is, and nothing is saved "
                                                             "over it while it cannot be read.")};
    if (found.bytes.isEmpty())
        return {};
    ReadPlan read = readPlanFile(found.bytes);
    if (read.plan)
        return {*read.plan, {}};
    if (read.newer) {
        m_newer = true;
        return {{},
                couldNot.arg(read.problem) + QStringLiteral("The file is left as it is: this copy saves no plan "
                                                            "over it.")};
    }
    const KeptCopy copy = keepCopy(m_path, found.bytes, QStringLiteral("unreadable"));
    m_mustKeepFirst = copy.path.isEmpty();
    return {{},
            couldNot.arg(read.problem) +
                (m_mustKeepFirst
                     ? QStringLiteral("It could not be copied (%1), so nothing is saved over it until a copy "
                                      "can be made.")
                           .arg(copy.problem)
                     : QStringLiteral("The file as it was found is kept in %1.").arg(nativePath(copy.path)))};
}

std::optional<QString> PlanStore::save(const SavedPlan& plan)
{
    if (m_newer)
        return QStringLiteral("The plan file was written by a newer Plenwick, so it is not written over.");
    const FoundFile found = readPlanBytes(m_path);
    if (!found.problem.isEmpty())
        return QStringLiteral("The plan file there could not be read (%1), so it is not written over.")
            .arg(found.problem);
    if (m_mustKeepFirst && !found.bytes.isEmpty()) {
        const KeptCopy copy = keepCopy(m_path, found.bytes, QStringLiteral("unreadable"));
        if (copy.path.isEmpty())
            return QStringLiteral("The plan file there could not be copied (%1), so it is not written over.")
                .arg(copy.problem);
    }
    m_mustKeepFirst = false;
    return replaceWhole(m_path, planFileBytes(plan));
}

} // namespace plenwick

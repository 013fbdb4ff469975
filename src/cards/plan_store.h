#pragma once

#include "cards/plan_file.h"

#include <QString>

#include <optional>

namespace plenwick {

// The plan file stands beside the card file.
QString planFilePathBeside(const QString& cardFilePath);

struct LoadedPlan {
    SavedPlan plan;  // empty when there is no plan file or it could not be read
    QString warning; // what to tell the person at start (path and reason); empty when all is well
};

// Reads and writes the plan file at one path, with the card file's care.
// A file that cannot be read is never written over; one that can be read
// but is no plan is first kept as a copy beside it; one of a newer version
// is left as it is for good. The caller saves only while it may write the
// card file, so that two copies of the program never write one plan.
class PlanStore {
public:
    static constexpr const char* kFileName = "myplan.json";
    // A plan of fifty debts and a hundred changes is some 30 KB.
    static constexpr qint64 kMostBytes = qint64{1024} * 1024;

    explicit PlanStore(QString path);

    const QString& path() const { return m_path; }

    // Once, at start. Holding the card file's lock, it removes what an
    // interrupted save left.
    LoadedPlan load(bool removeLeftoverFiles);

    // Writes the whole plan. No value on
    // success, otherwise the reason, and the file stays as it was.
    std::optional<QString> save(const SavedPlan& plan);

private:
    QString m_path;
    bool m_mustKeepFirst = false; // what stands there is no plan this copy could read
    bool m_newer = false;         // a newer version's file: never written over
};

} // namespace plenwick

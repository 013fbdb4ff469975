#pragma once

#include <QString>

#include <optional>

namespace plenwick {

struct PlanResult;

// Each writes the whole file under a temporary name and then puts it in the
// place of the old one, so a failure leaves the old file as it was. The
// answer is the reason when the file could not be saved.

// The schedule as comma-separated values in UTF-8.
std::optional<QString> ExportPlanCsv(const QString& path, const PlanResult& result);

// The summary, the chart and the schedule on as many pages as they take.
std::optional<QString> ExportPlanPdf(const QString& path, const PlanResult& result);

} // namespace plenwick

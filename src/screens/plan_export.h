#pragma once

#include <QImage>
#include <QString>

#include <optional>
#include <vector>

namespace plenwick {

struct PlanHeading;
struct PlanResult;

// Each writes the whole file under a temporary name and then puts it in the
// place of the old one, so a failure leaves the old file as it was. The
// answer is the reason when the file could not be saved.

// What the plan was made from in "name,value" lines, a blank line, then the
// schedule as comma-separated values, in UTF-8.
std::optional<QString> ExportPlanCsv(const QString& path, const PlanResult& result, const PlanHeading& heading);

// What the plan was made from, the summary, the chart and the schedule on as
// many pages as they take.
std::optional<QString> ExportPlanPdf(const QString& path, const PlanResult& result, const PlanHeading& heading);

// The first pages of that PDF as pictures, to look at without a PDF reader.
std::vector<QImage> PlanPageImages(const PlanResult& result, const PlanHeading& heading, int mostPages);

} // namespace plenwick

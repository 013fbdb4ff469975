#include "widgets/plan_chart.h"

#include "plan/plan_csv.h"
#include "plan/plan_summary.h"
#include "widgets/theme.h"

#include <QCategoryAxis>
#include <QLineSeries>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace plenwick {

namespace {

// Month 0 is the month before the first payment, when the balances are as
// they stand; month m ends with its payment.
std::vector<std::int32_t> drawnMonths(std::int32_t last)
{
    const std::int32_t step = std::max(1, (last + PlanChart::kMostPoints - 1) / PlanChart::kMostPoints);
    std::vector<std::int32_t> months;
    for (std::int32_t month = 0; month < last; month += step)
        months.push_back(month);
    months.push_back(last);
    return months;
}

// The months between the labels of the time axis: the first of these steps
// that leaves at most six.
std::int32_t labelStep(std::int32_t last)
{
    for (const std::int32_t step : {1, 2, 3, 6, 12, 24, 60, 120}) {
        if (last <= 6 * step)
            return step;
    }
    return 240;
}

// Round steps of 1, 2 or 5 times a power of ten: at most six of them reach
// the highest balance.
double amountStep(double highest)
{
    const double rough = std::max(highest, 1.0) / 6;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double times : {1.0, 2.0, 5.0}) {
        if (times * power >= rough)
            return times * power;
    }
    return 10 * power;
}

// Cents only when the steps are smaller than a dollar.
QString dollars(double amount, double step)
{
    return QStringLiteral("$") +
           QLocale(QLocale::English, QLocale::UnitedStates).toString(amount, 'f', step < 1 ? 2 : 0);
}

QLineSeries* line(const QString& name, const QPen& pen)
{
    auto* series = new QLineSeries;
    series->setName(name);
    series->setPen(pen);
    return series;
}

} // namespace

PlanChart::PlanChart(QWidget* parent)
    : QChartView(parent)
{
    setObjectName(QStringLiteral("planChart"));
    setRenderHint(QPainter::Antialiasing);
    chart()->setMargins(QMargins(2, 2, 24, 2)); // room for the last date
    chart()->legend()->setAlignment(Qt::AlignBottom);
    chart()->legend()->setFont(theme::chartFont());
    setAccessibleName(QStringLiteral("Balances over time"));
}

void PlanChart::showPlan(const PlanResult* result)
{
    QChart* shown = chart();
    shown->removeAllSeries();
    for (QAbstractAxis* axis : shown->axes()) {
        shown->removeAxis(axis);
        delete axis;
    }
    if (!result || result->plan.months == 0)
        return;

    const DebtPlan& plan = result->plan;
    const std::vector<MoneyAmount>& asNow = plan.asYouPayNow.balances;
    // Paying as now can take decades; beyond three times the plan it only
    // squeezes the plan into a corner.
    const auto nowLast = static_cast<std::int32_t>(
        std::min<std::size_t>(asNow.size(), static_cast<std::size_t>(std::max(3 * plan.months, 36))));
    const std::int32_t last = std::max(plan.months, nowLast);
    double highest = 0;
    std::vector<QLineSeries*> lines;

    for (std::size_t card = 0; card < result->cards.size(); ++card) {
        QPen pen(theme::planLineColour(card), 2);
        QLineSeries* series = line(QString::fromStdString(ScheduleCardName(result->cards[card])), pen);
        QList<QPointF> points;
        for (const std::int32_t month : drawnMonths(plan.months)) {
            const MoneyAmount balance = month == 0 ? plan.entry(1, card).opening : plan.entry(month, card).closing;
            points.append({static_cast<qreal>(month), balance.toDouble()});
            highest = std::max(highest, balance.toDouble());
        }
        series->replace(points);
        lines.push_back(series);
    }
    if (nowLast > 0) {
        MoneyAmount total;
        for (const DebtCard& card : result->cards)
            total = total.plus(card.balance).value_or(total);
        QPen pen(theme::kAsYouPayNowLine, 2, Qt::DashLine);
        QLineSeries* series = line(QStringLiteral("Paying as now, all cards"), pen);
        QList<QPointF> points;
        for (const std::int32_t month : drawnMonths(nowLast)) {
            const MoneyAmount balance = month == 0 ? total : asNow[static_cast<std::size_t>(month - 1)];
            points.append({static_cast<qreal>(month), balance.toDouble()});
            highest = std::max(highest, balance.toDouble());
        }
        series->replace(points);
        lines.push_back(series);
    }

    // Months are counted from now on the axis and labelled with their dates.
    auto* months = new QCategoryAxis;
    months->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const std::int32_t step = labelStep(last);
    const std::int32_t end = (last + step - 1) / step * step;
    for (std::int32_t month = 0; month <= end; month += step) {
        const CalendarMonth date = plan.calendarMonth(month);
        months->append(QLocale(QLocale::English).monthName(date.month, QLocale::ShortFormat) +
                           QStringLiteral(" %1").arg(date.year),
                       month);
    }
    months->setRange(0, end);
    // Amounts in round steps, written as money everywhere else is: "$20,000".
    auto* owed = new QCategoryAxis;
    owed->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const double amount = amountStep(highest);
    const double top = std::ceil(std::max(highest, 1.0) / amount) * amount;
    for (double value = 0; value <= top + amount / 2; value += amount)
        owed->append(dollars(value, amount), value);
    owed->setRange(0, top);
    months->setTitleText(QStringLiteral("Month"));
    owed->setTitleText(QStringLiteral("Still owed"));
    for (QAbstractAxis* axis : {static_cast<QAbstractAxis*>(months), static_cast<QAbstractAxis*>(owed)}) {
        axis->setLabelsFont(theme::chartFont());
        axis->setTitleFont(theme::chartFont());
        axis->setGridLineColor(theme::kChartGrid);
    }
    shown->addAxis(months, Qt::AlignBottom);
    shown->addAxis(owed, Qt::AlignLeft);
    for (QLineSeries* series : lines) {
        shown->addSeries(series);
        series->attachAxis(months);
        series->attachAxis(owed);
    }
}

} // namespace plenwick

#include "app/plan_result.h"

#include "money/money_text.h"
#include "plan/plan_csv.h"

#include <cstdlib>

namespace plenwick {

namespace {

QString months(std::int64_t count)
{
    return count == 1 ? QStringLiteral("1 month") : QStringLiteral("%1 months").arg(count);
}

QString nameOf(const DebtCard& card) { return QString::fromStdString(ScheduleCardName(card)); }

// "14 months sooner" / "2 months later"; a month count of 0 says so.
QString monthsSooner(std::int64_t sooner)
{
    if (sooner == 0)
        return QStringLiteral("the same debt-free month");
    return QStringLiteral("%1 %2").arg(months(std::abs(sooner)),
                                       sooner > 0 ? QStringLiteral("sooner") : QStringLiteral("later"));
}

// "$2,310.44 less <what>" / "$5.00 more <what>"; none when out of range.
QString less(MoneyAmount before, MoneyAmount after, const QString& what)
{
    const auto saved = before.minus(after);
    const auto lost = after.minus(before);
    if (!saved || !lost)
        return {};
    if (moneyText(*saved) == QStringLiteral("$0.00"))
        return QStringLiteral("the same %1").arg(what);
    return saved->isPositive() ? QStringLiteral("%1 less %2").arg(moneyText(*saved), what)
                               : QStringLiteral("%1 more %2").arg(moneyText(*lost), what);
}

QString andAlso(const QString& first, const QString& second)
{
    return second.isEmpty() ? first : first + QStringLiteral(", ") + second;
}

void againstPayingAsNow(const PlanResult& result, bool withFees, QStringList& lines)
{
    const DebtPlan& plan = result.plan;
    const AsYouPayNow& now = plan.asYouPayNow;
    if (!now.neverPaidOff.empty()) {
        QStringList names;
        for (const std::size_t card : now.neverPaidOff)
            names << nameOf(result.cards[card]);
        const QString last = names.takeLast();
        const QString joined =
            names.isEmpty() ? last : names.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
        lines << QStringLiteral("Paying as now, %1 %2 never paid off.")
                     .arg(joined, now.neverPaidOff.size() == 1 ? QStringLiteral("is") : QStringLiteral("are"));
        return;
    }
    if (!now.months || !now.paid)
        return;
    const QString money =
        less(*now.paid, plan.totalPaid, withFees ? QStringLiteral("interest and fees") : QStringLiteral("interest"));
    lines << QStringLiteral("Against paying as now: ") + andAlso(monthsSooner(*now.months - plan.months), money);
}

void movesGain(const PlanResult& result, PlanSummary& summary)
{
    for (std::size_t card = 0; card < result.cards.size(); ++card) {
        if (card < result.offerNames.size() && !result.offerNames[card].isEmpty()) {
            const MoneyAmount fee = result.cards[card].openingFee;
            summary.moves << QStringLiteral("%1 moved to %2%3")
                                 .arg(nameOf(result.cards[card]), result.offerNames[card],
                                      fee.isPositive() ? QStringLiteral(", fee %1").arg(moneyText(fee)) : QString());
        }
    }
    if (!result.withoutMoves || !result.plan.succeeded())
        return;
    const DebtPlan& without = *result.withoutMoves;
    if (!without.succeeded()) {
        summary.moves << QStringLiteral("Without the moves the plan does not end: %1")
                             .arg(QString::fromStdString(without.message));
        return;
    }
    summary.moves << QStringLiteral("The moves: ") + andAlso(monthsSooner(without.months - result.plan.months),
                                                             less(without.totalPaid, result.plan.totalPaid,
                                                                  QStringLiteral("to pay, fees included")));
}

} // namespace

std::vector<DebtCard> debtCardsOf(std::span<const CardRow> shown)
{
    std::vector<CardRowTexts> rows;
    rows.reserve(shown.size());
    for (const CardRow& card : shown) {
        rows.push_back({card[CardRow::Name].toStdString(), card[CardRow::AnnualFee].toStdString(),
                        card[CardRow::InterestRate].toStdString(), card[CardRow::TotalDue].toStdString(),
                        card[CardRow::MinimumPayment].toStdString(), card[CardRow::ActualPayment].toStdString()});
    }
    return DebtCardsFromRows(rows);
}

QString moneyText(MoneyAmount amount) { return QString::fromStdString(FormatByPattern(amount, Pattern::Money)); }

QString monthText(const CalendarMonth& month) { return QString::fromStdString(month.name()); }

PlanSummary summarisePlan(const PlanResult& result)
{
    PlanSummary summary;
    const DebtPlan& plan = result.plan;
    if (result.cards.empty()) {
        summary.headline << QStringLiteral("No card on My Cards owes anything: there is nothing to plan.");
        return summary;
    }
    summary.failure = QString::fromStdString(plan.message);
    bool withFees = false;
    for (std::size_t card = 0; card < result.cards.size() && plan.months > 0; ++card) {
        withFees = withFees || result.cards[card].openingFee.isPositive();
        const PlanCardResult& own = plan.cards[card];
        summary.cards << (own.paidOffMonth
                              ? QStringLiteral("%1: paid off %2, interest\u00a0%3")
                                    .arg(nameOf(result.cards[card]), monthText(plan.calendarMonth(*own.paidOffMonth)),
                                         moneyText(own.interest))
                              : QStringLiteral("%1: not paid off, interest so far\u00a0%2")
                                    .arg(nameOf(result.cards[card]), moneyText(own.interest)));
    }
    if (plan.succeeded()) {
        // "(28 months)" stays on one line.
        QString count = months(plan.months).replace(QLatin1Char(' '), QChar(0xa0));
        summary.headline << QStringLiteral("Debt-free in %1 (%2)").arg(monthText(*plan.debtFreeMonth()), count)
                         << QStringLiteral("Total interest %1").arg(moneyText(plan.totalInterest))
                         << QStringLiteral("Total paid %1").arg(moneyText(plan.totalPaid));
        againstPayingAsNow(result, withFees, summary.headline);
    }
    movesGain(result, summary);
    return summary;
}

} // namespace plenwick

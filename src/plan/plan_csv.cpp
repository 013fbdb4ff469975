#include "plan/plan_csv.h"

#include "money/money_text.h"

#include <string_view>

namespace plenwick {

namespace {

// A text cell a spreadsheet could take for a formula is written as text: a
// quote put before it, and the cell quoted.
void field(std::string& out, std::string_view text)
{
    const bool formula = !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
    if (!formula && text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += text;
        return;
    }
    out += '"';
    if (formula)
        out += '\'';
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void amount(std::string& out, MoneyAmount value)
{
    out += ',';
    out += FormatByPattern(value, Pattern::Rate);
}

} // namespace

std::string ScheduleCardName(const DebtCard& card)
{
    return card.name.empty() ? "Card " + std::to_string(card.row + 1) : card.name;
}

std::string PlanCsv(const DebtPlan& plan, const std::vector<DebtCard>& cards)
{
    std::string out = "Month,Date";
    for (const DebtCard& card : cards) {
        const std::string name = ScheduleCardName(card);
        for (const char* column : {" payment", " interest", " balance"}) {
            out += ',';
            field(out, name + column);
        }
    }
    out += "\r\n";
    for (std::int32_t month = 1; month <= plan.months; ++month) {
        out += std::to_string(month) + ',' + plan.calendarMonth(month).isoText();
        for (std::size_t card = 0; card < cards.size(); ++card) {
            const PlanEntry& entry = plan.entry(month, card);
            amount(out, entry.payment);
            amount(out, entry.interest);
            amount(out, entry.closing);
        }
        out += "\r\n";
    }
    out += "Total,";
    for (const PlanCardResult& card : plan.cards) {
        amount(out, card.paid);
        amount(out, card.interest);
        out += ',';
    }
    out += "\r\n";
    return out;
}

std::string PlanCsvHeading(const PlanHeading& heading, CalendarMonth firstMonth)
{
    std::string out;
    const auto line = [&out](std::string_view name, std::string_view value) {
        field(out, name);
        out += ',';
        field(out, value);
        out += "\r\n";
    };
    // Amounts are numbers, a negative one included: never quoted as text.
    const auto amountLine = [&out](std::string_view name, MoneyAmount value) {
        field(out, name);
        amount(out, value);
        out += "\r\n";
    };
    line("Made", heading.madeOnIso());
    line("First month", firstMonth.isoText());
    amountLine("Monthly budget", heading.budget);
    line("Extra money goes to", strategyName(heading.strategy));
    for (const BudgetChange& change : heading.options.budgetChanges)
        amountLine("Budget from " + change.from.isoText(), change.budget);
    for (const ExtraPayment& extra : heading.options.extraPayments)
        amountLine("Extra payment in " + extra.month.isoText(), extra.amount);
    return out + "\r\n";
}

} // namespace plenwick

#include "plan/plan_csv.h"

#include "plan_cases.h"

#include <gtest/gtest.h>

namespace plenwick {
namespace {

TEST(PlanCsv, MonthByMonthWithTotalsAndTextCellsQuotedOrKeptTextForASpreadsheet)
{
    // A card's name, and its first cell in the header.
    const std::pair<const char*, const char*> cases[] = {
        {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\") payment\""},
        {"+1", "\"'+1 payment\""},
        {"-1", "\"'-1 payment\""},
        {"@SUM(A1)", "\"'@SUM(A1) payment\""},
        {"\tGold", "\"'\tGold payment\""},
        {"\rGold", "\"'\rGold payment\""},
        {"Gold=1", "Gold=1 payment"},
        {" =1", " =1 payment"},
        {"Harbor \"Gold\", Plus", "\"Harbor \"\"Gold\"\", Plus payment\""},
    };
    for (const auto& [name, cell] : cases) {
        std::vector<DebtCard> cards = {card(12, "100", "60")};
        cards[0].name = name;
        const std::string csv = PlanCsv(BuildDebtPlan(cards, dollars("60"), PlanStrategy::CardOrder, {2027, 3}), cards);
        EXPECT_EQ(csv.substr(11, std::string_view(cell).size()), cell) << name;               // after "Month,Date,"
        EXPECT_NE(csv.find("\r\n1,2027-03,60.00,1.00,41.00\r\n"), std::string::npos) << name; // money stays plain
        EXPECT_TRUE(csv.ends_with("\r\n2,2027-04,41.41,0.41,0.00\r\nTotal,,101.41,1.41,\r\n")) << name;
    }
}

} // namespace
} // namespace plenwick

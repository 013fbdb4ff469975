#include "widgets/data_table.h"

#include <QApplication>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

namespace plenwick {
namespace {

TEST(DataTable, TabLeavesTheTableAndCtrlTabStepsFromCellToCell)
{
    QWidget window;
    QTableView* table = dataTable(&window, "figures", "Figures");
    QStandardItemModel model(2, 2);
    table->setModel(&model);
    auto* next = new QLineEdit(&window);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    table->setFocus();
    table->setCurrentIndex(model.index(0, 1));
    QTest::keyClick(table, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(table->currentIndex(), model.index(1, 0)); // on to the next row
    QTest::keyClick(table, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(table->currentIndex(), model.index(0, 1));
    QTest::keyClick(table, Qt::Key_Tab);
    EXPECT_TRUE(next->hasFocus());
}

} // namespace
} // namespace plenwick

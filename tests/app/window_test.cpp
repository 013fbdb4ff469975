#include "main_window_fixture.h"

#include "screens/screen_panel.h"

#include <QPushButton>

namespace plenwick {
namespace {

using MainWindow = testing_support::MainWindowTest;

TEST_F(MainWindow, ButtonsAndKeysSwitchScreens)
{
    const auto expectOnly = [this](int screen) {
        EXPECT_EQ(static_cast<int>(window->screenIndex()), screen);
        for (int other = 0; other < 5; ++other) {
            EXPECT_EQ(control("Picture1", other)->isVisibleTo(window.get()), other == screen) << other;
            EXPECT_EQ(control<QPushButton>("MyCardsCMD", other)->isChecked(), other == screen) << other;
        }
    };
    // At start "My Cards" is in front.
    EXPECT_TRUE(control("Picture1", 0)->isAncestorOf(window->childAt(window->rect().center())));
    const struct {
        const char* name;
        int index;
        int screen;
    } clicks[] = {
        {"NextCMD", 0, 1}, {"NextCMD", 1, 2}, {"NextCMD", 2, 3}, {"NextCMD", 3, 4},    {"PrevCMD", 4, 3},
        {"PrevCMD", 3, 2}, {"PrevCMD", 2, 1}, {"PrevCMD", 1, 0}, {"MyCardsCMD", 2, 2}, {"MyCardsCMD", 1, 1},
    };
    for (const auto& c : clicks) {
        SCOPED_TRACE(std::string(c.name) + std::to_string(c.index));
        click(c.name, c.index);
        expectOnly(c.screen);
    }
    // Hidden navigation does nothing; a button pressed from code is no click.
    control<QPushButton>("PrevCMD", 0)->click();
    control<QPushButton>("MyCardsCMD", 2)->setChecked(true);
    EXPECT_EQ(static_cast<int>(window->screenIndex()), 1);

    for (const int screen : {4, 2, 3, 0, 1}) {
        QTest::keyClick(window.get(), static_cast<Qt::Key>(Qt::Key_1 + screen), Qt::AltModifier);
        expectOnly(screen);
    }
    QFile::remove(cardFilePath());
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(QFile::exists(cardFilePath()));
}

TEST_F(MainWindow, OtherScreensCopyEveryCardVerbatimAndPreselectShownCardsWithATotal)
{
    type("CardNameText", 0, QStringLiteral("Harbor Gold"));
    type("TotalDueText", 0, QStringLiteral("1500"));
    type("TotalDueText", 2, QStringLiteral("250"));
    // Card 4 cannot be typed into; its boxes still take part.
    box("CardNameText", 3)->setText(QStringLiteral("Hidden Card"));
    box("TotalDueText", 3)->setText(QStringLiteral("77"));

    click("MyCardsCMD", 1);
    EXPECT_EQ(box("CardName2Text", 0)->text() + box("TotalDue2Text", 0)->text() + box("TotalDue2Text", 3)->text(),
              QStringLiteral("Harbor Gold$1,500.0077"));
    click("MyCardsCMD", 2);
    EXPECT_EQ(box("CardName3Text", 3)->text(), QStringLiteral("Hidden Card"));
    for (int row = 0; row < 5; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(choice("CardCombo", row)->currentIndex(), row % 2 == 0 && row < 4 ? 0 : -1);
        EXPECT_EQ(choice("CardCombo", row)->count(), 1);
        EXPECT_EQ(choice("CardCombo", row)->itemText(0), QStringLiteral("No Card found"));
    }
}

TEST_F(MainWindow, EveryCaptionFitsAndThePanelsAreShaded)
{
    QTest::qWait(60); // the panels are tiled just after start
    for (int screen = 0; screen < 5; ++screen) {
        click("MyCardsCMD", screen);
        auto* panel = control<ScreenPanel>("Picture1", screen);
        EXPECT_FALSE(panel->tile().isNull()) << screen;
        for (const QLabel* label : panel->findChildren<QLabel*>()) {
            if (!label->isVisibleTo(panel) || label->text() == QStringLiteral("-"))
                continue;
            const int needed = label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
            EXPECT_LE(needed, label->height()) << label->objectName().toStdString();
            if (!label->wordWrap()) {
                EXPECT_LE(label->sizeHint().width(), label->width()) << label->objectName().toStdString();
            }
        }
        for (const QPushButton* button : panel->findChildren<QPushButton*>())
            EXPECT_LE(button->sizeHint().width(), button->width()) << button->objectName().toStdString();
    }
    const QColor top = control("Picture1", 1)->grab().toImage().pixelColor(3, 2);
    EXPECT_NEAR(top.blue(), 189, 4);
}

} // namespace
} // namespace plenwick

#include "main_window_fixture.h"

#include "app/frm_splash.h"
#include "screens/screen_panel.h"

#include <QMessageBox>
#include <QPushButton>

namespace plenwick::testing_support {

using MainWindow = MainWindowTest;

TEST_F(MainWindow, ButtonsAndKeysSwitchScreens)
{
    const auto expectOnly = [this](int screen) {
        EXPECT_EQ(static_cast<int>(window->screenIndex()), screen);
        for (int other = 0; other < 5; ++other) {
            EXPECT_EQ(shown("Picture1", other), other == screen) << other;
            EXPECT_EQ(control<QPushButton>("MyCardsCMD", other)->isChecked(), other == screen) << other;
        }
    };
    expectOnly(0); // at start "My Cards" is in front
    const std::tuple<const char*, int, int> clicks[] = {
        {"NextCMD", 0, 1}, {"NextCMD", 1, 2}, {"NextCMD", 2, 3}, {"NextCMD", 3, 4},    {"PrevCMD", 4, 3},
        {"PrevCMD", 3, 2}, {"PrevCMD", 2, 1}, {"PrevCMD", 1, 0}, {"MyCardsCMD", 2, 2}, {"MyCardsCMD", 1, 1},
    };
    for (const auto& [name, row, screen] : clicks) {
        click(name, row);
        expectOnly(screen);
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

TEST_F(MainWindow, EveryCaptionFits)
{
    for (int screen = 0; screen < 5; ++screen) {
        click("MyCardsCMD", screen);
        auto* panel = control<ScreenPanel>("Picture1", screen);
        for (const QLabel* label : panel->findChildren<QLabel*>()) {
            if (!label->isVisibleTo(panel) || label->text() == "-")
                continue;
            const bool wraps = label->wordWrap();
            EXPECT_LE(wraps ? label->heightForWidth(label->width()) : label->sizeHint().height(), label->height())
                << label->objectName().toStdString();
            EXPECT_LE(wraps ? 0 : label->sizeHint().width(), label->width()) << label->objectName().toStdString();
        }
        for (const QPushButton* button : panel->findChildren<QPushButton*>())
            EXPECT_LE(button->sizeHint().width(), button->width()) << button->objectName().toStdString();
    }
}

TEST(Splash, OpensTheMainWindowOnceShortlyAfterShowingAndCloses)
{
    int opened = 0;
    frmSplash splash([&] { ++opened; });
    splash.show();
    EXPECT_EQ(opened, 0);
    QTest::qWait(400);
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(splash.isVisible());
}

TEST(ModalMessageBoxes, ShowTheTextUnderTheProgramsNameAndTakeTheFirstChoiceOnlyWhenItIsPressed)
{
    ModalMessageBoxes boxes;
    for (const QString pressed : {"OK", "Close anyway", "Stay"}) {
        QString seen; // title, icon and text
        QTimer::singleShot(0, qApp, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            seen = box->windowTitle() + QString::number(box->icon()) + box->text();
            for (QAbstractButton* button : box->buttons())
                if (button->text().remove('&') == pressed)
                    button->click();
        });
        if (pressed == "OK")
            boxes.show(nullptr, "not enough", MessageIcon::Information);
        else
            EXPECT_EQ(boxes.choose(nullptr, "not saved", "Close anyway", "Stay"), pressed == "Close anyway");
        EXPECT_EQ(seen, pressed == "OK" ? "Plenwick1not enough" : "Plenwick2not saved");
    }
}

} // namespace plenwick::testing_support

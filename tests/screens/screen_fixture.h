#pragma once

#include "file_bytes.h"
#include "offers/recording_opener.h"
#include "qstring_print.h"
#include "screens/card_screen.h"
#include "widgets/result_blinker.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaEnum>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace plenwick::testing_support {

// Stands in for the modal message boxes: keeps what would have been shown.
struct RecordedMessages : MessageBoxes {
    void show(QWidget*, const QString& text, MessageIcon) override { texts << text; }
    bool choose(QWidget* parent, const QString& text, const QString&, const QString&) override
    {
        show(parent, text, MessageIcon::Warning);
        return chooseFirst;
    }
    QStringList texts;
    bool chooseFirst = true;
};

// Drives the controls of a screen, or of the whole window, through real
// keys and clicks on the offscreen platform, finding them by their names.
class ScreenTest : public testing::Test {
protected:
    ScreenTest() { blinker.timer()->stop(); } // tests drive the blinking

    ScreenContext context()
    {
        return {messages, opener, [this] { return now; },
                [this](QWidget*, const QString&, const QString&, const QString&, QString*) { return savePath; },
                &blinker};
    }

    // Shows the screen alone, handed these cards.
    template <class Screen>
    Screen* open(std::unique_ptr<Screen> screen, const CardBook& cards)
    {
        Screen* opened = screen.get();
        shownScreen = std::move(screen);
        root = opened;
        root->resize(982, 518);
        root->show();
        QApplication::setActiveWindow(root); // for the keyboard focus
        EXPECT_TRUE(QTest::qWaitForWindowActive(root));
        opened->enter(cards);
        return opened;
    }

    // The control named so, or "name_row" when a row is given.
    template <class T = QWidget>
    T* control(const QString& name, int row = -1) const
    {
        T* found = root->findChild<T*>(row < 0 ? name : name + '_' + QString::number(row));
        EXPECT_NE(found, nullptr) << name.toStdString() << " " << row;
        return found;
    }
    QLineEdit* box(const QString& name, int row = -1) const { return control<QLineEdit>(name, row); }
    QComboBox* choice(const QString& name, int row = -1) const { return control<QComboBox>(name, row); }
    QString caption(const QString& name, int row = -1) const { return control<QLabel>(name, row)->text(); }
    bool shown(const QString& name, int row = -1) const { return control(name, row)->isVisibleTo(root); }

    // Types into a box as a person would and leaves it with Tab.
    void type(const QString& name, int row, const QString& text)
    {
        QLineEdit* target = box(name, row);
        target->setFocus();
        target->selectAll();
        QTest::keyClick(target, Qt::Key_Backspace);
        QTest::keyClicks(target, text);
        QTest::keyClick(target, Qt::Key_Tab);
    }
    // What a screen reader hears of a control: its role, name and value, and
    // whether it is hidden.
    QString heard(const QString& name, int row = -1) const
    {
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(control(name, row));
        return QString("%1 \"%2\": %3%4")
            .arg(QMetaEnum::fromType<QAccessible::Role>().valueToKey(spoken->role()), spoken->text(QAccessible::Name),
                 spoken->text(QAccessible::Value), spoken->state().invisible ? " (hidden)" : "");
    }

    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    void click(const QString& name, int row = -1) { click(control(name, row)); }

    // Picks an item with the keyboard, as a person can without the mouse.
    void chooseWithKeyboard(QComboBox* list, int index)
    {
        list->setFocus();
        while (list->currentIndex() != index)
            QTest::keyClick(list, list->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
    }

    std::shared_ptr<RecordedMessages> messages = std::make_shared<RecordedMessages>();
    std::shared_ptr<RecordingOpener> opener = std::make_shared<RecordingOpener>();
    ResultBlinker blinker{nullptr};
    QDateTime now{QDate(2026, 3, 14), QTime(21, 5, 12)};
    QTemporaryDir folder;
    QString savePath; // as the person chooses it in the save dialog
    std::unique_ptr<QWidget> shownScreen;
    QWidget* root = nullptr;
};

} // namespace plenwick::testing_support

#pragma once

#include "app/frm_main.h"
#include "offers/recording_opener.h"
#include "offers/test_http_server.h"
#include "screens/result_blinker.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace plenwick::testing_support {

// Stands in for the modal message boxes: keeps what would have been shown.
struct RecordedMessages : MessageBoxes {
    void show(QWidget*, const QString& text, MessageIcon icon) override
    {
        texts << text;
        icons << icon;
    }
    bool choose(QWidget* parent, const QString& text, const QString&, const QString&) override
    {
        show(parent, text, MessageIcon::Warning);
        return chooseFirst;
    }
    QStringList texts;
    QList<MessageIcon> icons;
    bool chooseFirst = true;
};

// A main window driven through real widget events on the offscreen platform,
// with its own web server and a banner that only records what it was asked.
class MainWindowTest : public testing::Test {
protected:
    void SetUp() override { openWindow(); }

    Surroundings surroundings()
    {
        Surroundings result{messages, cardFilePath(), [this] { return now; }, server.url(), 3000, opener};
        result.makeBanner = [](QWidget* strip, const QUrl&) { return new QWidget(strip); };
        result.askSavePath = [this](QWidget*, const QString&, const QString&, const QString&, QString*) {
            return savePath;
        };
        return result;
    }

    QString cardFilePath() const { return folder.filePath("mycards.dat"); }
    QByteArray savedBytes() const { return bytesOf(cardFilePath()); }
    static QByteArray bytesOf(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void openWindow()
    {
        window = std::make_unique<frmMain>(surroundings());
        window->blinker()->timer()->stop(); // tests drive the blinking
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        // The banner follows the window's first paint; start-up messages come once the window shows.
        ASSERT_TRUE(QTest::qWaitFor([this] { return window->findChild<QWidget*>("wb1"); }));
        QTest::qWait(1);
    }

    // The control named so, or "name_row" when a row is given.
    template <class T = QWidget>
    T* control(const QString& name, int row = -1) const
    {
        T* found = window->findChild<T*>(row < 0 ? name : name + '_' + QString::number(row));
        EXPECT_NE(found, nullptr) << name.toStdString() << " " << row;
        return found;
    }
    QLineEdit* box(const QString& name, int row = -1) const { return control<QLineEdit>(name, row); }
    QComboBox* choice(const QString& name, int row = -1) const { return control<QComboBox>(name, row); }
    QString caption(const QString& name, int row = -1) const { return control<QLabel>(name, row)->text(); }
    bool shown(const QString& name, int row = -1) const { return control(name, row)->isVisibleTo(window.get()); }

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
    // Name, interest rate, total due, actual payment, and the minimum payment when given.
    void enterCard(int row, const QStringList& fields)
    {
        const char* boxes[] = {"CardNameText", "InterestRateText", "TotalDueText", "ActualPaymentText",
                               "MinimumPaymentText"};
        for (int field = 0; field < fields.size(); ++field)
            type(boxes[field], row, fields[field]);
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

    void writeCardFile(const QByteArray& bytes)
    {
        QFile file(cardFilePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

    std::shared_ptr<RecordedMessages> messages = std::make_shared<RecordedMessages>();
    std::shared_ptr<RecordingOpener> opener = std::make_shared<RecordingOpener>();
    TestHttpServer server;
    QTemporaryDir folder;
    QDateTime now{QDate(2026, 3, 14), QTime(21, 5, 12)};
    QString savePath; // as the person chooses it in the save dialog
    std::unique_ptr<frmMain> window;
};

} // namespace plenwick::testing_support

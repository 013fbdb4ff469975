#pragma once

#include "app/frm_main.h"
#include "offers/test_http_server.h"
#include "screens/result_blinker.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace plenwick::testing_support {

// Stands in for the modal message boxes: keeps what would have been shown.
class RecordedMessages : public MessageBoxes {
public:
    struct Shown {
        QString text;
        MessageIcon icon;
    };

    void show(QWidget*, const QString& text, MessageIcon icon) override { shown.push_back({text, icon}); }
    bool choose(QWidget*, const QString& text, const QString&, const QString&) override
    {
        shown.push_back({text, MessageIcon::Warning});
        return chooseFirst;
    }

    std::vector<Shown> shown;
    bool chooseFirst = true;
};

// Stands in for the person's browser: keeps the pages it was asked to open.
class RecordingOpener : public UrlOpener {
public:
    void open(const QUrl& page) override { opened.push_back(page); }
    std::vector<QUrl> opened;
};

// A main window driven through real widget events on the offscreen platform,
// with its own web server and a banner that only records what it was asked.
class MainWindowTest : public testing::Test {
protected:
    void SetUp() override { openWindow(); }

    virtual Surroundings surroundings()
    {
        Surroundings result;
        result.messages = messages;
        result.cardFilePath = cardFilePath();
        result.now = [this] { return now; };
        result.server = server.url();
        result.offerTimeoutMs = 3000;
        result.opener = opener;
        result.makeBanner = [this](QWidget* strip, const QUrl& page) {
            bannerPages.push_back(page);
            return new QWidget(strip);
        };
        return result;
    }

    QString cardFilePath() const { return folder.filePath(QStringLiteral("mycards.dat")); }

    void openWindow()
    {
        window = std::make_unique<frmMain>(surroundings());
        window->blinker()->timer()->stop(); // tests drive the blinking
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template <class T = QWidget>
    T* control(const QString& name) const
    {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    template <class T = QWidget>
    T* control(const char* name, int row) const
    {
        return control<T>(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(row));
    }

    QLineEdit* box(const char* name, int row) const { return control<QLineEdit>(name, row); }
    QLabel* label(const char* name, int row) const { return control<QLabel>(name, row); }
    QComboBox* choice(const char* name, int row) const { return control<QComboBox>(name, row); }
    QString caption(const char* name, int row) const { return label(name, row)->text(); }

    // Types into a box as a person would and leaves it with Tab.
    void type(QLineEdit* target, const QString& text)
    {
        target->setFocus();
        target->selectAll();
        if (!target->text().isEmpty())
            QTest::keyClick(target, Qt::Key_Backspace);
        QTest::keyClicks(target, text);
        QTest::keyClick(target, Qt::Key_Tab);
    }

    void type(const char* name, int row, const QString& text) { type(box(name, row), text); }

    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void click(const char* name, int row) { click(control<QAbstractButton>(name, row)); }
    void click(const char* name) { click(control<QAbstractButton>(QString::fromLatin1(name))); }

    void enterCard(int row, const QString& name, const QString& rate, const QString& totalDue,
                   const QString& actualPayment, const QString& minimumPayment = {})
    {
        type("CardNameText", row, name);
        type("InterestRateText", row, rate);
        type("TotalDueText", row, totalDue);
        type("MinimumPaymentText", row, minimumPayment);
        type("ActualPaymentText", row, actualPayment);
    }

    // Picks an item with the keyboard, as a person can without the mouse.
    void chooseWithKeyboard(QComboBox* list, int index)
    {
        list->setFocus();
        if (list->currentIndex() < 0)
            QTest::keyClick(list, Qt::Key_Down);
        while (list->currentIndex() < index)
            QTest::keyClick(list, Qt::Key_Down);
        while (list->currentIndex() > index)
            QTest::keyClick(list, Qt::Key_Up);
    }

    // The label is on screen in the blinking's visible half.
    bool blinkingOn(QLabel* result) const { return result->isVisibleTo(result->parentWidget()); }

    std::shared_ptr<RecordedMessages> messages = std::make_shared<RecordedMessages>();
    std::shared_ptr<RecordingOpener> opener = std::make_shared<RecordingOpener>();
    std::vector<QUrl> bannerPages;
    TestHttpServer server;
    QTemporaryDir folder;
    QDateTime now{QDate(2026, 3, 14), QTime(21, 5, 12)};
    std::unique_ptr<frmMain> window;
};

} // namespace plenwick::testing_support

#pragma once

#include "app/frm_main.h"
#include "offers/test_http_server.h"
#include "screens/result_blinker.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace plenwick::testing_support {

// Stands in for the modal message boxes: keeps what would have been shown.
class RecordedMessages : public MessageBoxes {
public:
    void show(QWidget*, const QString& text, MessageIcon icon) override { shown.push_back({text, icon}); }
    bool choose(QWidget*, const QString& text, const QString&, const QString&) override
    {
        shown.push_back({text, MessageIcon::Warning});
        return chooseFirst;
    }
    QStringList texts() const
    {
        QStringList result;
        for (const auto& seen : shown)
            result << seen.first;
        return result;
    }

    std::vector<std::pair<QString, MessageIcon>> shown;
    bool chooseFirst = true;
};

// Stands in for the person's browser: keeps the pages it was asked to open.
class RecordingOpener : public UrlOpener {
public:
    bool open(const QUrl& page) override
    {
        opened.push_back(page);
        return browserAnswers;
    }
    std::vector<QUrl> opened;
    bool browserAnswers = true;
};

// A main window driven through real widget events on the offscreen platform,
// with its own web server and a banner that only records what it was asked.
class MainWindowTest : public testing::Test {
protected:
    void SetUp() override { openWindow(); }

    Surroundings surroundings()
    {
        Surroundings result;
        result.messages = messages;
        result.cardFilePath = cardFilePath();
        result.now = [this] { return now; };
        result.server = server.url();
        result.offerTimeoutMs = 3000;
        result.opener = opener;
        result.makeBanner = [](QWidget* strip, const QUrl&) { return new QWidget(strip); };
        result.askSavePath = [this](QWidget*, const QString&, const QString&, const QString&, QString*) {
            return savePath;
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
        // The banner follows the window's first paint.
        ASSERT_TRUE(QTest::qWaitFor([this] { return window->findChild<QWidget*>(QStringLiteral("wb1")); }, 5000));
        QTest::qWait(1); // start-up messages come once the window shows
    }

    static QByteArray bytesOf(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QByteArray savedBytes() const { return bytesOf(cardFilePath()); }

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
    QComboBox* choice(const char* name, int row) const { return control<QComboBox>(name, row); }
    QString caption(const char* name, int row) const { return control<QLabel>(name, row)->text(); }

    // Types into a box as a person would and leaves it with Tab.
    void type(QLineEdit* target, const QString& text)
    {
        target->setFocus();
        target->selectAll();
        QTest::keyClick(target, Qt::Key_Backspace);
        QTest::keyClicks(target, text);
        QTest::keyClick(target, Qt::Key_Tab);
    }
    void type(const char* name, int row, const QString& text) { type(box(name, row), text); }

    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    void click(const char* name, int row) { click(control(name, row)); }
    void click(const char* name) { click(control(QString::fromLatin1(name))); }

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
        while (list->currentIndex() != index)
            QTest::keyClick(list, list->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
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

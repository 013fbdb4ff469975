#pragma once

#include "app/frm_main.h"
#include "offers/test_http_server.h"
#include "screens/screen_fixture.h"

#include <QFile>

namespace plenwick::testing_support {

// A main window with its own web server and a banner that only records what
// it was asked.
class MainWindowTest : public ScreenTest {
protected:
    void SetUp() override { openWindow(); }

    Surroundings surroundings()
    {
        const ScreenContext screens = context();
        Surroundings result{screens.messages, cardFilePath(), screens.now, server.url(), 3000, opener};
        result.makeBanner = [](QWidget* strip, const QUrl&) { return new QWidget(strip); };
        result.askSavePath = screens.askSavePath;
        result.windowPlace = [this] { return windowPlace; };
        result.keepWindowPlace = [this](const QByteArray& place) { windowPlace = place; };
        return result;
    }

    QString cardFilePath() const { return folder.filePath("mycards.dat"); }
    QByteArray savedBytes() const { return bytesOf(cardFilePath()); }

    void openWindow()
    {
        window.reset(); // one copy of the program at a time holds the card file
        window = std::make_unique<frmMain>(surroundings());
        root = window.get();
        window->blinker()->timer()->stop(); // tests drive the blinking
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        // The banner follows the window's first paint; start-up messages come once the window shows.
        ASSERT_TRUE(QTest::qWaitFor([this] { return window->findChild<QWidget*>("wb1"); }));
        QTest::qWait(1);
    }

    // Name, interest rate, total due and actual payment, typed on My Cards.
    void enterCard(int row, const QStringList& fields)
    {
        const char* boxes[] = {"CardNameText", "InterestRateText", "TotalDueText", "ActualPaymentText"};
        for (int field = 0; field < fields.size(); ++field)
            type(boxes[field], row, fields[field]);
    }

    void writeCardFile(const QByteArray& bytes)
    {
        QFile file(cardFilePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

    TestHttpServer server;
    QByteArray windowPlace; // as the settings keep it
    std::unique_ptr<frmMain> window;
};

} // namespace plenwick::testing_support

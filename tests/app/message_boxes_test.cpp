#include "app/surroundings.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace plenwick {
namespace {

struct SeenBox {
    QStringList texts; // title, text, then the buttons
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Shows a box, reads it while it waits for the person, then presses a button.
SeenBox showAndPress(const std::function<void()>& show, const QString& press)
{
    SeenBox seen;
    QTimer::singleShot(0, qApp, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen = {{box->windowTitle(), box->text()}, box->icon()};
        for (QAbstractButton* button : box->buttons()) {
            seen.texts << button->text().remove(QLatin1Char('&'));
            if (seen.texts.back() == press)
                button->click();
        }
    });
    show();
    return seen;
}

TEST(ModalMessageBoxes, ShowTheTextUnderTheProgramsNameWithItsButtons)
{
    QWidget parent;
    ModalMessageBoxes boxes;
    const SeenBox told = showAndPress(
        [&] { boxes.show(&parent, QStringLiteral("not enough"), MessageIcon::Information); }, QStringLiteral("OK"));
    EXPECT_EQ(told.texts, (QStringList{"Plenwick", "not enough", "OK"}));
    EXPECT_EQ(told.icon, QMessageBox::Information);

    for (const QString& pressed : {QStringLiteral("Close anyway"), QStringLiteral("Stay")}) {
        bool first = false;
        const SeenBox asked = showAndPress(
            [&] {
                first = boxes.choose(&parent, QStringLiteral("not saved"), QStringLiteral("Close anyway"),
                                     QStringLiteral("Stay"));
            },
            pressed);
        EXPECT_TRUE(asked.texts.contains(QStringLiteral("Close anyway")) &&
                    asked.texts.contains(QStringLiteral("Stay")));
        EXPECT_EQ(first, pressed == QStringLiteral("Close anyway"));
        EXPECT_EQ(asked.icon, QMessageBox::Warning);
    }
}

} // namespace
} // namespace plenwick

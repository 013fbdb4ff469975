#include "app/surroundings.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace plenwick {
namespace {

struct SeenBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    bool modal = false;
};

// Shows a message box and reads it back while it waits for the person.
SeenBox showAndRead(const QString& text, MessageIcon icon)
{
    SeenBox seen;
    QWidget parent;
    QTimer::singleShot(0, &parent, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen = {box->windowTitle(), box->text(), box->icon(), {}, box->isModal()};
        for (QAbstractButton* button : box->buttons())
            seen.buttons << button->text();
        box->button(QMessageBox::Ok)->click();
    });
    ModalMessageBoxes().show(&parent, text, icon);
    return seen;
}

TEST(ModalMessageBoxes, ShowTheTextUnderTheProgramsNameWithAnOkButton)
{
    const SeenBox plain = showAndRead(QStringLiteral("Enter Payment Amount"), MessageIcon::None);
    EXPECT_EQ(plain.title, QStringLiteral("Plenwick"));
    EXPECT_EQ(plain.text, QStringLiteral("Enter Payment Amount"));
    EXPECT_EQ(plain.icon, QMessageBox::NoIcon);
    ASSERT_EQ(plain.buttons.size(), 1);
    EXPECT_EQ(QString(plain.buttons[0]).remove(QLatin1Char('&')), QStringLiteral("OK"));
    EXPECT_TRUE(plain.modal);

    EXPECT_EQ(showAndRead(QStringLiteral("not enough"), MessageIcon::Information).icon, QMessageBox::Information);
    EXPECT_EQ(showAndRead(QStringLiteral("not saved"), MessageIcon::Warning).icon, QMessageBox::Warning);
}

} // namespace
} // namespace plenwick

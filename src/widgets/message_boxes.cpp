#include "widgets/message_boxes.h"

#include <QMessageBox>
#include <QPushButton>

namespace plenwick {

void ModalMessageBoxes::show(QWidget* parent, const QString& text, MessageIcon icon)
{
    QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
    if (icon == MessageIcon::Information)
        shownIcon = QMessageBox::Information;
    else if (icon == MessageIcon::Warning)
        shownIcon = QMessageBox::Warning;
    QMessageBox box(shownIcon, QStringLiteral("Plenwick"), text, QMessageBox::Ok, parent);
    box.exec();
}

bool ModalMessageBoxes::choose(QWidget* parent, const QString& text, const QString& first, const QString& second)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Plenwick"), text, QMessageBox::NoButton, parent);
    QPushButton* firstButton = box.addButton(first, QMessageBox::AcceptRole);
    box.setDefaultButton(box.addButton(second, QMessageBox::RejectRole));
    box.exec();
    return box.clickedButton() == firstButton;
}

} // namespace plenwick

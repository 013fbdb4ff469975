#include "app/surroundings.h"

#include <QMessageBox>

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

} // namespace plenwick

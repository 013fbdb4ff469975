#include "app/surroundings.h"

#include <QMessageBox>

namespace plenwick {

void ModalMessageBoxes::show(QWidget* parent, const QString& text, MessageIcon icon)
{
    QMessageBox box(icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon,
                    QStringLiteral("Plenwick"), text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace plenwick

#pragma once

#include "calculations/payoff.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace plenwick {

// Shows the program's message boxes. Tests put a recorder in its place.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void show(QWidget* parent, const QString& text, MessageIcon icon) = 0;
};

// Modal, with the caption "Plenwick" and an OK button.
class ModalMessageBoxes : public MessageBoxes {
public:
    void show(QWidget* parent, const QString& text, MessageIcon icon) override;
};

// What the main window needs from the world around it.
struct Surroundings {
    std::shared_ptr<MessageBoxes> messages = std::make_shared<ModalMessageBoxes>();
    QString cardFilePath;
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
};

} // namespace plenwick

#pragma once

#include "calculations/payoff.h"

#include <QString>

class QWidget;

namespace plenwick {

// Shows the program's message boxes. Tests put a recorder in its place.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void show(QWidget* parent, const QString& text, MessageIcon icon) = 0;
    // A warning with two choices; true when the person takes the first.
    virtual bool choose(QWidget* parent, const QString& text, const QString& first, const QString& second) = 0;
};

// Modal, with the caption "Plenwick" and an OK button, or the two choices.
class ModalMessageBoxes : public MessageBoxes {
public:
    void show(QWidget* parent, const QString& text, MessageIcon icon) override;
    bool choose(QWidget* parent, const QString& text, const QString& first, const QString& second) override;
};

} // namespace plenwick

#pragma once

#include <QTimer>
#include <QWidget>

#include <functional>

namespace plenwick {

// The window the program opens with: a heap of credit cards and the name.
// A tenth of a second after it shows it opens the main window, which loads
// fully before it appears, and closes itself.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDelayMs = 100;

    explicit frmSplash(std::function<void()> showMainWindow, QWidget* parent = nullptr);

    QTimer* timer() { return &m_timer; }

private:
    void openMainWindow();

    std::function<void()> m_showMainWindow;
    QTimer m_timer;
};

} // namespace plenwick

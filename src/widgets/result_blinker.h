#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <vector>

class QLabel;
class QWidget;

namespace plenwick {

// The caption of a result label that holds no answer.
inline const QString kNoAnswer = QStringLiteral("-");

// A hidden widget keeps its place, so hiding it moves nothing else.
void keepSpaceWhenHidden(QWidget* widget);

// Makes every result label that holds an answer blink, half a second on and
// half a second off; a label whose caption is exactly "-" holds no answer and
// stays hidden. Hidden labels keep their space, so nothing else moves.
class ResultBlinker : public QObject {
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 500;

    explicit ResultBlinker(QObject* parent);

    // The label blinks from now on; it keeps its space while hidden.
    void watch(QLabel* label);

    // One phase: the show phase when the last tick hid, the hide phase otherwise.
    void tick();
    bool resultsShown() const { return m_resultsShown; }
    QTimer* timer() { return &m_timer; }

private:
    std::vector<QLabel*> m_labels;
    QTimer m_timer;
    bool m_resultsShown = false;
};

} // namespace plenwick

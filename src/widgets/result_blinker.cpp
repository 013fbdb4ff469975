#include "widgets/result_blinker.h"

#include <QLabel>

namespace plenwick {

void keepSpaceWhenHidden(QWidget* widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

ResultBlinker::ResultBlinker(QObject* parent)
    : QObject(parent)
    , m_timer(this)
{
    m_timer.setObjectName(QStringLiteral("Timer1"));
    m_timer.setInterval(kIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &ResultBlinker::tick);
    m_timer.start();
}

void ResultBlinker::watch(QLabel* label)
{
    keepSpaceWhenHidden(label);
    m_labels.push_back(label);
}

void ResultBlinker::tick()
{
    if (!m_resultsShown) {
        for (QLabel* label : m_labels) {
            if (label->text() != kNoAnswer)
                label->setVisible(true);
        }
    } else {
        for (QLabel* label : m_labels)
            label->setVisible(false);
    }
    m_resultsShown = !m_resultsShown;
}

} // namespace plenwick

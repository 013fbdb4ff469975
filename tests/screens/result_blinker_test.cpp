#include "screens/result_blinker.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

namespace plenwick {
namespace {

TEST(ResultBlinker, AnswersBlinkAndLabelsWithoutOneStayHiddenInTheirPlace)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    std::vector<QLabel*> labels;
    for (const char* caption : {"-", "-", " -", "-"}) { // only an exact "-" is no answer
        labels.push_back(new QLabel(QString::fromLatin1(caption), &window));
        layout->addWidget(labels.back());
    }
    window.setFixedSize(200, 160);
    ResultBlinker blinker(labels, &window);
    blinker.timer()->stop(); // the test drives the ticks
    window.show();
    const QRect answerPlace = labels[2]->geometry();

    // Per tick: the caption written into label 1 before it (if any), then
    // which labels are on screen after it.
    const struct {
        const char* written;
        bool shown[4];
    } ticks[] = {
        {nullptr, {true, true, true, true}},         // show: labels start visible
        {nullptr, {false, false, false, false}},     // hide: every label
        {nullptr, {false, false, true, false}},      // show: only answers
        {"11 months", {false, false, false, false}}, // hide, though just answered
        {nullptr, {false, true, true, false}},
    };
    for (std::size_t tick = 0; tick < std::size(ticks); ++tick) {
        SCOPED_TRACE(tick);
        if (ticks[tick].written)
            labels[1]->setText(QString::fromLatin1(ticks[tick].written));
        blinker.tick();
        for (int label = 0; label < 4; ++label)
            EXPECT_EQ(labels[label]->isVisibleTo(&window), ticks[tick].shown[label]) << label;
        layout->activate();
        EXPECT_EQ(labels[2]->geometry(), answerPlace);
    }
}

} // namespace
} // namespace plenwick

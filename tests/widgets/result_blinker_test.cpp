#include "widgets/result_blinker.h"

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
    for (const char* caption : {"-", "-", " -", "-"}) // only an exact "-" is no answer
        layout->addWidget(labels.emplace_back(new QLabel(QString::fromLatin1(caption), &window)));
    window.setFixedSize(200, 160);
    ResultBlinker blinker(&window);
    for (QLabel* label : labels)
        blinker.watch(label);
    blinker.timer()->stop(); // the test drives the ticks
    window.show();
    const QRect answerPlace = labels[2]->geometry();

    // Per tick: the caption written into label 1 before it (if any), then
    // which labels are on screen after it. Show: labels start visible; hide:
    // every label; show: only answers; hide, though just answered; show.
    const std::pair<const char*, const char*> ticks[] = {
        {nullptr, "1111"}, {nullptr, "0000"}, {nullptr, "0010"}, {"11 months", "0000"}, {nullptr, "0110"}};
    for (const auto& [written, shown] : ticks) {
        if (written)
            labels[1]->setText(QString::fromLatin1(written));
        blinker.tick();
        QString visible;
        for (QLabel* label : labels)
            visible += label->isVisibleTo(&window) ? '1' : '0';
        EXPECT_EQ(visible, QLatin1String(shown));
        layout->activate();
        EXPECT_EQ(labels[2]->geometry(), answerPlace) << shown;
    }
}

} // namespace
} // namespace plenwick

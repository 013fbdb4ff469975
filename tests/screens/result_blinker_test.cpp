#include "screens/result_blinker.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

namespace plenwick {
namespace {

class ResultBlinkerTest : public testing::Test {
protected:
    ResultBlinkerTest()
    {
        auto* layout = new QVBoxLayout(&m_window);
        for (int i = 0; i < 3; ++i) {
            m_labels.push_back(new QLabel(QStringLiteral("-"), &m_window));
            layout->addWidget(m_labels.back());
        }
        m_blinker = new ResultBlinker(m_labels, &m_window);
        m_blinker->timer()->stop(); // the tests drive the ticks
        m_window.show();
    }

    bool shown(int label) const { return m_labels[label]->isVisibleTo(&m_window); }

    QWidget m_window;
    std::vector<QLabel*> m_labels;
    ResultBlinker* m_blinker = nullptr;
};

TEST_F(ResultBlinkerTest, TicksEveryHalfSecondFromTheStart)
{
    EXPECT_EQ(m_blinker->timer()->interval(), 500);
    EXPECT_EQ(m_blinker->timer()->objectName(), QStringLiteral("Timer1"));
}

TEST_F(ResultBlinkerTest, LabelsWithoutAnAnswerAreHiddenAtTheFirstHidePhaseAndStayHidden)
{
    m_blinker->tick(); // show phase: "-" labels are left as they are
    EXPECT_TRUE(shown(0));
    m_blinker->tick(); // hide phase
    for (int phase = 0; phase < 4; ++phase) {
        EXPECT_FALSE(shown(0));
        EXPECT_FALSE(shown(2));
        m_blinker->tick();
    }
}

TEST_F(ResultBlinkerTest, AnAnswerBlinksWhileItsNeighboursStayHidden)
{
    m_blinker->tick();
    m_blinker->tick();
    m_labels[1]->setText(QStringLiteral("Infinite months"));

    m_blinker->tick();
    EXPECT_TRUE(m_blinker->resultsShown());
    EXPECT_TRUE(shown(1));
    EXPECT_FALSE(shown(0));
    m_blinker->tick();
    EXPECT_FALSE(shown(1));
    m_blinker->tick();
    EXPECT_TRUE(shown(1));
}

TEST_F(ResultBlinkerTest, AnAnswerWrittenAfterAShowPhaseAppearsAtTheTickAfterNext)
{
    m_blinker->tick(); // show
    m_blinker->tick(); // hide
    m_blinker->tick(); // show
    m_labels[0]->setText(QStringLiteral("11 months"));
    m_blinker->tick(); // hide
    EXPECT_FALSE(shown(0));
    m_blinker->tick(); // show
    EXPECT_TRUE(shown(0));
}

TEST_F(ResultBlinkerTest, OnlyAnExactDashMeansNoAnswer)
{
    m_labels[0]->setText(QStringLiteral(" -"));
    m_labels[1]->setText(QStringLiteral("- "));
    m_blinker->tick();
    m_blinker->tick();
    m_blinker->tick();
    EXPECT_TRUE(shown(0));
    EXPECT_TRUE(shown(1));
    EXPECT_FALSE(shown(2));
}

TEST_F(ResultBlinkerTest, AHiddenLabelKeepsItsSpace)
{
    m_labels[1]->setText(QStringLiteral("$88.85 monthly"));
    m_window.adjustSize();
    const QRect before = m_labels[2]->geometry();
    m_blinker->tick();
    m_blinker->tick(); // everything hidden
    m_window.layout()->activate();
    EXPECT_EQ(m_labels[2]->geometry(), before);
}

} // namespace
} // namespace plenwick

#include "app/plan_screen.h"

#include "app/card_grid.h"
#include "app/plan_chart.h"
#include "app/plan_export.h"
#include "app/plan_result.h"
#include "app/plan_table_model.h"
#include "app/theme.h"
#include "money/money_text.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace plenwick {

namespace {

constexpr PlanStrategy kStrategies[] = {PlanStrategy::HighestRateFirst, PlanStrategy::SmallestBalanceFirst,
                                        PlanStrategy::CardOrder};

QLabel* caption(QWidget* parent, const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text, parent);
    label->setFont(theme::boldCaptionFont());
    label->setBuddy(buddy);
    return label;
}

QLabel* summaryLine(QWidget* parent, const QString& objectName, const QFont& font)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setFont(font);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setVisible(false);
    return label;
}

void showLines(QLabel* label, const QStringList& lines)
{
    label->setText(lines.join(QLatin1Char('\n')));
    label->setVisible(!lines.isEmpty());
}

} // namespace

PlanScreen::PlanScreen(QWidget* parent)
    : ScreenPanel(parent)
    , m_model(new PlanTableModel(this))
{
    setObjectName(QStringLiteral("Picture1_3"));
    QVBoxLayout* layout = screenLayout(this);
    addHeader(this, layout, QStringLiteral("PlanHeader"),
              QStringLiteral("This screen plans paying off all your cards together from one monthly budget: "
                             "each card gets its minimum payment, and the rest goes to the cards in the order you "
                             "choose."));
    addChoices(layout);

    auto* body = new QHBoxLayout;
    body->setSpacing(theme::kScreenMargin);
    body->addWidget(summaryBox());
    PlanViews = new QTabWidget(this);
    PlanViews->setObjectName(QStringLiteral("PlanViews"));
    PlanViews->setFont(theme::captionFont());
    PlanViews->tabBar()->setStyleSheet(theme::viewTabStyle());
    Chart = new PlanChart(PlanViews);
    PlanTable = new QTableView(PlanViews);
    PlanTable->setObjectName(QStringLiteral("PlanTable"));
    PlanTable->setModel(m_model);
    PlanTable->setFont(theme::boxFont());
    PlanTable->setWordWrap(false);
    PlanTable->setAlternatingRowColors(true);
    PlanTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    PlanTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    PlanTable->setTextElideMode(Qt::ElideRight);
    PlanTable->verticalHeader()->setVisible(false);
    // Rows of one height let the view place row 1,200 without measuring the rest.
    PlanTable->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    PlanTable->verticalHeader()->setDefaultSectionSize(QFontMetrics(PlanTable->font()).height() + 6);
    PlanTable->horizontalHeader()->setFont(theme::boxFont());
    PlanTable->horizontalHeader()->setDefaultSectionSize(theme::kPlanMoneyColumnWidth);
    QFont totals = theme::boxFont();
    totals.setBold(true);
    m_model->setTotalsFont(totals);
    PlanViews->addTab(Chart, QStringLiteral("Balances"));
    PlanViews->addTab(PlanTable, QStringLiteral("Schedule"));
    body->addWidget(PlanViews, 1);
    layout->addLayout(body, 1);

    const Navigation navigation = addNavigation(this, layout, 3);
    // The plan takes the height the card screens leave free.
    layout->setStretch(layout->count() - 2, 0);
    PrevCMD = navigation.previous;
    NextCMD = navigation.next;
    NextCMD->setVisible(false);

    connect(CalPlanCMD, &QPushButton::clicked, this, &PlanScreen::calculate);
    connect(BudgetText, &QLineEdit::returnPressed, this, &PlanScreen::calculate);
    connect(BudgetText, &QLineEdit::textEdited, this, [this](const QString& text) { m_budgetTyped = !text.isEmpty(); });
    connect(ExportCMD, &QPushButton::clicked, this, &PlanScreen::exportAsked);
    connect(PrevCMD, &QPushButton::clicked, this, &PlanScreen::previousRequested);
    connect(NextCMD, &QPushButton::clicked, this, &PlanScreen::nextRequested);
}

PlanScreen::~PlanScreen() = default;

void PlanScreen::addChoices(QVBoxLayout* layout)
{
    BudgetText = textBox(this, Qt::AlignRight | Qt::AlignVCenter);
    BudgetText->setObjectName(QStringLiteral("BudgetText"));
    BudgetText->setAccessibleName(QStringLiteral("Monthly budget"));
    BudgetText->setFixedWidth(theme::kPlanBudgetWidth);
    BudgetText->installEventFilter(this);

    StrategyCombo = new QComboBox(this);
    StrategyCombo->setObjectName(QStringLiteral("StrategyCombo"));
    StrategyCombo->setAccessibleName(QStringLiteral("Extra money goes to"));
    StrategyCombo->setFont(theme::captionFont());
    for (const PlanStrategy strategy : kStrategies) {
        const std::string_view name = strategyName(strategy);
        StrategyCombo->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }

    CalPlanCMD = commandButton(this, QStringLiteral("CalPlanCMD"), QStringLiteral("Calculate"));
    ExportCMD = commandButton(this, QStringLiteral("ExportCMD"), QStringLiteral("Export…"));
    ExportCMD->setEnabled(false);
    for (QPushButton* button : {CalPlanCMD, ExportCMD})
        button->setFixedSize(theme::kNavigationButtonSize);

    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    row->addWidget(caption(this, QStringLiteral("Monthly budget"), BudgetText));
    row->addWidget(BudgetText);
    row->addSpacing(theme::kScreenMargin);
    row->addWidget(caption(this, QStringLiteral("Extra money goes to"), StrategyCombo));
    row->addWidget(StrategyCombo);
    row->addSpacing(theme::kScreenMargin);
    row->addWidget(CalPlanCMD);
    row->addStretch(1);
    row->addWidget(ExportCMD);
    layout->addLayout(row);
}

QFrame* PlanScreen::summaryBox()
{
    auto* box = new QFrame(this);
    box->setObjectName(QStringLiteral("PlanSummaryBox"));
    box->setFixedWidth(theme::kPlanSummaryWidth);
    box->setStyleSheet(theme::summaryBoxStyle(box->objectName()));
    QFont headline = theme::captionFont(10);
    headline.setBold(true);
    PlanMessage = summaryLine(box, QStringLiteral("PlanMessage"), headline);
    PlanMessage->setStyleSheet(QStringLiteral("color: %1;").arg(theme::kAnswerText.name()));
    PlanHeadline = summaryLine(box, QStringLiteral("PlanHeadline"), headline);
    PlanCards = summaryLine(box, QStringLiteral("PlanCards"), theme::captionFont());
    PlanMoves = summaryLine(box, QStringLiteral("PlanMoves"), theme::captionFont());
    auto* lines = new QVBoxLayout(box);
    lines->setContentsMargins(10, 8, 10, 8);
    lines->setSpacing(10);
    for (QLabel* label : {PlanMessage, PlanHeadline, PlanCards, PlanMoves})
        lines->addWidget(label);
    lines->addStretch(1);
    return box;
}

void PlanScreen::suggestBudget(MoneyAmount budget)
{
    if (!m_budgetTyped)
        BudgetText->setText(QString::fromStdString(FormatByPattern(budget, Pattern::Money)));
}

void PlanScreen::calculate()
{
    const auto budget = money(BudgetText->text().toStdString());
    if (!budget) {
        showPlan(nullptr);
        showMessage(QStringLiteral("Enter the monthly budget as an amount, such as $500.00."));
        return;
    }
    emit planAsked(*budget, kStrategies[std::max(0, StrategyCombo->currentIndex())]);
}

void PlanScreen::showMessage(const QString& text)
{
    PlanMessage->setText(text);
    PlanMessage->setVisible(!text.isEmpty());
}

void PlanScreen::showPlan(std::shared_ptr<const PlanResult> result)
{
    m_result = std::move(result);
    const PlanSummary summary = m_result ? summarisePlan(*m_result) : PlanSummary();
    showMessage(summary.failure);
    showLines(PlanHeadline, summary.headline);
    showLines(PlanCards, summary.cards);
    showLines(PlanMoves, summary.moves);
    Chart->showPlan(m_result.get());
    m_model->showPlan(m_result);
    PlanTable->setColumnWidth(0, theme::kPlanMonthColumnWidth);
    PlanTable->setColumnWidth(1, theme::kPlanDateColumnWidth);
    ExportCMD->setEnabled(m_result && m_result->plan.months > 0);
}

std::optional<QString> PlanScreen::exportTo(const QString& path, bool pdf) const
{
    if (!m_result)
        return QStringLiteral("There is no plan to save.");
    return pdf ? ExportPlanPdf(path, *m_result) : ExportPlanCsv(path, *m_result);
}

bool PlanScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == BudgetText && event->type() == QEvent::FocusOut)
        BudgetText->setText(QString::fromStdString(FormatByPattern(BudgetText->text().toStdString(), Pattern::Money)));
    return ScreenPanel::eventFilter(watched, event);
}

} // namespace plenwick

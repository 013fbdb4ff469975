#include "screens/plan_screen.h"

#include "models/order_comparison_model.h"
#include "models/plan_inputs.h"
#include "models/plan_job.h"
#include "models/plan_table_model.h"
#include "models/shown_text.h"
#include "screens/plan_editors.h"
#include "screens/plan_export.h"
#include "widgets/card_grid.h"
#include "widgets/data_table.h"
#include "widgets/plan_chart.h"
#include "widgets/theme.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace plenwick {

namespace {

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

void showLines(QLabel* label, const std::vector<std::string>& lines)
{
    QStringList shown;
    for (const std::string& line : lines)
        shown << shownText(line);
    label->setText(shown.join(QLatin1Char('\n')));
    label->setVisible(!shown.isEmpty());
}

} // namespace

PlanScreen::PlanScreen(ScreenContext context, QWidget* parent)
    : CardScreen(parent)
    , m_context(std::move(context))
    , m_orders(new OrderComparisonModel(this))
    , m_model(new PlanTableModel(this))
    , m_job(new PlanJob(this))
{
    setObjectName(QStringLiteral("Picture1_3"));
    QVBoxLayout* layout = screenLayout(this);
    addHeader(this, layout, QStringLiteral("planHeader"),
              QStringLiteral("This screen plans paying off all your debts together from one monthly budget: each "
                             "debt gets its minimum payment, and the rest goes to the debts in the order you "
                             "choose."));
    addChoices(layout);

    auto* body = new QHBoxLayout;
    body->setSpacing(theme::kScreenMargin);
    body->addWidget(summaryBox());
    m_views = new QTabWidget(this);
    m_views->setObjectName(QStringLiteral("planViews"));
    m_views->setFont(theme::captionFont());
    m_views->tabBar()->setStyleSheet(theme::viewTabStyle());
    m_chart = new PlanChart(m_views);
    m_schedule = dataTable(m_views, QStringLiteral("scheduleView"), QStringLiteral("Schedule month by month"));
    m_schedule->setModel(m_model);
    m_schedule->horizontalHeader()->setDefaultSectionSize(theme::kPlanMoneyColumnWidth);
    m_schedule->verticalHeader()->setDefaultSectionSize(QFontMetrics(m_schedule->font()).height() + 6);
    QFont totals = theme::boxFont();
    totals.setBold(true);
    m_model->setTotalsFont(totals);
    m_debts = new DebtsEditor(m_views);
    m_changes = new ChangesEditor([this] { return monthText(firstMonth().plus(1)); }, m_views);
    m_views->addTab(orderTable(), QStringLiteral("Orders side by side"));
    m_views->addTab(m_chart, QStringLiteral("Balances"));
    m_views->addTab(m_schedule, QStringLiteral("Schedule"));
    m_views->addTab(m_debts, QStringLiteral("Debts and your own order"));
    m_views->addTab(m_changes, QStringLiteral("Budget changes"));
    body->addWidget(m_views, 1);
    layout->addLayout(body, 1);

    const Navigation navigation = addNavigation(this, layout, 3);
    // The plan takes the height the card screens leave free.
    layout->setStretch(layout->count() - 2, 0);
    connect(navigation.previous, &QPushButton::clicked, this, &PlanScreen::previousRequested);
    connect(navigation.next, &QPushButton::clicked, this, &PlanScreen::nextRequested);
    connect(m_debts, &DebtsEditor::edited, this, &PlanScreen::edited);
    connect(m_debts, &DebtsEditor::orderMoved, this,
            [this] { m_order->setCurrentText(orderName(PlanStrategy::OwnOrder)); });
    connect(m_changes, &ChangesEditor::edited, this, &PlanScreen::edited);
    connect(m_job, &PlanJob::finished, this, &PlanScreen::showComparison);
}

PlanScreen::~PlanScreen() = default;

void PlanScreen::addChoices(QVBoxLayout* layout)
{
    m_budget = textBox(this, Qt::AlignRight | Qt::AlignVCenter);
    m_budget->setObjectName(QStringLiteral("budgetBox"));
    m_budget->setAccessibleName(QStringLiteral("Monthly budget"));
    m_budget->setFixedWidth(theme::kPlanBudgetWidth);
    m_budget->installEventFilter(this);

    m_order = new QComboBox(this);
    m_order->setObjectName(QStringLiteral("orderChoice"));
    m_order->setAccessibleName(QStringLiteral("Extra money goes to"));
    m_order->setFont(theme::captionFont());
    for (const PlanStrategy strategy : kPlanOrders)
        m_order->addItem(orderName(strategy));

    m_export = commandButton(this, QStringLiteral("exportButton"), QStringLiteral("Export…"));
    m_export->setEnabled(false);
    m_export->setFixedSize(theme::kNavigationButtonSize);

    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    row->addWidget(caption(this, QStringLiteral("Monthly budget"), m_budget));
    row->addWidget(m_budget);
    row->addSpacing(theme::kScreenMargin);
    row->addWidget(caption(this, QStringLiteral("Extra money goes to"), m_order));
    row->addWidget(m_order);
    row->addStretch(1);
    row->addWidget(m_export);
    layout->addLayout(row);

    connect(m_budget, &QLineEdit::textEdited, this, [this](const QString& typed) {
        // An empty box: what the debts are paid now.
        m_saved.budget = typed.trimmed();
        edited();
    });
    connect(m_order, &QComboBox::currentIndexChanged, this, &PlanScreen::edited);
    connect(m_export, &QPushButton::clicked, this, &PlanScreen::exportPlan);
}

QWidget* PlanScreen::orderTable()
{
    m_orderView = dataTable(m_views, QStringLiteral("orderView"), QStringLiteral("Every order side by side"));
    m_orders->setFont(theme::boxFont());
    m_orderView->setModel(m_orders);
    m_orderView->horizontalHeader()->setStretchLastSection(true);
    m_orderView->horizontalHeader()->resizeSection(OrderComparisonModel::OrderColumn, theme::kOrderColumnWidth);
    m_orderView->setToolTip(QStringLiteral("Choose an order to see its balances and schedule."));
    // Choosing an order shows its plan.
    connect(m_orderView->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    m_order->setCurrentText(orderName(m_orders->strategyOf(current.row())));
            });
    return m_orderView;
}

QFrame* PlanScreen::summaryBox()
{
    auto* box = new QFrame(this);
    box->setObjectName(QStringLiteral("summaryBox"));
    box->setFixedWidth(theme::kPlanSummaryWidth);
    box->setStyleSheet(theme::summaryBoxStyle(box->objectName()));
    QFont headline = theme::captionFont(10);
    headline.setBold(true);
    m_message = summaryLine(box, QStringLiteral("planMessage"), headline);
    m_message->setStyleSheet(QStringLiteral("color: %1;").arg(theme::kAnswerText.name()));
    m_headline = summaryLine(box, QStringLiteral("planHeadline"), headline);
    m_cardLines = summaryLine(box, QStringLiteral("planCards"), theme::captionFont());
    m_moveLines = summaryLine(box, QStringLiteral("planMoves"), theme::captionFont());
    m_moveUndos = new QVBoxLayout;
    m_moveUndos->setSpacing(4);
    auto* lines = new QVBoxLayout(box);
    lines->setContentsMargins(10, 8, 10, 8);
    lines->setSpacing(10);
    for (QLabel* label : {m_message, m_headline, m_cardLines, m_moveLines})
        lines->addWidget(label);
    lines->addLayout(m_moveUndos);
    lines->addStretch(1);
    return box;
}

CalendarMonth PlanScreen::firstMonth() const
{
    const QDate today = m_context.now().date();
    return CalendarMonth{today.year(), today.month()}.plus(1);
}

void PlanScreen::setSaved(const SavedPlan& saved)
{
    m_saved = saved;
    showSaved();
}

// The screen's boxes and lists as the saved plan has them, without a word
// back about the change.
void PlanScreen::showSaved()
{
    const QSignalBlocker quietOrder(m_order);
    m_order->setCurrentText(orderName(orderNamed(m_saved.order)));
    m_budget->setText(m_saved.budget.isEmpty() ? moneyText(budgetPaidNow(m_cards, m_saved)) : m_saved.budget);
    m_debts->setSaved(m_saved);
    m_changes->setSaved(m_saved);
    showMoves();
}

void PlanScreen::enter(const CardBook& book)
{
    m_cards = book;
    m_debts->setCards(book);
    m_debts->writeTo(m_saved); // the own order takes in new cards
    showSaved();
    replan();
}

void PlanScreen::edited()
{
    m_saved.order = m_order->currentText();
    m_debts->writeTo(m_saved);
    m_changes->writeTo(m_saved);
    if (m_saved.budget.isEmpty() && !m_budget->hasFocus())
        m_budget->setText(moneyText(budgetPaidNow(m_cards, m_saved)));
    emit savedChanged(m_saved);
    replan();
}

void PlanScreen::useOffer(std::size_t row, const OfferMove& move)
{
    m_saved.moves[static_cast<int>(row)] = offerMoveTexts(move);
    showMoves();
    emit savedChanged(m_saved);
    replan();
}

// A button per move takes the card back to its own rates.
void PlanScreen::showMoves()
{
    // The button clicked may be among them: it goes once its click is over.
    while (QLayoutItem* item = m_moveUndos->takeAt(0)) {
        item->widget()->hide();
        item->widget()->deleteLater();
        delete item;
    }
    for (const auto& [row, move] : m_saved.moves) {
        const QString name = m_cards[row][CardRow::Name].isEmpty() ? cardTitle(row) : m_cards[row][CardRow::Name];
        auto* undo = commandButton(this, QStringLiteral("undoMoveButton_%1").arg(row),
                                   QStringLiteral("Back to %1 as it is").arg(name));
        connect(undo, &QPushButton::clicked, this, [this, row = row] {
            m_saved.moves.erase(row);
            showMoves();
            emit savedChanged(m_saved);
            replan();
        });
        m_moveUndos->addWidget(undo);
    }
}

// A plan is never shown beside inputs it was not made from: while the
// inputs cannot be read, the message says why and the last plan stays
// greyed out until they can.
void PlanScreen::replan()
{
    const ReadInputs read = readPlanInputs(m_cards, m_saved, firstMonth());
    showMessage(read.problem);
    for (QWidget* view :
         {static_cast<QWidget*>(m_orderView), static_cast<QWidget*>(m_chart), static_cast<QWidget*>(m_schedule)})
        view->setEnabled(read.inputs.has_value());
    m_export->setEnabled(read.inputs && m_comparison && m_comparison->chosen.plan.months > 0);
    if (read.inputs)
        m_job->start(*read.inputs);
}

void PlanScreen::showMessage(const QString& text)
{
    m_message->setText(text);
    m_message->setVisible(!text.isEmpty());
}

void PlanScreen::showComparison(std::shared_ptr<const PlanComparison> comparison)
{
    m_comparison = std::move(comparison);
    const PlanResult& result = m_comparison->chosen;
    const PlanSummary summary = SummarisePlan(result);
    showMessage(shownText(summary.failure));
    showLines(m_headline, summary.headline);
    showLines(m_cardLines, summary.cards);
    showLines(m_moveLines, summary.moves);
    m_chart->showPlan(&result);
    m_model->showPlan(std::shared_ptr<const PlanResult>(m_comparison, &m_comparison->chosen));
    m_schedule->setColumnWidth(0, theme::kPlanMonthColumnWidth);
    m_schedule->setColumnWidth(1, theme::kPlanDateColumnWidth);
    {
        const QSignalBlocker quiet(m_orderView->selectionModel());
        m_orders->show(m_comparison->orders);
        if (const auto row = m_orders->rowOf(orderNamed(m_saved.order)))
            m_orderView->setCurrentIndex(m_orders->index(*row, 0));
    }
    m_export->setEnabled(result.plan.months > 0);
}

void PlanScreen::exportPlan()
{
    if (!m_comparison)
        return;
    const QString csv = QStringLiteral("Spreadsheet (*.csv)");
    const QString pdf = QStringLiteral("PDF (*.pdf)");
    QString chosen;
    const QString path = m_context.askSavePath(this, QStringLiteral("Export My Plan"),
                                               QDir::home().filePath(QStringLiteral("My Plan.csv")),
                                               csv + QStringLiteral(";;") + pdf, &chosen);
    if (path.isEmpty())
        return;
    const bool asPdf = path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive) ||
                       (chosen == pdf && !path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive));
    const PlanResult& result = m_comparison->chosen;
    const auto failure = asPdf ? ExportPlanPdf(path, result) : ExportPlanCsv(path, result);
    if (failure) {
        m_context.messages->show(
            this,
            QStringLiteral("The plan could not be saved to %1:\n%2").arg(QDir::toNativeSeparators(path), *failure),
            MessageIcon::Warning);
    }
}

bool PlanScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_budget && event->type() == QEvent::FocusOut && !m_saved.budget.isEmpty()) {
        m_saved.budget = shownText(FormatByPattern(m_saved.budget.toStdString(), Pattern::Money));
        m_budget->setText(m_saved.budget);
        emit savedChanged(m_saved);
    }
    return CardScreen::eventFilter(watched, event);
}

} // namespace plenwick

#include "screens/plan_screen.h"

#include "models/plan_table_model.h"
#include "models/shown_text.h"
#include "plan/plan_summary.h"
#include "models/card_numbers.h"
#include "screens/plan_export.h"
#include "widgets/card_grid.h"
#include "widgets/plan_chart.h"
#include "widgets/theme.h"

#include <QComboBox>
#include <QDir>
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
    , m_model(new PlanTableModel(this))
{
    setObjectName(QStringLiteral("Picture1_3"));
    QVBoxLayout* layout = screenLayout(this);
    addHeader(this, layout, QStringLiteral("planHeader"),
              QStringLiteral("This screen plans paying off all your cards together from one monthly budget: "
                             "each card gets its minimum payment, and the rest goes to the cards in the order you "
                             "choose."));
    addChoices(layout);

    auto* body = new QHBoxLayout;
    body->setSpacing(theme::kScreenMargin);
    body->addWidget(summaryBox());
    auto* views = new QTabWidget(this);
    views->setObjectName(QStringLiteral("planViews"));
    views->setFont(theme::captionFont());
    views->tabBar()->setStyleSheet(theme::viewTabStyle());
    m_chart = new PlanChart(views);
    m_schedule = new QTableView(views);
    m_schedule->setObjectName(QStringLiteral("scheduleView"));
    m_schedule->setModel(m_model);
    m_schedule->setFont(theme::boxFont());
    m_schedule->setWordWrap(false);
    m_schedule->setAlternatingRowColors(true);
    m_schedule->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_schedule->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_schedule->setTextElideMode(Qt::ElideRight);
    m_schedule->verticalHeader()->setVisible(false);
    // Rows of one height let the view place row 1,200 without measuring the rest.
    m_schedule->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_schedule->verticalHeader()->setDefaultSectionSize(QFontMetrics(m_schedule->font()).height() + 6);
    m_schedule->horizontalHeader()->setFont(theme::boxFont());
    m_schedule->horizontalHeader()->setDefaultSectionSize(theme::kPlanMoneyColumnWidth);
    QFont totals = theme::boxFont();
    totals.setBold(true);
    m_model->setTotalsFont(totals);
    views->addTab(m_chart, QStringLiteral("Balances"));
    views->addTab(m_schedule, QStringLiteral("Schedule"));
    body->addWidget(views, 1);
    layout->addLayout(body, 1);

    const Navigation navigation = addNavigation(this, layout, 3);
    // The plan takes the height the card screens leave free.
    layout->setStretch(layout->count() - 2, 0);
    connect(navigation.previous, &QPushButton::clicked, this, &PlanScreen::previousRequested);
    connect(navigation.next, &QPushButton::clicked, this, &PlanScreen::nextRequested);
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
    for (const PlanStrategy strategy : kStrategies)
        m_order->addItem(shownText(std::string(strategyName(strategy))));

    auto* calculateButton = commandButton(this, QStringLiteral("calculatePlanButton"), QStringLiteral("Calculate"));
    m_export = commandButton(this, QStringLiteral("exportButton"), QStringLiteral("Export…"));
    m_export->setEnabled(false);
    for (QPushButton* button : {calculateButton, m_export})
        button->setFixedSize(theme::kNavigationButtonSize);

    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    row->addWidget(caption(this, QStringLiteral("Monthly budget"), m_budget));
    row->addWidget(m_budget);
    row->addSpacing(theme::kScreenMargin);
    row->addWidget(caption(this, QStringLiteral("Extra money goes to"), m_order));
    row->addWidget(m_order);
    row->addSpacing(theme::kScreenMargin);
    row->addWidget(calculateButton);
    row->addStretch(1);
    row->addWidget(m_export);
    layout->addLayout(row);

    connect(calculateButton, &QPushButton::clicked, this, &PlanScreen::calculate);
    connect(m_budget, &QLineEdit::returnPressed, this, &PlanScreen::calculate);
    connect(m_budget, &QLineEdit::textEdited, this, [this](const QString& text) { m_budgetTyped = !text.isEmpty(); });
    connect(m_export, &QPushButton::clicked, this, &PlanScreen::exportPlan);
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

void PlanScreen::enter(const CardBook& book)
{
    m_cards = book;
    if (!m_budgetTyped) {
        MoneyAmount payments;
        for (const DebtCard& card : debtCardsOf(m_cards))
            payments = payments.plus(card.actualPayment.value_or(MoneyAmount())).value_or(payments);
        m_budget->setText(moneyText(payments));
    }
    calculate();
}

void PlanScreen::useOffer(std::size_t row, const OfferMove& move)
{
    m_moves[row] = move;
    showMoves();
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
    for (const auto& [row, move] : m_moves) {
        const QString name =
            m_cards[row][CardRow::Name].isEmpty() ? cardTitle(static_cast<int>(row)) : m_cards[row][CardRow::Name];
        auto* undo = commandButton(this, QStringLiteral("undoMoveButton_%1").arg(row),
                                   QStringLiteral("Back to %1 as it is").arg(name));
        connect(undo, &QPushButton::clicked, this, [this, row = row] {
            m_moves.erase(row);
            showMoves();
            calculate();
        });
        m_moveUndos->addWidget(undo);
    }
}

bool PlanScreen::cardNumbersReadable()
{
    for (int row = 0; row < kCardCount; ++row) {
        const CardRow& card = m_cards[row];
        if (const auto problem = unreadableCardNumber(row, card[CardRow::InterestRate], card[CardRow::TotalDue])) {
            m_context.messages->show(this, *problem, MessageIcon::Warning);
            return false;
        }
    }
    return true;
}

void PlanScreen::calculate()
{
    const auto budget = money(m_budget->text().toStdString());
    if (!budget) {
        showPlan(nullptr);
        showMessage(QStringLiteral("Enter the monthly budget as an amount, such as $500.00."));
        return;
    }
    if (!cardNumbersReadable())
        return;
    const QDate today = m_context.now().date();
    const CalendarMonth firstMonth = CalendarMonth{today.year(), today.month()}.plus(1);
    showPlan(std::make_shared<const PlanResult>(BuildPlanWithMoves(
        debtCardsOf(m_cards), m_moves, *budget, kStrategies[std::max(0, m_order->currentIndex())], firstMonth)));
}

void PlanScreen::showMessage(const QString& text)
{
    m_message->setText(text);
    m_message->setVisible(!text.isEmpty());
}

void PlanScreen::showPlan(std::shared_ptr<const PlanResult> result)
{
    m_result = std::move(result);
    const PlanSummary summary = m_result ? SummarisePlan(*m_result) : PlanSummary();
    showMessage(shownText(summary.failure));
    showLines(m_headline, summary.headline);
    showLines(m_cardLines, summary.cards);
    showLines(m_moveLines, summary.moves);
    m_chart->showPlan(m_result.get());
    m_model->showPlan(m_result);
    m_schedule->setColumnWidth(0, theme::kPlanMonthColumnWidth);
    m_schedule->setColumnWidth(1, theme::kPlanDateColumnWidth);
    m_export->setEnabled(m_result && m_result->plan.months > 0);
}

void PlanScreen::exportPlan()
{
    if (!m_result)
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
    const auto failure = asPdf ? ExportPlanPdf(path, *m_result) : ExportPlanCsv(path, *m_result);
    if (failure) {
        m_context.messages->show(
            this,
            QStringLiteral("The plan could not be saved to %1:\n%2").arg(QDir::toNativeSeparators(path), *failure),
            MessageIcon::Warning);
    }
}

bool PlanScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_budget && event->type() == QEvent::FocusOut)
        m_budget->setText(shownText(FormatByPattern(m_budget->text().toStdString(), Pattern::Money)));
    return CardScreen::eventFilter(watched, event);
}

} // namespace plenwick

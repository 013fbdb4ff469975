#include "app/kept_files.h"

#include "calculations/payoff.h"
#include "models/shown_text.h"
#include "plan/plan_summary.h"
#include "screens/cards_screen.h"
#include "screens/costs_screen.h"
#include "screens/plan_screen.h"

#include <QDir>
#include <QLocale>

namespace plenwick {

namespace {

constexpr int kPlanSaveDelayMs = 500;

} // namespace

KeptFiles::KeptFiles(const Surroundings& surroundings, QWidget* window, const KeptScreens& screens)
    : QObject(window)
    , m_surroundings(surroundings)
    , m_window(window)
    , m_cards(screens.cards)
    , m_costs(screens.costs)
    , m_plan(screens.plan)
    , m_cardStore(surroundings.cardFilePath)
    , m_planStore(planFilePathBeside(surroundings.cardFilePath))
    , m_planSaveTimer(this)
{
    m_planSaveTimer.setSingleShot(true);
    m_planSaveTimer.setInterval(kPlanSaveDelayMs);
    connect(&m_planSaveTimer, &QTimer::timeout, this, &KeptFiles::autosavePlan);
    connect(m_cards, &CardsScreen::saveRequested, this, &KeptFiles::SaveMyCards);
    connect(m_plan, &PlanScreen::savedChanged, this, [this] { m_planSaveTimer.start(); });
}

void KeptFiles::LoadMyCards()
{
    LoadedCards loaded = m_cardStore.load();
    CardBook& book = loaded.contents.book;
    m_cards->showAdvanceNote({});
    if (loaded.contents.savedAt) {
        const CardBook stored = book;
        AdvanceBalances(book, monthsToAdvance(loaded.contents.savedAt->date(), m_surroundings.now().date()));
        tellAboutAdvance(stored, book, *loaded.contents.savedAt);
    }
    m_cards->setCards(book);
    m_savedCards = book;

    showReadOnly();

    // Told once the window is on the screen.
    QTimer::singleShot(0, this, [this, text = loaded.warning] {
        if (!text.isEmpty())
            m_surroundings.messages->show(m_window, text, MessageIcon::Warning);
        if (m_cardStore.readOnly())
            askToTakeOver();
    });
}

void KeptFiles::showReadOnly()
{
    m_cards->showReadOnlyNote(m_cardStore.readOnly()
                                  ? QStringLiteral("Read-only: your cards are open in another copy of Plenwick (%1). "
                                                   "Nothing is saved here until that copy is closed and you press "
                                                   "Save.")
                                        .arg(m_cardStore.otherCopy())
                                  : QString());
}

void KeptFiles::askToTakeOver()
{
    const QString text = QStringLiteral("Your cards in %1 are open in another copy of Plenwick (%2), and only one "
                                        "copy can save them.\n\nThis copy shows them read-only and saves nothing. To "
                                        "save here, close the other copy and choose Try again.")
                             .arg(QDir::toNativeSeparators(m_cardStore.path()), m_cardStore.otherCopy());
    if (!m_surroundings.messages->choose(m_window, text, QStringLiteral("Try again"), QStringLiteral("Read-only")))
        return;
    if (!m_cardStore.takeOver()) {
        m_surroundings.messages->show(m_window,
                                      QStringLiteral("The other copy still has your cards open, so this copy stays "
                                                     "read-only. Once that copy is closed, Save takes over."),
                                      MessageIcon::Warning);
        return;
    }
    // What the other copy saved is shown, unless something was typed here meanwhile.
    if (m_cardStore.changedOnDisk() && m_cards->cards() == m_savedCards)
        LoadMyCards();
    showReadOnly();
}

// No interest is added, so the lowered balances are below the statements:
// the note says so and gives each balance with interest, as an estimate.
void KeptFiles::tellAboutAdvance(const CardBook& before, const CardBook& after, const QDateTime& savedAt)
{
    if (before == after)
        return;
    const int months = monthsToAdvance(savedAt.date(), m_surroundings.now().date());
    QStringList estimates;
    for (int row = 0; row < kCardCount; ++row) {
        const CardRow& card = before[row];
        if (card[CardRow::TotalDue] == after[row][CardRow::TotalDue])
            continue;
        const auto estimate =
            BalanceWithInterest(card[CardRow::TotalDue].toStdString(), card[CardRow::InterestRate].toStdString(),
                                card[CardRow::ActualPayment].toStdString(), months);
        if (estimate)
            estimates << QStringLiteral("%1 about %2")
                             .arg(card[CardRow::Name].isEmpty() ? cardTitle(row) : card[CardRow::Name],
                                  shownText(FormatByPattern(*estimate, Pattern::Money)));
    }
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    m_cards->showAdvanceNote(
        QStringLiteral("Balances lowered by %1 of payments since your save of %2. No interest was added; with it, "
                       "your statements will show more (%3). Check the balances against them.")
            .arg(shownText(MonthCount(months)), english.toString(savedAt.date(), QStringLiteral("d MMMM yyyy")),
                 estimates.join(QStringLiteral(", "))));
}

std::optional<QString> KeptFiles::saveCards()
{
    if (m_cardStore.readOnly() && m_cardStore.takeOver())
        showReadOnly();
    if (!m_cardStore.readOnly() && m_cardStore.changedOnDisk()) {
        const QString path = QDir::toNativeSeparators(m_cardStore.path());
        const QString question =
            QStringLiteral("Your card file %1 was changed on disk after Plenwick read it, by another copy of Plenwick "
                           "or another program.\n\nKeep that file as a copy beside it and save the cards shown "
                           "here, or load that file and drop what was changed here since the last save?")
                .arg(path);
        if (m_surroundings.messages->choose(m_window, question, QStringLiteral("Load that file"),
                                            QStringLiteral("Keep it as a copy"))) {
            LoadMyCards();
            return std::nullopt;
        }
        const KeptCopy copy = m_cardStore.keepChangedFile();
        if (copy.path.isEmpty())
            return QStringLiteral("The file there was changed on disk and could not be copied (%1), so it is not "
                                  "written over.")
                .arg(copy.problem);
        m_surroundings.messages->show(
            m_window,
            QStringLiteral("The card file as it was on disk is kept in %1.").arg(QDir::toNativeSeparators(copy.path)),
            MessageIcon::Information);
    }
    const CardBook shown = m_cards->cards();
    if (auto failure = m_cardStore.save(cardFileText(shown, m_surroundings.now())))
        return failure;
    m_savedCards = shown;
    m_cards->showAdvanceNote({});
    const auto count = std::count_if(shown.begin(), shown.end(), [](const CardRow& card) {
        return !card[CardRow::Name].isEmpty() || !card[CardRow::TotalDue].isEmpty();
    });
    QString where = QDir::toNativeSeparators(m_cardStore.path());
    const QString home = QDir::toNativeSeparators(QDir::homePath());
    if (where.startsWith(home + QDir::separator()))
        where.replace(0, home.size(), QStringLiteral("~"));
    emit statusChanged(QStringLiteral("Saved %1 to %2")
                           .arg(count == 1 ? QStringLiteral("1 card") : QStringLiteral("%1 cards").arg(count), where),
                       false);
    return std::nullopt;
}

QString KeptFiles::saveFailure(const QString& reason) const
{
    return QStringLiteral("Your cards could not be saved to %1:\n%2")
        .arg(QDir::toNativeSeparators(m_cardStore.path()), reason);
}

void KeptFiles::SaveMyCards()
{
    const auto failure = saveCards();
    if (!failure)
        return;
    m_surroundings.messages->show(m_window,
                                  saveFailure(*failure) +
                                      QStringLiteral("\n\nThe cards saved before are kept, and what you typed is "
                                                     "still on the screen."),
                                  MessageIcon::Warning);
}

void KeptFiles::loadPlan()
{
    const LoadedPlan loaded = m_planStore.load(!m_cardStore.readOnly());
    m_savedPlan = loaded.plan;
    m_plan->setSaved(loaded.plan);
    m_costs->setMinimumRules(loaded.plan.cardMinimums);
    if (!loaded.warning.isEmpty())
        QTimer::singleShot(0, this, [this, text = loaded.warning] {
            m_surroundings.messages->show(m_window, text, MessageIcon::Warning);
        });
}

std::optional<QString> KeptFiles::savePlan()
{
    m_planSaveTimer.stop();
    const SavedPlan plan = m_plan->saved();
    if (plan == m_savedPlan)
        return std::nullopt;
    if (m_cardStore.readOnly())
        return QStringLiteral("Another copy of Plenwick (%1) has your files open, so this copy saves nothing.")
            .arg(m_cardStore.otherCopy());
    if (auto failure = m_planStore.save(plan))
        return failure;
    m_savedPlan = plan;
    return std::nullopt;
}

QString KeptFiles::planSaveFailure(const QString& reason) const
{
    return QStringLiteral("Your plan could not be saved to %1: %2")
        .arg(QDir::toNativeSeparators(m_planStore.path()), reason);
}

// Written as the person works, so a failure is told on the status line,
// where it stays until a save goes through; read-only, the note says it all.
void KeptFiles::autosavePlan()
{
    if (m_cardStore.readOnly())
        return;
    const auto failure = savePlan();
    if (failure || m_planFailureShown)
        emit statusChanged(failure ? planSaveFailure(*failure) : QString(), failure.has_value());
    m_planFailureShown = failure.has_value();
}

bool KeptFiles::saveForClosing()
{
    QStringList failures;
    if (m_cards->cards() != m_savedCards)
        if (const auto failure = saveCards())
            failures << saveFailure(*failure);
    if (const auto failure = savePlan())
        failures << planSaveFailure(*failure);
    return failures.isEmpty() ||
           m_surroundings.messages->choose(m_window,
                                           failures.join(QStringLiteral("\n\n")) +
                                               QStringLiteral("\n\nClose anyway and lose the changes made since the "
                                                              "last save?"),
                                           QStringLiteral("Close anyway"), QStringLiteral("Stay"));
}

} // namespace plenwick

#pragma once

#include "app/surroundings.h"
#include "cards/card_book.h"
#include "cards/card_store.h"
#include "cards/plan_store.h"

#include <QObject>
#include <QTimer>

#include <optional>

class QDateTime;

namespace plenwick {

class CardsScreen;
class CostsScreen;
class PlanScreen;

// The screens whose entries are kept between runs.
struct KeptScreens {
    CardsScreen* cards;
    CostsScreen* costs; // shows the minimum rules kept with the plan
    PlanScreen* plan;
};

// Keeps what the person typed between runs: the cards of My Cards in the
// card file, My Plan in the plan file beside it. It loads both at start,
// saves the cards when asked and the plan as it changes, and tells the
// person, in the window's message boxes, of a second copy of the program,
// a card file changed on disk and any save that fails.
class KeptFiles : public QObject {
    Q_OBJECT
public:
    KeptFiles(const Surroundings& surroundings, QWidget* window, const KeptScreens& screens);

    // Reads the card file into My Cards, with the balances lowered for the
    // months begun since its save.
    void LoadMyCards();
    void loadPlan();

    // Writes the cards shown on "My Cards" to the card file, or says why not.
    void SaveMyCards();
    // While another copy of the program holds the card file: nothing is written.
    bool readOnly() const { return m_cardStore.readOnly(); }

    // Saves what changed; true when the window may close (all saved, or the
    // person chose to close anyway).
    bool saveForClosing();

signals:
    // For the window's status line; a lasting text stays until the next one.
    void statusChanged(const QString& text, bool lasting);

private:
    void showReadOnly();
    void askToTakeOver();
    void tellAboutAdvance(const CardBook& before, const CardBook& after, const QDateTime& savedAt);
    std::optional<QString> saveCards();
    QString saveFailure(const QString& reason) const;
    void autosavePlan();
    std::optional<QString> savePlan();
    QString planSaveFailure(const QString& reason) const;

    const Surroundings& m_surroundings;
    QWidget* m_window; // the parent of the message boxes
    CardsScreen* m_cards;
    CostsScreen* m_costs;
    PlanScreen* m_plan;
    CardStore m_cardStore;
    CardBook m_savedCards; // as the card file holds them, or as shown after loading
    PlanStore m_planStore;
    SavedPlan m_savedPlan;  // as the plan file holds it
    QTimer m_planSaveTimer; // a burst of changes on My Plan is written once
    bool m_planFailureShown = false;
};

} // namespace plenwick

#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <vector>

namespace plenwick {

// The plan file beside the card file: what the person chose on My Plan, kept
// between runs. Everything typed is kept as typed, to be read when the plan
// is made; the card file's five-row layout stays as it is. Fields this
// version does not know are kept as they were and written back.

// How a bank sets a debt's minimum payment: as typed, or a formula.
struct MinimumTexts {
    QString kind; // kMinimumAsTyped, kMinimumPercentPlusInterest or kMinimumPercent
    QString percent, floor;
    QJsonObject unknown;
    bool operator==(const MinimumTexts&) const = default;
};
inline const QString kMinimumAsTyped = QStringLiteral("as typed");
inline const QString kMinimumPercentPlusInterest = QStringLiteral("percent plus interest");
inline const QString kMinimumPercent = QStringLiteral("percent");

// A debt that is not among the five cards, such as a car or student loan.
struct OtherDebtTexts {
    QString key; // names it in the own order; never shown
    QString name, balance, rate, minimum;
    MinimumTexts minimumRule;
    QJsonObject unknown;
    bool operator==(const OtherDebtTexts&) const = default;
};

// "From <month>, the budget is $X" or "In <month>, an extra $Y".
struct PlanChangeTexts {
    bool extra = false;
    QString month; // "2027-05"
    QString amount;
    QJsonObject unknown;
    bool operator==(const PlanChangeTexts&) const = default;
};

// A card moved to an advertised card, by its My Cards row.
struct OfferMoveTexts {
    QString offerName;
    int introMonths{};
    double introRate{}, regularRate{};
    QString transferFee; // exact, to the ten-thousandth: "30.0000"
    QJsonObject unknown;
    bool operator==(const OfferMoveTexts&) const = default;
};

struct SavedPlan {
    QString budget;       // as typed; empty: what the debts are paid now
    QString order;        // the order's name as the order choice shows it
    QStringList ownOrder; // debt keys, first paid first: "card 1" to "card 5" and other debts' keys
    std::vector<OtherDebtTexts> otherDebts;
    std::map<int, MinimumTexts> cardMinimums; // by My Cards row
    std::vector<PlanChangeTexts> changes;
    std::map<int, OfferMoveTexts> moves; // by My Cards row
    QJsonObject unknown;
    bool operator==(const SavedPlan&) const = default;
};

// The key of a card in the own order.
QString cardKey(int row);

inline constexpr int kPlanFileVersion = 1;

struct ReadPlan {
    std::optional<SavedPlan> plan;
    QString problem;    // why it could not be read; empty when it was
    bool newer = false; // written by a newer version, which this one must not write over
};

// A file of a newer version, or one that is not a plan, gives no plan and
// the reason.
ReadPlan readPlanFile(const QByteArray& bytes);
QByteArray planFileBytes(const SavedPlan& plan);

} // namespace plenwick

#include "cards/plan_file.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace plenwick {

namespace {

// The fields of an object this version does not read.
QJsonObject othersThan(QJsonObject object, std::initializer_list<const char*> known)
{
    for (const char* key : known)
        object.remove(QLatin1String(key));
    return object;
}

QString text(const QJsonObject& object, const char* key) { return object.value(QLatin1String(key)).toString(); }

QJsonArray arrayOf(const QJsonObject& object, const char* key) { return object.value(QLatin1String(key)).toArray(); }

MinimumTexts minimumOf(const QJsonObject& object)
{
    return {text(object, "kind"), text(object, "percent"), text(object, "floor"),
            othersThan(object, {"kind", "percent", "floor"})};
}

QJsonObject objectOf(const MinimumTexts& minimum)
{
    QJsonObject object = minimum.unknown;
    object.insert(QStringLiteral("kind"), minimum.kind);
    object.insert(QStringLiteral("percent"), minimum.percent);
    object.insert(QStringLiteral("floor"), minimum.floor);
    return object;
}

OtherDebtTexts debtOf(const QJsonObject& object)
{
    return {text(object, "key"),
            text(object, "name"),
            text(object, "balance"),
            text(object, "rate"),
            text(object, "minimum"),
            minimumOf(object.value(QLatin1String("minimumRule")).toObject()),
            othersThan(object, {"key", "name", "balance", "rate", "minimum", "minimumRule"})};
}

QJsonObject objectOf(const OtherDebtTexts& debt)
{
    QJsonObject object = debt.unknown;
    object.insert(QStringLiteral("key"), debt.key);
    object.insert(QStringLiteral("name"), debt.name);
    object.insert(QStringLiteral("balance"), debt.balance);
    object.insert(QStringLiteral("rate"), debt.rate);
    object.insert(QStringLiteral("minimum"), debt.minimum);
    object.insert(QStringLiteral("minimumRule"), objectOf(debt.minimumRule));
    return object;
}

PlanChangeTexts changeOf(const QJsonObject& object)
{
    return {text(object, "kind") == QLatin1String("extra"), text(object, "month"), text(object, "amount"),
            othersThan(object, {"kind", "month", "amount"})};
}

QJsonObject objectOf(const PlanChangeTexts& change)
{
    QJsonObject object = change.unknown;
    object.insert(QStringLiteral("kind"), change.extra ? QStringLiteral("extra") : QStringLiteral("budget"));
    object.insert(QStringLiteral("month"), change.month);
    object.insert(QStringLiteral("amount"), change.amount);
    return object;
}

OfferMoveTexts moveOf(const QJsonObject& object)
{
    return {text(object, "offerName"),
            object.value(QLatin1String("introMonths")).toInt(),
            object.value(QLatin1String("introRate")).toDouble(),
            object.value(QLatin1String("regularRate")).toDouble(),
            text(object, "transferFee"),
            othersThan(object, {"row", "offerName", "introMonths", "introRate", "regularRate", "transferFee"})};
}

QJsonObject objectOf(int row, const OfferMoveTexts& move)
{
    QJsonObject object = move.unknown;
    object.insert(QStringLiteral("row"), row);
    object.insert(QStringLiteral("offerName"), move.offerName);
    object.insert(QStringLiteral("introMonths"), move.introMonths);
    object.insert(QStringLiteral("introRate"), move.introRate);
    object.insert(QStringLiteral("regularRate"), move.regularRate);
    object.insert(QStringLiteral("transferFee"), move.transferFee);
    return object;
}

// A My Cards row, 0 to 4; none for anything else.
std::optional<int> rowOf(const QJsonValue& value)
{
    const int row = value.toInt(-1);
    return row >= 0 && row < 5 ? std::optional(row) : std::nullopt;
}

SavedPlan planOf(const QJsonObject& object)
{
    SavedPlan plan;
    plan.budget = text(object, "budget");
    plan.order = text(object, "order");
    for (const QJsonValue key : arrayOf(object, "ownOrder"))
        plan.ownOrder << key.toString();
    for (const QJsonValue debt : arrayOf(object, "otherDebts"))
        plan.otherDebts.push_back(debtOf(debt.toObject()));
    for (const QJsonValue minimum : arrayOf(object, "cardMinimums")) {
        if (const auto row = rowOf(minimum.toObject().value(QLatin1String("row"))))
            plan.cardMinimums[*row] = minimumOf(othersThan(minimum.toObject(), {"row"}));
    }
    for (const QJsonValue change : arrayOf(object, "changes"))
        plan.changes.push_back(changeOf(change.toObject()));
    for (const QJsonValue move : arrayOf(object, "offerMoves")) {
        if (const auto row = rowOf(move.toObject().value(QLatin1String("row"))))
            plan.moves[*row] = moveOf(move.toObject());
    }
    plan.unknown = othersThan(
        object, {"version", "budget", "order", "ownOrder", "otherDebts", "cardMinimums", "changes", "offerMoves"});
    return plan;
}

} // namespace

QString cardKey(int row) { return QStringLiteral("card %1").arg(row + 1); }

ReadPlan readPlanFile(const QByteArray& bytes)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return {std::nullopt, QStringLiteral("it is not a plan file (%1)").arg(error.errorString())};
    const QJsonObject object = document.object();
    const int version = object.value(QLatin1String("version")).toInt();
    if (!document.isObject() || version < 1)
        return {std::nullopt, QStringLiteral("it is not a plan file")};
    if (version > kPlanFileVersion)
        return {std::nullopt, QStringLiteral("it was written by a newer Plenwick (plan file version %1)").arg(version),
                true};
    return {planOf(object), {}};
}

QByteArray planFileBytes(const SavedPlan& plan)
{
    QJsonObject object = plan.unknown;
    object.insert(QStringLiteral("version"), kPlanFileVersion);
    object.insert(QStringLiteral("budget"), plan.budget);
    object.insert(QStringLiteral("order"), plan.order);
    object.insert(QStringLiteral("ownOrder"), QJsonArray::fromStringList(plan.ownOrder));
    QJsonArray debts, minimums, changes, moves;
    for (const OtherDebtTexts& debt : plan.otherDebts)
        debts.append(objectOf(debt));
    for (const auto& [row, minimum] : plan.cardMinimums) {
        QJsonObject entry = objectOf(minimum);
        entry.insert(QStringLiteral("row"), row);
        minimums.append(entry);
    }
    for (const PlanChangeTexts& change : plan.changes)
        changes.append(objectOf(change));
    for (const auto& [row, move] : plan.moves)
        moves.append(objectOf(row, move));
    object.insert(QStringLiteral("otherDebts"), debts);
    object.insert(QStringLiteral("cardMinimums"), minimums);
    object.insert(QStringLiteral("changes"), changes);
    object.insert(QStringLiteral("offerMoves"), moves);
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

} // namespace plenwick

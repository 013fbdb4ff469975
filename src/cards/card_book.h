#pragma once

#include <QString>

#include <array>

namespace plenwick {

// One card's six fields, in screen and file order, as the text the boxes show.
struct CardRow {
    enum Field { Name, AnnualFee, InterestRate, TotalDue, MinimumPayment, ActualPayment, FieldCount };

    std::array<QString, FieldCount> fields;

    QString& operator[](Field field) { return fields[field]; }
    const QString& operator[](Field field) const { return fields[field]; }
    bool operator==(const CardRow&) const = default;
};

// The five rows of cards.
inline constexpr int kCardCount = 5;
using CardBook = std::array<CardRow, kCardCount>;

// "Card 1" for the first row.
inline QString cardTitle(int row) { return QStringLiteral("Card %1").arg(row + 1); }

} // namespace plenwick

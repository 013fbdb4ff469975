#pragma once

#include "cards/card_book.h"

#include <QByteArrayView>
#include <QDateTime>
#include <QString>

#include <optional>

namespace plenwick {

// The card file's text: the save's time-stamp, then one line per row of six
// fields joined by "|", every line ended by CR LF.
QString cardFileText(const CardBook& book, const QDateTime& savedAt);

// The most characters a box on My Cards holds.
inline constexpr int kMostFieldChars = 32767;

struct CardFileContents {
    CardBook book;
    std::optional<QDateTime> savedAt; // none when the first line is no time-stamp
    bool wholeFile = true;            // false when a row line, or the one line there is, is unreadable
};

// Reads the file's bytes, each line decoded on its own. A row whose line
// does not split into exactly six fields, or has a field longer than a box
// holds, stays empty; so do the rows past the last row line.
CardFileContents readCardFile(QByteArrayView bytes);

// US general date form whatever the locale: "3/14/2008 9:05:12 PM", and a
// time of exactly midnight as the date alone.
QString timeStampText(const QDateTime& moment);
std::optional<QDateTime> readTimeStamp(const QString& text);

// Calendar months begun since the save, years counted; never below 0.
int monthsToAdvance(const QDate& savedOn, const QDate& today);

// Lowers each positive total due by months actual payments, exactly; a total
// driven below zero shows $0.00. A row whose total or payment cannot be read
// as money is left as it is.
void AdvanceBalances(CardBook& book, int months);

} // namespace plenwick

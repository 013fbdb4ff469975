#include "cards/card_file.h"

#include "money/money_text.h"
#include "textfile/text_lines.h"

#include <QLocale>
#include <QStringList>

#include <algorithm>

namespace plenwick {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");
const QString kSeparator = QStringLiteral("|");
const QString kEmptyRow = QStringLiteral("|||||");
const QString kDateTimeForm = QStringLiteral("M/d/yyyy h:mm:ss AP");
const QString kDateForm = QStringLiteral("M/d/yyyy");

QLocale usEnglish() { return QLocale(QLocale::English, QLocale::UnitedStates); }

} // namespace

QString timeStampText(const QDateTime& moment)
{
    if (moment.time() == QTime(0, 0))
        return usEnglish().toString(moment.date(), kDateForm);
    return usEnglish().toString(moment, kDateTimeForm);
}

std::optional<QDateTime> readTimeStamp(const QString& text)
{
    const QString trimmed = text.trimmed();
    const QDateTime moment = usEnglish().toDateTime(trimmed, kDateTimeForm);
    if (moment.isValid())
        return moment;
    const QDate date = usEnglish().toDate(trimmed, kDateForm);
    if (date.isValid())
        return QDateTime(date, QTime(0, 0));
    return std::nullopt;
}

QString cardFileText(const CardBook& book, const QDateTime& savedAt)
{
    QString text = timeStampText(savedAt) + kLineEnd;
    for (const CardRow& row : book) {
        text += QStringList(row.fields.begin(), row.fields.end()).join(kSeparator);
        text += kLineEnd;
    }
    return text;
}

CardFileContents readCardFile(QByteArrayView bytes)
{
    CardFileContents contents;
    if (bytes.isEmpty())
        return contents;

    QStringList rows = readLines(bytes);
    const QString stamp = rows.takeFirst();
    contents.savedAt = readTimeStamp(stamp);
    // What follows the last line end is no row line when it is empty.
    if (!rows.isEmpty() && rows.back().isEmpty())
        rows.removeLast();
    // One line of text that is no time-stamp is not a card file without
    // rows, but one whose line ends were lost: it is kept before a save.
    if (rows.isEmpty() && !contents.savedAt && !stamp.isEmpty())
        contents.wholeFile = false;
    // Fewer row lines leave the other rows empty; lines past the last row are not read.
    qsizetype line = 0;
    for (CardRow& row : contents.book) {
        const QStringList fields = rows.value(line++, kEmptyRow).split(kSeparator);
        const bool fits = std::all_of(fields.begin(), fields.end(),
                                      [](const QString& field) { return field.size() <= kMostFieldChars; });
        if (fields.size() != CardRow::FieldCount || !fits) {
            contents.wholeFile = false;
            continue;
        }
        std::copy(fields.begin(), fields.end(), row.fields.begin());
    }
    return contents;
}

int monthsToAdvance(const QDate& savedOn, const QDate& today)
{
    const int months = (today.year() * 12 + today.month()) - (savedOn.year() * 12 + savedOn.month());
    return std::max(months, 0);
}

void AdvanceBalances(CardBook& book, int months)
{
    for (CardRow& row : book) {
        QString& totalDue = row[CardRow::TotalDue];
        const auto total = money(totalDue.toStdString());
        const auto payment = money(row[CardRow::ActualPayment].toStdString());
        if (!total || !payment || *total <= MoneyAmount())
            continue;

        // Paid beyond the money range: a positive payment clears any total;
        // a negative one would raise it past the range, so the row stays.
        const auto paid = payment->times(months);
        std::optional<MoneyAmount> lowered = paid ? total->minus(*paid) : std::nullopt;
        if (!paid && payment->isPositive())
            lowered = MoneyAmount();
        if (!lowered)
            continue;
        const MoneyAmount newTotal = std::max(*lowered, MoneyAmount());
        totalDue = QString::fromStdString(FormatByPattern(newTotal, Pattern::Money));
    }
}

} // namespace plenwick

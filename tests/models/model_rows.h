#pragma once

#include "qstring_print.h"

#include <QAbstractItemModel>
#include <QStringList>

namespace plenwick {

// A row of a model as a person reads it: its cells between bars.
inline QString rowText(const QAbstractItemModel& model, int row)
{
    QStringList cells;
    for (int column = 0; column < model.columnCount(); ++column)
        cells << model.index(row, column).data().toString();
    return cells.join('|');
}

} // namespace plenwick

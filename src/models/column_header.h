#pragma once

#include <QString>
#include <QVariant>

#include <cstddef>

namespace plenwick {

// A column's title and tooltip, from a model's two lists of them.
template <std::size_t N>
QVariant columnHeader(const char* const (&titles)[N], const char* const (&tips)[N], int section, int role)
{
    if (section < 0 || section >= static_cast<int>(N))
        return {};
    if (role == Qt::DisplayRole)
        return QString::fromUtf8(titles[section]);
    if (role == Qt::ToolTipRole)
        return QString::fromUtf8(tips[section]);
    return {};
}

} // namespace plenwick

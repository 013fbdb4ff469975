#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace plenwick::testing_support {

// What a file holds; nothing when it cannot be read.
inline QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace plenwick::testing_support

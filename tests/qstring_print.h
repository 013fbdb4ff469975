#pragma once

#include <QString>

#include <ostream>

// GoogleTest shows a QString that differs as its text.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

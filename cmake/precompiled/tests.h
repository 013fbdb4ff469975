// The outside headers that test programs include most, compiled once per test
// program instead of once per source file. Each group is taken only where the
// program's include path has it, so a program without Qt gets GoogleTest alone.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#if __has_include(<QString>)
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>
#endif

#if __has_include(<QWidget>)
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#endif

#if __has_include(<QTest>)
#include <QSignalSpy>
#include <QTest>
#endif

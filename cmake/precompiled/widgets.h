// The Qt Widgets headers that the window's sources include most, compiled once
// per library instead of once per source file.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

// The window the start of the program's main window is measured against: a
// bare Qt Widgets window of labels, a box and a button, in a program that
// links Qt Charts as the program does.
#include "startup_probe.h"

#include <QChart>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char** argv)
{
    const double processStarted = startup_probe::processStartMs();
    startup_probe::StartProbe app(argc, argv);
    // Charts stays linked, as in the program.
    [[maybe_unused]] const QMetaObject* chart = &QChart::staticMetaObject;
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Card name")));
    auto* box = new QLineEdit;
    layout->addWidget(box);
    layout->addWidget(new QPushButton(QStringLiteral("Save")));
    window.resize(992, 664);
    app.watch(&window, box);
    window.show();
    return app.report(processStarted);
}

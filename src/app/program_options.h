#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <cstdint>
#include <optional>

class QSettings;

namespace plenwick {

// What the command line asks the program to do.
struct CommandLine {
    enum class Action : std::uint8_t { Run, ShowHelp, ShowVersion, Refuse };
    Action action = Action::Run;
    QString text;                  // the help, the version, or why the command line is refused
    std::optional<QString> server; // --server as given; an empty address means no server
};

// Reads the program's arguments, its own name first, without starting anything.
CommandLine readCommandLine(const QStringList& arguments);

// The web server for this run: the address given on the command line, which
// is then remembered; else the one remembered; else the one the program was
// built with. An empty address means no server.
QUrl chooseServer(const std::optional<QString>& given, QSettings& settings, const QUrl& builtIn);

// Where the person's settings are kept, in the platform's usual place.
QString settingsFilePath();

struct ServerChoice {
    QUrl server;
    QString note; // why the settings were not read; empty when they were
};

// The same from the settings file at the path, which is made the person's
// alone (a new one too). A file over 1 MiB, or one that is no ordinary file,
// is not read and left as it is: the address given or the built-in one
// serves this run, nothing is remembered, and the note says so.
ServerChoice chooseServer(const std::optional<QString>& given, const QString& settingsPath, const QUrl& builtIn);

} // namespace plenwick

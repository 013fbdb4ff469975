#include "app/program_options.h"

#include "app/surroundings.h"
#include "offers/browser.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace plenwick {

namespace {

const QString kServerKey = QStringLiteral("server");

// An empty text is no server; anything else must be a web address, and one
// without a user name or password: they would be kept in the settings as
// they stand.
std::optional<QUrl> serverAddress(const QString& text)
{
    if (text.isEmpty())
        return QUrl();
    auto address = WebAddress(text);
    if (address && !address->userInfo().isEmpty())
        return std::nullopt;
    return address;
}

// Plenwick's own settings take a few hundred bytes.
constexpr qint64 kMostSettingsBytes = qint64{1024} * 1024;

} // namespace

QString settingsFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Plenwick/Plenwick.conf");
}

ServerChoice chooseServer(const std::optional<QString>& given, const QString& settingsPath, const QUrl& builtIn)
{
    const QFileInfo found(settingsPath);
    if (found.exists() && (!found.isFile() || found.size() > kMostSettingsBytes)) {
        return {given ? serverAddress(*given).value_or(builtIn) : builtIn,
                QStringLiteral("Your settings in %1 were not read: %2. Plenwick starts with its defaults, remembers "
                               "nothing this time, and leaves the file as it is.")
                    .arg(QDir::toNativeSeparators(settingsPath),
                         found.isFile() ? QStringLiteral("the file is larger than 1 MiB, far more than the settings "
                                                         "take")
                                        : QStringLiteral("it is not an ordinary file"))};
    }
    // The file is the person's alone; one made new keeps the mode when the settings replace it.
    QDir().mkpath(found.path());
    QFile file(settingsPath);
    if (found.exists())
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    else
        file.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    file.close();
    QSettings settings(settingsPath, QSettings::IniFormat);
    return {chooseServer(given, settings, builtIn), {}};
}

CommandLine readCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Works out how soon your credit cards are paid off, and what "
                                                    "paying more\nor switching to another card would save you."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption server(
        QStringLiteral("server"),
        QStringLiteral("The web server that publishes the banner and the offer list, such as "
                       "http://127.0.0.1:8765; \"\" for none. Remembered until changed; until then: %1.")
            .arg(builtInServer().isEmpty() ? QStringLiteral("none") : builtInServer().toString()),
        QStringLiteral("address"));
    parser.addOption(server);

    CommandLine line;
    const bool parsed = parser.parse(arguments);
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        line.action = CommandLine::Action::ShowHelp;
        line.text = parser.helpText();
    } else if (parser.isSet(version)) {
        line.action = CommandLine::Action::ShowVersion;
        line.text = QStringLiteral("Plenwick %1\n").arg(QStringLiteral(PLENWICK_VERSION));
    } else if (!parsed || !parser.positionalArguments().isEmpty()) {
        line.action = CommandLine::Action::Refuse;
        line.text = parsed ? QStringLiteral("Unexpected argument: %1").arg(parser.positionalArguments().front())
                           : parser.errorText();
    } else if (const auto named = WebAddress(parser.value(server)); named && !named->userInfo().isEmpty()) {
        line.action = CommandLine::Action::Refuse;
        line.text = QStringLiteral("A server address may hold no user name or password: Plenwick would keep them "
                                   "in its settings as they stand. Give it as %1.")
                        .arg(named->toString(QUrl::RemoveUserInfo));
    } else if (parser.isSet(server) && !serverAddress(parser.value(server))) {
        line.action = CommandLine::Action::Refuse;
        line.text =
            QStringLiteral("The server address \"%1\" is not an http or https address.").arg(parser.value(server));
    } else if (parser.isSet(server)) {
        line.server = parser.value(server);
    }
    if (line.action == CommandLine::Action::Refuse)
        line.text += QStringLiteral("\nSee --help for what Plenwick understands.\n");
    return line;
}

QUrl chooseServer(const std::optional<QString>& given, QSettings& settings, const QUrl& builtIn)
{
    if (given) {
        settings.setValue(kServerKey, *given);
        settings.sync();
    }
    // A remembered address that was edited into something else counts as none remembered.
    if (!settings.contains(kServerKey))
        return builtIn;
    return serverAddress(settings.value(kServerKey).toString()).value_or(builtIn);
}

} // namespace plenwick

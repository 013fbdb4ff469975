#include "app/program_options.h"

#include "app/surroundings.h"
#include "offers/browser.h"

#include <QCommandLineParser>
#include <QSettings>

namespace plenwick {

namespace {

const QString kServerKey = QStringLiteral("server");

// An empty text is no server; anything else must be a web address.
std::optional<QUrl> serverAddress(const QString& text)
{
    if (text.isEmpty())
        return QUrl();
    return WebAddress(text);
}

} // namespace

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

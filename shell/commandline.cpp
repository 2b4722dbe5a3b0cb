// Parsing of the command line.
#include "shell/commandline.h"

#include "i18n/qt/catalogue.h"
#include "shell/programsettings.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <cstring>
#include <iterator>

CommandLine parseCommandLine(const QStringList &given)
{
    CommandLine result;
    auto fail = [&result](const QString &text) {
        result.mode = CommandLine::Mode::Error;
        result.error = text;
        return result;
    };
    // The language may stand anywhere; the rest is read without it.
    QStringList args;
    for (qsizetype i = 0; i < given.size(); ++i) {
        const QString &a = given.at(i);
        QString value;
        if (a == QLatin1String("--lang")) {
            value = i + 1 < given.size() ? given.at(++i) : QString();
        } else if (a.startsWith(QLatin1String("--lang="))) {
            value = a.mid(7);
        } else {
            args << a;
            continue;
        }
        result.language = i18nqt::parseLangOption(value);
        if (!result.language)
            return fail(QStringLiteral("--lang erwartet de oder en (--lang expects de or en)"));
    }
    if (args.isEmpty())
        return result;
    const QString &first = args.constFirst();
    if (!first.startsWith(QLatin1Char('-')) || first == QLatin1String("-")) {
        if (args.size() > 1)
            return fail(QCoreApplication::translate(
                "CommandLine", "Es kann nur eine Dokumentdatei geöffnet werden."));
        result.file = first;
        return result;
    }

    const QCommandLineOption help(QStringList { QStringLiteral("h"), QStringLiteral("help") });
    const QCommandLineOption print(QStringList { QStringLiteral("p"), QStringLiteral("print") },
        QString(), QStringLiteral("DATEI"));
    const QCommandLineOption toPdf(
        QStringLiteral("print-to-pdf"), QString(), QStringLiteral("DATEI"));
    // Only the first word asks for a mode, and only as the help spells it: the parser
    // would also take "--p", "-help" or "--print=FILE", and the mode's options anywhere.
    const auto spelt = [&first](const QCommandLineOption &option) {
        return std::ranges::any_of(option.names(), [&first](const QString &name) {
            return first == (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        });
    };
    if (spelt(help)) {
        result.mode = CommandLine::Mode::Help; // whatever follows
        return result;
    }
    if (!spelt(print) && !spelt(toPdf))
        return fail(QCoreApplication::translate("CommandLine", "Unbekannte Option: %1").arg(first));

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({ print, toPdf });
    parser.parse(QStringList(QString()) + args); // the first word is the program's name
    // The document is the option's value, taken as it is even when it begins with "-".
    // The words are counted here: the parser would take a "--" after it as the end of the
    // options, and a second file name beginning with "-" as an unknown option.
    if (spelt(print)) {
        if (args.size() != 2)
            return fail(
                QCoreApplication::translate("CommandLine", "%1 erwartet genau eine Dokumentdatei.")
                    .arg(first));
        result.mode = CommandLine::Mode::Print;
        result.file = parser.values(print).constFirst();
        return result;
    }
    if (args.size() != 3)
        return fail(QCoreApplication::translate(
            "CommandLine", "--print-to-pdf erwartet eine Dokumentdatei und eine PDF-Datei."));
    result.mode = CommandLine::Mode::PrintToPdf;
    result.file = parser.values(toPdf).constFirst(); // a later word may repeat the option
    result.output = args.at(2);
    return result;
}

i18n::Language desktopLanguage(const QStringList &args)
{
    if (const std::optional<i18n::Language> asked = parseCommandLine(args).language)
        return *asked;
    const QString chosen = programSettings().value(QStringLiteral("language")).toString();
    if (const std::optional<i18n::Language> remembered = i18nqt::parseLangOption(chosen))
        return *remembered;
    return i18n::languageFromEnvironment();
}

QString commandLineHelp()
{
    // One catalogue entry per paragraph and per option, so that a translation keeps the
    // option column aligned within its own entry.
    const char *const parts[] = {
        QT_TRANSLATE_NOOP("CommandLine",
            "Aufruf: dravon [--lang de|en] [DATEI.dvn]\n"
            "       dravon -p DATEI.dvn | --print DATEI.dvn\n"
            "       dravon --print-to-pdf DATEI.dvn AUSGABE.pdf\n"),
        QT_TRANSLATE_NOOP("CommandLine",
            "Berechnet den Verlauf einer Bohrung nach dem Schmiegungskreisverfahren.\n"),
        QT_TRANSLATE_NOOP("CommandLine",
            "  DATEI.dvn            öffnet das Dokument; der Dialog \"Daten ändern\" erscheint\n"
            "                       sofort mit den geladenen Messwerten.\n"),
        QT_TRANSLATE_NOOP("CommandLine",
            "  -p, --print DATEI    druckt die Ergebnistabelle des Dokuments auf dem\n"
            "                       Standarddrucker und beendet das Programm.\n"),
        QT_TRANSLATE_NOOP("CommandLine",
            "  --print-to-pdf DATEI AUSGABE\n"
            "                       druckt die Ergebnistabelle in eine PDF-Datei (A4 hoch)\n"
            "                       und beendet das Programm; braucht keine Anzeige.\n"),
        QT_TRANSLATE_NOOP("CommandLine",
            "  --lang de|en         die Sprache des Programms: deutsch oder englisch; ohne\n"
            "                       die Angabe gilt die gewählte Sprache, sonst die des\n"
            "                       Desktops.\n"),
        QT_TRANSLATE_NOOP("CommandLine", "  -h, --help           zeigt diesen Text.\n"),
        QT_TRANSLATE_NOOP("CommandLine",
            "Beim Drucken von der Befehlszeile erscheint kein Dialog: die Messwerte des\n"
            "Dokuments werden unverändert übernommen und berechnet, Meldungen gehen auf die\n"
            "Standardfehlerausgabe.\n"),
        QT_TRANSLATE_NOOP("CommandLine",
            "Umgebung: DRAVON_NO_REGISTER verhindert, dass der Dateityp .dvn beim Start für\n"
            "den Benutzer eingetragen wird.\n"),
    };
    // The options stand together; the other paragraphs are set apart by a blank line.
    const int blankAfter[] = { 0, 1, 6, 7 };
    QString text;
    for (int i = 0; i < int(std::size(parts)); ++i) {
        text += QCoreApplication::translate("CommandLine", parts[i]);
        if (std::find(std::begin(blankAfter), std::end(blankAfter), i) != std::end(blankAfter))
            text += QLatin1Char('\n');
    }
    return text;
}

bool wantsNoWindow(int argc, char **argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        if (!std::strcmp(arg, "-p") || !std::strcmp(arg, "--print")
            || !std::strcmp(arg, "--print-to-pdf") || !std::strcmp(arg, "-h")
            || !std::strcmp(arg, "--help"))
            return true;
        args << QString::fromLocal8Bit(arg);
    }
    // A command line that only earns the usage text needs no window either.
    return parseCommandLine(args).mode == CommandLine::Mode::Error;
}

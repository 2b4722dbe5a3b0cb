// Parsing of the command line.
#include "shell/commandline.h"

#include "i18n/qt/catalogue.h"
#include "shell/programsettings.h"

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
    if (first == QLatin1String("-h") || first == QLatin1String("--help")) {
        result.mode = CommandLine::Mode::Help;
        return result;
    }
    if (first == QLatin1String("-p") || first == QLatin1String("--print")) {
        if (args.size() != 2)
            return fail(
                QCoreApplication::translate("CommandLine", "%1 erwartet genau eine Dokumentdatei.")
                    .arg(first));
        result.mode = CommandLine::Mode::Print;
        result.file = args.at(1);
        return result;
    }
    if (first == QLatin1String("--print-to-pdf")) {
        if (args.size() != 3)
            return fail(QCoreApplication::translate(
                "CommandLine", "--print-to-pdf erwartet eine Dokumentdatei und eine PDF-Datei."));
        result.mode = CommandLine::Mode::PrintToPdf;
        result.file = args.at(1);
        result.output = args.at(2);
        return result;
    }
    if (first.startsWith(QLatin1Char('-')) && first != QLatin1String("-"))
        return fail(QCoreApplication::translate("CommandLine", "Unbekannte Option: %1").arg(first));
    if (args.size() > 1)
        return fail(QCoreApplication::translate(
            "CommandLine", "Es kann nur eine Dokumentdatei geöffnet werden."));
    result.file = first;
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

// The program's command line: nothing (a new document), a document file to open, or a
// request to print a document and end.
#pragma once

#include "i18n/i18n.h"

#include <optional>

#include <QString>
#include <QStringList>

struct CommandLine
{
    enum class Mode {
        Window, // the main window, with `file` opened when given
        Print, // -p FILE / --print FILE: print on the default printer and end
        PrintToPdf, // --print-to-pdf FILE OUT: print the results table into a PDF and end
        Help, // -h / --help
        Error, // `error` says what was wrong
    };
    Mode mode = Mode::Window;
    QString file;
    QString output;
    QString error;
    // --lang de|en (anywhere on the line): the language asked for, else none.
    std::optional<i18n::Language> language;
};

// `args` without the program name (and without the options Qt took for itself).
CommandLine parseCommandLine(const QStringList &args);

// The language the desktop program speaks: --lang on the command line, else the one
// chosen in the settings ("Einstellungen …", remembered), else the desktop's
// (i18n::languageFromEnvironment).
i18n::Language desktopLanguage(const QStringList &args);

// The text of --help.
QString commandLineHelp();

// True when the raw arguments ask for a mode without a window (printing, help, or a
// command line that only gets the usage text), in which the program can run without a
// display.
bool wantsNoWindow(int argc, char **argv);

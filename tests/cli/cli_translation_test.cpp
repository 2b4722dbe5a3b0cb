// The batch tool's own texts go through the catalogue: with a catalogue that marks every
// text it hands out, no line of --help and no option error is left without the mark
// (option names and their values are the tool's syntax, the same in every language).
#include "cli/options.h"
#include "tests/support/pseudocatalogue.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

namespace {

// A line with the option syntax taken out: "--format", "weg|free|atk", "PFAD.csv".
QString withoutSyntax(QString line)
{
    static const QRegularExpression syntax(QStringLiteral(
        R"((^|\s)(-{1,2}[\w-]+(=\S*)?|\S*\|\S*|[A-ZÄÖÜ][A-ZÄÖÜ0-9_.,]*\S*)(?=\s|$))"));
    return line.replace(syntax, QStringLiteral(" "));
}

} // namespace

TEST(BatchTexts, HelpAndOptionErrorsComeFromTheCatalogue)
{
    int argc = 1;
    char name[] = "cli_tests";
    char *argv[] = { name, nullptr };
    QCoreApplication app(argc, argv);
    PseudoCatalogue pseudo;
    pseudo.install(true);

    QStringList past;
    const QString usage = QString::fromStdString(std::string(cliUsage()));
    for (const QString &line : usage.split(QLatin1Char('\n'))) {
        if (PseudoCatalogue::unmarkedWords(withoutSyntax(line)))
            past << line;
    }
    const std::vector<std::vector<std::string>> wrong { { "--every", "3" }, { "--view", "vorn" },
        { "--format", "x" }, { "--hole", "9" }, { "--gibtsnicht" }, { "a.txt", "--camera", "1" },
        { "a.txt", "--sf-k", "-1" }, { "a.txt", "--offset-position", "1,2" } };
    for (const std::vector<std::string> &args : wrong) {
        const CliParseResult r = parseCommandLine(args);
        EXPECT_FALSE(r.error.empty()) << args.front();
        if (PseudoCatalogue::unmarkedWords(QString::fromStdString(r.error)))
            past << QString::fromStdString(r.error);
    }
    pseudo.uninstall();
    EXPECT_TRUE(past.isEmpty()) << past.size() << " texts past the catalogue:\n"
                                << past.join(QLatin1Char('\n')).toStdString();
    // The walk read the whole help.
    EXPECT_GT(usage.count(QLatin1Char('\n')), 80);
}

// dravon-cli: the batch tool. Computes a survey from a measurement file, station lines
// or a document file without any window, and writes the results table to stdout.
#include "cli/batchrun.h"
#include "cli/magneticfield.h"
#include "cli/options.h"
#include "dravonversion.h"
#include "i18n/qt/catalogue.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <string>
#include <vector>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// Qt's own notes (for example about a missing runtime folder on a server) are not
// messages of the program; only its critical errors reach stderr.
void quietQtMessages(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "dravon-cli: %s\n", text.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char **argv)
{
#ifdef __GLIBC__
    // One run, then the process ends: memory freed on the way is kept for the next piece
    // of a long export instead of going back to the system and being faulted in again
    // page by page, which on a virtual machine costs more than making the piece.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    mallopt(M_TOP_PAD, 16 << 20);
#endif
    qInstallMessageHandler(quietQtMessages);
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string languageError;
    const i18n::Language language = chooseLanguage(args, languageError);
    if (!languageError.empty()) {
        std::fprintf(stderr, "dravon-cli: %s\n", languageError.c_str());
        return 2;
    }
    if (!i18nqt::install(language))
        std::fputs("dravon-cli: the English texts could not be loaded; German follows.\n", stderr);
    const CliParseResult parsed = parseCommandLine(args);
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "dravon-cli: %s\n%s\n", parsed.error.c_str(),
            i18n::translate("Batch", "Weitere Hinweise: dravon-cli --help").c_str());
        return 2;
    }
    if (parsed.options.help) {
        std::fputs(cliUsage().c_str(), stdout);
        return 0;
    }
    if (parsed.options.version) {
        std::puts("dravon-cli " DRAVON_VERSION_TEXT);
        return 0;
    }
    if (parsed.options.magneticField) {
        std::fputs(magneticFieldReport(*parsed.options.magneticField).c_str(), stdout);
        return 0;
    }
    return runBatch(parsed.options, argc, argv);
}

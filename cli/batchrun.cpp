#include "cli/batchrun.h"

#include "cli/batchdialog.h"
#include "cli/cliprompter.h"
#include "cli/linesource.h"
#include "core/cformat.h"
#include "core/win1252.h"
#include "document/dravondoc.h"
#include "document/resultsfile.h"
#include "graph/pageexport.h"
#include "listing/csvlisting.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>

namespace {

void complain(const std::string &germanUtf8)
{
    std::fprintf(stderr, "dravon-cli: %s\n", germanUtf8.c_str());
}

bool writeBytes(const std::string &path, const std::string &bytes)
{
    FILE *f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && written;
}

bool isDocumentFile(const std::string &path)
{
    return std::string_view(path).ends_with(".dvn");
}

} // namespace

int runBatch(const CliOptions &options, int argc, char **argv)
{
    // The graph page needs fonts, that is a QGuiApplication; without a display it runs
    // on the offscreen platform.
    std::unique_ptr<QGuiApplication> app;
    if (!options.plotFile.empty()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    }

    CliPrompter prompter;
    BatchDialog dialog(options, prompter);
    CDravonDoc doc(prompter, dialog);
    doc.OnNewDocument();

    if (!options.stationsMode && isDocumentFile(options.input)) {
        if (!doc.OnOpenDocument(QString::fromStdString(options.input)))
            return 2; // the document told why on stderr
    } else {
        std::string bytes;
        if (!readAllBytes(options.input, bytes)) {
            complain("Die Datei " + options.input + " kann nicht gelesen werden.");
            return 2;
        }
        dialog.setInput(std::move(bytes));
        doc.OnDataChange();
    }
    bool fault = dialog.readerFault() || !doc.lastCheckClean() || doc.lastRunAborted();

    for (float depth : options.interpolate) {
        prompter.nextNumber = depth;
        const InterpolationOutcome outcome = doc.OnInterpolation();
        if (outcome == InterpolationOutcome::NoResult && !doc.lastRunAborted()) {
            // Only the surface station: the depth was accepted but there is no interval
            // to interpolate in, and nothing else tells the user why no result came.
            complain(cfmt("Bei der Teufe %g kann nicht interpoliert werden: "
                          "es gibt keinen Messpunkt unter dem Ansatzpunkt.",
                static_cast<double>(depth)));
        }
        fault = outcome != InterpolationOutcome::Shown || fault;
    }

    std::string listingBytes;
    if (!options.listingFile.empty()) {
        const listing::Listing rows = listing::buildListing(
            doc.trajectory(), options.requests, options.unit, options.sectionAzimuth);
        for (const std::string &text : rows.faults)
            complain(win1252::toUtf8(text));
        fault = fault || !rows.faults.empty();
        listingBytes = listing::csvText(rows);
    }

    int status = fault ? 1 : 0;
    if (!options.listingFile.empty() && !writeBytes(options.listingFile, listingBytes)) {
        complain("Die Liste " + options.listingFile + " kann nicht geschrieben werden.");
        status = 2;
    }
    const std::string title = doc.titleText();
    if (!options.resultsFile.empty()
        && !writeResultsFile(options.resultsFile, title, doc.m_Ergebnisse)) {
        complain("Die Ergebnisdatei " + options.resultsFile + " kann nicht geschrieben werden.");
        status = 2;
    }
    if (!options.plotFile.empty()) {
        std::string error;
        if (!exportGraphPage(doc, title, options.plotFile, error)) {
            complain(win1252::toUtf8(error));
            status = 2;
        }
    }

    for (const std::string &entry : doc.m_Ergebnisse)
        writeUtf8Line(stdout, entry);
    for (const std::string &result : prompter.interpolationResults)
        writeUtf8Line(stdout, result);
    std::fflush(stdout);
    return status;
}

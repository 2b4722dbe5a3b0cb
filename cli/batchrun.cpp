#include "cli/batchrun.h"

#include "cli/cliprompter.h"
#include "cli/linesource.h"
#include "core/survey.h"
#include "core/win1252.h"

#include <cstdio>

namespace {

void printUtf8Line(const std::string &text)
{
    const std::string utf8 = win1252::toUtf8(text);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fputc('\n', stdout);
}

} // namespace

int runBatch(const CliOptions &options, int, char **)
{
    CliPrompter prompter;
    SurveyData survey;
    bool fault = false;

    std::string bytes;
    if (!readAllBytes(options.input, bytes)) {
        std::fprintf(stderr, "dravon-cli: Die Datei %s kann nicht gelesen werden\n", options.input.c_str());
        return 2;
    }
    survey.m_Eingabe = splitLines(bytes);
    if (options.name)
        survey.m_Name = win1252::fromUtf8(*options.name);
    survey.m_Ansicht = options.ansicht;
    fault |= !survey.messwerte(prompter);
    survey.schmiegungskreis(prompter);
    fault |= survey.lastRunAborted();

    for (float depth : options.interpolate) {
        prompter.nextNumber = depth;
        const InterpolationOutcome outcome = survey.onInterpolation(prompter);
        fault |= outcome != InterpolationOutcome::Shown;
    }

    for (const std::string &entry : survey.m_Ergebnisse)
        printUtf8Line(entry);
    for (const std::string &result : prompter.interpolationResults)
        printUtf8Line(result);
    std::fflush(stdout);
    return fault ? 1 : 0;
}

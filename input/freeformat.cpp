// Free format: an optional name line, then one station per line as three numbers
// anywhere in the line.
#include "core/cformat.h"
#include "core/cscan.h"
#include "i18n/i18n.h"
#include "input/readrun.h"

void readFreeLine(ReadRun &run, int index, const std::string &line)
{
    float depth = 0, inclination = 0, azimuth = 0;
    const bool station = cscan::readStation(line, depth, inclination, azimuth);
    if (index == 0) {
        // A first line of numbers is a heading of the columns, not a name and not a
        // station; anything else names the borehole.
        if (!station)
            run.nameFromFile = line;
        return;
    }
    if (!station) {
        // The misspellings are the message as users have always seen it.
        const std::string format = i18n::translateFormat(
            "Messdatei", "ABBRUCH!!\nDie %d.Zeile enhält keine 3 Werte\n %s\nKeine Freies Format");
        run.fail(index, line, cfmt(format.c_str(), index + 1, quoted(line).c_str()));
        return;
    }
    run.takeStation(cfmt("%8.2f  %7.2f  %7.2f", static_cast<double>(depth),
        static_cast<double>(inclination), static_cast<double>(azimuth)));
}

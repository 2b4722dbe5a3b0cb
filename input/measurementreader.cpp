// The reading loop common to the three formats: the line-length limit, the run state and
// the name that comes back after a fault.
#include "input/measurementreader.h"

#include "core/cformat.h"
#include "core/win1252.h"
#include "i18n/i18n.h"
#include "input/readrun.h"

namespace {

// The reading buffer takes 99 characters and the terminating NUL; a line that fills it
// was not read to its end, so nothing after it can be trusted.
constexpr size_t kLineLimit = 99;

} // namespace

int schrittweite(int datenauswahl)
{
    switch (datenauswahl) {
    case 1:
        return 2;
    case 2:
        return 5;
    case 3:
        return 10;
    default:
        return 1;
    }
}

std::string MeasurementRead::status() const
{
    return cfmt(i18n::translateFormat("Messdatei", "%d Zeilen wurden eingelesen").c_str(),
        static_cast<int>(stations.size()));
}

void ReadRun::takeStation(const std::string &stationLine)
{
    ++m_records;
    if (m_records == 1 || m_records % m_step == 0)
        m_result.stations.push_back(stationLine);
}

void ReadRun::addInfo(const std::string &text)
{
    m_result.info.push_back(win1252::toUtf8(text));
    m_result.listedInfo.push_back(m_result.info.back());
}

void ReadRun::dropPreviousInfo()
{
    // Only the lines of this run remain.
    m_result.info = m_result.listedInfo;
}

void ReadRun::fail(int index, const std::string &line, const std::string &message)
{
    m_result.aborted = true;
    m_result.faults.push_back(ReadFault { index + 1, quoted(line), message });
}

std::string quoted(const std::string &line)
{
    return win1252::toUtf8(line);
}

std::string textFromColumn15(const std::string &line)
{
    return line.size() > 14 ? line.substr(14) : line;
}

MeasurementRead readMeasurement(const StringList &lines, int format, int step,
    const std::string &previousName, const StringList &previousInfo)
{
    MeasurementRead result;
    if (!isMeasurementFormat(format)) {
        const std::string noFormat = i18n::translate("Messdatei", "Kein Dateiformat gewählt");
        result.name = previousName;
        result.info = previousInfo;
        result.aborted = true;
        result.faults.push_back(ReadFault { 0, {}, noFormat });
        return result;
    }

    // Free and ATK files bring no descriptive lines and replace the old ones; a WEG file
    // decides by its second line.
    if (format == WegFormat)
        result.info = previousInfo;

    ReadRun run(step, result);
    for (size_t i = 0; i < lines.size() && !result.aborted; ++i) {
        const int index = static_cast<int>(i);
        // The line as the program sees it: text ends at an embedded NUL.
        const std::string line(lines[i].c_str());
        if (lines[i].size() >= kLineLimit) {
            run.fail(index, line,
                cfmt(i18n::translateFormat("Messdatei", "In der %d.Zeile 100 Zeichen gelesen")
                         .c_str(),
                    index + 1));
            break;
        }
        switch (format) {
        case WegFormat:
            readWegLine(run, index, line);
            break;
        case FreiesFormat:
            readFreeLine(run, index, line);
            break;
        default:
            readAtkLine(run, index, line);
            break;
        }
        ++result.linesRead;
    }

    result.name = result.aborted ? previousName : win1252::toUtf8(run.nameFromFile);
    return result;
}

// ATK format: a name line, two skipped lines, then records of 17 digits in three fixed
// fields: depth in centimetres (7), inclination and azimuth in hundredths of a degree (5
// each).
#include "core/cformat.h"
#include "core/cscan.h"
#include "i18n/i18n.h"
#include "input/readrun.h"

namespace {

constexpr size_t kRecordLength = 17;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Columns 2 to 17 must be digits (column 1 may carry a sign). Returns false after
// reporting the first column that is not.
bool checkColumns(ReadRun &run, int index, const std::string &line)
{
    for (size_t i = 1; i < kRecordLength && i < line.size(); ++i) {
        const char c = line[i];
        if (isDigit(c))
            continue;
        if (i == 1 && c == ' ')
            run.fail(index, line,
                cfmt(
                    i18n::translateFormat("Messdatei", "Leerzeichen in der %d.Spalte").c_str(), 1));
        else
            run.fail(index, line,
                cfmt(i18n::translateFormat("Messdatei",
                         "ABBRUCH! Kein ATK-Format\n\t%d.Zeichen in der %d.Zeile:%s\n\t%s")
                         .c_str(),
                    static_cast<int>(i + 1), index + 1, quoted(std::string(1, c)).c_str(),
                    quoted(line).c_str()));
        return false;
    }
    return true;
}

// The three fields of the record, separated by blanks; what follows column 17 is no
// part of the record.
std::string recordFields(const std::string &line)
{
    const std::string record = line.substr(0, kRecordLength);
    std::string fields = record.substr(0, 7);
    if (record.size() > 7) {
        fields += ' ';
        fields += record.substr(7, 5);
    }
    if (record.size() > 12) {
        fields += ' ';
        fields += record.substr(12);
    }
    return fields;
}

} // namespace

void readAtkLine(ReadRun &run, int index, const std::string &line)
{
    if (index == 0) {
        run.nameFromFile = line;
        return;
    }
    if (index < 3)
        return; // the two lines under the name describe the export, not the stations

    if (!checkColumns(run, index, line))
        return;

    float depth = 0, inclination = 0, azimuth = 0;
    if (!cscan::readStation(recordFields(line), depth, inclination, azimuth)) {
        run.fail(index, line,
            cfmt(i18n::translateFormat("Messdatei", "Zu wenig Werte in der %d.Zeile\n%s").c_str(),
                index + 1, quoted(line).c_str()));
        return;
    }
    // Centimetres to metres and hundredths to degrees, in single precision.
    depth /= 100.0f;
    inclination /= 100.0f;
    azimuth /= 100.0f;
    run.takeStation(cfmt("%8.2f  %7.2f  %7.2f", static_cast<double>(depth),
        static_cast<double>(inclination), static_cast<double>(azimuth)));
}

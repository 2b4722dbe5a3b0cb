// WEG format: a name line, then records tagged A1 (header), A2 (survey description),
// A3 (station in fixed columns) and A4 (remark).
#include "core/cformat.h"
#include "core/cscan.h"
#include "i18n/i18n.h"
#include "input/readrun.h"

#include <string_view>

namespace {

// Columns 15 to 22 hold the depth, 23 to 29 the inclination, 30 on the azimuth. A blank
// goes between the fields so that neighbouring numbers may touch.
std::string stationFields(const std::string &line)
{
    std::string fields;
    if (line.size() <= 14)
        return fields; // the record ends before its values
    fields = line.substr(14, 8);
    if (line.size() > 22) {
        fields += ' ';
        fields += line.substr(22, 7);
    }
    if (line.size() > 29) {
        fields += ' ';
        fields += line.substr(29);
    }
    return fields;
}

void readStation(ReadRun &run, int index, const std::string &line)
{
    float depth = 0, inclination = 0, azimuth = 0;
    if (!cscan::readStation(stationFields(line), depth, inclination, azimuth)) {
        run.fail(index, line,
            cfmt(i18n::translateFormat("Messdatei", "Zu wenig Werte in der %d.Zeile %s").c_str(),
                index + 1, quoted(line).c_str()));
        return;
    }
    run.takeStation(cfmt("%8.2f %7.2f %7.2f", static_cast<double>(depth),
        static_cast<double>(inclination), static_cast<double>(azimuth)));
}

// The survey description: tag, start depth, end depth, date as year, month and day, and
// one word. Without all seven items the text from column 15 stands for itself.
std::string surveyDescription(const std::string &line)
{
    const char *p = line.c_str();
    std::string tag, word;
    float from = 0, to = 0;
    int year = 0, month = 0, day = 0;
    if (cscan::readWord(p, tag) && cscan::readFloat(p, from) && cscan::readFloat(p, to, 7)
        && cscan::readInt(p, year, 4) && cscan::readInt(p, month, 2) && cscan::readInt(p, day, 2)
        && cscan::readWord(p, word)) {
        return cfmt("Von %7.2f-%7.2f m Teufe %2d.%2d.%4d %s", static_cast<double>(from),
            static_cast<double>(to), day, month, year, word.c_str());
    }
    return textFromColumn15(line);
}

} // namespace

void readWegLine(ReadRun &run, int index, const std::string &line)
{
    if (index == 0) {
        run.nameFromFile = textFromColumn15(line);
        return;
    }

    // The record tag is the first word; only its first two characters count. A line
    // without any word carries no tag and is no WEG record either.
    const char *p = line.c_str();
    std::string word;
    const std::string_view tag
        = cscan::readWord(p, word) ? std::string_view(word).substr(0, 2) : std::string_view();
    if (tag != "A1" && tag != "A2" && tag != "A3" && tag != "A4") {
        run.fail(index, line, i18n::translate("Messdatei", "Kein WEG-Format"));
        return;
    }

    // A header or description right after the name line starts a new set of descriptive
    // lines; any other record adds to the ones held before.
    if (index == 1 && (tag == "A1" || tag == "A2"))
        run.dropPreviousInfo();

    if (tag == "A3")
        readStation(run, index, line);
    else if (tag == "A2")
        run.addInfo(surveyDescription(line));
    else if (tag == "A4")
        run.addInfo(textFromColumn15(line));
}

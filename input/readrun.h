// The state of one reading run shared by the three format rules: the record counter and
// thinning, the name from the file, the descriptive lines and the fault that stops it.
// The rules hand in the file's Windows-1252 lines; the run keeps UTF-8.
#pragma once

#include "input/measurementreader.h"

#include <string>

class ReadRun
{
public:
    ReadRun(int step, MeasurementRead &result)
        : m_step(step < 1 ? 1 : step)
        , m_result(result)
    {
    }

    // A station record was read: its line is taken when the record number is 1 or a
    // multiple of the step.
    void takeStation(const std::string &stationLine);

    // A descriptive line read in this run (Windows-1252, as the file has it).
    void addInfo(const std::string &text);

    // The descriptive lines held before this run are dropped (WEG: the second line is an
    // A1 or A2 record).
    void dropPreviousInfo();

    // Stops the reading at line `index` (counted from 0): `line` as the file has it,
    // `message` in UTF-8.
    void fail(int index, const std::string &line, const std::string &message);

    std::string nameFromFile; // Windows-1252, as the file has it

private:
    int m_step;
    int m_records = 0;
    MeasurementRead &m_result;
};

// The text from column 15: the line without its first 14 characters when it is longer,
// the whole line otherwise.
std::string textFromColumn15(const std::string &line);

// A line of the file quoted in a message: UTF-8.
std::string quoted(const std::string &line);

// The rules of each format for the line at `index` (counted from 0).
void readWegLine(ReadRun &run, int index, const std::string &line);
void readFreeLine(ReadRun &run, int index, const std::string &line);
void readAtkLine(ReadRun &run, int index, const std::string &line);

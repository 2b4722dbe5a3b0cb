// One well: the borehole's name, the descriptive lines that came with the survey, the
// settings that place it in the field, and the survey. The document keeps one, the
// computations read one, the file formats fill one. No Qt.
#pragma once

#include "well/settings.h"
#include "well/survey.h"

#include <string>

namespace well {

// How the stations were read last: the measurement file format the dialog offers. It is
// one of the document file's four items.
enum class SourceFormat : int {
    Weg = 0,
    Free = 1,
    Atk = 2,
};

struct Well
{
    std::string name = "TITEL";
    StringList info; // descriptive lines
    int format = static_cast<int>(SourceFormat::Free); // as stored; readers accept 0..2
    WellSettings settings;
    Survey survey;

    bool operator==(const Well &) const = default;
};

} // namespace well

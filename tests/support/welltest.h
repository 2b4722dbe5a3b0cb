// Small helpers shared by the well layer's tests: a well from station lines and the
// German texts of diagnostics in their order.
#pragma once

#include "well/computation.h"

#include <string>

namespace welltest {

inline well::Well wellOf(const StringList &lines)
{
    well::Well w;
    w.survey = well::surveyFromLines(lines);
    return w;
}

inline StringList texts(const well::Diagnostics &diagnostics)
{
    StringList out;
    for (const well::Diagnostic &d : diagnostics)
        out.push_back(well::germanText(d));
    return out;
}

} // namespace welltest

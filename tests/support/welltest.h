// Small helpers shared by the well layer's tests: a well from station lines and the
// German texts of diagnostics in their order.
#pragma once

#include "core/win1252.h"
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

// Windows-1252 bytes of a UTF-8 literal.
inline std::string u(const char *utf8)
{
    return win1252::fromUtf8(utf8);
}

} // namespace welltest

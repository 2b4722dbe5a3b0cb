// What every text a reader hands on must be: well-formed UTF-8 (the program's text inside),
// and for a table's cell at most the characters a cell keeps.
#pragma once

#include "core/utf8.h"
#include "exchange/table.h"

#include <string_view>

inline bool isKeptCellText(std::string_view text)
{
    return utf8::isValid(text) && utf8::length(text) <= exchange::kMaxCellCharacters;
}

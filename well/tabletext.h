// The results table as the text view shows it. The table is German in every language (the
// results file, the printed pages and the batch tool's output keep its bytes); on screen
// its heading and its remark lines are shown in the language spoken, through the
// catalogue, while the rows of numbers stay exactly as computed. No Qt.
#pragma once

#include "core/stringlist.h"
#include "i18n/i18n.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace well {

class TableTranslator;

// `entry` of a results table as the screen shows it in the language spoken. In German, and
// for every line that is neither a heading line nor a remark (the well's name, the rows of
// numbers), the entry itself. A remark keeps its numbers character for character, also a
// single line of a remark of several lines (a results file read back holds them so). A
// translation of a column heading line is only used when it is exactly as wide as the
// German line, so that the columns of numbers stay under their headings.
std::string shownTableLine(std::string_view entry);

// The start of the line below the heading that names the north of north and east
// (analysis::tableNorthLine); the rest is the caption of geo::northCaption, German.
inline constexpr const char *kNorthLinePrefix
    = DRV_TRANSLATE_NOOP("Ergebnistabelle", "    NORD UND OST: ");

// A results table and its lines as the screen shows them, looked up line by line: a table
// of a million rows is neither copied nor translated in advance. It refers to `table`,
// which must outlive it and stay unchanged while it is used.
class ShownTable
{
public:
    ShownTable();
    // The lines as they are, in any language.
    ShownTable(const StringList &table); // NOLINT(google-explicit-constructor): as is
    // The lines as the screen shows them in the language spoken (the catalogue installed
    // now).
    static ShownTable inLanguageSpoken(const StringList &table);

    std::size_t size() const { return m_table->size(); }
    bool empty() const { return m_table->empty(); }
    // Line `i` as shown: the table's own string, or `buffer` holding its translation.
    const std::string &line(std::size_t i, std::string &buffer) const;
    // True when some line may be shown otherwise than the table holds it.
    bool translated() const { return m_translator != nullptr; }
    const StringList &table() const { return *m_table; }

private:
    const StringList *m_table;
    std::shared_ptr<const TableTranslator> m_translator;
};

} // namespace well

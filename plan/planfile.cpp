// The plan file read into a plan.
#include "plan/planfile.h"

#include "core/cformat.h"
#include "core/decimalsign.h"
#include "exchange/delimitedtext.h"
#include "i18n/i18n.h"
#include "plan/compute.h"

#include <algorithm>
#include <array>

namespace plan {

namespace {

    // A column of the file: a section's value, the section itself, or the tolerance.
    enum class Column { Section, Tolerance, Value };

    enum class Unit { Length, Dls, Angle, None };

    struct Heading
    {
        const char *names[3];
        Column column;
        Field field;
        Unit unit;
    };

    // Names with blanks removed, in lower case.
    constexpr std::array<Heading, 12> kHeadings { {
        { { "abschnitt", "section", nullptr }, Column::Section, Field::Length, Unit::None },
        { { "l\xc3\xa4nge", "laenge", "length" }, Column::Value, Field::Length, Unit::Length },
        { { "dls", nullptr, nullptr }, Column::Value, Field::Dls, Unit::Dls },
        { { "werkzeugstellung", "toolface", nullptr }, Column::Value, Field::ToolFace,
            Unit::Angle },
        { { "nord", "north", nullptr }, Column::Value, Field::North, Unit::Length },
        { { "ost", "east", nullptr }, Column::Value, Field::East, Unit::Length },
        { { "seigerteufe", "tvd", nullptr }, Column::Value, Field::Tvd, Unit::Length },
        { { "md", nullptr, nullptr }, Column::Value, Field::Md, Unit::Length },
        { { "neigung", "inclination", nullptr }, Column::Value, Field::Inclination, Unit::Angle },
        { { "azimut", "azimuth", nullptr }, Column::Value, Field::Azimuth, Unit::Angle },
        { { "toleranz", "tolerance", nullptr }, Column::Tolerance, Field::Length, Unit::Length },
        // The plural a person may write for the tool face in English.
        { { "toolfaces", nullptr, nullptr }, Column::Value, Field::ToolFace, Unit::Angle },
    } };

    bool unitFits(Unit unit, const std::string &text)
    {
        if (text.empty())
            return true;
        switch (unit) {
        case Unit::Length:
            return text == "m";
        case Unit::Dls:
            return text == "\xc2\xb0/30m" || text == "deg/30m";
        case Unit::Angle:
            return text == "\xc2\xb0" || text == "deg";
        case Unit::None:
            break;
        }
        return false;
    }

    // Blanks removed, ASCII letters in lower case (so that no locale has a say).
    std::string squeezed(std::string_view text)
    {
        std::string out;
        for (char c : text) {
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n')
                continue;
            out += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        }
        return out;
    }

    std::optional<SectionKind> kindOf(std::string_view text)
    {
        const std::string k = squeezed(text);
        if (k == "halten" || k == "hold")
            return SectionKind::Hold;
        if (k == "bogen" || k == "arc")
            return SectionKind::Arc;
        if (k == "ziel" || k == "target")
            return SectionKind::CurveToTarget;
        if (k == "landen" || k == "landing")
            return SectionKind::Landing;
        return std::nullopt;
    }

    bool blank(std::string_view text)
    {
        return std::all_of(text.begin(), text.end(),
            [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
    }

    class Reader
    {
    public:
        PlanFileRead run(std::string_view bytes);

    private:
        void fault(FileFaultKind kind, int row, int column, std::string found, std::string why,
            std::optional<Refusal> refusal = std::nullopt)
        {
            FileFault f;
            f.kind = kind;
            f.row = row;
            f.column = column;
            f.found = std::move(found);
            f.refusal = std::move(refusal);
            if (row > 0 && column > 0) {
                f.message
                    = cfmt(i18n::translateFormat("Planung", "Zeile %d, Spalte %s (%s): %s").c_str(),
                        row, exchange::columnLetters(column).c_str(), headingOf(column).c_str(),
                        why.c_str());
            } else if (row > 0) {
                f.message = cfmt(
                    i18n::translateFormat("Planung", "Zeile %d: %s").c_str(), row, why.c_str());
            } else {
                f.message = why;
            }
            m_read.faults.push_back(std::move(f));
        }

        std::string headingOf(int column) const
        {
            const auto &h = *m_heading;
            return column >= 1 && static_cast<std::size_t>(column) <= h.size()
                ? std::string(h[static_cast<std::size_t>(column - 1)].text)
                : std::string();
        }

        bool readHeading(int row);
        void readRow(int row, const std::vector<exchange::Cell> &cells);

        PlanFileRead m_read;
        const std::vector<exchange::Cell> *m_heading = nullptr;
        std::optional<std::size_t> m_section, m_tolerance;
        std::array<std::optional<std::size_t>, kFieldCount> m_fields;
        Plan m_plan;
    };

    bool Reader::readHeading(int row)
    {
        const auto &cells = *m_heading;
        std::vector<std::size_t> seen(kHeadings.size(), 0);
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const std::string text = squeezed(cells[c].text);
            const std::size_t open = text.find('(');
            const std::string name = text.substr(0, open);
            std::string unit;
            if (open != std::string::npos) {
                const std::size_t close = text.find(')', open);
                unit = text.substr(
                    open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
            }
            for (std::size_t h = 0; h < kHeadings.size(); ++h) {
                const Heading &heading = kHeadings[h];
                if (std::none_of(std::begin(heading.names), std::end(heading.names),
                        [&](const char *n) { return n != nullptr && name == n; }))
                    continue;
                const int column = static_cast<int>(c) + 1;
                if (!unitFits(heading.unit, unit)) {
                    fault(FileFaultKind::UnknownUnit, row, column, std::string(cells[c].text),
                        i18n::translate("Planung",
                            "die Spalte hat nicht die Einheit, die der Abschnitt braucht (m, °/30 "
                            "m oder °)"));
                    continue;
                }
                std::optional<std::size_t> *slot = heading.column == Column::Section ? &m_section
                    : heading.column == Column::Tolerance
                    ? &m_tolerance
                    : &m_fields[static_cast<std::size_t>(heading.field)];
                if (*slot) {
                    fault(FileFaultKind::DuplicateColumn, row, column, std::string(cells[c].text),
                        i18n::translate("Planung", "die Spalte steht schon einmal in der Tabelle"));
                    continue;
                }
                *slot = c;
                ++seen[h];
            }
        }
        if (!m_section) {
            fault(FileFaultKind::NoSectionColumn, row, 0, {},
                i18n::translate(
                    "Planung", "die erste Zeile braucht die Spalte Abschnitt (oder Section)"));
        }
        return m_read.faults.empty();
    }

    void Reader::readRow(int row, const std::vector<exchange::Cell> &cells)
    {
        const auto cellOf = [&](std::optional<std::size_t> c) -> std::string_view {
            return c && *c < cells.size() ? std::string_view(cells[*c].text) : std::string_view();
        };
        const std::size_t faultsBefore = m_read.faults.size();
        const std::string_view kindText = cellOf(m_section);
        const auto kind = kindOf(kindText);
        if (!kind) {
            fault(FileFaultKind::UnknownSection, row, static_cast<int>(*m_section) + 1,
                std::string(kindText),
                i18n::translate("Planung",
                    "der Abschnitt ist halten, bogen, ziel oder landen (hold, arc, target, "
                    "landing)"));
        }
        Section section;
        if (kind)
            section.kind = *kind;
        const auto number = [&](std::optional<std::size_t> c, std::optional<double> &into) {
            const std::string_view text = cellOf(c);
            if (blank(text))
                return;
            into = decimalsign::read(text, decimalsign::Accept::Either);
            if (!into) {
                fault(FileFaultKind::NotANumber, row, static_cast<int>(*c) + 1, std::string(text),
                    i18n::translate("Planung", "das ist keine Zahl"));
            }
        };
        for (int f = 0; f < kFieldCount; ++f)
            number(m_fields[static_cast<std::size_t>(f)], section.value(static_cast<Field>(f)));
        std::optional<double> tolerance;
        number(m_tolerance, tolerance);
        if (m_read.faults.size() != faultsBefore)
            return;
        const int sectionNumber = static_cast<int>(m_plan.sections.size()) + 1;
        if (auto refusal = checkSection(section, sectionNumber)) {
            const auto column = refusal->field ? m_fields[static_cast<std::size_t>(*refusal->field)]
                                               : std::nullopt;
            fault(FileFaultKind::SectionRefused, row, column ? static_cast<int>(*column) + 1 : 0,
                std::string(cellOf(column)), text(*refusal), refusal);
            return;
        }
        if (tolerance) {
            const int column = static_cast<int>(*m_tolerance) + 1;
            if (section.kind != SectionKind::CurveToTarget
                && section.kind != SectionKind::Landing) {
                fault(FileFaultKind::SectionRefused, row, column, std::string(cellOf(m_tolerance)),
                    i18n::translate("Planung",
                        "eine Toleranz hat nur ein Abschnitt mit Zielpunkt (ziel, landen)"));
                return;
            }
            if (*tolerance < 0.0) {
                fault(FileFaultKind::SectionRefused, row, column, std::string(cellOf(m_tolerance)),
                    i18n::translate("Planung", "die Toleranz ist negativ"));
                return;
            }
            std::string name
                = cfmt(i18n::translateFormat("Planung", "Ziel in Zeile %d").c_str(), row);
            if (section.kind == SectionKind::CurveToTarget) {
                m_plan.targets.push_back(Target::point(
                    std::move(name), *section.north, *section.east, *section.tvd, *tolerance));
            } else {
                m_plan.targets.push_back(
                    Target::landing(std::move(name), *section.north, *section.east, *section.tvd,
                        *tolerance, *section.inclination, *section.azimuth, 1.0));
            }
        }
        m_plan.sections.push_back(section);
    }

    PlanFileRead Reader::run(std::string_view bytes)
    {
        exchange::DelimitedRead table
            = exchange::readDelimited(exchange::decodeText(bytes), exchange::Delimiter::Automatic);
        if (table.fault) {
            fault(FileFaultKind::Unreadable, table.fault->row, 0, table.fault->text,
                table.fault->message);
            return std::move(m_read);
        }
        const auto &rows = table.table.rows;
        const auto empty = [](const std::vector<exchange::Cell> &r) {
            return std::all_of(
                r.begin(), r.end(), [](const exchange::Cell &c) { return blank(c.text); });
        };
        std::size_t i = 0;
        while (i < rows.size() && empty(rows[i]))
            ++i;
        if (i == rows.size()) {
            fault(
                FileFaultKind::Empty, 0, 0, {}, i18n::translate("Planung", "Die Datei ist leer."));
            return std::move(m_read);
        }
        m_heading = &rows[i];
        if (!readHeading(static_cast<int>(i) + 1))
            return std::move(m_read);
        // A table with many faults names the first of them: enough to mend it row by row.
        constexpr std::size_t kMostFaults = 50;
        for (++i; i < rows.size() && m_read.faults.size() < kMostFaults; ++i) {
            if (!empty(rows[i]))
                readRow(static_cast<int>(i) + 1, rows[i]);
        }
        if (m_read.faults.empty() && m_plan.sections.empty()) {
            fault(FileFaultKind::NoSections, 0, 0, {},
                i18n::translate("Planung", "Die Datei nennt keinen Abschnitt."));
        }
        if (m_read.faults.empty())
            m_read.plan = std::move(m_plan);
        return std::move(m_read);
    }

} // namespace

PlanFileRead readPlanFile(std::string_view bytes)
{
    return Reader().run(bytes);
}

} // namespace plan

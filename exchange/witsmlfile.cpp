// The WITSML reader: the document through pugixml, then its trajectories by the local
// names of their elements (a namespace prefix and the case of the first letter, which
// differ between 1.4.1.1 and 2.0, are ignored).
#include "exchange/witsmlfile.h"

#include "core/cformat.h"
#include "core/decimalsign.h"
#include "core/units.h"
#include "core/utf8.h"
#include "i18n/i18n.h"

#include <pugixml.hpp>

#include <cmath>
#include <numbers>
#include <vector>

namespace exchange {

namespace {

    // The element's name without a prefix, its first letter in lower case.
    std::string localName(const pugi::xml_node &node)
    {
        std::string name = node.name();
        if (const size_t colon = name.find(':'); colon != std::string::npos)
            name.erase(0, colon + 1);
        if (!name.empty() && name[0] >= 'A' && name[0] <= 'Z')
            name[0] = static_cast<char>(name[0] + 0x20);
        return name;
    }

    pugi::xml_node child(const pugi::xml_node &node, const std::string &name)
    {
        for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling())
            if (c.type() == pugi::node_element && localName(c) == name)
                return c;
        return {};
    }

    std::string textOf(const pugi::xml_node &node)
    {
        std::string text = node.child_value();
        const size_t first = text.find_first_not_of(" \t\r\n");
        if (first == std::string::npos)
            return {};
        const size_t last = text.find_last_not_of(" \t\r\n");
        return text.substr(first, last - first + 1);
    }

    // The line of a node in the document, for messages.
    class Lines
    {
    public:
        explicit Lines(std::string_view text)
        {
            for (size_t i = 0; i < text.size(); ++i)
                if (text[i] == '\n')
                    m_breaks.push_back(static_cast<std::ptrdiff_t>(i));
        }
        int of(const pugi::xml_node &node) const
        {
            const std::ptrdiff_t offset = node.offset_debug();
            if (offset < 0)
                return 0;
            return static_cast<int>(std::lower_bound(m_breaks.begin(), m_breaks.end(), offset)
                       - m_breaks.begin())
                + 1;
        }

    private:
        std::vector<std::ptrdiff_t> m_breaks;
    };

    // Nesting depth of the elements, without recursion.
    int depthOf(const pugi::xml_node &root, int limit)
    {
        int depth = 0, deepest = 0;
        pugi::xml_node node = root.first_child();
        while (node) {
            deepest = std::max(deepest, depth + 1);
            if (deepest > limit)
                return deepest;
            if (node.first_child()) {
                node = node.first_child();
                ++depth;
                continue;
            }
            while (node && !node.next_sibling()) {
                node = node.parent();
                --depth;
                if (node == root)
                    return deepest;
            }
            if (node)
                node = node.next_sibling();
        }
        return deepest;
    }

    // A text of the document as far as a cell keeps it, for a name or a message; the
    // parser does not check that the document's bytes are well-formed UTF-8.
    std::string clipped(const std::string &text)
    {
        std::string out = utf8::sanitized(text);
        utf8::clip(out, kMaxCellCharacters);
        return out;
    }

    struct Value
    {
        double number = 0;
        std::string fault; // UTF-8, empty when the value was read
    };

    // A measure: its number in metres or degrees as its uom says.
    Value measure(const pugi::xml_node &node, const char *what, bool length, int line)
    {
        Value v;
        if (!node) {
            v.fault = cfmt(
                i18n::translateFormat("WitsmlDatei", "Zeile %d: der Messpunkt hat kein <%s>.")
                    .c_str(),
                line, what);
            return v;
        }
        const std::string text = textOf(node);
        const std::optional<double> number = decimalsign::read(text, decimalsign::Accept::Point);
        if (!number) {
            v.fault = cfmt(
                i18n::translateFormat("WitsmlDatei", "Zeile %d: „%s“ in <%s> ist keine Zahl.")
                    .c_str(),
                line, clipped(text).c_str(), what);
            return v;
        }
        const std::string uom = node.attribute("uom").value();
        if (length && uom == "m")
            v.number = *number;
        else if (length && uom == "ft")
            v.number = units::feetToMetres(*number);
        else if (length && uom == "ftUS")
            v.number = *number * 1200.0 / 3937.0;
        else if (!length && (uom == "dega" || uom == "deg"))
            v.number = *number;
        else if (!length && uom == "rad")
            v.number = units::degrees(*number);
        else {
            v.fault = uom.empty()
                ? cfmt(i18n::translateFormat("WitsmlDatei", "Zeile %d: <%s> ohne Einheit (uom).")
                           .c_str(),
                    line, what)
                : length ? cfmt(i18n::translateFormat("WitsmlDatei",
                                    "Zeile %d: die Einheit „%s“ von <%s> wird nicht gelesen "
                                    "(m, ft oder ftUS).")
                                    .c_str(),
                      line, clipped(uom).c_str(), what)
                         : cfmt(i18n::translateFormat("WitsmlDatei",
                                    "Zeile %d: die Einheit „%s“ von <%s> wird nicht gelesen "
                                    "(dega oder rad).")
                                    .c_str(),
                             line, clipped(uom).c_str(), what);
            return v;
        }
        // The results table computes in single precision; far beyond it no number is a
        // depth or an angle, and its text would not fit a cell.
        if (!std::isfinite(static_cast<float>(v.number)))
            v.fault = cfmt(
                i18n::translateFormat("WitsmlDatei", "Zeile %d: „%s“ in <%s> ist zu groß.").c_str(),
                line, clipped(text).c_str(), what);
        return v;
    }

    struct UnitFactor
    {
        const char *uom;
        double factor; // to nT, degrees or m/s²
    };
    constexpr double kStandardGravity = 9.80665;
    // The units the schema allows for each quantity of a field reading.
    constexpr UnitFactor kFieldUnits[3][9] = {
        { { "nT", 1 }, { "gamma", 1 }, { "uT", 1e3 }, { "µT", 1e3 }, { "mT", 1e6 }, { "T", 1e9 },
            { "gauss", 1e5 }, { "mgauss", 1e2 }, { nullptr, 0 } },
        { { "dega", 1 }, { "deg", 1 }, { "rad", 180.0 / std::numbers::pi }, { nullptr, 0 } },
        { { "m/s2", 1 }, { "cm/s2", 0.01 }, { "ft/s2", 0.3048 }, { "in/s2", 0.0254 },
            { "Gal", 0.01 }, { "mGal", 1e-5 }, { "gn", kStandardGravity },
            { "mgn", kStandardGravity / 1000 }, { "g", kStandardGravity } },
    };

    // A field reading's value in nT, degrees or m/s² as its uom says; nothing (and no
    // fault) when the element is missing or empty, as templates leave it.
    std::optional<double> fieldMeasure(const pugi::xml_node &node, well::FieldQuantity q,
        bool tolerance, int line, std::string &fault)
    {
        if (!node)
            return std::nullopt;
        const std::string text = textOf(node);
        if (text.empty())
            return std::nullopt;
        const std::string what = localName(node);
        const std::optional<double> number = decimalsign::read(text, decimalsign::Accept::Point);
        if (!number) {
            fault = cfmt(
                i18n::translateFormat("WitsmlDatei", "Zeile %d: „%s“ in <%s> ist keine Zahl.")
                    .c_str(),
                line, clipped(text).c_str(), what.c_str());
            return std::nullopt;
        }
        const std::string uom = node.attribute("uom").value();
        std::string known;
        for (const UnitFactor &unit : kFieldUnits[static_cast<int>(q)]) {
            if (!unit.uom)
                break;
            if (uom == unit.uom) {
                const double value = *number * unit.factor;
                if (tolerance ? !well::validFieldTolerance(q, value)
                              : !well::validFieldValue(q, value)) {
                    fault = cfmt(i18n::translateFormat("WitsmlDatei",
                                     "Zeile %d: „%s %s“ in <%s> ist kein möglicher Wert.")
                                     .c_str(),
                        line, clipped(text).c_str(), clipped(uom).c_str(), what.c_str());
                    return std::nullopt;
                }
                return value;
            }
            known += (known.empty() ? "" : ", ") + std::string(unit.uom);
        }
        fault = uom.empty()
            ? cfmt(i18n::translateFormat("WitsmlDatei", "Zeile %d: <%s> ohne Einheit (uom).").c_str(),
                  line, what.c_str())
            : cfmt(i18n::translateFormat("WitsmlDatei",
                       "Zeile %d: die Einheit „%s“ von <%s> wird nicht gelesen (%s).")
                       .c_str(),
                  line, clipped(uom).c_str(), what.c_str(), known.c_str());
        return std::nullopt;
    }

    // A station's magnetic and gravity readings: the computed values under <valid>, the
    // reference values and tolerances beside the station's other members.
    well::FieldReading fieldReadingOf(
        const pugi::xml_node &station, double md, int line, std::string &fault)
    {
        static const char *const measured[3]
            = { "magTotalFieldCalc", "magDipAngleCalc", "gravTotalFieldCalc" };
        static const char *const reference[3]
            = { "magTotalFieldReference", "magDipAngleReference", "gravTotalFieldReference" };
        static const char *const tolerance[3]
            = { "magTotalUncert", "dipAngleUncert", "gravTotalUncert" };
        well::FieldReading r;
        r.md = md;
        const pugi::xml_node valid = child(station, "valid");
        for (std::size_t k = 0; k < well::kFieldQuantities && fault.empty(); ++k) {
            const auto q = static_cast<well::FieldQuantity>(k);
            r.measured[k] = fieldMeasure(child(valid, measured[k]), q, false, line, fault);
            if (fault.empty())
                r.reference[k] = fieldMeasure(child(station, reference[k]), q, false, line, fault);
            if (fault.empty())
                r.tolerance[k] = fieldMeasure(child(station, tolerance[k]), q, true, line, fault);
        }
        return r;
    }

    // A trajectory's name: 1.4.1.1 <name>, 2.0 <Citation><Title>.
    std::string trajectoryName(const pugi::xml_node &trajectory)
    {
        if (const pugi::xml_node name = child(trajectory, "name"))
            return textOf(name);
        return textOf(child(child(trajectory, "citation"), "title"));
    }

    std::string wellNameOf(const pugi::xml_node &trajectory)
    {
        // 1.4.1.1 names the wellbore and the well; 2.0 refers to the wellbore by its title.
        for (const pugi::xml_node &node : { child(trajectory, "nameWellbore"),
                 child(child(trajectory, "wellbore"), "title"), child(trajectory, "nameWell") }) {
            const std::string name = textOf(node);
            if (!name.empty())
                return name;
        }
        return {};
    }

    // What went wrong in the XML, in the chosen language.
    std::string parseFaultText(pugi::xml_parse_status status)
    {
        switch (status) {
        case pugi::status_end_element_mismatch:
            return i18n::translate("WitsmlDatei", "ein End-Tag passt nicht zu seinem Start-Tag");
        case pugi::status_bad_start_element:
        case pugi::status_unrecognized_tag:
            return i18n::translate("WitsmlDatei", "ein Start-Tag ist fehlerhaft");
        case pugi::status_bad_end_element:
            return i18n::translate("WitsmlDatei", "ein End-Tag ist fehlerhaft");
        case pugi::status_bad_attribute:
            return i18n::translate("WitsmlDatei", "ein Attribut ist fehlerhaft");
        case pugi::status_bad_comment:
            return i18n::translate("WitsmlDatei", "ein Kommentar ist fehlerhaft");
        case pugi::status_bad_cdata:
            return i18n::translate("WitsmlDatei", "ein CDATA-Abschnitt ist fehlerhaft");
        case pugi::status_bad_pi:
            return i18n::translate("WitsmlDatei", "eine Verarbeitungsanweisung ist fehlerhaft");
        case pugi::status_bad_doctype:
            return i18n::translate("WitsmlDatei", "die Dokumenttypdefinition ist fehlerhaft");
        case pugi::status_bad_pcdata:
            return i18n::translate("WitsmlDatei", "ein Text ist fehlerhaft");
        case pugi::status_no_document_element:
            return i18n::translate("WitsmlDatei", "es gibt kein Element");
        case pugi::status_out_of_memory:
            return i18n::translate("WitsmlDatei", "der Speicher reicht nicht");
        default:
            return i18n::translate("WitsmlDatei", "das Dokument ist fehlerhaft");
        }
    }

    // A station's type names a tie-in point: "tie in point" in 1.4.1.1 and 2.0, in any case.
    bool isTieInPoint(const pugi::xml_node &station)
    {
        std::string type = textOf(child(station, "typeTrajStation"));
        for (char &c : type)
            c = c >= 'A' && c <= 'Z' ? static_cast<char>(c + 0x20) : c;
        return type == "tie in point";
    }

    std::string cell(double value)
    {
        return decimalsign::shortest(value, decimalsign::Sign::Point);
    }

} // namespace

namespace {

SurveyFileRead readDocument(std::string_view bytes, const std::string &trajectory)
{
    SurveyFileRead result;
    if (bytes.size() > kMaxWitsmlBytes) {
        result.fault
            = fileFault(cfmt(i18n::translateFormat("WitsmlDatei",
                                 "Die WITSML-Datei ist größer als %zu MB und wird nicht gelesen.")
                                 .c_str(),
                kMaxWitsmlBytes >> 20));
        return result;
    }
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_buffer(
        bytes.data(), bytes.size(), pugi::parse_default | pugi::parse_doctype, pugi::encoding_auto);
    const Lines lines(bytes);
    if (!parsed) {
        // The offset of the fault, as a line.
        const auto offset = static_cast<size_t>(std::max<std::ptrdiff_t>(0, parsed.offset));
        int line = 1;
        for (size_t i = 0; i < offset && i < bytes.size(); ++i)
            line += bytes[i] == '\n';
        result.fault = lineFault(line, {},
            cfmt(i18n::translateFormat("WitsmlDatei", "Zeile %d: kein gültiges XML (%s).").c_str(),
                line, parseFaultText(parsed.status).c_str()));
        return result;
    }
    for (pugi::xml_node node = document.first_child(); node; node = node.next_sibling()) {
        if (node.type() == pugi::node_doctype) {
            result.fault = lineFault(lines.of(node), {},
                cfmt(i18n::translateFormat("WitsmlDatei",
                         "Zeile %d: die Datei enthält eine Dokumenttypdefinition "
                         "(<!DOCTYPE>); WITSML braucht keine, und sie "
                         "wird nicht gelesen.")
                         .c_str(),
                    lines.of(node)));
            return result;
        }
    }
    if (depthOf(document, kMaxXmlDepth) > kMaxXmlDepth) {
        result.fault = fileFault(cfmt(i18n::translateFormat("WitsmlDatei",
                                          "Die XML-Elemente sind tiefer als %d Ebenen "
                                          "verschachtelt; das ist kein WITSML-Bohrpfad.")
                                          .c_str(),
            kMaxXmlDepth));
        return result;
    }

    const pugi::xml_node root = document.document_element();
    std::vector<pugi::xml_node> trajectories;
    if (localName(root) == "trajectory") {
        trajectories.push_back(root);
    } else if (localName(root) == "trajectorys") {
        for (pugi::xml_node c = root.first_child(); c; c = c.next_sibling())
            if (c.type() == pugi::node_element && localName(c) == "trajectory")
                trajectories.push_back(c);
    } else {
        result.fault = fileFault(cfmt(i18n::translateFormat("WitsmlDatei",
                                          "Keine WITSML-Trajektorie: das Dokument beginnt mit "
                                          "<%s> statt <trajectorys> oder <Trajectory>.")
                                          .c_str(),
            clipped(root.name()).c_str()));
        return result;
    }
    if (trajectories.empty()) {
        result.fault = fileFault(
            i18n::translate("WitsmlDatei", "Die WITSML-Datei enthält keine Trajektorie."));
        return result;
    }
    for (size_t i = 0; i < trajectories.size(); ++i) {
        std::string name = clipped(trajectoryName(trajectories[i]));
        result.choices.push_back(name.empty()
                ? cfmt(i18n::translateFormat("WitsmlDatei", "Trajektorie %zu").c_str(), i + 1)
                : name);
    }
    const std::optional<int> chosen = chooseByNameOrNumber(result.choices, trajectory);
    if (!chosen) {
        std::string names;
        for (const std::string &name : result.choices)
            names += (names.empty() ? "„" : ", „") + name + "“";
        result.fault
            = fileFault(cfmt(i18n::translateFormat("WitsmlDatei",
                                 "Die WITSML-Datei hat keine Trajektorie „%s“; sie hat %s.")
                                 .c_str(),
                trajectory.c_str(), names.c_str()));
        return result;
    }
    result.choice = *chosen;
    const pugi::xml_node chosenNode = trajectories[static_cast<size_t>(*chosen)];
    result.wellName = clipped(wellNameOf(chosenNode));

    Table &table = result.table;
    table.rows.emplace_back();
    for (const char *heading : { "md (m)", "incl (deg)", "azi (deg)" }) {
        Cell c;
        c.text = CellText(std::string_view(heading));
        table.rows.back().push_back(c);
    }
    table.cells = 3;
    for (pugi::xml_node station = chosenNode.first_child(); station;
         station = station.next_sibling()) {
        if (station.type() != pugi::node_element || localName(station) != "trajectoryStation")
            continue;
        if (table.rows.size() >= static_cast<size_t>(kMaxRows)) {
            result.fault = tooLargeFault();
            result.table = Table();
            return result;
        }
        const int line = lines.of(station);
        std::vector<Cell> row;
        double values[3] = {};
        int k = 0;
        for (const auto &[name, length] :
            { std::pair { "md", true }, std::pair { "incl", false }, std::pair { "azi", false } }) {
            const Value v = measure(child(station, name), name, length, line);
            if (!v.fault.empty()) {
                result.fault = lineFault(line, {}, v.fault);
                result.table = Table();
                return result;
            }
            values[k++] = v.number;
            Cell c;
            c.number = true;
            c.text = table.keep(cell(v.number));
            row.push_back(c);
        }
        // The first station, a tie-in point with its position, is where the survey begins
        // rather than a station of it. One at the surface (or without a position, as older
        // writers leave it) is the survey's first station as it always was.
        if (!result.tieIn && table.rows.size() == 1 && isTieInPoint(station)
            && child(station, "tvd") && child(station, "dispNs") && child(station, "dispEw")) {
            double position[3] = {};
            k = 0;
            for (const char *name : { "tvd", "dispNs", "dispEw" }) {
                const Value v = measure(child(station, name), name, true, line);
                if (!v.fault.empty()) {
                    result.fault = lineFault(line, {}, v.fault);
                    result.table = Table();
                    return result;
                }
                position[k++] = v.number;
            }
            const well::TieIn tieIn { values[0], position[0], position[1], position[2], values[1],
                values[2] };
            const bool atSurface
                = tieIn.md == 0 && tieIn.tvd == 0 && tieIn.north == 0 && tieIn.east == 0;
            if (!atSurface) {
                if (!well::validTieIn(tieIn)) {
                    result.fault = lineFault(line, {},
                        cfmt(i18n::translateFormat("WitsmlDatei",
                                 "Zeile %d: der Anschlusspunkt (tie in point) liegt außerhalb "
                                 "der Grenzen eines Messpunkts (Teufe ab 0 m, Neigung 0 bis "
                                 "180 Grad, Azimut 0 bis 360 Grad).")
                                 .c_str(),
                            line));
                    result.table = Table();
                    return result;
                }
                result.tieIn = tieIn;
                continue;
            }
        }
        std::string fault;
        const well::FieldReading reading = fieldReadingOf(station, values[0], line, fault);
        if (!fault.empty()) {
            result.fault = lineFault(line, {}, fault);
            result.table = Table();
            return result;
        }
        if (reading.anyMeasured())
            result.fieldReadings.push_back(reading);
        table.cells += 3;
        table.rows.push_back(std::move(row));
    }
    if (table.rows.size() == 1) {
        result.fault
            = fileFault(cfmt(i18n::translateFormat("WitsmlDatei",
                                 "Die Trajektorie „%s“ hat keine Messpunkte (<trajectoryStation>).")
                                 .c_str(),
                result.choices[static_cast<size_t>(*chosen)].c_str()));
        result.table = Table();
    }
    return result;
}

} // namespace

SurveyFileRead readWitsml(std::string_view bytes, const std::string &trajectory)
{
    SurveyFileRead result = readDocument(bytes, trajectory);
    // A refused file gives nothing, its readings as little as its stations.
    if (result.fault)
        result.fieldReadings.clear();
    return result;
}

} // namespace exchange

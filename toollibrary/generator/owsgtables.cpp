// Build-time generator of the tool library's tables: reads the OWSG workbooks (every code
// their "Index" sheet lists, with its sheet's header and error terms) and writes them as a
// C++ source of constant tables, so that the programs never parse a workbook. Anything it
// cannot read stops the build with a message naming the workbook, the sheet and the row:
// a half-read library would silently lose tools or terms.
//
//   owsg-tables OUTPUT.cpp SET=WORKBOOK.xlsx [SET=WORKBOOK.xlsx ...]
#include "exchange/xlsxfile.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <numbers>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Failure : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

std::string trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return std::string(text.substr(first, last - first + 1));
}

// A C++ string literal of UTF-8 text: bytes outside printable ASCII as octal escapes
// (which, unlike hex ones, never swallow a following digit).
std::string literal(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (b < 0x20 || b >= 0x7f) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\%03o", b);
            out += buffer;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string number(double v)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.17g", v);
    return buffer;
}

std::optional<double> parseNumber(std::string_view text)
{
    double v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

// A sheet of the workbook, its cells by row and column from 0.
class Sheet
{
public:
    Sheet(const std::string &bytes, const std::string &workbook, const std::string &name)
        : m_where(workbook + ": sheet \u201e" + name + "\u201c")
    {
        exchange::XlsxRead read = exchange::readXlsx(bytes, name);
        if (read.fault)
            throw Failure(m_where + ": " + read.fault->message);
        m_table = std::move(read.table);
    }

    std::string text(int row, int column) const
    {
        const exchange::Cell *c = m_table.cell(row, column);
        return c ? trimmed(std::string(c->text)) : std::string();
    }
    int rows() const { return static_cast<int>(m_table.rows.size()); }
    int columns(int row) const
    {
        return row < rows() ? static_cast<int>(m_table.rows[static_cast<std::size_t>(row)].size())
                            : 0;
    }

    // The column of `row` whose text is `heading`.
    int column(int row, const std::string &heading) const
    {
        for (int c = 0; c < columns(row); ++c) {
            if (text(row, c) == heading)
                return c;
        }
        throw Failure(at(row) + ": no column \u201e" + heading + "\u201c");
    }

    double numberAt(int row, int column) const
    {
        const std::string t = text(row, column);
        const std::optional<double> v = parseNumber(t);
        if (!v)
            throw Failure(at(row) + ", column " + exchange::columnLetters(column + 1) + ": \u201e"
                + t + "\u201c is not a number");
        return *v;
    }

    std::string at(int row) const { return m_where + ", row " + std::to_string(row + 1); }

private:
    std::string m_where;
    exchange::Table m_table;
};

// "15 deg", "10 m", "2743.2 m/hr": the number and the unit after it.
std::pair<double, std::string> quantity(const std::string &text, const std::string &where)
{
    const auto space = text.find(' ');
    const std::optional<double> v = parseNumber(text.substr(0, space));
    if (!v)
        throw Failure(where + ": \u201e" + text + "\u201c is not a number with a unit");
    return { *v, space == std::string::npos ? std::string() : trimmed(text.substr(space)) };
}

double degrees(const std::string &text, const std::string &where)
{
    const auto [v, unit] = quantity(text, where);
    if (unit != "deg")
        throw Failure(where + ": \u201e" + text + "\u201c is not in degrees");
    return v;
}

// The least tortuosity in radians per metre ("1 deg / 100 ft", "1 deg / 30 m").
double tortuosity(const std::string &text, const std::string &where)
{
    const auto [v, unit] = quantity(text, where);
    constexpr double kRadian = std::numbers::pi / 180.0;
    if (unit == "deg / 100 ft")
        return v * kRadian / 30.48;
    if (unit == "deg / 30 m")
        return v * kRadian / 30.0;
    throw Failure(where + ": unknown tortuosity unit \u201e" + unit + "\u201c");
}

double metres(const std::string &text, const std::string &where)
{
    const auto [v, unit] = quantity(text, where);
    if (unit == "m")
        return v;
    if (unit == "ft")
        return v * 0.3048;
    throw Failure(where + ": unknown length unit \u201e" + unit + "\u201c");
}

// A plain positive number ("0.4082").
double factor(const std::string &text, const std::string &where)
{
    const std::optional<double> v = parseNumber(text);
    if (!v || !(*v > 0))
        throw Failure(where + ": \u201e" + text + "\u201c is not a positive number");
    return *v;
}

// The text of a revision or other number as the workbook shows it ("5.1", not the
// binary value's seventeen digits).
std::string shown(const std::string &text)
{
    const std::optional<double> v = parseNumber(text);
    if (!v)
        return text;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15g", *v);
    return buffer;
}

// One code's sheet turned into its tables' source text; `index` numbers the arrays.
std::string toolSource(const Sheet &sheet, const std::string &set, const std::string &code,
    std::size_t index, std::string &entry)
{
    std::map<std::string, std::string> header;
    std::vector<std::pair<std::string, std::string>> parameters;
    constexpr int kFirst = 2; // the headings' row, the sheet's third
    bool inParameters = false;
    for (int r = kFirst; r < sheet.rows(); ++r) {
        const std::string label = sheet.text(r, 0);
        if (label.empty())
            continue;
        if (label == "Tool Parameters") {
            inParameters = true;
            continue;
        }
        std::string name = label;
        if (!name.empty() && name.back() == ':')
            name.pop_back();
        name = trimmed(name);
        const std::string value = sheet.text(r, 1);
        if (inParameters)
            parameters.emplace_back(name, value);
        else
            header[name] = value;
    }
    for (const char *needed : { "OWSG Prefix", "Short Name", "Long Name", "Revision No",
             "Tool Type", "Inclination Range Min", "Inclination Range Max" }) {
        if (header.find(needed) == header.end())
            throw Failure(sheet.at(kFirst) + ": the header has no \u201e" + needed + "\u201c");
    }
    if (header["Short Name"] != code)
        throw Failure(sheet.at(kFirst) + ": the short name \u201e" + header["Short Name"]
            + "\u201c is not the sheet's");

    const int no = sheet.column(kFirst, "No"), codeColumn = sheet.column(kFirst, "Code"),
              description = sheet.column(kFirst, "Term Description"),
              function = sheet.column(kFirst, "Wt.Fn."),
              functionSource = sheet.column(kFirst, "Wt.Fn. Source"),
              type = sheet.column(kFirst, "Type"), magnitude = sheet.column(kFirst, "Magnitude"),
              unit = sheet.column(kFirst, "Units"), propagation = sheet.column(kFirst, "Prop."),
              p1 = sheet.column(kFirst, "P1"), p2 = sheet.column(kFirst, "P2"),
              p3 = sheet.column(kFirst, "P3");

    std::ostringstream out;
    const std::string id = std::to_string(index);
    out << "constexpr TermRow kTerms" << id << "[] = {\n";
    std::size_t terms = 0;
    for (int r = kFirst + 1; r < sheet.rows(); ++r) {
        if (!parseNumber(sheet.text(r, no)))
            continue;
        const std::string prop = sheet.text(r, propagation);
        if (prop != "R" && prop != "S" && prop != "G" && prop != "W")
            throw Failure(sheet.at(r) + ": unknown propagation \u201e" + prop + "\u201c");
        if (sheet.text(r, codeColumn).empty() || sheet.text(r, function).empty())
            throw Failure(sheet.at(r) + ": a term without code or weighting function");
        out << "    { " << literal(sheet.text(r, codeColumn)) << ", "
            << literal(sheet.text(r, description)) << ", " << literal(sheet.text(r, function))
            << ", " << literal(sheet.text(r, functionSource)) << ", "
            << literal(sheet.text(r, type)) << ", " << number(sheet.numberAt(r, magnitude)) << ", "
            << literal(sheet.text(r, unit)) << ", '" << prop << "', "
            << number(sheet.numberAt(r, p1)) << ", " << number(sheet.numberAt(r, p2)) << ", "
            << number(sheet.numberAt(r, p3)) << " },\n";
        ++terms;
    }
    // An empty array is not C++: a tool without terms gets a placeholder it never shows.
    if (terms == 0)
        out << "    {},\n";
    out << "};\n";
    out << "constexpr Parameter kParameters" << id << "[] = {\n";
    for (const auto &[name, value] : parameters)
        out << "    { " << literal(name) << ", " << literal(value) << " },\n";
    if (parameters.empty())
        out << "    {},\n";
    out << "};\n";

    std::string tortuosityValue = "std::nullopt", courseLength = "std::nullopt",
                noiseReduction = "std::nullopt";
    for (const auto &[name, value] : parameters) {
        if (name == "XCL Tortuosity")
            tortuosityValue = number(tortuosity(value, sheet.at(kFirst) + " (" + name + ")"));
        else if (name == "Misalignment Min Course Length")
            courseLength = number(metres(value, sheet.at(kFirst) + " (" + name + ")"));
        else if (name == "Noise Reduction Factor")
            noiseReduction = number(factor(value, sheet.at(kFirst) + " (" + name + ")"));
    }
    std::ostringstream e;
    e << "    { " << literal(set) << ", " << literal(code) << ", " << literal(header["OWSG Prefix"])
      << ", " << literal(header["Long Name"]) << ", " << literal(shown(header["Revision No"]))
      << ", " << literal(header["Source"]) << ", " << literal(header["Application"]) << ", "
      << literal(header["Tool Type"]) << ", "
      << number(degrees(header["Inclination Range Min"], sheet.at(kFirst))) << ", "
      << number(degrees(header["Inclination Range Max"], sheet.at(kFirst))) << ", "
      << tortuosityValue << ", " << courseLength << ", " << noiseReduction
      << ", std::span<const Parameter>(kParameters" << id << ", " << parameters.size()
      << "), std::span<const TermRow>(kTerms" << id << ", " << terms << ") },\n";
    entry = e.str();
    return out.str();
}

std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw Failure(path + ": cannot be opened");
    try {
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } catch (const std::exception &) {
        throw Failure(path + ": cannot be read");
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: owsg-tables OUTPUT.cpp SET=WORKBOOK.xlsx ...\n");
        return 2;
    }
    try {
        std::ostringstream tables, entries;
        std::size_t count = 0;
        for (int a = 2; a < argc; ++a) {
            const std::string arg = argv[a];
            const auto eq = arg.find('=');
            if (eq == std::string::npos)
                throw Failure(arg + ": expected SET=WORKBOOK.xlsx");
            const std::string set = arg.substr(0, eq), path = arg.substr(eq + 1);
            const std::string bytes = readFile(path);
            const Sheet index(bytes, path, "Index");
            const int shortName = index.column(0, "Short Name");
            for (int r = 1; r < index.rows(); ++r) {
                const std::string code = index.text(r, shortName);
                if (code.empty())
                    continue;
                std::string entry;
                tables << toolSource(Sheet(bytes, path, code), set, code, count, entry);
                entries << entry;
                ++count;
            }
            if (count == 0)
                throw Failure(path + ": the sheet \u201eIndex\u201c lists no code");
        }
        std::ofstream out(argv[1], std::ios::binary);
        out << "// Generated at build time from the OWSG workbooks (toollibrary/owsg) by\n"
               "// toollibrary/generator/owsgtables.cpp. Do not edit.\n"
               "#include \"toollibrary/toollibrary.h\"\n\n"
               "#include <optional>\n#include <span>\n\n"
               "namespace toollib::generated {\n\nnamespace {\n\n"
            << tables.str() << "\n} // namespace\n\nconst Tool kTools[] = {\n"
            << entries.str() << "};\n\nconst std::size_t kToolCount = " << count
            << ";\n\n} // namespace toollib::generated\n";
        out.close();
        if (!out)
            throw Failure(std::string(argv[1]) + ": cannot be written");
    } catch (const std::exception &e) {
        std::fprintf(stderr, "owsg-tables: %s\n", e.what());
        std::remove(argv[1]);
        return 1;
    }
    return 0;
}

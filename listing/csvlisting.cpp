#include "listing/csvlisting.h"

#include "core/cformat.h"

#include <algorithm>
#include <vector>

namespace listing {

std::string csvField(const std::string &text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string csvText(const Listing &l)
{
    const std::string u = unitName(l.unit);
    const std::string length = " (" + u + ")";
    std::vector<std::string> header = {
        "Teufe" + length,
        "Neigung (°)",
        "Azimut (°)",
        "Seigerteufe" + length,
        "Nord" + length,
        "Ost" + length,
        "Gesamtabweichung" + length,
        "Azimut der Abweichung (°)",
        cfmt("Vertikalschnitt bei %.2f°", l.sectionAzimuth) + length,
        std::string("Abknickung (") + doglegUnitName(l.unit) + ")",
        "Krümmungsradius" + length,
        "Teufenverlust" + length,
        "Anfrage",
    };
    // Absolute columns only where the settings placed the rows; the coordinates stay in
    // the metres of their reference system.
    const bool grid = std::any_of(
        l.rows.begin(), l.rows.end(), [](const Row &r) { return r.easting.has_value(); });
    const bool height = std::any_of(
        l.rows.begin(), l.rows.end(), [](const Row &r) { return r.height.has_value(); });
    if (grid) {
        header.insert(header.end() - 1, "Rechtswert (m)");
        header.insert(header.end() - 1, "Hochwert (m)");
    }
    if (height)
        header.insert(header.end() - 1, "Höhe über NN" + length);
    std::string out;
    out.reserve(160 * (l.rows.size() + 1));
    bool firstField = true;
    for (const std::string &h : header) {
        if (!firstField)
            out += ',';
        out += csvField(h);
        firstField = false;
    }
    out += "\r\n";
    for (const Row &r : l.rows) {
        const traj::Point &p = r.point;
        const auto len = [&](double metres) { return fromMetres(metres, l.unit); };
        // Micrometres and millionths of a degree: more than the stations carry.
        const double values[] = { len(p.md), p.inclination, p.azimuth, len(p.tvd), len(p.north),
            len(p.east), len(p.displacement), p.displacementAzimuth, len(r.verticalSection),
            doglegRate(p.doglegPer30, l.unit), len(p.radius), len(p.depthLoss) };
        const auto number = [&out](double v) {
            const std::size_t at = out.size();
            cfmtAppend(out, "%.6f,", v);
            // A value that rounds to zero is written without a sign.
            if (out.compare(at, 10, "-0.000000,") == 0)
                out.erase(at, 1);
        };
        for (double v : values)
            number(v);
        // A row without a value leaves its field empty.
        const auto optional = [&](const std::optional<double> &v, double scale) {
            if (v)
                number(*v * scale);
            else
                out += ',';
        };
        if (grid) {
            optional(r.easting, 1.0);
            optional(r.northing, 1.0);
        }
        if (height)
            optional(r.height, fromMetres(1.0, l.unit));
        out += csvField(r.request);
        out += "\r\n";
    }
    return out;
}

} // namespace listing

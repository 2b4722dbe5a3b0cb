#include "listing/csvlisting.h"

#include "core/cformat.h"

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
    const std::string header[] = {
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
        for (double v : values) {
            const std::size_t at = out.size();
            cfmtAppend(out, "%.6f,", v);
            // A value that rounds to zero is written without a sign.
            if (out.compare(at, 10, "-0.000000,") == 0)
                out.erase(at, 1);
        }
        out += csvField(r.request);
        out += "\r\n";
    }
    return out;
}

} // namespace listing

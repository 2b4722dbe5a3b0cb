// Writing the trajectory document as text, a station at a time: a survey of a million
// stations is half a gigabyte of XML, which is never held in memory. The only texts that
// need escaping are the names.
#include "export/witsmlwriter.h"

#include "core/atomicfile.h"
#include "core/decimalsign.h"

namespace surveyexport {

namespace {

    const char *aziRefOf(NorthReference north)
    {
        switch (north) {
        case NorthReference::Grid:
            return "grid north";
        case NorthReference::Magnetic:
            return "magnetic north";
        case NorthReference::True:
            break;
        }
        return "true north";
    }

    // Text for an element's content or an attribute's value in double quotes.
    std::string escaped(const std::string &text)
    {
        std::string out;
        out.reserve(text.size());
        for (char c : text) {
            switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                // Control characters other than tab and line breaks are no XML at all.
                if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n' || c == '\r')
                    out += c;
            }
        }
        return out;
    }

    class Document
    {
    public:
        explicit Document(const atomicfile::Append &append)
            : m_append(append)
        {
        }

        void measure(const char *indent, const char *name, const char *uom, double value)
        {
            m_buffer += indent;
            m_buffer += '<';
            m_buffer += name;
            m_buffer += " uom=\"";
            m_buffer += uom;
            m_buffer += "\">";
            m_buffer += decimalsign::shortest(value, decimalsign::Sign::Point);
            m_buffer += "</";
            m_buffer += name;
            m_buffer += ">\n";
        }
        void text(const char *indent, const char *name, const std::string &value)
        {
            m_buffer += indent;
            m_buffer += '<';
            m_buffer += name;
            m_buffer += '>';
            m_buffer += escaped(value);
            m_buffer += "</";
            m_buffer += name;
            m_buffer += ">\n";
        }
        void raw(const std::string &text) { m_buffer += text; }

        // Hands on what is gathered once it is large; false after a failed write.
        bool flush(bool always = false)
        {
            if (!always && m_buffer.size() < (64u << 10))
                return true;
            const bool ok = m_append(m_buffer);
            m_buffer.clear();
            return ok;
        }

    private:
        const atomicfile::Append &m_append;
        std::string m_buffer;
    };

} // namespace

std::string witsmlUid(const std::string &name, const std::string &fallback)
{
    std::string uid;
    for (char c : name) {
        if (uid.size() == 64)
            break;
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')
            || (c >= '0' && c <= '9') || c == '-';
        uid += plain ? c : '_';
    }
    return uid.empty() ? fallback : uid;
}

bool writeWitsmlTrajectory(
    const listing::Listing &rows, const ExportInfo &info, const atomicfile::Append &append)
{
    // Always metres, whatever unit the listing shows: a depth in feet does not always
    // come back to the same double in metres (390 m has no double in feet that converts
    // back to it), and the receiving system converts by the uom anyway.
    const char *length = "m";
    const char *dls = "dega/30m";

    Document out(append);
    const std::string name = info.borehole.empty() ? std::string("Bohrung") : info.borehole;
    const std::string uid = witsmlUid(info.borehole, "bohrung");
    out.raw("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<trajectorys xmlns=\"http://www.witsml.org/schemas/1series\" version=\"1.4.1.1\">\n");
    out.raw("  <trajectory uidWell=\"" + uid + "\" uidWellbore=\"" + uid + "-1\" uid=\"" + uid
        + "-bahn\">\n");
    out.text("    ", "nameWell", name);
    out.text("    ", "nameWellbore", name);
    out.text("    ", "name", "Berechnete Bahn");
    if (!rows.rows.empty()) {
        out.measure("    ", "mdMn", length, rows.rows.front().point.md);
        out.measure("    ", "mdMx", length, rows.rows.back().point.md);
    }
    // The angles that turned the measured azimuths to aziRef, in the schema's order.
    if (info.north.declination)
        out.measure("    ", "magDeclUsed", "dega", *info.north.declination);
    if (info.north.convergence)
        out.measure("    ", "gridCorUsed", "dega", *info.north.convergence);
    out.measure("    ", "aziVertSect", "dega", rows.sectionAzimuth);
    out.text("    ", "aziRef", aziRefOf(info.north.north));

    std::size_t index = 0;
    for (const listing::Row &row : rows.rows) {
        const traj::Point &p = row.point;
        out.raw("    <trajectoryStation uid=\"st" + std::to_string(++index) + "\">\n");
        out.text("      ", "typeTrajStation", index == 1 ? "tie in point" : "unknown");
        out.text("      ", "calcAlgorithm", "minimum curvature");
        out.measure("      ", "md", length, p.md);
        out.measure("      ", "tvd", length, p.tvd);
        out.measure("      ", "incl", "dega", p.inclination);
        out.measure("      ", "azi", "dega", p.azimuth);
        out.measure("      ", "dispNs", length, p.north);
        out.measure("      ", "dispEw", length, p.east);
        out.measure("      ", "vertSect", length, row.verticalSection);
        out.measure("      ", "dls", dls, p.doglegPer30);
        if (const auto run = runAt(info.program, p.md))
            out.text("      ", "modelToolError", info.program[*run].tool);
        out.raw("    </trajectoryStation>\n");
        if (!out.flush())
            return false;
    }
    // In the schema's order: the state of the item before the comments.
    if (info.plan || !info.document.empty()) {
        out.raw("    <commonData>\n");
        if (info.plan)
            out.text("      ", "itemState", "plan");
        if (!info.document.empty())
            out.text("      ", "comments", "Berechnet aus " + info.document);
        out.raw("    </commonData>\n");
    }
    out.raw("  </trajectory>\n</trajectorys>\n");
    return out.flush(true);
}

std::string witsmlTrajectory(const listing::Listing &rows, const ExportInfo &info)
{
    std::string bytes;
    writeWitsmlTrajectory(rows, info, [&bytes](std::string_view piece) {
        bytes += piece;
        return true;
    });
    return bytes;
}

} // namespace surveyexport

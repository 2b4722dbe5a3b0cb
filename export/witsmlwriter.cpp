// Building the trajectory document with pugixml, which escapes every text it writes.
#include "export/witsmlwriter.h"

#include "core/decimalsign.h"

#include <pugixml.hpp>

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

    std::string number(double value)
    {
        return decimalsign::shortest(value, decimalsign::Sign::Point);
    }

    void measure(pugi::xml_node parent, const char *name, const char *uom, double value)
    {
        pugi::xml_node node = parent.append_child(name);
        node.append_attribute("uom") = uom;
        node.text().set(number(value).c_str());
    }

    void text(pugi::xml_node parent, const char *name, const std::string &value)
    {
        parent.append_child(name).text().set(value.c_str());
    }

    class StringWriter : public pugi::xml_writer
    {
    public:
        std::string bytes;
        void write(const void *data, size_t size) override
        {
            bytes.append(static_cast<const char *>(data), size);
        }
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

std::string witsmlTrajectory(const listing::Listing &rows, const ExportInfo &info)
{
    // Always metres, whatever unit the listing shows: a depth in feet does not always
    // come back to the same double in metres (390 m has no double in feet that converts
    // back to it), and the receiving system converts by the uom anyway.
    const char *length = "m";
    const char *dls = "dega/30m";

    pugi::xml_document document;
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    pugi::xml_node list = document.append_child("trajectorys");
    list.append_attribute("xmlns") = "http://www.witsml.org/schemas/1series";
    list.append_attribute("version") = "1.4.1.1";

    const std::string name = info.borehole.empty() ? std::string("Bohrung") : info.borehole;
    const std::string uid = witsmlUid(info.borehole, "bohrung");
    pugi::xml_node trajectory = list.append_child("trajectory");
    trajectory.append_attribute("uidWell") = uid.c_str();
    trajectory.append_attribute("uidWellbore") = (uid + "-1").c_str();
    trajectory.append_attribute("uid") = (uid + "-bahn").c_str();
    text(trajectory, "nameWell", name);
    text(trajectory, "nameWellbore", name);
    text(trajectory, "name", "Berechnete Bahn");
    if (!rows.rows.empty()) {
        measure(trajectory, "mdMn", length, rows.rows.front().point.md);
        measure(trajectory, "mdMx", length, rows.rows.back().point.md);
    }
    measure(trajectory, "aziVertSect", "dega", rows.sectionAzimuth);
    text(trajectory, "aziRef", aziRefOf(info.north));

    int index = 0;
    for (const listing::Row &row : rows.rows) {
        const traj::Point &p = row.point;
        pugi::xml_node station = trajectory.append_child("trajectoryStation");
        station.append_attribute("uid") = ("st" + std::to_string(++index)).c_str();
        text(station, "typeTrajStation", index == 1 ? "tie in point" : "unknown");
        text(station, "calcAlgorithm", "minimum curvature");
        measure(station, "md", length, p.md);
        measure(station, "tvd", length, p.tvd);
        measure(station, "incl", "dega", p.inclination);
        measure(station, "azi", "dega", p.azimuth);
        measure(station, "dispNs", length, p.north);
        measure(station, "dispEw", length, p.east);
        measure(station, "vertSect", length, row.verticalSection);
        measure(station, "dls", dls, p.doglegPer30);
    }
    if (!info.document.empty()) {
        pugi::xml_node common = trajectory.append_child("commonData");
        text(common, "comments", "Berechnet aus " + info.document);
    }

    StringWriter writer;
    document.save(writer, "  ", pugi::format_default, pugi::encoding_utf8);
    return writer.bytes;
}

} // namespace surveyexport

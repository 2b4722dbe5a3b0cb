// The plan's value types: field access and the ways to make a section or a target.
#include "plan/plan.h"

namespace plan {

std::optional<double> Section::value(Field field) const
{
    return const_cast<Section *>(this)->value(field);
}

std::optional<double> &Section::value(Field field)
{
    switch (field) {
    case Field::Length:
        return length;
    case Field::Dls:
        return dls;
    case Field::ToolFace:
        return toolFace;
    case Field::North:
        return north;
    case Field::East:
        return east;
    case Field::Tvd:
        return tvd;
    case Field::Md:
        return md;
    case Field::Inclination:
        return inclination;
    case Field::Azimuth:
        break;
    }
    return azimuth;
}

Section Section::hold(double length)
{
    Section s;
    s.length = length;
    return s;
}

Section Section::holdToTvd(double tvd)
{
    Section s;
    s.tvd = tvd;
    return s;
}

Section Section::holdToMd(double md)
{
    Section s;
    s.md = md;
    return s;
}

Section Section::arc(double dls, double toolFace, double length)
{
    Section s;
    s.kind = SectionKind::Arc;
    s.dls = dls;
    s.toolFace = toolFace;
    s.length = length;
    return s;
}

Section Section::arcToInclination(double dls, double toolFace, double inclination)
{
    Section s;
    s.kind = SectionKind::Arc;
    s.dls = dls;
    s.toolFace = toolFace;
    s.inclination = inclination;
    return s;
}

Section Section::arcToAzimuth(double dls, double toolFace, double azimuth)
{
    Section s;
    s.kind = SectionKind::Arc;
    s.dls = dls;
    s.toolFace = toolFace;
    s.azimuth = azimuth;
    return s;
}

Section Section::arcToDirection(double dls, double inclination, double azimuth)
{
    Section s;
    s.kind = SectionKind::Arc;
    s.dls = dls;
    s.inclination = inclination;
    s.azimuth = azimuth;
    return s;
}

Section Section::curveToTarget(double dls, double north, double east, double tvd)
{
    Section s;
    s.kind = SectionKind::CurveToTarget;
    s.dls = dls;
    s.north = north;
    s.east = east;
    s.tvd = tvd;
    return s;
}

Section Section::landing(
    double dls, double north, double east, double tvd, double inclination, double azimuth)
{
    Section s = curveToTarget(dls, north, east, tvd);
    s.kind = SectionKind::Landing;
    s.inclination = inclination;
    s.azimuth = azimuth;
    return s;
}

Target Target::point(std::string name, double north, double east, double tvd, double radius)
{
    Target t;
    t.name = std::move(name);
    t.north = north;
    t.east = east;
    t.tvd = tvd;
    t.radius = radius;
    return t;
}

Target Target::box(std::string name, double northFrom, double northTo, double eastFrom,
    double eastTo, double tvdFrom, double tvdTo)
{
    Target t;
    t.name = std::move(name);
    t.kind = TargetKind::Box;
    t.northFrom = northFrom;
    t.northTo = northTo;
    t.eastFrom = eastFrom;
    t.eastTo = eastTo;
    t.tvdFrom = tvdFrom;
    t.tvdTo = tvdTo;
    return t;
}

Target Target::landing(std::string name, double north, double east, double tvd, double radius,
    double inclination, double azimuth, double angleTolerance)
{
    Target t = point(std::move(name), north, east, tvd, radius);
    t.kind = TargetKind::Landing;
    t.inclination = inclination;
    t.azimuth = azimuth;
    t.angleTolerance = angleTolerance;
    return t;
}

} // namespace plan

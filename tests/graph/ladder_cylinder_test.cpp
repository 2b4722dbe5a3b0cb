// The ladder and the travelling cylinder: the angle around the hole against cases worked
// by hand, the ladder's curves at the scan's distances and factors of the ISCWSA
// clearance set (placed on the page by arithmetic of its own here), its lines at the
// factors 1.0 and 1.5 only where there are factors, the cylinder's tracks of wells whose
// side of the hole is known by construction, and both pages in the files.
#include "graph/cylinder.h"
#include "graph/highside.h"
#include "graph/ladder.h"
#include "graph/pageexport.h"
#include "graphtestdata.h"
#include "offsetwells.h"
#include "recordinghelpers.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>

using namespace graphtest;

namespace {

double angleOr(std::optional<double> a)
{
    return a ? *a : -1.0;
}

TEST(HighSide, AnglesWorkedByHand)
{
    // A vertical hole whose azimuth 0 stands in for the high side: north at the top,
    // clockwise looking down.
    EXPECT_NEAR(angleOr(highside::angle(0, 0, 0, 10, 0)), 90, 1e-9); // due east
    EXPECT_NEAR(angleOr(highside::angle(0, 0, 10, 0, 3)), 0, 1e-9); // north, a little deeper
    EXPECT_NEAR(angleOr(highside::angle(0, 0, -5, 0, 0)), 180, 1e-9);
    EXPECT_NEAR(angleOr(highside::angle(0, 0, 0, -5, -2)), 270, 1e-9);
    EXPECT_NEAR(angleOr(highside::angle(0, 0, 7, 7, 0)), 45, 1e-9);
    // Its azimuth 90: east is the top, north on the left.
    EXPECT_NEAR(angleOr(highside::angle(0, 90, 0, 10, 0)), 0, 1e-9);
    EXPECT_NEAR(angleOr(highside::angle(0, 90, 10, 0, 0)), 270, 1e-9);
    // Horizontal, drilling north: up is the high side, east the right-hand side.
    EXPECT_NEAR(angleOr(highside::angle(90, 0, 0, 0, -4)), 0, 1e-9);
    EXPECT_NEAR(angleOr(highside::angle(90, 0, 0, 4, 0)), 90, 1e-9);
    EXPECT_NEAR(angleOr(highside::angle(90, 0, 0, 0, 4)), 180, 1e-9);
    EXPECT_NEAR(angleOr(highside::angle(90, 0, 0, -4, 0)), 270, 1e-9);
    // Inclined 45 degrees toward east: straight up is above the hole's axis, on its
    // high side; due north lies to its left.
    EXPECT_NEAR(angleOr(highside::angle(45, 90, 0, 0, -1)), 0, 1e-9);
    EXPECT_NEAR(angleOr(highside::angle(45, 90, 1, 0, 0)), 270, 1e-9);
    // Straight ahead along the hole: no side.
    EXPECT_FALSE(highside::angle(45, 90, 0, 1, 1).has_value());
    EXPECT_FALSE(highside::angle(0, 0, 0, 0, 12).has_value());
}

TEST(HighSide, AlongTheHoleChangesNothingAndTheOppositeSideIsHalfAroundIt)
{
    for (double inc : { 0.0, 10.0, 55.0, 90.0, 120.0 })
        for (double azi : { 0.0, 33.0, 181.0, 300.0 }) {
            const double rad = std::acos(-1.0) / 180;
            const double t[3] = { std::sin(inc * rad) * std::cos(azi * rad),
                std::sin(inc * rad) * std::sin(azi * rad), std::cos(inc * rad) };
            const double v[3] = { 3.0, -7.0, 2.0 };
            const std::optional<double> a = highside::angle(inc, azi, v[0], v[1], v[2]);
            ASSERT_TRUE(a);
            EXPECT_GE(*a, 0.0);
            EXPECT_LT(*a, 360.0);
            const std::optional<double> shifted
                = highside::angle(inc, azi, v[0] + 25 * t[0], v[1] + 25 * t[1], v[2] + 25 * t[2]);
            EXPECT_NEAR(angleOr(shifted), *a, 1e-9) << inc << " " << azi;
            const double opposite = angleOr(highside::angle(inc, azi, -v[0], -v[1], -v[2]));
            EXPECT_NEAR(std::fmod(opposite - *a + 360.0, 360.0), 180.0, 1e-9);
        }
}

int ladderX(const LadderPage &p, double d)
{
    return static_cast<int>(
        p.distanceWidth * (d - p.distanceAxis.lo) / (p.distanceAxis.hi - p.distanceAxis.lo));
}

int ladderY(const LadderPage &p, double md)
{
    return -static_cast<int>(p.areaHeight() * (md - p.md.lo) / (p.md.hi - p.md.lo));
}

bool hasPoint(const std::vector<std::vector<QPoint>> &runs, QPoint q)
{
    for (const auto &run : runs)
        for (const QPoint &p : run)
            if (std::abs(p.x() - q.x()) <= 1 && std::abs(p.y() - q.y()) <= 1)
                return true;
    return false;
}

TEST(Ladder, DistancesOfTheClearanceSetWithoutAModelAndNoFactorLines)
{
    const SetScene s = setScene(false);
    const LadderData data = ladderDataOf(s.picture, "Referenz");
    ASSERT_EQ(data.curves.size(), 5u);
    EXPECT_FALSE(data.hasFactors());
    LadderPage page;
    page.layout(data);
    EXPECT_EQ(page.factorWidth, 0);
    EXPECT_EQ(page.distanceWidth, page.areaWidth());
    double farthest = 0;
    for (std::size_t j = 0; j < 5; ++j) {
        const clr::OffsetScan &scan = s.scan.offsets[j];
        EXPECT_EQ(data.curves[j].colour, s.picture.paths[j].colour);
        for (const clr::Row &r : scan.rows) {
            farthest = std::max(farthest, r.distance);
            EXPECT_TRUE(hasPoint(page.distanceRuns[j],
                QPoint(ladderX(page, r.distance), ladderY(page, r.referenceMd))))
                << scan.name << " at " << r.referenceMd;
        }
    }
    EXPECT_GE(page.distanceAxis.hi, farthest);
    EXPECT_LT(page.distanceAxis.hi, 2 * farthest);

    RecordingDrawContext rec;
    page.draw(rec, data, "Set.dvn");
    EXPECT_EQ(rec.findText("Trennfaktor"), nullptr);
    EXPECT_EQ(rec.findText("1,0"), nullptr);
    // The legend names each offset's closest approach: offset 03 starts 10 m away.
    EXPECT_NE(rec.findText("Offset 03 – kleinster Abstand 10,00 m in 0,0 m Teufe"), nullptr);
    EXPECT_NE(rec.findText("Dokument Set.dvn"), nullptr);
}

TEST(Ladder, FactorsOfTheClearanceSetWithTheirLinesAndLowestFactors)
{
    const SetScene s = setScene(true);
    const LadderData data = ladderDataOf(s.picture, "Referenz");
    ASSERT_TRUE(data.hasFactors());
    LadderPage page;
    page.layout(data);
    ASSERT_GT(page.factorWidth, 0);
    const auto factorX = [&](double f) {
        return page.factorLeft
            + static_cast<int>(page.factorWidth * (f - page.factorAxis.lo)
                / (page.factorAxis.hi - page.factorAxis.lo));
    };
    RecordingDrawContext rec;
    page.draw(rec, data, "Set.dvn");

    // A line the panel's height at 1.0 and one at 1.5, each named.
    for (const double f : { 1.0, 1.5 }) {
        const int x = factorX(f);
        int found = 0;
        for (const Rec::Line &l : rec.lines())
            if (std::abs(l.from.x() - x) <= 1 && l.from.x() == l.to.x() && l.pen.color.r == 170
                && std::abs(l.from.y() - l.to.y()) == page.areaHeight())
                ++found;
        EXPECT_EQ(found, 1) << f;
    }
    EXPECT_NE(rec.findText("1,0"), nullptr);
    EXPECT_NE(rec.findText("1,5"), nullptr);

    for (std::size_t j = 0; j < 5; ++j) {
        const clr::OffsetScan &scan = s.scan.offsets[j];
        const LadderCurve &c = data.curves[j];
        SCOPED_TRACE(scan.name);
        // Every factor inside the axis at its place; nothing outside the panel.
        for (const clr::Row &r : scan.rows) {
            if (r.separationFactor && *r.separationFactor <= page.factorAxis.hi) {
                EXPECT_TRUE(hasPoint(page.factorRuns[j],
                    QPoint(factorX(*r.separationFactor), ladderY(page, r.referenceMd))))
                    << r.referenceMd;
            }
        }
        for (const auto &run : page.factorRuns[j])
            for (const QPoint &p : run) {
                EXPECT_GE(p.x(), page.factorLeft);
                EXPECT_LE(p.x(), page.areaWidth());
            }
        // The lowest factor, a dot in the curve's colour.
        ASSERT_TRUE(c.lowestFactor && scan.lowestSeparation);
        EXPECT_EQ(*c.lowestFactor, *scan.lowestSeparation->separationFactor);
        const QPoint at(factorX(*c.lowestFactor), ladderY(page, *c.lowestMd));
        int dots = 0;
        for (const Rec::Call &e : rec.ofKind(Rec::Kind::Ellipse))
            if (e.filled && e.pen.color == c.colour && std::abs((e.x1 + e.x2) / 2 - at.x()) <= 1
                && std::abs((e.y1 + e.y2) / 2 - at.y()) <= 1)
                ++dots;
        EXPECT_EQ(dots, 1);
    }
    // Offset 04 comes closest in factor: below 1 (the set's lowest 0.40 at 1830 m).
    EXPECT_NEAR(*data.curves[3].lowestFactor, 0.40, 0.01);
    EXPECT_NE(rec.findText("0,40"), nullptr);
}

// A reference down to 1500 m that builds to horizontal heading north from 600 m, a
// station every 30 m.
clr::Well horizontalReference()
{
    std::vector<clr::Reading> r;
    for (double md = 0; md <= 2400 + 1e-9; md += 30)
        r.push_back({ md, std::clamp((md - 600) * 0.1, 0.0, 90.0), 0 });
    return wellOf("Referenz", r);
}

TEST(Cylinder, TracksOnTheSideTheOffsetsWereBuiltOn)
{
    // Around a vertical reference: copies of it east, north, west and south.
    {
        const clr::Well reference = verticalWell("Referenz", 0, 0, 600, 30);
        const std::vector<clr::Well> offsets { verticalWell("Ost", 0, 10, 600, 30),
            verticalWell("Nord", 20, 0, 600, 30), verticalWell("West", 0, -15, 600, 30),
            verticalWell("Süd", -12, 0, 600, 30) };
        const OffsetPicture picture = offsetPictureOf(offsets, clr::scan(reference, offsets));
        const CylinderData data = cylinderDataOf(picture, reference.path, "Referenz");
        const double angle[4] = { 90, 0, 270, 180 }, distance[4] = { 10, 20, 15, 12 };
        for (std::size_t j = 0; j < 4; ++j) {
            ASSERT_FALSE(data.tracks[j].points.empty());
            for (const CylinderPoint &p : data.tracks[j].points) {
                EXPECT_NEAR(std::fmod(p.angle - angle[j] + 540.0, 360.0) - 180.0, 0, 1e-6);
                EXPECT_NEAR(p.distance, distance[j], 1e-6);
            }
        }
        // On the page: east of the middle by the distance at the rings' scale.
        CylinderPage page;
        page.layout(data);
        const double scale = page.radius / page.rings.hi;
        ASSERT_FALSE(page.runs[0].empty());
        for (const QPoint &p : page.runs[0].front()) {
            EXPECT_NEAR(p.x(), page.centre.x() + 10 * scale, 1);
            EXPECT_NEAR(p.y(), page.centre.y(), 1);
        }
        // Every closest approach inside the outer ring, which reaches no farther than the
        // ring after twice the largest of them.
        EXPECT_GE(page.rings.hi, 20);
        EXPECT_LE(page.rings.hi, 40 + page.rings.step);
    }
    // Along a horizontal reference: the same well 5 m shallower lies on its high side,
    // 5 m deeper on its low side, 5 m east on its right.
    const clr::Well reference = horizontalReference();
    clr::Well above = reference, below = reference;
    above.name = "Oben";
    above.depthShift = -5;
    below.name = "Unten";
    below.depthShift = 5;
    clr::Well right = reference;
    right.name = "Rechts";
    right.slotEast = 5;
    const std::vector<clr::Well> offsets { above, below, right };
    const OffsetPicture picture = offsetPictureOf(offsets, clr::scan(reference, offsets));
    const CylinderData data = cylinderDataOf(picture, reference.path, "Referenz");
    const double expected[3] = { 0, 180, 90 };
    for (std::size_t j = 0; j < 3; ++j) {
        int horizontal = 0;
        for (const CylinderPoint &p : data.tracks[j].points) {
            if (p.md < 1600)
                continue;
            ++horizontal;
            EXPECT_NEAR(std::fmod(p.angle - expected[j] + 540.0, 360.0) - 180.0, 0, 1e-6)
                << data.tracks[j].name << " at " << p.md;
            EXPECT_NEAR(p.distance, 5, 1e-6);
        }
        EXPECT_GT(horizontal, 20);
    }
    // In the vertical part the shallower copy runs in the same hole: in the middle.
    for (const CylinderPoint &p : data.tracks[0].points) {
        if (p.md < 570) {
            EXPECT_LT(p.distance, 1e-3) << p.md;
        }
    }
}

TEST(Cylinder, TracksStayInsideTheOuterRingAndDepthsAreRound)
{
    // A well that comes from 100 m away to pass 10 m north: most of its track lies beyond
    // the rings.
    const clr::Well reference = verticalWell("Referenz", 0, 0, 1500, 30);
    std::vector<clr::Reading> r;
    for (double md = 0; md <= 1500 + 1e-9; md += 30)
        r.push_back({ md, md < 300 ? 0.0 : 5.0, 270 });
    const clr::Well approaching = wellOf("Nahend", r, 10, 100);
    const OffsetPicture picture
        = offsetPictureOf({ approaching }, clr::scan(reference, { approaching }));
    const CylinderData data = cylinderDataOf(picture, reference.path, "Referenz");
    ASSERT_TRUE(data.tracks[0].closest);
    CylinderPage page;
    page.layout(data);
    EXPECT_GE(page.rings.hi, data.tracks[0].closest->distance);
    EXPECT_LT(page.rings.hi, 100);
    ASSERT_FALSE(page.runs[0].empty());
    for (const auto &run : page.runs[0])
        for (const QPoint &p : run)
            EXPECT_LE(
                std::hypot(p.x() - page.centre.x(), p.y() - page.centre.y()), page.radius + 1.5);

    RecordingDrawContext rec;
    page.draw(rec, data, "Z.dvn");
    int depths = 0;
    for (const Rec::Call &t : rec.texts()) {
        if (t.font.height != 38)
            continue;
        ++depths;
        const double v = std::stod(t.text);
        EXPECT_NEAR(std::fmod(v, page.depthStep), 0, 1e-9) << t.text;
    }
    EXPECT_GT(depths, 0);
}

TEST(Cylinder, ATrackTurnsRoundTheMiddleAtItsDistance)
{
    // From 80 degrees to 280 degrees at 10 m, then out to 20 m at 300 degrees: the
    // shorter way round through north, never nearer the middle than the distances.
    CylinderData data { "Referenz",
        { { "Nachbar", { 0, 128, 0 }, { { 100, 80, 10 }, { 130, 280, 10 }, { 160, 300, 20 } },
            std::nullopt } } };
    CylinderPage page;
    page.layout(data);
    const double scale = page.radius / page.rings.hi;
    ASSERT_EQ(page.runs[0].size(), 1u);
    const std::vector<QPoint> &run = page.runs[0][0];
    bool north = false;
    for (std::size_t i = 0; i < run.size(); ++i) {
        const double r = std::hypot(run[i].x() - page.centre.x(), run[i].y() - page.centre.y());
        EXPECT_GE(r, 10 * scale - 1.5) << i;
        EXPECT_LE(r, 20 * scale + 1.5) << i;
        north = north
            || (std::abs(run[i].x() - page.centre.x()) <= 2 && run[i].y() > page.centre.y());
        // Never east of 80 degrees' line on the way round.
        EXPECT_LE(
            run[i].x() - page.centre.x(), 10 * scale * std::sin(80 * std::acos(-1.0) / 180) + 1.5);
    }
    EXPECT_TRUE(north) << "through the top of the picture";
    EXPECT_EQ(run.back(), page.pointOf(300, 20));
}

TEST(OffsetPages, WithoutNeighboursThePagesSaySo)
{
    LadderPage ladder;
    ladder.layout(LadderData { "Allein", {} });
    RecordingDrawContext a;
    ladder.draw(a, LadderData { "Allein", {} }, "A.dvn");
    EXPECT_NE(a.findText("Keine Nachbarbohrungen"), nullptr);
    CylinderPage cylinder;
    cylinder.layout(CylinderData { "Allein", {} });
    RecordingDrawContext b;
    cylinder.draw(b, CylinderData { "Allein", {} }, "A.dvn");
    EXPECT_NE(b.findText("Keine Nachbarbohrungen"), nullptr);
}

TEST(OffsetPages, LayoutsForScreenZoomAndPaperKeepTheLegendOnThePage)
{
    const SetScene s = setScene(false);
    const LadderData ladder = ladderDataOf(s.picture, "Referenz");
    const CylinderData cylinder = cylinderDataOf(s.picture, s.reference.path, "Referenz");
    struct Layout
    {
        int zoom, print, portrait, depth;
    };
    // The screen page's height, and the sheets the graph page fills.
    for (const Layout l : { Layout { 0, 0, 1, 2200 }, Layout { 1, 0, 1, 2200 },
             Layout { 0, 1, 1, 2750 }, Layout { 0, 1, 0, 1950 } }) {
        LadderPage a;
        CylinderPage b;
        a.layout(ladder, layoutTarget(l.zoom, l.print, l.portrait));
        b.layout(cylinder, layoutTarget(l.zoom, l.print, l.portrait));
        EXPECT_LE(a.usedArea().height(), l.depth);
        EXPECT_LE(b.usedArea().height(), l.depth);
        EXPECT_EQ(b.areaWidth(), b.areaHeight());
    }
}

TEST(OffsetPages, TheFilesShowTheOffsetsColours)
{
    ensureGuiApp();
    const SetScene s = setScene(false);
    const LadderData ladder = ladderDataOf(s.picture, "Referenz");
    const CylinderData cylinder = cylinderDataOf(s.picture, s.reference.path, "Referenz");
    QTemporaryDir dir;
    std::string error;
    for (const char *ext : { "png", "svg", "pdf" }) {
        const std::string a = dir.filePath(QStringLiteral("ladder.%1").arg(ext)).toStdString();
        const std::string b = dir.filePath(QStringLiteral("zylinder.%1").arg(ext)).toStdString();
        EXPECT_TRUE(exportLadderPage(ladder, "Set.dvn", a, error)) << error;
        EXPECT_TRUE(exportCylinderPage(cylinder, "Set.dvn", b, error)) << error;
        EXPECT_GT(QFile(QString::fromStdString(a)).size(), 1000);
        EXPECT_GT(QFile(QString::fromStdString(b)).size(), 1000);
    }
    for (const QString &name : { QStringLiteral("ladder.png"), QStringLiteral("zylinder.png") }) {
        const QImage image(dir.filePath(name));
        ASSERT_FALSE(image.isNull());
        for (const OffsetPath &p : s.picture.paths) {
            const QRgb wanted = qRgb(p.colour.r, p.colour.g, p.colour.b);
            bool found = false;
            for (int y = 0; y < image.height() && !found; y += 2)
                for (int x = 0; x < image.width() && !found; ++x)
                    found = image.pixel(x, y) == wanted;
            EXPECT_TRUE(found) << name.toStdString() << " " << p.name;
        }
    }
    EXPECT_FALSE(exportLadderPage(ladder, "Set.dvn", dir.filePath("l.gif").toStdString(), error));
    EXPECT_NE(error.find("PNG, SVG oder PDF"), std::string::npos);
}

TEST(OffsetPicture, LeavesOutWhatTheRadiusKeptOutAndRanksTheRestWorstFirst)
{
    // Around a vertical reference, in the order given: 30 m off, 5 km off, 10 m off.
    const clr::Well reference = verticalWell("Referenz", 0, 0, 600, 30);
    const std::vector<clr::Well> offsets { verticalWell("Mittel", 0, 30, 600, 30),
        verticalWell("Fern", 5000, 0, 600, 30), verticalWell("Nah", -10, 0, 600, 30) };
    clr::ScanOptions within;
    within.radius = 1000;
    const clr::Scan scan = clr::scan(reference, offsets, {}, {}, within);
    ASSERT_TRUE(scan.offsets[1].outOfReach);
    const OffsetPicture picture = offsetPictureOf(offsets, scan);
    // Neither path nor curve of the far one; the others in the colours of their places.
    ASSERT_EQ(picture.paths.size(), 2u);
    EXPECT_EQ(picture.paths[0].name, "Mittel");
    EXPECT_EQ(picture.paths[1].name, "Nah");
    EXPECT_EQ(picture.paths[1].colour, offsetPictureOf(offsets, clr::scan(reference, offsets)).paths[2].colour);
    const LadderData ladder = ladderDataOf(picture, "Referenz");
    ASSERT_EQ(ladder.curves.size(), 2u);
    EXPECT_EQ(ladder.curves[1].closestDistance, 10.0);
    // Both legends name the nearer one first, in its colour.
    const std::vector<OffsetPage::LegendRow> ladderRows = LadderPage::legendRows(ladder),
        cylinderRows = CylinderPage::legendRows(cylinderDataOf(picture, reference.path, "Referenz"));
    for (const auto &rows : { ladderRows, cylinderRows }) {
        ASSERT_EQ(rows.size(), 2u);
        EXPECT_EQ(rows[0].text.rfind("Nah", 0), 0u) << rows[0].text;
        EXPECT_EQ(rows[0].colour, picture.paths[1].colour);
        EXPECT_EQ(rows[1].text.rfind("Mittel", 0), 0u) << rows[1].text;
    }
}

} // namespace

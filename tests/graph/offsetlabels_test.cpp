// The ladder and the travelling cylinder of the ISCWSA reference well with offsets 01 and 03
// (100 m and 10 m east of its slot) and of crowded made-up neighbours: no two texts of a
// page overlap at any size of the page, the cylinder's rings follow the nearest neighbour
// so that its closest approach lies well away from the middle, a fixed outer ring is
// honoured, and the legends carry the lowest separation factor found in the scan's own rows.
#include "graph/cylinder.h"
#include "graph/ladder.h"
#include "graphtestdata.h"
#include "offsetwells.h"
#include "recordinghelpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <regex>
#include <string>

using namespace graphtest;

namespace {

// The reference well with offsets 01 and 03 of the set, with the set's error model.
SetScene nearPair()
{
    SetScene s;
    s.reference = setWell("reference-well.csv", "Referenz");
    s.reference.holeDiameter = 36.0 / 12 / 3.281;
    s.reference.errorModel = setModel();
    for (const char *n : { "01", "03" }) {
        clr::Well w = setWell(std::string("offset-") + n + ".csv", std::string("Offset ") + n);
        w.holeDiameter = 24.0 / 12 / 3.281;
        w.errorModel = setModel();
        s.offsets.push_back(w);
    }
    s.scan = clr::scan(s.reference, s.offsets);
    s.picture = offsetPictureOf(s.offsets, s.scan, true);
    return s;
}

// The cell of a recorded text in logical units, y up: left, top, right, bottom.
struct Box
{
    int left, top, right, bottom;
    std::string text;
};

std::vector<Box> textBoxes(const Rec &rec)
{
    std::vector<Box> boxes;
    RecordingDrawContext measure;
    for (const Rec::Call &t : rec.texts()) {
        measure.selectFont(t.font);
        const DrawSize size = measure.textExtent(t.text);
        const int left = t.align == TextAlign::TopCenter ? t.x1 - size.cx / 2 : t.x1;
        boxes.push_back({ left, t.y1, left + size.cx, t.y1 - size.cy, t.text });
    }
    return boxes;
}

// Every pair of texts apart (cells that only touch are apart).
void expectNoOverlap(const Rec &rec, const std::string &what)
{
    const std::vector<Box> boxes = textBoxes(rec);
    ASSERT_GT(boxes.size(), 5u) << what;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            const Box &a = boxes[i], &b = boxes[j];
            const bool apart
                = a.right <= b.left || b.right <= a.left || a.bottom >= b.top || b.bottom >= a.top;
            EXPECT_TRUE(apart) << what << ": \"" << a.text << "\" at " << a.left << "," << a.top
                               << " and \"" << b.text << "\" at " << b.left << "," << b.top;
        }
}

// The targets of the program and plot areas of sizes no target has today: a small
// window, a wide and flat one, a large one.
struct Size
{
    int width, height;
};
const Size kAreas[] = { { 520, 520 }, { 900, 560 }, { 1300, 1400 }, { 3200, 2600 } };
const graph::PageTarget kTargets[] = { graph::PageTarget::screen(false),
    graph::PageTarget::screen(true), graph::PageTarget::paper(QSizeF(190, 270)),
    graph::PageTarget::paper(QSizeF(270, 190)), graph::PageTarget::image(0.5) };

double nearestApproach(const clr::Scan &scan)
{
    double nearest = std::numeric_limits<double>::infinity();
    for (const clr::OffsetScan &o : scan.offsets)
        for (const clr::Row &r : o.rows)
            nearest = std::min(nearest, r.distance);
    return nearest;
}

TEST(OffsetLabels, NoTwoTextsOfTheClearancePagesOverlapAtAnySize)
{
    const SetScene s = nearPair();
    const LadderData ladder = ladderDataOf(s.picture, "Referenz");
    const CylinderData cylinder = cylinderDataOf(s.picture, s.reference.path, "Referenz");
    const auto check = [&](LadderPage &l, CylinderPage &c, const std::string &what) {
        Rec a, b;
        l.draw(a, ladder, "Nachbarn.dvn");
        c.draw(b, cylinder, "Nachbarn.dvn");
        expectNoOverlap(a, "ladder " + what);
        expectNoOverlap(b, "cylinder " + what);
        return std::pair(a, b);
    };
    for (const graph::PageTarget &t : kTargets) {
        LadderPage l;
        CylinderPage c;
        l.layout(ladder, t);
        c.layout(cylinder, t);
        const auto [a, b] = check(l, c, "target " + std::to_string(int(t.kind)));
        // Where there is room, both lowest factors are named on the ladder.
        EXPECT_NE(a.findText("0,46"), nullptr);
        EXPECT_NE(a.findText("1,40"), nullptr);
        EXPECT_NE(b.findText("0° Hochseite"), nullptr);
    }
    for (const Size z : kAreas) {
        LadderPage l;
        CylinderPage c;
        l.layoutInArea(ladder, z.width, z.height);
        c.layoutInArea(cylinder, z.width, z.height);
        const auto [a, b] = check(l, c, std::to_string(z.width) + "x" + std::to_string(z.height));
        // However small, the most important value keeps its place.
        EXPECT_NE(a.findText("0,46"), nullptr) << z.width;
    }
}

TEST(OffsetLabels, AllFiveOffsetsOfTheSetKeepTheirTextsApart)
{
    // Offsets 03 and 05 reach their lowest factors at the same depth, side by side.
    const SetScene s = setScene(true);
    const LadderData ladder = ladderDataOf(s.picture, "Referenz");
    const CylinderData cylinder = cylinderDataOf(s.picture, s.reference.path, "Referenz");
    for (const graph::PageTarget &t : kTargets) {
        LadderPage l;
        CylinderPage c;
        l.layout(ladder, t);
        c.layout(cylinder, t);
        Rec a, b;
        l.draw(a, ladder, "Satz.dvn");
        c.draw(b, cylinder, "Satz.dvn");
        expectNoOverlap(a, "ladder of five");
        expectNoOverlap(b, "cylinder of five");
    }
    for (const Size z : kAreas) {
        LadderPage l;
        l.layoutInArea(ladder, z.width, z.height);
        Rec a;
        l.draw(a, ladder, "Satz.dvn");
        expectNoOverlap(a, "ladder of five " + std::to_string(z.width));
    }
}

TEST(OffsetLabels, CrowdedNeighboursDropTheLessImportantLabel)
{
    // Six neighbours whose lowest factors lie at the same depth and nearly the same value,
    // and whose closest approaches lie on top of each other around the hole.
    LadderData ladder { "Referenz", {} };
    CylinderData cylinder { "Referenz", {} };
    for (int k = 0; k < 6; ++k) {
        LadderCurve c;
        c.name = std::string(1, 'N').append(std::to_string(k));
        c.colour = { 0, static_cast<std::uint8_t>(40 * k), 0 };
        const double f = 0.9 - 0.01 * k; // the last one is the lowest
        for (double md = 0; md <= 1000; md += 100) {
            c.md.push_back(md);
            c.distance.push_back(10 + std::abs(md - 500) / 20 + k);
            c.factor.push_back(md == 500 ? f : f + std::abs(md - 500) / 100);
        }
        c.closestMd = c.lowestMd = 500;
        c.closestDistance = 10 + k;
        c.lowestFactor = f;
        ladder.curves.push_back(c);

        CylinderTrack t;
        t.name = c.name;
        t.colour = c.colour;
        for (std::size_t i = 0; i < c.md.size(); ++i)
            t.points.push_back({ c.md[i], 40.0 + k + c.md[i] / 50, c.distance[i] });
        t.closest = t.points[5];
        t.lowestFactor = f;
        t.lowestMd = 500;
        cylinder.tracks.push_back(t);
    }
    for (const Size z : kAreas) {
        LadderPage l;
        l.layoutInArea(ladder, z.width, z.height);
        Rec a;
        l.draw(a, ladder, "Eng.dvn");
        expectNoOverlap(a, "ladder");
        EXPECT_NE(a.findText("0,85"), nullptr) << "the lowest factor stays named";

        CylinderPage c;
        c.layoutInArea(cylinder, z.width, z.height);
        Rec b;
        c.draw(b, cylinder, "Eng.dvn");
        expectNoOverlap(b, "cylinder");
        EXPECT_NE(b.findText("TF 0,85"), nullptr);
    }
}

TEST(OffsetLabels, TheNearestClosestApproachLiesWellAwayFromTheMiddle)
{
    const SetScene s = nearPair();
    const CylinderData data = cylinderDataOf(s.picture, s.reference.path, "Referenz");
    const double nearest = nearestApproach(s.scan);
    for (const graph::PageTarget &t : kTargets) {
        CylinderPage page;
        page.layout(data, t);
        // A third of the way out at least, and inside the picture with room to spare.
        EXPECT_GE(nearest / page.rings.hi, 1.0 / 3 - 1e-9) << page.rings.hi;
        EXPECT_LE(nearest / page.rings.hi, 0.75) << page.rings.hi;
        // On the page, where its ring is drawn.
        const CylinderTrack &near = data.tracks[1];
        ASSERT_TRUE(near.closest);
        const QPoint c = page.pointOf(near.closest->angle, near.closest->distance);
        EXPECT_GE(
            std::hypot(c.x() - page.centre.x(), c.y() - page.centre.y()), page.radius / 3.0 - 1);
        // Offset 01, ten times as far, leaves the picture: nothing of it beyond the rim.
        for (const auto &run : page.runs[0])
            for (const QPoint &p : run)
                EXPECT_LE(std::hypot(p.x() - page.centre.x(), p.y() - page.centre.y()),
                    page.radius + 1.5);
    }

    // Lone neighbours at every distance from touching to far: the outer ring is a
    // whole number of rings, the neighbour between a third and two thirds of it out (one
    // nearer than the least reach counts as that far away).
    const clr::Well reference = verticalWell("Referenz", 0, 0, 600, 30);
    for (const double d :
        { 0.0, 0.4, 1.7, 3.0, 7.3, 10.0, 13.0, 22.0, 47.0, 99.0, 130.0, 480.0, 2600.0 }) {
        const clr::Well beside = verticalWell("Nachbar", 0, d, 600, 30);
        const OffsetPicture picture = offsetPictureOf({ beside }, clr::scan(reference, { beside }));
        const CylinderData lone = cylinderDataOf(picture, reference.path, "Referenz");
        CylinderPage page;
        page.layout(lone);
        const double at = std::max(d, CylinderPage::kLeastReach) / page.rings.hi;
        EXPECT_GE(at, 1.0 / 3 - 1e-9) << d << " in " << page.rings.hi;
        EXPECT_LE(at, 2.0 / 3 + 1e-9) << d << " in " << page.rings.hi;
        const double rings = page.rings.hi / page.rings.step;
        EXPECT_NEAR(rings, std::round(rings), 1e-9) << d;
    }
}

TEST(OffsetLabels, AFixedOuterRingIsHonouredOnEveryTarget)
{
    const SetScene s = nearPair();
    CylinderData data = cylinderDataOf(s.picture, s.reference.path, "Referenz");
    CylinderPage automatic;
    automatic.layout(data);
    for (const double fixed : { 150.0, 37.5, 4.0 }) {
        data.outerRadius = fixed;
        for (const graph::PageTarget &t : kTargets) {
            CylinderPage page;
            page.layout(data, t);
            EXPECT_EQ(page.rings.hi, fixed);
            // The fixed distance lands on the outer ring.
            const QPoint rim = page.pointOf(90, fixed);
            EXPECT_NEAR(rim.x() - page.centre.x(), page.radius, 1);
            Rec rec;
            page.draw(rec, data, "Fest.dvn");
            const std::string name
                = (fixed == 37.5 ? std::string("37,5") : std::to_string(int(fixed))) + " m";
            EXPECT_NE(rec.findText(name), nullptr) << name;
            expectNoOverlap(rec, "fixed " + name);
            // A closest approach beyond the ring is neither ringed nor named.
            const bool inside = 10.0 <= fixed;
            EXPECT_EQ(rec.findText("10,0 m") != nullptr, inside) << fixed;
        }
    }
    // What is no distance leaves the choice to the cylinder.
    for (const double wrong : { 0.0, -20.0, std::nan("") }) {
        data.outerRadius = wrong;
        CylinderPage page;
        page.layout(data);
        EXPECT_EQ(page.rings.hi, automatic.rings.hi) << wrong;
    }
}

// A number of a legend text, with the decimal comma.
double numberOf(const std::string &digits)
{
    std::string s = digits;
    std::replace(s.begin(), s.end(), ',', '.');
    double v = std::nan("");
    std::from_chars(s.data(), s.data() + s.size(), v);
    return v;
}

TEST(OffsetLabels, TheLegendsNameTheLowestFactorOfTheScanAndItsDepth)
{
    const SetScene s = nearPair();
    const CylinderData cylinder = cylinderDataOf(s.picture, s.reference.path, "Referenz");
    const LadderData ladder = ladderDataOf(s.picture, "Referenz");
    const std::vector<OffsetPage::LegendRow> rows = CylinderPage::legendRows(cylinder);
    const std::vector<OffsetPage::LegendRow> ladderRows = LadderPage::legendRows(ladder);
    ASSERT_EQ(rows.size(), 2u);
    // On a page wide enough for the whole of each row.
    CylinderPage page;
    page.layoutInArea(cylinder, 3200, 3200);
    Rec rec;
    page.draw(rec, cylinder, "Nachbarn.dvn");
    for (std::size_t j = 0; j < 2; ++j) {
        const clr::OffsetScan &o = s.scan.offsets[j];
        SCOPED_TRACE(o.name);
        // The lowest factor among the scan's rows and the depth where it occurs.
        double lowest = std::numeric_limits<double>::infinity(), at = 0, closest = lowest;
        for (const clr::Row &r : o.rows) {
            closest = std::min(closest, r.distance);
            if (r.separationFactor && *r.separationFactor < lowest) {
                lowest = *r.separationFactor;
                at = r.referenceMd;
            }
        }
        // The legends rank the offsets worst first: each row found by its name.
        const auto rowOf = [&](const std::vector<OffsetPage::LegendRow> &in) {
            const auto it = std::find_if(in.begin(), in.end(), [&](const auto &r) {
                return r.text.rfind(o.name + " – ", 0) == 0;
            });
            return it == in.end() ? std::string {} : it->text;
        };
        const std::string text = rowOf(rows), ladderText = rowOf(ladderRows);
        ASSERT_FALSE(text.empty());
        std::smatch factor, distance;
        ASSERT_TRUE(std::regex_search(
            text, factor, std::regex("kleinster Trennfaktor ([0-9,]+) in ([0-9,]+) m Teufe")))
            << text;
        ASSERT_TRUE(std::regex_search(text, distance, std::regex("kleinster Abstand ([0-9,]+) m")))
            << text;
        const double shownFactor = numberOf(factor[1]), shownDepth = numberOf(factor[2]);
        const double shownDistance = numberOf(distance[1]);
        // Between the rows the factor may dip a little lower than at them.
        EXPECT_LE(shownFactor, lowest + 0.005) << text;
        EXPECT_GE(shownFactor, lowest - 0.02) << text;
        EXPECT_NEAR(shownDepth, at, 30.0) << text;
        EXPECT_LE(shownDistance, closest + 0.005) << text;
        // The ladder names the same factor at the same depth.
        EXPECT_NE(ladderText.find(text.substr(0, text.find(", kleinster Abstand"))),
            std::string::npos)
            << ladderText;
        EXPECT_NE(rec.findText(text), nullptr);
    }
}

} // namespace

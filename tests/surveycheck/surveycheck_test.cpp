// The survey check as a user meets it: a WITSML survey whose station at 450 m measured a
// total field 500 nT off the file's reference is read, computed and checked, and that
// station alone is named (in the messages and the listing); the readings' units are
// converted and an unknown one refused; the readings survive a document file and leave a
// document without them as it was; a quantity without any reference is said to be
// unchecked rather than passed.
#include "analysis/analysis.h"
#include "analysis/remarks.h"
#include "document/docfile.h"
#include "exchange/tablefile.h"
#include "exchange/witsmlfile.h"
#include "export/surveychecktable.h"
#include "geo/projection.h"
#include "magnetic/decimalyear.h"
#include "magnetic/field.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string slurp(const std::string &path)
{
    std::ostringstream s;
    s << std::ifstream(path, std::ios::binary).rdbuf();
    return s.str();
}

std::string dataFile(const std::string &name)
{
    return slurp(std::string(std::getenv("DRAVON_TEST_DATA")) + "/" + name);
}

// The well a WITSML file gives, as the batch tool and the import dialog take it.
well::Well wellFromWitsml(const std::string &bytes)
{
    std::optional<well::TieIn> tieIn;
    std::vector<well::FieldReading> readings;
    const exchange::StationImport import = exchange::importTableStations(bytes,
        exchange::TableFormat::Witsml, exchange::Delimiter::Automatic, {}, {}, nullptr, &tieIn,
        &readings);
    EXPECT_FALSE(import.fault) << import.fault->message;
    well::Well w;
    w.survey = import.survey;
    w.settings.tieIn = tieIn;
    w.settings.fieldReadings = readings;
    return w;
}

std::vector<analysis::Remark> checkRemarks(const analysis::Analysis &a)
{
    std::vector<analysis::Remark> out;
    for (analysis::Remark &r : analysis::remarks(a.computation().diagnostics, nullptr, &a.surveyCheck()))
        if (r.source == analysis::RemarkSource::SurveyCheck)
            out.push_back(std::move(r));
    return out;
}

// One station of a WITSML 1.4.1 trajectory with the members given as XML.
std::string trajectory(const std::string &stations)
{
    return "<trajectorys xmlns=\"http://www.witsml.org/schemas/1series\" version=\"1.4.1.1\">"
           "<trajectory><name>T</name>"
        + stations + "</trajectory></trajectorys>";
}

std::string station(double md, const std::string &more)
{
    std::ostringstream s;
    s << "<trajectoryStation><md uom=\"m\">" << md
      << "</md><incl uom=\"dega\">5</incl><azi uom=\"dega\">30</azi>" << more
      << "</trajectoryStation>";
    return s.str();
}

} // namespace

TEST(SurveyCheck, OnlyTheStationWithTheDisturbedTotalFieldIsNamed)
{
    analysis::Analysis a(wellFromWitsml(dataFile("surveycheck/interference.xml")));
    a.compute();
    const surveycheck::Result &check = a.surveyCheck();
    // Every station below the tie-in point measured all three quantities and is checked.
    EXPECT_EQ(check.stations.size(), 5u);
    ASSERT_EQ(check.outside.size(), 1u);
    const surveycheck::Deviation &d = check.outside[0];
    EXPECT_EQ(d.md, 450.0);
    EXPECT_EQ(d.quantity, well::FieldQuantity::TotalField);
    EXPECT_DOUBLE_EQ(d.measured - d.reference, d.deviation);
    EXPECT_NEAR(d.deviation, 500.0, 1e-9);
    EXPECT_GT(std::abs(d.deviation), d.tolerance);

    const std::vector<analysis::Remark> remarks = checkRemarks(a);
    ASSERT_EQ(remarks.size(), 1u);
    EXPECT_EQ(remarks[0].severity, analysis::Severity::Warning);
    ASSERT_TRUE(remarks[0].depth);
    EXPECT_EQ(*remarks[0].depth, 450.0);
    EXPECT_NE(remarks[0].text.find("450,00 m"), std::string::npos) << remarks[0].text;
    EXPECT_NE(remarks[0].text.find("Gesamtfeld"), std::string::npos) << remarks[0].text;

    // The listing flags that row alone, and each deviation is measured minus reference.
    const surveyexport::ColumnTable table = surveyexport::surveyCheckTable(check);
    ASSERT_EQ(table.rows(), 5u);
    for (std::size_t r = 0; r < table.rows(); ++r) {
        const bool at450 = table.columns[0].numbers[r] == 450.0;
        EXPECT_EQ(table.columns.back().texts[r], at450 ? "ja" : "nein") << r;
    }
}

TEST(SurveyCheck, ReadingsAreConvertedFromTheUnitsTheFileStates)
{
    // 0.495 gauss = 49500 nT, 1.16 rad = 66.46 degrees, 32.2 ft/s² = 9.81456 m/s², and the
    // tolerance 0.003 mT = 3000 nT.
    const std::string xml = trajectory(station(100,
        "<magTotalUncert uom=\"mT\">0.003</magTotalUncert>"
        "<gravTotalFieldReference uom=\"gn\">1</gravTotalFieldReference>"
        "<valid><magTotalFieldCalc uom=\"gauss\">0.495</magTotalFieldCalc>"
        "<magDipAngleCalc uom=\"rad\">1.16</magDipAngleCalc>"
        "<gravTotalFieldCalc uom=\"ft/s2\">32.2</gravTotalFieldCalc></valid>"));
    const exchange::SurveyFileRead read = exchange::readWitsml(xml, {});
    ASSERT_FALSE(read.fault) << read.fault->message;
    ASSERT_EQ(read.fieldReadings.size(), 1u);
    const well::FieldReading &r = read.fieldReadings[0];
    EXPECT_EQ(r.md, 100.0);
    EXPECT_NEAR(*r.measured[0], 49500.0, 1e-6);
    EXPECT_NEAR(*r.measured[1], 1.16 * 180.0 / 3.141592653589793, 1e-9);
    EXPECT_NEAR(*r.measured[2], 32.2 * 12 * 0.0254, 1e-9);
    EXPECT_NEAR(*r.reference[2], 9.80665, 1e-12);
    EXPECT_NEAR(*r.tolerance[0], 3000.0, 1e-6);
    EXPECT_FALSE(r.reference[0]);
    EXPECT_FALSE(r.tolerance[1]);

    // An element left empty, as templates have it, is no reading; a station without any
    // is left out.
    const exchange::SurveyFileRead empty = exchange::readWitsml(
        trajectory(station(100, "<valid><magTotalFieldCalc uom=\"\"/></valid>")), {});
    ASSERT_FALSE(empty.fault);
    EXPECT_TRUE(empty.fieldReadings.empty());
}

TEST(SurveyCheck, UnknownUnitsAndImpossibleValuesAreRefusedInGerman)
{
    const auto faultOf = [](const std::string &more) {
        const exchange::SurveyFileRead read = exchange::readWitsml(
            trajectory(station(100, "") + station(200, more)), {});
        EXPECT_TRUE(read.fieldReadings.empty()) << "a refused file gives no readings";
        return read.fault ? read.fault->message : std::string();
    };
    const std::string unit
        = faultOf("<valid><magTotalFieldCalc uom=\"Oe\">0.5</magTotalFieldCalc></valid>");
    EXPECT_NE(unit.find("Einheit „Oe“"), std::string::npos) << unit;
    EXPECT_NE(unit.find("magTotalFieldCalc"), std::string::npos) << unit;
    const std::string noUnit
        = faultOf("<valid><gravTotalFieldCalc>9.81</gravTotalFieldCalc></valid>");
    EXPECT_NE(noUnit.find("ohne Einheit"), std::string::npos) << noUnit;
    // A dip beyond the vertical is no reading of any tool.
    const std::string dip = faultOf("<magDipAngleReference uom=\"dega\">95</magDipAngleReference>"
                                    "<valid><magDipAngleCalc uom=\"dega\">66</magDipAngleCalc></valid>");
    EXPECT_NE(dip.find("kein möglicher Wert"), std::string::npos) << dip;
}

TEST(SurveyCheck, TheWellsReferenceStandsInAndAQuantityWithoutOneIsSaidToBeUnchecked)
{
    well::Well w;
    for (int i = 1; i <= 4; ++i)
        w.survey.add({ 100.0 * i, 2.0 * i, 40 });
    // Total field and dip measured, no reference in the file; gravity not measured.
    for (int i = 1; i <= 4; ++i) {
        well::FieldReading r;
        r.md = 100.0 * i;
        r.measured[0] = 50000 + (i == 3 ? -301 : 299);
        r.measured[1] = 60.0 + (i == 2 ? 0.46 : 0.44);
        w.settings.fieldReadings.push_back(r);
    }
    // A reading whose station was deleted is not checked, whatever it says.
    well::FieldReading stray;
    stray.md = 250;
    stray.measured[0] = 1000;
    w.settings.fieldReadings.push_back(stray);

    analysis::Analysis a(w);
    a.compute();
    // Nothing typed: the total field and dip are not checked, and that is said.
    EXPECT_TRUE(a.surveyCheck().outside.empty());
    std::vector<analysis::Remark> remarks = checkRemarks(a);
    ASSERT_EQ(remarks.size(), 2u);
    for (const analysis::Remark &r : remarks) {
        EXPECT_FALSE(r.depth);
        EXPECT_NE(r.text.find("nicht geprüft"), std::string::npos) << r.text;
    }

    // The typed values of the well: just outside at the two stations, just inside elsewhere.
    WellSettings s = w.settings;
    s.uncertainty.totalField = 50000;
    s.uncertainty.dip = 60;
    a.setSettings(s);
    const surveycheck::Result &check = a.surveyCheck();
    EXPECT_EQ(check.stations.size(), 4u);
    ASSERT_EQ(check.outside.size(), 2u);
    EXPECT_EQ(check.outside[0].md, 200.0);
    EXPECT_EQ(check.outside[0].quantity, well::FieldQuantity::Dip);
    EXPECT_EQ(check.outside[1].md, 300.0);
    EXPECT_EQ(check.outside[1].quantity, well::FieldQuantity::TotalField);
    EXPECT_LT(check.outside[1].deviation, 0) << "measured below the reference";
    remarks = checkRemarks(a);
    ASSERT_EQ(remarks.size(), 2u);
    EXPECT_EQ(*remarks[0].depth, 200.0);
    EXPECT_EQ(*remarks[1].depth, 300.0);

    // The file's own reference wins over the well's.
    s.fieldReadings[0].reference[0] = 49000;
    a.setSettings(s);
    ASSERT_EQ(a.surveyCheck().outside.size(), 3u);
    EXPECT_EQ(a.surveyCheck().outside[0].md, 100.0);
    EXPECT_EQ(a.surveyCheck().outside[0].reference, 49000.0);
}

TEST(SurveyCheck, ReadingsSurviveTheDocumentFileAndADocumentWithoutThemKeepsItsBytes)
{
    well::Well w = wellFromWitsml(dataFile("surveycheck/interference.xml"));
    ASSERT_FALSE(w.settings.fieldReadings.empty());
    const std::string bytes = encodeDocument(itemsOf(w));
    DocumentItems read;
    std::string detail;
    ASSERT_EQ(decodeDocument(bytes, read, &detail), DocFileFault::None) << detail;
    EXPECT_EQ(read.m_Settings.fieldReadings, w.settings.fieldReadings);
    EXPECT_EQ(encodeDocument(read), bytes);
    analysis::Analysis a(wellOf(read));
    a.compute();
    ASSERT_EQ(a.surveyCheck().outside.size(), 1u);
    EXPECT_EQ(a.surveyCheck().outside[0].md, 450.0);

    // Without readings: the example document and one with settings are written again as
    // they were, and nothing of the readings appears.
    const std::string example = slurp(std::string(std::getenv("DRAVON_EXAMPLES")) + "/example.dvn");
    DocumentItems items;
    ASSERT_EQ(decodeDocument(example, items), DocFileFault::None);
    EXPECT_EQ(encodeDocument(items), example);
    items.m_Settings.tieIn = well::TieIn { 100, 99, 1, 2, 3, 40 };
    const std::string withSettings = encodeDocument(items);
    EXPECT_EQ(withSettings.find("fieldReadings"), std::string::npos);
    ASSERT_EQ(decodeDocument(withSettings, items), DocFileFault::None);
    EXPECT_EQ(encodeDocument(items), withSettings);

    // A reading out of its limits in a stored document is refused, not taken.
    std::string bad = bytes;
    const std::size_t at = bad.find("49500");
    ASSERT_NE(at, std::string::npos);
    bad.replace(at, 5, "-4950");
    DocumentItems untouched;
    EXPECT_EQ(decodeDocument(bad, untouched, &detail), DocFileFault::BadSettings);
    EXPECT_NE(detail.find("fieldReadings["), std::string::npos) << detail;
}

// Without a typed total field the reference is the geomagnetic model's at the wellhead on
// the survey date: a station 500 nT off the model is named, one 100 nT off is not.
TEST(SurveyCheck, TheModelGivesTheReferenceWhereNoneIsTyped)
{
    WellSettings placed;
    placed.epsg = 25832;
    placed.wellhead = Wellhead { 500000, 5700000 };
    placed.surveyDate = CalendarDate { 2025, 3, 14 };
    const auto onEarth = geo::wellheadOnEarth(placed);
    ASSERT_TRUE(onEarth);
    const auto field = magnetic::fieldAt(onEarth->latitude, onEarth->longitude, 0.0,
        *magnetic::decimalYear(2025, 3, 14));
    ASSERT_TRUE(field);
    const double total = field.field->totalNt;
    const auto reading = [](double md, double nt) {
        return station(md,
            "<valid><magTotalFieldCalc uom=\"nT\">" + std::to_string(std::lround(nt))
                + "</magTotalFieldCalc></valid>");
    };
    well::Well w = wellFromWitsml(trajectory(
        reading(100, total + 100) + reading(200, total + 500) + reading(300, total - 100)));
    const std::vector<well::FieldReading> readings = w.settings.fieldReadings;
    w.settings = placed;
    w.settings.fieldReadings = readings;
    analysis::Analysis a(w);
    a.compute();
    EXPECT_EQ(surveycheck::outsideDepths(a.surveyCheck()), std::vector<double> { 200 });

    // Without the date the model gives nothing, and nothing is passed unchecked.
    w.settings.surveyDate.reset();
    analysis::Analysis undated(w);
    undated.compute();
    EXPECT_TRUE(surveycheck::outsideDepths(undated.surveyCheck()).empty());
    EXPECT_FALSE(checkRemarks(undated).empty());
}

#include "cli/options.h"

#include "core/cscan.h"
#include "core/filename.h"
#include "core/units.h"
#include "exchange/tablefile.h"
#include "export/exportformats.h"
#include "magnetic/decimalyear.h"
#include "magnetic/field.h"
#include "plan/compute.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <functional>
#include <map>
#include <string_view>
#include <vector>

namespace {

bool parseDepth(const std::string &text, float &depth)
{
    const char *p = text.c_str();
    if (!cscan::readFloat(p, depth) || !std::isfinite(depth))
        return false;
    while (cscan::isSpace(*p))
        ++p;
    return *p == '\0';
}

// A whole decimal number with a point, blanks around it allowed; locale-independent.
bool parseNumber(std::string_view text, double &value)
{
    while (!text.empty() && cscan::isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && cscan::isSpace(text.back()))
        text.remove_suffix(1);
    if (text.starts_with('+'))
        text.remove_prefix(1);
    const char *end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, std::chars_format::general);
    return ec == std::errc() && ptr == end && std::isfinite(value);
}

// "AZ,ELEV": the direction of the 3D view, an azimuth (any, taken modulo 360) and an
// elevation from -90 to 90 degrees.
bool parseCamera(const std::string &text, double &azimuth, double &elevation)
{
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos || text.find(',', comma + 1) != std::string::npos)
        return false;
    const std::string_view all(text);
    return parseNumber(all.substr(0, comma), azimuth) && std::fabs(azimuth) <= 1e6
        && parseNumber(all.substr(comma + 1), elevation) && elevation >= -90 && elevation <= 90;
}

bool parseWellhead(const std::string &text, Wellhead &wellhead)
{
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos || text.find(',', comma + 1) != std::string::npos)
        return false;
    const std::string_view all(text);
    return parseNumber(all.substr(0, comma), wellhead.easting)
        && parseNumber(all.substr(comma + 1), wellhead.northing) && validLength(wellhead.easting)
        && validLength(wellhead.northing);
}

// "MD,TVD,N,E,INC,AZI": the six values of a tie-in station, within a station's limits.
bool parseTieIn(const std::string &text, well::TieIn &tieIn)
{
    double *const values[6]
        = { &tieIn.md, &tieIn.tvd, &tieIn.north, &tieIn.east, &tieIn.inclination, &tieIn.azimuth };
    const std::string_view all(text);
    std::size_t start = 0;
    for (int i = 0; i < 6; ++i) {
        const std::size_t comma = all.find(',', start);
        if ((i < 5) == (comma == std::string_view::npos))
            return false;
        const std::size_t end = comma == std::string_view::npos ? all.size() : comma;
        if (!parseNumber(all.substr(start, end - start), *values[i]))
            return false;
        start = end + 1;
    }
    return well::validTieIn(tieIn);
}

// "FROM-TO:CODE" of --tool: a run from FROM to TO metres MD (TO empty: to the end of the
// well) with a tool code; false for anything else.
bool parseToolRun(const std::string &text, SurveyRun &run)
{
    const std::size_t colon = text.find(':');
    // The depths have no sign: the first '-' after a digit ends FROM.
    const std::size_t dash = text.find('-', 1);
    if (colon == std::string::npos || dash == std::string::npos || dash > colon)
        return false;
    const std::string_view all(text);
    SurveyRun r;
    r.tool = text.substr(colon + 1);
    double to = 0;
    const std::string_view toText = all.substr(dash + 1, colon - dash - 1);
    if (!parseNumber(all.substr(0, dash), r.fromMd) || r.tool.empty()
        || (!toText.empty() && !parseNumber(toText, to)))
        return false;
    if (!toText.empty())
        r.toMd = to;
    if (!validRunDepth(r.fromMd) || (r.toMd && !validRunDepth(*r.toMd)))
        return false;
    run = std::move(r);
    return true;
}

namespace {

// The items of a comma-separated list, with the blanks around each one taken away.
std::vector<std::string> commaItems(const std::string &text)
{
    std::vector<std::string> items;
    for (size_t start = 0;;) {
        const size_t comma = text.find(',', start);
        std::string item
            = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        while (!item.empty() && item.front() == ' ')
            item.erase(item.begin());
        while (!item.empty() && item.back() == ' ')
            item.pop_back();
        items.push_back(std::move(item));
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return items;
}

// One column as a heading or a number from 1; false for an empty item or a number that is
// none.
bool parseColumnChoice(const std::string &item, exchange::ColumnChoice &choice)
{
    choice = {};
    if (item.empty())
        return false;
    if (item.find_first_not_of("0123456789") == std::string::npos) {
        if (item.size() > 6 || std::stoi(item) < 1)
            return false;
        choice.number = std::stoi(item);
    } else {
        choice.name = item;
    }
    return true;
}

} // namespace

// "MD,INC,AZI" or "3,1,2": three headings or column numbers, in the order depth,
// inclination, azimuth; three more for TVD, north and east ("MD,INC,AZI,TVD,N,E") choose the
// columns a first row taken as the tie-in (--tie-in-row) is read from.
bool parseColumns(const std::string &text, exchange::MappingRequest &request)
{
    const std::vector<std::string> items = commaItems(text);
    if (items.size() != 3 && items.size() != 6)
        return false;
    for (size_t i = 0; i < items.size(); ++i)
        if (!parseColumnChoice(items[i], i < 3 ? request.columns[i] : request.position[i - 3]))
            return false;
    return true;
}

// "Btotal,Dip,Gtotal" or "7,,8": the columns of the total field, the dip and the gravity;
// an empty item leaves that reading to the heading, at least one must be given.
bool parseReadingColumns(const std::string &text, exchange::MappingRequest &request)
{
    const std::vector<std::string> items = commaItems(text);
    if (items.size() != 3)
        return false;
    bool any = false;
    for (size_t i = 0; i < 3; ++i) {
        request.readings[i] = {};
        if (items[i].empty())
            continue;
        if (!parseColumnChoice(items[i], request.readings[i]))
            return false;
        any = true;
    }
    return any;
}

// "LAT,LON,HEIGHT_M,DATE": the three numbers; the date is left in `date`.
bool parseMagneticPlace(const std::string &text, MagneticFieldRequest &request, std::string &date)
{
    std::vector<std::string_view> parts;
    std::string_view rest(text);
    for (std::size_t comma; (comma = rest.find(',')) != std::string_view::npos;) {
        parts.push_back(rest.substr(0, comma));
        rest.remove_prefix(comma + 1);
    }
    parts.push_back(rest);
    if (parts.size() != 4)
        return false;
    date = parts[3];
    return parseNumber(parts[0], request.latitude) && parseNumber(parts[1], request.longitude)
        && parseNumber(parts[2], request.height);
}

CliOptions::TableKind tableKindOfFormat(exchange::TableFormat format)
{
    switch (format) {
    case exchange::TableFormat::Xlsx:
        return CliOptions::TableKind::Xlsx;
    case exchange::TableFormat::Xls:
        return CliOptions::TableKind::Xls;
    case exchange::TableFormat::Las:
        return CliOptions::TableKind::Las;
    case exchange::TableFormat::Witsml:
        return CliOptions::TableKind::Witsml;
    case exchange::TableFormat::Delimited:
        break;
    }
    return CliOptions::TableKind::Delimited;
}

} // namespace

CliOptions::TableKind tableKindForPath(const std::string &path)
{
    const auto kind = exchange::tableFormatForPath(path);
    return kind ? tableKindOfFormat(*kind) : CliOptions::TableKind::None;
}

WellSettings withWellOptions(const CliOptions &o, WellSettings s)
{
    if (o.wellhead)
        s.wellhead = o.wellhead;
    if (o.elevation)
        s.elevation = o.elevation;
    if (o.tieIn)
        s.tieIn = o.tieIn;
    if (o.epsg)
        s.epsg = o.epsg;
    if (o.gridConvergence)
        s.gridConvergence = o.gridConvergence;
    if (o.declination) {
        s.declination = o.declination;
        if (!o.north)
            s.north = NorthReference::Magnetic;
    }
    if (o.north)
        s.north = *o.north;
    if (o.surveyDate)
        s.surveyDate = o.surveyDate;
    UncertaintySettings &u = s.uncertainty;
    if (o.errorModel)
        u.model = *o.errorModel;
    if (o.latitude)
        u.latitude = o.latitude;
    if (o.gravity)
        u.gravity = *o.gravity;
    if (o.magField)
        u.totalField = o.magField;
    if (o.magDip)
        u.dip = o.magDip;
    if (o.ellipseSigma)
        u.ellipseSigma = *o.ellipseSigma;
    if (!o.toolRuns.empty())
        u.program = o.toolRuns;
    ClearanceSettings &c = s.clearance;
    if (o.hole)
        c.holeDiameter = *o.hole;
    if (o.surfaceMargin)
        c.surfaceMargin = *o.surfaceMargin;
    if (o.projectAhead)
        c.projectAhead = *o.projectAhead;
    if (o.sfScaling)
        c.scalingFactor = *o.sfScaling;
    if (o.sfWarning)
        c.warningFactor = *o.sfWarning;
    return s;
}

std::string missingInputMessage(ErrorModel model, unc::MissingInput missing)
{
    // Whole sentences, as the languages place the model's name differently.
    const char *text = "";
    switch (missing) {
    case unc::MissingInput::TotalField:
        text = DRV_TRANSLATE_NOOP("Batch",
            "Das Fehlermodell %1 braucht die Totalintensität des Erdmagnetfelds: --mag-field NT "
            "(z.B. 50000).");
        break;
    case unc::MissingInput::Dip:
        text = DRV_TRANSLATE_NOOP("Batch",
            "Das Fehlermodell %1 braucht die Inklination des Erdmagnetfelds: --mag-dip GRAD (z.B. "
            "72).");
        break;
    case unc::MissingInput::Declination:
        text = DRV_TRANSLATE_NOOP("Batch",
            "Das Fehlermodell %1 braucht die Deklination, denn die Azimute sind nicht magnetisch: "
            "--declination GRAD mit --north true oder grid (ohne --north gelten die Azimute mit "
            "--declination als magnetisch).");
        break;
    case unc::MissingInput::Convergence:
        text = DRV_TRANSLATE_NOOP("Batch",
            "Das Fehlermodell %1 braucht die Meridiankonvergenz der Gitterazimute: "
            "--grid-convergence GRAD, oder --crs mit --wellhead.");
        break;
    case unc::MissingInput::Program: // the refusal says it
    case unc::MissingInput::None:
        return {}; // nothing is missing
    }
    return i18n::arg(i18n::translate("Batch", text), { unc::modelTitle(model) });
}

bool isGeoJsonPath(const std::string &path)
{
    return lowerExtension(path) == "geojson";
}

bool isDocumentPath(const std::string &path)
{
    return lowerExtension(path) == "dvn";
}

// The help, one catalogue entry per option or paragraph with its own line breaks: each
// language keeps the description column and the line width in its own words.
constexpr const char *kUsage[] = {
    DRV_TRANSLATE_NOOP("Batch",
        "Aufruf: dravon-cli [--format weg|free|atk|csv|xlsx|xls|las|witsml] [--every 1|2|5|10]\n"
        "                  [--view side|top|section|3d|ladder|cylinder]\n"
        "                  [--camera AZ,ELEV] [--name TEXT]\n"
        "                  [--interpolate TEUFE]... [--results-file PFAD] [--plot PFAD]\n"
        "                  [--true-scale] [--save PFAD.dvn] [--lang de|en]\n"
        "                  [--listing PFAD.csv [--at-md TEUFE]... [--at-tvd SEIGERTEUFE]...\n"
        "                  [--every-md SCHRITT] [--section-azimuth GRAD] [--unit m|ft]]\n"
        "                  [--export PFAD.csv|PFAD.xlsx|PFAD.xml|PFAD.geojson]...\n"
        "                  [--export-style de] [Unsicherheitsoptionen]\n"
        "                  [Tabellenoptionen] [Bohrungsoptionen] [Nachbarbohrungen]\n"
        "                  (--stations DATEI | DATEI)\n"),
    DRV_TRANSLATE_NOOP("Batch", "        dravon-cli --magnetic-field BREITE,LÄNGE,HÖHE,DATUM\n"),
    "\n",
    DRV_TRANSLATE_NOOP("Batch",
        "Berechnet den Bohrlochverlauf nach dem Schmiegungskreisverfahren und schreibt die\n"
        "Ergebnistabelle auf die Standardausgabe.\n"),
    "\n",
    DRV_TRANSLATE_NOOP("Batch",
        "  DATEI                  Messdatei im gewählten Format (\"-\": Standardeingabe);\n"
        "                         eine Datei mit der Endung .dvn wird als Dokument gelesen\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --stations DATEI       Messwertzeilen wie im Eingabedialog (Teufe Neigung Azimut)\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --format weg|free|atk|csv|xlsx|xls|las|witsml\n"
        "                         Format der Messdatei (Vorgabe: free; .csv, .tsv, .xlsx,\n"
        "                         .xls, .las und .xml (WITSML) werden an der Endung erkannt)\n"),
    DRV_TRANSLATE_NOOP(
        "Batch", "  --every 1|2|5|10       nur jeden n-ten Messwert einlesen (Vorgabe: 1)\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --view side|top|section|3d|ladder|cylinder\n"
        "                         Seitenansicht (Vorgabe), Draufsicht, Vertikalschnitt\n"
        "                         (Seigerteufe über dem Vertikalschnitt), 3D-Ansicht, Abstand\n"
        "                         und Trennfaktor der Nachbarbohrungen über der Teufe oder\n"
        "                         mitlaufender Zylinder, in --plot\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --camera AZ,ELEV       Blickrichtung der 3D-Ansicht: Azimut und Elevation in Grad\n"
        "                         (Vorgabe: 225,25, aus Südwesten von schräg oben; 0,0 von\n"
        "                         Norden, 180,90 von oben mit Norden oben)\n"),
    DRV_TRANSLATE_NOOP("Batch", "  --name TEXT            Name der Bohrung\n"),
    DRV_TRANSLATE_NOOP(
        "Batch", "  --interpolate TEUFE    Interpolation bei dieser Teufe (mehrfach möglich)\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --results-file PFAD    Ergebnisse wie \"Ergebnisse ausgeben\" in diese Datei "
        "schreiben\n"),
    DRV_TRANSLATE_NOOP(
        "Batch", "  --plot PFAD            Grafik als .png, .svg oder .pdf schreiben\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --true-scale           Seitenansicht der Grafik maßstabsgetreu (nicht überhöht)\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --save PFAD.dvn        das Dokument wie \"Speichern\" in diese Datei schreiben\n"
        "                         (Name, Format, Messwerte, Beschreibung, Lage der Bohrung)\n"),
    DRV_TRANSLATE_NOOP("Batch", "  --help, --version      diese Hilfe bzw. die Version anzeigen\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --lang de|en           Sprache der Meldungen und dieser Hilfe: Deutsch oder\n"
        "                         Englisch (Vorgabe: Englisch, wenn die erste gesetzte der\n"
        "                         Variablen LANGUAGE, LC_ALL, LC_MESSAGES und LANG mit \"en\"\n"
        "                         beginnt, sonst Deutsch); die Ergebnistabelle und die\n"
        "                         geschriebenen Dateien bleiben in beiden gleich\n"),
    "\n",
    DRV_TRANSLATE_NOOP("Batch", "Tabellenoptionen (csv, xlsx, xls, las, witsml):\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --columns A,B,C        Spalten für Teufe, Neigung, Azimut: Überschrift oder Nummer\n"
        "                         (Vorgabe: an Überschriften wie Teufe/MD, Neigung/Inc, "
        "Azimut/Azi\n"
        "                         erkannt); drei weitere wählen TVD, Nord und Ost für\n"
        "                         --tie-in-row (Vorgabe: an Überschriften wie TVD, N/Nord,\n"
        "                         E/Ost erkannt)\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --reading-columns F,D,G\n"
        "                         Spalten für Gesamtfeld (nT), Inklination des Magnetfelds\n"
        "                         (Grad) und Schwere (m/s²), Überschrift oder Nummer, leer\n"
        "                         lassen erlaubt (z.B. Btotal,,Gtotal); sie werden\n"
        "                         Feldmessungen der Messpunkte für --survey-check (Vorgabe:\n"
        "                         an Überschriften wie Btotal, Dip, Gtotal erkannt)\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --tie-in-row           die erste Datenzeile (mit TVD, Nord und Ost) ist der\n"
        "                         Anschlusspunkt, an dem die Messung beginnt; eine Zeile an\n"
        "                         der Oberfläche (alles 0) bleibt ein Messpunkt\n"),
    DRV_TRANSLATE_NOOP("Batch", "  --decimal comma|point  Dezimalzeichen (Vorgabe: erkannt)\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --delimiter ';'|','|tab|space\n"
        "                         Trennzeichen einer Textdatei (Vorgabe: erkannt)\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --depth-unit m|ft      Einheit der Teufe; Fuß wird in Meter umgerechnet (Vorgabe:\n"
        "                         ft, wenn die Überschrift der Teufe Fuß nennt, sonst m)\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --sheet NAME|N         Tabellenblatt einer .xlsx- oder .xls-Datei oder Trajektorie\n"
        "                         einer WITSML-Datei (Vorgabe: das erste)\n"),
    "\n",
    DRV_TRANSLATE_NOOP("Batch", "Punkte und Listen der Bahn:\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --listing PFAD         Liste der Bahn als .csv oder .xlsx (ohne Anfrage: alle\n"
        "                         Messpunkte)\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --at-md TEUFE          Punkt auf der Bahn bei dieser Teufe (mehrfach möglich)\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --at-tvd SEIGERTEUFE   jeder Punkt bei dieser Seigerteufe (mehrfach möglich)\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --every-md SCHRITT     Punkte im Abstand SCHRITT vom ersten bis zum letzten Punkt\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --section-azimuth GRAD Azimut des Vertikalschnitts in Liste und Grafik (Vorgabe:\n"
        "                         der im Dokument gespeicherte, sonst der der Endabweichung)\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --unit m|ft            Längen der Liste in Metern (Vorgabe) oder Fuß, Abknickung je\n"
        "                         30 m bzw. je 100 ft, auch im Vertikalschnitt von --plot; die\n"
        "                         Ergebnistabelle bleibt in Metern\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --export PFAD          die berechneten Messpunkte als .csv, .xlsx oder .xml\n"
        "                         (WITSML-Trajektorie) schreiben (mehrfach möglich; Längen\n"
        "                         in --unit)\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --export PFAD.geojson  Karte der Bohrung als GeoJSON (WGS 84, Höhe über NN);\n"
        "                         braucht --crs und --wellhead oder gespeicherte Werte\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --export-style de      jede CSV-Datei von --export mit Semikolon und Dezimalkomma\n"),
    "\n",
    DRV_TRANSLATE_NOOP("Batch",
        "Unsicherheitsoptionen (Positionsunsicherheit in --listing und --export .csv/.xlsx):\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --error-model iscwsa-mwd-rev5|iscwsa-mwd-rev4|none\n"
        "                         Fehlermodell der Messungen (MWD); braucht --mag-field,\n"
        "                         --mag-dip und bei geographisch Nord oder Gitternord\n"
        "                         --declination mit --north (bei Gitternord auch\n"
        "                         --grid-convergence oder --crs mit --wellhead)\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --latitude GRAD        geographische Breite (Nord positiv); Vorgabe: die des\n"
        "                         Ansatzpunkts aus --crs und --wellhead, sonst unbekannt\n"
        "                         (die MWD-Terme brauchen sie nicht)\n"),
    DRV_TRANSLATE_NOOP(
        "Batch", "  --gravity M/S2         Schwerebeschleunigung (Vorgabe: 9.80665)\n"),
    DRV_TRANSLATE_NOOP(
        "Batch", "  --mag-field NT         Totalintensität des Erdmagnetfelds in nT\n"),
    DRV_TRANSLATE_NOOP(
        "Batch", "  --mag-dip GRAD         Inklination des Erdmagnetfelds (abwärts positiv)\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --ellipse-sigma K      Fehlerellipse beim K-fachen von σ (Vorgabe: 2); σ und\n"
        "                         Kovarianzen gelten für 1 σ, immer in m und m²\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --error-terms PFAD.csv je Messpunkt und Fehlerquelle die Kovarianzen (NN, EE,\n"
        "                         VV, NE, NV, EV in m²) als CSV schreiben\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --tool VON-BIS:CODE    ein Lauf des Vermessungsprogramms: die Messpunkte von\n"
        "                         VON bis BIS m MD (BIS leer: bis zum Ende der Bohrung)\n"
        "                         mit dem Werkzeug CODE des OWSG-Werkzeugkatalogs\n"
        "                         (mehrfach, von oben nach unten, lückenlos); es tritt an\n"
        "                         die Stelle des Fehlermodells\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --survey-program PFAD.csv\n"
        "                         das Vermessungsprogramm aus einer Tabelle mit den Spalten\n"
        "                         Von, Bis, Werkzeug und wahlweise Lauf und Datum\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --plan PFAD.csv        statt einer Messdatei die Stationen einer Planung: eine\n"
        "                         Tabelle der Abschnitte (Abschnitt halten, bogen, ziel\n"
        "                         oder landen; Länge (m), DLS (°/30 m),\n"
        "                         Werkzeugstellung (°), Nord (m), Ost (m), Seigerteufe\n"
        "                         (m), MD (m), Neigung (°), Azimut (°), Toleranz (m)),\n"
        "                         vom Ansatzpunkt oder von --tie-in aus\n"
        "  --plan-step M          Abstand der Stationen der Planung (Vorgabe: 30)\n"
        "  --against-plan PFAD.csv\n"
        "                         die Messung gegen eine Planung: je Messpunkt der\n"
        "                         nächste Punkt der Planung und der Abstand (Hochseite,\n"
        "                         Rechtsseite, längs, Seigerteufe) als --listing; die\n"
        "                         Projektion zum Meißel und auf die Seigerteufe des Ziels\n"
        "                         und der Bogen zurück zum Ziel als Meldungen\n"
        "  --bit-distance M       Abstand vom Sensor zum Meißel für die Projektion\n"
        "                         (Vorgabe: 15)\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --field DATEI|ADRESSE  die Felddatei (SQLite; angelegt, wenn es sie nicht\n"
        "                         gibt) oder eine Datenbank auf einem PostgreSQL-Server:\n"
        "                         postgresql://NUTZER@RECHNER:PORT/DATENBANK (Passwort\n"
        "                         aus PGPASSWORD oder ~/.pgpass); das Feld heißt wie\n"
        "                         die Datei oder die Datenbank\n"
        "  --import PFAD          eine Messdatei oder ein Ordner (mehrfach) ins Feld: je\n"
        "                         Datei eine Bohrung, benannt nach der Datei, eine neue\n"
        "                         Version ihrer Vermessung, wenn es sie schon gibt\n"
        "  --site NAME            der Standort der übernommenen Bohrungen (Vorgabe:\n"
        "                         Standort 1)\n"
        "  --list                 je Bohrpfad des Felds eine Zeile: Feld, Standort,\n"
        "                         Bohrung, Bohrpfad, Messpunkte, letzte Änderung\n"
        "  --export ORDNER        mit --field: die maßgebliche Vermessung jedes Bohrpfads\n"
        "                         als WITSML-Trajektorie in ORDNER/Feld/Standort/\n"
        "  --scan-all             die Bohrung --well NAME des Felds gegen alle anderen\n"
        "                         (Abstand und Trennfaktor wie mit --offset, --clearance\n"
        "                         nennt sie mit ihrem Pfad im Feld)\n"
        "  --radius M             nur Bohrungen, die näher als M Meter kommen\n"
        "  --rules DATEI          die Regeln des Betreibers (JSON: Stufen des\n"
        "                         Trennfaktors, Abstand nahe der Oberfläche, Flächen):\n"
        "                         mit --field im Feld gespeichert, sonst auf den\n"
        "                         Vergleich angewandt; eine Stufe \"stop\" gibt Status 3\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --tool-model DATEI     ein eigenes Werkzeugmodell (mehrfach): JSON des\n"
        "                         ISCWSA-Fehlermodells oder eine Tabelle der Fehlerterme\n"
        "                         (Code, Gewichtungsfunktion, Betrag, Einheit,\n"
        "                         Fortpflanzung; der Dateiname ist der Code); --tool und\n"
        "                         --offset-tool nennen es wie einen Code des Katalogs\n"),
    "\n",
    DRV_TRANSLATE_NOOP(
        "Batch", "Bohrungsoptionen (ersetzen die im Dokument gespeicherten Werte):\n"),
    DRV_TRANSLATE_NOOP(
        "Batch", "  --wellhead E,N         Ansatzpunkt: Rechtswert und Hochwert in Metern\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --elevation Z          Höhe des Teufenbezugspunkts über dem Meeresspiegel (m)\n"),
    DRV_TRANSLATE_NOOP(
        "Batch", "  --crs EPSG:NNNN        Koordinatenbezugssystem des Ansatzpunkts\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --tie-in MD,TVD,N,E,INC,AZI\n"
        "                         Anschlusspunkt, an dem die Messung beginnt: Bohrlochteufe,\n"
        "                         Seigerteufe, Nord und Ost (m), Neigung und Azimut (Grad)\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --north true|grid|magnetic\n"
        "                         Bezug der gemessenen Azimute: geographisch Nord (Vorgabe),\n"
        "                         Gitternord oder magnetisch Nord\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --grid-convergence GRAD\n"
        "                         Meridiankonvergenz: Gitterazimut = geographischer Azimut\n"
        "                         - Konvergenz (positiv, wo Gitternord östlich liegt)\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --declination GRAD     Deklination: geographischer Azimut = magnetischer Azimut\n"
        "                         + Deklination (Ost positiv); ohne --north gelten die\n"
        "                         Azimute damit als magnetisch\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --survey-date JJJJ-MM-TT\n"
        "                         Vermessungsdatum: Deklination, Inklination und\n"
        "                         Totalintensität, die nicht angegeben sind, kommen dann\n"
        "                         aus dem Magnetfeldmodell am Ansatzpunkt (mit --crs und\n"
        "                         --wellhead)\n"),
    "\n",
    DRV_TRANSLATE_NOOP("Batch",
        "Nachbarbohrungen (Annäherung und Trennfaktor nach der ISCWSA-Regel; die im Dokument\n"
        "gespeicherten werden immer verglichen):\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --offset DATEI         Nachbarbohrung aus einem Dokument (.dvn), einer Tabelle\n"
        "                         (Spalten an den Überschriften erkannt) oder einer Messdatei\n"
        "                         im Format von --format (mehrfach möglich); ihre Azimute\n"
        "                         gelten in der Nordrichtung der Bohrung (ein Dokument mit\n"
        "                         anderer wird gedreht). Die folgenden --offset-Optionen\n"
        "                         gelten für das --offset davor:\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --offset-position N,E  Ansatzpunkt: Nord und Ost vom Ansatzpunkt der Bohrung (m)\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --offset-wellhead E,N  Ansatzpunkt: Rechtswert und Hochwert im\n"
        "                         Koordinatenbezugssystem der Bohrung (--crs, --wellhead);\n"
        "                         Vorgabe: der eines Dokuments\n"),
    DRV_TRANSLATE_NOOP(
        "Batch", "  --offset-name TEXT     Name (Vorgabe: der des Dokuments oder Dateiname)\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --offset-elevation Z   Höhe ihres Teufenbezugspunkts über dem Meeresspiegel (m);\n"
        "                         Vorgabe: die eines Dokuments, sonst die der Bohrung\n"),
    DRV_TRANSLATE_NOOP(
        "Batch", "  --offset-hole M        Bohrlochdurchmesser in Metern (Vorgabe: 0)\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --offset-kickoff TEUFE Seitenast: verlässt bei dieser Teufe (m) die Mutterbohrung\n"
        "                         und liegt darüber in ihr, an ihrem Ansatzpunkt\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --offset-parent NAME   Mutterbohrung des Seitenasts: eine andere Nachbarbohrung;\n"
        "                         Vorgabe: die Bohrung selbst\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --offset-tool CODE     ein Werkzeug des Katalogs für die ganze Nachbarbohrung\n"
        "                         (z.B. UNKNOWN für eine Bohrung ohne bekannte Vermessung)\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --hole M               Bohrlochdurchmesser der Bohrung in Metern (Vorgabe: 0)\n"),
    DRV_TRANSLATE_NOOP("Batch", "  --surface-margin M     Sicherheitsabstand Sm (Vorgabe: 0.3)\n"),
    DRV_TRANSLATE_NOOP(
        "Batch", "  --project-ahead M      Unsicherheit voraus σpa, 1 σ (Vorgabe: 0.5)\n"),
    DRV_TRANSLATE_NOOP("Batch", "  --sf-k K               Faktor k der Regel (Vorgabe: 3.5)\n"),
    DRV_TRANSLATE_NOOP(
        "Batch", "  --sf-warn X            Meldung unter diesem Trennfaktor (Vorgabe: 1.5)\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --clearance PFAD       je Messpunkt (und Schritt von --every-md) und\n"
        "                         Nachbarbohrung eine Zeile als .csv oder .xlsx: nächster\n"
        "                         Punkt, Richtung, Abstand, Radien (PCR) und Trennfaktor\n"
        "                         (Längen in Metern)\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  Der Trennfaktor braucht ein Fehlermodell (Unsicherheitsoptionen); es gilt für alle\n"
        "  Bohrungen, außer ein Dokument von --offset bringt sein eigenes mit. Ohne Modell\n"
        "  nur Abstände. --save speichert die Nachbarbohrungen im Dokument.\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --survey-check PFAD    je Messpunkt mit Magnetfeld- oder Schweremessung\n"
        "                         (WITSML) eine Zeile als .csv oder .xlsx: Abweichung\n"
        "                         von Gesamtfeld, Inklination und Schwere von der\n"
        "                         Referenz und ob sie außerhalb der Toleranz liegt\n"),
    "\n",
    DRV_TRANSLATE_NOOP("Batch", "Erdmagnetfeld (ohne Eingabedatei):\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "  --magnetic-field BREITE,LÄNGE,HÖHE,DATUM\n"
        "                         Deklination, Inklination, Total- und Horizontalintensität\n"
        "                         des Erdmagnetfelds ausgeben: Breite und Länge in Grad\n"
        "                         (WGS 84, Nord und Ost positiv), Höhe über dem Ellipsoid in\n"
        "                         Metern, Datum JJJJ-MM-TT oder Dezimaljahr (1900 bis 2030);\n"
        "                         Modell WMM2025, WMM2020 oder WMM2015v2, vor 2015 IGRF-14\n"),
    "\n",
    DRV_TRANSLATE_NOOP("Batch",
        "Exit-Status: 0 ohne Fehlermeldung, 1 nach einer Fehlermeldung (fehlerhafte Zeile,\n"
        "Abbruch, abgelehnte Teufe, nicht verglichene Nachbarbohrung), 2 bei falschem Aufruf,\n"
        "unlesbarer oder abgelehnter Datei, 3 bei einem Trennfaktor unter 1 (die Bohrungen\n"
        "können sich berühren). 2 geht 3 vor, 3 geht 1 vor.\n"),
    DRV_TRANSLATE_NOOP("Batch",
        "Die Längen von --at-md, --at-tvd und --every-md gelten in der Einheit von --unit;\n"
        "eine Teufe oder Seigerteufe außerhalb der Bahn gibt eine Meldung und Status 1.\n"),
};

std::string cliUsage()
{
    std::string text;
    for (const char *entry : kUsage)
        text += i18n::translate("Batch", entry);
    return text;
}

i18n::Language chooseLanguage(
    const std::vector<std::string> &args, std::string &error, const i18n::Environment &getenv)
{
    i18n::Language language = i18n::languageFromEnvironment(getenv);
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string value;
        if (args[i] == "--lang") {
            if (i + 1 < args.size())
                value = args[++i];
        } else if (args[i].starts_with("--lang=")) {
            value = args[i].substr(7);
        } else {
            continue;
        }
        const std::optional<i18n::Language> chosen = i18n::parseLanguageOption(value);
        if (!chosen) {
            // Both languages, as neither is settled yet.
            error = "--lang erwartet de oder en (--lang expects de or en)";
            return language;
        }
        language = *chosen;
    }
    return language;
}

namespace {

// The word after an option; none when the command line ends before it.
using Value = std::optional<std::string>;

// The first faulty word ends the parse with its message.
struct Refusal
{
    std::string text;
};

[[noreturn]] void refuse(std::string text)
{
    throw Refusal { std::move(text) };
}

// Options that take one number: a bad number or one out of range gets the message, with
// %1 the option and %2 its example.
template <typename Target> struct NumberOption
{
    const char *name;
    bool (*valid)(double);
    const char *message;
    std::optional<double> Target::*field;
    const char *example = "";
};

constexpr NumberOption<CliOptions> kNumbers[] = {
    { "--elevation", validLength,
        DRV_TRANSLATE_NOOP(
            "Batch", "--elevation erwartet die Höhe über dem Meeresspiegel in Metern (z.B. 250.5)"),
        &CliOptions::elevation },
    { "--grid-convergence", validTurnAngle,
        DRV_TRANSLATE_NOOP("Batch", "%1 erwartet einen Winkel in Grad von -180 bis 180 (z.B. 1.5)"),
        &CliOptions::gridConvergence },
    { "--declination", validTurnAngle,
        DRV_TRANSLATE_NOOP("Batch", "%1 erwartet einen Winkel in Grad von -180 bis 180 (z.B. 1.5)"),
        &CliOptions::declination },
    { "--latitude", validLatitude,
        DRV_TRANSLATE_NOOP("Batch", "%1 erwartet einen Winkel in Grad von -90 bis 90 (z.B. 72)"),
        &CliOptions::latitude },
    { "--mag-dip", validLatitude,
        DRV_TRANSLATE_NOOP("Batch", "%1 erwartet einen Winkel in Grad von -90 bis 90 (z.B. 72)"),
        &CliOptions::magDip },
    { "--gravity", validGravity,
        DRV_TRANSLATE_NOOP("Batch",
            "--gravity erwartet die Schwerebeschleunigung in m/s² von 9 bis 10.5 (z.B. 9.80665)"),
        &CliOptions::gravity },
    { "--mag-field", validTotalField,
        DRV_TRANSLATE_NOOP("Batch",
            "--mag-field erwartet die Totalintensität des Erdmagnetfelds in nT von 10000 bis "
            "100000 (z.B. 50000)"),
        &CliOptions::magField },
    { "--ellipse-sigma", validEllipseSigma,
        DRV_TRANSLATE_NOOP("Batch",
            "--ellipse-sigma erwartet ein Vielfaches von σ größer als 0 und höchstens 10 (z.B. 2)"),
        &CliOptions::ellipseSigma },
    { "--hole", validHoleDiameter,
        DRV_TRANSLATE_NOOP(
            "Batch", "--hole erwartet den Bohrlochdurchmesser in Metern von 0 bis 5 (z.B. 0.9144)"),
        &CliOptions::hole },
    { "--surface-margin", validClearanceLength,
        DRV_TRANSLATE_NOOP("Batch", "%1 erwartet eine Länge in Metern von 0 bis 100 (z.B. %2)"),
        &CliOptions::surfaceMargin, "0.3" },
    { "--project-ahead", validClearanceLength,
        DRV_TRANSLATE_NOOP("Batch", "%1 erwartet eine Länge in Metern von 0 bis 100 (z.B. %2)"),
        &CliOptions::projectAhead, "0.5" },
    { "--sf-k", validClearanceFactor,
        DRV_TRANSLATE_NOOP(
            "Batch", "%1 erwartet eine Zahl größer als 0 und höchstens 100 (z.B. %2)"),
        &CliOptions::sfScaling, "3.5" },
    { "--sf-warn", validClearanceFactor,
        DRV_TRANSLATE_NOOP(
            "Batch", "%1 erwartet eine Zahl größer als 0 und höchstens 100 (z.B. %2)"),
        &CliOptions::sfWarning, "1.5" },
    { "--section-azimuth", [](double degrees) { return degrees >= 0 && degrees <= 360; },
        DRV_TRANSLATE_NOOP("Batch", "--section-azimuth erwartet einen Azimut von 0 bis 360 Grad"),
        &CliOptions::sectionAzimuth },
};

constexpr NumberOption<OffsetOption> kOffsetNumbers[] = {
    { "--offset-elevation", validLength,
        DRV_TRANSLATE_NOOP("Batch",
            "--offset-elevation erwartet die Höhe über dem Meeresspiegel in Metern (z.B. 250.5)"),
        &OffsetOption::elevation },
    { "--offset-hole", validHoleDiameter,
        DRV_TRANSLATE_NOOP("Batch",
            "--offset-hole erwartet den Bohrlochdurchmesser in Metern von 0 bis 5 (z.B. 0.6096)"),
        &OffsetOption::hole },
    { "--offset-kickoff", [](double metres) { return validLength(metres) && metres >= 0; },
        DRV_TRANSLATE_NOOP(
            "Batch", "--offset-kickoff erwartet die Abzweigteufe in Metern (z.B. 1200)"),
        &OffsetOption::kickOff },
};

template <typename Target>
void takeNumber(const NumberOption<Target> &option, const Value &value, Target &target)
{
    double number = 0;
    if (!value || !parseNumber(*value, number) || !option.valid(number))
        refuse(
            i18n::arg(i18n::translate("Batch", option.message), { option.name, option.example }));
    target.*option.field = number;
}

// A word that looks like an option but is none. The --offset-… options apply to the
// --offset before them, so one of them without any says so first.
[[noreturn]] void refuseUnknown(const std::string &word, const CliOptions &o)
{
    if (word.starts_with("--offset-") && o.offsets.empty())
        refuse(i18n::arg(i18n::translate("Batch",
                             "%1 gilt für die Nachbarbohrung davor und braucht ein "
                             "--offset DATEI vor sich"),
            { word }));
    refuse(i18n::arg(i18n::translate("Batch", "Unbekannte Option: %1"), { word }));
}

// What the parse has seen besides the options' values.
struct Seen
{
    bool input = false, format = false, delimiter = false;
    std::string tableOption; // a table option given, for the message when there is no table
};

// The options that only mean something together, checked once the line is read.
void checkTogether(CliOptions &o, const Seen &seen)
{
    if (!o.fieldFile.empty() && !o.scanAll && !o.exportFiles.empty()) {
        if (o.exportFiles.size() != 1)
            refuse(i18n::translate("Batch",
                "--field --export nennt einen Ordner für die WITSML-Dateien des Felds"));
        o.fieldExportFolder = o.exportFiles.front();
        o.exportFiles.clear();
    }
    for (const std::string &file : o.exportFiles) {
        if (!(surveyexport::exportFormatForPath(file) || isGeoJsonPath(file)))
            refuse(i18n::translate("Batch",
                "--export erwartet einen Dateinamen mit der Endung .csv, .xlsx, .xml "
                "oder .geojson"));
    }
    if (o.magneticField && seen.input)
        refuse(i18n::translate("Batch",
            "--magnetic-field gibt nur das Erdmagnetfeld aus und liest keine Eingabedatei"));
    if (!o.planFile.empty() && seen.input)
        refuse(i18n::translate("Batch",
            "--plan gibt die Stationen der Planung und liest keine Messdatei"));
    if (o.planStep && o.planFile.empty() && o.againstPlanFile.empty())
        refuse(i18n::translate("Batch", "--plan-step braucht --plan DATEI.csv"));
    if (!o.againstPlanFile.empty() && !o.planFile.empty())
        refuse(i18n::translate("Batch",
            "--against-plan vergleicht eine Messung mit der Planung; mit --plan ist die "
            "Planung selbst die Messung"));
    if (!o.againstPlanFile.empty() && !seen.input)
        refuse(i18n::translate("Batch", "--against-plan braucht eine Messdatei oder ein Dokument"));
    if (!o.againstPlanFile.empty()
        && std::any_of(o.requests.begin(), o.requests.end(), [](const listing::Request &r) {
               return r.kind != listing::RequestKind::EveryMd;
           }))
        refuse(i18n::translate("Batch",
            "--at-md und --at-tvd fragen nach der Bahn; mit --against-plan ist --listing der "
            "Vergleich mit der Planung an den Messpunkten"));
    if (o.bitDistance && o.againstPlanFile.empty())
        refuse(i18n::translate("Batch", "--bit-distance braucht --against-plan DATEI.csv"));
    if (!o.fieldFile.empty() && (seen.input || !o.planFile.empty()))
        refuse(i18n::translate("Batch",
            "--field arbeitet mit der Felddatei und liest keine Messdatei; Dateien für das Feld "
            "nennt --import"));
    if (!o.fieldFile.empty() && o.fieldImports.empty() && !o.fieldList && !o.scanAll
        && o.rulesFile.empty() && o.fieldExportFolder.empty())
        refuse(i18n::translate("Batch",
            "--field braucht --import DATEI, --list, --export ORDNER, --rules DATEI oder "
            "--scan-all"));
    if (o.scanAll && (o.fieldFile.empty() || o.fieldWell.empty()))
        refuse(i18n::translate("Batch", "--scan-all braucht --field DATEI und --well NAME"));
    if (o.scanAll && (!o.fieldImports.empty() || o.fieldList))
        refuse(i18n::translate("Batch", "--scan-all steht ohne --import und --list"));
    if ((!o.fieldWell.empty() || o.scanRadius) && !o.scanAll)
        refuse(i18n::translate("Batch", "--well und --radius brauchen --scan-all"));
    if (o.fieldFile.empty() && (!o.fieldImports.empty() || o.fieldList || o.fieldSite))
        refuse(i18n::translate("Batch", "--import, --list und --site brauchen --field DATEI"));
    if (!o.help && !o.version && !o.magneticField && !seen.input && o.planFile.empty()
        && o.fieldFile.empty())
        refuse(i18n::translate("Batch", "Keine Eingabedatei angegeben"));
    if (!seen.format && !o.stationsMode) {
        if (const auto kind = exchange::tableFormatForPath(o.input))
            o.table = tableKindOfFormat(*kind);
    }
    if (o.table != CliOptions::TableKind::None && o.stationsMode)
        refuse(i18n::translate("Batch", "--stations liest Messwertzeilen, keine Tabelle"));
    if (o.table == CliOptions::TableKind::None
        && (!seen.tableOption.empty() || seen.delimiter || !o.sheet.empty()))
        refuse(i18n::arg(i18n::translate("Batch",
                             "%1 gilt nur für Tabellen (--format csv, xlsx oder xls, Endung "
                             ".csv, .tsv, .xlsx oder .xls)"),
            { seen.tableOption.empty() ? (seen.delimiter ? "--delimiter" : "--sheet")
                                       : seen.tableOption }));
    if (o.tieIn && o.mapping.tieInRow)
        refuse(i18n::translate("Batch", "--tie-in und --tie-in-row schließen einander aus"));
    if (o.table == CliOptions::TableKind::Xlsx && seen.delimiter)
        refuse(i18n::translate(
            "Batch", "--delimiter gilt nur für Textdateien (csv), nicht für .xlsx"));
    if ((o.table == CliOptions::TableKind::Xls || o.table == CliOptions::TableKind::Las
            || o.table == CliOptions::TableKind::Witsml)
        && seen.delimiter)
        refuse(i18n::translate(
            "Batch", "--delimiter gilt nur für Textdateien (csv), nicht für .xls, LAS und WITSML"));
    if (o.table == CliOptions::TableKind::Delimited && !o.sheet.empty())
        refuse(i18n::translate("Batch", "--sheet gilt nur für .xlsx- und .xls-Dateien"));
    if (o.table == CliOptions::TableKind::Las && !o.sheet.empty())
        refuse(i18n::translate(
            "Batch", "--sheet gilt nur für .xlsx-, .xls- und WITSML-Dateien, nicht für LAS"));
    if (o.germanCsv
        && std::none_of(o.exportFiles.begin(), o.exportFiles.end(), [](const std::string &p) {
               return surveyexport::exportFormatForPath(p) == surveyexport::ExportFormat::Csv;
           }))
        refuse(i18n::translate("Batch", "--export-style gilt nur für --export PFAD.csv"));
    if (o.cameraAzimuth && o.view != CliOptions::View::ThreeD)
        refuse(i18n::translate("Batch", "--camera gilt nur mit --view 3d"));
    // The steps of --every-md also give the clearance file rows between the stations.
    const bool onlySteps = std::all_of(o.requests.begin(), o.requests.end(),
        [](const listing::Request &r) { return r.kind == listing::RequestKind::EveryMd; });
    if (!o.requests.empty() && o.listingFile.empty() && (o.clearanceFile.empty() || !onlySteps))
        refuse(o.clearanceFile.empty()
                ? i18n::translate(
                    "Batch", "--at-md, --at-tvd und --every-md brauchen --listing PFAD.csv")
                : i18n::translate("Batch", "--at-md und --at-tvd brauchen --listing PFAD.csv"));
    if (!o.toolRuns.empty() && !o.programFile.empty())
        refuse(i18n::translate("Batch", "--tool und --survey-program schließen einander aus"));
    std::string programFault;
    if (!programValid(o.toolRuns, &programFault))
        refuse("--tool: " + programFault);
    for (const OffsetOption &off : o.offsets) {
        if (off.position && off.wellhead)
            refuse(i18n::arg(i18n::translate("Batch",
                                 "--offset %1: --offset-position und --offset-wellhead schließen "
                                 "einander aus"),
                { off.path }));
        if (off.parent && !off.kickOff)
            refuse(i18n::arg(
                i18n::translate("Batch", "--offset %1: --offset-parent braucht --offset-kickoff"),
                { off.path }));
        if (off.kickOff && (off.position || off.wellhead))
            refuse(i18n::arg(i18n::translate("Batch",
                                 "--offset %1: ein Seitenast (--offset-kickoff) liegt am "
                                 "Ansatzpunkt seiner Mutterbohrung, ohne --offset-position oder "
                                 "--offset-wellhead"),
                { off.path }));
    }
}

} // namespace

CliParseResult parseCommandLine(const std::vector<std::string> &args)
{
    CliParseResult r;
    CliOptions &o = r.options;
    Seen seen;

    CLI::App app;
    app.set_help_flag(); // --help prints the tool's own text (cliUsage)

    // CLI11 reads the options as they are spelt; every other word reaches it as its index
    // in `args`, so that CLI11 cannot read a word its own way ("--" as the end of the
    // options, "--format=csv" as an option with its value, "-5" as a file, "[a,b]" as a
    // list). A word after an option is its value whatever it looks like, so that
    // "--offset-position -5,3" is a position and "--name --help" a name.
    const auto original = [&args](const std::string &word) -> const std::string & {
        return word.starts_with('-') ? word : args[std::stoul(word)];
    };

    const auto input = [&](const std::string &path) {
        if (seen.input)
            refuse(i18n::translate("Batch", "Es ist nur eine Eingabedatei erlaubt"));
        o.input = path;
        seen.input = true;
    };

    // The words that are no option nor an option's value, taken in their turn: before
    // the option after them, so that the first faulty word of the line is the one named.
    CLI::Option *words = app.add_option("DATEI")->expected(0, -1)->allow_extra_args();
    std::size_t wordsTaken = 0;
    const auto takeWords = [&] {
        for (; wordsTaken < words->results().size(); ++wordsTaken) {
            const std::string &word = original(words->results()[wordsTaken]);
            if (word.starts_with("--lang="))
                continue; // read by chooseLanguage before the parse
            if (word.size() > 1 && word[0] == '-')
                refuseUnknown(word, o);
            input(word);
        }
    };

    // Each option's action, also called without a value when the line ends after it.
    std::map<std::string, std::function<void(const Value &)>> actions;
    const auto option = [&](const std::string &name, std::function<void(const Value &)> action) {
        app.add_option_function<std::string>(name,
               [&, action](const std::string &word) {
                   takeWords();
                   action(original(word));
               })
            ->trigger_on_parse();
        actions.emplace(name, std::move(action));
    };
    const auto offsetOption
        = [&](const std::string &name, std::function<void(const Value &, OffsetOption &)> action) {
              option(name, [&, name, action](const Value &value) {
                  if (o.offsets.empty())
                      refuseUnknown(name, o);
                  action(value, o.offsets.back());
              });
          };

    app.add_flag_callback("-h,--help", [&] { o.help = true; })->trigger_on_parse();
    app.add_flag_callback("--version", [&] { o.version = true; })->trigger_on_parse();
    // Chosen before the parse (chooseLanguage); the parse only passes over it.
    option("--lang", [](const Value &) {});

    // An option whose value is one of `words`; `take` gets the index of the one given.
    const auto choice = [&](const std::string &name, std::vector<std::string_view> words,
                            const char *message, std::function<void(int)> take) {
        option(name, [words, message, take](const Value &v) {
            const auto found = v ? std::ranges::find(words, *v) : words.end();
            if (found == words.end())
                refuse(i18n::translate("Batch", message));
            take(static_cast<int>(found - words.begin()));
        });
    };
    choice("--format", { "weg", "free", "atk", "csv", "xlsx", "xls", "las", "witsml" },
        DRV_TRANSLATE_NOOP(
            "Batch", "--format erwartet weg, free, atk, csv, xlsx, xls, las oder witsml"),
        [&](int kind) {
            seen.format = true;
            constexpr CliOptions::TableKind tables[] = { CliOptions::TableKind::Delimited,
                CliOptions::TableKind::Xlsx, CliOptions::TableKind::Xls, CliOptions::TableKind::Las,
                CliOptions::TableKind::Witsml };
            if (kind <= 2)
                o.format = kind;
            else
                o.table = tables[kind - 3];
        });
    option("--columns", [&](const Value &v) {
        if (!v || !parseColumns(*v, o.mapping))
            refuse(i18n::translate("Batch",
                "--columns erwartet drei Überschriften oder Spaltennummern für Teufe, "
                "Neigung und Azimut, durch Kommas getrennt (z.B. MD,INC,AZI oder 2,3,1), "
                "für --tie-in-row auch drei weitere für TVD, Nord und Ost"));
        seen.tableOption = "--columns";
    });
    option("--reading-columns", [&](const Value &v) {
        if (!v || !parseReadingColumns(*v, o.mapping))
            refuse(i18n::translate("Batch",
                "--reading-columns erwartet drei Überschriften oder Spaltennummern für "
                "Gesamtfeld, Inklination des Magnetfelds und Schwere, durch Kommas getrennt; "
                "leer bleiben darf jede außer allen (z.B. Btotal,,Gtotal oder 7,8,9)"));
        seen.tableOption = "--reading-columns";
    });
    choice("--decimal", { "comma", "point" },
        DRV_TRANSLATE_NOOP("Batch", "--decimal erwartet comma oder point"), [&](int sign) {
            o.mapping.decimal
                = sign == 0 ? exchange::DecimalSign::Comma : exchange::DecimalSign::Point;
            seen.tableOption = "--decimal";
        });
    choice("--delimiter", { ";", ",", "tab", "space", "semicolon", "comma" },
        DRV_TRANSLATE_NOOP("Batch", "--delimiter erwartet ';', ',', tab oder space"), [&](int d) {
            constexpr exchange::Delimiter kinds[] = { exchange::Delimiter::Semicolon,
                exchange::Delimiter::Comma, exchange::Delimiter::Tab, exchange::Delimiter::Blanks,
                exchange::Delimiter::Semicolon, exchange::Delimiter::Comma };
            o.delimiter = kinds[d];
            seen.delimiter = true;
        });
    choice("--depth-unit", { "m", "ft" },
        DRV_TRANSLATE_NOOP("Batch", "--depth-unit erwartet m oder ft"), [&](int unit) {
            o.mapping.unit = unit == 0 ? exchange::DepthUnit::Metres : exchange::DepthUnit::Feet;
            seen.tableOption = "--depth-unit";
        });
    option("--sheet", [&](const Value &v) {
        if (!v || v->empty())
            refuse(i18n::translate(
                "Batch", "--sheet erwartet den Namen oder die Nummer eines Tabellenblatts"));
        o.sheet = *v;
    });
    choice("--every", { "1", "2", "5", "10" },
        DRV_TRANSLATE_NOOP("Batch", "--every erwartet 1, 2, 5 oder 10"),
        [&](int step) { o.datenauswahl = step; });
    // The views in the order of CliOptions::View.
    choice("--view", { "side", "top", "section", "3d", "ladder", "cylinder" },
        DRV_TRANSLATE_NOOP("Batch", "--view erwartet side, top, section, 3d, ladder oder cylinder"),
        [&](int view) { o.view = static_cast<CliOptions::View>(view); });
    option("--camera", [&](const Value &v) {
        double azimuth = 0, elevation = 0;
        if (!v || !parseCamera(*v, azimuth, elevation))
            refuse(i18n::translate("Batch",
                "--camera erwartet Azimut und Elevation der 3D-Ansicht in Grad, durch "
                "ein Komma getrennt, die Elevation von -90 bis 90 (z.B. 225,25)"));
        o.cameraAzimuth = azimuth;
        o.cameraElevation = elevation;
    });
    option("--name", [&](const Value &v) {
        if (!v)
            refuse(i18n::translate("Batch", "--name erwartet einen Text"));
        o.name = *v;
    });
    option("--interpolate", [&](const Value &v) {
        float depth = 0;
        if (!v || !parseDepth(*v, depth))
            refuse(i18n::translate(
                "Batch", "--interpolate erwartet eine Teufe in Metern (z.B. 150.5)"));
        o.interpolate.push_back(depth);
    });
    option("--results-file", [&](const Value &v) {
        if (!v || v->empty())
            refuse(i18n::translate("Batch", "--results-file erwartet einen Dateinamen"));
        o.resultsFile = *v;
    });
    option("--plot", [&](const Value &v) {
        if (!v || v->empty())
            refuse(i18n::translate("Batch", "--plot erwartet einen Dateinamen"));
        o.plotFile = *v;
    });
    option("--save", [&](const Value &v) {
        if (!v || !isDocumentPath(*v) || v->size() <= 4)
            refuse(
                i18n::translate("Batch", "--save erwartet einen Dateinamen mit der Endung .dvn"));
        o.savePath = *v;
    });
    option("--wellhead", [&](const Value &v) {
        Wellhead w;
        if (!v || !parseWellhead(*v, w))
            refuse(i18n::translate("Batch",
                "--wellhead erwartet Rechtswert und Hochwert in Metern, durch ein "
                "Komma getrennt (z.B. 500000,5700000)"));
        o.wellhead = w;
    });
    option("--tie-in", [&](const Value &v) {
        well::TieIn t;
        if (!v || !parseTieIn(*v, t))
            refuse(i18n::translate("Batch",
                "--tie-in erwartet Bohrlochteufe, Seigerteufe, Nord, Ost (m), Neigung (0 bis 180 "
                "Grad) und Azimut (0 bis 360 Grad), durch Kommas getrennt (z.B. "
                "1200,1150.5,-4.65,0.92,12.5,140)"));
        o.tieIn = t;
    });
    option("--crs", [&](const Value &v) {
        if (!v || !(o.epsg = parseEpsg(*v)))
            refuse(i18n::translate("Batch", "--crs erwartet einen EPSG-Code (z.B. EPSG:25832)"));
    });
    option("--survey-date", [&](const Value &v) {
        if (!v || !(o.surveyDate = parseIsoDate(*v)))
            refuse(i18n::translate("Batch",
                "--survey-date erwartet einen Tag des Kalenders als JJJJ-MM-TT (z.B. "
                "2025-03-14)"));
    });
    choice("--north", { "true", "grid", "magnetic" },
        DRV_TRANSLATE_NOOP("Batch", "--north erwartet true, grid oder magnetic"),
        [&](int index) { o.north = static_cast<NorthReference>(index); });
    option("--error-model", [&](const Value &v) {
        std::optional<ErrorModel> model;
        if (!v || !(model = unc::modelFromKey(*v)))
            refuse(i18n::translate(
                "Batch", "--error-model erwartet iscwsa-mwd-rev5, iscwsa-mwd-rev4 oder none"));
        o.errorModel = model;
    });
    option("--tool", [&](const Value &v) {
        SurveyRun run;
        if (!v || !parseToolRun(*v, run))
            refuse(i18n::translate("Batch",
                "--tool erwartet einen Abschnitt des Vermessungsprogramms als VON-BIS:WERKZEUG, "
                "die Teufen in Metern MD, BIS leer bis zum Ende der Bohrung (z.B. 0-600:GYRO-NS "
                "oder 600-:MWD+IFR1+MS)"));
        o.toolRuns.push_back(std::move(run));
    });
    option("--plan", [&](const Value &v) {
        if (!v || v->empty())
            refuse(i18n::translate(
                "Batch", "--plan erwartet eine Datei der Planung (Tabelle der Abschnitte)"));
        o.planFile = *v;
    });
    option("--plan-step", [&](const Value &v) {
        double step = 0;
        if (!v || !parseNumber(*v, step) || !(step >= plan::kMinStep && step <= 1e5))
            refuse(i18n::translate("Batch",
                "--plan-step erwartet den Abstand der Stationen der Planung in Metern, "
                "mindestens 0.1 (z.B. 30)"));
        o.planStep = step;
    });
    option("--field", [&](const Value &v) {
        if (!v || v->empty())
            refuse(i18n::translate("Batch", "--field erwartet den Namen der Felddatei"));
        o.fieldFile = *v;
    });
    option("--import", [&](const Value &v) {
        if (!v || v->empty())
            refuse(i18n::translate("Batch", "--import erwartet eine Datei oder einen Ordner"));
        o.fieldImports.push_back(*v);
    });
    option("--site", [&](const Value &v) {
        if (!v || v->empty())
            refuse(i18n::translate("Batch", "--site erwartet den Namen eines Standorts"));
        o.fieldSite = *v;
    });
    option("--well", [&](const Value &v) {
        if (!v || v->empty())
            refuse(i18n::translate("Batch", "--well erwartet den Namen einer Bohrung des Felds"));
        o.fieldWell = *v;
    });
    option("--rules", [&](const Value &v) {
        if (!v || v->empty())
            refuse(i18n::translate("Batch", "--rules erwartet eine Datei der Regeln (JSON)"));
        o.rulesFile = *v;
    });
    option("--radius", [&](const Value &v) {
        double metres = 0;
        if (!v || !parseNumber(*v, metres) || !(metres > 0 && metres <= 1e6))
            refuse(i18n::translate("Batch",
                "--radius erwartet den Umkreis in Metern, größer als 0 (z.B. 500)"));
        o.scanRadius = metres;
    });
    app.add_flag_callback("--scan-all", [&] {
           takeWords();
           o.scanAll = true;
       })->trigger_on_parse();
    app.add_flag_callback("--list", [&] {
           takeWords();
           o.fieldList = true;
       })->trigger_on_parse();
    option("--against-plan", [&](const Value &v) {
        if (!v || v->empty())
            refuse(i18n::translate("Batch",
                "--against-plan erwartet eine Datei der Planung (Tabelle der Abschnitte)"));
        o.againstPlanFile = *v;
    });
    option("--bit-distance", [&](const Value &v) {
        double metres = 0;
        if (!v || !parseNumber(*v, metres) || !plan::validBitDistance(metres))
            refuse(i18n::translate("Batch",
                "--bit-distance erwartet den Abstand vom Sensor zum Meißel in Metern, 0 bis "
                "1000 (z.B. 15)"));
        o.bitDistance = metres;
    });
    option("--survey-program", [&](const Value &v) {
        if (!v || lowerExtension(*v) != "csv" || v->size() <= 4)
            refuse(i18n::translate(
                "Batch", "--survey-program erwartet einen Dateinamen mit der Endung .csv"));
        o.programFile = *v;
    });
    option("--tool-model", [&](const Value &v) {
        if (!v || v->empty())
            refuse(i18n::translate("Batch",
                "--tool-model erwartet eine Datei mit einem eigenen Werkzeugmodell (.json oder "
                "eine Tabelle der Fehlerterme)"));
        o.toolModelFiles.push_back(*v);
    });
    option("--error-terms", [&](const Value &v) {
        if (!v || lowerExtension(*v) != "csv" || v->size() <= 4)
            refuse(i18n::translate(
                "Batch", "--error-terms erwartet einen Dateinamen mit der Endung .csv"));
        o.errorTermsFile = *v;
    });
    for (const NumberOption<CliOptions> &number : kNumbers)
        option(number.name, [&o, &number](const Value &v) { takeNumber(number, v, o); });

    offsetOption("--offset-tool", [&](const Value &v, OffsetOption &off) {
        if (!v || v->empty())
            refuse(i18n::translate("Batch",
                "--offset-tool erwartet den Code eines Werkzeugs aus dem Werkzeugkatalog (z.B. "
                "UNKNOWN)"));
        off.tool = *v;
    });
    option("--offset", [&](const Value &v) {
        if (!v || v->empty())
            refuse(i18n::translate(
                "Batch", "--offset erwartet eine Datei (Dokument .dvn, Tabelle oder Messdatei)"));
        o.offsets.push_back({});
        o.offsets.back().path = *v;
    });
    offsetOption("--offset-name", [](const Value &v, OffsetOption &off) {
        if (!v || v->empty() || v->size() > kMaxOffsetNameSize)
            refuse(i18n::translate(
                "Batch", "--offset-name erwartet einen Namen (höchstens 200 Bytes)"));
        off.name = *v;
    });
    offsetOption("--offset-parent", [](const Value &v, OffsetOption &off) {
        if (!v || v->empty() || v->size() > kMaxOffsetNameSize)
            refuse(
                i18n::translate("Batch", "--offset-parent erwartet den Namen der Mutterbohrung"));
        off.parent = *v;
    });
    offsetOption("--offset-position", [](const Value &v, OffsetOption &off) {
        Wellhead w; // north before east here
        if (!v || !parseWellhead(*v, w))
            refuse(i18n::translate("Batch",
                "--offset-position erwartet Nord und Ost vom Ansatzpunkt der "
                "Bohrung in Metern, durch ein Komma getrennt (z.B. 0,100)"));
        off.position = std::pair(w.easting, w.northing);
    });
    offsetOption("--offset-wellhead", [](const Value &v, OffsetOption &off) {
        Wellhead w;
        if (!v || !parseWellhead(*v, w))
            refuse(i18n::translate("Batch",
                "--offset-wellhead erwartet Rechtswert und Hochwert in Metern, "
                "durch ein Komma getrennt (z.B. 500100,5700000)"));
        off.wellhead = w;
    });
    for (const NumberOption<OffsetOption> &number : kOffsetNumbers)
        offsetOption(number.name,
            [&number](const Value &v, OffsetOption &off) { takeNumber(number, v, off); });

    option("--clearance", [&](const Value &v) {
        const auto format = v ? surveyexport::exportFormatForPath(*v) : std::nullopt;
        if (!format || *format == surveyexport::ExportFormat::Witsml)
            refuse(i18n::translate(
                "Batch", "--clearance erwartet einen Dateinamen mit der Endung .csv oder .xlsx"));
        o.clearanceFile = *v;
    });
    app.add_flag_callback("--tie-in-row",
           [&] {
               takeWords();
               o.mapping.tieInRow = true;
               seen.tableOption = "--tie-in-row";
           })
        ->trigger_on_parse();
    option("--survey-check", [&](const Value &v) {
        const auto format = v ? surveyexport::exportFormatForPath(*v) : std::nullopt;
        if (!format || *format == surveyexport::ExportFormat::Witsml)
            refuse(i18n::translate("Batch",
                "--survey-check erwartet einen Dateinamen mit der Endung .csv oder .xlsx"));
        o.surveyCheckFile = *v;
    });
    app.add_flag_callback("--true-scale", [&] { o.trueScale = true; })->trigger_on_parse();
    const std::pair<const char *, listing::RequestKind> requests[]
        = { { "--at-md", listing::RequestKind::AtMd }, { "--at-tvd", listing::RequestKind::AtTvd },
              { "--every-md", listing::RequestKind::EveryMd } };
    for (const auto &[name, kind] : requests) {
        option(name, [&, name, kind](const Value &v) {
            double number = 0;
            if (!v || !parseNumber(*v, number))
                refuse(i18n::arg(
                    i18n::translate("Batch", "%1 erwartet eine Zahl (z.B. 150.5)"), { name }));
            if (kind == listing::RequestKind::EveryMd && !(number > 0))
                refuse(
                    i18n::translate("Batch", "--every-md erwartet eine Schrittweite größer als 0"));
            o.requests.push_back({ kind, number });
        });
    }
    option("--unit", [&](const Value &v) {
        if (!v || !units::parseUnit(*v, o.unit))
            refuse(i18n::translate("Batch", "--unit erwartet m oder ft"));
        o.unitGiven = true;
    });
    option("--listing", [&](const Value &v) {
        if (!v || !surveyexport::exportFormatForPath(*v))
            refuse(i18n::translate(
                "Batch", "--listing erwartet einen Dateinamen mit der Endung .csv oder .xlsx"));
        o.listingFile = *v;
    });
    // The file's extension is checked once the line is read: with --field it is a folder.
    option("--export", [&](const Value &v) {
        if (!v || v->empty())
            refuse(i18n::translate("Batch",
                "--export erwartet einen Dateinamen mit der Endung .csv, .xlsx, .xml "
                "oder .geojson"));
        o.exportFiles.push_back(*v);
    });
    option("--export-style", [&](const Value &v) {
        if (!v || *v != "de")
            refuse(i18n::translate(
                "Batch", "--export-style erwartet de (Semikolon und Dezimalkomma)"));
        o.germanCsv = true;
    });
    option("--magnetic-field", [&](const Value &v) {
        MagneticFieldRequest request;
        std::string date, error;
        if (!v || !parseMagneticPlace(*v, request, date))
            refuse(i18n::translate("Batch",
                "--magnetic-field erwartet Breite, Länge, Höhe über dem Ellipsoid in Metern und "
                "Datum, durch Kommas getrennt (z.B. 51.45,9.0,250,2025-06-30)"));
        const auto year = magnetic::parseDate(date, error);
        if (!year)
            refuse("--magnetic-field: " + error);
        request.year = *year;
        // A place or date outside the models is a fault of the command line like any
        // other value out of range.
        const magnetic::FieldResult field
            = magnetic::fieldAt(request.latitude, request.longitude, request.height, request.year);
        if (!field)
            refuse("--magnetic-field: " + field.error);
        o.magneticField = request;
    });
    option("--stations", [&](const Value &v) {
        if (!v || v->empty())
            refuse(i18n::translate("Batch", "--stations erwartet eine Datei"));
        input(*v);
        o.stationsMode = true;
    });

    try {
        std::vector<std::string> reversed; // CLI11 takes the words from the back
        for (std::size_t i = args.size(); i-- > 0;) {
            const bool named = args[i].starts_with('-') && app.get_option_no_throw(args[i]);
            reversed.push_back(named ? args[i] : std::to_string(i));
        }
        try {
            app.parse(reversed);
        } catch (const CLI::ArgumentMismatch &) {
            // Only the last word can be an option whose value is missing.
            takeWords();
            actions.at(args.back())(std::nullopt);
        }
        takeWords();
        checkTogether(o, seen);
    } catch (const Refusal &refusal) {
        r.error = refusal.text;
    }
    return r;
}

#include "cli/options.h"

#include "core/cscan.h"
#include "core/filename.h"
#include "core/units.h"
#include "core/win1252.h"
#include "exchange/tablefile.h"
#include "export/exportformats.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace {

bool parseChoice(const std::string &value, std::initializer_list<const char *> choices, int &index)
{
    int i = 0;
    for (const char *c : choices) {
        if (value == c) {
            index = i;
            return true;
        }
        ++i;
    }
    return false;
}

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

// "MD,INC,AZI" or "3,1,2": three headings or column numbers, in the order depth,
// inclination, azimuth.
bool parseColumns(const std::string &text, std::array<exchange::ColumnChoice, 3> &columns)
{
    size_t start = 0;
    for (size_t m = 0; m < 3; ++m) {
        const size_t comma = text.find(',', start);
        if ((m < 2) == (comma == std::string::npos))
            return false;
        std::string item
            = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        while (!item.empty() && item.front() == ' ')
            item.erase(item.begin());
        while (!item.empty() && item.back() == ' ')
            item.pop_back();
        if (item.empty())
            return false;
        columns[m] = {};
        if (item.find_first_not_of("0123456789") == std::string::npos) {
            if (item.size() > 6 || std::stoi(item) < 1)
                return false;
            columns[m].number = std::stoi(item);
        } else {
            columns[m].name = win1252::fromUtf8(item);
        }
        start = comma + 1;
    }
    return true;
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
    const char *what = "";
    switch (missing) {
    case unc::MissingInput::TotalField:
        what = "die Totalintensität des Erdmagnetfelds: --mag-field NT (z.B. 50000)";
        break;
    case unc::MissingInput::Dip:
        what = "die Inklination des Erdmagnetfelds: --mag-dip GRAD (z.B. 72)";
        break;
    case unc::MissingInput::Declination:
        what = "die Deklination, denn die Azimute sind nicht magnetisch: --declination GRAD "
               "mit --north true oder grid (ohne --north gelten die Azimute mit --declination "
               "als magnetisch)";
        break;
    case unc::MissingInput::Convergence:
        what = "die Meridiankonvergenz der Gitterazimute: --grid-convergence GRAD, oder "
               "--crs mit --wellhead";
        break;
    case unc::MissingInput::None:
        break;
    }
    return "Das Fehlermodell " + std::string(unc::modelTitle(model)) + " braucht " + what + ".";
}

bool isGeoJsonPath(const std::string &path)
{
    return lowerExtension(path) == "geojson";
}

const char *cliUsage()
{
    return "Aufruf: dravon-cli [--format weg|free|atk|csv|xlsx|xls|las|witsml] [--every 1|2|5|10]\n"
           "                  [--view side|top|section|3d [--camera AZ,ELEV]] [--name TEXT]\n"
           "                  [--interpolate TEUFE]... [--results-file PFAD] [--plot PFAD]\n"
           "                  [--true-scale] [--save PFAD.dvn]\n"
           "                  [--listing PFAD.csv [--at-md TEUFE]... [--at-tvd SEIGERTEUFE]...\n"
           "                  [--every-md SCHRITT] [--section-azimuth GRAD] [--unit m|ft]]\n"
           "                  [--export PFAD.csv|PFAD.xlsx|PFAD.xml|PFAD.geojson]...\n"
           "                  [--export-style de] [Unsicherheitsoptionen]\n"
           "                  [Tabellenoptionen] [Bohrungsoptionen] [Nachbarbohrungen]\n"
           "                  (--stations DATEI | DATEI)\n"
           "\n"
           "Berechnet den Bohrlochverlauf nach dem Schmiegungskreisverfahren und schreibt die\n"
           "Ergebnistabelle auf die Standardausgabe.\n"
           "\n"
           "  DATEI                  Messdatei im gewählten Format (\"-\": Standardeingabe);\n"
           "                         eine Datei mit der Endung .dvn wird als Dokument gelesen\n"
           "  --stations DATEI       Messwertzeilen wie im Eingabedialog (Teufe Neigung Azimut)\n"
           "  --format weg|free|atk|csv|xlsx|xls|las|witsml\n"
           "                         Format der Messdatei (Vorgabe: free; .csv, .tsv, .xlsx,\n"
           "                         .xls, .las und .xml (WITSML) werden an der Endung erkannt)\n"
           "  --every 1|2|5|10       nur jeden n-ten Messwert einlesen (Vorgabe: 1)\n"
           "  --view side|top|section|3d|ladder|cylinder\n"
           "                         Seitenansicht (Vorgabe), Draufsicht, Vertikalschnitt\n"
           "                         (Seigerteufe über dem Vertikalschnitt), 3D-Ansicht, Abstand\n"
           "                         und Trennfaktor der Nachbarbohrungen über der Teufe oder\n"
           "                         mitlaufender Zylinder, in --plot\n"
           "  --camera AZ,ELEV       Blickrichtung der 3D-Ansicht: Azimut und Elevation in Grad\n"
           "                         (Vorgabe: 225,25, aus Südwesten von schräg oben; 0,0 von\n"
           "                         Norden, 180,90 von oben mit Norden oben)\n"
           "  --name TEXT            Name der Bohrung\n"
           "  --interpolate TEUFE    Interpolation bei dieser Teufe (mehrfach möglich)\n"
           "  --results-file PFAD    Ergebnisse wie \"Ergebnisse ausgeben\" in diese Datei "
           "schreiben\n"
           "  --plot PFAD            Grafik als .png, .svg oder .pdf schreiben\n"
           "  --true-scale           Seitenansicht der Grafik maßstabsgetreu (nicht überhöht)\n"
           "  --save PFAD.dvn        das Dokument wie \"Speichern\" in diese Datei schreiben\n"
           "                         (Name, Format, Messwerte, Beschreibung, Lage der Bohrung)\n"
           "  --help, --version      diese Hilfe bzw. die Version anzeigen\n"
           "\n"
           "Tabellenoptionen (csv, xlsx, xls, las, witsml):\n"
           "  --columns A,B,C        Spalten für Teufe, Neigung, Azimut: Überschrift oder Nummer\n"
           "                         (Vorgabe: an Überschriften wie Teufe/MD, Neigung/Inc, "
           "Azimut/Azi\n"
           "                         erkannt)\n"
           "  --decimal comma|point  Dezimalzeichen (Vorgabe: erkannt)\n"
           "  --delimiter ';'|','|tab|space\n"
           "                         Trennzeichen einer Textdatei (Vorgabe: erkannt)\n"
           "  --depth-unit m|ft      Einheit der Teufe; Fuß wird in Meter umgerechnet (Vorgabe:\n"
           "                         ft, wenn die Überschrift der Teufe Fuß nennt, sonst m)\n"
           "  --sheet NAME|N         Tabellenblatt einer .xlsx- oder .xls-Datei oder Trajektorie\n"
           "                         einer WITSML-Datei (Vorgabe: das erste)\n"
           "\n"
           "Punkte und Listen der Bahn:\n"
           "  --listing PFAD         Liste der Bahn als .csv oder .xlsx (ohne Anfrage: alle\n"
           "                         Messpunkte)\n"
           "  --at-md TEUFE          Punkt auf der Bahn bei dieser Teufe (mehrfach möglich)\n"
           "  --at-tvd SEIGERTEUFE   jeder Punkt bei dieser Seigerteufe (mehrfach möglich)\n"
           "  --every-md SCHRITT     Punkte im Abstand SCHRITT vom ersten bis zum letzten Punkt\n"
           "  --section-azimuth GRAD Azimut des Vertikalschnitts in Liste und Grafik (Vorgabe:\n"
           "                         der im Dokument gespeicherte, sonst der der Endabweichung)\n"
           "  --unit m|ft            Längen der Liste in Metern (Vorgabe) oder Fuß, Abknickung je\n"
           "                         30 m bzw. je 100 ft, auch im Vertikalschnitt von --plot; die\n"
           "                         Ergebnistabelle bleibt in Metern\n"
           "  --export PFAD          die berechneten Messpunkte als .csv, .xlsx oder .xml\n"
           "                         (WITSML-Trajektorie) schreiben (mehrfach möglich; Längen\n"
           "                         in --unit)\n"
           "  --export PFAD.geojson  Karte der Bohrung als GeoJSON (WGS 84, Höhe über NN);\n"
           "                         braucht --crs und --wellhead oder gespeicherte Werte\n"
           "  --export-style de      jede CSV-Datei von --export mit Semikolon und Dezimalkomma\n"
           "\n"
           "Unsicherheitsoptionen (Positionsunsicherheit in --listing und --export .csv/.xlsx):\n"
           "  --error-model iscwsa-mwd-rev5|iscwsa-mwd-rev4|none\n"
           "                         Fehlermodell der Messungen (MWD); braucht --mag-field,\n"
           "                         --mag-dip und bei geographisch Nord oder Gitternord\n"
           "                         --declination mit --north (bei Gitternord auch\n"
           "                         --grid-convergence oder --crs mit --wellhead)\n"
           "  --latitude GRAD        geographische Breite (Nord positiv); Vorgabe: die des\n"
           "                         Ansatzpunkts aus --crs und --wellhead, sonst unbekannt\n"
           "                         (die MWD-Terme brauchen sie nicht)\n"
           "  --gravity M/S2         Schwerebeschleunigung (Vorgabe: 9.80665)\n"
           "  --mag-field NT         Totalintensität des Erdmagnetfelds in nT\n"
           "  --mag-dip GRAD         Inklination des Erdmagnetfelds (abwärts positiv)\n"
           "  --ellipse-sigma K      Fehlerellipse beim K-fachen von σ (Vorgabe: 2); σ und\n"
           "                         Kovarianzen gelten für 1 σ, immer in m und m²\n"
           "  --error-terms PFAD.csv je Messpunkt und Fehlerquelle die Kovarianzen (NN, EE,\n"
           "                         VV, NE, NV, EV in m²) als CSV schreiben\n"
           "\n"
           "Bohrungsoptionen (ersetzen die im Dokument gespeicherten Werte):\n"
           "  --wellhead E,N         Ansatzpunkt: Rechtswert und Hochwert in Metern\n"
           "  --elevation Z          Höhe des Teufenbezugspunkts über dem Meeresspiegel (m)\n"
           "  --crs EPSG:NNNN        Koordinatenbezugssystem des Ansatzpunkts\n"
           "  --north true|grid|magnetic\n"
           "                         Bezug der gemessenen Azimute: geographisch Nord (Vorgabe),\n"
           "                         Gitternord oder magnetisch Nord\n"
           "  --grid-convergence GRAD\n"
           "                         Meridiankonvergenz: Gitterazimut = geographischer Azimut\n"
           "                         - Konvergenz (positiv, wo Gitternord östlich liegt)\n"
           "  --declination GRAD     Deklination: geographischer Azimut = magnetischer Azimut\n"
           "                         + Deklination (Ost positiv); ohne --north gelten die\n"
           "                         Azimute damit als magnetisch\n"
           "\n"
           "Nachbarbohrungen (Annäherung und Trennfaktor nach der ISCWSA-Regel; die im Dokument\n"
           "gespeicherten werden immer verglichen):\n"
           "  --offset DATEI         Nachbarbohrung aus einem Dokument (.dvn), einer Tabelle\n"
           "                         (Spalten an den Überschriften erkannt) oder einer Messdatei\n"
           "                         im Format von --format (mehrfach möglich); ihre Azimute\n"
           "                         gelten in der Nordrichtung der Bohrung (ein Dokument mit\n"
           "                         anderer wird gedreht). Die folgenden --offset-Optionen\n"
           "                         gelten für das --offset davor:\n"
           "  --offset-position N,E  Ansatzpunkt: Nord und Ost vom Ansatzpunkt der Bohrung (m)\n"
           "  --offset-wellhead E,N  Ansatzpunkt: Rechtswert und Hochwert im\n"
           "                         Koordinatenbezugssystem der Bohrung (--crs, --wellhead);\n"
           "                         Vorgabe: der eines Dokuments\n"
           "  --offset-name TEXT     Name (Vorgabe: der des Dokuments oder Dateiname)\n"
           "  --offset-elevation Z   Höhe ihres Teufenbezugspunkts über dem Meeresspiegel (m);\n"
           "                         Vorgabe: die eines Dokuments, sonst die der Bohrung\n"
           "  --offset-hole M        Bohrlochdurchmesser in Metern (Vorgabe: 0)\n"
           "  --offset-kickoff TEUFE Seitenast: verlässt bei dieser Teufe (m) die Mutterbohrung\n"
           "                         und liegt darüber in ihr, an ihrem Ansatzpunkt\n"
           "  --offset-parent NAME   Mutterbohrung des Seitenasts: eine andere Nachbarbohrung;\n"
           "                         Vorgabe: die Bohrung selbst\n"
           "  --hole M               Bohrlochdurchmesser der Bohrung in Metern (Vorgabe: 0)\n"
           "  --surface-margin M     Sicherheitsabstand Sm (Vorgabe: 0.3)\n"
           "  --project-ahead M      Unsicherheit voraus σpa, 1 σ (Vorgabe: 0.5)\n"
           "  --sf-k K               Faktor k der Regel (Vorgabe: 3.5)\n"
           "  --sf-warn X            Meldung unter diesem Trennfaktor (Vorgabe: 1.5)\n"
           "  --clearance PFAD       je Messpunkt (und Schritt von --every-md) und\n"
           "                         Nachbarbohrung eine Zeile als .csv oder .xlsx: nächster\n"
           "                         Punkt, Richtung, Abstand, Radien (PCR) und Trennfaktor\n"
           "                         (Längen in Metern)\n"
           "  Der Trennfaktor braucht ein Fehlermodell (Unsicherheitsoptionen); es gilt für alle\n"
           "  Bohrungen, außer ein Dokument von --offset bringt sein eigenes mit. Ohne Modell\n"
           "  nur Abstände. --save speichert die Nachbarbohrungen im Dokument.\n"
           "\n"
           "Exit-Status: 0 ohne Fehlermeldung, 1 nach einer Fehlermeldung (fehlerhafte Zeile,\n"
           "Abbruch, abgelehnte Teufe, nicht verglichene Nachbarbohrung), 2 bei falschem "
           "Aufruf,\n"
           "unlesbarer oder abgelehnter Datei, 3 bei einem Trennfaktor unter 1 (die Bohrungen\n"
           "können sich berühren). 2 geht 3 vor, 3 geht 1 vor.\n"
           "Die Längen von --at-md, --at-tvd und --every-md gelten in der Einheit von --unit;\n"
           "eine Teufe oder Seigerteufe außerhalb der Bahn gibt eine Meldung und Status 1.\n";
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
        if (value == "de") {
            language = i18n::Language::German;
        } else if (value == "en") {
            language = i18n::Language::English;
        } else {
            // Both languages, as neither is settled yet.
            error = "--lang erwartet de oder en (--lang expects de or en)";
            return language;
        }
    }
    return language;
}

CliParseResult parseCommandLine(const std::vector<std::string> &args)
{
    CliParseResult r;
    CliOptions &o = r.options;
    bool haveInput = false;
    bool formatGiven = false, delimiterGiven = false;
    std::string tableOption; // a table option given, for the message when there is no table
    auto fail = [&](const std::string &text) {
        r.error = text;
        return r;
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string &a = args[i];
        auto value = [&](std::string &out) {
            if (i + 1 >= args.size())
                return false;
            out = args[++i];
            return true;
        };
        std::string v;
        if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a == "--lang" || a.starts_with("--lang=")) {
            // Chosen before the parse (chooseLanguage); only its value is passed over.
            if (a == "--lang")
                ++i;
        } else if (a == "--version") {
            o.version = true;
        } else if (a == "--format") {
            int kind = 0;
            if (!value(v)
                || !parseChoice(
                    v, { "weg", "free", "atk", "csv", "xlsx", "xls", "las", "witsml" }, kind))
                return fail("--format erwartet weg, free, atk, csv, xlsx, xls, las oder witsml");
            formatGiven = true;
            constexpr CliOptions::TableKind tables[] = { CliOptions::TableKind::Delimited,
                CliOptions::TableKind::Xlsx, CliOptions::TableKind::Xls, CliOptions::TableKind::Las,
                CliOptions::TableKind::Witsml };
            if (kind <= 2)
                o.format = kind;
            else
                o.table = tables[kind - 3];
        } else if (a == "--columns") {
            if (!value(v) || !parseColumns(v, o.mapping.columns))
                return fail(
                    "--columns erwartet drei Überschriften oder Spaltennummern für Teufe, "
                    "Neigung und Azimut, durch Kommas getrennt (z.B. MD,INC,AZI oder 2,3,1)");
            tableOption = "--columns";
        } else if (a == "--decimal") {
            int sign = 0;
            if (!value(v) || !parseChoice(v, { "comma", "point" }, sign))
                return fail("--decimal erwartet comma oder point");
            o.mapping.decimal
                = sign == 0 ? exchange::DecimalSign::Comma : exchange::DecimalSign::Point;
            tableOption = "--decimal";
        } else if (a == "--delimiter") {
            int d = 0;
            if (!value(v) || !parseChoice(v, { ";", ",", "tab", "space", "semicolon", "comma" }, d))
                return fail("--delimiter erwartet ';', ',', tab oder space");
            constexpr exchange::Delimiter kinds[] = { exchange::Delimiter::Semicolon,
                exchange::Delimiter::Comma, exchange::Delimiter::Tab, exchange::Delimiter::Blanks,
                exchange::Delimiter::Semicolon, exchange::Delimiter::Comma };
            o.delimiter = kinds[d];
            delimiterGiven = true;
        } else if (a == "--depth-unit") {
            int unit = 0;
            if (!value(v) || !parseChoice(v, { "m", "ft" }, unit))
                return fail("--depth-unit erwartet m oder ft");
            o.mapping.unit = unit == 0 ? exchange::DepthUnit::Metres : exchange::DepthUnit::Feet;
            tableOption = "--depth-unit";
        } else if (a == "--sheet") {
            if (!value(v) || v.empty())
                return fail("--sheet erwartet den Namen oder die Nummer eines Tabellenblatts");
            o.sheet = v;
        } else if (a == "--every") {
            if (!value(v) || !parseChoice(v, { "1", "2", "5", "10" }, o.datenauswahl))
                return fail("--every erwartet 1, 2, 5 oder 10");
        } else if (a == "--view") {
            int view = 0;
            if (!value(v)
                || !parseChoice(v, { "side", "top", "section", "3d", "ladder", "cylinder" }, view))
                return fail("--view erwartet side, top, section, 3d, ladder oder cylinder");
            // The vertical section is drawn from the side view's computation.
            o.sectionView = view == 2;
            o.view3d = view == 3;
            o.ladderView = view == 4;
            o.cylinderView = view == 5;
            o.ansicht = view == 1 ? 1 : 0;
        } else if (a == "--camera") {
            double azimuth = 0, elevation = 0;
            if (!value(v) || !parseCamera(v, azimuth, elevation))
                return fail("--camera erwartet Azimut und Elevation der 3D-Ansicht in Grad, durch "
                            "ein Komma getrennt, die Elevation von -90 bis 90 (z.B. 225,25)");
            o.cameraAzimuth = azimuth;
            o.cameraElevation = elevation;
        } else if (a == "--name") {
            if (!value(v))
                return fail("--name erwartet einen Text");
            o.name = v;
        } else if (a == "--interpolate") {
            float depth = 0;
            if (!value(v) || !parseDepth(v, depth))
                return fail("--interpolate erwartet eine Teufe in Metern (z.B. 150.5)");
            o.interpolate.push_back(depth);
        } else if (a == "--results-file") {
            if (!value(v) || v.empty())
                return fail("--results-file erwartet einen Dateinamen");
            o.resultsFile = v;
        } else if (a == "--plot") {
            if (!value(v) || v.empty())
                return fail("--plot erwartet einen Dateinamen");
            o.plotFile = v;
        } else if (a == "--save") {
            if (!value(v) || !v.ends_with(".dvn") || v.size() <= 4)
                return fail("--save erwartet einen Dateinamen mit der Endung .dvn");
            o.savePath = v;
        } else if (a == "--wellhead") {
            Wellhead w;
            if (!value(v) || !parseWellhead(v, w))
                return fail("--wellhead erwartet Rechtswert und Hochwert in Metern, durch ein "
                            "Komma getrennt (z.B. 500000,5700000)");
            o.wellhead = w;
        } else if (a == "--elevation") {
            double z = 0;
            if (!value(v) || !parseNumber(v, z) || !validLength(z))
                return fail("--elevation erwartet die Höhe über dem Meeresspiegel in Metern "
                            "(z.B. 250.5)");
            o.elevation = z;
        } else if (a == "--crs") {
            if (!value(v) || !(o.epsg = parseEpsg(v)))
                return fail("--crs erwartet einen EPSG-Code (z.B. EPSG:25832)");
        } else if (a == "--north") {
            int index = 0;
            if (!value(v) || !parseChoice(v, { "true", "grid", "magnetic" }, index))
                return fail("--north erwartet true, grid oder magnetic");
            o.north = static_cast<NorthReference>(index);
        } else if (a == "--grid-convergence" || a == "--declination") {
            double angle = 0;
            if (!value(v) || !parseNumber(v, angle) || !validTurnAngle(angle))
                return fail(a + " erwartet einen Winkel in Grad von -180 bis 180 (z.B. 1.5)");
            (a == "--declination" ? o.declination : o.gridConvergence) = angle;
        } else if (a == "--error-model") {
            std::optional<ErrorModel> model;
            if (!value(v) || !(model = unc::modelFromKey(v)))
                return fail("--error-model erwartet iscwsa-mwd-rev5, iscwsa-mwd-rev4 oder none");
            o.errorModel = model;
        } else if (a == "--latitude" || a == "--mag-dip") {
            double angle = 0;
            if (!value(v) || !parseNumber(v, angle) || !validLatitude(angle))
                return fail(a + " erwartet einen Winkel in Grad von -90 bis 90 (z.B. 72)");
            (a == "--latitude" ? o.latitude : o.magDip) = angle;
        } else if (a == "--gravity") {
            double g = 0;
            if (!value(v) || !parseNumber(v, g) || !validGravity(g))
                return fail("--gravity erwartet die Schwerebeschleunigung in m/s² von 9 bis 10.5 "
                            "(z.B. 9.80665)");
            o.gravity = g;
        } else if (a == "--mag-field") {
            double field = 0;
            if (!value(v) || !parseNumber(v, field) || !validTotalField(field))
                return fail("--mag-field erwartet die Totalintensität des Erdmagnetfelds in nT "
                            "von 10000 bis 100000 (z.B. 50000)");
            o.magField = field;
        } else if (a == "--ellipse-sigma") {
            double k = 0;
            if (!value(v) || !parseNumber(v, k) || !validEllipseSigma(k))
                return fail("--ellipse-sigma erwartet ein Vielfaches von σ größer als 0 und "
                            "höchstens 10 (z.B. 2)");
            o.ellipseSigma = k;
        } else if (a == "--error-terms") {
            if (!value(v) || lowerExtension(v) != "csv" || v.size() <= 4)
                return fail("--error-terms erwartet einen Dateinamen mit der Endung .csv");
            o.errorTermsFile = v;
        } else if (a == "--offset") {
            if (!value(v) || v.empty())
                return fail("--offset erwartet eine Datei (Dokument .dvn, Tabelle oder "
                            "Messdatei)");
            o.offsets.push_back({});
            o.offsets.back().path = v;
        } else if (a.starts_with("--offset-")) {
            if (o.offsets.empty())
                return fail(a
                    + " gilt für die Nachbarbohrung davor und braucht ein --offset "
                      "DATEI vor sich");
            OffsetOption &off = o.offsets.back();
            double number = 0;
            if (a == "--offset-name") {
                if (!value(v) || v.empty() || v.size() > kMaxOffsetNameSize)
                    return fail("--offset-name erwartet einen Namen (höchstens 200 Bytes)");
                off.name = v;
            } else if (a == "--offset-parent") {
                if (!value(v) || v.empty() || v.size() > kMaxOffsetNameSize)
                    return fail("--offset-parent erwartet den Namen der Mutterbohrung");
                off.parent = v;
            } else if (a == "--offset-position") {
                Wellhead w; // north before east here
                if (!value(v) || !parseWellhead(v, w))
                    return fail("--offset-position erwartet Nord und Ost vom Ansatzpunkt der "
                                "Bohrung in Metern, durch ein Komma getrennt (z.B. 0,100)");
                off.position = std::pair(w.easting, w.northing);
            } else if (a == "--offset-wellhead") {
                Wellhead w;
                if (!value(v) || !parseWellhead(v, w))
                    return fail("--offset-wellhead erwartet Rechtswert und Hochwert in Metern, "
                                "durch ein Komma getrennt (z.B. 500100,5700000)");
                off.wellhead = w;
            } else if (a == "--offset-elevation") {
                if (!value(v) || !parseNumber(v, number) || !validLength(number))
                    return fail("--offset-elevation erwartet die Höhe über dem Meeresspiegel in "
                                "Metern (z.B. 250.5)");
                off.elevation = number;
            } else if (a == "--offset-hole") {
                if (!value(v) || !parseNumber(v, number) || !validHoleDiameter(number))
                    return fail("--offset-hole erwartet den Bohrlochdurchmesser in Metern von 0 "
                                "bis 5 (z.B. 0.6096)");
                off.hole = number;
            } else if (a == "--offset-kickoff") {
                if (!value(v) || !parseNumber(v, number) || !validLength(number) || number < 0)
                    return fail("--offset-kickoff erwartet die Abzweigteufe in Metern (z.B. "
                                "1200)");
                off.kickOff = number;
            } else {
                return fail("Unbekannte Option: " + a);
            }
        } else if (a == "--hole") {
            double d = 0;
            if (!value(v) || !parseNumber(v, d) || !validHoleDiameter(d))
                return fail("--hole erwartet den Bohrlochdurchmesser in Metern von 0 bis 5 (z.B. "
                            "0.9144)");
            o.hole = d;
        } else if (a == "--surface-margin" || a == "--project-ahead") {
            double d = 0;
            if (!value(v) || !parseNumber(v, d) || !validClearanceLength(d))
                return fail(a + " erwartet eine Länge in Metern von 0 bis 100 (z.B. "
                    + (a == "--surface-margin" ? "0.3)" : "0.5)"));
            (a == "--surface-margin" ? o.surfaceMargin : o.projectAhead) = d;
        } else if (a == "--sf-k" || a == "--sf-warn") {
            double f = 0;
            if (!value(v) || !parseNumber(v, f) || !validClearanceFactor(f))
                return fail(a + " erwartet eine Zahl größer als 0 und höchstens 100 (z.B. "
                    + (a == "--sf-k" ? "3.5)" : "1.5)"));
            (a == "--sf-k" ? o.sfScaling : o.sfWarning) = f;
        } else if (a == "--clearance") {
            const auto format = value(v) ? surveyexport::exportFormatForPath(v) : std::nullopt;
            if (!format || *format == surveyexport::ExportFormat::Witsml)
                return fail("--clearance erwartet einen Dateinamen mit der Endung .csv oder .xlsx");
            o.clearanceFile = v;
        } else if (a == "--true-scale") {
            o.trueScale = true;
        } else if (a == "--at-md" || a == "--at-tvd" || a == "--every-md") {
            double number = 0;
            if (!value(v) || !parseNumber(v, number))
                return fail(a + " erwartet eine Zahl (z.B. 150.5)");
            if (a == "--every-md" && !(number > 0))
                return fail("--every-md erwartet eine Schrittweite größer als 0");
            const listing::RequestKind kind = a == "--at-md" ? listing::RequestKind::AtMd
                : a == "--at-tvd"                            ? listing::RequestKind::AtTvd
                                                             : listing::RequestKind::EveryMd;
            o.requests.push_back({ kind, number });
        } else if (a == "--section-azimuth") {
            double degrees = 0;
            if (!value(v) || !parseNumber(v, degrees) || degrees < 0 || degrees > 360)
                return fail("--section-azimuth erwartet einen Azimut von 0 bis 360 Grad");
            o.sectionAzimuth = degrees;
        } else if (a == "--unit") {
            if (!value(v) || !units::parseUnit(v, o.unit))
                return fail("--unit erwartet m oder ft");
            o.unitGiven = true;
        } else if (a == "--listing") {
            if (!value(v) || !surveyexport::exportFormatForPath(v))
                return fail("--listing erwartet einen Dateinamen mit der Endung .csv oder .xlsx");
            o.listingFile = v;
        } else if (a == "--export") {
            if (!value(v) || !(surveyexport::exportFormatForPath(v) || isGeoJsonPath(v)))
                return fail("--export erwartet einen Dateinamen mit der Endung .csv, .xlsx, .xml "
                            "oder .geojson");
            o.exportFiles.push_back(v);
        } else if (a == "--export-style") {
            if (!value(v) || v != "de")
                return fail("--export-style erwartet de (Semikolon und Dezimalkomma)");
            o.germanCsv = true;
        } else if (a == "--stations") {
            if (!value(v) || v.empty())
                return fail("--stations erwartet eine Datei");
            if (haveInput)
                return fail("Es ist nur eine Eingabedatei erlaubt");
            o.stationsMode = true;
            o.input = v;
            haveInput = true;
        } else if (a.size() > 1 && a[0] == '-' && a != "-") {
            return fail("Unbekannte Option: " + a);
        } else {
            if (haveInput)
                return fail("Es ist nur eine Eingabedatei erlaubt");
            o.input = a;
            haveInput = true;
        }
    }
    if (!o.help && !o.version && !haveInput)
        return fail("Keine Eingabedatei angegeben");
    if (!formatGiven && !o.stationsMode) {
        if (const auto kind = exchange::tableFormatForPath(o.input))
            o.table = tableKindOfFormat(*kind);
    }
    if (o.table != CliOptions::TableKind::None && o.stationsMode)
        return fail("--stations liest Messwertzeilen, keine Tabelle");
    if (o.table == CliOptions::TableKind::None
        && (!tableOption.empty() || delimiterGiven || !o.sheet.empty()))
        return fail((tableOption.empty() ? std::string(delimiterGiven ? "--delimiter" : "--sheet")
                                         : tableOption)
            + " gilt nur für Tabellen (--format csv, xlsx oder xls, Endung .csv, .tsv, .xlsx "
              "oder .xls)");
    if (o.table == CliOptions::TableKind::Xlsx && delimiterGiven)
        return fail("--delimiter gilt nur für Textdateien (csv), nicht für .xlsx");
    if ((o.table == CliOptions::TableKind::Xls || o.table == CliOptions::TableKind::Las
            || o.table == CliOptions::TableKind::Witsml)
        && delimiterGiven)
        return fail("--delimiter gilt nur für Textdateien (csv), nicht für .xls, LAS und WITSML");
    if (o.table == CliOptions::TableKind::Delimited && !o.sheet.empty())
        return fail("--sheet gilt nur für .xlsx- und .xls-Dateien");
    if (o.table == CliOptions::TableKind::Las && !o.sheet.empty())
        return fail("--sheet gilt nur für .xlsx-, .xls- und WITSML-Dateien, nicht für LAS");
    if (o.germanCsv
        && std::none_of(o.exportFiles.begin(), o.exportFiles.end(), [](const std::string &p) {
               return surveyexport::exportFormatForPath(p) == surveyexport::ExportFormat::Csv;
           }))
        return fail("--export-style gilt nur für --export PFAD.csv");
    if (o.cameraAzimuth && !o.view3d)
        return fail("--camera gilt nur mit --view 3d");
    // The steps of --every-md also give the clearance file rows between the stations.
    const bool onlySteps = std::all_of(o.requests.begin(), o.requests.end(),
        [](const listing::Request &r) { return r.kind == listing::RequestKind::EveryMd; });
    if (!o.requests.empty() && o.listingFile.empty() && (o.clearanceFile.empty() || !onlySteps))
        return fail(o.clearanceFile.empty()
                ? "--at-md, --at-tvd und --every-md brauchen --listing PFAD.csv"
                : "--at-md und --at-tvd brauchen --listing PFAD.csv");
    for (const OffsetOption &off : o.offsets) {
        if (off.position && off.wellhead)
            return fail("--offset " + off.path
                + ": --offset-position und --offset-wellhead schließen einander aus");
        if (off.parent && !off.kickOff)
            return fail("--offset " + off.path + ": --offset-parent braucht --offset-kickoff");
        if (off.kickOff && (off.position || off.wellhead))
            return fail("--offset " + off.path
                + ": ein Seitenast (--offset-kickoff) liegt am Ansatzpunkt seiner Mutterbohrung, "
                  "ohne --offset-position oder --offset-wellhead");
    }
    return r;
}

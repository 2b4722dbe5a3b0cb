#include "cli/options.h"

#include "core/cscan.h"
#include "core/filename.h"
#include "core/units.h"
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
            columns[m].name = item;
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
    case unc::MissingInput::None:
        return {}; // nothing is missing
    }
    return i18n::arg(i18n::translate("Batch", text), { unc::modelTitle(model) });
}

bool isGeoJsonPath(const std::string &path)
{
    return lowerExtension(path) == "geojson";
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
        "                         erkannt)\n"),
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
                return fail(i18n::translate(
                    "Batch", "--format erwartet weg, free, atk, csv, xlsx, xls, las oder witsml"));
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
                return fail(i18n::translate("Batch",
                    "--columns erwartet drei Überschriften oder Spaltennummern für Teufe, "
                    "Neigung und Azimut, durch Kommas getrennt (z.B. MD,INC,AZI oder 2,3,1)"));
            tableOption = "--columns";
        } else if (a == "--decimal") {
            int sign = 0;
            if (!value(v) || !parseChoice(v, { "comma", "point" }, sign))
                return fail(i18n::translate("Batch", "--decimal erwartet comma oder point"));
            o.mapping.decimal
                = sign == 0 ? exchange::DecimalSign::Comma : exchange::DecimalSign::Point;
            tableOption = "--decimal";
        } else if (a == "--delimiter") {
            int d = 0;
            if (!value(v) || !parseChoice(v, { ";", ",", "tab", "space", "semicolon", "comma" }, d))
                return fail(
                    i18n::translate("Batch", "--delimiter erwartet ';', ',', tab oder space"));
            constexpr exchange::Delimiter kinds[] = { exchange::Delimiter::Semicolon,
                exchange::Delimiter::Comma, exchange::Delimiter::Tab, exchange::Delimiter::Blanks,
                exchange::Delimiter::Semicolon, exchange::Delimiter::Comma };
            o.delimiter = kinds[d];
            delimiterGiven = true;
        } else if (a == "--depth-unit") {
            int unit = 0;
            if (!value(v) || !parseChoice(v, { "m", "ft" }, unit))
                return fail(i18n::translate("Batch", "--depth-unit erwartet m oder ft"));
            o.mapping.unit = unit == 0 ? exchange::DepthUnit::Metres : exchange::DepthUnit::Feet;
            tableOption = "--depth-unit";
        } else if (a == "--sheet") {
            if (!value(v) || v.empty())
                return fail(i18n::translate(
                    "Batch", "--sheet erwartet den Namen oder die Nummer eines Tabellenblatts"));
            o.sheet = v;
        } else if (a == "--every") {
            if (!value(v) || !parseChoice(v, { "1", "2", "5", "10" }, o.datenauswahl))
                return fail(i18n::translate("Batch", "--every erwartet 1, 2, 5 oder 10"));
        } else if (a == "--view") {
            int view = 0;
            if (!value(v)
                || !parseChoice(v, { "side", "top", "section", "3d", "ladder", "cylinder" }, view))
                return fail(i18n::translate(
                    "Batch", "--view erwartet side, top, section, 3d, ladder oder cylinder"));
            // The vertical section is drawn from the side view's computation.
            o.sectionView = view == 2;
            o.view3d = view == 3;
            o.ladderView = view == 4;
            o.cylinderView = view == 5;
            o.ansicht = view == 1 ? 1 : 0;
        } else if (a == "--camera") {
            double azimuth = 0, elevation = 0;
            if (!value(v) || !parseCamera(v, azimuth, elevation))
                return fail(i18n::translate("Batch",
                    "--camera erwartet Azimut und Elevation der 3D-Ansicht in Grad, durch "
                    "ein Komma getrennt, die Elevation von -90 bis 90 (z.B. 225,25)"));
            o.cameraAzimuth = azimuth;
            o.cameraElevation = elevation;
        } else if (a == "--name") {
            if (!value(v))
                return fail(i18n::translate("Batch", "--name erwartet einen Text"));
            o.name = v;
        } else if (a == "--interpolate") {
            float depth = 0;
            if (!value(v) || !parseDepth(v, depth))
                return fail(i18n::translate(
                    "Batch", "--interpolate erwartet eine Teufe in Metern (z.B. 150.5)"));
            o.interpolate.push_back(depth);
        } else if (a == "--results-file") {
            if (!value(v) || v.empty())
                return fail(i18n::translate("Batch", "--results-file erwartet einen Dateinamen"));
            o.resultsFile = v;
        } else if (a == "--plot") {
            if (!value(v) || v.empty())
                return fail(i18n::translate("Batch", "--plot erwartet einen Dateinamen"));
            o.plotFile = v;
        } else if (a == "--save") {
            if (!value(v) || !v.ends_with(".dvn") || v.size() <= 4)
                return fail(i18n::translate(
                    "Batch", "--save erwartet einen Dateinamen mit der Endung .dvn"));
            o.savePath = v;
        } else if (a == "--wellhead") {
            Wellhead w;
            if (!value(v) || !parseWellhead(v, w))
                return fail(i18n::translate("Batch",
                    "--wellhead erwartet Rechtswert und Hochwert in Metern, durch ein "
                    "Komma getrennt (z.B. 500000,5700000)"));
            o.wellhead = w;
        } else if (a == "--elevation") {
            double z = 0;
            if (!value(v) || !parseNumber(v, z) || !validLength(z))
                return fail(i18n::translate("Batch",
                    "--elevation erwartet die Höhe über dem Meeresspiegel in Metern "
                    "(z.B. 250.5)"));
            o.elevation = z;
        } else if (a == "--crs") {
            if (!value(v) || !(o.epsg = parseEpsg(v)))
                return fail(
                    i18n::translate("Batch", "--crs erwartet einen EPSG-Code (z.B. EPSG:25832)"));
        } else if (a == "--north") {
            int index = 0;
            if (!value(v) || !parseChoice(v, { "true", "grid", "magnetic" }, index))
                return fail(i18n::translate("Batch", "--north erwartet true, grid oder magnetic"));
            o.north = static_cast<NorthReference>(index);
        } else if (a == "--grid-convergence" || a == "--declination") {
            double angle = 0;
            if (!value(v) || !parseNumber(v, angle) || !validTurnAngle(angle))
                return fail(
                    i18n::arg(i18n::translate("Batch",
                                  "%1 erwartet einen Winkel in Grad von -180 bis 180 (z.B. 1.5)"),
                        { a }));
            (a == "--declination" ? o.declination : o.gridConvergence) = angle;
        } else if (a == "--error-model") {
            std::optional<ErrorModel> model;
            if (!value(v) || !(model = unc::modelFromKey(v)))
                return fail(i18n::translate(
                    "Batch", "--error-model erwartet iscwsa-mwd-rev5, iscwsa-mwd-rev4 oder none"));
            o.errorModel = model;
        } else if (a == "--latitude" || a == "--mag-dip") {
            double angle = 0;
            if (!value(v) || !parseNumber(v, angle) || !validLatitude(angle))
                return fail(
                    i18n::arg(i18n::translate("Batch",
                                  "%1 erwartet einen Winkel in Grad von -90 bis 90 (z.B. 72)"),
                        { a }));
            (a == "--latitude" ? o.latitude : o.magDip) = angle;
        } else if (a == "--gravity") {
            double g = 0;
            if (!value(v) || !parseNumber(v, g) || !validGravity(g))
                return fail(i18n::translate("Batch",
                    "--gravity erwartet die Schwerebeschleunigung in m/s² von 9 bis 10.5 "
                    "(z.B. 9.80665)"));
            o.gravity = g;
        } else if (a == "--mag-field") {
            double field = 0;
            if (!value(v) || !parseNumber(v, field) || !validTotalField(field))
                return fail(i18n::translate("Batch",
                    "--mag-field erwartet die Totalintensität des Erdmagnetfelds in nT "
                    "von 10000 bis 100000 (z.B. 50000)"));
            o.magField = field;
        } else if (a == "--ellipse-sigma") {
            double k = 0;
            if (!value(v) || !parseNumber(v, k) || !validEllipseSigma(k))
                return fail(i18n::translate("Batch",
                    "--ellipse-sigma erwartet ein Vielfaches von σ größer als 0 und "
                    "höchstens 10 (z.B. 2)"));
            o.ellipseSigma = k;
        } else if (a == "--error-terms") {
            if (!value(v) || lowerExtension(v) != "csv" || v.size() <= 4)
                return fail(i18n::translate(
                    "Batch", "--error-terms erwartet einen Dateinamen mit der Endung .csv"));
            o.errorTermsFile = v;
        } else if (a == "--offset") {
            if (!value(v) || v.empty())
                return fail(i18n::translate("Batch",
                    "--offset erwartet eine Datei (Dokument .dvn, Tabelle oder "
                    "Messdatei)"));
            o.offsets.push_back({});
            o.offsets.back().path = v;
        } else if (a.starts_with("--offset-")) {
            if (o.offsets.empty())
                return fail(i18n::arg(i18n::translate("Batch",
                                          "%1 gilt für die Nachbarbohrung davor und braucht ein "
                                          "--offset DATEI vor sich"),
                    { a }));
            OffsetOption &off = o.offsets.back();
            double number = 0;
            if (a == "--offset-name") {
                if (!value(v) || v.empty() || v.size() > kMaxOffsetNameSize)
                    return fail(i18n::translate(
                        "Batch", "--offset-name erwartet einen Namen (höchstens 200 Bytes)"));
                off.name = v;
            } else if (a == "--offset-parent") {
                if (!value(v) || v.empty() || v.size() > kMaxOffsetNameSize)
                    return fail(i18n::translate(
                        "Batch", "--offset-parent erwartet den Namen der Mutterbohrung"));
                off.parent = v;
            } else if (a == "--offset-position") {
                Wellhead w; // north before east here
                if (!value(v) || !parseWellhead(v, w))
                    return fail(i18n::translate("Batch",
                        "--offset-position erwartet Nord und Ost vom Ansatzpunkt der "
                        "Bohrung in Metern, durch ein Komma getrennt (z.B. 0,100)"));
                off.position = std::pair(w.easting, w.northing);
            } else if (a == "--offset-wellhead") {
                Wellhead w;
                if (!value(v) || !parseWellhead(v, w))
                    return fail(i18n::translate("Batch",
                        "--offset-wellhead erwartet Rechtswert und Hochwert in Metern, "
                        "durch ein Komma getrennt (z.B. 500100,5700000)"));
                off.wellhead = w;
            } else if (a == "--offset-elevation") {
                if (!value(v) || !parseNumber(v, number) || !validLength(number))
                    return fail(i18n::translate("Batch",
                        "--offset-elevation erwartet die Höhe über dem Meeresspiegel in "
                        "Metern (z.B. 250.5)"));
                off.elevation = number;
            } else if (a == "--offset-hole") {
                if (!value(v) || !parseNumber(v, number) || !validHoleDiameter(number))
                    return fail(i18n::translate("Batch",
                        "--offset-hole erwartet den Bohrlochdurchmesser in Metern von 0 "
                        "bis 5 (z.B. 0.6096)"));
                off.hole = number;
            } else if (a == "--offset-kickoff") {
                if (!value(v) || !parseNumber(v, number) || !validLength(number) || number < 0)
                    return fail(i18n::translate("Batch",
                        "--offset-kickoff erwartet die Abzweigteufe in Metern (z.B. "
                        "1200)"));
                off.kickOff = number;
            } else {
                return fail(i18n::arg(i18n::translate("Batch", "Unbekannte Option: %1"), { a }));
            }
        } else if (a == "--hole") {
            double d = 0;
            if (!value(v) || !parseNumber(v, d) || !validHoleDiameter(d))
                return fail(i18n::translate("Batch",
                    "--hole erwartet den Bohrlochdurchmesser in Metern von 0 bis 5 (z.B. "
                    "0.9144)"));
            o.hole = d;
        } else if (a == "--surface-margin" || a == "--project-ahead") {
            double d = 0;
            if (!value(v) || !parseNumber(v, d) || !validClearanceLength(d))
                return fail(
                    i18n::arg(i18n::translate("Batch",
                                  "%1 erwartet eine Länge in Metern von 0 bis 100 (z.B. %2)"),
                        { a, a == "--surface-margin" ? "0.3" : "0.5" }));
            (a == "--surface-margin" ? o.surfaceMargin : o.projectAhead) = d;
        } else if (a == "--sf-k" || a == "--sf-warn") {
            double f = 0;
            if (!value(v) || !parseNumber(v, f) || !validClearanceFactor(f))
                return fail(
                    i18n::arg(i18n::translate("Batch",
                                  "%1 erwartet eine Zahl größer als 0 und höchstens 100 (z.B. %2)"),
                        { a, a == "--sf-k" ? "3.5" : "1.5" }));
            (a == "--sf-k" ? o.sfScaling : o.sfWarning) = f;
        } else if (a == "--clearance") {
            const auto format = value(v) ? surveyexport::exportFormatForPath(v) : std::nullopt;
            if (!format || *format == surveyexport::ExportFormat::Witsml)
                return fail(i18n::translate("Batch",
                    "--clearance erwartet einen Dateinamen mit der Endung .csv oder .xlsx"));
            o.clearanceFile = v;
        } else if (a == "--true-scale") {
            o.trueScale = true;
        } else if (a == "--at-md" || a == "--at-tvd" || a == "--every-md") {
            double number = 0;
            if (!value(v) || !parseNumber(v, number))
                return fail(i18n::arg(
                    i18n::translate("Batch", "%1 erwartet eine Zahl (z.B. 150.5)"), { a }));
            if (a == "--every-md" && !(number > 0))
                return fail(
                    i18n::translate("Batch", "--every-md erwartet eine Schrittweite größer als 0"));
            const listing::RequestKind kind = a == "--at-md" ? listing::RequestKind::AtMd
                : a == "--at-tvd"                            ? listing::RequestKind::AtTvd
                                                             : listing::RequestKind::EveryMd;
            o.requests.push_back({ kind, number });
        } else if (a == "--section-azimuth") {
            double degrees = 0;
            if (!value(v) || !parseNumber(v, degrees) || degrees < 0 || degrees > 360)
                return fail(i18n::translate(
                    "Batch", "--section-azimuth erwartet einen Azimut von 0 bis 360 Grad"));
            o.sectionAzimuth = degrees;
        } else if (a == "--unit") {
            if (!value(v) || !units::parseUnit(v, o.unit))
                return fail(i18n::translate("Batch", "--unit erwartet m oder ft"));
            o.unitGiven = true;
        } else if (a == "--listing") {
            if (!value(v) || !surveyexport::exportFormatForPath(v))
                return fail(i18n::translate(
                    "Batch", "--listing erwartet einen Dateinamen mit der Endung .csv oder .xlsx"));
            o.listingFile = v;
        } else if (a == "--export") {
            if (!value(v) || !(surveyexport::exportFormatForPath(v) || isGeoJsonPath(v)))
                return fail(i18n::translate("Batch",
                    "--export erwartet einen Dateinamen mit der Endung .csv, .xlsx, .xml "
                    "oder .geojson"));
            o.exportFiles.push_back(v);
        } else if (a == "--export-style") {
            if (!value(v) || v != "de")
                return fail(i18n::translate(
                    "Batch", "--export-style erwartet de (Semikolon und Dezimalkomma)"));
            o.germanCsv = true;
        } else if (a == "--stations") {
            if (!value(v) || v.empty())
                return fail(i18n::translate("Batch", "--stations erwartet eine Datei"));
            if (haveInput)
                return fail(i18n::translate("Batch", "Es ist nur eine Eingabedatei erlaubt"));
            o.stationsMode = true;
            o.input = v;
            haveInput = true;
        } else if (a.size() > 1 && a[0] == '-' && a != "-") {
            return fail(i18n::arg(i18n::translate("Batch", "Unbekannte Option: %1"), { a }));
        } else {
            if (haveInput)
                return fail(i18n::translate("Batch", "Es ist nur eine Eingabedatei erlaubt"));
            o.input = a;
            haveInput = true;
        }
    }
    if (!o.help && !o.version && !haveInput)
        return fail(i18n::translate("Batch", "Keine Eingabedatei angegeben"));
    if (!formatGiven && !o.stationsMode) {
        if (const auto kind = exchange::tableFormatForPath(o.input))
            o.table = tableKindOfFormat(*kind);
    }
    if (o.table != CliOptions::TableKind::None && o.stationsMode)
        return fail(i18n::translate("Batch", "--stations liest Messwertzeilen, keine Tabelle"));
    if (o.table == CliOptions::TableKind::None
        && (!tableOption.empty() || delimiterGiven || !o.sheet.empty()))
        return fail(i18n::arg(i18n::translate("Batch",
                                  "%1 gilt nur für Tabellen (--format csv, xlsx oder xls, Endung "
                                  ".csv, .tsv, .xlsx oder .xls)"),
            { tableOption.empty() ? (delimiterGiven ? "--delimiter" : "--sheet") : tableOption }));
    if (o.table == CliOptions::TableKind::Xlsx && delimiterGiven)
        return fail(i18n::translate(
            "Batch", "--delimiter gilt nur für Textdateien (csv), nicht für .xlsx"));
    if ((o.table == CliOptions::TableKind::Xls || o.table == CliOptions::TableKind::Las
            || o.table == CliOptions::TableKind::Witsml)
        && delimiterGiven)
        return fail(i18n::translate(
            "Batch", "--delimiter gilt nur für Textdateien (csv), nicht für .xls, LAS und WITSML"));
    if (o.table == CliOptions::TableKind::Delimited && !o.sheet.empty())
        return fail(i18n::translate("Batch", "--sheet gilt nur für .xlsx- und .xls-Dateien"));
    if (o.table == CliOptions::TableKind::Las && !o.sheet.empty())
        return fail(i18n::translate(
            "Batch", "--sheet gilt nur für .xlsx-, .xls- und WITSML-Dateien, nicht für LAS"));
    if (o.germanCsv
        && std::none_of(o.exportFiles.begin(), o.exportFiles.end(), [](const std::string &p) {
               return surveyexport::exportFormatForPath(p) == surveyexport::ExportFormat::Csv;
           }))
        return fail(i18n::translate("Batch", "--export-style gilt nur für --export PFAD.csv"));
    if (o.cameraAzimuth && !o.view3d)
        return fail(i18n::translate("Batch", "--camera gilt nur mit --view 3d"));
    // The steps of --every-md also give the clearance file rows between the stations.
    const bool onlySteps = std::all_of(o.requests.begin(), o.requests.end(),
        [](const listing::Request &r) { return r.kind == listing::RequestKind::EveryMd; });
    if (!o.requests.empty() && o.listingFile.empty() && (o.clearanceFile.empty() || !onlySteps))
        return fail(o.clearanceFile.empty()
                ? i18n::translate(
                    "Batch", "--at-md, --at-tvd und --every-md brauchen --listing PFAD.csv")
                : i18n::translate("Batch", "--at-md und --at-tvd brauchen --listing PFAD.csv"));
    for (const OffsetOption &off : o.offsets) {
        if (off.position && off.wellhead)
            return fail(
                i18n::arg(i18n::translate("Batch",
                              "--offset %1: --offset-position und --offset-wellhead schließen "
                              "einander aus"),
                    { off.path }));
        if (off.parent && !off.kickOff)
            return fail(i18n::arg(
                i18n::translate("Batch", "--offset %1: --offset-parent braucht --offset-kickoff"),
                { off.path }));
        if (off.kickOff && (off.position || off.wellhead))
            return fail(
                i18n::arg(i18n::translate("Batch",
                              "--offset %1: ein Seitenast (--offset-kickoff) liegt am "
                              "Ansatzpunkt seiner Mutterbohrung, ohne --offset-position oder "
                              "--offset-wellhead"),
                    { off.path }));
    }
    return r;
}

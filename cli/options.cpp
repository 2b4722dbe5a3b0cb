#include "cli/options.h"

#include "core/cscan.h"

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

// A finite decimal number in the C locale's form, nothing else around it.
bool parseNumber(const std::string &text, double &value)
{
    const char *begin = text.data(), *end = text.data() + text.size();
    if (begin != end && *begin == '+')
        ++begin;
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    return ec == std::errc() && ptr == end && std::isfinite(value);
}

bool endsWithCsv(const std::string &path)
{
    if (path.size() < 5)
        return false;
    std::string ext = path.substr(path.size() - 4);
    for (char &c : ext)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return ext == ".csv";
}

} // namespace

const char *cliUsage()
{
    return "Aufruf: dravon-cli [--format weg|free|atk] [--every 1|2|5|10] [--view side|top]\n"
           "                  [--name TEXT] [--interpolate TEUFE]... [--results-file PFAD]\n"
           "                  [--plot PFAD] [--listing PFAD.csv [--at-md TEUFE]...\n"
           "                  [--at-tvd SEIGERTEUFE]... [--every-md SCHRITT]\n"
           "                  [--section-azimuth GRAD] [--unit m|ft]] (--stations DATEI | DATEI)\n"
           "\n"
           "Berechnet den Bohrlochverlauf nach dem Schmiegungskreisverfahren und schreibt die\n"
           "Ergebnistabelle auf die Standardausgabe.\n"
           "\n"
           "  DATEI                  Messdatei im gewählten Format (\"-\": Standardeingabe);\n"
           "                         eine Datei mit der Endung .dvn wird als Dokument gelesen\n"
           "  --stations DATEI       Messwertzeilen wie im Eingabedialog (Teufe Neigung Azimut)\n"
           "  --format weg|free|atk  Format der Messdatei (Vorgabe: free)\n"
           "  --every 1|2|5|10       nur jeden n-ten Messwert einlesen (Vorgabe: 1)\n"
           "  --view side|top        Seitenansicht (Vorgabe) oder Draufsicht\n"
           "  --name TEXT            Name der Bohrung\n"
           "  --interpolate TEUFE    Interpolation bei dieser Teufe (mehrfach möglich)\n"
           "  --results-file PFAD    Ergebnisse wie \"Ergebnisse ausgeben\" in diese Datei schreiben\n"
           "  --plot PFAD            Grafik als .png, .svg oder .pdf schreiben\n"
           "  --listing PFAD.csv     Liste der Bahn als CSV (ohne Anfrage: alle Messpunkte)\n"
           "  --at-md TEUFE          Punkt auf der Bahn bei dieser Teufe (mehrfach möglich)\n"
           "  --at-tvd SEIGERTEUFE   jeder Punkt bei dieser Seigerteufe (mehrfach möglich)\n"
           "  --every-md SCHRITT     Punkte im Abstand SCHRITT vom ersten bis zum letzten Punkt\n"
           "  --section-azimuth GRAD Azimut des Vertikalschnitts (Vorgabe: der Endabweichung)\n"
           "  --unit m|ft            Längen der Liste in Metern (Vorgabe) oder Fuß, Abknickung je\n"
           "                         30 m bzw. je 100 ft; die Ergebnistabelle bleibt in Metern\n"
           "  --help, --version      diese Hilfe bzw. die Version anzeigen\n"
           "\n"
           "Exit-Status: 0 ohne Fehlermeldung, 1 nach einer Fehlermeldung (fehlerhafte Zeile,\n"
           "Abbruch, abgelehnte Teufe), 2 bei falschem Aufruf oder unlesbarer Datei.\n"
           "Die Längen von --at-md, --at-tvd und --every-md gelten in der Einheit von --unit;\n"
           "eine Teufe oder Seigerteufe außerhalb der Bahn gibt eine Meldung und Status 1.\n";
}

CliParseResult parseCommandLine(const std::vector<std::string> &args)
{
    CliParseResult r;
    CliOptions &o = r.options;
    bool haveInput = false;
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
        } else if (a == "--version") {
            o.version = true;
        } else if (a == "--format") {
            if (!value(v) || !parseChoice(v, {"weg", "free", "atk"}, o.format))
                return fail("--format erwartet weg, free oder atk");
        } else if (a == "--every") {
            if (!value(v) || !parseChoice(v, {"1", "2", "5", "10"}, o.datenauswahl))
                return fail("--every erwartet 1, 2, 5 oder 10");
        } else if (a == "--view") {
            if (!value(v) || !parseChoice(v, {"side", "top"}, o.ansicht))
                return fail("--view erwartet side oder top");
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
            if (!value(v) || !listing::parseUnit(v, o.unit))
                return fail("--unit erwartet m oder ft");
        } else if (a == "--listing") {
            if (!value(v) || !endsWithCsv(v))
                return fail("--listing erwartet einen Dateinamen mit der Endung .csv");
            o.listingFile = v;
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
    if (!o.requests.empty() && o.listingFile.empty())
        return fail("--at-md, --at-tvd und --every-md brauchen --listing PFAD.csv");
    return r;
}

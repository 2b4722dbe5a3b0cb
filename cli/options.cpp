#include "cli/options.h"

#include "core/cscan.h"

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

} // namespace

const char *cliUsage()
{
    return "Aufruf: dravon-cli [--format weg|free|atk] [--every 1|2|5|10] [--view side|top]\n"
           "                  [--name TEXT] [--interpolate TEUFE]... [--results-file PFAD]\n"
           "                  [--plot PFAD] [--true-scale] (--stations DATEI | DATEI)\n"
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
           "  --true-scale           Seitenansicht der Grafik maßstabsgetreu (nicht überhöht)\n"
           "  --help, --version      diese Hilfe bzw. die Version anzeigen\n"
           "\n"
           "Exit-Status: 0 ohne Fehlermeldung, 1 nach einer Fehlermeldung (fehlerhafte Zeile,\n"
           "Abbruch, abgelehnte Teufe), 2 bei falschem Aufruf oder unlesbarer Datei.\n";
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
        } else if (a == "--true-scale") {
            o.trueScale = true;
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
    return r;
}

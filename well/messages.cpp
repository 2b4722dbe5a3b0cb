// The German texts of the diagnostics. The texts of the check, the run and the
// interpolation are those the program has always shown; the batch tool and the desktop
// program write them unchanged.
#include "core/cformat.h"
#include "core/win1252.h"
#include "well/diagnostic.h"

namespace well {

namespace {

double value(const Diagnostic &d, std::size_t i)
{
    return i < d.values.size() ? d.values[i] : 0.0;
}

int number(const Diagnostic &d, std::size_t i)
{
    return static_cast<int>(value(d, i));
}

// A UTF-8 format in the program's character set, converted once.
const char *w(const char *utf8)
{
    thread_local std::string converted;
    converted = win1252::fromUtf8(utf8);
    return converted.c_str();
}

} // namespace

std::string germanText(const Diagnostic &d)
{
    const char *line = d.line.c_str();
    switch (d.id) {
    case Message::LineWithoutThreeValues:
        return cfmt("Die %d.Zeile enh\xE4lt keine 3 Werte\n %s", number(d, 0), line);
    case Message::NegativeFirstDepth:
        return cfmt(w("Die 1.Zeile beginnt mit der negativen Teufe %g.\n"
                      "Die erste Teufe muss 0 oder größer sein.\n%s"),
            value(d, 0), line);
    case Message::InclinationOutOfRange:
        return cfmt(w("Neigung Phi-Wert %g liegt nicht im Bereich 0°-180°\n%s"), value(d, 0), line);
    case Message::AzimuthOutOfRange:
        return cfmt(w("Azimut Theta-Wert %g liegt nicht im Bereich 0°-360°\n%s"), value(d, 0), line);
    case Message::DepthNotIncreasing:
        return cfmt("Die %d.Teufe %g steigt nicht an\n%s", number(d, 0), value(d, 1), line);
    case Message::NoCurvature:
        return cfmt("KEINE KRUEMMUNG VON TEUFE:%7.2f BIS %7.2f M", value(d, 0), value(d, 1));
    case Message::DoglegTooLarge:
        return cfmt("ABBRUCH bei TEUFE(m):%6.2f \nPHI(Grad):%6.2f THETA(Grad):%6.2f", value(d, 0),
            value(d, 1), value(d, 2));
    case Message::EqualDepths:
        return cfmt("ABBRUCH!Die %d.Teufe %g ist gleich der vorangehenden Teufe:%g", number(d, 0),
            value(d, 1), value(d, 2));
    case Message::InterpolationResult:
        return cfmt("\nERGEBNISSE DER INTERPOLATION\nBohrlochteufe   (m):%8.2f\nVertikale Teufe "
                    "(m):%8.2f\nNORD(+) SUED(-) (m):%8.2f\nOST(+)  WEST(-) (m):%8.2f\n"
                    "Gesamtabweichung   : %6.2f m %6.1f Grad Azimut",
            value(d, 0), value(d, 1), value(d, 2), value(d, 3), value(d, 4), value(d, 5));
    case Message::NoStations:
        return "Eingabedaten fehlen!!!";
    case Message::DepthBeyondLast:
        return w("Die vorgegebene Teufe ist größer als die Max.Teufe");
    case Message::DepthAboveSurface:
        return cfmt(w("Bei der Teufe %g kann nicht interpoliert werden: sie liegt über dem "
                      "Ansatzpunkt."),
            value(d, 0));
    case Message::NoIntervalBelowSurface:
        return cfmt("Bei der Teufe %g kann nicht interpoliert werden: "
                    "es gibt keinen Messpunkt unter dem Ansatzpunkt.",
            value(d, 0));
    case Message::DepthBeyondComputed:
        return cfmt(w("Bei der Teufe %g kann nicht interpoliert werden: die Berechnung endet "
                      "bei der Teufe %g m."),
            value(d, 0), value(d, 1));
    }
    return {};
}

} // namespace well

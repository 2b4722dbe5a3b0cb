// The texts of the diagnostics. The German texts of the check, the run and the
// interpolation are those the program has always shown; the results table keeps them in
// every language, the messages are shown in the chosen one.
#include "core/cformat.h"
#include "i18n/i18n.h"
#include "well/diagnostic.h"

namespace well {

const char *germanFormat(Message id)
{
    switch (id) {
    case Message::LineWithoutThreeValues:
        return DRV_TRANSLATE_NOOP("Diagnose", "Die %d.Zeile enhält keine 3 Werte\n %s");
    case Message::NegativeFirstDepth:
        return DRV_TRANSLATE_NOOP("Diagnose",
            "Die 1.Zeile beginnt mit der negativen Teufe %g.\n"
            "Die erste Teufe muss 0 oder größer sein.\n%s");
    case Message::InclinationOutOfRange:
        return DRV_TRANSLATE_NOOP("Diagnose",
            "Neigung Phi-Wert %g liegt nicht im Bereich 0°-180°\n%s");
    case Message::AzimuthOutOfRange:
        return DRV_TRANSLATE_NOOP("Diagnose",
            "Azimut Theta-Wert %g liegt nicht im Bereich 0°-360°\n%s");
    case Message::DepthNotIncreasing:
        return DRV_TRANSLATE_NOOP("Diagnose", "Die %d.Teufe %g steigt nicht an\n%s");
    case Message::FirstDepthAtTieIn:
        return DRV_TRANSLATE_NOOP("Diagnose",
            "Die 1.Teufe %g liegt nicht unter dem Anschlusspunkt bei %g m.\n"
            "Die Messpunkte müssen unter dem Anschlusspunkt liegen.\n%s");
    case Message::NoCurvature:
        return DRV_TRANSLATE_NOOP("Diagnose", "KEINE KRUEMMUNG VON TEUFE:%7.2f BIS %7.2f M");
    case Message::DoglegTooLarge:
        return DRV_TRANSLATE_NOOP("Diagnose",
            "ABBRUCH bei TEUFE(m):%6.2f \nPHI(Grad):%6.2f THETA(Grad):%6.2f");
    case Message::EqualDepths:
        return DRV_TRANSLATE_NOOP("Diagnose",
            "ABBRUCH!Die %d.Teufe %g ist gleich der vorangehenden Teufe:%g");
    case Message::InterpolationResult:
        return DRV_TRANSLATE_NOOP("Diagnose",
            "\nERGEBNISSE DER INTERPOLATION\nBohrlochteufe   (m):%8.2f\nVertikale Teufe "
            "(m):%8.2f\nNORD(+) SUED(-) (m):%8.2f\nOST(+)  WEST(-) (m):%8.2f\n"
            "Gesamtabweichung   : %6.2f m %6.1f Grad Azimut");
    case Message::NoStations:
        return DRV_TRANSLATE_NOOP("Diagnose", "Eingabedaten fehlen!!!");
    case Message::DepthBeyondLast:
        return DRV_TRANSLATE_NOOP(
            "Diagnose", "Die vorgegebene Teufe ist größer als die Max.Teufe");
    case Message::DepthAboveSurface:
        return DRV_TRANSLATE_NOOP("Diagnose",
            "Bei der Teufe %g kann nicht interpoliert werden: sie liegt über dem "
            "Ansatzpunkt.");
    case Message::NoIntervalBelowSurface:
        return DRV_TRANSLATE_NOOP("Diagnose",
            "Bei der Teufe %g kann nicht interpoliert werden: "
            "es gibt keinen Messpunkt unter dem Ansatzpunkt.");
    case Message::DepthBeyondComputed:
        return DRV_TRANSLATE_NOOP("Diagnose",
            "Bei der Teufe %g kann nicht interpoliert werden: die Berechnung endet "
            "bei der Teufe %g m.");
    case Message::DepthAboveTieIn:
        return DRV_TRANSLATE_NOOP("Diagnose",
            "Bei der Teufe %g kann nicht interpoliert werden: sie liegt über dem "
            "Anschlusspunkt bei %g m.");
    case Message::NorthDeclinationMissing:
        return DRV_TRANSLATE_NOOP("Diagnose",
            "Die Azimute sind auf magnetisch Nord bezogen, aber die Deklination ist nicht "
            "angegeben: Nord und Ost sind mit den Azimuten wie gemessen berechnet, nicht "
            "auf geographisch Nord oder Gitternord gedreht.");
    case Message::NorthSurveyDateMissing:
        return DRV_TRANSLATE_NOOP("Diagnose",
            "Die Deklination kommt aus dem Magnetfeldmodell, aber das Vermessungsdatum fehlt.");
    case Message::NorthFieldModelMissing:
        return DRV_TRANSLATE_NOOP("Diagnose",
            "Die Deklination kommt aus dem Magnetfeldmodell: %s");
    case Message::NorthConvergenceMissing:
        return DRV_TRANSLATE_NOOP("Diagnose",
            "Für Gitternord fehlt die Meridiankonvergenz (sie ist nicht angegeben und folgt "
            "nicht aus EPSG-Code und Ansatzpunkt): Nord und Ost sind mit den Azimuten wie "
            "gemessen berechnet, nicht auf Gitternord gedreht.");
    }
    return "";
}

namespace {

double value(const Diagnostic &d, std::size_t i)
{
    return i < d.values.size() ? d.values[i] : 0.0;
}

int number(const Diagnostic &d, std::size_t i)
{
    return static_cast<int>(value(d, i));
}

// The format of a text in the language `translated` asks for.
class Formats
{
public:
    explicit Formats(bool translated)
        : m_translated(translated)
    {
    }
    const char *operator()(const char *utf8)
    {
        m_text = m_translated ? i18n::translateFormat("Diagnose", utf8) : std::string(utf8);
        return m_text.c_str();
    }

private:
    bool m_translated;
    std::string m_text;
};

std::string textOf(const Diagnostic &d, bool translated)
{
    Formats w(translated);
    const char *format = w(germanFormat(d.id));
    const char *line = d.line.c_str();
    switch (d.id) {
    case Message::LineWithoutThreeValues:
        return cfmt(format, number(d, 0), line);
    case Message::NegativeFirstDepth:
        return cfmt(format, value(d, 0), line);
    case Message::InclinationOutOfRange:
        return cfmt(format, value(d, 0), line);
    case Message::AzimuthOutOfRange:
        return cfmt(format, value(d, 0), line);
    case Message::DepthNotIncreasing:
        return cfmt(format, number(d, 0), value(d, 1), line);
    case Message::FirstDepthAtTieIn:
        return cfmt(format, value(d, 0), value(d, 1), line);
    case Message::NoCurvature:
        return cfmt(format, value(d, 0), value(d, 1));
    case Message::DoglegTooLarge:
        return cfmt(format, value(d, 0), value(d, 1), value(d, 2));
    case Message::EqualDepths:
        return cfmt(format, number(d, 0), value(d, 1), value(d, 2));
    case Message::InterpolationResult:
        return cfmt(format, value(d, 0), value(d, 1), value(d, 2), value(d, 3), value(d, 4),
            value(d, 5));
    case Message::NoStations:
    case Message::DepthBeyondLast:
    case Message::NorthDeclinationMissing:
    case Message::NorthSurveyDateMissing:
    case Message::NorthConvergenceMissing:
        return format;
    case Message::NorthFieldModelMissing:
        return cfmt(format, line);
    case Message::DepthAboveSurface:
        return cfmt(format, value(d, 0));
    case Message::NoIntervalBelowSurface:
        return cfmt(format, value(d, 0));
    case Message::DepthBeyondComputed:
    case Message::DepthAboveTieIn:
        return cfmt(format, value(d, 0), value(d, 1));
    }
    return {};
}

} // namespace

std::string germanText(const Diagnostic &d)
{
    return textOf(d, false);
}

std::string text(const Diagnostic &d)
{
    return textOf(d, true);
}

} // namespace well

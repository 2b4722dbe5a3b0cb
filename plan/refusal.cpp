// The texts of the plan's refusals.
#include "plan/refusal.h"

#include "core/cformat.h"
#include "i18n/i18n.h"

#include <array>

namespace plan {

namespace {

    constexpr std::array<const char *, kFieldCount> kHeadings {
        DRV_TRANSLATE_NOOP("Planung", "Länge (m)"),
        DRV_TRANSLATE_NOOP("Planung", "DLS (°/30 m)"),
        DRV_TRANSLATE_NOOP("Planung", "Werkzeugstellung (°)"),
        DRV_TRANSLATE_NOOP("Planung", "Nord (m)"),
        DRV_TRANSLATE_NOOP("Planung", "Ost (m)"),
        DRV_TRANSLATE_NOOP("Planung", "Seigerteufe (m)"),
        DRV_TRANSLATE_NOOP("Planung", "MD (m)"),
        DRV_TRANSLATE_NOOP("Planung", "Neigung (°)"),
        DRV_TRANSLATE_NOOP("Planung", "Azimut (°)"),
    };

    std::string reasonText(const Refusal &r)
    {
        const auto v = [&](std::size_t i) { return i < r.values.size() ? r.values[i] : 0.0; };
        const std::string field = r.field ? fieldHeading(*r.field) : std::string();
        const std::string other = r.other ? fieldHeading(*r.other) : std::string();
        switch (r.reason) {
        case Reason::StartNotFinite:
            return cfmt(
                i18n::translateFormat("Planung", "der Ansatzpunkt hat bei %s keinen endlichen Wert")
                    .c_str(),
                field.c_str());
        case Reason::StartOutOfRange:
            return cfmt(i18n::translateFormat("Planung",
                            "der Ansatzpunkt hat bei %s den Wert %.2f außerhalb des "
                            "zulässigen Bereichs")
                            .c_str(),
                field.c_str(), v(0));
        case Reason::StepInvalid:
            return cfmt(i18n::translateFormat("Planung",
                            "die Schrittweite der Stationen (%.3f m) muss eine Zahl von "
                            "mindestens 0.1 m sein")
                            .c_str(),
                v(0));
        case Reason::TooManyStations:
            return cfmt(i18n::translateFormat("Planung",
                            "bei einer Schrittweite von %.2f m ergäbe die Planung mehr als %d "
                            "Stationen")
                            .c_str(),
                v(0), kMaxStations);
        case Reason::NoSections:
            return i18n::translate("Planung", "die Planung hat keinen Abschnitt");
        case Reason::MissingValue:
            return cfmt(i18n::translateFormat("Planung", "%s fehlt").c_str(), field.c_str());
        case Reason::UnusedValue:
            return cfmt(i18n::translateFormat("Planung",
                            "%s wird bei diesem Abschnitt nicht verwendet; das Feld bleibt leer")
                            .c_str(),
                field.c_str());
        case Reason::ConflictingValues:
            return cfmt(
                i18n::translateFormat("Planung", "%s und %s schließen einander aus").c_str(),
                field.c_str(), other.c_str());
        case Reason::NotFinite:
            return cfmt(i18n::translateFormat("Planung", "%s ist keine endliche Zahl").c_str(),
                field.c_str());
        case Reason::OutOfRange:
            return cfmt(
                i18n::translateFormat("Planung", "%s ist %.2f, erlaubt sind %.2f bis %.2f").c_str(),
                field.c_str(), v(0), v(1), v(2));
        case Reason::DoglegNotPositive:
            return cfmt(i18n::translateFormat(
                            "Planung", "die Rate von %.2f °/30 m ist nicht größer als null")
                            .c_str(),
                v(0));
        case Reason::DoglegOverLimit:
            return cfmt(i18n::translateFormat("Planung",
                            "die Rate von %.2f °/30 m liegt über der Grenze von %.2f °/30 m")
                            .c_str(),
                v(0), v(1));
        case Reason::TooShort:
            return cfmt(i18n::translateFormat("Planung",
                            "der Abschnitt wäre %.4f m lang; jeder Abschnitt ist mindestens "
                            "%.2f m lang (eine Länge von null oder darunter gibt es nicht)")
                            .c_str(),
                v(0), v(1));
        case Reason::ArcTooLong:
            return cfmt(i18n::translateFormat("Planung",
                            "der Bogen würde die Richtung um %.1f° drehen; ein Bogen dreht um "
                            "weniger als 180°")
                            .c_str(),
                v(0));
        case Reason::InclinationNotReached:
            return cfmt(i18n::translateFormat("Planung",
                            "mit dieser Werkzeugstellung erreicht der Bogen die Neigung %.2f° "
                            "nicht")
                            .c_str(),
                v(0));
        case Reason::AzimuthNotReached:
            return cfmt(i18n::translateFormat("Planung",
                            "mit dieser Werkzeugstellung erreicht der Bogen das Azimut %.2f° "
                            "nicht")
                            .c_str(),
                v(0));
        case Reason::AlreadyThere:
            return i18n::translate(
                "Planung", "die Bohrung hat die verlangte Richtung schon zu Beginn des Abschnitts");
        case Reason::TvdNotReached:
            return cfmt(i18n::translateFormat("Planung",
                            "geradeaus erreicht die Bohrung von %.2f m TVD aus die Seigerteufe "
                            "%.2f m nicht")
                            .c_str(),
                v(0), v(1));
        case Reason::MdNotBelow:
            return cfmt(i18n::translateFormat("Planung",
                            "die MD %.2f m liegt nicht unter dem Beginn des Abschnitts bei "
                            "%.2f m MD")
                            .c_str(),
                v(1), v(0));
        case Reason::TargetAtStart:
            return i18n::translate("Planung", "der Zielpunkt liegt am Beginn des Abschnitts");
        case Reason::TargetBehind:
            return i18n::translate("Planung",
                "der Zielpunkt liegt genau hinter der Bohrlochrichtung; die Ebene des Bogens "
                "ist nicht bestimmt");
        case Reason::TargetInsideTurningCircle:
            return cfmt(i18n::translateFormat("Planung",
                            "der Zielpunkt liegt innerhalb des Wendekreises (Radius %.2f m bei "
                            "%.2f °/30 m) und ist mit dieser Rate nicht zu erreichen")
                            .c_str(),
                v(0), v(1));
        case Reason::LandingNotReached:
            return cfmt(i18n::translateFormat("Planung",
                            "die Landung ist mit %.2f °/30 m nicht zu erreichen: die beiden "
                            "Bögen brauchen mehr Platz, als bis zum Zielpunkt bleibt")
                            .c_str(),
                v(0));
        case Reason::LandingPieceTooShort:
            return cfmt(i18n::translateFormat("Planung",
                            "ein Bogen oder das gerade Stück der Landung wäre nur %.4f m lang "
                            "(mindestens %.2f m); eine etwas andere Rate behebt das")
                            .c_str(),
                v(0), v(1));
        case Reason::TargetNotFinite:
            return i18n::translate("Planung", "ein Wert des Ziels ist keine endliche Zahl");
        case Reason::TargetOutOfRange:
            return i18n::translate("Planung",
                "ein Wert des Ziels liegt außerhalb des Zulässigen (Radius und Toleranz nicht "
                "negativ, Neigung 0 bis 180°, Azimut 0 bis 360°, jeder Bereich von unten "
                "nach oben)");
        }
        return {};
    }

} // namespace

std::string fieldHeading(Field field)
{
    return i18n::translate("Planung", kHeadings[static_cast<std::size_t>(field)]);
}

std::string text(const Refusal &refusal)
{
    const std::string why = reasonText(refusal);
    if (refusal.section > 0)
        return cfmt(i18n::translateFormat("Planung", "Abschnitt %d: %s").c_str(), refusal.section,
            why.c_str());
    if (refusal.target > 0)
        return cfmt(
            i18n::translateFormat("Planung", "Ziel %d: %s").c_str(), refusal.target, why.c_str());
    return cfmt(i18n::translateFormat("Planung", "Planung: %s").c_str(), why.c_str());
}

} // namespace plan

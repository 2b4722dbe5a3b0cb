// The error sources of the ISCWSA MWD models (revisions 4 and 5) as data: each source's
// code, weighting function, magnitude and propagation, as the ISCWSA's example workbooks
// of test well #1 set them out. How they reach the positions is in errormodels.cpp.
#pragma once

#include "well/settings.h"

#include <cstddef>
#include <span>
#include <string_view>

namespace unc::terms {

// Random errors are independent from station to station; systematic ones take one value
// for the whole survey, global ones one value for every survey of the field. Within one
// survey the last two propagate alike.
enum class Propagation : unsigned char { Random, Systematic, Global };

// The weighting functions: how an error of unit size changes the depth (D), inclination
// (I) and azimuth (A) read at a station, with I the inclination, AzT the true and AzM the
// magnetic azimuth, G the gravity, B the total field. Sources whose functions differ by a
// constant factor share one shape (the factor is the source's Factor).
enum class Shape : unsigned char {
    DepthReference, // D: 1
    DepthScale, // D: MD
    DepthStretch, // D: MD·TVD
    AccelBiasXy1, // I: -cos I / G; A: tan Dip cos I sin AzM / G
    AccelBiasXy2, // A: (cot I - tan Dip cos AzM) / G; vertical: its limit
    AccelBiasZ, // I: -sin I / G; A: tan Dip sin I sin AzM / G
    AccelScale, // I: sin I cos I; A: -tan Dip sin I cos I sin AzM
    AccelScaleXy3, // A: (tan Dip sin I cos AzM - cos I) / 2
    MagBiasXy1, // A: -cos I sin AzM / (B cos Dip)
    MagBiasXy2, // A: cos AzM / (B cos Dip)
    MagAxial, // A: sin I sin AzM / (B cos Dip)
    MagScaleXy1, // A: sin I sin AzM (tan Dip cos I + sin I cos AzM) / √2
    MagScaleXy2, // A: sin AzM (tan Dip sin I cos I - cos²I cos AzM - cos AzM) / 2
    MagScaleXy3, // A: (cos I cos²AzM - cos I sin²AzM - tan Dip sin I cos AzM) / 2
    MagScaleZ, // A: -(sin I cos AzM + tan Dip cos I) sin I sin AzM
    Azimuth, // A: 1
    SinInc, // I: |sin I|
    SagEnhanced, // I: (sin I)^¼
    MisalignNorth, // I: |cos I| cos AzT; A: -|cos I| sin AzT / sin I; vertical: its limit
    MisalignEast, // I: |cos I| sin AzT; A: |cos I| cos AzT / sin I; vertical: its limit
    MisalignNorthStep, // MisalignNorth · max(1, √(10 m / ΔMD))
    MisalignEastStep, // MisalignEast · max(1, √(10 m / ΔMD))
    // The long-course-length errors: an error vector of their own over the interval above
    // the station, in the high-side and in the lateral direction.
    CourseHigh, // ΔMD · max(|ΔI|, τ ΔMD)
    CourseLateral, // ΔMD · max(|sin I · ΔAz|, τ ΔMD); ΔAz taken as 0 below a vertical station
    // Further functions of the tool library's codes (toollibrary/), none of them in the
    // two MWD models.
    Inclination, // I: 1
    Lateral, // A: 1 / sin I: a sideways offset of the hole, defined also when vertical
    SinIncSinAzM, // A: sin I sin AzM
    AccelScaleInc, // I: 1.3 sin I cos I (three-axis accelerometers with a gyro)
    AccelBiasZInc, // I: sin I / G (the same)
    // With the axial magnetometer left out of the azimuth (axial interference correction):
    // the MWD functions above with the azimuth divided by D = 1 - sin²I sin²AzM, which
    // vanishes where the hole runs horizontally magnetic east or west.
    AxialAccelBiasXy1, // I: -cos I / G; A: cos²I sin AzM (tan Dip cos I + sin I cos AzM) / GD
    AxialAccelBiasXy2, // A: (cot I - tan Dip cos AzM) / (G D); vertical: its limit
    AxialAccelBiasZ, // I: -sin I / G; A: sin I cos I sin AzM (tan Dip cos I + sin I cos AzM) / GD
    AxialAccelScale, // I: sin I cos I; A: -sin I cos²I sin AzM (tan Dip cos I + sin I cos AzM) / D
    AxialAccelScaleXy3, // A: (tan Dip sin I cos AzM - cos I) / (2 D)
    AxialMagBiasXy1, // MagBiasXy1 / D
    AxialMagBiasXy2, // MagBiasXy2 / D
    AxialMagScaleXy1, // MagScaleXy1 / D
    AxialMagScaleXy2, // MagScaleXy2 / D
    AxialMagScaleXy3, // MagScaleXy3 / D
    AxialDip, // A: -sin I sin AzM (cos I - tan Dip sin I cos AzM) / D
    AxialField, // A: -sin I sin AzM (tan Dip cos I + sin I cos AzM) / (B D)
    // Stationary gyrocompassing with two gyros across the tool (XY): the azimuth error per
    // unit of gyro error (a rate), each with the factor 1 / (Ω cos latitude) of the
    // horizontal earth rate. Those dividing by cos I grow without bound as the hole turns
    // horizontal, as published: the tools' inclination range ends short of it.
    GyroBiasXy1, // A: sin AzT / cos I
    GyroBiasXy2, // A: cos AzT
    GyroGravityXy1, // A: cos AzT sin I
    GyroGravityXy4, // A: sin AzT tan I
    GyroNoiseXy, // A: √(1 - cos²AzT sin²I) / cos I
};

inline constexpr std::size_t kShapes = static_cast<std::size_t>(Shape::GyroNoiseXy) + 1;

// Shapes whose azimuth function divides by sin I: at a vertical station they take their
// limit (the workbooks' "singularity" forms).
constexpr bool singularWhenVertical(Shape s)
{
    return s == Shape::AccelBiasXy2 || s == Shape::AxialAccelBiasXy2 || s == Shape::MisalignNorth
        || s == Shape::MisalignEast || s == Shape::MisalignNorthStep
        || s == Shape::MisalignEastStep;
}

// Shapes that weight the depth alone (all others weight the angles alone).
constexpr bool depthOnly(Shape s)
{
    return s == Shape::DepthReference || s == Shape::DepthScale || s == Shape::DepthStretch;
}

// Shapes that read the magnetic field (its dip or strength) or the magnetic azimuth: a
// tool without them needs neither the field nor the declination.
constexpr bool magnetic(Shape s)
{
    return (s >= Shape::AccelBiasXy1 && s <= Shape::MagScaleZ) || s == Shape::SinIncSinAzM
        || (s >= Shape::AxialAccelBiasXy1 && s <= Shape::AxialField);
}

// The constant by which a source's function differs from its shape.
enum class Factor : unsigned char {
    One,
    MinusOne,
    Half,
    InvSqrt2,
    PerHorizontalField, // 1 / (B cos Dip)
    PerHorizontalEarthRate, // 1 / (Ω cos latitude), Ω = kEarthRate; needs the latitude
};

// The earth's rotation rate Ω that gyrocompassing senses, in degrees per hour.
inline constexpr double kEarthRate = 15.041;

struct Term
{
    std::string_view code;
    Shape shape;
    Factor factor;
    double magnitude; // 1σ, in the unit of the workbook's Model sheet
    bool degrees; // the magnitude is in degrees (or degree·nT) and is taken in radians
    Propagation propagation;
};

// The sources of a model in the order of its Model sheet; none for ErrorModel::None.
std::span<const Term> termsOf(ErrorModel model);

// The tortuosity that the long-course-length errors assume at least: 1° per 100 ft, in
// radians per metre as the Rev 5 workbook holds it.
inline constexpr double kDefaultTortuosity = 5.72615e-4;

} // namespace unc::terms

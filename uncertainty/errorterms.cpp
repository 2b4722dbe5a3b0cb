// The two MWD models as the ISCWSA's example workbooks of test well #1 define them. Where
// a workbook's Model sheet and its term sheets disagree on a propagation (Rev 5 lists
// XYM2 as random and XYM4E as systematic), the term sheets are followed: their results
// are the ones that agree with the ISCWSA's diagnostic values.
#include "uncertainty/errorterms.h"

#include <array>

namespace unc::terms {

namespace {

    using enum Shape;
    using enum Factor;
    constexpr Propagation R = Propagation::Random, S = Propagation::Systematic,
                          G = Propagation::Global;

    template <std::size_t A, std::size_t B>
    constexpr std::array<Term, A + B> join(const std::array<Term, A> &a, const std::array<Term, B> &b)
    {
        std::array<Term, A + B> out {};
        for (std::size_t i = 0; i < A; ++i)
            out[i] = a[i];
        for (std::size_t i = 0; i < B; ++i)
            out[A + i] = b[i];
        return out;
    }

    // Depth and sensors, the same in both revisions.
    // clang-format off
    constexpr std::array<Term, 17> kDepthAndSensors { {
        { "DRFR",      DepthReference, One,      0.35,   false, R },
        { "DSFS",      DepthScale,     One,      5.6e-4, false, S },
        { "DSTG",      DepthStretch,   One,      2.5e-7, false, G },
        { "ABXY-TI1S", AccelBiasXy1,   One,      0.004,  false, S },
        { "ABXY-TI2S", AccelBiasXy2,   One,      0.004,  false, S },
        { "ABZ",       AccelBiasZ,     One,      0.004,  false, S },
        { "ASXY-TI1S", AccelScale,     InvSqrt2, 5e-4,   false, S },
        { "ASXY-TI2S", AccelScale,     Half,     5e-4,   false, S },
        { "ASXY-TI3S", AccelScaleXy3,  One,      5e-4,   false, S },
        { "ASZ",       AccelScale,     MinusOne, 5e-4,   false, S },
        { "MBXY-TI1S", MagBiasXy1,     One,      70,     false, S },
        { "MBXY-TI2S", MagBiasXy2,     One,      70,     false, S },
        { "MBZ",       MagAxial,       MinusOne, 70,     false, S },
        { "MSXY-TI1S", MagScaleXy1,    One,      1.6e-3, false, S },
        { "MSXY-TI2S", MagScaleXy2,    One,      1.6e-3, false, S },
        { "MSXY-TI3S", MagScaleXy3,    One,      1.6e-3, false, S },
        { "MSZ",       MagScaleZ,      One,      1.6e-3, false, S },
    } };

    constexpr auto kRev4 = join(kDepthAndSensors, std::array<Term, 10> { {
        { "DECG",      Azimuth,           One,                0.36, true,  G },
        { "DECR",      Azimuth,           One,                0.1,  true,  R },
        { "DBHG",      Azimuth,           PerHorizontalField, 5000, true,  G },
        { "DBHR",      Azimuth,           PerHorizontalField, 3000, true,  R },
        { "AMIL",      MagAxial,          One,                220,  false, S },
        { "SAG",       SinInc,            One,                0.2,  true,  S },
        { "XYM1",      SinInc,            One,                0.1,  true,  S },
        { "XYM2",      Azimuth,           MinusOne,           0.1,  true,  S },
        { "XYM3",      MisalignNorth,     One,                0.1,  true,  S },
        { "XYM4",      MisalignEast,      One,                0.1,  true,  S },
    } });

    constexpr auto kRev5 = join(kDepthAndSensors, std::array<Term, 18> { {
        { "DEC-U",     Azimuth,           One,                0.16,  true,  G },
        { "DEC-OS",    Azimuth,           One,                0.24,  true,  G },
        { "DEC-OH",    Azimuth,           One,                0.2,   true,  G },
        { "DEC-OI",    Azimuth,           One,                0.05,  true,  G },
        { "DECR",      Azimuth,           One,                0.1,   true,  R },
        { "DBH-U",     Azimuth,           PerHorizontalField, 2350,  true,  G },
        { "DBH-OS",    Azimuth,           PerHorizontalField, 3359,  true,  G },
        { "DBH-OH",    Azimuth,           PerHorizontalField, 2840,  true,  G },
        { "DBH-OI",    Azimuth,           PerHorizontalField, 356,   true,  G },
        { "DBHR",      Azimuth,           PerHorizontalField, 3000,  true,  R },
        { "AMIL",      MagAxial,          One,                220,   false, S },
        { "SAGE",      SagEnhanced,       One,                0.2,   true,  S },
        { "XYM1",      SinInc,            One,                0.1,   true,  S },
        { "XYM2",      Azimuth,           MinusOne,           0.1,   true,  S },
        { "XYM3E",     MisalignNorthStep, One,                0.3,   true,  R },
        { "XYM4E",     MisalignEastStep,  One,                0.3,   true,  R },
        { "XCLH",      CourseHigh,        One,                0.167, false, R },
        { "XCLA",      CourseLateral,     One,                0.167, false, R },
    } });
    // clang-format on

} // namespace

std::span<const Term> termsOf(ErrorModel model)
{
    switch (model) {
    case ErrorModel::IscwsaMwdRev4:
        return kRev4;
    case ErrorModel::IscwsaMwdRev5:
        return kRev5;
    case ErrorModel::None:
        break;
    }
    return {};
}

} // namespace unc::terms

// The limits of the error model's inputs and the models' short names.
#include "uncertainty/settings.h"

#include <cmath>

bool validLatitude(double degrees)
{
    return std::isfinite(degrees) && std::fabs(degrees) <= 90.0;
}

bool validGravity(double metresPerSecond2)
{
    return std::isfinite(metresPerSecond2) && metresPerSecond2 >= kMinGravity
        && metresPerSecond2 <= kMaxGravity;
}

bool validTotalField(double nanotesla)
{
    return std::isfinite(nanotesla) && nanotesla >= kMinTotalField && nanotesla <= kMaxTotalField;
}

bool validDip(double degrees)
{
    return validLatitude(degrees);
}

bool validEllipseSigma(double sigmas)
{
    return std::isfinite(sigmas) && sigmas > 0.0 && sigmas <= kMaxEllipseSigma;
}

namespace unc {

std::string_view modelKey(ErrorModel model)
{
    switch (model) {
    case ErrorModel::IscwsaMwdRev4:
        return "iscwsa-mwd-rev4";
    case ErrorModel::IscwsaMwdRev5:
        return "iscwsa-mwd-rev5";
    case ErrorModel::None:
        break;
    }
    return "none";
}

std::optional<ErrorModel> modelFromKey(std::string_view key)
{
    for (ErrorModel m :
        { ErrorModel::None, ErrorModel::IscwsaMwdRev4, ErrorModel::IscwsaMwdRev5 }) {
        if (modelKey(m) == key)
            return m;
    }
    return std::nullopt;
}

} // namespace unc

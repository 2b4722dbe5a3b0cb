// The error model's members of the stored settings.
#include "uncertainty/settingsjson.h"

#include <string>

namespace settingsjson {

namespace {

const char *const kLatitude = "latitude";
const char *const kGravity = "gravity";
const char *const kMagField = "magField";
const char *const kMagDip = "magDip";
const char *const kEllipseSigma = "ellipseSigma";

} // namespace

bool readUncertainty(Reader &in, const char *modelMember, UncertaintySettings &u)
{
    return in.choice(modelMember, unc::modelFromKey, u.model)
        && in.number(kLatitude, validLatitude, u.latitude, kLatitudeRange)
        && in.number(kGravity, validGravity, u.gravity, kGravityRange)
        && in.number(kMagField, validTotalField, u.totalField, kTotalFieldRange)
        && in.number(kMagDip, validDip, u.dip, kLatitudeRange)
        && in.number(kEllipseSigma, validEllipseSigma, u.ellipseSigma, kEllipseSigmaRange);
}

void writeUncertainty(Json &j, const char *modelMember, const UncertaintySettings &u, bool withNone)
{
    const UncertaintySettings defaults;
    if (u.model != ErrorModel::None || withNone)
        j[modelMember] = std::string(unc::modelKey(u.model));
    if (u.latitude)
        j[kLatitude] = *u.latitude;
    if (u.gravity != defaults.gravity)
        j[kGravity] = u.gravity;
    if (u.totalField)
        j[kMagField] = *u.totalField;
    if (u.dip)
        j[kMagDip] = *u.dip;
    if (u.ellipseSigma != defaults.ellipseSigma)
        j[kEllipseSigma] = u.ellipseSigma;
}

bool isUncertaintyMember(const std::string &key, const char *modelMember)
{
    for (const char *known :
        { modelMember, kLatitude, kGravity, kMagField, kMagDip, kEllipseSigma }) {
        if (key == known)
            return true;
    }
    return false;
}

} // namespace settingsjson

// The error model's part of the settings' JSON form: the model by its short name under a
// member that the caller chooses ("errorModel" among the well's members, "model" in an
// offset's own "errorModel" object), and its inputs beside it. The well's settings and
// the offsets (clearance/settingsjson.h) write and read it through these. No Qt.
#pragma once

#include "uncertainty/settings.h"
#include "well/settingsreader.h"

#include <string>

namespace settingsjson {

// The error model's members of `in` into `u`, the model under `modelMember`; false with
// in.fault set.
bool readUncertainty(Reader &in, const char *modelMember, UncertaintySettings &u);

// The members that are set or differ from the default; the model itself under
// `modelMember`, always when `withNone`.
void writeUncertainty(
    Json &j, const char *modelMember, const UncertaintySettings &u, bool withNone);

// Whether `key` is one of the members the two above read and write.
bool isUncertaintyMember(const std::string &key, const char *modelMember);

} // namespace settingsjson

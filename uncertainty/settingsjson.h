// The error model's part of the settings' JSON form: the model by its short name under a
// member that the caller chooses ("errorModel" among the well's members, "model" in an
// offset's own "errorModel" object), and its inputs beside it. The well's settings and
// the offsets (clearance/settingsjson.h) write and read it through these. No Qt.
#pragma once

#include "uncertainty/settings.h"
#include "well/settingsreader.h"

#include <string>
#include <vector>

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

// An operator's own tool model as one JSON object: {"code", "description",
// "inclinationMin", "inclinationMax" (degrees), "tortuosity" (degrees per 30 m),
// "courseLength" (m), "noiseReduction", "terms": [{"code", "function", "magnitude", "unit",
// "propagation"}]}; the values checked by ownToolValid. False with in.fault set.
bool readOwnTool(Reader &in, OwnTool &out);
Json ownToolToJson(const OwnTool &tool);

// A list of such objects under `member`, no code twice; a missing member is no fault.
bool readOwnTools(Reader &in, const char *member, std::vector<OwnTool> &out);
// Nothing for an empty list.
void writeOwnTools(Json &j, const char *member, const std::vector<OwnTool> &tools);

} // namespace settingsjson

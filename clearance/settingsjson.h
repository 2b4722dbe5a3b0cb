// The clearance layer's part of the settings' JSON form: the members of the clearance
// rule among the well's own members, and "offsets", the list of neighbouring wells, each
// an object with its slot or wellhead, elevation, hole, own error model (an object with
// the model under "model"), sidetrack parent and kick-off, its stations as
// [md, inclination, azimuth] and the members this program does not know. No Qt.
#pragma once

#include "clearance/settings.h"
#include "well/settingsreader.h"

#include <optional>
#include <string>
#include <vector>

namespace settingsjson {

// The rule's members of `in` into `rule`; false with in.fault set.
bool readClearanceRule(Reader &in, ClearanceSettings &rule);
// The rule's members that differ from the rule's usual values.
void writeClearanceRule(Json &j, const ClearanceSettings &rule);

// The offsets of `in`, each checked alone and then all together (offsetsValid); none
// when the member is missing. False with in.fault set to the whole fault.
bool readOffsets(Reader &in, std::vector<OffsetWell> &out);
// The member "offsets", when there are any.
void writeOffsets(Json &j, const std::vector<OffsetWell> &offsets);

// The member "field", the well's field link: an object with "location" (required),
// "wellbore" and "radius"; unset when the member is missing. False with in.fault set.
bool readFieldLink(Reader &in, std::optional<FieldLink> &out);
// The member "field", when the well has a link.
void writeFieldLink(Json &j, const std::optional<FieldLink> &link);

// Whether `key` is one of the well's members that the functions above read and write.
bool isClearanceMember(const std::string &key);

} // namespace settingsjson

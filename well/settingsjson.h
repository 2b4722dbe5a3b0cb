// The stored form of the well settings: one compact JSON object (UTF-8) of the well's own
// members, the error model's (uncertainty/settingsjson.h) and the clearance layer's
// (clearance/settingsjson.h), followed by the members that this program does not know.
// No Qt.
#pragma once

#include <string>
#include <string_view>

struct WellSettings;

// Compact JSON text of the settings (UTF-8), known members first in a fixed order, then
// the other members. Only values that are set, or differ from the default, are written,
// so equal settings always give equal text.
std::string settingsToJson(const WellSettings &settings);

// Reads settings from JSON text. The text must be one JSON object, nested at most
// kMaxSettingsDepth deep; every known member must have its type and lie within its
// limits; a wellhead needs both coordinates. On failure `out` is untouched and `fault`
// (if given) names the first problem in German.
inline constexpr int kMaxSettingsDepth = 64;
bool settingsFromJson(std::string_view json, WellSettings &out, std::string *fault = nullptr);

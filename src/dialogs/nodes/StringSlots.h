#pragma once

#include "scenario/Scenario.h"

#include <cstdint>
#include <span>
#include <string>

// The string tables the string editors edit in place.

namespace texttype {
constexpr std::int32_t Scenario = 0; // ScenStrings, 0..319
constexpr std::int32_t Outdoor = 1;  // the current outdoor section's strings, 0..107
constexpr std::int32_t Town = 2;     // the current town's strings, 0..189
} // namespace texttype

// The table of a text type; empty for a type that names none, or for a current town or
// section that does not exist.
std::span<std::string> TextTableOf(Scenario& scen, std::int32_t textType);

// The dialog-button labels are scenario strings 260..319.
constexpr std::size_t kButtonLabelBase = 260;
constexpr int kButtonLabelCount = 60;

// The index of sign n's text among the strings of the current town (170 + n, signs 0..19) or
// outdoor section (100 + n, signs 0..7); -1 for a sign that has no text slot, such as the
// outdoor sign positions 8..15.
int SignStringIndex(bool outdoors, std::int16_t signNum);
// The text of the sign in the current town or outdoor section; nullptr when it has no slot.
std::string* SignText(Scenario& scen, bool outdoors, std::int16_t signNum);

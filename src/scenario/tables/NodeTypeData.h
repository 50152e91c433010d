#pragma once

#include "scenario/tables/NodeTypeDescriptors.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

// The compile-time descriptors of the defined node types. Each entry names only what differs
// from the default (prompts "Unused", jump prompt "Special to jump to", everything else 0), so
// the data files initialise by designation and leave the rest out on purpose.

struct NodeFieldData {
    std::string_view prompt; // empty: keep "Unused"
    std::int16_t chooser = chooser::None;
};

struct CreateEditButtons {
    bool message = false;
    bool extra1b = false;
    bool extra2b = false;
};

struct NodeTypeData {
    int type = -1;
    std::string_view name;
    std::int16_t messageKind = messagekind::TwoPart;
    std::int16_t pictureKind = picturekind::None;
    CreateEditButtons createEdit;
    NodeFieldData stuffDoneA;
    NodeFieldData stuffDoneB;
    NodeFieldData message1;
    NodeFieldData message2;
    NodeFieldData picture;
    NodeFieldData extra1a;
    NodeFieldData extra1b;
    NodeFieldData extra2a;
    NodeFieldData extra2b;
    std::string_view jumpTo; // empty: keep "Special to jump to"
};

// Wordings that many types share.
namespace nodetext {
constexpr NodeFieldData FlagA{"Stuff Done Flag Part A", chooser::StuffDoneFlagA};
constexpr NodeFieldData FlagB{"Stuff Done Flag Part B", chooser::StuffDoneFlagB};
constexpr NodeFieldData FirstPart{"First part of message"};
constexpr NodeFieldData SecondPart{"Second part of message"};
constexpr NodeFieldData FirstOfDialog{"Number of first message in dialog"};
constexpr NodeFieldData CallThis{"Call this special ..."};
constexpr NodeFieldData SpaceX{"X coordinate of space"};
constexpr NodeFieldData SpaceY{"Y coordinate of space"};
constexpr NodeFieldData GoToX{"X coordinate to go to"};
constexpr NodeFieldData GoToY{"Y coordinate to go to"};
constexpr NodeFieldData RectTop{"Top of rectangle"};
constexpr NodeFieldData RectLeft{"Left of rectangle"};
constexpr NodeFieldData RectBottom{"Bottom of rectangle"};
constexpr NodeFieldData RectRight{"Right of rectangle"};
constexpr std::string_view Otherwise = "Otherwise call this special ...";
constexpr CreateEditButtons MessageButton{.message = true};
} // namespace nodetext

// One list per block of defined type numbers, each in increasing type order.
extern const std::span<const NodeTypeData> kGeneralNodeTypes;   // 0..29, 50..63
extern const std::span<const NodeTypeData> kPartyNodeTypes;     // 80..106
extern const std::span<const NodeTypeData> kConditionNodeTypes; // 130..156
extern const std::span<const NodeTypeData> kTownNodeTypes;      // 170..218
extern const std::span<const NodeTypeData> kOutdoorNodeTypes;   // 225..229

// A list is usable only if its type numbers rise strictly inside its block.
constexpr bool TypesRiseWithin(std::span<const NodeTypeData> types, int first, int last) {
    int previous = first - 1;
    for (const NodeTypeData& type : types) {
        if (type.type <= previous || type.type > last) return false;
        previous = type.type;
    }
    return true;
}

#include "scenario/tables/NodeTypeData.h"

// Entries name only what differs from the default; see NodeTypeData.h.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

using namespace nodetext;

namespace {
constexpr std::array<NodeTypeData, 5> kData = {{
    {.type = 225, .name = "Make Outdoor Wandering"},
    {.type = 226,
     .name = "Change Outdoor Terrain",
     .createEdit = MessageButton,
     .message1 = FirstPart,
     .message2 = SecondPart,
     .extra1a = SpaceX,
     .extra1b = SpaceY,
     .extra2a = {"Terrain to change to", chooser::TerrainTypes}},
    {.type = 227,
     .name = "Place Outdoor Encounter",
     .createEdit = MessageButton,
     .message1 = FirstPart,
     .message2 = SecondPart,
     .extra1a = {"Number of special encounter (0 - 3)"}},
    {.type = 228,
     .name = "Outdoor Move Party",
     .createEdit = MessageButton,
     .message1 = FirstPart,
     .message2 = SecondPart,
     .extra1a = GoToX,
     .extra1b = GoToY},
    // The prompts of the other fields follow the store kind of the node shown; see
    // ApplyOutdoorStoreKind.
    {.type = 229,
     .name = "Outdoor Store",
     .createEdit = MessageButton,
     .message1 = FirstPart,
     .message2 = SecondPart,
     .extra1a = {"Type of store", chooser::StoreTypes}},
}};
static_assert(TypesRiseWithin(kData, 225, 229));
} // namespace

constinit const std::span<const NodeTypeData> kOutdoorNodeTypes = kData;

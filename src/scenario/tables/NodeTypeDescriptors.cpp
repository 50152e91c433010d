#include "scenario/tables/NodeTypeDescriptors.h"

#include "scenario/Scenario.h"
#include "scenario/tables/NodeTypeData.h"

#include <tuple>

std::array<SpecialNodeTypeInfo, kSpecialNodeTypeCount> SpecialNodeTypes;

namespace {
constexpr std::string_view kUnused = "Unused";
constexpr std::string_view kJumpTo = "Special to jump to";

SpecialNodeTypeInfo DefaultNodeType() {
    SpecialNodeTypeInfo info;
    for (int field = nodefield::StuffDoneA; field < nodefield::JumpTo; ++field)
        info.Prompts[static_cast<std::size_t>(field)] = kUnused;
    info.Prompts[nodefield::JumpTo] = kJumpTo;
    return info;
}

void ApplyField(SpecialNodeTypeInfo& info, int field, const NodeFieldData& data) {
    const auto index = static_cast<std::size_t>(field);
    if (!data.prompt.empty()) info.Prompts[index] = data.prompt;
    info.ChooserKinds[index] = data.chooser;
}

void ApplyType(const NodeTypeData& data) {
    SpecialNodeTypeInfo& info = SpecialNodeTypes.at(static_cast<std::size_t>(data.type));
    info.Name = data.name;
    info.MessageKind = data.messageKind;
    info.PictureKind = data.pictureKind;
    info.ButtonFlags[nodebutton::Message] = data.createEdit.message ? 1 : 0;
    info.ButtonFlags[nodebutton::Extra1b] = data.createEdit.extra1b ? 1 : 0;
    info.ButtonFlags[nodebutton::Extra2b] = data.createEdit.extra2b ? 1 : 0;
    ApplyField(info, nodefield::StuffDoneA, data.stuffDoneA);
    ApplyField(info, nodefield::StuffDoneB, data.stuffDoneB);
    ApplyField(info, nodefield::Message1, data.message1);
    ApplyField(info, nodefield::Message2, data.message2);
    ApplyField(info, nodefield::Picture, data.picture);
    ApplyField(info, nodefield::Extra1a, data.extra1a);
    ApplyField(info, nodefield::Extra1b, data.extra1b);
    ApplyField(info, nodefield::Extra2a, data.extra2a);
    ApplyField(info, nodefield::Extra2b, data.extra2b);
    if (!data.jumpTo.empty()) info.Prompts[nodefield::JumpTo] = data.jumpTo;
}

// What the fields of an outdoor store hold, by its store kind (the node's Extra1a).
struct StoreKindPrompts {
    std::string_view firstEntry; // Extra1b
    std::int16_t firstEntryChooser;
    std::string_view entryCount; // Extra2a
    std::string_view costAdjust; // Extra2b
};

constexpr std::string_view kCostAdjust = "Cost adjust (0 - 6, lower = cheaper)";

// clang-format off
constexpr std::array<StoreKindPrompts, 6> kStoreKinds = {{
    /* 0 items   */ {"Number of first item in store", chooser::ItemTypes,
                     "Number of items in store (1 - 40)", kCostAdjust},
    /* 1 mage    */ {"Number of first spell in store", chooser::MageSpells,
                     "Number of spells in store (1 - 40)", kCostAdjust},
    /* 2 priest  */ {"Number of first spell in store", chooser::PriestSpells,
                     "Number of spells in store (1 - 40)", kCostAdjust},
    /* 3 alchemy */ {"Number of first recipe in store", chooser::AlchemyRecipes,
                     "Number of recipes in store (1 - 19)", kCostAdjust},
    /* 4 healing */ {kUnused, chooser::None, kUnused, kCostAdjust},
    /* 5 magic   */ {"Which shop (0 - 4)", chooser::None, kUnused, kCostAdjust},
}};
// clang-format on
constexpr StoreKindPrompts kUnknownStoreKind{kUnused, chooser::None, kUnused, kUnused};
} // namespace

void FillSpecialNodeTypes() {
    SpecialNodeTypes.fill(DefaultNodeType());

    for (const auto block : {kGeneralNodeTypes, kPartyNodeTypes, kConditionNodeTypes,
                             kTownNodeTypes, kOutdoorNodeTypes})
        for (const NodeTypeData& type : block)
            ApplyType(type);

    // The item prompt of Give Special Item names the last special item number.
    constexpr auto specialItemCount = std::tuple_size_v<decltype(Scenario::SpecialItems)>;
    SpecialNodeTypes[51].Prompts[nodefield::Extra1a] =
        "Num. of spec. item to give (0-" + std::to_string(specialItemCount - 1) + ")";

    for (const int reserved : {197, 198, 199})
        SpecialNodeTypes[static_cast<std::size_t>(reserved)].Name = kUnused;
}

const SpecialNodeTypeInfo& ApplyOutdoorStoreKind(std::int16_t storeKind) {
    const StoreKindPrompts& store =
        storeKind >= 0 && storeKind < static_cast<int>(kStoreKinds.size())
            ? kStoreKinds[static_cast<std::size_t>(storeKind)]
            : kUnknownStoreKind;
    SpecialNodeTypeInfo& info = SpecialNodeTypes[kOutdoorStoreType];
    info.Prompts[nodefield::Extra1b] = store.firstEntry;
    info.ChooserKinds[nodefield::Extra1b] = store.firstEntryChooser;
    info.Prompts[nodefield::Extra2a] = store.entryCount;
    info.Prompts[nodefield::Extra2b] = store.costAdjust;
    return info;
}

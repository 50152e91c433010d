#include "scenario/tables/EditorTables.h"

#include "scenario/tables/FillNames.h"
#include "scenario/tables/NodeTypeDescriptors.h"
#include "scenario/tables/TableData.h"

std::array<std::array<std::string, 2>, kToolCount> ToolCaptions;
std::array<std::string, 26> ItemKindNames;
std::array<std::string, 177> ItemAbilityNames;
std::array<std::string, 6> ShopTypeNames;
std::array<std::string, 100> SoundNames;
std::array<std::string, 7> EnchantNames;
std::array<std::string, 14> TrapTypeNames;
std::array<std::string, 8> DamageTypeNames;
std::array<std::int16_t, 22> GameFieldKindMap{};

void InitScenEditorTables() {
    GameFieldKindMap = kGameFieldKindData;

    for (const ToolCaptionData& tool : kToolCaptionData) {
        auto& row = ToolCaptions.at(static_cast<std::size_t>(tool.tool));
        row[kToolCaptionColumn] = std::string(tool.caption);
        row[kToolPromptColumn] = std::string(tool.prompt);
    }

    FillNames(ShopTypeNames, kShopTypeNameData);
    FillNames(ItemKindNames, kItemKindNameData);

    // The unnamed numbers between the runs must read as empty, whatever a previous fill left.
    ItemAbilityNames.fill(std::string());
    FillNames(ItemAbilityNames, kItemAbilityNameData);

    FillSpecialNodeTypes();

    FillNames(SoundNames, kSoundNameData);
    FillNames(EnchantNames, kEnchantNameData);
    FillNames(TrapTypeNames, kTrapTypeNameData);
    FillNames(DamageTypeNames, kDamageTypeNameData);
}

#include "dialogs/nodes/NodeTypePresentation.h"

#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"

#include <algorithm>

const std::array<NodeTypeCategory, kNodeTypeCategoryCount> kNodeTypeCategories = {{
    {"General", 0, 29},
    {"One Shots", 50, 63},
    {"Affect PCs", 80, 106},
    {"If-Thens", 130, 156},
    {"Town Specs", 170, 218},
    {"Out Specs", 225, 229},
}};

bool IsUnusedPrompt(const std::string& prompt) {
    return prompt == "Unused";
}

namespace {
constexpr int kFlagCount = 300;

std::string Numbered(std::size_t n, const std::string& name) {
    return std::to_string(n) + " - " + name;
}

template <class Names> std::vector<std::string> NumberedNames(const Names& names) {
    std::vector<std::string> entries;
    entries.reserve(names.size());
    for (std::size_t n = 0; n < names.size(); ++n)
        entries.push_back(Numbered(n, names[n]));
    return entries;
}

template <class Records> std::vector<std::string> NumberedRecordNames(const Records& records) {
    std::vector<std::string> entries;
    entries.reserve(records.size());
    for (std::size_t n = 0; n < records.size(); ++n)
        entries.push_back(Numbered(n, records[n].Name));
    return entries;
}

std::vector<std::string> ScenStringRun(const Scenario& scen, std::size_t first, std::size_t step,
                                       std::size_t count) {
    std::vector<std::string> entries;
    for (std::size_t n = 0; n < count; ++n)
        entries.push_back(Numbered(n, scen.ScenStrings[first + step * n]));
    return entries;
}
} // namespace

std::vector<std::string> ChooserEntries(const Scenario& scen, std::int16_t kind,
                                        std::int16_t flag) {
    switch (kind) {
    case chooser::ItemTypes:
        return NumberedRecordNames(scen.ItemTypes);
    case chooser::TerrainTypes:
        return NumberedRecordNames(scen.TerrainTypes);
    case chooser::MonsterTypes:
        return NumberedRecordNames(scen.MonsterTypes);
    case chooser::Sounds:
        return NumberedNames(SoundNames);
    case chooser::DialogButtonLabels:
        return ScenStringRun(scen, 260, 1, 60);
    case chooser::Statistics:
        return NumberedNames(SkillNames);
    case chooser::MageSpells:
        return NumberedNames(MageSpellNames);
    case chooser::PriestSpells:
        return NumberedNames(PriestSpellNames);
    case chooser::AlchemyRecipes:
        return NumberedNames(AlchemyNames);
    case chooser::TrapTypes:
        return NumberedNames(TrapTypeNames);
    case chooser::DamageTypes:
        return NumberedNames(DamageTypeNames);
    case chooser::StoreTypes:
        return {ShopTypeNames.begin(), ShopTypeNames.end()};
    case chooser::TownLighting:
        return {"Fully lit", "Dark", "Very Dark", "Totally Dark"};
    case chooser::SpecialItems:
        return ScenStringRun(scen, 60, 2, 50);
    case chooser::Towns: {
        // TownCount and the town list normally agree; never read past the list.
        const std::size_t count = std::min<std::size_t>(scen.TownCount, scen.Towns.size());
        std::vector<std::string> entries;
        for (std::size_t t = 0; t < count; ++t)
            entries.push_back(Numbered(t, scen.Towns[t].Strings[0]));
        return entries;
    }
    case chooser::StuffDoneFlagA: {
        std::vector<std::string> entries;
        for (std::size_t f = 0; f < kFlagCount; ++f)
            entries.push_back(Numbered(f, scen.StuffDoneNames[f].Name));
        return entries;
    }
    case chooser::StuffDoneFlagB:
        if (flag < 0 || flag >= kFlagCount) return {};
        return NumberedNames(scen.StuffDoneNames[static_cast<std::size_t>(flag)].ValueNames);
    default:
        return {};
    }
}

int ChooserSelection(std::int16_t value, std::size_t entryCount) {
    return value > -1 && static_cast<std::size_t>(value) < entryCount ? value : -1;
}

const SpecialNodeTypeInfo& PresentedNodeType(NodeCopy& copy) {
    if (copy.CurrentType < 0) copy.CurrentType = 0;
    if (copy.CurrentType >= kSpecialNodeTypeCount) {
        // Only a damaged file holds a type beyond the table: its fields are labelled as those
        // of type 0, and the type itself is kept until the author chooses another.
        return SpecialNodeTypes[0];
    }
    if (copy.CurrentType == kOutdoorStoreType)
        return ApplyOutdoorStoreKind(copy.NodeData[nodefield::Extra1a]);
    return SpecialNodeTypes[static_cast<std::size_t>(copy.CurrentType)];
}

#include "scenario/tables/CommonTables.h"

#include "scenario/tables/FillNames.h"
#include "scenario/tables/TableData.h"

std::array<std::string, 20> AlchemyNames;
std::array<std::string, 62> MageSpellNames;
std::array<std::string, 62> PriestSpellNames;
std::array<std::string, 19> SkillNames;
std::array<std::string, 53> DialogButtonLabels;
std::array<std::array<std::uint8_t, kWallShapeCount>, kWallStyleCount> WallTerrains{};

void InitCommonTables() {
    FillNames(AlchemyNames, kAlchemyNameData);
    FillNames(MageSpellNames, kMageSpellNameData);
    FillNames(PriestSpellNames, kPriestSpellNameData);
    FillNames(SkillNames, kSkillNameData);
    FillNames(DialogButtonLabels, kDialogButtonLabelData);
    WallTerrains = kWallTerrainData;
}

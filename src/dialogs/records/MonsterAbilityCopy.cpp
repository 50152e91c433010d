#include "dialogs/records/MonsterAbilityCopy.h"

MonsterAbilityCopy LoadMonsterAbilityCopy(std::int16_t monstNum, const MonsterAbilityMembers& m) {
    MonsterAbilityCopy copy;
    copy.MonstNum = monstNum;
    copy.Poison = m.Poison;
    copy.BreathWpn = m.BreathWpn;
    copy.BreathStr = m.BreathStr;
    copy.SpAbility = m.SpAbility;
    copy.CreateGenerate = m.CreateGenerate;
    copy.CreateExtra = m.CreateExtra;
    copy.ItemDropped = m.ItemDropped;
    copy.ChanceDrop = m.ChanceDrop;
    copy.SummonType = m.SummonType;
    copy.MagicRes = m.MagicRes;
    copy.FireRes = m.FireRes;
    copy.ColdRes = m.ColdRes;
    copy.PoisonRes = m.PoisonRes;
    return copy;
}

void SaveMonsterAbilityCopy(const MonsterAbilityCopy& copy, MonsterAbilityMembers& m) {
    m.Poison = static_cast<std::uint8_t>(copy.Poison);
    m.BreathWpn = static_cast<std::uint8_t>(copy.BreathWpn);
    m.BreathStr = static_cast<std::uint8_t>(copy.BreathStr);
    m.SpAbility = static_cast<std::uint8_t>(copy.SpAbility);
    m.CreateGenerate = static_cast<std::uint8_t>(copy.CreateGenerate);
    m.CreateExtra = static_cast<std::uint8_t>(copy.CreateExtra);
    m.ItemDropped = copy.ItemDropped;
    m.ChanceDrop = copy.ChanceDrop;
    m.SummonType = static_cast<std::uint8_t>(copy.SummonType);
    m.MagicRes = copy.MagicRes;
    m.FireRes = copy.FireRes;
    m.ColdRes = copy.ColdRes;
    m.PoisonRes = copy.PoisonRes;
}

void ChooseCreateGenerate(std::int16_t kind, CreateExtraRule& rule, std::string& prompt) {
    if (kind >= 1 && kind <= 6) {
        prompt = "Percentage chance (1-100%)";
        rule = {"Percentage", 1, 100};
    } else if (kind >= 10 && kind <= 12) {
        prompt = "Number of creature to summon";
        rule = {"Creature number", 0, 255};
    } else if (kind == 15) {
        prompt = "Number of special to call";
        rule = {"Special number", 0, 255};
    } else {
        prompt = "Unused";
    }
}

CreateExtraRule CreateExtraCheck(const CreateExtraRule& rule) {
    if (rule.Min != rule.Max) return rule;
    return {rule.Caption.empty() ? std::string("Value") : rule.Caption, 0, 255};
}

std::uint8_t ResistanceAfterClick(int box, bool checked) {
    return checked ? static_cast<std::uint8_t>(box + 1) : std::uint8_t{0};
}

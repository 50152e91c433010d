#include "dialogs/records/RecordEditorLists.h"

const std::array<const char*, 15> MonsterKindEntries{
    "Human",  "Reptile", "Beast", "Important", "Mage", "Priest", "Humanoid",        "Demon",
    "Undead", "Giant",   "Slime", "Stone",     "Bug",  "Dragon", "Magical Creature"};

const std::array<const char*, 10> MonsterAttackEntries{"Hits/Swings",  "Claws",  "Bites", "Slimes",
                                                       "Hits/Punches", "Stings", "Clubs", "Burns",
                                                       "Harms",        "Stabs"};

const std::array<const char*, 4> MonsterAttitudeEntries{"Friendly, Docile", "Hostile, Type A",
                                                        "Friendly, Will Fight", "Hostile, Type B"};

const std::array<const char*, 4> BreathWeaponEntries{"Fire", "Cold", "Electricity", "Darkness"};

const std::array<const char*, 4> SummonTypeEntries{"No Summon", "Type 1", "Type 2", "Type 3"};

const std::array<const char*, 16> CreateGenerateEntries{"No ability",
                                                        "Radiate fire fields",
                                                        "Radiate ice fields",
                                                        "Radiate shock fields",
                                                        "Radiate antimagic fields",
                                                        "Radiate sleep fields",
                                                        "Radiate stink clouds",
                                                        "Unused",
                                                        "Unused",
                                                        "Unused",
                                                        "Summon (5% chance)",
                                                        "Summon (20% chance)",
                                                        "Summon (50% chance)",
                                                        "Unused",
                                                        "Unused",
                                                        "Death triggers scen. special"};

const std::array<const char*, 38> MonsterAbilityEntries{"No special ability",
                                                        "Throws darts (dam 1-6)",
                                                        "Shoots arrows (dam 2-12)",
                                                        "Throws spears (dam 3-18)",
                                                        "Throws rocks (dam 4-24)",
                                                        "Throws rocks (dam 5-30)",
                                                        "Throws rocks (dam 6-36)",
                                                        "Throws razordisks (4-24)",
                                                        "Petrification ray",
                                                        "Spell point drain ray",
                                                        "Heat ray",
                                                        "Invisible",
                                                        "Splits when hit",
                                                        "Mindless (resists fear)",
                                                        "Breathes stinking clouds",
                                                        "Icy touch",
                                                        "Experience draining touch",
                                                        "Icy and draining touch",
                                                        "Slowing touch",
                                                        "Shoots webs",
                                                        "Good archer (dam 7-42)",
                                                        "Steals food when hits",
                                                        "Permanent martyr's shield",
                                                        "Paralysis ray",
                                                        "Dumfounding touch",
                                                        "Disease touch",
                                                        "Absorb spells",
                                                        "Web touch",
                                                        "Sleep touch",
                                                        "Paralysis touch",
                                                        "Petrification touch",
                                                        "Acid touch",
                                                        "Breathes sleep clouds",
                                                        "Acid spit",
                                                        "Shoot spines (dam 7-42)",
                                                        "Death touch (use with care)",
                                                        "Invulnerable (use with care)",
                                                        "Guard"};

const std::array<const char*, 6> BlockageEntries{
    "Clear",          "Walk through, Opaque", "Clear, Special",
    "Clear, Blocked", "Blocked, Obstructed",  "Blocked, Opaque"};

const std::array<const char*, 4> StepSoundEntries{"Footstep", "Squish", "Crunch", "Silence"};

const std::array<const char*, 28> SpecialPropertyEntries{"None",
                                                         "Change when step on",
                                                         "Does fire damage",
                                                         "Does cold damage",
                                                         "Does magical damage",
                                                         "Poison land",
                                                         "Disease land",
                                                         "Crumbling terrain",
                                                         "Lockable terrain",
                                                         "Unlockable terrain",
                                                         "Unlockable/bashable",
                                                         "Is a sign",
                                                         "Call local special",
                                                         "Call scenario special",
                                                         "Is a container",
                                                         "Waterfall",
                                                         "Conveyor (north)",
                                                         "Conveyor (east)",
                                                         "Conveyor (south)",
                                                         "Conveyor (west)",
                                                         "Blocked to monsters",
                                                         "Town entrance",
                                                         "Can be used",
                                                         "Call special when used",
                                                         "Door",
                                                         "Cave Walkway",
                                                         "Grass Walkway",
                                                         "Change with Quickfire!"};

const std::array<const char*, 25> ItemKindEntries{"No Item",
                                                  "1-Handed weapon",
                                                  "2-Handed weapon",
                                                  "Gold",
                                                  "Bow",
                                                  "Arrows",
                                                  "Thrown missle",
                                                  "Potion/Magic item",
                                                  "Scroll/Magic item",
                                                  "Wand",
                                                  "Tool",
                                                  "Food",
                                                  "Shield",
                                                  "Armor",
                                                  "Helm",
                                                  "Gloves",
                                                  "Boots",
                                                  "Ring",
                                                  "Necklace",
                                                  "Weapon poison",
                                                  "Non-use object",
                                                  "Pants",
                                                  "Crossbow",
                                                  "Bolts",
                                                  "Missile (no ammo)"};

const std::array<const char*, 3> WeaponTypeEntries{"Edged", "Bashing", "Pole"};

const std::array<const char*, 5> TreasureClassEntries{
    "Type 0: Junk, Not left", "Type 1: Lousy, 1 - 20 gp", "Type 2: So-so, 20 - 200 gp",
    "Type 3: Good, 200+ gp", "Type 4: Great, 2500+ gp"};

const std::array<const char*, 4> ItemUseEntries{"Help using PC", "Harm using PC",
                                                "Help whole party", "Harm whole party"};

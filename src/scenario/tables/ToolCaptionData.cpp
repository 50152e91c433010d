#include "scenario/tables/TableData.h"

// Caption of each map tool and the prompt shown while it waits for a click. Tools 8 and 13
// are one-shot buttons (switch the view, replace terrain) that wait for no click, so they
// have neither.
// clang-format off
constexpr std::array<ToolCaptionData, 53> kToolCaptionData = {{
    {0, "Drawing Mode", ""},
    {1, "Paintbrush (large)", ""},
    {2, "Paintbrush (small)", ""},
    {3, "Spraycan (large)", ""},
    {4, "Spraycan (small)", ""},
    {5, "Eyedropper", "Select terrain to draw"},
    {6, "Fill rectangle (hollow)", "Select upper left corner"},
    {7, "Fill rectangle (solid)", "Select upper left corner"},
    {8, "", ""},
    {9, "Erase space", "Select space to clear"},
    {10, "Edit sign", "Select sign to edit"},
    {11, "Create area rectangle", "Select upper left corner"},
    {12, "Place wandering monster arrival points", "First entry point"},
    {13, "", ""},
    {14, "Create/Edit special", "Select special location"},
    {15, "Copy special", "Select special to copy"},
    {16, "Paste special", "Select location to paste"},
    {17, "Erase special", "Select special to erase"},
    {18, "Set/Place special", "Select special location"},
    {19, "Set town entrance", "Select town to edit"},
    {20, "Place north entrance", "Select entrance location"},
    {21, "Place west entrance", "Select entrance location"},
    {22, "Place south entrance", "Select entrance location"},
    {23, "Place east entrance", "Select entrance location"},
    {24, "Place preset item", "Select location"},
    {25, "Edit preset items", "Select item to edit"},
    {26, "Place same item", "Select location"},
    {27, "Delete an item", "Select item to delete"},
    {28, "Place creature", "Select location"},
    {29, "Edit creature", "Select creature to edit"},
    {30, "Place same creature", "Select location"},
    {31, "Delete a creature", "Select creature"},
    {32, "Place web", "Select location"},
    {33, "Place crate", "Select location"},
    {34, "Place barrel", "Select location"},
    {35, "Place fire barrier", "Select location"},
    {36, "Place force barrier", "Select location"},
    {37, "Place quickfire", "Select location"},
    {38, "Place small blood stain", "Select location"},
    {39, "Place medium blood stain", "Select location"},
    {40, "Place large blood stain", "Select location"},
    {41, "Place small slime pool", "Select location"},
    {42, "Place large slime pool", "Select location"},
    {43, "Place ash", "Select location"},
    {44, "Place bones", "Select location"},
    {45, "Place rocks", "Select location"},
    {46, "Clear space", "Select space to clear"},
    {47, "Set town boundaries", "Select upper left corner"},
    {48, "Set town saved items spaces", "Select upper left corner"},
    {49, "Set starting point", "Select location"},
    {50, "Place Boat", "Select location"},
    {51, "Place Horse", "Select location"},
    {52, "Erase Boat/Horse", "Select location to clear"},
}};
// clang-format on

static_assert([] {
    for (int tool = 0; tool < static_cast<int>(kToolCaptionData.size()); ++tool)
        if (kToolCaptionData[static_cast<std::size_t>(tool)].tool != tool) return false;
    return true;
}());

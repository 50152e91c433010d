// Feeds arbitrary bytes to the reader of one part of a scenario file (the header, an outdoor
// section or a town with its dialogue) in one layout. A part is a few kilobytes where a whole
// file is a hundred, so the section and town readers are reached many times as often. The
// input's first byte chooses the part: 0 the header, 1 a section, 2 to 4 a town whose size code
// (which the game layouts keep in their header) is that less 2.
#include "platform/core/ByteSource.h"
#include "platform/core/RuntimeError.h"
#include "scenario/GameLayout.h"
#include "scenario/OwnLayout.h"
#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"

#include <cstdint>
#include <optional>
#include <span>

#ifndef FUZZ_LAYOUT
#error "FUZZ_LAYOUT must name the layout: 0, 1 or 2"
#endif

namespace {
bool InitTables() {
    InitCommonTables();
    InitScenEditorTables();
    return true;
}

// The counts that the editor writes into every file's count table.
constexpr OwnLayoutCounts kWrittenCounts{59, 107, 15, 7, 99, 189, 15, 89};

void ReadPart(Scenario& scen, int part, std::span<const std::uint8_t> bytes) {
    ByteSource source(bytes);
    if (FUZZ_LAYOUT == game_layout::kOwnLayout) {
        if (part == 0)
            ReadScenHeaderV2(scen, source.Take(ScenHeaderV2Extent(source)));
        else if (part == 1)
            ReadOutdoorSectionV2(scen, source.Take(OutdoorSectionV2Extent(source, kWrittenCounts)),
                                 kWrittenCounts, 0, 0);
        else
            ReadTownV2(scen, source.Take(TownV2Extent(source, kWrittenCounts)), kWrittenCounts, 0);
        return;
    }
    GameTownTables towns;
    if (part == 0) {
        ReadScenHeaderV1(scen, source.Take(ScenHeaderV1Extent(source)), FUZZ_LAYOUT, towns);
    } else if (part == 1) {
        ReadOutdoorSectionV1(scen, source.Take(OutdoorSectionV1Extent(source)), 0, 0, FUZZ_LAYOUT);
    } else {
        towns.Sizes[0] = static_cast<std::uint8_t>(part - 2);
        ReadTownV1(scen, source.Take(TownV1Extent(source, 0, towns)), 0, FUZZ_LAYOUT, towns);
        ReadTownTalkV1(scen, source.Take(TownTalkV1Extent(source)), 0, FUZZ_LAYOUT);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool tablesReady = InitTables();
    (void)tablesReady;
    if (size == 0) return 0;
    // A world of one section and one town for the part to land in, built anew for each input
    // where the last one was.
    static std::optional<Scenario> scen;
    scen.emplace();
    scen->TownCount = 1;
    scen->OutdoorSections = OutdoorGrid(1, 1);
    scen->Towns.resize(1);
    scen->TownTalks.resize(1);
    try {
        ReadPart(*scen, data[0] % 5, std::span(data + 1, size - 1));
    } catch (const RuntimeError&) {
        // A refused part is the expected outcome of most inputs.
    }
    // Everything the input took is given back before the next, as a leak check expects.
    scen.reset();
    return 0;
}

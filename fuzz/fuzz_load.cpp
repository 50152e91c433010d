// Feeds arbitrary bytes to the whole read of one scenario layout. The layout's signature is put
// in front of the input so that every run reaches that layout's readers.
#include "platform/core/RuntimeError.h"
#include "scenario/ScenarioLoad.h"
#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"

#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <vector>

#ifndef FUZZ_LAYOUT
#error "FUZZ_LAYOUT must name the layout: 0, 1 or 2"
#endif

namespace {
const std::uint8_t kSignatures[3][4] = {
    {0x14, 0x28, 0x3C, 0x50}, {0x0A, 0x14, 0x1E, 0x28}, {'>', 'V', 'R', 'S'}};

// The little-endian game layout renumbers the monsters of the game's two own scenarios by their
// file names; every other name leaves them alone. The input's last byte chooses among the three,
// so that both renumberings and the plain load are all reached.
const char* FileNameChosenBy(const std::uint8_t* data, std::size_t size) {
    static const char* const kNames[3] = {"Fenmarrow.vrs", "Varno.vrs", "Other.vrs"};
    if (FUZZ_LAYOUT != 0) return kNames[2];
    return kNames[size == 0 ? 2 : data[size - 1] % 3];
}

bool InitTables() {
    InitCommonTables();
    InitScenEditorTables();
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool tablesReady = InitTables();
    (void)tablesReady;
    // Inputs that already start with the signature (the seeds) are taken as they are.
    std::span<const std::uint8_t> file(data, size);
    std::vector<std::uint8_t> signed_;
    if (size < 4 || std::memcmp(data, kSignatures[FUZZ_LAYOUT], 4) != 0) {
        signed_.assign(kSignatures[FUZZ_LAYOUT], kSignatures[FUZZ_LAYOUT] + 4);
        signed_.insert(signed_.end(), data, data + size);
        file = signed_;
    }
    // Every input is read into a fresh scenario built in the same place, so that the large
    // record is not mapped and cleared anew for each input.
    static std::optional<Scenario> scen;
    scen.emplace();
    try {
        ReadScenarioFile(*scen, file, FUZZ_LAYOUT, FileNameChosenBy(data, size));
    } catch (const RuntimeError&) {
        // A refused file is the expected outcome of most inputs.
    }
    // Everything the input took is given back before the next, as a leak check expects.
    scen.reset();
    return 0;
}

// What the readers accept, the writer writes back: an input that loads, saved and loaded again,
// gives the same scenario, or the same flag names. The input's first four bytes choose what it
// is: a scenario layout's signature or the flag-name file's first line; other inputs are led by
// the signature that their first byte picks.
#include "platform/core/RuntimeError.h"
#include "scenario/FlagNameFile.h"
#include "scenario/OwnLayout.h"
#include "scenario/ScenarioLoad.h"
#include "scenario/tables/CommonTables.h"
#include "scenario/tables/EditorTables.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

namespace {
const std::uint8_t kHeads[4][6] = {{0x14, 0x28, 0x3C, 0x50},
                                   {0x0A, 0x14, 0x1E, 0x28},
                                   {'>', 'V', 'R', 'S'},
                                   {'>', 'V', 'R', 'D', '\r', '\n'}};
constexpr int kFlagNames = 3;

// The flag-name reader takes a path: the text goes into a file in memory.
class MemoryFile {
  public:
    MemoryFile() : fd_(::memfd_create("names", 0)) {
        if (fd_ < 0) std::abort();
    }
    ~MemoryFile() { ::close(fd_); }
    void Put(const void* data, std::size_t size) {
        if (::ftruncate(fd_, 0) != 0 || ::pwrite(fd_, data, size, 0) != static_cast<ssize_t>(size))
            std::abort();
    }
    std::string Path() const { return "/proc/self/fd/" + std::to_string(fd_); }

  private:
    int fd_;
};

void FlagNamesRoundTrip(const std::vector<std::uint8_t>& file) {
    static MemoryFile memory;
    memory.Put(file.data(), file.size());
    auto read = std::make_unique<Scenario>();
    LoadScenData(*read, memory.Path());
    const std::string saved = FlagNameFileContents(read->StuffDoneNames);
    memory.Put(saved.data(), saved.size());
    auto again = std::make_unique<Scenario>();
    LoadScenData(*again, memory.Path());
    if (again->StuffDoneNames != read->StuffDoneNames) {
        std::fprintf(stderr, "flag names changed by a save and a load\n");
        std::abort();
    }
}

void ScenarioRoundTrip(const std::vector<std::uint8_t>& file, int layout) {
    auto read = std::make_unique<Scenario>();
    try {
        ReadScenarioFile(*read, file, static_cast<std::int16_t>(layout), "Other.vrs");
    } catch (const RuntimeError&) {
        return; // a refused file is the outcome of most inputs
    }
    static ByteWriter image;
    SectionDirectoryTable directory{};
    auto again = std::make_unique<Scenario>();
    try {
        const auto bytes = WriteScenarioImage(*read, directory, image);
        ReadScenarioFile(*again, bytes, 2, "Other.vrs");
    } catch (const RuntimeError& e) {
        std::fprintf(stderr, "a loaded scenario could not be saved and loaded: %d\n", e.number());
        std::abort();
    }
    // The own layout stores the lock flag where the y of the outdoor start would go.
    read->StartOutdoorLoc.Y = read->ListsLocked;
    if (!(*again == *read)) {
        std::fprintf(stderr, "the scenario changed by a save and a load\n");
        std::abort();
    }
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
    int kind = -1;
    for (int k = 0; k < 4 && kind < 0; ++k)
        if (size >= 4 && std::memcmp(data, kHeads[k], 4) == 0) kind = k;
    std::vector<std::uint8_t> file;
    if (kind < 0) {
        if (size == 0) return 0;
        kind = data[0] % 4;
        file.assign(kHeads[kind], kHeads[kind] + (kind == kFlagNames ? 6 : 4));
        ++data;
        --size;
    }
    file.insert(file.end(), data, data + size);
    if (kind == kFlagNames)
        FlagNamesRoundTrip(file);
    else
        ScenarioRoundTrip(file, kind);
    return 0;
}

#include "scenario/ScenarioImport.h"

#include "platform/core/BinaryFile.h"
#include "platform/core/ErrorBox.h"
#include "platform/core/MsgBox.h"
#include "scenario/GameLayout.h"
#include "scenario/OwnLayout.h"
#include "scenario/ScenarioClearing.h"
#include "scenario/ScenarioLoad.h"

#include <memory>
#include <optional>

namespace {
// What the import needs of the other file: its layout, the counts of its header, where its
// first outdoor section starts and, for a game layout, its town tables.
struct SourceFile {
    std::vector<std::uint8_t> image;
    std::int16_t format = -1;
    int townCount = 0;
    int width = 0;
    int height = 0;
    FilePos firstSection = 1;
    GameTownTables gameTowns;
};

// The header is read by the loader's own readers into a scenario of its own; only the counts
// and the position after it are kept.
void ReadSourceHeader(SourceFile& source) {
    auto header = std::make_unique<Scenario>();
    const ByteReader file(source.image);
    FilePos pos = 1;
    if (source.format == game_layout::kOwnLayout)
        ReadScenHeaderV2(*header, file, pos);
    else
        ReadScenHeaderV1(*header, file, pos, source.format, source.gameTowns);
    source.townCount = header->TownCount;
    source.width = header->OutdoorWidth;
    source.height = header->OutdoorHeight;
    source.firstSection = pos;
}

// Opens the file and recognises its layout; a file of none of them gets the loading error box.
std::optional<SourceFile> OpenSource(const std::string& path) {
    SourceFile source;
    source.image = ReadFileBytes(path);
    source.format = ScenFormatOfSignature(source.image);
    if (source.format < 0) {
        MsgBox("LoadScenarioError encountered!\r\nNot a valid Scenario file.", msgbox::Critical,
               "Error");
        return std::nullopt;
    }
    ReadSourceHeader(source);
    return source;
}

void Refuse(const std::string& text) {
    MsgBox(text, msgbox::Exclamation, "Error!");
}

// The scratch records: one section and one town, read by the same readers as a load. The
// positions of the records are found by reading every record before them in file order, as a
// load does, so that nothing depends on a directory or length table of the file agreeing with
// its records.
class SourceWalk {
  public:
    explicit SourceWalk(const SourceFile& source)
        : source_(source), file_(source.image), scratch_(std::make_unique<Scenario>()),
          pos_(source.firstSection) {
        // A game-layout section keeps only entrances to towns that the file has.
        scratch_->TownCount = static_cast<std::uint8_t>(source.townCount);
        scratch_->OutdoorSections = OutdoorGrid(1, 1);
        scratch_->Towns.assign(1, Town{});
        scratch_->TownTalks.assign(1, TownTalk{});
    }

    // The sections come row by row; section (x, y) is read over `start`.
    OutdoorSection ReadSection(int x, int y, const OutdoorSection& start) {
        const int wanted = y * source_.width + x;
        for (int n = 0; n <= wanted; ++n) {
            // The readers of the editor's layout keep what a short record does not hold, so
            // the wanted one starts from the record it replaces.
            if (n == wanted) scratch_->OutdoorSections.At(0, 0) = start;
            ReadNextSection();
        }
        return std::move(scratch_->OutdoorSections.At(0, 0));
    }

    // The towns follow every section; town t is read over `start`.
    Town ReadTown(int t, const Town& start) {
        for (int n = 0; n < source_.width * source_.height; ++n)
            ReadNextSection();
        for (int n = 0; n <= t; ++n) {
            if (n == t) scratch_->Towns[0] = start;
            ReadNextTown(n);
        }
        return std::move(scratch_->Towns[0]);
    }

  private:
    void ReadNextSection() {
        if (source_.format == game_layout::kOwnLayout)
            ReadOutdoorSectionV2(*scratch_, file_, 0, 0, pos_);
        else
            ReadOutdoorSectionV1(*scratch_, file_, 0, 0, pos_, source_.format);
    }

    void ReadNextTown(int t) {
        if (source_.format == game_layout::kOwnLayout) {
            ReadTownV2(*scratch_, file_, 0, pos_);
            return;
        }
        // The game keeps size and hidden flag in its header, not in the town.
        GameTownTables own;
        own.Sizes[0] = source_.gameTowns.Sizes[static_cast<std::size_t>(t)];
        own.Hidden[0] = source_.gameTowns.Hidden[static_cast<std::size_t>(t)];
        ReadTownV1(*scratch_, file_, 0, pos_, source_.format, own);
    }

    const SourceFile& source_;
    ByteReader file_;
    std::unique_ptr<Scenario> scratch_;
    FilePos pos_;
};

// Runs the import with its error trap: a run-time failure is shown in the "ImportTown" box.
// Any failure or refusal leaves the flag at -1.
template <class Body> void RunImport(Body&& body) {
    bool imported = false;
    const bool completed = RunTrapped("ImportTown", [&] { imported = body(); });
    if (!completed || !imported) ScenFile.FileDialogCancelled = -1;
}
} // namespace

void ImportTown(std::int16_t town, const std::string& path) {
    RunImport([&] {
        const int current = Scen.CurrentTown;
        if (current >= Scen.TownCount || static_cast<std::size_t>(current) >= Scen.Towns.size() ||
            static_cast<std::size_t>(current) >= Scen.TownTalks.size())
            RaiseError(err::SubscriptOutOfRange);
        const std::optional<SourceFile> source = OpenSource(path);
        if (!source) return false;
        if (town < 0 || town >= source->townCount || town >= game_layout::kMaxTowns) {
            Refuse("The chosen scenario file has no town " + std::to_string(town) + ".");
            return false;
        }
        Town read =
            SourceWalk(*source).ReadTown(town, Scen.Towns[static_cast<std::size_t>(current)]);

        Scen.Towns[static_cast<std::size_t>(current)] = std::move(read);
        Scen.TownTalks[static_cast<std::size_t>(current)] = ClearedTownTalk();
        if (source->format != game_layout::kOwnLayout)
            GameTowns.Sizes[static_cast<std::size_t>(current)] =
                source->gameTowns.Sizes[static_cast<std::size_t>(town)];
        LinkTownToSections(Scen, current);
        ScenFile.ScenFormat = source->format;
        return true;
    });
}

void ImportOutdoorSection(std::int16_t x, std::int16_t y, const std::string& path) {
    RunImport([&] {
        OutdoorSection& current =
            Scen.OutdoorSections.At(Scen.CurrentOutdoorX, Scen.CurrentOutdoorY);
        const std::optional<SourceFile> source = OpenSource(path);
        if (!source) return false;
        if (x < 0 || y < 0 || x >= source->width || y >= source->height) {
            Refuse("The chosen scenario file has no outdoor section " + std::to_string(x) + ", " +
                   std::to_string(y) + ".");
            return false;
        }
        current = SourceWalk(*source).ReadSection(x, y, current);
        ScenFile.ScenFormat = source->format;
        return true;
    });
}

#include "scenario/FlagNameFile.h"

#include "platform/core/BinaryFile.h"
#include "platform/core/ErrorBox.h"
#include "platform/core/StagedFile.h"
#include "platform/core/TextFile.h"

#include <charconv>
#include <optional>
#include <span>

namespace {
constexpr const char* kFirstLine = ">VRD";

// The names are typed into boxes that take at most 30 characters for a flag and 50 for a
// value. The longest line is the flag and value numbers ("299,-1," at most 7 characters), the
// name with every character a doubled quote, its two quotes, and CR LF.
constexpr std::int64_t kLongestLine(int nameLength) {
    return 7 + 2 * nameLength + 2 + 2;
}

// A quote inside a name is doubled so that the reader can tell it from the closing quote;
// a line break would split the record, so it becomes a blank.
std::string QuotedName(const std::string& name) {
    std::string out = "\"";
    for (char c : name) {
        if (c == '"')
            out += "\"\"";
        else if (c == '\r' || c == '\n')
            out += ' ';
        else
            out += c;
    }
    out += '"';
    return out;
}

void AddNameLine(TextFileBuilder& file, int flag, int value, const std::string& name) {
    if (name.empty()) return;
    file.WriteLine(std::to_string(flag) + "," + std::to_string(value) + "," + QuotedName(name));
}

// One record: number, number, text. The text is quoted (a doubled quote stands for one) or,
// as older writers may have left it, bare up to the end of the line.
struct NameRecord {
    int flag;
    int value;
    std::string name;
};

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

std::optional<int> ParseNumberField(std::string_view& rest) {
    const auto comma = rest.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    const std::string_view field = TrimBlanks(rest.substr(0, comma));
    rest.remove_prefix(comma + 1);
    int value = 0;
    const char* begin = field.data();
    if (!field.empty() && field.front() == '+') ++begin;
    const auto [end, ec] = std::from_chars(begin, field.data() + field.size(), value);
    if (ec != std::errc() || end != field.data() + field.size() || begin == end)
        return std::nullopt;
    return value;
}

std::optional<NameRecord> ParseNameLine(std::string_view line) {
    NameRecord record{};
    const auto flag = ParseNumberField(line);
    if (!flag) return std::nullopt;
    const auto value = ParseNumberField(line);
    if (!value) return std::nullopt;
    record.flag = *flag;
    record.value = *value;

    line = TrimBlanks(line);
    if (line.empty() || line.front() != '"') {
        record.name = std::string(line);
        return record;
    }
    std::size_t i = 1;
    for (;;) {
        if (i >= line.size()) return std::nullopt; // no closing quote
        if (line[i] == '"') {
            if (i + 1 < line.size() && line[i + 1] == '"') {
                record.name += '"';
                i += 2;
                continue;
            }
            break;
        }
        record.name += line[i++];
    }
    if (!TrimBlanks(line.substr(i + 1)).empty()) return std::nullopt;
    return record;
}
} // namespace

const std::int64_t kLargestFlagNameFile =
    6 + 300 * (kLongestLine(30) + 10 * kLongestLine(50)); // 354 306 bytes

std::string FlagNameFileContents(const std::array<StuffDoneDescription, 300>& names) {
    TextFileBuilder file;
    file.WriteLine(kFirstLine);
    for (int i = 0; i < 300; ++i) {
        const auto& flag = names[static_cast<std::size_t>(i)];
        AddNameLine(file, i, -1, flag.Name);
        for (int j = 0; j < 10; ++j)
            AddNameLine(file, i, j, flag.ValueNames[static_cast<std::size_t>(j)]);
    }
    return file.Contents();
}

std::unique_ptr<StagedFile> StageScenData(const Scenario& scen, const std::string& path) {
    std::unique_ptr<StagedFile> staged;
    RunTrapped("SaveScenData", [&] {
        const std::string contents = FlagNameFileContents(scen.StuffDoneNames);
        auto file = std::make_unique<StagedFile>(path);
        file->Write(
            std::span(reinterpret_cast<const std::uint8_t*>(contents.data()), contents.size()));
        staged = std::move(file);
    });
    return staged;
}

void SaveScenData(const Scenario& scen, const std::string& path) {
    const auto staged = StageScenData(scen, path);
    if (staged) RunTrapped("SaveScenData", [&] { staged->Commit(); });
}

void LoadScenData(Scenario& scen, const std::string& path) {
    scen.StuffDoneNames.fill(StuffDoneDescription{});
    std::vector<std::uint8_t> bytes;
    try {
        bytes = ReadFileBytes(path, kLargestFlagNameFile);
    } catch (...) {
        return;
    }
    // Line by line over the bytes: a file of many short lines must not become as many strings.
    const std::string_view contents(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    bool first = true;
    for (std::size_t start = 0; start < contents.size();) {
        std::size_t end = contents.find('\n', start);
        if (end == std::string_view::npos) end = contents.size();
        std::string_view line = contents.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (first) {
            if (line != kFirstLine) return;
            first = false;
            continue;
        }
        if (TrimBlanks(line).empty()) continue;
        const auto record = ParseNameLine(line);
        if (!record || record->flag < 0 || record->flag > 299 || record->value < -1 ||
            record->value > 9)
            return;
        auto& flag = scen.StuffDoneNames[static_cast<std::size_t>(record->flag)];
        if (record->value == -1)
            flag.Name = record->name;
        else
            flag.ValueNames[static_cast<std::size_t>(record->value)] = record->name;
    }
}

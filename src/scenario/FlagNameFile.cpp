#include "scenario/FlagNameFile.h"

#include "platform/core/BinaryFile.h"
#include "platform/core/ErrorBox.h"
#include "platform/core/StagedFile.h"
#include "platform/core/TextFile.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <optional>
#include <span>
#include <vector>

namespace {
constexpr const char* kFirstLine = ">VRD";

// The names are typed into boxes that take at most 30 characters for a flag and 50 for a
// value. The longest line is the flag and value numbers ("299,-1," at most 7 characters), the
// name with every character a doubled quote, its two quotes, and CR LF.
constexpr std::int64_t kLongestLine(std::int64_t nameLength) {
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
        std::replace(record.name.begin(), record.name.end(), '\r', ' ');
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
        // A carriage return inside a line is kept as the writer would write it.
        record.name += line[i] == '\r' ? ' ' : line[i];
        ++i;
    }
    if (!TrimBlanks(line.substr(i + 1)).empty()) return std::nullopt;
    return record;
}
} // namespace

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

namespace {
// The longest line that can carry a name the reader keeps: the whole budget of characters in
// one name, every character a doubled quote. A longer line is a read error, so that a line
// without an end is never gathered whole.
constexpr std::size_t kLongestNameLine =
    static_cast<std::size_t>(kLongestLine(kKeptNameCharacters));
// Past this many bytes the reader stops, keeping what it read: no file the writer makes comes
// near it, and a huge file of blank lines does not keep the load busy.
constexpr std::int64_t kFlagNameBytesRead = std::int64_t{64} << 20;
constexpr std::size_t kPiece = 64 * 1024;

// The file's lines, each handed out as a view bounded to that line, without its line end.
// Only the line being read and one piece of the file are held at a time.
class NameLineCursor {
  public:
    explicit NameLineCursor(const std::string& path) : file_(path), buffer_(kPiece) {}

    // The next line, or none at the end of the file. A line longer than kLongestNameLine, or
    // one that reaches past kFlagNameBytesRead, ends the reading as a malformed line does.
    std::optional<std::string_view> Next() {
        for (;;) {
            const char* begin = buffer_.data() + start_;
            const auto* newline = static_cast<const char*>(std::memchr(begin, '\n', end_ - start_));
            if (newline || (atEnd_ && start_ < end_)) {
                const std::size_t length =
                    newline ? static_cast<std::size_t>(newline - begin) : end_ - start_;
                start_ += newline ? length + 1 : length;
                std::string_view line(begin, length);
                if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
                return line;
            }
            if (atEnd_ || cut_ || end_ - start_ > kLongestNameLine) return std::nullopt;
            ReadPiece();
        }
    }

  private:
    void ReadPiece() {
        // The unread part of a line moves to the front, so that the buffer holds one line
        // and one piece at most.
        std::memmove(buffer_.data(), buffer_.data() + start_, end_ - start_);
        end_ -= start_;
        start_ = 0;
        const auto room =
            static_cast<std::size_t>(std::min<std::int64_t>(kPiece, kFlagNameBytesRead - read_));
        if (room == 0) {
            cut_ = true;
            return;
        }
        if (buffer_.size() < end_ + room) buffer_.resize(end_ + room);
        const std::size_t n =
            file_.Read(std::span(reinterpret_cast<std::uint8_t*>(buffer_.data()) + end_, room));
        atEnd_ = n == 0;
        end_ += n;
        read_ += static_cast<std::int64_t>(n);
    }

    FileInPieces file_;
    std::vector<char> buffer_;
    std::size_t start_ = 0;
    std::size_t end_ = 0;
    std::int64_t read_ = 0;
    bool atEnd_ = false;
    bool cut_ = false;
};
} // namespace

void LoadScenData(Scenario& scen, const std::string& path) {
    scen.StuffDoneNames.fill(StuffDoneDescription{});
    try {
        NameLineCursor lines(path);
        const auto first = lines.Next();
        if (!first || *first != kFirstLine) return;
        std::int64_t kept = 0;
        while (const auto line = lines.Next()) {
            if (TrimBlanks(*line).empty()) continue;
            const auto record = ParseNameLine(*line);
            if (!record || record->flag < 0 || record->flag > 299 || record->value < -1 ||
                record->value > 9)
                return;
            auto& flag = scen.StuffDoneNames[static_cast<std::size_t>(record->flag)];
            std::string& name = record->value == -1
                                    ? flag.Name
                                    : flag.ValueNames[static_cast<std::size_t>(record->value)];
            kept += static_cast<std::int64_t>(record->name.size()) -
                    static_cast<std::int64_t>(name.size());
            if (kept > kKeptNameCharacters) return; // past what the names can hold
            name = std::move(record->name);
        }
    } catch (...) {
        // A file that cannot be read leaves the names read so far.
    }
}

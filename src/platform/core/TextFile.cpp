#include "platform/core/TextFile.h"

#include "platform/core/BinaryFile.h"

void TextFileBuilder::WriteLine(std::string_view line) {
    contents_ += line;
    contents_ += "\r\n";
}

std::vector<std::string> SplitTextLines(std::string_view contents) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < contents.size()) {
        std::size_t end = contents.find('\n', start);
        const bool lastWithoutEnd = end == std::string_view::npos;
        if (lastWithoutEnd) end = contents.size();
        std::string_view line = contents.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        start = lastWithoutEnd ? end : end + 1;
    }
    return lines;
}

std::vector<std::string> ReadTextFileLines(const std::string& path) {
    const auto bytes = ReadFileBytes(path);
    return SplitTextLines(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

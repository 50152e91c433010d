#include "basescen/BaseData.h"

#include <charconv>
#include <stdexcept>

namespace {
std::string Trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return "";
    const auto last = s.find_last_not_of(" \t\r");
    return std::string(s.substr(first, last - first + 1));
}
} // namespace

std::vector<DataRow> ParseDataTable(std::string_view text, std::size_t columns,
                                    std::string_view tableName) {
    std::vector<DataRow> rows;
    int lineNumber = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++lineNumber;
        const std::string trimmed = Trimmed(line);
        if (trimmed.empty() || trimmed.front() == '#') continue;
        DataRow row;
        std::string_view rest = line;
        for (;;) {
            const auto bar = rest.find('|');
            row.push_back(Trimmed(rest.substr(0, bar)));
            if (bar == std::string_view::npos) break;
            rest = rest.substr(bar + 1);
        }
        if (columns != 0 && row.size() != columns)
            throw std::runtime_error(
                std::string(tableName) + " line " + std::to_string(lineNumber) + ": " +
                std::to_string(row.size()) + " cells instead of " + std::to_string(columns));
        rows.push_back(std::move(row));
    }
    return rows;
}

int DataNumber(const std::string& cell, std::string_view tableName) {
    int value = 0;
    const char* last = cell.data() + cell.size();
    const auto [end, error] = std::from_chars(cell.data(), last, value);
    if (cell.empty() || error != std::errc() || end != last)
        throw std::runtime_error(std::string(tableName) + ": \"" + cell + "\" is not a number");
    return value;
}

std::array<std::string, 256> BaseTerrainLooks() {
    std::array<std::string, 256> looks;
    for (const DataRow& row : ParseDataTable(kBaseTerrainTable, 15, "terrain")) {
        const int n = DataNumber(row[0], "terrain");
        if (n < 0 || n > 255) throw std::runtime_error("terrain: no terrain " + row[0]);
        looks[static_cast<std::size_t>(n)] = row[14];
    }
    return looks;
}

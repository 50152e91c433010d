#pragma once

#include <cstddef>
#include <sstream>
#include <string>
#include <string_view>

// Lays one record of a game layout, written as a literal, into a block from offset at on: "12"
// is one byte, "300w" one 16-bit integer in the block's byte order, "'abc" three characters,
// "@28" moves to offset 28 of the record, so that a record reads as its layout table lists it. The
// block is a GameBytes (0-based offsets) or a GameLayoutBuilder (1-based header positions).
template <class Block> void Lay(Block& block, std::size_t at, std::string_view literal) {
    std::istringstream in{std::string(literal)};
    std::size_t offset = 0;
    for (std::string token; in >> token;) {
        if (token[0] == '@') {
            offset = std::stoul(token.substr(1));
        } else if (token[0] == '\'') {
            for (const char c : token.substr(1))
                block.Byte(at + offset++, static_cast<unsigned char>(c));
        } else if (token.back() == 'w') {
            block.Int(at + offset, std::stoi(token, nullptr, 0));
            offset += 2;
        } else {
            block.Byte(at + offset, std::stoi(token, nullptr, 0));
            offset += 1;
        }
    }
}

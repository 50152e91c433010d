#pragma once

#include <string>

// A text of the longest length a scenario text can have, varied by the seed.
inline std::string LongText(int seed) {
    std::string s(255, 'a');
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = static_cast<char>('a' + (static_cast<std::size_t>(seed) + i) % 26);
    return s;
}

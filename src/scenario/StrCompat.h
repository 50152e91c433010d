#pragma once

#include <string>
#include <string_view>

// Every occurrence of find in text replaced by replacement, taken from left to right without
// overlap; the search resumes after each inserted replacement, so a replacement that contains
// find is not replaced again. An empty find, or one longer than text, gives text unchanged.
std::string Replace(std::string_view text, std::string_view find, std::string_view replacement);

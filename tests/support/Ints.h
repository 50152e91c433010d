#pragma once

#include <vector>

// The values as ints, so that fields of mixed types compare in one go.
template <class... T> std::vector<int> Ints(T... values) {
    return {static_cast<int>(values)...};
}

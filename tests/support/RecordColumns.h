#pragma once
// One field of the first entries of a record list as ints, so that a whole list compares in a
// line.
#include <cstddef>
#include <vector>

template <class List, class Entry, class Field>
std::vector<int> Column(const List& list, Field Entry::*field,
                        std::size_t count = ~std::size_t{0}) {
    std::vector<int> values;
    for (const auto& entry : list)
        if (values.size() < count) values.push_back(static_cast<int>(entry.*field));
    return values;
}

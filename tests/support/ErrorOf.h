#pragma once

#include "platform/core/RuntimeError.h"

#include <functional>

// The number of the error that action raises, or 0 when it raises none.
inline int ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

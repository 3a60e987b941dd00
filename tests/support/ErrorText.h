#pragma once

#include "common/KelvaneError.h"

#include <string>

// The message with which `action` stops, or `none` when it does not.
template <class Action> std::string errorText(Action action, const char* none = "(none)") {
    try {
        action();
    } catch (const KelvaneError& e) {
        return e.what();
    }
    return none;
}

#pragma once
// What the engine tests share: the engine's state, messages and number texts, GoogleTest, and
// two small helpers.

#include "engine/engine_state.h"
#include "engine/fault.h"
#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zolvan::test {

// Names a parameterised case after its row, so that a failure says what broke.
inline constexpr auto kRowName = [](const auto& info) { return std::string(info.param.name); };

// The unit written `count` times.
inline std::string repeated(std::string_view unit, std::size_t count) {
    std::string text;
    while (count-- > 0) {
        text += unit;
    }
    return text;
}

} // namespace zolvan::test

#pragma once
// Shared by the panel and document tests: the started window model and named table rows.

#include "tests/workspace/fake_services.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zolvan::testing {

// Names a parameterised case after its row, so that a failure says which row broke.
inline constexpr auto rowName = [](const auto& info) { return std::string(info.param.name); };

} // namespace zolvan::testing

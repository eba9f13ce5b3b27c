#pragma once
// Shared by the panel and document tests: the started window model and named table rows.

#include "tests/workspace/fake_services.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zolvan::testing {

// The history, newest first, as "input | result" joined by ", ".
inline std::string rows(const Workspace& w) {
    std::string joined;
    for (std::size_t i = 0; i < w.cmbLista.items().size(); ++i) {
        joined += (i == 0 ? "" : ", ") + w.cmbLista.items()[i] + " | " + w.lstRezultat.items()[i];
    }
    return joined;
}

} // namespace zolvan::testing

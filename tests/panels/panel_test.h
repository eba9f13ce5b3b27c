#pragma once
// Shared by the panel and document tests: the started window model and named table rows.

#include "tests/workspace/fake_services.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#pragma once

#include <cstddef>
#include <string>

#include <gtest/gtest.h>

#include "core/bodies.h"

namespace stereona::drawings::testing {

// Names the cases of a test run once per body after the body.
inline std::string BodyTestName(const ::testing::TestParamInfo<std::size_t>& param) {
  return std::string(kBodies[param.param].latinName);
}

}  // namespace stereona::drawings::testing

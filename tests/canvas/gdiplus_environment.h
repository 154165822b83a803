// GDI+ started once for a whole test program and shut down at its end:
//   const auto* const kEnvironment =
//       ::testing::AddGlobalTestEnvironment(new voltaro::testing::GdiplusEnvironment);
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "canvas/gdiplus_session.h"

namespace voltaro::testing {

class GdiplusEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { session_ = std::make_unique<canvas::GdiplusSession>(); }
  void TearDown() override { session_.reset(); }

 private:
  std::unique_ptr<canvas::GdiplusSession> session_;
};

}  // namespace voltaro::testing

// The QApplication of a Qt test program, created by a GoogleTest environment
// (never a static) on the offscreen platform.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace voltaro::testing {

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "voltaro-test";
    static char* argv[] = {name, nullptr};
    application_ = std::make_unique<QApplication>(argc, argv);
  }
  void TearDown() override { application_.reset(); }

 private:
  std::unique_ptr<QApplication> application_;
};

}  // namespace voltaro::testing

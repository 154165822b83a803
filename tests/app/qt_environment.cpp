// The one QApplication of the window tests.
#include "app/qt_environment.h"

namespace {
const auto* const kQt = ::testing::AddGlobalTestEnvironment(new voltaro::testing::QtEnvironment);
}  // namespace

#include "qt_application.h"

namespace voltaro::tools {

namespace {
int argc = 1;
char name[] = "voltaroctl";
char* argv[] = {name, nullptr};
}  // namespace

std::unique_ptr<QCoreApplication> coreApplication() {
  if (QCoreApplication::instance() != nullptr) return nullptr;
  return std::make_unique<QCoreApplication>(argc, argv);
}

std::unique_ptr<QGuiApplication> guiApplication() {
  if (QCoreApplication::instance() != nullptr) return nullptr;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace voltaro::tools

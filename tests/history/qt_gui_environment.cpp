// One QGuiApplication for the whole test program, created once the tests
// start (never as a static), with "Verdana" pinned to DejaVu Sans so that
// text pixels do not depend on which fonts a machine has.
#include <gtest/gtest.h>

#include <QFont>
#include <QGuiApplication>
#include <memory>

namespace {

class QtGuiEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "graph_tests";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QGuiApplication>(argc, argv);
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
  }
  void TearDown() override { app_.reset(); }

 private:
  std::unique_ptr<QGuiApplication> app_;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new QtGuiEnvironment);

}  // namespace

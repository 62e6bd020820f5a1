// Translators are installed on the application object. The shared test main may make one; if it
// does not, test_text makes its own for the length of the run.
#include <memory>

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

class ApplicationEnvironment : public testing::Environment {
public:
  void SetUp() override {
    if (QCoreApplication::instance()) return;
    app_ = std::make_unique<QCoreApplication>(argc_, argv_);
  }
  void TearDown() override { app_.reset(); }

private:
  int argc_ = 1;
  char name_[10] = "test_text";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QCoreApplication> app_;
};

[[maybe_unused]] testing::Environment* const kEnvironment =
    testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

}  // namespace

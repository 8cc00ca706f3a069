#include <gtest/gtest.h>

#include <QApplication>

// One application for every test; each test makes its own window. Test
// discovery runs this too, without the tests' environment, hence the default.
int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

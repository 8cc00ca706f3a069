// The drawings need fonts and the tooltip needs widgets, so every test runs
// inside one QApplication, on the offscreen platform unless told otherwise.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char* argv[]) {
  ::testing::InitGoogleTest(&argc, argv);
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef STEREONA_TEST_SCALE_FACTOR
  // Stands in for a high-DPI screen, which the offscreen platform lacks.
  qputenv("QT_SCALE_FACTOR", QByteArray::number(STEREONA_TEST_SCALE_FACTOR));
#endif
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}

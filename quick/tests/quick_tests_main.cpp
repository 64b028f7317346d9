// The quick-input tests run with a Qt application on the offscreen platform,
// so that the dialog tests need no screen.
#include <cstdlib>

#include <gtest/gtest.h>
#include <QApplication>

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

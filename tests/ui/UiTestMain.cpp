// The main of every GUI test program: a program started as a child role plays
// it instead of running the tests.

#include <gtest/gtest.h>

#include "UiTestSupport.h"

int main(int argc, char** argv) {
  if (korvado::PlayChildRole()) return 0;
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

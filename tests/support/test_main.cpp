#include <gtest/gtest.h>

#include <clocale>

// Test programs start as the suite's applications do, in the user's locale from the environment,
// so that one run covers the encoding and the language that LANG or LC_ALL name.
int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "");
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

#include <gtest/gtest.h>

#include "engine/Color.h"
#include "engine/Startup.h"

using namespace quillon;

TEST(Engine, StartsUp) {
  ResetEngine();
  int32_t h, s, l;
  ColorToHSL(PackRGB(0, 0, 255), h, s, l);
  EXPECT_EQ(h, 240);
  EXPECT_EQ(s, 255);
  EXPECT_EQ(l, 255);
}

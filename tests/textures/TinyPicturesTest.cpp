// Rainbow Bananas, Blue Gold Rings and Coral on pictures of one or a few
// pixels, where every plane their stretches and tile swaps rescale is
// constant: each such plane takes its lower bound, no quotient divides by a
// zero range, the fill of a picture with nothing to fill from ends, every
// phase runs and every sample stays within its channel's range.
#include <gtest/gtest.h>

#include <string>

#include "engine/Chain.h"
#include "engine/ImageStore.h"
#include "engine/Instances.h"
#include "modules/textures/Fnc_T010.h"
#include "modules/textures/Fnc_T011.h"
#include "modules/textures/Fnc_T016.h"
#include "shell/Application.h"
#include "shell/Synthe.h"

using namespace quillon;

namespace {

TEST(TinyPictures, ConstantPlanesTakeTheirLowerBound) {
  StartApplication();
  struct Texture {
    int Type, Phases;
  };
  const int sizes[][2] = {{1, 1}, {1, 2}, {3, 1}, {2, 2}};
  for (const Texture t : {Texture{T010_Type, 4}, Texture{T011_Type, 11}, Texture{T016_Type, 14}})
    for (const auto& s : sizes) {
      SCOPED_TRACE(TypeName[t.Type] + " at " + std::to_string(s[0]) + "x" + std::to_string(s[1]));
      ImageWidth = s[0];
      ImageHeight = s[1];
      NextInstance = 1;
      CurrentInstance = CreateInstance(t.Type);
      F_Synthe->StatusBar1.ClearPainted();
      ComputeChain();
      EXPECT_EQ(F_Synthe->StatusBar1.Painted().back().Text,
                "(1) " + TypeName[t.Type] + " [phase " + std::to_string(t.Phases) + "]");
      for (int x = 1; x <= ImageWidth; ++x)
        for (int y = 1; y <= ImageHeight; ++y)
          for (int c = 1; c <= 3; ++c) {
            const int32_t v = Pixel(ResultLayer, SpaceHSL, c, x, y), top = c == 1 ? 359 : 255;
            EXPECT_TRUE(v >= 0 && v <= top) << "channel " << c << " holds " << v;
            const int32_t w = Pixel(ResultLayer, SpaceRGB, c, x, y);
            EXPECT_TRUE(w >= 0 && w <= 255) << "RGB channel " << c << " holds " << w;
          }
    }
  StartApplication();
}

}  // namespace

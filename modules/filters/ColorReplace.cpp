#include "modules/filters/ColorReplace.h"

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Parallel.h"
#include "modules/filters/FilterSupport.h"

namespace quillon {

TCRPCWork CRPCWork;

void ColorReplace_Run() {
  const TCRPCWork work = CRPCWork;
  const int H = ImageHeight;
  if (ImageWidth < 1 || H < 1) return;
  const int space = SpaceOf(work.Space);
  int32_t with[3];
  if (space == SpaceRGB)
    SplitRGB(work.Color, with[0], with[1], with[2]);
  else
    ColorToHSL(work.Color, with[0], with[1], with[2]);
  ParallelColumns(1, ImageWidth, [&](int x0, int x1) {
    for (int x = x0; x <= x1; ++x) {
      Sample* ch[3];
      for (int c = 0; c < 3; ++c) ch[c] = LayerPlane(ResultLayer, space, c + 1).column(x);
      for (int y = 0; y < H; ++y) {
        bool inside = true;
        for (int c = 0; c < 3; ++c)
          inside = inside && ch[c][y] >= work.Range[c].Min && ch[c][y] <= work.Range[c].Max;
        if (inside)
          for (int c = 0; c < 3; ++c) ch[c][y] = static_cast<Sample>(with[c]);
      }
    }
  });
  SyncColorSpace(space);
}

}  // namespace quillon

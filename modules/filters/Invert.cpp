#include "modules/filters/Invert.h"

#include "engine/Color.h"
#include "engine/ImageStore.h"
#include "engine/Parallel.h"
#include "modules/filters/FilterSupport.h"

namespace quillon {

TINVCWork INVCWork;

void Invert_Run() {
  const TINVCWork work = INVCWork;
  const int H = ImageHeight;
  if (ImageWidth < 1 || H < 1) return;
  const int space = SpaceOf(work.Space);
  const bool all = work.Condition != 0;
  ParallelColumns(1, ImageWidth, [&](int x0, int x1) {
    for (int x = x0; x <= x1; ++x) {
      Sample* ch[3];
      for (int c = 0; c < 3; ++c) ch[c] = LayerPlane(ResultLayer, space, c + 1).column(x);
      for (int y = 0; y < H; ++y) {
        int inside = 0;
        for (int c = 0; c < 3; ++c)
          inside += (ch[c][y] >= work.Range[c].Min && ch[c][y] <= work.Range[c].Max) ? 1 : 0;
        if (all ? inside < 3 : inside < 1) continue;
        for (int c = 0; c < 3; ++c)
          if (work.Flag[c] == 0) ch[c][y] = Saturate16(static_cast<int64_t>(ChannelTop(space, c + 1)) - ch[c][y]);
      }
    }
  });
  SyncColorSpace(space);
}

}  // namespace quillon

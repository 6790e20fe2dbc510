// "Inside The Body": soft coloured blobs turned into an organic texture by
// two rotational-sampling filters, a colour balance and an offset effect.
#pragma once

#include <cstdint>

namespace quillon {

inline constexpr int T023_Type = 105;

// Plain copies of the parameters, in this order.
struct TT023Work {
  int32_t Density;  // p1, blobs added to the base count
  int32_t Seed;     // p2, seed of the blob generator
};
extern TT023Work T023Work;

void T023_RegisterProcs();
void T023_RegisterNames();
void T023_SetDefaults(int Instance);
void T023_SetRanges(int Instance);
void T023_Execute();
void T023_Compute();

// The count of work of a render and its bound (see engine/WorkBound.h).
struct TWorkBound;
extern const TWorkBound T023_WorkBound;

// The number of blobs drawn on a picture of Area pixels before p1 is added:
// 3 below 41,000 pixels, up to 10 from 852,000.
int32_t T023_BaseBlobCount(int64_t Area);
// The ring distances of phases 2 and 3 on a picture Width pixels wide:
// Round(Width / 2.56789) and Round(Width / 7.6543).
int32_t T023_WideRing(int32_t Width);
int32_t T023_NarrowRing(int32_t Width);

}  // namespace quillon

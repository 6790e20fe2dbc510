// Moving pictures between the texture and the three buffers of the image
// store.
#pragma once

#include <cstdint>

namespace quillon {

struct TMVBFWork {
  int32_t Buffer;  // 1..3
};
extern TMVBFWork MVBFWork;

struct TRCBFWork {
  int32_t Buffer;  // 1..3
};
extern TRCBFWork RCBFWork;

// Reads MVBFWork; copies the result layer (both spaces, the ImageWidth x
// ImageHeight corner) into that buffer. A buffer number outside 1..3 changes
// nothing.
void MVBF_Compute();

// Reads RCBFWork; copies that buffer (both spaces) into the current layer. A
// buffer number outside 1..3 changes nothing.
void RCBF_Compute();

}  // namespace quillon

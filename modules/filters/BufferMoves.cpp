#include "modules/filters/BufferMoves.h"

#include "engine/ImageStore.h"

namespace quillon {

TMVBFWork MVBFWork;
TRCBFWork RCBFWork;

void MVBF_Compute() {
  const int32_t n = MVBFWork.Buffer;
  if (n >= 1 && n <= 3) CopyPicture(Layer(ResultLayer), ImageStore().Buffers[n - 1]);
}

void RCBF_Compute() {
  const int32_t n = RCBFWork.Buffer;
  if (n >= 1 && n <= 3) CopyPicture(ImageStore().Buffers[n - 1], Layer(CurrentLayer));
}

}  // namespace quillon

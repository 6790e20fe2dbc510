#include "engine/ImageStore.h"

#include "engine/Parallel.h"

namespace quillon {

int32_t ImageWidth = 256;
int32_t ImageHeight = 256;

LayerData Layers[2];
LayerData BackupLayer;
LayerData Buffers[3];
FloatPlane FloatMatrix;
FloatPlane FloatPlanes[3];
Plane BlendMask;
int32_t LineBuffer[MaxImageSide];

void CopyPicture(const LayerData& from, LayerData& to) {
  if (&from == &to) return;
  const size_t bytes = static_cast<size_t>(ImageHeight) * sizeof(Sample);
  ParallelColumns(1, ImageWidth, [&](int x0, int x1) {
    for (int s = 0; s < 2; ++s)
      for (int c = 0; c < 3; ++c)
        for (int x = x0; x <= x1; ++x) std::memcpy(to.planes[s][c].column(x), from.planes[s][c].column(x), bytes);
  });
}

void SaveResultToBackup() { CopyPicture(Layer(ResultLayer), BackupLayer); }
void RestoreResultFromBackup() { CopyPicture(BackupLayer, Layer(ResultLayer)); }
void CopyCurrentToResult() { CopyPicture(Layer(CurrentLayer), Layer(ResultLayer)); }
void CopyResultToCurrent() { CopyPicture(Layer(ResultLayer), Layer(CurrentLayer)); }

void ClearImageStore() {
  std::memset(static_cast<void*>(Layers), 0, sizeof(Layers));
  std::memset(static_cast<void*>(&BackupLayer), 0, sizeof(BackupLayer));
  std::memset(static_cast<void*>(Buffers), 0, sizeof(Buffers));
  std::memset(static_cast<void*>(&FloatMatrix), 0, sizeof(FloatMatrix));
  std::memset(static_cast<void*>(FloatPlanes), 0, sizeof(FloatPlanes));
  std::memset(static_cast<void*>(&BlendMask), 0, sizeof(BlendMask));
  std::memset(LineBuffer, 0, sizeof(LineBuffer));
}

}  // namespace quillon

#include "engine/Bitmap.h"

#include "engine/Color.h"
#include "engine/FileIO.h"
#include "engine/ImageStore.h"

namespace quillon {

std::vector<int32_t> RenderResult() {
  std::vector<int32_t> px(static_cast<size_t>(ImageWidth) * ImageHeight);
  const LayerData& r = Layer(ResultLayer);
  auto clamp = [](int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); };
  for (int x = 1; x <= ImageWidth; ++x)
    for (int y = 1; y <= ImageHeight; ++y)
      px[static_cast<size_t>(y - 1) * ImageWidth + (x - 1)] =
          PackRGB(clamp(r.plane(SpaceRGB, 1).at(x, y)), clamp(r.plane(SpaceRGB, 2).at(x, y)),
                  clamp(r.plane(SpaceRGB, 3).at(x, y)));
  return px;
}

std::vector<unsigned char> EncodeBMP24(int Width, int Height, const std::vector<int32_t>& Pixels) {
  const uint32_t rowBytes = (static_cast<uint32_t>(Width) * 3 + 3) & ~3u;
  const uint32_t dataSize = rowBytes * static_cast<uint32_t>(Height);
  const uint32_t fileSize = 54 + dataSize;
  std::vector<unsigned char> out;
  out.reserve(fileSize);
  auto u16 = [&](uint32_t v) {
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
  };
  auto u32 = [&](uint32_t v) {
    u16(v & 0xFFFF);
    u16(v >> 16);
  };
  out.push_back('B');
  out.push_back('M');
  u32(fileSize);
  u32(0);
  u32(54);
  u32(40);  // BITMAPINFOHEADER
  u32(static_cast<uint32_t>(Width));
  u32(static_cast<uint32_t>(Height));  // positive: rows stored bottom-up
  u16(1);
  u16(24);
  u32(0);
  u32(dataSize);
  u32(2835);  // 72 dpi
  u32(2835);
  u32(0);
  u32(0);
  for (int y = Height - 1; y >= 0; --y) {
    for (int x = 0; x < Width; ++x) {
      int32_t c = Pixels[static_cast<size_t>(y) * Width + x];
      out.push_back((c >> 16) & 0xFF);  // blue
      out.push_back((c >> 8) & 0xFF);   // green
      out.push_back(c & 0xFF);          // red
    }
    for (uint32_t pad = static_cast<uint32_t>(Width) * 3; pad < rowBytes; ++pad) out.push_back(0);
  }
  return out;
}

std::vector<unsigned char> EncodeResultBMP() { return EncodeBMP24(ImageWidth, ImageHeight, RenderResult()); }

void SaveResultBMP(const std::string& Path) { WriteFileAtomically(Path, EncodeResultBMP()); }

}  // namespace quillon

#include "engine/Bitmap.h"

#include <algorithm>
#include <cstring>

#include "engine/Color.h"
#include "engine/FileIO.h"
#include "engine/ImageStore.h"
#include "engine/Parallel.h"

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

namespace {

// The 54 bytes of the file and info headers of a Width x Height 24-bit
// picture stored bottom-up, rows padded to whole 4-byte words.
void PutHeader(unsigned char* out, int Width, int Height, uint32_t dataSize) {
  size_t at = 0;
  auto u16 = [&](uint32_t v) {
    out[at++] = v & 0xFF;
    out[at++] = (v >> 8) & 0xFF;
  };
  auto u32 = [&](uint32_t v) {
    u16(v & 0xFFFF);
    u16(v >> 16);
  };
  out[at++] = 'B';
  out[at++] = 'M';
  u32(54 + dataSize);
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
}

uint32_t RowBytes(int Width) { return (static_cast<uint32_t>(Width) * 3 + 3) & ~3u; }

}  // namespace

std::vector<unsigned char> EncodeBMP24(int Width, int Height, const std::vector<int32_t>& Pixels) {
  const uint32_t rowBytes = RowBytes(Width);
  const uint32_t dataSize = rowBytes * static_cast<uint32_t>(Height);
  std::vector<unsigned char> out(54 + static_cast<size_t>(dataSize), 0);
  PutHeader(out.data(), Width, Height, dataSize);
  size_t at = 54;
  for (int y = Height - 1; y >= 0; --y) {
    for (int x = 0; x < Width; ++x) {
      int32_t c = Pixels[static_cast<size_t>(y) * Width + x];
      out[at + 3 * x] = (c >> 16) & 0xFF;     // blue
      out[at + 3 * x + 1] = (c >> 8) & 0xFF;  // green
      out[at + 3 * x + 2] = c & 0xFF;         // red
    }
    at += rowBytes;
  }
  return out;
}

// Straight from the planes. They hold columns and the file rows, so the
// picture is turned in bands of 32 rows: for each column, the band's 32
// samples of each plane are one cache line, and each of the band's rows
// takes its next pixel, 32 short write streams that stay in the cache.
// (Square tiles would read columns 2 KB apart, which fall into the same few
// sets of the cache and push each other out.) The threads take bands.
std::vector<unsigned char> EncodeResultBMP() {
  const int W = ImageWidth, H = ImageHeight;
  const uint32_t rowBytes = RowBytes(W);
  const uint32_t dataSize = rowBytes * static_cast<uint32_t>(H);
  std::vector<unsigned char> out(54 + static_cast<size_t>(dataSize), 0);
  PutHeader(out.data(), W, H, dataSize);
  const LayerData& r = Layer(ResultLayer);
  const Plane* planes[3] = {&r.plane(SpaceRGB, 3), &r.plane(SpaceRGB, 2), &r.plane(SpaceRGB, 1)};  // B, G, R
  constexpr int Band = 32;
  const int bands = (H + Band - 1) / Band;
  auto clamp = [](int v) { return static_cast<unsigned char>(v < 0 ? 0 : (v > 255 ? 255 : v)); };
  ParallelColumns(1, bands * Band, [&](int first, int last) {
    for (int y0 = first; y0 <= std::min(last, H); y0 += Band) {
      const int n = std::min({Band, H - y0 + 1, last - y0 + 1});
      unsigned char* rows[Band];
      for (int k = 0; k < n; ++k) rows[k] = out.data() + 54 + static_cast<size_t>(H - (y0 + k)) * rowBytes;
      // Each pixel is stored as one 4-byte word whose fourth byte the next
      // pixel overwrites; the last pixel of a row, whose fourth byte would
      // fall into padding or another row, is stored byte by byte.
      uint32_t words[Band];
      for (int x = 1; x <= W; ++x) {
        const Sample* b = planes[0]->column(x) + (y0 - 1);
        const Sample* g = planes[1]->column(x) + (y0 - 1);
        const Sample* rr = planes[2]->column(x) + (y0 - 1);
        for (int k = 0; k < n; ++k)
          words[k] = clamp(b[k]) | static_cast<uint32_t>(clamp(g[k])) << 8 | static_cast<uint32_t>(clamp(rr[k])) << 16;
        const size_t at = 3 * static_cast<size_t>(x - 1);
        if (x < W) {
          for (int k = 0; k < n; ++k) std::memcpy(rows[k] + at, &words[k], 4);
        } else {
          for (int k = 0; k < n; ++k) {
            rows[k][at] = words[k] & 0xFF;
            rows[k][at + 1] = (words[k] >> 8) & 0xFF;
            rows[k][at + 2] = (words[k] >> 16) & 0xFF;
          }
        }
      }
    }
  });
  return out;
}

void SaveResultBMP(const std::string& Path) { WriteFileAtomically(Path, EncodeResultBMP()); }

}  // namespace quillon

// The colour model: RGB and the HSV-like "HSL" (L is the maximum of R, G, B),
// packed colours, and the space syncs of the two layers.
#pragma once

#include <cstdint>

namespace quillon {

// R + G * 256 + B * 65536, without masking.
inline int32_t PackRGB(int32_t R, int32_t G, int32_t B) {
  return static_cast<int32_t>(static_cast<uint32_t>(R) + static_cast<uint32_t>(G) * 256u +
                              static_cast<uint32_t>(B) * 65536u);
}

// The low three bytes of a packed colour.
inline void SplitRGB(int32_t Color, int32_t& R, int32_t& G, int32_t& B) {
  R = Color & 0xFF;
  G = (Color >> 8) & 0xFF;
  B = (Color >> 16) & 0xFF;
}

// RGB -> HSL: H 0..359, S and L 0..255 for inputs in 0..255.
void RGBToHSL(int32_t R, int32_t G, int32_t B, int32_t& H, int32_t& S, int32_t& L);

// HSL -> RGB in 60-degree sectors with truncating division. A hue outside
// 0..359 is first brought back into that range (mod 360), so no value of H
// selects a sector that does not exist.
void HSLToRGB(int32_t H, int32_t S, int32_t L, int32_t& R, int32_t& G, int32_t& B);

// Splits a packed colour into R, G, B and converts it to H, S, L.
void ColorToHSL(int32_t Color, int32_t& H, int32_t& S, int32_t& L);

// Recomputes the other colour space of the whole result layer from Space
// (SpaceRGB: HSL from RGB; any other value: RGB from HSL).
void SyncColorSpace(int Space);
// The same for the current layer.
void SyncCurrentColorSpace(int Space);
// The same for either layer (CurrentLayer or anything else = result layer).
void SyncLayerColorSpace(int Layer, int Space);
// The same for columns X0..X1 only, on the calling thread: for a pass that
// converts each column as soon as it has written it.
void SyncColumns(int Layer, int Space, int X0, int X1);

}  // namespace quillon

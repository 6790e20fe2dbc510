// "Aliens Skins": two skins of random-walk twigs, each softened, folded in
// luminosity and colour-balanced, the first blended into the second with the
// blend settings of the chosen planet.
#pragma once

#include <cstdint>

namespace quillon {

inline constexpr int T006_Type = 37;

// Plain copies of the parameters, in this order.
struct TT006Work {
  int32_t Planet;      // p1, row of the planet table
  int32_t Variant[6];  // p3..p8: colour balance of R, G, B of the first skin, then of the second
  int32_t Seed1;       // p9
  int32_t Seed2;       // p10; changed when it equals Seed1
  int32_t Color1;      // colour 1, base colour of the first skin's twigs
  int32_t Color2;      // colour 2, base colour of the second skin's twigs
};
extern TT006Work T006Work;

// The blend of the first skin (current layer) into the second (result
// layer): one row per planet, transparency colour 0 and not applied.
struct TPlanet {
  const char* Name;  // the list item
  int32_t Space;     // 0 RGB, 1 HSL
  double ResultWeight, CurrentWeight;
  int32_t Function[3];  // blend functions of channels 1, 2, 3
};
inline constexpr TPlanet Planets[8] = {
    {"Pluto", 0, 1.0, 1.0, {6, 6, 6}},     // Difference
    {"Mars", 0, 1.0, 1.0, {11, 12, 7}},    // Max, Complex 1, And
    {"Jupiter", 0, 1.0, 1.0, {14, 13, 14}},  // Complex 3, Complex 2, Complex 3
    {"Saturn", 1, 1.0, 1.0, {7, 0, 5}},    // And, Result Layer, Middle
    {"Neptune", 0, 1.0, 1.0, {11, 0, 22}},   // Max, Result Layer, Complex 11
    {"Venus", 1, 1.0, 1.0, {6, 6, 20}},    // Difference, Difference, Complex 9
    {"Mercury", 0, 0.5, 1.0, {3, 3, 3}},   // Subtract Current - Result
    {"Moon", 0, 1.0, 0.5, {4, 4, 4}},      // Subtract Result - Current
};
// The row of a stored planet value; a value outside 0..7 (the list stores -1
// for a typed text that names no planet) takes row 0.
const TPlanet& PlanetRow(int32_t Planet);

// The twig lengths and count of both skins on a W x H picture, with
// M = (W + H) / 2: the longest twig Round(M * 0.39) and the number of
// twigs Round(M * 1.17), in extended precision with ties to even.
int32_t T006_MaxTwigLength(int32_t W, int32_t H);
int32_t T006_TwigCount(int32_t W, int32_t H);

void T006_RegisterProcs();
void T006_RegisterNames();
void T006_SetDefaults(int Instance);
void T006_SetRanges(int Instance);
void T006_Execute();
void T006_Compute();

}  // namespace quillon

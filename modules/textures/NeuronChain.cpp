#include "modules/textures/NeuronChain.h"

#include "engine/ImageStore.h"
#include "engine/Numeric.h"
#include "modules/filters/BufferMoves.h"
#include "modules/filters/Geometry.h"
#include "modules/filters/Invert.h"
#include "modules/filters/Levels.h"
#include "modules/filters/MatrixFilter.h"
#include "modules/filters/ValueReplace.h"
#include "modules/generators/Shapes.h"

namespace quillon {

THueWindow HueWindow(int32_t Start, int32_t Range) {
  const int64_t high = static_cast<int64_t>(Start) + Range;
  if (high > MaxHue) return {309, MaxHue};
  return {Start, ClampToInt32(high)};
}

namespace {

// Both rectangle passes shade saturation and luminosity (gradient modes 1)
// on black; phase 3 continues the random sequence where phase 1 left it.
TSH01Work Rectangles(int32_t WidthMax, int32_t HeightMax, int32_t Count) {
  return {SpaceHSL, 3, WidthMax, 3, HeightMax, 0, 359, 0, 255, 0, 255, Count, 1, 1, 1, 0};
}

}  // namespace

std::vector<Phase> NeuronPhases(const TNeuronSettings& S, std::string (*Status)(int k)) {
  auto rectangles = [](int32_t widthMax, int32_t heightMax, int32_t count) {
    return [work = Rectangles(widthMax, heightMax, count)] { SH01Work = work; };
  };
  const auto filter = Fill(FMTCWork, {SpaceHSL, 3, 1, 3, 1, 3, 1});
  const TBlendParams difference = ComposeWith(0, 1.0, 1.0, 6, 6, 6, 0, 0);
  std::vector<Phase> phases = {
      {rectangles(S.WidthMax1, S.HeightMax1, S.Count1), SH01_Compute, {}, AfterPhase::Copy},
      {filter, MatrixFilter_Run},
      {rectangles(S.WidthMax2, S.HeightMax2, S.Count2), SH01_Compute, {}, AfterPhase::Compose, difference},
      {filter, MatrixFilter_Run},
      {Fill(VRGHWork, {SpaceHSL, 359, 255, S.LumThreshold1, 0, 0, 1, 0, 0, 1}), VRGH_Compute},
      {Fill(VRGHWork, {SpaceHSL, 359, 255, S.LumThreshold2, 0, 0, 1, 0, 0, 1}), VRGH_Compute},
      {Fill(LevelsWork, {SpaceHSL, 1, S.Window1.Low, S.Window1.High, 0, 0, 255, 0, 0, 255}), NRMC_Run},
      // The offset, inverted copy: the work image waits in buffer 1, is
      // moved and inverted, and the waiting image comes back through the
      // current layer to be combined with it.
      {Fill(MVBFWork, {1}), MVBF_Compute},
      {Fill(OFSTWork, {0, S.OffsetX, S.OffsetY}), OFST_Compute},
      {Fill(INVCWork, {SpaceHSL, 0, 359, 0, 255, 0, 255, 1, 0, 0, 0}), Invert_Run},
      {Fill(RCBFWork, {1}), RCBF_Compute, {}, AfterPhase::Compose, difference},
      {Fill(LevelsWork, {SpaceHSL, 1, S.Window2.Low, S.Window2.High, 0, 0, 255, 0, 0, 255}), NRMC_Run},
  };
  if (Status)
    for (size_t k = 1; k <= phases.size(); ++k) phases[k - 1].Status = Status(static_cast<int>(k));
  return phases;
}

double NeuronWorkCount(const TNeuronSettings& S, int W, int H) {
  // The ten passes after the rectangles, spread over the threads, take as
  // long as about 4 pixel writes a pixel.
  return SH01_WorkCount(Rectangles(S.WidthMax1, S.HeightMax1, S.Count1), W, H) +
         SH01_WorkCount(Rectangles(S.WidthMax2, S.HeightMax2, S.Count2), W, H) + 4.0 * W * H;
}

}  // namespace quillon

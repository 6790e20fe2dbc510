// The blend on integers against the blend in extended precision: every one
// of the 24 functions on whole-number pairs around the sample ranges and at
// the largest magnitudes the integer path takes, and whole blends with
// whole-number weights (100 %, the default, among them), transparency, both
// spaces and functions outside the list, pixel by pixel against the 80-bit
// definition. Weights that are not whole numbers keep the 80-bit path.
#include <utility>
#include <vector>

#include "EngineTest.h"
#include "engine/BlendFunctions.h"
#include "engine/Chain.h"
#include "engine/Color.h"

namespace quillon::test {
namespace {

template <size_t... F>
void ExpectFunctionsAgree(int64_t X, int64_t Y, std::index_sequence<F...>) {
  const int64_t got[] = {BlendInteger<static_cast<int>(F), int64_t>(X, Y)...};
  for (int f = 0; f < BlendFunctionCount; ++f) {
    const long double want = BlendValue(f, static_cast<long double>(X), static_cast<long double>(Y));
    ASSERT_EQ(static_cast<long double>(got[f]), want) << "function " << f << " X " << X << " Y " << Y;
  }
}

TEST(IntegerBlendFunctions, EqualTheExtendedFunctionsOnWholeNumbers) {
  const auto all = std::make_index_sequence<BlendFunctionCount>{};
  for (int64_t X = -70; X <= 330; ++X)
    for (int64_t Y = -70; Y <= 330; ++Y) ExpectFunctionsAgree(X, Y, all);
  // Odd and even sums at the halves, and the largest weighted samples of the
  // pass (2^15 * 2^10) and of the definition's exact range (2^52).
  const int64_t big[] = {int64_t{1} << 25, -(int64_t{1} << 25), (int64_t{1} << 25) - 1, 32767 * 1024,
                         -32768 * 1024,    int64_t{1} << 52,    -(int64_t{1} << 52),    (int64_t{1} << 52) - 3,
                         0,                1,                   -1,                     7};
  for (int64_t X : big)
    for (int64_t Y : big) ExpectFunctionsAgree(X, Y, all);
}

class IntegerBlendTest : public EngineTest {
 protected:
  // Result and current samples take every pair of -2..Top+2 (one pixel per
  // pair, the same pair in every channel but shifted per channel), the mask
  // every percentage.
  void MakePictures(int space) {
    const int top = space == SpaceHSL ? MaxHue : MaxSatLum;
    const int span = top + 5;
    ImageWidth = span;
    ImageHeight = span;
    for (int x = 1; x <= span; ++x)
      for (int y = 1; y <= span; ++y) {
        for (int c = 1; c <= 3; ++c) {
          Pixel(ResultLayer, space, c, x, y) = static_cast<Sample>((x + 7 * (c - 1)) % span - 2);
          Pixel(CurrentLayer, space, c, x, y) = static_cast<Sample>((y + 11 * (c - 1)) % span - 2);
        }
        ImageStore().BlendMask.at(x, y) = static_cast<Sample>((x * 3 + y) % 101);
      }
  }

  // The blend as defined: per sample in 80 bits.
  Sample Expected(int space, int c, int x, int y, const TBlendParams& bp) {
    const Sample* cc[3];
    for (int k = 0; k < 3; ++k) cc[k] = &Pixel(CurrentLayer, space, k + 1, x, y);
    const Sample before = Pixel(ResultLayer, space, c + 1, x, y);
    if (bp.ApplyTransparency == 1 && PackRGB(*cc[0], *cc[1], *cc[2]) == bp.TransparencyColor) return before;
    long double rw = bp.ResultWeight, cw = bp.CurrentWeight;
    if (bp.ResultWeight < 1.0 && bp.CurrentWeight < 1.0) {
      cw = static_cast<long double>(ImageStore().BlendMask.at(x, y)) / 100;
      rw = 1 - cw;
    }
    const long double v = BlendValue(bp.Function[c], before * rw, *cc[c] * cw);
    const long double top = (space == SpaceHSL && c == 0) ? MaxHue : MaxSatLum;
    return static_cast<Sample>(Round(v < 0 ? 0 : (v > top ? top : v)));
  }
};

TEST_F(IntegerBlendTest, WholeBlendsEqualTheDefinitionForEveryFunction) {
  // Whole numbers take the integer path; both below one read the mask, and
  // 0.6 is no whole number: those two keep the 80-bit path.
  const std::pair<double, double> weights[] = {{1.0, 1.0}, {0.0, 1.0},    {2.0, 1.0},
                                               {3.0, -1.0}, {1024.0, 1.0}, {1.0, 0.6}, {0.0, 0.0}};
  for (int space : {SpaceRGB, SpaceHSL}) {
    for (const auto& [rw, cw] : weights)
      for (int first = 0; first < BlendFunctionCount + 3; first += 3) {
        MakePictures(space);
        TBlendParams bp;
        bp.BlendSpace = space == SpaceHSL ? 1 : 0;
        bp.ResultWeight = rw;
        bp.CurrentWeight = cw;
        // Three functions per blend, the last blend with 24..26 (outside the list).
        for (int c = 0; c < 3; ++c) bp.Function[c] = first + c;
        bp.ApplyTransparency = first % 2 == 0;
        bp.TransparencyColor = PackRGB(5, 16, 3);
        std::vector<Sample> want;
        for (int c = 0; c < 3; ++c)
          for (int x = 1; x <= ImageWidth; ++x)
            for (int y = 1; y <= ImageHeight; ++y) want.push_back(Expected(space, c, x, y, bp));
        BlendParams = bp;
        BlendCurrentIntoResult();
        size_t k = 0, wrong = 0;
        for (int c = 0; c < 3; ++c)
          for (int x = 1; x <= ImageWidth; ++x)
            for (int y = 1; y <= ImageHeight; ++y, ++k)
              if (Pixel(ResultLayer, space, c + 1, x, y) != want[k] && ++wrong <= 3)
                ADD_FAILURE() << "space " << space << " weights " << rw << ", " << cw << " function "
                              << bp.Function[c] << " at (" << x << ", " << y << "): "
                              << Pixel(ResultLayer, space, c + 1, x, y) << " instead of " << want[k];
      }
  }
}

}  // namespace
}  // namespace quillon::test

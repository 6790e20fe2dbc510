// The slider widgets as a person sees and uses them: the pixels of a bar and
// its marker, the grab distance, drags and typed values, the two-bar split,
// range bars and rows of boxes.
#include <gtest/gtest.h>

#include "engine/Color.h"
#include "shell/Sliders.h"
#include "shell/widgets/Convert.h"
#include "shell/widgets/MessageBox.h"

using namespace quillon;

namespace {

// True when the marker triangle stands at x: apex (x, 2), base (x - 3..x + 3, 8).
bool MarkerAt(TImage& img, int x, int32_t Color = clBlack) {
  TCanvas& c = img.Canvas();
  return c.Pixel(x, 2) == Color && c.Pixel(x - 3, 8) == Color && c.Pixel(x + 3, 8) == Color &&
         c.Pixel(x, 5) == Color && c.Pixel(x, 1) != Color && c.Pixel(x - 4, 8) != Color &&
         c.Pixel(x + 4, 8) != Color;
}

}  // namespace

TEST(Slider, BaseLineOnePixelPerValueAndMarkerAtTheValue) {
  TImage img(120, 10);
  DrawSlider(img, 0, 99, 40);
  TCanvas& c = img.Canvas();
  EXPECT_EQ(c.Pixel(9, 0), clCream);
  for (int x = 10; x <= 109; ++x) ASSERT_EQ(c.Pixel(x, 0), clBlack) << x;
  EXPECT_EQ(c.Pixel(110, 0), clCream);
  EXPECT_TRUE(MarkerAt(img, 50));
  EXPECT_EQ(c.Pixel(48, 3), clCream);  // the triangle widens downwards
  EXPECT_EQ(c.Pixel(48, 7), clBlack);
  EXPECT_EQ(c.Pixel(0, 9), clCream);
  // A bar that starts at 1: value 1 at x = 10.
  DrawSlider(img, 1, 200, 1);
  EXPECT_TRUE(MarkerAt(img, 10));
}

TEST(Slider, GrabWithinFourPixelsDragClampsAndShowsTheValue) {
  EXPECT_TRUE(SliderHit(54, 40, 0));
  EXPECT_TRUE(SliderHit(46, 40, 0));
  EXPECT_FALSE(SliderHit(55, 40, 0));
  EXPECT_FALSE(SliderHit(45, 40, 0));
  EXPECT_TRUE(SliderHit(10, 5, 5));

  TImage img(120, 10);
  TEdit ed;
  int32_t value = 40;
  DrawSlider(img, 0, 99, value);
  SliderMouse(img, ed, value, 0, 99, 0, 80);  // no drag: nothing moves
  EXPECT_EQ(value, 40);
  EXPECT_EQ(ed.Text, "");
  SliderMouse(img, ed, value, 0, 99, 1, 80);
  EXPECT_EQ(value, 70);
  EXPECT_EQ(ed.Text, "70");
  EXPECT_TRUE(MarkerAt(img, 80));
  EXPECT_FALSE(MarkerAt(img, 50));
  SliderMouse(img, ed, value, 0, 99, 1, 400);
  EXPECT_EQ(value, 99);
  EXPECT_EQ(ed.Text, "99");
  EXPECT_TRUE(MarkerAt(img, 109));
  SliderMouse(img, ed, value, 0, 99, 1, -30);
  EXPECT_EQ(value, 0);
  EXPECT_TRUE(MarkerAt(img, 10));
}

TEST(Slider, TypedValueIsClampedAndATypedWordBecomesTheFrenchErrorBox) {
  TImage img(230, 10);
  TEdit ed;
  int32_t value = 120, stored = 120;
  ed.OnExit = [&] {
    EditToSlider(img, ed, value, 1, 200);
    stored = value;
  };
  DrawSlider(img, 1, 200, value);
  ClearMessageLog();
  ed.TypeAndLeave("1000");
  EXPECT_EQ(stored, 200);
  EXPECT_EQ(ed.Text, "200");
  EXPECT_TRUE(MarkerAt(img, 209));
  ed.TypeAndLeave(" -7");
  EXPECT_EQ(stored, 1);
  EXPECT_EQ(ed.Text, "1");
  EXPECT_TRUE(MessageLog().empty());

  ed.TypeAndLeave("12x");
  EXPECT_EQ(value, 1);
  EXPECT_EQ(stored, 1);
  EXPECT_EQ(ed.Text, "12x");  // the box keeps the text
  EXPECT_TRUE(MarkerAt(img, 10));
  ASSERT_EQ(MessageLog().size(), 1u);
  EXPECT_EQ(MessageLog()[0].Title, "Fendri Digital Toolkits");
  EXPECT_EQ(MessageLog()[0].Text, "Le texte \u00ab 12x \u00bb ne repr\u00e9sente pas un nombre entier.");
  EXPECT_EQ(MessageLog()[0].Icon, MessageIcon::Stop);

  int32_t v = 5;
  ed.Text = "77";
  EditClamp(img, ed, v, 0, 50);
  EXPECT_EQ(v, 50);
  EXPECT_EQ(ed.Text, "50");
}

TEST(ScaledSlider, RedCentreTickAndGreyLineWithABlackPixelEveryStep) {
  TImage img(225, 10);
  // Hundreds -10..10, 10 pixels each, marker at hundreds 0 (position 100).
  DrawScaledSlider(img, -10, 10, 0, 100, 10, 2);
  TCanvas& c = img.Canvas();
  for (int x = 10; x <= 210; ++x) {
    const int32_t want = x == 110 ? clRed : ((x - 10) % 10 == 0 ? clBlack : clGrey);
    ASSERT_EQ(c.Pixel(x, 0), want) << x;
  }
  EXPECT_EQ(c.Pixel(211, 0), clCream);
  EXPECT_EQ(c.Pixel(9, 0), clCream);
  // Round((200 + 1) / 2) = 100, the tie going to the even side: x = 110.
  EXPECT_EQ(c.Pixel(110, 1), clRed);
  EXPECT_EQ(c.Pixel(111, 1), clCream);
  EXPECT_TRUE(MarkerAt(img, 110));

  // Mode 1: no tick; step 1: a plain black line.
  DrawScaledSlider(img, 0, 100, 0, 0, 1, 1);
  for (int x = 10; x <= 110; ++x) ASSERT_EQ(c.Pixel(x, 0), clBlack) << x;
  EXPECT_EQ(c.Pixel(111, 0), clCream);
  EXPECT_EQ(c.Pixel(60, 1), clCream);
  EXPECT_TRUE(MarkerAt(img, 10));

  // 11 hundreds 20 pixels apart, tick at Round(201 / 2) = 100 -> x = 110.
  DrawScaledSlider(img, 0, 10, 0, 40, 20, 2);
  EXPECT_EQ(c.Pixel(110, 0), clRed);
  EXPECT_EQ(c.Pixel(30, 0), clBlack);
  EXPECT_EQ(c.Pixel(31, 0), clGrey);
  EXPECT_TRUE(MarkerAt(img, 50));
}

TEST(ScaledSlider, DragMovesTheMarkerWithinItsPositions) {
  TImage img(225, 10);
  DrawScaledSlider(img, 0, 10, 0, 40, 20, 1);
  EXPECT_TRUE(ScaledSliderHit(img, 40, 54));
  EXPECT_FALSE(ScaledSliderHit(img, 40, 55));
  EXPECT_FALSE(ScaledSliderHit(img, 40, 45));
  int32_t pos = 40;
  ScaledSliderMouse(img, pos, 201, 0, 150);
  EXPECT_EQ(pos, 40);
  ScaledSliderMouse(img, pos, 201, 1, 150);
  EXPECT_EQ(pos, 140);
  EXPECT_TRUE(MarkerAt(img, 150));
  EXPECT_FALSE(MarkerAt(img, 50));
  EXPECT_EQ(img.Canvas().Pixel(50, 2), clCream);  // erased
  EXPECT_EQ(img.Canvas().Pixel(50, 0), clBlack);  // the line stays
  EXPECT_EQ(img.Canvas().Pixel(51, 0), clGrey);
  ScaledSliderMouse(img, pos, 201, 1, 900);
  EXPECT_EQ(pos, 201);
  ScaledSliderMouse(img, pos, 201, 1, 3);
  EXPECT_EQ(pos, 0);
}

TEST(SplitValue, UnitsKeepNoSignHundredsCarryIt) {
  struct Case {
    int32_t v, units, hundreds;
  };
  for (Case k : {Case{1234, 34, 12}, Case{-250, 50, -2}, Case{-50, 50, 0}, Case{-1000, 0, -10}, Case{0, 0, 0},
                 Case{99, 99, 0}, Case{-101, 1, -1}, Case{INT32_MIN, 48, -21474836},
                 Case{INT32_MAX, 47, 21474836}}) {
    int32_t u = -9, h = -9;
    SplitValue(k.v, u, h);
    EXPECT_EQ(u, k.units) << k.v;
    EXPECT_EQ(h, k.hundreds) << k.v;
  }
}

TEST(SplitValue, SetSplitValueCombinesClampsAndPlacesTheMarker) {
  int32_t value = 0, units = 50, hundreds = -2, pos = 0;
  SetSplitValue(value, units, hundreds, pos, -1000, 1000, -10, 10);
  EXPECT_EQ(value, -250);
  EXPECT_EQ(pos, 80);
  units = 50;
  hundreds = 10;
  SetSplitValue(value, units, hundreds, pos, -1000, 1000, -10, 10);
  EXPECT_EQ(value, 1000);
  EXPECT_EQ(units, 0);
  EXPECT_EQ(hundreds, 10);
  EXPECT_EQ(pos, 200);
  units = 0;
  hundreds = 0;  // "Details" 1..10000: clamped to 1
  SetSplitValue(value, units, hundreds, pos, 1, 10000, 0, 2);
  EXPECT_EQ(value, 1);
  EXPECT_EQ(units, 1);
  EXPECT_EQ(pos, 0);
  units = 50;
  hundreds = 0;  // -50 split gives hundreds 0, units 50: it combines to +50
  SetSplitValue(value, units, hundreds, pos, -1000, 1000, -10, 10);
  EXPECT_EQ(value, 50);
  EXPECT_EQ(pos, 100);
  units = 99;
  hundreds = -21474837;  // beyond 32 bits before the clamp
  SetSplitValue(value, units, hundreds, pos, -1000, 1000, -10, 10);
  EXPECT_EQ(value, -1000);
  EXPECT_EQ(pos, 0);
}

TEST(RangeSlider, NearerMarkerWinsAndATieTakesTheHighOne) {
  // Low 20 at x = 30, high 24 at x = 34.
  EXPECT_EQ(RangeSliderHit(32, 20, 24, 0), 2);
  EXPECT_EQ(RangeSliderHit(31, 20, 24, 0), 1);
  EXPECT_EQ(RangeSliderHit(33, 20, 24, 0), 2);
  EXPECT_EQ(RangeSliderHit(26, 20, 24, 0), 1);
  EXPECT_EQ(RangeSliderHit(25, 20, 24, 0), 0);
  EXPECT_EQ(RangeSliderHit(38, 20, 24, 0), 2);
  EXPECT_EQ(RangeSliderHit(39, 20, 24, 0), 0);
  EXPECT_EQ(RangeSliderHit(30, 20, 20, 0), 2);  // markers on each other
  EXPECT_EQ(RangeSliderHit(15, 105, 200, 100), 1);
}

TEST(RangeSlider, DragsAndEditsKeepLowBelowHigh) {
  TImage img(380, 10);
  TEdit lowEd, highEd;
  int32_t low = 142, high = 279;
  DrawRangeSlider(img, 0, 359, low, high);
  for (int x = 10; x <= 369; ++x) ASSERT_EQ(img.Canvas().Pixel(x, 0), clBlack);
  EXPECT_EQ(img.Canvas().Pixel(370, 0), clCream);
  EXPECT_TRUE(MarkerAt(img, 152));
  EXPECT_TRUE(MarkerAt(img, 289));

  RangeSliderMouse(img, lowEd, low, 0, highEd, high, 359, 0, 300);
  EXPECT_EQ(low, 142);
  EXPECT_EQ(lowEd.Text, "");
  RangeSliderMouse(img, lowEd, low, 0, highEd, high, 359, 1, 310);  // low past high pushes it
  EXPECT_EQ(low, 300);
  EXPECT_EQ(high, 300);
  EXPECT_EQ(lowEd.Text, "300");
  EXPECT_EQ(highEd.Text, "300");
  RangeSliderMouse(img, lowEd, low, 0, highEd, high, 359, 2, 2000);
  EXPECT_EQ(high, 359);
  EXPECT_TRUE(MarkerAt(img, 369));
  RangeSliderMouse(img, lowEd, low, 0, highEd, high, 359, 2, 0);
  EXPECT_EQ(high, 0);
  EXPECT_EQ(low, 0);

  lowEd.Text = "200";
  RangeEditLow(img, lowEd, low, highEd, high, 0, 359);
  EXPECT_EQ(low, 200);
  EXPECT_EQ(high, 200);
  EXPECT_EQ(highEd.Text, "200");
  highEd.Text = "-5";
  RangeEditHigh(img, lowEd, low, highEd, high, 0, 359);
  EXPECT_EQ(high, 0);
  EXPECT_EQ(low, 0);
  EXPECT_EQ(lowEd.Text, "0");
  EXPECT_TRUE(MarkerAt(img, 10));
  highEd.Text = "nine";
  EXPECT_THROW(RangeEditHigh(img, lowEd, low, highEd, high, 0, 359), EConvertError);
  EXPECT_EQ(high, 0);
  EXPECT_EQ(highEd.Text, "nine");
}

TEST(ColourBars, ColumnsInLineWithTheBarBelow) {
  TImage img(380, 12);
  DrawHueBar(img, 0);
  TCanvas& c = img.Canvas();
  EXPECT_EQ(c.Pixel(9, 0), clCream);
  EXPECT_EQ(c.Pixel(10, 0), 0x0000FF);   // hue 0: red
  EXPECT_EQ(c.Pixel(130, 11), 0x00FF00);  // hue 120: green
  EXPECT_EQ(c.Pixel(250, 5), 0xFF0000);   // hue 240: blue
  EXPECT_EQ(c.Pixel(369, 0), PackRGB(255, 0, 4));  // hue 359
  EXPECT_EQ(c.Pixel(370, 0), clCream);
  DrawHueBar(img, 240);
  EXPECT_EQ(c.Pixel(10, 0), 0xFF0000);
  EXPECT_EQ(c.Pixel(130, 0), 0x0000FF);  // 360 wraps to red

  DrawSatBar(img, 0);
  EXPECT_EQ(c.Pixel(10, 0), 0xFFFFFF);   // saturation 0 at full luminosity: white
  EXPECT_EQ(c.Pixel(265, 0), 0x0000FF);  // saturation 255: red
  EXPECT_EQ(c.Pixel(266, 0), clCream);
  DrawLumBar(img, 120);
  EXPECT_EQ(c.Pixel(10, 0), 0x000000);
  EXPECT_EQ(c.Pixel(265, 0), 0x00FF00);
}

TEST(ListBoxes, ChosenBoxGreenOthersRedClicksBetweenEdges) {
  TImage img(80, 12);
  int32_t value = 2;
  DrawListBoxes(img, value, 1, 5);
  TCanvas& c = img.Canvas();
  EXPECT_EQ(c.Pixel(4, 0), clCream);
  EXPECT_EQ(c.Pixel(5, 0), clRed);
  EXPECT_EQ(c.Pixel(14, 9), clRed);
  EXPECT_EQ(c.Pixel(15, 0), clCream);
  EXPECT_EQ(c.Pixel(20, 0), clGreen);
  EXPECT_EQ(c.Pixel(29, 9), clGreen);
  EXPECT_EQ(c.Pixel(29, 10), clCream);
  EXPECT_EQ(c.Pixel(74, 5), clRed);
  EXPECT_EQ(c.Pixel(75, 5), clCream);

  ListBoxClick(img, 0, value, 1, 5);  // Round(7 / 15) = 0: before the first box
  EXPECT_EQ(value, 2);
  ListBoxClick(img, 1, value, 1, 5);
  EXPECT_EQ(value, 1);
  EXPECT_EQ(c.Pixel(5, 0), clGreen);
  ListBoxClick(img, 16, value, 1, 5);
  EXPECT_EQ(value, 2);
  ListBoxClick(img, 15, value, 1, 5);
  EXPECT_EQ(value, 1);
  ListBoxClick(img, 75, value, 1, 5);  // Round(82 / 15) = 5
  EXPECT_EQ(value, 5);
  EXPECT_EQ(c.Pixel(65, 0), clGreen);
  ListBoxClick(img, 76, value, 1, 5);  // Round(83 / 15) = 6: past the last box
  EXPECT_EQ(value, 5);
}

// The widget kit: what its canvas draws, how its controls answer a person's
// actions, the event dispatcher's error box, the scripted dialogs and the
// wait cursor.
#include <gtest/gtest.h>

#include "engine/Chain.h"
#include "engine/Instances.h"
#include "engine/Startup.h"
#include "shell/Application.h"
#include "shell/widgets/Canvas.h"
#include "shell/widgets/Controls.h"
#include "shell/widgets/Convert.h"
#include "shell/widgets/Cursor.h"
#include "shell/widgets/Dialogs.h"
#include "shell/widgets/Events.h"
#include "shell/widgets/Form.h"
#include "shell/widgets/Menus.h"
#include "shell/widgets/MessageBox.h"

using namespace quillon;

namespace {

// The pixels of one canvas row as a string: '#' for Color, '.' otherwise.
std::string Row(const TCanvas& c, int y, int32_t Color, int x0, int x1) {
  std::string s;
  for (int x = x0; x <= x1; ++x) s += c.Pixel(x, y) == Color ? '#' : '.';
  return s;
}

}  // namespace

TEST(Canvas, LinesLeaveOutTheirEndRectanglesTheirRightAndBottom) {
  TCanvas c(12, 6, clWhite);
  c.MoveTo(2, 1);
  c.LineTo(6, 1);
  EXPECT_EQ(Row(c, 1, clBlack, 0, 7), "..####..");
  EXPECT_EQ(c.PenPos().X, 6);
  c.LineTo(6, 4);  // continues from the end point, which it now draws
  EXPECT_EQ(c.Pixel(6, 1), clBlack);
  EXPECT_EQ(c.Pixel(6, 3), clBlack);
  EXPECT_EQ(c.Pixel(6, 4), clWhite);

  c.Clear(clWhite);
  c.PenColor = clNavy;
  c.BrushColor = clRed;
  c.Rectangle(1, 1, 5, 4);
  EXPECT_EQ(Row(c, 1, clNavy, 0, 6), ".####..");
  EXPECT_EQ(Row(c, 2, clNavy, 0, 6), ".#..#..");
  EXPECT_EQ(c.Pixel(2, 2), clRed);
  EXPECT_EQ(Row(c, 3, clNavy, 0, 6), ".####..");
  EXPECT_EQ(c.Pixel(1, 4), clWhite);
  EXPECT_EQ(c.Pixel(-1, 0), -1);
  EXPECT_EQ(c.Pixel(12, 0), -1);
}

TEST(Canvas, FilledPolygonCoversItsInsideAndOutline) {
  TCanvas c(11, 11, clWhite);
  c.PenColor = c.BrushColor = clBlack;
  c.Polygon({{5, 2}, {2, 8}, {8, 8}});
  EXPECT_EQ(Row(c, 1, clBlack, 0, 10), "...........");
  EXPECT_EQ(Row(c, 2, clBlack, 0, 10), ".....#.....");
  EXPECT_EQ(Row(c, 4, clBlack, 0, 10), "....###....");
  EXPECT_EQ(Row(c, 8, clBlack, 0, 10), "..#######..");
  EXPECT_EQ(Row(c, 9, clBlack, 0, 10), "...........");
  // A concave polygon leaves its notch empty (even-odd inside).
  c.Clear(clWhite);
  c.Polygon({{0, 0}, {10, 0}, {10, 10}, {5, 3}, {0, 10}});
  EXPECT_EQ(c.Pixel(5, 8), clWhite);
  EXPECT_EQ(c.Pixel(1, 2), clBlack);
  // Drawing far outside the canvas is clipped and ends.
  c.MoveTo(-2000000000, 5);
  c.LineTo(2000000000, 5);
  EXPECT_EQ(Row(c, 5, clBlack, 0, 10), "###########");
  c.MoveTo(-5, -2000000000);
  c.LineTo(-5, 2000000000);
}

TEST(Dispatcher, AnErrorEndsTheEventAndBecomesAStopBox) {
  ClearMessageLog();
  int reached = 0;
  EXPECT_FALSE(DispatchEvent([&] {
    reached = 1;
    TextToInt("12a");
    reached = 2;
  }));
  EXPECT_EQ(reached, 1);
  ASSERT_EQ(MessageLog().size(), 1u);
  EXPECT_EQ(MessageLog()[0].Title, "Fendri Digital Toolkits");
  EXPECT_EQ(MessageLog()[0].Text, "Le texte \u00ab 12a \u00bb ne repr\u00e9sente pas un nombre entier.");
  EXPECT_EQ(MessageLog()[0].Icon, MessageIcon::Stop);
  EXPECT_TRUE(DispatchEvent([] {}));
  EXPECT_EQ(MessageLog().size(), 1u);
}

TEST(TextToInt, AcceptsSignedDecimalsOnly) {
  EXPECT_EQ(TextToInt("0"), 0);
  EXPECT_EQ(TextToInt("  -250"), -250);
  EXPECT_EQ(TextToInt("+17"), 17);
  EXPECT_EQ(TextToInt("007"), 7);
  EXPECT_EQ(TextToInt("2147483647"), 2147483647);
  EXPECT_EQ(TextToInt("-2147483648"), INT32_MIN);
  for (const char* bad : {"", " ", "-", "+", "12 ", "1.5", "1e3", "$10", "0x10", "abc", "--1", "2147483648",
                          "-2147483649", "99999999999999999999"})
    EXPECT_THROW(TextToInt(bad), EConvertError) << '"' << bad << '"';
}

TEST(Controls, ComboBoxTypedTextMatchingNoItemGivesMinusOne) {
  TComboBox cb;
  cb.Items = {"Vertical", "Horizontal"};
  int changes = 0;
  cb.OnChange = [&] { ++changes; };
  cb.SetItemIndex(1);
  EXPECT_EQ(cb.Text(), "Horizontal");
  EXPECT_EQ(changes, 0);  // set from code: no handler
  cb.TypeText("Diagonal");
  EXPECT_EQ(cb.ItemIndex(), -1);
  cb.TypeText("Vertical");
  EXPECT_EQ(cb.ItemIndex(), 0);
  cb.Select(7);
  EXPECT_EQ(cb.ItemIndex(), -1);
  EXPECT_EQ(cb.Text(), "");
  EXPECT_EQ(changes, 3);
}

TEST(Controls, ScrollBarKeepsItsPositionInRange) {
  TScrollBar sb;  // 0..100 at 0
  sb.SetMin(200);
  EXPECT_EQ(sb.Max(), 200);
  EXPECT_EQ(sb.Position(), 200);
  sb.SetMax(500);
  sb.SetPosition(800);
  EXPECT_EQ(sb.Position(), 500);
  sb.SetMax(-5);
  EXPECT_EQ(sb.Min(), -5);
  EXPECT_EQ(sb.Position(), -5);
  int changes = 0;
  sb.OnChange = [&] { ++changes; };
  sb.SetMax(10);
  sb.Scroll(99);
  EXPECT_EQ(sb.Position(), 10);
  EXPECT_EQ(changes, 1);
}

TEST(Controls, ImageMouseEventsCarryButtonAndPosition) {
  TImage img(50, 10);
  EXPECT_EQ(img.Canvas().Width(), 50);
  std::vector<std::string> seen;
  img.OnMouseDown = [&](TMouseButton b, int x, int y) {
    seen.push_back("down " + std::to_string(b == TMouseButton::Left) + " " + std::to_string(x) + "," + std::to_string(y));
  };
  img.OnMouseMove = [&](TMouseButton, int x, int) { seen.push_back("move " + std::to_string(x)); };
  img.OnMouseUp = [&](TMouseButton, int x, int) { seen.push_back("up " + std::to_string(x)); };
  img.MouseDown(TMouseButton::Left, 12, 3);
  img.MouseMove(TMouseButton::Left, 20, 3);
  img.MouseUp(TMouseButton::Left, 21, 3);
  EXPECT_EQ(seen, (std::vector<std::string>{"down 1 12,3", "move 20", "up 21"}));
  img.Width = 60;  // the canvas follows the control's size
  EXPECT_EQ(img.Canvas().Width(), 60);
}

TEST(Dialogs, AnswersComeFromTheScriptAndAnEmptyScriptCancels) {
  ClearDialogAnswers();
  ClearDialogLog();
  TSaveDialog save;
  save.DefaultExt = "mpr";
  QueueFileAnswer("/tmp/a/bark");
  ASSERT_TRUE(save.Execute());
  EXPECT_EQ(save.FileName, "/tmp/a/bark.mpr");
  QueueFileAnswer("/tmp/a.b/preset.old");
  ASSERT_TRUE(save.Execute());
  EXPECT_EQ(save.FileName, "/tmp/a.b/preset.old");
  QueueFileAnswer("/tmp/a.b/preset");
  ASSERT_TRUE(save.Execute());
  EXPECT_EQ(save.FileName, "/tmp/a.b/preset.mpr");

  TColorDialog colour;
  QueueCancelAnswer();
  QueueColorAnswer(0x123456);
  EXPECT_FALSE(colour.Execute());
  ASSERT_TRUE(colour.Execute());
  EXPECT_EQ(colour.Color, 0x123456);
  TOpenDialog open;
  EXPECT_FALSE(open.Execute());  // nothing queued: cancelled, never waits
  QueueColorAnswer(1);
  EXPECT_THROW(open.Execute(), std::logic_error);
  ClearDialogAnswers();
  EXPECT_EQ(DialogLog(), (std::vector<DialogKind>{DialogKind::Save, DialogKind::Save, DialogKind::Save,
                                                   DialogKind::Color, DialogKind::Color, DialogKind::Open,
                                                   DialogKind::Open}));
}

namespace {
TCursor CursorSeenByModule = TCursor::Default;
void CursorProbe() { CursorSeenByModule = ScreenCursor(); }
void FailingModule() { throw QuillonError("broken"); }
}  // namespace

TEST(WaitCursor, TheChainComputesUnderTheWaitCursor) {
  StartApplication();
  TypeExecuteProc[120] = CursorProbe;
  TypeExecuteProc[121] = FailingModule;
  ASSERT_EQ(CreateInstance(120), 1);
  ComputeChain();
  EXPECT_EQ(CursorSeenByModule, TCursor::HourGlass);
  EXPECT_EQ(ScreenCursor(), TCursor::Default);
  ASSERT_EQ(CreateInstance(121), 2);
  ClearMessageLog();
  EXPECT_FALSE(DispatchEvent(ComputeChain));
  EXPECT_EQ(ScreenCursor(), TCursor::Default);  // given back after the error
  ASSERT_EQ(MessageLog().size(), 1u);
  EXPECT_EQ(MessageLog()[0].Text, "broken");
  ResetEngine();
}

namespace {
class TTestForm : public TForm {
 public:
  TTestForm() {
    OnCreate = [this] { ++created; };
    OnActivate = [this] { ++activated; };
  }
  int created = 0;
  int activated = 0;
};
TTestForm* P_Test = nullptr;
}  // namespace

TEST(Forms, CreatedHiddenActivatedWhenShown) {
  CreateForm(P_Test);
  ASSERT_NE(P_Test, nullptr);
  EXPECT_EQ(P_Test->created, 1);
  EXPECT_FALSE(P_Test->Visible);
  P_Test->Show();
  EXPECT_TRUE(P_Test->Visible);
  EXPECT_EQ(ActiveForm(), P_Test);
  P_Test->Show();  // already active: no second activation
  EXPECT_EQ(P_Test->activated, 1);
  P_Test->Close();
  EXPECT_FALSE(P_Test->Visible);
  EXPECT_EQ(ActiveForm(), nullptr);
  P_Test->Show();
  EXPECT_EQ(P_Test->activated, 2);
  CreateForm(P_Test);  // made again: a fresh form replaces the old one
  EXPECT_EQ(P_Test->activated, 0);
  EXPECT_EQ(ActiveForm(), nullptr);
}

TEST(Menus, PathsHiddenItemsAndClicks) {
  TMainMenu menu;
  int clicked = 0;
  TMenuItem& fx = menu.Add("Fx");
  fx.Visible = false;
  fx.FindOrAdd("Textures").Add("Neurones").OnClick = [&] { ++clicked; };
  TMenuItem* item = FindMenuItem(menu, "Fx > Textures > Neurones");
  ASSERT_NE(item, nullptr);
  item->Click();
  EXPECT_EQ(clicked, 1);
  EXPECT_EQ(FindMenuItem(menu, "Fx > Textures > Neurons"), nullptr);
  EXPECT_EQ(FindMenuItem(menu, "Fx"), &fx);
  EXPECT_EQ(fx.FindOrAdd("Textures").Count(), 1);
}

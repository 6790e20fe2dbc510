#include "modules/chaotic/ChaosForms.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <utility>

#include "engine/Instances.h"
#include "engine/Numeric.h"
#include "shell/FormBindings.h"
#include "shell/Help.h"
#include "shell/Sliders.h"
#include "shell/widgets/Convert.h"

namespace quillon {

// --- The two-bar split ------------------------------------------------------

namespace {
// The hundreds of a bound: (v - v mod 100) / 100, the remainder taking the
// sign of the dividend, so -1000 gives -10 and 1 gives 0.
int32_t HundredsOf(int32_t v) { return static_cast<int32_t>((static_cast<int64_t>(v) - v % 100) / 100); }
}  // namespace

void TChaosSplit::Draw() {
  DrawSlider(Img1, 0, 99, Units);
  DrawScaledSlider(Img2, MinHundreds, MaxHundreds, Hundreds, Position, Step, TickMode);
}

void TChaosSplit::Settle() {
  if (Negative && Hundreds == 0) {
    // A value of -99..-1 joins back with its sign.
    Value = static_cast<int32_t>(std::clamp<int64_t>(-static_cast<int64_t>(Units), Min, Max));
    SplitValue(Value, Units, Hundreds);
    Position = ScaledPosition(static_cast<int64_t>(Hundreds) - MinHundreds, Step);
  } else {
    SetSplitValue(Value, Units, Hundreds, Position, Min, Max, MinHundreds, Step);
  }
  Negative = Value < 0 && Value > -100;
  Draw();
  Ed.Text = std::to_string(Value);
  SelectedInstance().ParamValue[Param] = Value;
}

void TChaosSplit::Wire() {
  Img1.OnMouseDown = [this](TMouseButton, int X, int) { DragUnits = SliderHit(X, Units, 0); };
  Img1.OnMouseMove = [this](TMouseButton, int X, int) {
    SliderMouse(Img1, Ed, Units, 0, 99, DragUnits, X);
    Settle();
  };
  Img1.OnMouseUp = [this](TMouseButton, int, int) { DragUnits = false; };
  Img2.OnMouseDown = [this](TMouseButton, int X, int) { DragHundreds = ScaledSliderHit(Img2, Position, X); };
  Img2.OnMouseMove = [this](TMouseButton, int X, int) {
    ScaledSliderMouse(Img2, Position, ScaledPosition(static_cast<int64_t>(MaxHundreds) - MinHundreds, Step) + 1,
                      DragHundreds, X);
    Hundreds = static_cast<int32_t>(Round(static_cast<Real>(Position) / (Step == 0 ? 1 : Step)) + MinHundreds);
    Settle();
  };
  Img2.OnMouseUp = [this](TMouseButton, int, int) { DragHundreds = false; };
  Ed.OnExit = [this] {
    Value = TextToInt(Ed.Text);  // raises the conversion error before anything changes
    SplitValue(Value, Units, Hundreds);
    Negative = Value < 0 && Value > -100;
    Settle();
  };
}

void TChaosSplit::Load() {
  const T_Prm_Module_Synthe& m = SelectedInstance();
  Value = m.ParamValue[Param];
  Min = m.ParamMin[Param];
  Max = m.ParamMax[Param];
  Ed.Text = std::to_string(Value);
  DragUnits = DragHundreds = false;
  SplitValue(Value, Units, Hundreds);
  Negative = Value < 0 && Value > -100;
  MinHundreds = HundredsOf(Min);
  MaxHundreds = HundredsOf(Max);
  Position = ScaledPosition(static_cast<int64_t>(Hundreds) - MinHundreds, Step);
  Draw();
}

// --- The plain slider -------------------------------------------------------

void TChaosSlider::Wire() {
  Img.OnMouseDown = [this](TMouseButton, int X, int) { Drag = SliderHit(X, Value, Min); };
  Img.OnMouseMove = [this](TMouseButton, int X, int) {
    SliderMouse(Img, Ed, Value, Min, Max, Drag, X);
    SelectedInstance().ParamValue[Param] = Value;
  };
  Img.OnMouseUp = [this](TMouseButton, int, int) { Drag = false; };
  Ed.OnExit = [this] {
    EditToSlider(Img, Ed, Value, Min, Max);
    SelectedInstance().ParamValue[Param] = Value;
  };
}

void TChaosSlider::Load() {
  const T_Prm_Module_Synthe& m = SelectedInstance();
  Value = m.ParamValue[Param];
  Min = m.ParamMin[Param];
  Max = m.ParamMax[Param];
  Ed.Text = std::to_string(Value);
  Drag = false;
  DrawSlider(Img, Min, Max, Value);
}

// --- Help -------------------------------------------------------------------

namespace {

using Lines = std::initializer_list<const char*>;

// Empties the four help labels, then writes the lines of the language into
// Label1, Label2, ... in order.
void ShowHelpLines(TP_ChaosForm& F, Lines English, Lines French) {
  TLabel* labels[4] = {&F.Label1, &F.Label2, &F.Label3, &F.Label4};
  for (TLabel* l : labels) l->Caption = "";
  const Lines& lines = LanguageFlag == 1 ? English : French;
  int k = 0;
  for (const char* line : lines)
    if (k < 4) labels[k++]->Caption = line;
}

// A shared help setter into Label1, after the four labels are emptied.
void ShowSharedHelp(TP_ChaosForm& F, void (*Setter)(TLabel&)) {
  ShowHelpLines(F, {}, {});
  Setter(F.Label1);
}

void FamilyHelp(TP_ChaosForm& F) {
  ShowHelpLines(F,
                {"Chaotic functions produce grey scale picture which are not seamless",
                 "textures. The final result is by nature unforeseeable."},
                {"Les fonctions chaotiques produisent des images en nuances de gris",
                 "qui au sens strict ne sont pas des textures. Il est difficile",
                 "de d\u00e9crire ces fonctions dont les r\u00e9sultats, par nature,",
                 "peuvent beaucoup varier en fonction des param\u00e8tres de d\u00e9part."});
}

// The click help of a title, by its caption.
void TitleHelp(TP_ChaosForm& F, const std::string& Title) {
  struct Text {
    const char* Title;
    Lines English, French;
  };
  static const Text texts[] = {
      {"Width Effect", {"Chaotic algorithm parameter (width effect)."},
       {"Param\u00e8tre de la fonction chaotique (effet en largeur)."}},
      {"Height Effect", {"Chaotic algorithm parameter (height effect)."},
       {"Param\u00e8tre de la fonction chaotique (effet en hauteur)."}},
      {"Width Effect 1", {"Chaotic algorithm parameter 1 (width effect)."},
       {"Param\u00e8tre 1 de la fonction chaotique (effet en largeur)."}},
      {"Height Effect 1", {"Chaotic algorithm parameter 1 (height effect)."},
       {"Param\u00e8tre 1 de la fonction chaotique (effet en hauteur)."}},
      {"Width Effect 2", {"Chaotic algorithm parameter 2 (width effect)."},
       {"Param\u00e8tre 2 de la fonction chaotique (effet en largeur)."}},
      {"Height Effect 2", {"Chaotic algorithm parameter 2 (height effect)."},
       {"Param\u00e8tre 2 de la fonction chaotique (effet en hauteur)."}},
      {"Details",
       {"Define the details level of the final picture.Be careful, high values are",
        "time consumming and do not necesseraly give better results.", "It depends on the function parameters."},
       {"Niveau de d\u00e9tail de l'image finale. Attention, plus la valeur de ce",
        "param\u00e8tre est \u00e9lev\u00e9e, plus le temps de calcul est long tout en ne",
        "donnant pas forc\u00e9ment un meilleur r\u00e9sultat. Cela d\u00e9pend des ",
        "param\u00e8tres de la fonction."}},
      {"Luminosity", {"Define the luminosity level of the final picture."},
       {"Niveau de luminosit\u00e9 de l\u2019image finale."}},
  };
  if (Title == "Variant") return ShowSharedHelp(F, Aide_Unforeseeable);
  if (Title == "Random Seed") return ShowSharedHelp(F, Aide_RandomSeed);
  for (const Text& t : texts)
    if (Title == t.Title) return ShowHelpLines(F, t.English, t.French);
  // The four offsets.
  ShowHelpLines(F, {"Allow to define the rectangle limits where the chaotic functions", "is drawned."},
                {"Permet de d\u00e9finir le rectangle dans lequel s\u2019inscrira", "la fonction chaotique"});
}

constexpr int RowHeight = 44;    // a split or slider panel and the gap below it
constexpr int GroupCaption = 22; // the group's bold caption above its panels

}  // namespace

// --- The templates ----------------------------------------------------------

TP_ChaosForm::TP_ChaosForm(const char* FormName, const char* FormCaption) {
  Name = FormName;
  Caption = FormCaption;
  StayOnTop = true;
  OnActivate = [this] {
    FamilyHelp(*this);
    for (const auto& load : loads_) load();
  };
}

void TP_ChaosForm::PlaceGroup(TPanel& Panel, TLabel& Label, const char* Text, int Top, int Height) {
  Place(Panel, 2, Top, Width - 12, Height);
  Label.Caption = Text;
  Label.FontBold = true;
  Place(Label, 8, Top + 3, 200, 14);
}

void TP_ChaosForm::PlaceSplit(TChaosSplit& C, const char* Text, int Param, int32_t Step, int TickMode, int Left,
                              int Top) {
  C.Param = Param;
  C.Step = Step;
  C.TickMode = TickMode;
  Place(C.Panel, Left, Top, 359, RowHeight - 4);
  C.Title.Caption = Text;
  Place(C.Title, Left + 4, Top + 3, 110, 14);
  Place(C.Ed, Left + 116, Top + 1, Param == 7 ? 40 : 35, 20);  // "Details" has the wider box
  Place(C.Img1, Left + 4, Top + 25, C.Img1.Width, C.Img1.Height);
  Place(C.Img2, Left + 130, Top + 25, C.Img2.Width, C.Img2.Height);
  C.Wire();
  Join(C.Title, Param, [&C] { C.Load(); });
}

void TP_ChaosForm::PlaceSlider(TChaosSlider& C, const char* Text, int Param, int ImageWidth, int Left, int Top) {
  C.Param = Param;
  C.Img.Width = ImageWidth;
  Place(C.Panel, Left, Top, ImageWidth + 8, RowHeight - 4);
  C.Title.Caption = Text;
  Place(C.Title, Left + 4, Top + 3, 110, 14);
  Place(C.Ed, Left + 116, Top + 1, 35, 20);
  Place(C.Img, Left + 4, Top + 25, ImageWidth, C.Img.Height);
  C.Wire();
  Join(C.Title, Param, [&C] { C.Load(); });
}

void TP_ChaosForm::PlaceHelp(int Top) {
  // A cream panel framed in navy: the navy panel one pixel wider on each side.
  Place(Pnl_HelpFrame, 4, Top, Width - 16, 64);
  Pnl_HelpFrame.Color = clNavy;
  Place(Pnl_Help, 5, Top + 1, Width - 18, 62);
  TLabel* labels[4] = {&Label1, &Label2, &Label3, &Label4};
  for (int k = 0; k < 4; ++k) {
    labels[k]->FontColor = clNavy;
    Place(*labels[k], 10, Top + 4 + 14 * k, Width - 28, 14);
  }
}

void TP_ChaosForm::PlaceMiscellaneous(int& Top) {
  PlaceGroup(Pnl_Misc, Grp_Misc, "Miscellaneous", Top += RowHeight + 6, GroupCaption + 3 * RowHeight);
  PlaceSplit(Dtl, "Details", 7, 2, 1, 2, Top += GroupCaption);
  PlaceSplit(Lum, "Luminosity", 8, 20, 1, 2, Top += RowHeight);
  PlaceSplit(Rnd, "Random Seed", 10, 20, 1, 2, Top += RowHeight);
}

void TP_ChaosForm::Join(TLabel& Title, int Param, std::function<void()> Load) {
  Titles.push_back(&Title);
  Title.OnClick = [this, &Title] { TitleHelp(*this, Title.Caption); };
  ParamCaptions[Param] = Title.Caption;
  loads_.push_back(std::move(Load));
}

TP_Chaos1Form::TP_Chaos1Form(const char* FormName, const char* FormCaption) : TP_ChaosForm(FormName, FormCaption) {
  Width = 367;
  Height = 703;
  int top = 4;
  PlaceGroup(Pnl_Effect, Grp_Effect, "Effect Parameters", top, GroupCaption + 3 * RowHeight);
  PlaceSplit(WE, "Width Effect", 1, 10, 2, 2, top += GroupCaption);
  PlaceSplit(HE, "Height Effect", 2, 10, 2, 2, top += RowHeight);
  PlaceSlider(Vrnt, "Variant", 4, 220, 2, top += RowHeight);
  PlaceMiscellaneous(top);
  PlaceGroup(Pnl_Domain, Grp_Domain, "Values Domain", top += RowHeight + 6, GroupCaption + 4 * RowHeight);
  PlaceSlider(WLO, "Width - Left Offset", 11, 225, 2, top += GroupCaption);
  PlaceSlider(WRO, "Width - Right Offset", 12, 225, 2, top += RowHeight);
  PlaceSlider(HTO, "Height - Top Offset", 13, 225, 2, top += RowHeight);
  PlaceSlider(HBO, "Height - Bottom Offset", 14, 225, 2, top += RowHeight);
  PlaceHelp(top + RowHeight + 6);
  // Centred over the main window; it does not move aside.
  OnCreate = [this] { CentreOverMainWindow(*this); };
}

TP_Chaos2Form::TP_Chaos2Form(const char* FormName, const char* FormCaption) : TP_ChaosForm(FormName, FormCaption) {
  Width = 482;
  Height = 665;
  int top = 4;
  PlaceGroup(Pnl_Effect, Grp_Effect, "Effect Parameters", top, GroupCaption + 4 * RowHeight);
  PlaceSplit(WE, "Width Effect 1", 1, 10, 2, 2, top += GroupCaption);
  PlaceSplit(HE, "Height Effect 1", 2, 10, 2, 2, top += RowHeight);
  PlaceSplit(WEB, "Width Effect 2", 4, 10, 2, 2, top += RowHeight);
  PlaceSplit(HEB, "Height Effect 2", 5, 10, 2, 2, top += RowHeight);
  PlaceMiscellaneous(top);
  PlaceGroup(Pnl_Domain, Grp_Domain, "Values Domain", top += RowHeight + 6, GroupCaption + 2 * RowHeight);
  PlaceSlider(WLO, "Width - Left Offset", 11, 225, 2, top += GroupCaption);
  PlaceSlider(WRO, "Width - Right Offset", 12, 225, 238, top);
  PlaceSlider(HTO, "Height - Top Offset", 13, 225, 2, top += RowHeight);
  PlaceSlider(HBO, "Height - Bottom Offset", 14, 225, 238, top);
  PlaceHelp(top + RowHeight + 6);
  // Centred over the main window, then left of the module window when it
  // would cover it.
  OnCreate = [this] {
    CentreOverMainWindow(*this);
    MoveLeftOfModuleWindow(*this);
  };
}

}  // namespace quillon

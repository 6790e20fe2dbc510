// The parameter forms of the chaotic functions: one template per family,
// the one-modifier forms (367 x 703: two effects, a variant, details,
// luminosity, seed, four offsets) and the two-modifier forms (482 x 665: four
// effects, no variant, the offsets in two columns). A member form is its
// template with its own name and caption. Every control stores each change
// into ModuleParams[CurrentInstance] at once and leaves TextureDirty as it is.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "shell/widgets/Controls.h"
#include "shell/widgets/Form.h"

namespace quillon {

// A value split into units (a plain bar 0..99, `Img_..1`) and hundreds (a
// scaled bar from the hundreds of the parameter's minimum to those of its
// maximum, Step pixels per hundred, `Img_..2`), with its edit box (`Ed_..`).
//
// The hundreds carry the sign and the units take it, so the shell's split
// cannot hold -99..-1 on its own: hundreds 0 join to a positive value. This
// control keeps the sign of such a value instead: a value in -99..-1 is shown
// with the hundreds marker at 0 and the units marker at its magnitude, and
// joins back to the negative value, so it survives typing and any mouse move
// that changes nothing (moving the units marker keeps the sign; moving the
// hundreds away from 0 and back gives a positive value). Every other value
// is joined exactly as the shell joins it.
struct TChaosSplit {
  TPanel Panel;
  TLabel Title;
  TEdit Ed;
  TImage Img1{120, 10}, Img2{225, 10};

  int Param = 0;
  int32_t Step = 1;
  int TickMode = 1;  // 2: a red tick marks hundreds 0
  int32_t Value = 0, Min = 0, Max = 0, Units = 0, Hundreds = 0;
  int32_t MinHundreds = 0, MaxHundreds = 0, Position = 0;
  bool DragUnits = false, DragHundreds = false;
  bool Negative = false;  // the value lies in -99..-1

  // Mouse down on a bar starts its drag within 5 pixels of its marker; every
  // move over a bar (dragging or not) and leaving the edit end with the
  // closing steps: join, clamp to the range, split, redraw both bars, show
  // the value in the edit and store it.
  void Wire();
  // Value and range from the selected instance, the edit, both bars.
  void Load();

 private:
  void Settle();
  void Draw();
};

// A plain slider (one pixel per unit, `Img_..`) with its edit box (`Ed_..`).
// Every move over the bar stores the value, also when nothing was dragged.
struct TChaosSlider {
  TPanel Panel;
  TLabel Title;
  TEdit Ed;
  TImage Img{225, 10};

  int Param = 0;
  int32_t Value = 0, Min = 0, Max = 0;
  bool Drag = false;

  void Wire();
  void Load();
};

// What both templates share: the "Miscellaneous" and "Values Domain" groups,
// the help panel (Label1..Label4) and the click help of every title.
class TP_ChaosForm : public TForm {
 public:
  TPanel Pnl_Effect, Pnl_Misc, Pnl_Domain;
  TLabel Grp_Effect, Grp_Misc, Grp_Domain;
  TChaosSplit Dtl, Lum, Rnd;
  TChaosSlider WLO, WRO, HTO, HBO;
  TPanel Pnl_HelpFrame, Pnl_Help;
  TLabel Label1, Label2, Label3, Label4;

  // The parameter labels from top to bottom: Title1, Title2, ...
  std::vector<TLabel*> Titles;

 protected:
  TP_ChaosForm(const char* FormName, const char* FormCaption);
  // Geometry shared by both templates: a group caption on its panel, a split
  // or a slider on a panel of its own (placed top to bottom: each joins
  // Titles, is wired, and is loaded in that order on activation), the help
  // panel at the bottom.
  void PlaceGroup(TPanel& Panel, TLabel& Caption, const char* Text, int Top, int Height);
  void PlaceSplit(TChaosSplit& Control, const char* Text, int Param, int32_t Step, int TickMode, int Left, int Top);
  void PlaceSlider(TChaosSlider& Control, const char* Text, int Param, int ImageWidth, int Left, int Top);
  void PlaceHelp(int Top);
  // The "Miscellaneous" group below the row at Top, which moves to its last row.
  void PlaceMiscellaneous(int& Top);

 private:
  // Joins a placed control: its title, its click help, its caption for the
  // parameter listing and its loader.
  void Join(TLabel& Title, int Param, std::function<void()> Load);
  std::vector<std::function<void()>> loads_;
};

// The one-modifier template.
class TP_Chaos1Form : public TP_ChaosForm {
 public:
  TChaosSplit WE, HE;
  TChaosSlider Vrnt;

 protected:
  TP_Chaos1Form(const char* FormName, const char* FormCaption);
};

// The two-modifier template.
class TP_Chaos2Form : public TP_ChaosForm {
 public:
  TChaosSplit WE, HE, WEB, HEB;

 protected:
  TP_Chaos2Form(const char* FormName, const char* FormCaption);
};

}  // namespace quillon

#include "modules/textures/Prm_T017.h"

#include "engine/Instances.h"
#include "engine/Numeric.h"
#include "shell/FormBindings.h"
#include "shell/Help.h"
#include "shell/Main.h"
#include "shell/Sliders.h"

namespace quillon {

TP_T017* P_T017 = nullptr;

void Prm_T017_CreateForm() { CreateForm(P_T017); }

namespace {

constexpr int32_t StepPixels = 7;  // pixels per unit of a walk step slider

// The form edits the selected instance; its handlers store every change at
// once and leave TextureDirty as it is.
void Store(int Param, int32_t Value) { SelectedInstance().ParamValue[Param] = Value; }

}  // namespace

TP_T017::TP_T017()
    : ranges_{{1, &Scroll_Bar_Hue, &Ed_Hue_Min, &Ed_Hue_Max},
              {4, &Scroll_Bar_Sat, &Ed_Sat_Min, &Ed_Sat_Max},
              {7, &Scroll_Bar_Lum, &Ed_Lum_Min, &Ed_Lum_Max}},
      steps_{{3, &Img_Hue_V, &Ed_Hue_V, StepPixels},
             {6, &Img_Sat_V, &Ed_Sat_V, StepPixels},
             {9, &Img_Lum_V, &Ed_Lum_V, StepPixels}},
      // The sizes stay within their parameter's range; the seed within
      // 0..1050, wider than its stored range, as the form has always allowed.
      splits_{{11, &Img_Min_S1, &Img_Min_S2, &Ed_Min_S, 50, 4, 1, false, 0, 0},
              {12, &Img_Max_S1, &Img_Max_S2, &Ed_Max_S, 50, 4, 1, false, 0, 0},
              {14, &Img_RndA1, &Img_RndA2, &Ed_RndA, 10, 14, 1, true, 0, 1050}} {
  Name = "P_T017";
  Caption = "Textures > Geometric > Lozenge Distortion";
  StayOnTop = true;
  Layout();
  ParamCaptions = {{1, Lbl_Hue_Min.Caption},  {2, Lbl_Hue_Max.Caption},  {3, Lbl_Hue_V.Caption},
                   {4, Lbl_Sat_Min.Caption},  {5, Lbl_Sat_Max.Caption},  {6, Lbl_Sat_V.Caption},
                   {7, Lbl_Lum_Min.Caption},  {8, Lbl_Lum_Max.Caption},  {9, Lbl_Lum_V.Caption},
                   {11, Lbl_Min_S.Caption},   {12, Lbl_Max_S.Caption},   {13, Lbl_Algo.Caption},
                   {14, Lbl_RndA.Caption}};

  OnCreate = [this] { CentreOverMainWindow(*this); };
  OnActivate = [this] {
    ShowHelpText(Aide1, "Lozenge distortion", "Distorsion de losanges");
    LoadControls();
  };

  for (TParamRangeBar& r : ranges_) r.Wire();
  for (TParamScaledSlider& s : steps_) s.Wire();
  for (TParamSplitSlider& s : splits_) s.Wire();
  Img_Algo.OnMouseDown = [this](TMouseButton, int X, int) {
    ListBoxClick(Img_Algo, X, blur_, 0, 2);
    Store(13, blur_);
  };

  HelpOnClick(Lbl_Hue_Min, Aide1, Aide_HueMin);
  HelpOnClick(Lbl_Hue_Max, Aide1, Aide_HueMax);
  HelpOnClick(Lbl_Hue_V, Aide1, Aide_HueVariant);
  HelpOnClick(Lbl_Sat_Min, Aide1, Aide_SatMin);
  HelpOnClick(Lbl_Sat_Max, Aide1, Aide_SatMax);
  HelpOnClick(Lbl_Sat_V, Aide1, Aide_SatVariant);
  HelpOnClick(Lbl_Lum_Min, Aide1, Aide_LumMin);
  HelpOnClick(Lbl_Lum_Max, Aide1, Aide_LumMax);
  HelpOnClick(Lbl_Lum_V, Aide1, Aide_LumVariant);
  HelpOnClick(Lbl_Min_S, Aide1, "Lozenge minimum size", "Taille minimale des losanges");
  HelpOnClick(Lbl_Max_S, Aide1, "Lozenge maximum size", "Taille maximale des losanges");
  HelpOnClick(Lbl_Algo, Aide1, "Blur effect", "Effet de flou");
  HelpOnClick(Lbl_RndA, Aide1, Aide_RandomSeed);
}

// Panels from top to bottom: hue range, hue variant, saturation range,
// saturation variant, luminosity range, luminosity variant, min size, max
// size, random seed with the blur boxes to its right, the help label.
void TP_T017::Layout() {
  int y = 8;
  PlaceRangePanel(y, Lbl_Hue_Min, "Hue Min", Ed_Hue_Min, Lbl_Hue_Max, "Hue Max", Ed_Hue_Max, Hue_Image,
                  Scroll_Bar_Hue);
  PlaceSliderPanel(y, 8, Lbl_Hue_V, "Hue Variant", Ed_Hue_V, Img_Hue_V);
  PlaceRangePanel(y, Lbl_Sat_Min, "Saturation Min", Ed_Sat_Min, Lbl_Sat_Max, "Saturation Max", Ed_Sat_Max, Sat_Image,
                  Scroll_Bar_Sat);
  PlaceSliderPanel(y, 8, Lbl_Sat_V, "Saturation Variant", Ed_Sat_V, Img_Sat_V);
  PlaceRangePanel(y, Lbl_Lum_Min, "Luminosity Min", Ed_Lum_Min, Lbl_Lum_Max, "Luminosity Max", Ed_Lum_Max, Lum_Image,
                  Scroll_Bar_Lum);
  PlaceSliderPanel(y, 8, Lbl_Lum_V, "Luminosity Variant", Ed_Lum_V, Img_Lum_V);
  PlaceSplitPanel(y, 8, Lbl_Min_S, "Min Size", Ed_Min_S, Img_Min_S1, Img_Min_S2);
  PlaceSplitPanel(y, 8, Lbl_Max_S, "Max Size", Ed_Max_S, Img_Max_S1, Img_Max_S2);
  const int seedTop = y;
  PlaceSplitPanel(y, 8, Lbl_RndA, "Random Seed", Ed_RndA, Img_RndA1, Img_RndA2);
  PlaceLabel(Lbl_Algo, "Blur Effect", 320, seedTop + 3);
  Place(Img_Algo, 320, seedTop + 24, Img_Algo.Width, Img_Algo.Height);
  Place(Aide1, 8, y, 384, 30);
  Width = 404;
  Height = y + 30 + 40;  // the help label and the window frame
}

// --- Activation -------------------------------------------------------------

void TP_T017::LoadControls() {
  DrawHueBar(Hue_Image, 0);
  DrawSatBar(Sat_Image, 128);
  DrawLumBar(Lum_Image, 128);
  for (TParamRangeBar& r : ranges_) r.Load();
  for (TParamScaledSlider& s : steps_) s.Load();
  for (TParamSplitSlider& s : splits_) s.Load();
  blur_ = SelectedInstance().ParamValue[13];
  DrawListBoxes(Img_Algo, blur_, 0, 2);
}

}  // namespace quillon

#include "modules/textures/PeriodicPackForm.h"

#include <string>

#include "engine/Instances.h"
#include "shell/Help.h"
#include "shell/ModulePresets.h"

namespace quillon {

namespace {

constexpr const char* GeneralEnglish1 =
    "Periodic Textures are based on simple periodic functions which are transformed by more or";
constexpr const char* GeneralEnglish2 = "less complex algorithms.";
constexpr const char* GeneralFrench1 =
    "Les textures périodiques sont basées sur des fonctions périodiques simples qui sont";
constexpr const char* GeneralFrench2 = "transformées par des algorithmes plus ou moins compliqués.";

}  // namespace

TP_PeriodicPack::TP_PeriodicPack(std::span<const TPackValues> Presets) : presets_(Presets) {
  StayOnTop = true;

  TImage* sliderImages[11] = {&Img_WP, &Img_WH, &Img_WC, &Img_HP, &Img_HH, &Img_HC,
                              &Img_Dst_X_A, &Img_Dst_Y_A, &Img_Dst_X_B, &Img_Dst_Y_B, &Img_LL};
  TEdit* sliderEdits[11] = {&Ed_WP, &Ed_WH, &Ed_WC, &Ed_HP, &Ed_HH, &Ed_HC,
                            &Ed_Dst_X_A, &Ed_Dst_Y_A, &Ed_Dst_X_B, &Ed_Dst_Y_B, &Ed_LL};
  // Each record is known by its parameter number.
  auto keep = [this](auto& record) {
    record.Wire();
    value_[record.Param] = &record.Value;
    min_[record.Param] = &record.Min;
    max_[record.Param] = &record.Max;
  };
  const int sliderParams[11] = {1, 2, 3, 4, 5, 6, 8, 9, 11, 12, 15};
  for (int i = 0; i < 11; ++i) {
    Sliders[i].Param = sliderParams[i];
    Sliders[i].Image = sliderImages[i];
    Sliders[i].Edit = sliderEdits[i];
    keep(Sliders[i]);
  }
  TImage* boxImages[5] = {&Img_Vrnt, &Img_AlgoA, &Img_AlgoB, &Img_Off1, &Img_Off2};
  const int boxParams[5] = {7, 10, 13, 14, 18};
  for (int i = 0; i < 5; ++i) {
    Boxes[i].Param = boxParams[i];
    Boxes[i].Image = boxImages[i];
    keep(Boxes[i]);
  }
  // Both markers of the bar are bounded by the range of p16.
  HueRange.Param = 16;
  HueRange.Bar = &Scroll_Bar_Hue;
  HueRange.LowEdit = &Ed_Hue_Min;
  HueRange.HighEdit = &Ed_Hue_Max;
  HueRange.Wire();
  value_[16] = &HueRange.Low;
  value_[17] = &HueRange.High;

  for (int i = 1; i <= static_cast<int>(presets_.size()); ++i) BuiltInPresets.Items.push_back("Preset " + std::to_string(i));
  BuiltInPresets.OnClick = [this] {
    const int i = BuiltInPresets.ItemIndex;
    if (i >= 0 && i < static_cast<int>(presets_.size())) LoadPreset(i + 1);
    SyncSliders(CurrentInstance);
    DrawSliders();
  };
  Btn_Save_Prst.OnClick = [] { SaveModulePresetDialog(); };
  Btn_Load_Prst.OnClick = [this] {
    LoadModulePreset();
    SyncSliders(CurrentInstance);
    DrawSliders();
  };

  Layout();
  WireHelp();
  // The captions as a person reads them beside the controls; the repeated
  // ones with the caption of their group.
  ParamCaptions = {{1, Lbl_WP.Caption},
                   {2, Lbl_WH.Caption},
                   {3, Lbl_WC.Caption},
                   {4, Lbl_HP.Caption},
                   {5, Lbl_HH.Caption},
                   {6, Lbl_HC.Caption},
                   {7, Pnl_Periodic.Caption + " > " + Lbl_Vrnt.Caption},
                   {8, Lbl_Dst_X_A.Caption},
                   {9, Lbl_Dst_Y_A.Caption},
                   {10, "Parameter 1 > " + Lbl_AlgoA.Caption},
                   {11, Lbl_Dst_X_B.Caption},
                   {12, Lbl_Dst_Y_B.Caption},
                   {13, "Parameter 2 > " + Lbl_AlgoB.Caption},
                   {14, Lbl_Off1.Caption},
                   {15, Lbl_LL.Caption},
                   {16, Lbl_Hue_Min.Caption},
                   {17, "Parameter 4 > " + Lbl_Hue_Max.Caption},
                   {18, Lbl_Off2.Caption}};

  OnCreate = [this] {
    CentreOverMainWindow(*this);
    MoveLeftOfModuleWindow(*this);
  };
  OnActivate = [this] {
    ShowHelp();
    for (TParamSlider& s : Sliders) s.Load();
    for (TParamBoxes& b : Boxes) b.Load();
    HueRange.Load();
  };
}

void TP_PeriodicPack::SyncSliders(int Instance) {
  for (int k = 1; k <= PackParamCount; ++k) *value_[k] = ModuleParams[Instance].ParamValue[k];
}

void TP_PeriodicPack::DrawSliders() {
  for (TParamSlider& s : Sliders) s.Draw();
  for (TParamBoxes& b : Boxes) b.Draw();
  HueRange.Draw();
}

void TP_PeriodicPack::ClearHelp() {
  Aide1.Caption.clear();
  Aide2.Caption.clear();
}

void TP_PeriodicPack::ShowHelp() {
  ClearHelp();
  ShowHelpText(Aide1, GeneralEnglish1, GeneralFrench1);
  ShowHelpText(Aide2, GeneralEnglish2, GeneralFrench2);
}

void TP_PeriodicPack::LoadPreset(int Item) {
  const TPackValues& row = presets_[Item - 1];
  for (int k = 1; k <= PackParamCount; ++k) SelectedInstance().ParamValue[k] = row[k - 1];
}

void TP_PeriodicPack::RandomPresetFromState() {
  DrawRandomPreset([this](int k) { return Bounds(k); }, true,
                   [this](int k, int32_t v) {
                     *value_[k] = v;
                     SelectedInstance().ParamValue[k] = v;
                   });
}

TPackRange TP_PeriodicPack::Bounds(int k) const {
  if (k == 16 || k == 17) return {SelectedInstance().ParamMin[16], SelectedInstance().ParamMax[16]};
  return {*min_[k], *max_[k]};
}

void TP_PeriodicPack::WireHelp() {
  struct Own {
    TLabel& Label;
    const char* English;
    const char* French;
  };
  const Own own[] = {
      {Lbl_WP, "The unitary pattern width is equal to the image width divided by the period",
       "La largeur du motif unitaire est égal à la largeur de l'image divisée par la période."},
      {Lbl_WH, "Unitary pattern width offset", "Décalage du motif unitaire dans le sens de la largeur"},
      {Lbl_WC, "Simple periodic function width (X) weight",
       "Poids de la largeur (X) dans le calcul de la fonction de base"},
      {Lbl_HP, "The unitary pattern height is equal to the image height divided by the period",
       "La hauteur du motif unitaire est égal à la hauteur de l'image divisée par la période."},
      {Lbl_HH, "Unitary pattern height offset", "Décalage du motif unitaire dans le sens de la hauteur"},
      {Lbl_HC, "Simple periodic function height (Y) weight",
       "Poids de la hauteur (Y) dans le calcul de la fonction de base"},
      {Lbl_Vrnt, "Simple periodic function variant", "Variante de la fonction périodique de base"},
  };
  for (const Own& o : own)
    o.Label.OnClick = [this, English = o.English, French = o.French] {
      ClearHelp();
      ShowHelpText(Aide1, English, French);
    };
  for (TLabel* l : {&Lbl_Dst_X_A, &Lbl_Dst_Y_A, &Lbl_AlgoA, &Lbl_Dst_X_B, &Lbl_Dst_Y_B, &Lbl_AlgoB, &Lbl_Off1,
                    &Lbl_LL, &Lbl_Hue_Min, &Lbl_Hue_Max, &Lbl_Off2})
    l->OnClick = [this] {
      ClearHelp();
      Aide_Unforeseeable(Aide1);
    };
}

// Left, top to bottom: the periodic group (periods, phases, then the two
// coefficients and the variant), the algorithm group (the two effects side by
// side; "Parameter 3" and the hue range at the lower left, the two offset
// variants in a panel at the lower right). Right: the preset panel and the
// button panel. Bottom: the two help labels.
void TP_PeriodicPack::Layout() {
  auto label = [](TLabel& l, const char* caption, int left, int top) {
    l.Caption = caption;
    Place(l, left, top, 160, 14);
  };
  // A slider cell: label and edit on one line, the slider below.
  auto slider = [&](TLabel& l, const char* caption, TEdit& e, TImage& img, int left, int top) {
    label(l, caption, left, top);
    Place(e, left + img.Width - 40, top - 3, 40, 20);
    Place(img, left, top + 20, img.Width, img.Height);
  };
  auto boxes = [&](TLabel& l, const char* caption, TImage& img, int left, int top) {
    label(l, caption, left, top);
    Place(img, left, top + 20, img.Width, img.Height);
  };

  Pnl_Periodic.Caption = "Periodic Fx Parameters";
  Place(Pnl_Periodic, 8, 8, 670, 20);
  slider(Lbl_WP, "Width Period", Ed_WP, Img_WP, 8, 40);
  slider(Lbl_HP, "Height Period", Ed_HP, Img_HP, 340, 40);
  slider(Lbl_WH, "Width Phase", Ed_WH, Img_WH, 8, 84);
  slider(Lbl_HH, "Height Phase", Ed_HH, Img_HH, 340, 84);
  slider(Lbl_WC, "Width Coef", Ed_WC, Img_WC, 8, 128);
  slider(Lbl_HC, "Height Coef", Ed_HC, Img_HC, 230, 128);
  boxes(Lbl_Vrnt, "Variant", Img_Vrnt, 452, 128);

  Pnl_Algorithm.Caption = "Algorithm Parameters";
  Place(Pnl_Algorithm, 8, 176, 670, 20);
  slider(Lbl_Dst_X_A, "Parameter 1 - Effect 1", Ed_Dst_X_A, Img_Dst_X_A, 8, 208);
  slider(Lbl_Dst_Y_A, "Parameter 1 - Effect 2", Ed_Dst_Y_A, Img_Dst_Y_A, 8, 252);
  boxes(Lbl_AlgoA, "Variant", Img_AlgoA, 8, 296);
  slider(Lbl_Dst_X_B, "Parameter 2 - Effect 1", Ed_Dst_X_B, Img_Dst_X_B, 340, 208);
  slider(Lbl_Dst_Y_B, "Parameter 2 - Effect 2", Ed_Dst_Y_B, Img_Dst_Y_B, 340, 252);
  boxes(Lbl_AlgoB, "Variant", Img_AlgoB, 340, 296);

  slider(Lbl_LL, "Parameter 3", Ed_LL, Img_LL, 8, 344);
  label(Lbl_Hue_Min, "Parameter 4 Min", 8, 388);
  Place(Ed_Hue_Min, 120, 385, 40, 20);
  label(Lbl_Hue_Max, "Max", 180, 388);
  Place(Ed_Hue_Max, 244, 385, 40, 20);
  Place(Scroll_Bar_Hue, 8, 408, Scroll_Bar_Hue.Width, Scroll_Bar_Hue.Height);
  Place(Pnl_Variants, 340, 336, 338, 90);
  boxes(Lbl_Off1, "Variant 1", Img_Off1, 352, 344);
  boxes(Lbl_Off2, "Variant 2", Img_Off2, 352, 388);

  Place(Pnl_Presets, 690, 8, 150, 300);
  label(Lbl_PresetsTitle, "Built-In Presets", 700, 14);
  label(Lbl_Presets1, "Built-In Presets", 700, 36);
  label(Lbl_Presets2, "have been optimized", 700, 52);
  label(Lbl_Presets3, "for 512 x 512 images", 700, 68);
  Place(BuiltInPresets, 700, 90, 130, 208);
  Place(Pnl_Buttons, 690, 316, 150, 110);
  Button1.Caption = "Random Preset";
  Btn_Save_Prst.Caption = "Save Preset";
  Btn_Load_Prst.Caption = "Load Preset";
  Place(Button1, 700, 324, 130, 25);
  Place(Btn_Save_Prst, 700, 358, 130, 25);
  Place(Btn_Load_Prst, 700, 392, 130, 25);

  Place(Aide1, 8, 440, 832, 16);
  Place(Aide2, 8, 458, 832, 16);
  Width = 856;
  Height = 512;
}

}  // namespace quillon

// The parameter form the three periodic pack modules share: eleven sliders,
// five rows of boxes and the hue range bar for p1 .. p18, the list of
// built-in presets, the "Random Preset" button, module-preset saving and
// loading, and two help labels. Each module's form derives from it and sets
// its name, caption, presets and what "Random Preset" does.
#pragma once

#include <cstdint>
#include <span>

#include "modules/textures/PeriodicPack.h"
#include "shell/FormBindings.h"
#include "shell/widgets/Controls.h"
#include "shell/widgets/Form.h"

namespace quillon {

class TP_PeriodicPack : public TForm {
 public:
  explicit TP_PeriodicPack(std::span<const TPackValues> Presets);

  // "Periodic Fx Parameters": periods, phases, coefficients (p1 .. p6) and
  // the variant of the periodic function (p7).
  TPanel Pnl_Periodic;
  TLabel Lbl_WP, Lbl_WH, Lbl_WC, Lbl_HP, Lbl_HH, Lbl_HC, Lbl_Vrnt;
  TImage Img_WP{220, 10}, Img_WH{220, 10}, Img_WC{120, 10}, Img_HP{220, 10}, Img_HH{220, 10}, Img_HC{120, 10};
  TEdit Ed_WP, Ed_WH, Ed_WC, Ed_HP, Ed_HH, Ed_HC;
  TImage Img_Vrnt{50, 10};

  // "Algorithm Parameters": the two effects (p8 .. p10, p11 .. p13), the
  // luminosity maximum (p15), the hue range (p16, p17) and, in the panel at
  // the lower right, the two offset effects (p14, p18).
  TPanel Pnl_Algorithm, Pnl_Variants;
  TLabel Lbl_Dst_X_A, Lbl_Dst_Y_A, Lbl_AlgoA, Lbl_Dst_X_B, Lbl_Dst_Y_B, Lbl_AlgoB;
  TImage Img_Dst_X_A{320, 10}, Img_Dst_Y_A{320, 10}, Img_Dst_X_B{320, 10}, Img_Dst_Y_B{320, 10};
  TEdit Ed_Dst_X_A, Ed_Dst_Y_A, Ed_Dst_X_B, Ed_Dst_Y_B;
  TImage Img_AlgoA{80, 10}, Img_AlgoB{80, 10};
  TLabel Lbl_Off1, Lbl_Off2;
  TImage Img_Off1{80, 10}, Img_Off2{80, 10};
  TLabel Lbl_LL;
  TImage Img_LL{276, 10};
  TEdit Ed_LL;
  TLabel Lbl_Hue_Min, Lbl_Hue_Max;
  TImage Scroll_Bar_Hue{276, 10};
  TEdit Ed_Hue_Min, Ed_Hue_Max;

  // The built-in presets and the preset buttons.
  TPanel Pnl_Presets, Pnl_Buttons;
  TLabel Lbl_PresetsTitle, Lbl_Presets1, Lbl_Presets2, Lbl_Presets3;
  TListBox BuiltInPresets;
  TButton Button1, Btn_Save_Prst, Btn_Load_Prst;

  TLabel Aide1, Aide2;

  // The state records of the controls, in parameter order: sliders of p1 ..
  // p6, p8, p9, p11, p12, p15; boxes of p7, p10, p13, p14, p18; the range bar
  // of p16, p17.
  TParamSlider Sliders[11];
  TParamBoxes Boxes[5];
  TParamRangeBar HueRange;

  // The records' values from the instance.
  void SyncSliders(int Instance);
  // Every control drawn from its record (the edits show the values).
  void DrawSliders();
  // Empties both help labels.
  void ClearHelp();
  // The general text over the two help labels.
  void ShowHelp();
  // Built-in preset Item (1 .. the list's length): its 18 values into the
  // current instance; nothing else is written.
  void LoadPreset(int Item);
  // The random preset that continues the module random state: p1 .. p18
  // drawn in order (DrawRandomPreset) within the bounds of the records, p17
  // from p16 up; each value goes into its record and into the current
  // instance before the next draw.
  void RandomPresetFromState();

 private:
  std::span<const TPackValues> presets_;
  // The record value and bounds of parameter k (1..18); the range bar's
  // bounds are those of p16, read from the instance.
  int32_t* value_[PackParamCount + 1] = {};
  const int32_t* min_[PackParamCount + 1] = {};
  const int32_t* max_[PackParamCount + 1] = {};
  TPackRange Bounds(int k) const;

  void Layout();
  void WireHelp();
};

}  // namespace quillon

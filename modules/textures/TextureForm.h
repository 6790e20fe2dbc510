// What the small texture forms are made of: the "Hue Variant" slider, the
// "Random Seed" two-bar slider with the form's own limits, optional "Size"
// scaled sliders and colour panels, and the help label Aide1 with the
// module's help text. The form centres itself over the main window when it
// is made; on activation it shows the module help and loads every control
// from the selected instance. Its handlers store each change at once and
// leave TextureDirty as it is; only a colour-panel click marks the texture
// changed.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "shell/FormBindings.h"
#include "shell/widgets/Controls.h"
#include "shell/widgets/Form.h"

namespace quillon {

class TTextureForm : public TForm {
 public:
  // "Hue Variant": a plain slider over the parameter's range.
  TLabel Lbl_Hue;
  TImage Img_Hue{380, 10};
  TEdit Ed_Hue;
  TParamSlider Hue;
  // "Random Seed": units 0..99 and hundreds.
  TLabel Lbl_RndA;
  TImage Img_RndA1{120, 10}, Img_RndA2;
  TEdit Ed_RndA;
  TParamSplitSlider Seed;

  TLabel Aide1;

  // Empties Aide1 and shows the module help in the language of LanguageFlag.
  void ShowHelp();

 protected:
  struct TLook {
    const char* Name;
    const char* Caption;
    int Width, Height;
    const char* HelpEnglish;
    const char* HelpFrench;
  };
  // The seed slider keeps its value within 0..SeedMax, a whole number of
  // hundreds at SeedStep pixels each.
  struct TSeedBar {
    int Param;
    int32_t SeedMax;
    int32_t SeedStep;
  };
  TTextureForm(const TLook& Look, int HueParam, const TSeedBar& SeedBar);

  // The rows, placed from the top of the form down in the order they are
  // added (the shell's slider and two-bar panels); each names its parameter
  // or colour by its label for the command line. A click on a row's label
  // shows its help: the shared "Hue variant" and "Random generator initial
  // value." unless the form says otherwise.
  void AddHueRow();
  void AddSeedRow();
  // A "Size" row: a scaled slider of Step pixels per unit with its edit; the
  // marker snaps onto the value when the mouse button is released.
  void AddSizeRow(TLabel& Label, TImage& Image, TEdit& Edit, TParamScaledSlider& Slider, int Param, int32_t Step,
                  const char* HelpEnglish, const char* HelpFrench);
  // A colour panel of colour parameter Slot with its label; the colour rows
  // stand side by side, Left giving each one's place.
  void AddColorRow(int Left, TLabel& Label, const char* Caption, TPanel& Panel, TParamColorPanel& Binding, int Slot,
                   const char* HelpEnglish, const char* HelpFrench);
  // The help label, under the rows.
  void AddHelpRow();

 private:
  const char* helpEnglish_;
  const char* helpFrench_;
  int top_ = 8;
  bool colorRow_ = false;
  std::vector<std::function<void()>> loads_;
};

}  // namespace quillon

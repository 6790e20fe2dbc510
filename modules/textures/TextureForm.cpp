#include "modules/textures/TextureForm.h"

#include "shell/Help.h"

namespace quillon {

TTextureForm::TTextureForm(const TLook& Look, int HueParam, const TSeedBar& SeedBar)
    : helpEnglish_(Look.HelpEnglish), helpFrench_(Look.HelpFrench) {
  Name = Look.Name;
  Caption = Look.Caption;
  Width = Look.Width;
  Height = Look.Height;
  StayOnTop = true;

  HelpOnClick(Lbl_Hue, Aide1, Aide_HueVariant);
  Hue.Param = HueParam;
  Hue.Image = &Img_Hue;
  Hue.Edit = &Ed_Hue;
  Hue.Wire();

  HelpOnClick(Lbl_RndA, Aide1, Aide_RandomSeed);
  Seed.Param = SeedBar.Param;
  Seed.Units = &Img_RndA1;
  Seed.Hundreds = &Img_RndA2;
  Seed.Edit = &Ed_RndA;
  Seed.MaxHundreds = SeedBar.SeedMax / 100;
  Seed.Step = SeedBar.SeedStep;
  Seed.FormLimits = true;
  Seed.FormMin = 0;
  Seed.FormMax = SeedBar.SeedMax;
  Seed.Wire();
  // The hundreds bar: its base line and the marker's half width on each side.
  Img_RndA2.Width = Seed.MaxHundreds * Seed.Step + 20;
  Img_RndA2.Height = 10;

  loads_ = {[this] { Hue.Load(); }, [this] { Seed.Load(); }};
  OnCreate = [this] { CentreOverMainWindow(*this); };
  OnActivate = [this] {
    ShowHelp();
    for (auto& load : loads_) load();
  };
}

void TTextureForm::ShowHelp() { ShowHelpText(Aide1, helpEnglish_, helpFrench_); }

void TTextureForm::AddHueRow() {
  PlaceSliderPanel(top_, 8, Lbl_Hue, "Hue Variant", Ed_Hue, Img_Hue);
  ParamCaptions[Hue.Param] = Lbl_Hue.Caption;
}

void TTextureForm::AddSeedRow() {
  PlaceSplitPanel(top_, 8, Lbl_RndA, "Random Seed", Ed_RndA, Img_RndA1, Img_RndA2);
  ParamCaptions[Seed.Param] = Lbl_RndA.Caption;
}

void TTextureForm::AddSizeRow(TLabel& Label, TImage& Image, TEdit& Edit, TParamScaledSlider& Slider, int Param,
                              int32_t Step, const char* HelpEnglish, const char* HelpFrench) {
  PlaceSliderPanel(top_, 8, Label, "Size", Edit, Image);
  ParamCaptions[Param] = Label.Caption;
  HelpOnClick(Label, Aide1, HelpEnglish, HelpFrench);
  Slider.Param = Param;
  Slider.Bar = &Image;
  Slider.Edit = &Edit;
  Slider.Step = Step;
  Slider.SnapOnRelease = true;
  Slider.Wire();
  loads_.push_back([&Slider] { Slider.Load(); });
}

void TTextureForm::AddColorRow(int Left, TLabel& Label, const char* Caption, TPanel& Panel,
                               TParamColorPanel& Binding, int Slot, const char* HelpEnglish,
                               const char* HelpFrench) {
  PlaceLabel(Label, Caption, Left, top_ + 3);
  ColorCaptions[Slot] = Caption;
  Place(Panel, Left + 112, top_, 60, 20);
  colorRow_ = true;
  HelpOnClick(Label, Aide1, HelpEnglish, HelpFrench);
  Binding.Slot = Slot;
  Binding.Panel = &Panel;
  Binding.Wire();
  loads_.push_back([&Binding] { Binding.Load(); });
}

void TTextureForm::AddHelpRow() {
  if (colorRow_) top_ += 30;
  Place(Aide1, 8, top_, Width - 16, 30);
}

}  // namespace quillon

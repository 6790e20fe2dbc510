#include "modules/textures/Prm_T018.h"

#include "shell/Help.h"
#include "shell/Sliders.h"

namespace quillon {

TP_T018* P_T018 = nullptr;

void Prm_T018_CreateForm() { CreateForm(P_T018); }

void T018_ShowHelp() {
  ShowHelpText(P_T018->Aide1, "Corn texture: round grains on a black background",
               "Texture de ma\u00efs : des grains ronds sur un fond noir");
}

TP_T018::TP_T018()
    : Size{1, &Img_Size, &Ed_Size},
      Hue{4, &Img_Hue, &Ed_Hue},
      // The scaled markers may go one pixel past the last unit and snap to
      // the value when the button is released.
      SizeVariation{2, &Img_Size_Var, &Ed_Size_Var, 36, true, 1},
      HueVariation{5, &Img_Hue_Var, &Ed_Hue_Var, 12, true, 1},
      SatNoise{7, &Img_SN, &Ed_SN, 8, true, 1},
      LumNoise{8, &Img_LN, &Ed_LN, 8, true, 1},
      // The seed keeps to 0..1050, wider than its stored range 1..1000: 10
      // hundreds at 24 pixels each.
      Seed{10, &Img_RndA1, &Img_RndA2, &Ed_RndA, 10, 24, 1, true, 0, 1050} {
  Name = "P_T018";
  Caption = "Textures > Nature > Corn";

  // Panels from top to bottom: size, size variation, a separator, hue over
  // the hue picture, hue variation, a separator, the two noises side by
  // side, the seed, the help label.
  int y = 8;
  PlaceSliderPanel(y, 8, Label11, "Size", Ed_Size, Img_Size);
  PlaceSliderPanel(y, 8, Label9, "Size Variation", Ed_Size_Var, Img_Size_Var);
  Place(Separator1, 8, y, 400, 2);
  y += 10;
  PlaceSliderPanel(y, 8, Label6, "Hue", Ed_Hue, Img_Hue);
  Place(Hue_Image, 8, Img_Hue.Top, Hue_Image.Width, Hue_Image.Height);
  Img_Hue.Top += Hue_Image.Height;
  y += Hue_Image.Height;
  PlaceSliderPanel(y, 8, Label10, "Hue Variation", Ed_Hue_Var, Img_Hue_Var);
  Place(Separator2, 8, y, 400, 2);
  y += 10;
  const int noiseTop = y;
  PlaceSliderPanel(y, 8, Label1, "Saturation Noise", Ed_SN, Img_SN);
  y = noiseTop;
  PlaceSliderPanel(y, 212, Label2, "Luminosity Noise", Ed_LN, Img_LN);
  PlaceSplitPanel(y, 8, Label17, "Random Seed", Ed_RndA, Img_RndA1, Img_RndA2);
  ParamCaptions = {{1, Label11.Caption}, {2, Label9.Caption}, {4, Label6.Caption}, {5, Label10.Caption},
                   {7, Label1.Caption},  {8, Label2.Caption}, {10, Label17.Caption}};
  ParamLimits = {{10, {0, 1050}}};
  Place(Aide1, 8, y, 400, 30);
  Width = 420;
  Height = y + 30 + 40;  // the help label and the window frame

  for (TParamSlider* s : {&Size, &Hue}) s->Wire();
  for (TParamScaledSlider* s : {&SizeVariation, &HueVariation, &SatNoise, &LumNoise}) s->Wire();
  Seed.Wire();

  HelpOnClick(Label11, Aide1, "Grain size", "Taille du grain");
  HelpOnClick(Label9, Aide1, "Grain size variation", "Variation de la taille du grain");
  HelpOnClick(Label6, Aide1, "Grain color", "Couleur des grains");
  HelpOnClick(Label10, Aide1, "Grain color variation", "Variation de la couleur des grains");
  HelpOnClick(Label1, Aide1, "Saturation noise", "Bruit ajout\u00e9 \u00e0 la saturation");
  HelpOnClick(Label2, Aide1, "Luminosity noise", "Bruit ajout\u00e9 \u00e0 la luminosit\u00e9");
  HelpOnClick(Label17, Aide1, Aide_RandomSeed);

  // Centred over the main window; it stays there even over the module window.
  OnCreate = [this] { CentreOverMainWindow(*this); };
  OnActivate = [this] {
    T018_ShowHelp();
    DrawHueBar(Hue_Image, 0);
    for (TParamSlider* s : {&Size, &Hue}) s->Load();
    for (TParamScaledSlider* s : {&SizeVariation, &HueVariation, &SatNoise, &LumNoise}) s->Load();
    Seed.Load();
  };
}

}  // namespace quillon

#include "modules/textures/Prm_T014.h"

#include "engine/Instances.h"
#include "shell/Help.h"
#include "shell/ParamControls.h"
#include "shell/Sliders.h"
#include "shell/widgets/Canvas.h"

namespace quillon {

TP_T014* P_T014 = nullptr;

void Prm_T014_CreateForm() { CreateForm(P_T014); }

void T014_ShowHelp() { ShowHelpText(P_T014->Aide1, "Plank texture", "Texture de planche"); }

TP_T014::TP_T014()
    : hue_{1, &Scroll_Bar_Hue, &Ed_Hue_Min, &Ed_Hue_Max},
      // Both seeds keep to 0..1050, wider than their stored range 0..1000.
      seeds_{{6, &Img_RndA1, &Img_RndA2, &Ed_RndA, 10, 8, 1, true, 0, 1050},
             {7, &Img_RndB1, &Img_RndB2, &Ed_RndB, 10, 8, 1, true, 0, 1050}} {
  Name = "P_T014";
  Caption = "Textures > Wood > Plank";
  StayOnTop = true;
  ComboBox1.Items = {"Vertical", "Horizontal"};

  // Panels from top to bottom: hue range; orientation; seed 1 and seed 2,
  // with an empty panel to the right of the last three; the help label.
  int y = 8;
  PlaceRangePanel(y, Lbl_Hue_Min, "Hue Min", Ed_Hue_Min, Lbl_Hue_Max, "Hue Max", Ed_Hue_Max, Hue_Image,
                  Scroll_Bar_Hue);
  const int rightTop = y;
  PlaceLabel(Lbl_Orientation, "Orientation", 8, y + 3);
  Place(ComboBox1, 8, y + 24, 170, 21);
  y += 24 + 21 + 10;
  PlaceSplitPanel(y, 8, Lbl_RndA, "Random Seed 1", Ed_RndA, Img_RndA1, Img_RndA2);
  PlaceSplitPanel(y, 8, Lbl_RndB, "Random Seed 2", Ed_RndB, Img_RndB1, Img_RndB2);
  Place(Panel_Right, 250, rightTop, 146, y - 10 - rightTop);
  ParamCaptions = {{1, Lbl_Hue_Min.Caption}, {2, Lbl_Hue_Max.Caption}, {4, Lbl_Orientation.Caption},
                   {6, Lbl_RndA.Caption},    {7, Lbl_RndB.Caption}};
  Panel_Help.Color = clNavy;
  Place(Panel_Help, 8, y, 388, 34);
  Place(Aide1, 10, y + 2, 384, 30);
  Width = 404;
  Height = y + 34 + 40;  // the help panel and the window frame

  hue_.Wire();
  for (TParamSplitSlider& s : seeds_) s.Wire();
  // The combo box stores its item index (-1 for a typed text that matches no
  // item) and marks the texture changed.
  ComboBox1.OnChange = [this] { ControlParam(CurrentInstance, 4, ComboBox1); };
  ParamLimits[4] = {0, static_cast<int32_t>(ComboBox1.Items.size()) - 1};

  HelpOnClick(Lbl_Hue_Min, Aide1, Aide_HueMin);
  HelpOnClick(Lbl_Hue_Max, Aide1, Aide_HueMax);
  HelpOnClick(Lbl_Orientation, Aide1, "Plank orientation", "Orientation de la planche");
  HelpOnClick(Lbl_RndA, Aide1, Aide_RandomSeed);
  HelpOnClick(Lbl_RndB, Aide1, Aide_RandomSeed);

  // Centred over the main window, with no shift away from the module window.
  OnCreate = [this] { CentreOverMainWindow(*this); };
  OnActivate = [this] {
    T014_ShowHelp();
    LoadControlParam(CurrentInstance, 4, ComboBox1);
    DrawHueBar(Hue_Image, 0);
    hue_.Load();
    for (TParamSplitSlider& s : seeds_) s.Load();
  };
}

}  // namespace quillon

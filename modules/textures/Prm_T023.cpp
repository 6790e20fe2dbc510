#include "modules/textures/Prm_T023.h"

#include "shell/Help.h"

namespace quillon {

TP_T023* P_T023 = nullptr;

void Prm_T023_CreateForm() { CreateForm(P_T023); }

void T023_ClearHelp() { P_T023->Aide1.Caption.clear(); }

void T023_ShowHelp() {
  T023_ClearHelp();
  P_T023->Aide1.Caption = "\"Inside the body\"";
}

TP_T023::TP_T023() {
  Name = "P_T023";
  Caption = "Textures > Nature > Inside The Body";
  Width = 448;
  Height = 196;

  Label6.Caption = "Variant";
  Place(Label6, 8, 8, 100, 14);
  Place(Ed_Density, 380, 6, 40, 21);
  Place(Img_Density, 8, 32, Img_Density.Width, 10);
  HelpOnClick(Label6, Aide1, "Algorithm variant", "Variante de l'algorithme");
  Density.Param = 1;
  Density.Bar = &Img_Density;
  Density.Edit = &Ed_Density;
  Density.Step = 4;
  Density.ExtraPixels = 1;
  Density.SnapOnRelease = true;
  Density.Wire();

  Title9.Caption = "Random Seed";
  Place(Title9, 8, 60, 100, 14);
  Place(Ed_Rnd, 380, 58, 40, 21);
  Place(Img_Rnd1, 8, 86, Img_Rnd1.Width, 10);
  Place(Img_Rnd2, 140, 86, Img_Rnd2.Width, 10);
  HelpOnClick(Title9, Aide1, Aide_RandomSeed);
  // Within the parameter's range 0..1550: 15 hundreds, from the range's
  // maximum, at 18 pixels each.
  Seed.Param = 2;
  Seed.Units = &Img_Rnd1;
  Seed.Hundreds = &Img_Rnd2;
  Seed.Edit = &Ed_Rnd;
  Seed.HundredsFromRange = true;
  Seed.Step = 18;
  Seed.Wire();

  Place(Aide1, 8, 120, 430, 40);
  ParamCaptions = {{1, Label6.Caption}, {2, Title9.Caption}};

  OnCreate = [this] {
    CentreOverMainWindow(*this);
    MoveLeftOfModuleWindow(*this, 10);
  };
  OnActivate = [this] {
    T023_ShowHelp();
    Density.Load();
    Seed.Load();
  };
}

}  // namespace quillon

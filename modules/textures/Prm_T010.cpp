#include "modules/textures/Prm_T010.h"

#include "shell/Help.h"

namespace quillon {

TP_T010* P_T010 = nullptr;

void Prm_T010_CreateForm() { CreateForm(P_T010); }

TP_T010::TP_T010() : THuePatternForm("P_T010", "Textures > Misc > Rainbow Bananas") {}

void THuePatternForm::ShowHelp() {
  Aide1.Caption.clear();
  Aide2.Caption.clear();
  ShowHelpText(Aide1, "Periodic Textures are based on simple periodic functions which are transformed by more or",
               "Les textures p\u00e9riodiques sont bas\u00e9es sur des fonctions p\u00e9riodiques simples qui sont");
  ShowHelpText(Aide2, "less complex algorithms.",
               "transform\u00e9es par des algorithmes plus ou moins compliqu\u00e9s.");
}

THuePatternForm::THuePatternForm(const char* FormName, const char* FormCaption) {
  Name = FormName;
  Caption = FormCaption;
  Width = 404;
  StayOnTop = true;

  // A click on a label empties both help labels, then writes its text:
  // English in Aide1 only (Aide2 stays empty), French in one or both.
  auto help = [this](TLabel& Label, const char* English, const char* French1, const char* French2) {
    Label.OnClick = [this, English, French1, French2] {
      Aide2.Caption.clear();
      ShowHelpText(Aide1, English, French1);
      ShowHelpText(Aide2, "", French2);
    };
  };
  auto sharedHelp = [this](TLabel& Label, void (*Setter)(TLabel&)) {
    Label.OnClick = [this, Setter] {
      Aide2.Caption.clear();
      Setter(Aide1);
    };
  };

  int top = 8;
  TLabel* labels[4] = {&Label11, &Label12, &Label13, &Label14};
  TImage* images[4] = {&Img_V1, &Img_V2, &Img_V3, &Img_V4};
  TEdit* edits[4] = {&Ed_V1, &Ed_V2, &Ed_V3, &Ed_V4};
  const char* captions[4] = {"Variant 1", "Variant 2", "Variant 3", "Variant 4"};
  for (int k = 0; k < 4; ++k) {
    PlaceSliderPanel(top, 8, *labels[k], captions[k], *edits[k], *images[k]);
    sharedHelp(*labels[k], Aide_Unforeseeable);
    Variants[k] = {k + 1, images[k], edits[k]};
    Variants[k].Wire();
  }
  Place(Separator, 8, top, 388, 2);
  top += 8;

  // "Width" and "Height" side by side, then the seed, then the shape boxes
  // beside an empty panel.
  int rowTop = top;
  PlaceSliderPanel(rowTop, 8, Label4, "Width", Ed_Width, Img_Width);
  PlaceSliderPanel(top, 200, Label1, "Height", Ed_Height, Img_Height);
  help(Label4, "\"Width pediod\" : The unitary pattern width is equal to the image width divided by the period",
       "\"Width pediod\" :La largeur du motif unitaire est \u00e9gal \u00e0 la largeur",
       "de l'image divis\u00e9e par la p\u00e9riode.");
  help(Label1, "\"Height pediod\" : The unitary pattern height is equal to the image height divided by the period",
       "\"Height pediod\" : La hauteur du motif unitaire est \u00e9gal \u00e0 la hauteur",
       "de l'image divis\u00e9e par la p\u00e9riode.");
  Periods[0] = {8, &Img_Width, &Ed_Width, 4};
  Periods[1] = {9, &Img_Height, &Ed_Height, 4};
  for (TParamScaledSlider& s : Periods) s.Wire();

  PlaceSplitPanel(top, 8, Label17, "Random Seed 1", Ed_RndA, Img_RndA1, Img_RndA2);
  sharedHelp(Label17, Aide_RandomSeed);
  // The form's own limits, 0..1050, wider than the stored range 0..1000.
  Seed = {10, &Img_RndA1, &Img_RndA2, &Ed_RndA, 10, 8, 1, true, 0, 1050};
  Seed.Wire();

  PlaceLabel(Label6, "Shape", 8, top + 3);
  Place(Img_Shape, 8, top + 24, Img_Shape.Width, Img_Shape.Height);
  Place(EmptyPanel, 200, top, 196, 34);
  help(Label6, "General pattern shape", "Forme g\u00e9n\u00e9rale du motif", "");
  Shape.Param = 6;
  Shape.Image = &Img_Shape;
  Shape.Wire();
  top += 44;

  // The command line lists the values under these captions.
  ParamCaptions = {{1, Label11.Caption}, {2, Label12.Caption}, {3, Label13.Caption}, {4, Label14.Caption},
                   {6, Label6.Caption},  {8, Label4.Caption},  {9, Label1.Caption},  {10, Label17.Caption}};

  Place(Aide1, 8, top, 388, 16);
  Place(Aide2, 8, top + 16, 388, 16);
  Height = top + 32 + 40;  // the help labels and the window frame

  OnCreate = [this] {
    CentreOverMainWindow(*this);
    MoveLeftOfModuleWindow(*this);
  };
  OnActivate = [this] {
    ShowHelp();
    for (TParamSlider& s : Variants) s.Load();
    for (TParamScaledSlider& s : Periods) s.Load();
    Seed.Load();
    Shape.Load();
  };
}

}  // namespace quillon

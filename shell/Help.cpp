#include "shell/Help.h"

#include "engine/Instances.h"

namespace quillon {

void ShowHelpText(TLabel& Aide, const char* English, const char* French) {
  Aide.Caption = "";
  Aide.Caption = LanguageFlag == 1 ? English : French;
}

void Aide_HueMin(TLabel& Label) { ShowHelpText(Label, "Minimum hue channel value", "Valeur minimale du canal teinte"); }
void Aide_HueMax(TLabel& Label) { ShowHelpText(Label, "Maximum hue channel value", "Valeur maximale du canal teinte"); }
void Aide_SatMin(TLabel& Label) {
  ShowHelpText(Label, "Minimum Saturation channel value", "Valeur minimale du canal saturation");
}
void Aide_SatMax(TLabel& Label) {
  ShowHelpText(Label, "Maximum Saturation channel value", "Valeur maximale du canal saturation");
}
void Aide_LumMin(TLabel& Label) {
  ShowHelpText(Label, "Minimum luminosity channel value", "Valeur minimale du canal luminosit\u00e9");
}
void Aide_LumMax(TLabel& Label) {
  ShowHelpText(Label, "Maximum luminosity channel value", "Valeur maximale du canal luminosit\u00e9");
}
void Aide_Unforeseeable(TLabel& Label) {
  ShowHelpText(Label, "Unforeseeable effect - just try it !!!", "Effet impr\u00e9visible - \u00e0 essayer !!!");
}
void Aide_RandomSeed(TLabel& Label) {
  ShowHelpText(Label, "Random generator initial value.",
          "Valeur initiale du g\u00e9n\u00e9rateur de nombre al\u00e9atoire.");
}
void Aide_HueVariant(TLabel& Label) { ShowHelpText(Label, "Hue variant", "Variante de teinte"); }
void Aide_SatVariant(TLabel& Label) { ShowHelpText(Label, "Saturation variant", "Variante de saturation"); }
void Aide_LumVariant(TLabel& Label) { ShowHelpText(Label, "Luminosity variant", "Variante de luminosit\u00e9"); }
void Aide_SlightModify(TLabel& Label) {
  ShowHelpText(Label, "Slightly modify texture appearance", "Modifie l\u00e9g\u00e9rement l'aspect de la texture");
}
void Aide_RandomAll(TLabel& Label) {
  ShowHelpText(Label, "Generate a random value for each parameter",
          "G\u00e9n\u00e9re une valeur al\u00e9atoire pour chacun des param\u00e8tres");
}

}  // namespace quillon

#include "shell/Help.h"

#include "engine/Instances.h"

namespace quillon {

namespace {
void SetHelp(TLabel& Label, const char* English, const char* French) {
  Label.Caption = LanguageFlag == 1 ? English : French;
}
}  // namespace

void Aide_HueMin(TLabel& Label) { SetHelp(Label, "Minimum hue channel value", "Valeur minimale du canal teinte"); }
void Aide_HueMax(TLabel& Label) { SetHelp(Label, "Maximum hue channel value", "Valeur maximale du canal teinte"); }
void Aide_SatMin(TLabel& Label) {
  SetHelp(Label, "Minimum Saturation channel value", "Valeur minimale du canal saturation");
}
void Aide_SatMax(TLabel& Label) {
  SetHelp(Label, "Maximum Saturation channel value", "Valeur maximale du canal saturation");
}
void Aide_LumMin(TLabel& Label) {
  SetHelp(Label, "Minimum luminosity channel value", "Valeur minimale du canal luminosit\u00e9");
}
void Aide_LumMax(TLabel& Label) {
  SetHelp(Label, "Maximum luminosity channel value", "Valeur maximale du canal luminosit\u00e9");
}
void Aide_Unforeseeable(TLabel& Label) {
  SetHelp(Label, "Unforeseeable effect - just try it !!!", "Effet impr\u00e9visible - \u00e0 essayer !!!");
}
void Aide_RandomSeed(TLabel& Label) {
  SetHelp(Label, "Random generator initial value.",
          "Valeur initiale du g\u00e9n\u00e9rateur de nombre al\u00e9atoire.");
}
void Aide_HueVariant(TLabel& Label) { SetHelp(Label, "Hue variant", "Variante de teinte"); }
void Aide_SatVariant(TLabel& Label) { SetHelp(Label, "Saturation variant", "Variante de saturation"); }
void Aide_LumVariant(TLabel& Label) { SetHelp(Label, "Luminosity variant", "Variante de luminosit\u00e9"); }
void Aide_SlightModify(TLabel& Label) {
  SetHelp(Label, "Slightly modify texture appearance", "Modifie l\u00e9g\u00e9rement l'aspect de la texture");
}
void Aide_RandomAll(TLabel& Label) {
  SetHelp(Label, "Generate a random value for each parameter",
          "G\u00e9n\u00e9re une valeur al\u00e9atoire pour chacun des param\u00e8tres");
}

}  // namespace quillon

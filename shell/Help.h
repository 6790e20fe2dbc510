// Help setters shared by the parameter forms: each sets the label's caption
// to its English text when LanguageFlag is 1, else to its French text.
#pragma once

#include "shell/widgets/Controls.h"

namespace quillon {

void Aide_HueMin(TLabel& Label);
void Aide_HueMax(TLabel& Label);
void Aide_SatMin(TLabel& Label);
void Aide_SatMax(TLabel& Label);
void Aide_LumMin(TLabel& Label);
void Aide_LumMax(TLabel& Label);
void Aide_Unforeseeable(TLabel& Label);
void Aide_RandomSeed(TLabel& Label);
void Aide_HueVariant(TLabel& Label);
void Aide_SatVariant(TLabel& Label);
void Aide_LumVariant(TLabel& Label);
void Aide_SlightModify(TLabel& Label);
void Aide_RandomAll(TLabel& Label);

}  // namespace quillon

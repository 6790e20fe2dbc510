// Help texts of the parameter forms: the one place that picks the language,
// and the help setters several forms share.
#pragma once

#include "shell/widgets/Controls.h"

namespace quillon {

// The help label is emptied and set to the English or the French text by
// LanguageFlag (1 English, any other value French).
void ShowHelpText(TLabel& Aide, const char* English, const char* French);

// The shared help setters: each shows its text in the label by ShowHelpText.
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

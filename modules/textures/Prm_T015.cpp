#include "modules/textures/Prm_T015.h"

#include "engine/Instances.h"
#include "modules/textures/Fnc_T015.h"

namespace quillon {

const std::array<TPackValues, 10> T015_Presets = {{
    {4, 0, 100, 4, 0, 100, 1, 275, 0, 2, 178, 0, 1, 2, 164, 0, 43, 1},
    {4, 0, 100, 4, 0, 100, 1, 30, 0, 2, 40, 0, 2, 2, 160, 0, 43, 2},
    {4, 0, 100, 4, 0, 100, 1, 172, 0, 2, 1, 0, 1, 2, 164, 0, 43, 5},
    {7, 27, 100, 5, 0, 100, 1, 30, 0, 5, 205, 0, 4, 2, 164, 0, 43, 5},
    {4, 0, 100, 4, 0, 100, 1, 275, 0, 1, 122, 0, 4, 2, 150, 45, 65, 4},
    {7, 0, 64, 2, 0, 100, 3, 59, 0, 5, 150, 0, 2, 5, 227, 0, 16, 4},
    {4, 0, 100, 4, 0, 100, 1, 40, 0, 5, 115, 0, 4, 2, 130, 40, 60, 5},
    {4, 0, 100, 4, 0, 100, 2, 40, 0, 5, 1, 0, 4, 2, 160, 100, 120, 1},
    {4, 0, 100, 4, 0, 100, 1, 60, 0, 5, 20, 0, 4, 2, 130, 77, 88, 5},
    {4, 0, 100, 4, 0, 100, 1, 60, 0, 5, 20, 0, 4, 4, 200, 0, 30, 5},
}};

TP_T015* P_T015 = nullptr;

void Prm_T015_CreateForm() { CreateForm(P_T015); }

TP_T015::TP_T015() : TP_PeriodicPack(T015_Presets) {
  Name = "P_T015";
  Caption = "Textures > Periodic Tx > Pack 1 > Tx C";
  // A fresh draw from the clock into the current instance, then reloaded.
  Button1.OnClick = [this] {
    T015_RandomPreset(CurrentInstance);
    SyncSliders(CurrentInstance);
    DrawSliders();
  };
  // The label of the first effect's variant shows the general text.
  Lbl_AlgoA.OnClick = [this] { ShowHelp(); };
}

}  // namespace quillon

#include "modules/textures/Prm_T021.h"

namespace quillon {

const std::array<TPackValues, 12> T021_Presets = {{
    {4, 0, 54, 4, 0, 100, 2, 26, 200, 2, 160, 140, 2, 5, 248, 1, 31, 4},
    {4, 0, 54, 4, 0, 100, 2, 217, 0, 2, 155, 155, 2, 2, 248, 25, 50, 4},
    {4, 2, 100, 4, 30, 100, 1, 216, 0, 2, 227, 0, 1, 3, 251, 129, 155, 4},
    {3, 0, 22, 3, 0, 34, 3, 233, 213, 3, 70, 108, 2, 4, 158, 0, 32, 4},
    {3, 0, 100, 2, 0, 100, 3, 23, 0, 3, 193, 0, 1, 3, 217, 50, 80, 4},
    {4, 0, 100, 4, 0, 100, 1, 10, 0, 2, 80, 0, 1, 4, 164, 140, 171, 4},
    {4, 0, 100, 5, 0, 100, 3, 15, 0, 2, 240, 0, 1, 1, 217, 190, 205, 5},
    {4, 0, 100, 4, 0, 100, 2, 40, 0, 5, 66, 0, 4, 2, 255, 95, 130, 4},
    {4, 0, 100, 4, 0, 100, 1, 15, 0, 5, 1, 0, 4, 1, 255, 77, 88, 5},
    {4, 0, 100, 4, 0, 100, 1, 60, 0, 5, 20, 0, 4, 4, 230, 55, 75, 5},
    {4, 2, 100, 4, 30, 100, 3, 159, 159, 3, 165, 0, 3, 3, 217, 22, 49, 4},
    {1, 0, 100, 3, 0, 80, 2, 100, 90, 3, 70, 20, 1, 3, 200, 225, 245, 5},
}};

TP_T021* P_T021 = nullptr;

void Prm_T021_CreateForm() { CreateForm(P_T021); }

void T021_RandomPreset() { P_T021->RandomPresetFromState(); }

TP_T021::TP_T021() : TP_PeriodicPack(T021_Presets) {
  Name = "P_T021";
  Caption = "Textures > Periodic Tx > Pack 1 > Tx A";
  Lbl_Dst_Y_A.Caption = "Parameter 1 -Effect 2";
  ParamCaptions[9] = Lbl_Dst_Y_A.Caption;
  Button1.OnClick = [this] {
    T021_RandomPreset();
    DrawSliders();
  };
}

}  // namespace quillon

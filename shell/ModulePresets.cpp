#include "shell/ModulePresets.h"

#include "engine/Errors.h"
#include "engine/Instances.h"
#include "engine/Presets.h"
#include "shell/widgets/Dialogs.h"
#include "shell/widgets/MessageBox.h"

namespace quillon {

namespace {
constexpr const char* PresetFilter = "Module presets (*.mpr)|*.mpr";
}

void SaveModulePresetDialog() {
  TSaveDialog dialog;
  dialog.DefaultExt = "mpr";
  dialog.Filter = PresetFilter;
  if (!dialog.Execute()) return;
  WriteModulePreset(dialog.FileName, PresetOfInstance(CurrentInstance));
}

void LoadModulePreset() {
  TOpenDialog dialog;
  dialog.DefaultExt = "mpr";
  dialog.Filter = PresetFilter;
  if (dialog.Execute()) {
    ModulePreset preset;
    bool read = true;
    try {
      ReadModulePreset(dialog.FileName, preset);
    } catch (const QuillonError& e) {
      // An unreadable or short file: the reader has closed it and changed
      // nothing; the error is shown as the error handler shows any error,
      // and the load goes on to its end as a refused one.
      ShowMessageBox(ApplicationTitle, e.what(), MessageIcon::Stop);
      read = false;
    }
    if (read) {
      if (preset.ModuleType == ModuleParams[CurrentInstance].ModuleType)
        ApplyPresetValues(CurrentInstance, preset);
      else
        ShowMessage("The current module type doesn't match the module preset type");
    }
  }
  TextureDirty = 1;
}

}  // namespace quillon

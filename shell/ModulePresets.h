// Module preset files from the parameter forms: the dialogs around the
// engine's preset reader and writer.
#pragma once

namespace quillon {

// Shows a save dialog for module presets (default extension "mpr"); when
// the user confirms, writes the current instance's type and 33 values. A
// cancelled dialog writes nothing. A file that cannot be written raises the
// engine's error.
void SaveModulePresetDialog();

// Shows an open dialog; when the user confirms, reads the file: when its
// module type equals the current instance's, its 33 values replace the
// instance's (unchecked); otherwise the message "The current module type
// doesn't match the module preset type" and the values stay. A file that
// cannot be read or is shorter than 140 bytes shows its error in a stop box
// and the values stay. TextureDirty is set in every case, also when the
// dialog is cancelled. The caller reloads its controls afterwards.
void LoadModulePreset();

}  // namespace quillon

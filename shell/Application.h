// Start-up of the program.
#pragma once

namespace quillon {

// Puts the shell's answers to the engine in force (its messages as message
// boxes, its long work under the wait cursor). Makes every form, hidden: the main window (Form1) first, then the module
// window (F_Synthe), then the parameter form of every module unit (its
// CreateForm, where it has one); each creation handler runs as its form is
// made. Then the engine starts with a clean catalog and chain (every unit's
// registration, the start-up globals), the module window builds its
// add-module menus from the registered types, and the main window is shown.
// Called again (by tests), it makes fresh forms and starts over.
void StartApplication();

}  // namespace quillon

// File and colour dialogs answered from a script. A test or the command line
// queues what "the user" does with the next dialogs: pick a file, pick a
// colour, or cancel. A dialog takes the next answer of the queue; with the
// queue empty it is cancelled, so a dialog never waits.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quillon {

enum class DialogKind { Open, Save, Color };

// Queues the next answers.
void QueueFileAnswer(const std::string& FileName);  // for an open or save dialog
void QueueColorAnswer(int32_t Color);               // for a colour dialog
void QueueCancelAnswer();                           // for any dialog
void ClearDialogAnswers();
size_t PendingDialogAnswers();

// Every dialog shown since the last ClearDialogLog, in order.
const std::vector<DialogKind>& DialogLog();
void ClearDialogLog();

class TOpenDialog {
 public:
  std::string FileName;
  std::string DefaultExt;  // without the dot
  std::string Filter;
  std::string Title;
  // Shows the dialog; true when the user picked a file (FileName).
  bool Execute();

 protected:
  bool Run(DialogKind Kind);
};

class TSaveDialog : public TOpenDialog {
 public:
  // As the open dialog; a picked name without an extension gets DefaultExt.
  bool Execute();
};

class TColorDialog {
 public:
  int32_t Color = 0;  // packed colour: the start colour, then the picked one
  bool Execute();
};

}  // namespace quillon

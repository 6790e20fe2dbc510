#include "shell/widgets/Dialogs.h"

#include <deque>
#include <stdexcept>

namespace quillon {

namespace {
enum class AnswerKind { File, Color, Cancel };
struct Answer {
  AnswerKind Kind;
  std::string FileName;
  int32_t Color = 0;
};
std::deque<Answer>& Answers() {
  static std::deque<Answer> answers;
  return answers;
}
std::vector<DialogKind>& Log() {
  static std::vector<DialogKind> log;
  return log;
}

// The next answer for a dialog of this kind; a cancel when there is none.
// An answer of the wrong kind is a fault of the script: it is refused with
// an error rather than silently read as something else.
Answer Next(DialogKind Kind) {
  Log().push_back(Kind);
  if (Answers().empty()) return {AnswerKind::Cancel, {}, 0};
  Answer a = Answers().front();
  const bool fileDialog = Kind != DialogKind::Color;
  if ((a.Kind == AnswerKind::File && !fileDialog) || (a.Kind == AnswerKind::Color && fileDialog))
    throw std::logic_error(fileDialog ? "The scripted answer for this file dialog is a colour"
                                      : "The scripted answer for this colour dialog is a file");
  Answers().pop_front();
  return a;
}
}  // namespace

void QueueFileAnswer(const std::string& FileName) { Answers().push_back({AnswerKind::File, FileName, 0}); }
void QueueColorAnswer(int32_t Color) { Answers().push_back({AnswerKind::Color, {}, Color}); }
void QueueCancelAnswer() { Answers().push_back({AnswerKind::Cancel, {}, 0}); }
void ClearDialogAnswers() { Answers().clear(); }
size_t PendingDialogAnswers() { return Answers().size(); }

const std::vector<DialogKind>& DialogLog() { return Log(); }
void ClearDialogLog() { Log().clear(); }

bool TOpenDialog::Run(DialogKind Kind) {
  Answer a = Next(Kind);
  if (a.Kind != AnswerKind::File) return false;
  FileName = a.FileName;
  return true;
}

bool TOpenDialog::Execute() { return Run(DialogKind::Open); }

bool TSaveDialog::Execute() {
  if (!Run(DialogKind::Save)) return false;
  if (!DefaultExt.empty()) {
    const size_t slash = FileName.find_last_of("/\\");
    const size_t dot = FileName.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) FileName += "." + DefaultExt;
  }
  return true;
}

bool TColorDialog::Execute() {
  Answer a = Next(DialogKind::Color);
  if (a.Kind != AnswerKind::Color) return false;
  Color = a.Color;
  return true;
}

}  // namespace quillon

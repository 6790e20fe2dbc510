#include "shell/Main.h"

#include "shell/widgets/MessageBox.h"

namespace quillon {

// The main window's start-up geometry: the picture windows need up to 1024
// pixels, the module window sits at its right edge.
TForm1::TForm1() {
  Name = "Form1";
  Caption = ApplicationTitle;
  Left = 0;
  Top = 0;
  Width = 1024;
  Height = 768;
}

namespace {
TForm1 DefaultMainWindow;
}
TForm1* Form1 = &DefaultMainWindow;

}  // namespace quillon

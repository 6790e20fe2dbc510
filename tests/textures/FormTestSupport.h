// Shared helpers of the parameter-form tests: where a slider marker stands,
// and a person dragging one.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>

#include "engine/Instances.h"
#include "engine/Startup.h"
#include "shell/Application.h"
#include "shell/Synthe.h"
#include "shell/widgets/Canvas.h"
#include "shell/widgets/Controls.h"
#include "shell/widgets/Form.h"
#include "shell/widgets/Menus.h"

namespace quillon::test {

// True when the slider marker (apex (x, 2), base (x - 3..x + 3, 8)) stands at x.
inline bool MarkerAt(TImage& img, int x) {
  TCanvas& c = img.Canvas();
  return c.Pixel(x, 2) == clBlack && c.Pixel(x - 3, 8) == clBlack && c.Pixel(x + 3, 8) == clBlack &&
         c.Pixel(x, 1) != clBlack;
}

// Mouse down at From, a move to To and the release there.
inline void Drag(TImage& img, int From, int To) {
  img.MouseDown(TMouseButton::Left, From, 5);
  img.MouseMove(TMouseButton::Left, To, 5);
  img.MouseUp(TMouseButton::Left, To, 5);
}

// The form of module type Type as a person first sees it: the menu item at
// MenuPath adds instance 1 and shows the form (Object), with the texture
// marked unchanged.
template <typename Form, int Type>
class FormTest : public ::testing::Test {
 protected:
  FormTest(const char* MenuPath, Form* const& Object) : path_(MenuPath), object_(Object) {}
  void SetUp() override {
    StartApplication();
    TMenuItem* item = FindMenuItem(F_Synthe->MainMenu1, path_);
    ASSERT_NE(item, nullptr);
    item->Click();
    ASSERT_EQ(ModuleParams[1].ModuleType, Type);
    TextureDirty = 0;
    f = object_;
  }
  void TearDown() override { ResetEngine(); }
  int32_t Param(int k) const { return ModuleParams[1].ParamValue[k]; }
  // The form is shown again, as a person comes back to it.
  void Reactivate() {
    f->Hide();
    f->Show();
  }
  Form* f = nullptr;

 private:
  const char* path_;
  Form* const& object_;
};

struct HelpRow {
  TLabel& Label;
  const char* English;
  const char* French;
};

// A click on each label shows its text in Aide, in English (LanguageFlag 1)
// and in French; the form shown again shows Activation, its French help.
template <typename Form>
void ExpectHelpTexts(Form& f, std::initializer_list<HelpRow> rows, const char* Activation) {
  for (int language : {1, 2}) {
    LanguageFlag = language;
    for (const HelpRow& r : rows) {
      r.Label.Click();
      EXPECT_EQ(f.Aide1.Caption, language == 1 ? r.English : r.French) << r.Label.Caption;
    }
  }
  f.Hide();
  f.Show();
  EXPECT_EQ(f.Aide1.Caption, Activation);
}

}  // namespace quillon::test

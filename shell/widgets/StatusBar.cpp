#include "shell/widgets/StatusBar.h"

#include <stdexcept>

namespace quillon {

void TStatusBar::Repaint() {
  shown_.resize(Panels.size());
  for (size_t i = 0; i < Panels.size(); ++i) {
    if (Panels[i].Text == shown_[i]) continue;
    shown_[i] = Panels[i].Text;
    painted_.push_back({static_cast<int>(i), Panels[i].Text});
    if (OnPaint) OnPaint(painted_.back());
  }
}

TStatusPanel& StatusPanelsItem(std::vector<TStatusPanel>& Panels, int Index) {
  if (Index < 0 || static_cast<size_t>(Index) >= Panels.size()) throw std::out_of_range("List index out of bounds");
  return Panels[static_cast<size_t>(Index)];
}

void SetPanelText(TStatusPanel& Panel, const std::string& Text) { Panel.Text = Text; }

void ControlRefresh(TStatusBar& Bar) { Bar.Repaint(); }

}  // namespace quillon

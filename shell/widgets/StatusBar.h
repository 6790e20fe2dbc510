// The status bar of the widget kit: panels with texts, and a record of every
// text painted, so the progress of a computation can be read back.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace quillon {

struct TStatusPanel {
  std::string Text;
  int Width = 50;
};

struct PaintedText {
  int Panel;  // 0-based, as the panels are numbered
  std::string Text;
};

class TStatusBar {
 public:
  explicit TStatusBar(int PanelCount = 1) : Panels(PanelCount) {}

  std::vector<TStatusPanel> Panels;

  // Paints the bar at once: every panel whose text changed since it was last
  // painted is recorded (and passed to the sink).
  void Repaint();

  const std::vector<PaintedText>& Painted() const { return painted_; }
  void ClearPainted() { painted_.clear(); }
  // Called for every text as it is painted (null = none).
  std::function<void(const PaintedText&)> OnPaint;

 private:
  std::vector<std::string> shown_;
  std::vector<PaintedText> painted_;
};

// The panel Index (0-based) of a bar's panels.
TStatusPanel& StatusPanelsItem(std::vector<TStatusPanel>& Panels, int Index);
// Replaces a panel's text (it is painted by the next refresh).
void SetPanelText(TStatusPanel& Panel, const std::string& Text);
// Repaints the bar at once.
void ControlRefresh(TStatusBar& Bar);

}  // namespace quillon

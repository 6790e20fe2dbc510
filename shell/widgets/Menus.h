// Menus of the widget kit: items with a caption, a visibility flag and a
// click handler, holding their submenus. A hidden item keeps its submenus
// and its handler; it is only not shown.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "shell/widgets/Events.h"

namespace quillon {

class TMenuItem {
 public:
  explicit TMenuItem(std::string ACaption = {}) : Caption(std::move(ACaption)) {}

  std::string Caption;
  bool Visible = true;
  int Tag = 0;
  TNotifyEvent OnClick;

  // The submenus, in menu order.
  const std::vector<std::unique_ptr<TMenuItem>>& Items() const { return items_; }
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem& Item(int Index) { return *items_.at(static_cast<size_t>(Index)); }
  // Appends a submenu item and returns it.
  TMenuItem& Add(const std::string& ACaption);
  // The first submenu item with this caption, or null.
  TMenuItem* Find(const std::string& ACaption) const;
  // The submenu item with this caption, appended when there is none.
  TMenuItem& FindOrAdd(const std::string& ACaption);
  void Clear() { items_.clear(); }

  // A person chooses the item.
  void Click();

 private:
  std::vector<std::unique_ptr<TMenuItem>> items_;
};

// The menu bar of a form: its items are the top menus.
using TMainMenu = TMenuItem;

// The item at a path of captions separated by " > " ("Textures > Misc >
// Microbes") below Root, or null.
TMenuItem* FindMenuItem(const TMenuItem& Root, const std::string& Path);
// The item at such a path below Root, appending it and every submenu on the
// way that is not there yet.
TMenuItem& FindOrAddMenuItem(TMenuItem& Root, const std::string& Path);

}  // namespace quillon

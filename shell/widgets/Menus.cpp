#include "shell/widgets/Menus.h"

#include <algorithm>

namespace quillon {

TMenuItem& TMenuItem::Add(const std::string& ACaption) {
  items_.push_back(std::make_unique<TMenuItem>(ACaption));
  return *items_.back();
}

TMenuItem* TMenuItem::Find(const std::string& ACaption) const {
  for (const auto& i : items_)
    if (i->Caption == ACaption) return i.get();
  return nullptr;
}

TMenuItem& TMenuItem::FindOrAdd(const std::string& ACaption) {
  if (TMenuItem* i = Find(ACaption)) return *i;
  return Add(ACaption);
}

void TMenuItem::Click() { DispatchEvent(OnClick); }

TMenuItem* FindMenuItem(const TMenuItem& Root, const std::string& Path) {
  const TMenuItem* at = &Root;
  size_t from = 0;
  const std::string sep = " > ";
  for (;;) {
    const size_t to = Path.find(sep, from);
    const std::string caption = Path.substr(from, to == std::string::npos ? std::string::npos : to - from);
    TMenuItem* next = at->Find(caption);
    if (!next) return nullptr;
    if (to == std::string::npos) return next;
    at = next;
    from = to + sep.size();
  }
}

}  // namespace quillon

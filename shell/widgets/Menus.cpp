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

namespace {
// The captions of a menu path, from the top.
std::vector<std::string> PathCaptions(const std::string& Path) {
  const std::string sep = " > ";
  std::vector<std::string> captions;
  size_t from = 0;
  for (;;) {
    const size_t to = Path.find(sep, from);
    captions.push_back(Path.substr(from, to == std::string::npos ? std::string::npos : to - from));
    if (to == std::string::npos) return captions;
    from = to + sep.size();
  }
}
}  // namespace

TMenuItem* FindMenuItem(const TMenuItem& Root, const std::string& Path) {
  const TMenuItem* at = &Root;
  TMenuItem* found = nullptr;
  for (const std::string& caption : PathCaptions(Path)) {
    found = at->Find(caption);
    if (!found) return nullptr;
    at = found;
  }
  return found;
}

TMenuItem& FindOrAddMenuItem(TMenuItem& Root, const std::string& Path) {
  TMenuItem* at = &Root;
  for (const std::string& caption : PathCaptions(Path)) at = &at->FindOrAdd(caption);
  return *at;
}

}  // namespace quillon

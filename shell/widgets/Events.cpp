#include "shell/widgets/Events.h"

#include <exception>

#include "shell/widgets/MessageBox.h"

namespace quillon {

bool DispatchEvent(const std::function<void()>& Handler) {
  if (!Handler) return true;
  try {
    Handler();
    return true;
  } catch (const std::exception& e) {
    ShowMessageBox(ApplicationTitle, e.what(), MessageIcon::Stop);
  } catch (...) {
    ShowMessageBox(ApplicationTitle, "Erreur inconnue", MessageIcon::Stop);
  }
  return false;
}

}  // namespace quillon

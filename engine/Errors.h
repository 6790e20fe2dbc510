// The error raised by the system's own operations (file errors, refused
// input). Raised inside an event, it ends that event's work and is shown as a
// message box by the widget kit's dispatcher.
#pragma once

#include <stdexcept>
#include <string>

namespace quillon {

class QuillonError : public std::runtime_error {
 public:
  explicit QuillonError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace quillon

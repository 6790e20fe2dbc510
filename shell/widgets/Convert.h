// Text-to-number conversion of the class library, with its conversion error.
#pragma once

#include <cstdint>
#include <string>

#include "engine/Errors.h"

namespace quillon {

// Raised when a text is not an integer. Like every error of the class
// library it carries a French message; inside an event it becomes the
// dispatcher's message box.
class EConvertError : public QuillonError {
 public:
  explicit EConvertError(const std::string& message) : QuillonError(message) {}
};

// The integer S denotes: optional leading blanks, an optional sign, then one
// or more decimal digits and nothing else, within the signed 32-bit range.
// Any other text (empty, trailing blanks, a fraction, a number too large for
// 32 bits) raises EConvertError; nothing is wrapped or cut.
int32_t TextToInt(const std::string& S);

// The message of the conversion error for S.
std::string ConvertErrorMessage(const std::string& S);

}  // namespace quillon

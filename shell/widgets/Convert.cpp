#include "shell/widgets/Convert.h"

namespace quillon {

std::string ConvertErrorMessage(const std::string& S) {
  return "Le texte \u00ab " + S + " \u00bb ne repr\u00e9sente pas un nombre entier.";
}

int32_t TextToInt(const std::string& S) {
  size_t i = 0;
  while (i < S.size() && (S[i] == ' ' || S[i] == '\t')) ++i;
  bool negative = false;
  if (i < S.size() && (S[i] == '+' || S[i] == '-')) negative = S[i++] == '-';
  if (i == S.size()) throw EConvertError(ConvertErrorMessage(S));
  int64_t magnitude = 0;
  for (; i < S.size(); ++i) {
    if (S[i] < '0' || S[i] > '9') throw EConvertError(ConvertErrorMessage(S));
    magnitude = magnitude * 10 + (S[i] - '0');
    if (magnitude > int64_t{INT32_MAX} + 1) throw EConvertError(ConvertErrorMessage(S));
  }
  const int64_t v = negative ? -magnitude : magnitude;
  if (v > INT32_MAX || v < INT32_MIN) throw EConvertError(ConvertErrorMessage(S));
  return static_cast<int32_t>(v);
}

}  // namespace quillon

// Writing whole files safely: into a temporary file beside the target, then
// renamed over it, so a failed write leaves no half file.
#pragma once

#include <string>
#include <vector>

namespace quillon {

// Raises QuillonError with a message naming the path when anything fails.
void WriteFileAtomically(const std::string& Path, const std::vector<unsigned char>& Bytes);

}  // namespace quillon

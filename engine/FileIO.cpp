#include "engine/FileIO.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

#include "engine/Errors.h"

namespace quillon {

void WriteFileAtomically(const std::string& Path, const std::vector<unsigned char>& Bytes) {
  const std::string temp = Path + ".tmp" + std::to_string(::getpid());
  std::FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) throw QuillonError("Cannot create file \"" + Path + "\": " + std::strerror(errno));
  bool ok = std::fwrite(Bytes.data(), 1, Bytes.size(), f) == Bytes.size();
  ok = (std::fclose(f) == 0) && ok;
  if (!ok || std::rename(temp.c_str(), Path.c_str()) != 0) {
    int err = errno;
    std::remove(temp.c_str());
    throw QuillonError("Cannot write file \"" + Path + "\": " + std::strerror(err));
  }
}

}  // namespace quillon

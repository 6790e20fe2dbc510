#include "tools/quillon/Output.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <cctype>
#include <ostream>

#include "engine/Errors.h"
#include "engine/FileIO.h"
#include "tools/quillon/Args.h"

namespace quillon {

namespace {

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

}  // namespace

OutputTarget CheckOutput(const std::string& Name, const std::string& Extension, const std::string& Format) {
  if (Name.empty()) throw BadInput{"the output name is empty; give one with -o FILE." + Extension};
  if (Name == "-") return {true, ""};
  const size_t slash = Name.rfind('/');
  const std::string base = slash == std::string::npos ? Name : Name.substr(slash + 1);
  if (base.empty() || base == "." || base == "..")
    throw BadInput{Quoted(Name) + " is a folder; name a file in it, e.g. -o " + Name +
                   (Name.back() == '/' ? "" : "/") + "out." + Extension};
  const size_t dot = base.rfind('.');
  if (dot != std::string::npos && dot > 0 && Lower(base.substr(dot + 1)) != Extension)
    throw BadInput{"only " + Format + " files are written, and " + Quoted(Name) +
                   " names another format; use a name ending in ." + Extension};

  std::string path;
  try {
    path = ResolveLinks(Name);
  } catch (const QuillonError& e) {
    throw BadInput{e.what()};
  }
  struct stat st;
  if (::stat(path.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode))
      throw BadInput{Quoted(Name) + " is a folder; name a file in it, e.g. -o " + Name + "/out." + Extension};
    if (!S_ISREG(st.st_mode)) throw BadInput{Quoted(Name) + " is not a regular file; it is not replaced"};
    // No write permission for anyone counts as read-only also for root, whom
    // access() would let through.
    if ((st.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0)
      throw BadInput{Quoted(Name) + " is read-only; it is not replaced (make it writable or choose another name)"};
  }
  const size_t pathSlash = path.rfind('/');
  const std::string folder = pathSlash == std::string::npos ? "." : (pathSlash == 0 ? "/" : path.substr(0, pathSlash));
  if (::stat(folder.c_str(), &st) != 0)
    throw BadInput{"the folder " + Quoted(folder) + " of " + Quoted(Name) + " does not exist"};
  if (!S_ISDIR(st.st_mode)) throw BadInput{Quoted(folder) + " in " + Quoted(Name) + " is not a folder"};
  if (::access(folder.c_str(), W_OK | X_OK) != 0)
    throw BadInput{"cannot write in the folder " + Quoted(folder) + " of " + Quoted(Name)};
  return {false, Name};
}

void WriteOutput(const OutputTarget& Target, const std::vector<unsigned char>& Bytes, std::ostream& Stdout) {
  if (!Target.ToStdout) {
    WriteFileAtomically(Target.Path, Bytes);
    return;
  }
  errno = 0;
  Stdout.write(reinterpret_cast<const char*>(Bytes.data()), static_cast<std::streamsize>(Bytes.size()));
  Stdout.flush();
  if (!Stdout)
    throw QuillonError(std::string("cannot write to standard output") + (errno ? ": " + std::string(std::strerror(errno)) : ""));
}

void CheckInputFile(const std::string& Path, long long MaxSize, const std::string& What) {
  struct stat st;
  if (::stat(Path.c_str(), &st) != 0) return;  // the reader reports what is missing
  if (!S_ISREG(st.st_mode)) throw BadInput{What + " " + Quoted(Path) + " is not a regular file"};
  if (st.st_size > MaxSize)
    throw BadInput{What + " " + Quoted(Path) + " is longer than one (" + std::to_string(st.st_size) + " bytes, not " +
                   std::to_string(MaxSize) + ")"};
}

}  // namespace quillon

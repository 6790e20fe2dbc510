#include "engine/FileIO.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

#include "engine/Errors.h"

namespace quillon {

namespace {

std::string Folder(const std::string& Path) {
  const size_t slash = Path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : Path.substr(0, slash);
}

// The temporary file being written, for the signal handlers: a fixed buffer,
// since a handler may only read plain memory.
char PendingTemp[PATH_MAX + 1];
volatile std::sig_atomic_t HavePendingTemp = 0;

extern "C" void RemoveTempAndDie(int Signal) {
  if (HavePendingTemp) ::unlink(PendingTemp);
  std::signal(Signal, SIG_DFL);
  std::raise(Signal);
}

// The handlers are in place for as long as the temporary file exists.
class PendingTempGuard {
 public:
  explicit PendingTempGuard(const std::string& Temp) {
    std::memcpy(PendingTemp, Temp.c_str(), Temp.size() + 1);
    HavePendingTemp = 1;
    struct sigaction remove {};
    remove.sa_handler = RemoveTempAndDie;
    sigemptyset(&remove.sa_mask);
    for (int k = 0; k < 3; ++k) sigaction(Cleaned[k], &remove, &Saved[k]);
    // Beyond the file-size limit a write then fails with EFBIG, which is
    // reported like any other failed write.
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGXFSZ, &ignore, &SavedFileSize);
  }
  ~PendingTempGuard() {
    for (int k = 0; k < 3; ++k) sigaction(Cleaned[k], &Saved[k], nullptr);
    sigaction(SIGXFSZ, &SavedFileSize, nullptr);
    HavePendingTemp = 0;
  }
  PendingTempGuard(const PendingTempGuard&) = delete;
  PendingTempGuard& operator=(const PendingTempGuard&) = delete;

 private:
  static constexpr int Cleaned[3] = {SIGINT, SIGTERM, SIGHUP};
  struct sigaction Saved[3] {};
  struct sigaction SavedFileSize {};
};

// Gives the new file its blocks before the bytes come. The file replaces the
// old one by a rename, and a file system that holds back the allocation of
// written blocks (ext4) allocates them at that rename, while the program
// waits; blocks allocated up front leave it nothing to do there. Only a
// matter of speed: where it is not supported nothing happens, and a full disk
// is reported by the write that follows.
void ReserveBlocks(int Fd, size_t Size) {
#if defined(__linux__)
  if (Size > 0) (void)::fallocate(Fd, 0, 0, static_cast<off_t>(Size));
#else
  (void)Fd, (void)Size;
#endif
}

bool WriteAll(int Fd, const unsigned char* Data, size_t Size) {
  while (Size > 0) {
    const ssize_t n = ::write(Fd, Data, Size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    Data += n;
    Size -= static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

std::string ResolveLinks(const std::string& Path) {
  std::string path = Path;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char target[PATH_MAX + 1];
    const ssize_t n = ::readlink(path.c_str(), target, PATH_MAX);
    if (n < 0) return path;
    target[n] = '\0';
    path = target[0] == '/' ? std::string(target) : Folder(path) + "/" + target;
  }
  throw QuillonError("Cannot write file \"" + Path + "\": " + std::strerror(ELOOP));
}

void WriteFileAtomically(const std::string& Path, const std::vector<unsigned char>& Bytes) {
  const std::string target = ResolveLinks(Path);
  const std::string folder = Folder(target);
  const size_t slash = target.rfind('/');
  const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
  std::string temp = folder + "/." + base + ".XXXXXX";
  if (temp.size() > PATH_MAX) throw QuillonError("Cannot write file \"" + Path + "\": " + std::strerror(ENAMETOOLONG));

  // The new file keeps the mode of the one it replaces; a new file gets the
  // usual 0666 less the umask (mkstemp alone would make it 0600).
  mode_t mode;
  struct stat st;
  if (::stat(target.c_str(), &st) == 0) {
    mode = st.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }

  const int fd = ::mkstemp(temp.data());
  if (fd < 0) throw QuillonError("Cannot create file \"" + Path + "\": " + std::strerror(errno));
  PendingTempGuard guard(temp);
  ReserveBlocks(fd, Bytes.size());
  bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, Bytes.data(), Bytes.size());
  int err = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    err = errno;
  }
  if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
    ok = false;
    err = errno;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    throw QuillonError("Cannot write file \"" + Path + "\": " + std::strerror(err));
  }
}

}  // namespace quillon

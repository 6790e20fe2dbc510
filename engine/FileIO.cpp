#include "engine/FileIO.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
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

// The temporary file being written, for the signal handlers: its folder,
// open, and its name in it, in a fixed buffer, since a handler may only read
// plain memory.
constexpr size_t TempNameSize = 16;  // ".quillon-" and six characters
char PendingTemp[TempNameSize];
volatile std::sig_atomic_t PendingFolder = -1;

extern "C" void RemoveTempAndDie(int Signal) {
  if (PendingFolder >= 0) ::unlinkat(PendingFolder, PendingTemp, 0);
  std::signal(Signal, SIG_DFL);
  std::raise(Signal);
}

// The handlers are in place for as long as the temporary file exists.
class PendingTempGuard {
 public:
  PendingTempGuard(int Folder, const char* Temp) {
    std::memcpy(PendingTemp, Temp, TempNameSize);
    PendingFolder = Folder;
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
    PendingFolder = -1;
  }
  PendingTempGuard(const PendingTempGuard&) = delete;
  PendingTempGuard& operator=(const PendingTempGuard&) = delete;

 private:
  static constexpr int Cleaned[3] = {SIGINT, SIGTERM, SIGHUP};
  struct sigaction Saved[3] {};
  struct sigaction SavedFileSize {};
};

// Closes a file descriptor at the end of its scope.
class FileCloser {
 public:
  explicit FileCloser(int Fd) : fd_(Fd) {}
  ~FileCloser() { ::close(fd_); }
  FileCloser(const FileCloser&) = delete;
  FileCloser& operator=(const FileCloser&) = delete;

 private:
  int fd_;
};

// Creates a new temporary file in the open folder Folder and returns it open
// for writing, its name in Name: ".quillon-" and six characters, a name that
// fits in any folder whatever the length of the target's. The characters mix
// the clock, the process and a count, so that runs writing into one folder
// at once rarely try the same name; O_EXCL settles a clash, and the next name
// is tried. Returns -1 with errno set when no file can be made.
int CreateTemp(int Folder, char (&Name)[TempNameSize]) {
  static const char Letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  static std::atomic<uint64_t> count{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    uint64_t v = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
                 (static_cast<uint64_t>(::getpid()) << 32) ^ (count.fetch_add(1) * 0x9E3779B97F4A7C15ULL);
    v ^= v >> 31;
    v *= 0xBF58476D1CE4E5B9ULL;
    v ^= v >> 29;
    std::memcpy(Name, ".quillon-", 9);
    for (size_t i = 9; i + 1 < TempNameSize; ++i, v /= 36) Name[i] = Letters[v % 36];
    Name[TempNameSize - 1] = '\0';
    const int fd = ::openat(Folder, Name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

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
  const size_t slash = target.rfind('/');
  const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
  auto failure = [&Path](const char* What, int Err) {
    return QuillonError(std::string(What) + " file \"" + Path + "\": " + std::strerror(Err));
  };

  // The folder is opened once: the temporary file, the rename and the
  // folder's own sync all go through it, with short names only.
  const int folder = ::open(Folder(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0) throw failure("Cannot create", errno);
  FileCloser closeFolder(folder);

  // The new file keeps the mode of the one it replaces; a new file gets the
  // usual 0666 less the umask.
  mode_t mode;
  struct stat st;
  if (::fstatat(folder, base.c_str(), &st, 0) == 0) {
    mode = st.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }

  char temp[TempNameSize];
  const int fd = CreateTemp(folder, temp);
  if (fd < 0) throw failure("Cannot create", errno);
  PendingTempGuard guard(folder, temp);
  ReserveBlocks(fd, Bytes.size());
  // The bytes reach the disk before the rename, so that after a crash the
  // name holds either the previous file or the whole new one.
  bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, Bytes.data(), Bytes.size()) && ::fsync(fd) == 0;
  int err = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    err = errno;
  }
  if (ok && ::renameat(folder, temp, folder, base.c_str()) != 0) {
    ok = false;
    err = errno;
  }
  if (!ok) {
    ::unlinkat(folder, temp, 0);
    throw failure("Cannot write", err);
  }
  // Makes the rename itself lasting. The file is in place by now; should the
  // folder's sync fail, a crash can only bring back the previous file, so
  // the write stands.
  (void)::fsync(folder);
}

}  // namespace quillon

#include "session/RecoverySlot.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace palaver {

namespace fs = std::filesystem;

namespace {

constexpr const char* NamePrefix = "PalaverRecovery";
constexpr const char* RecoverySuffix = ".txt";
constexpr const char* LockSuffix = ".lock";
// More programs than this at once in one directory is not a real case; the bound keeps a
// directory full of stuck locks from being searched for ever.
constexpr int MaxSlots = 1000;

std::string SlotFileName(const std::string& Dir, int Number, const char* Suffix) {
  return Dir + (Dir.ends_with('/') ? "" : "/") + NamePrefix + std::to_string(Number) + Suffix;
}

// The number of a recovery file's name, written as the program writes it (no leading zeros),
// or -1 for any other name.
int NumberOfName(const std::string& Name) {
  const std::string Prefix = NamePrefix;
  const std::string Suffix = RecoverySuffix;
  if (Name.size() <= Prefix.size() + Suffix.size() || !Name.starts_with(Prefix) ||
      !Name.ends_with(Suffix))
    return -1;
  const std::string Digits =
      Name.substr(Prefix.size(), Name.size() - Prefix.size() - Suffix.size());
  if (Digits.size() > 6 || (Digits.size() > 1 && Digits[0] == '0')) return -1;
  if (!std::all_of(Digits.begin(), Digits.end(), [](char C) { return C >= '0' && C <= '9'; }))
    return -1;
  return std::stoi(Digits);
}

#ifdef _WIN32

// Windows has no advisory locks on plain handles; a file opened without sharing refuses every
// other opener until the handle is closed, which the system does when the program ends.
int Lock(const std::string& Path, TRecoverySlot::TClaim& Result) {
  int Handle = -1;
  if (_sopen_s(&Handle, Path.c_str(), _O_RDWR | _O_CREAT | _O_NOINHERIT, _SH_DENYRW,
               _S_IREAD | _S_IWRITE) == 0) {
    Result = TRecoverySlot::TClaim::Claimed;
    return Handle;
  }
  std::error_code Error;
  Result = errno == EACCES && fs::exists(Path, Error) ? TRecoverySlot::TClaim::HeldByAnotherProgram
                                                      : TRecoverySlot::TClaim::CannotLock;
  return -1;
}

void Unlock(const std::string& Path, int Handle) {
  _close(Handle);
  std::error_code Error;
  fs::remove(Path, Error);
}

#else

int Lock(const std::string& Path, TRecoverySlot::TClaim& Result) {
  // A lock file is removed by its holder when it lets go. Someone who opened it just before that
  // holds a lock on a file no longer in the directory; the check against the path's file after
  // locking catches that, and the next attempt opens the file that is there now.
  for (int Attempt = 0; Attempt < 10; ++Attempt) {
    const int Fd = ::open(Path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0644);
    if (Fd < 0) {
      Result = TRecoverySlot::TClaim::CannotLock;
      return -1;
    }
    if (::flock(Fd, LOCK_EX | LOCK_NB) != 0) {
      const int Error = errno;
      ::close(Fd);
      Result = Error == EWOULDBLOCK ? TRecoverySlot::TClaim::HeldByAnotherProgram
                                    : TRecoverySlot::TClaim::CannotLock;
      return -1;
    }
    struct stat Locked {};
    struct stat Named {};
    if (::fstat(Fd, &Locked) == 0 && ::stat(Path.c_str(), &Named) == 0 &&
        Locked.st_dev == Named.st_dev && Locked.st_ino == Named.st_ino) {
      Result = TRecoverySlot::TClaim::Claimed;
      return Fd;
    }
    ::close(Fd);
  }
  Result = TRecoverySlot::TClaim::HeldByAnotherProgram;
  return -1;
}

void Unlock(const std::string& Path, int Fd) {
  // Removed while still locked, so that no one can take the lock of a file about to go.
  ::unlink(Path.c_str());
  ::close(Fd);
}

#endif

}  // namespace

TRecoverySlot::TRecoverySlot(int Number, std::string RecoveryFile, std::string LockFile, int Handle)
    : SlotNumber(Number),
      RecoveryFile(std::move(RecoveryFile)),
      LockFile(std::move(LockFile)),
      Handle(Handle) {}

TRecoverySlot::~TRecoverySlot() {
  Unlock(LockFile, Handle);
}

std::unique_ptr<TRecoverySlot> TRecoverySlot::Claim(const std::string& Dir, int Number,
                                                    TClaim* Result) {
  TClaim Outcome = TClaim::CannotLock;
  std::string LockFile = SlotFileName(Dir, Number, LockSuffix);
  const int Handle = Lock(LockFile, Outcome);
  if (Result != nullptr) *Result = Outcome;
  if (Outcome != TClaim::Claimed) return nullptr;
  return std::unique_ptr<TRecoverySlot>(
      new TRecoverySlot(Number, RecoveryFileName(Dir, Number), std::move(LockFile), Handle));
}

std::unique_ptr<TRecoverySlot> TRecoverySlot::ClaimFirstFree(const std::string& Dir) {
  for (int Number = 0; Number < MaxSlots; ++Number) {
    TClaim Result = TClaim::CannotLock;
    auto Slot = Claim(Dir, Number, &Result);
    if (Result == TClaim::CannotLock) return nullptr;
    // A slot with a file in it is a program's that ended without closing: its file waits to be
    // offered back, and this program starts with a slot of its own.
    std::error_code Error;
    if (Slot && !fs::exists(fs::symlink_status(Slot->RecoveryPath(), Error))) return Slot;
  }
  return nullptr;
}

std::vector<int> TRecoverySlot::NumbersWithRecoveryFiles(const std::string& Dir) {
  std::vector<int> Numbers;
  std::error_code Error;
  for (fs::directory_iterator It(fs::path(Dir), Error), End; !Error && It != End;
       It.increment(Error)) {
    const int Number = NumberOfName(It->path().filename().string());
    if (Number >= 0) Numbers.push_back(Number);
  }
  std::sort(Numbers.begin(), Numbers.end());
  return Numbers;
}

std::string TRecoverySlot::RecoveryFileName(const std::string& Dir, int Number) {
  return SlotFileName(Dir, Number, RecoverySuffix);
}

}  // namespace palaver

#pragma once

#include <memory>
#include <string>
#include <vector>

namespace palaver {

// A numbered place in the program directory for one running program's recovery copy of its
// unsaved line: the file "PalaverRecovery<n>.txt", guarded by an exclusive lock on
// "PalaverRecovery<n>.lock" that the program holds for as long as the slot is claimed. The
// operating system drops the lock when the program ends, however it ends, so a recovery file
// whose lock can be taken belongs to no running program. No process id is involved, so a reused
// one cannot mislead.
//
// Two programs never hold the same slot: each takes the first slot no one else holds.
class TRecoverySlot {
 public:
  enum class TClaim { Claimed, HeldByAnotherProgram, CannotLock };

  ~TRecoverySlot();
  TRecoverySlot(const TRecoverySlot&) = delete;
  TRecoverySlot& operator=(const TRecoverySlot&) = delete;

  // Takes slot Number in Dir unless a running program holds it. Null with the reason otherwise.
  static std::unique_ptr<TRecoverySlot> Claim(const std::string& Dir, int Number,
                                              TClaim* Result = nullptr);
  // The first slot that no running program holds and no recovery file occupies; null when none
  // can be locked at all (the directory cannot be written).
  static std::unique_ptr<TRecoverySlot> ClaimFirstFree(const std::string& Dir);
  // The numbers of the recovery files in Dir, ascending, whoever holds their slots.
  static std::vector<int> NumbersWithRecoveryFiles(const std::string& Dir);

  static std::string RecoveryFileName(const std::string& Dir, int Number);

  int Number() const { return SlotNumber; }
  const std::string& RecoveryPath() const { return RecoveryFile; }

 private:
  TRecoverySlot(int Number, std::string RecoveryFile, std::string LockFile, int Handle);

  int SlotNumber;
  std::string RecoveryFile;
  std::string LockFile;
  // The open lock file: a file descriptor, or on Windows an exclusively shared C runtime handle.
  int Handle;
};

}  // namespace palaver

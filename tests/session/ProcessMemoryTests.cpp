// The memory a let-go line held goes back to the system: the line's many small objects leave
// free space all through the heap, which the allocator keeps until it is told to give it back.

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <vector>

#include "session/ProcessMemory.h"

namespace palaver {
namespace {

// Resident memory of this process in bytes (unused where the test is skipped).
[[maybe_unused]] std::size_t ResidentBytes() {
  std::ifstream Statm("/proc/self/statm");
  std::size_t Size = 0;
  std::size_t Resident = 0;
  Statm >> Size >> Resident;
  return Resident * 4096;
}

TEST(ProcessMemory, FreeSpaceBetweenLiveObjectsGoesBackToTheSystem) {
#if PALAVER_ADDRESS_SANITIZER || !defined(__GLIBC__)
  GTEST_SKIP() << "only the C library's own allocator keeps free space back";
#else
  TuneAllocator();
  constexpr std::size_t Small = 1000;
  constexpr std::size_t Count = 200'000;
  std::vector<std::unique_ptr<char[]> > Objects(Count);
  for (auto& P : Objects) {
    P = std::make_unique<char[]>(Small);
    P[0] = 1;
  }
  // Every hundredth object stays, so that no free stretch reaches the end of the heap.
  for (std::size_t I = 0; I < Count; ++I)
    if (I % 100 != 99) Objects[I].reset();
  const std::size_t Before = ResidentBytes();
  ReturnFreeMemory();
  const std::size_t After = ResidentBytes();
  EXPECT_GT(Before, After + 100'000'000)
      << Before << " bytes resident before, " << After << " after";
#endif
}

}  // namespace
}  // namespace palaver

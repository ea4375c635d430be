// palaver-cli: the window's core without the window, for scripts and tests.

#include <cstdlib>
#include <iostream>

#include "cli/CliProgram.h"
#include "session/ProcessMemory.h"

int main(int argc, char** argv) {
  palaver::TuneAllocator();
  // A build with the address sanitizer takes everything apart at the end, so that its leak
  // check sees what is left.
  const bool LeaveToExit = PALAVER_ADDRESS_SANITIZER == 0;
  const int Status = palaver::RunPalaverCliProgram(argc, argv, std::cout, std::cerr, LeaveToExit);
  if (!LeaveToExit) return Status;
  // The memory of a large line goes back to the system far faster than object by object.
  std::cout.flush();
  std::cerr.flush();
  std::_Exit(Status);
}

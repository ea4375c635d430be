#include "app/TerminationSignals.h"

#include <QSocketNotifier>
#include <utility>

#ifndef _WIN32
#include <fcntl.h>
// sigaction, sigemptyset, SA_RESTART and SIGHUP are POSIX's and declared by <signal.h>;
// <csignal> promises only what standard C has (signal, raise, SIGTERM).
#include <signal.h>  // NOLINT(modernize-deprecated-headers): POSIX, not standard C
#include <unistd.h>

#include <cerrno>
#endif

namespace palaver {

#ifndef _WIN32

namespace {

constexpr int HandledSignals[] = {SIGTERM, SIGHUP};
int PipeEnds[2] = {-1, -1};

extern "C" void WriteSignalByte(int) {
  // All a signal handler may safely do here: one write to a non-blocking pipe. A full pipe
  // already holds a byte that has not been read, which is as good.
  const int SavedErrno = errno;
  const char Byte = 1;
  [[maybe_unused]] const auto Written = ::write(PipeEnds[1], &Byte, 1);
  errno = SavedErrno;
}

bool MakePipe() {
  if (::pipe(PipeEnds) != 0) return false;
  for (const int End : PipeEnds) {
    ::fcntl(End, F_SETFD, FD_CLOEXEC);
    ::fcntl(End, F_SETFL, ::fcntl(End, F_GETFL) | O_NONBLOCK);
  }
  return true;
}

void SetHandler(void (*Handler)(int)) {
  struct sigaction Action {};
  Action.sa_handler = Handler;
  sigemptyset(&Action.sa_mask);
  Action.sa_flags = SA_RESTART;
  for (const int Signal : HandledSignals)
    ::sigaction(Signal, &Action, nullptr);
}

}  // namespace

TTerminationSignals::TTerminationSignals(std::function<void()> Handler, QObject* Parent)
    : QObject(Parent), OnSignal(std::move(Handler)) {
  if (!MakePipe()) return;
  Notifier = new QSocketNotifier(PipeEnds[0], QSocketNotifier::Read, this);
  connect(Notifier, &QSocketNotifier::activated, this, [this] {
    char Bytes[16];
    while (::read(PipeEnds[0], Bytes, sizeof Bytes) > 0) {
    }
    if (OnSignal) OnSignal();
  });
  SetHandler(WriteSignalByte);
}

TTerminationSignals::~TTerminationSignals() {
  if (Notifier == nullptr) return;
  SetHandler(SIG_DFL);
  delete Notifier;
  for (int& End : PipeEnds) {
    ::close(End);
    End = -1;
  }
}

#else

// Windows has neither signal: nothing to install.
TTerminationSignals::TTerminationSignals(std::function<void()> Handler, QObject* Parent)
    : QObject(Parent), OnSignal(std::move(Handler)) {}

TTerminationSignals::~TTerminationSignals() = default;

#endif

}  // namespace palaver

#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace palaver {

// SIGTERM and SIGHUP (a shutdown, a logout, a closed terminal) turned into an event of the event
// loop: the signal handler only writes a byte to a pipe, and the pipe's notifier runs OnSignal
// on the user-interface thread, where the program may do anything. One instance at a time; its
// destruction gives the signals their default action back.
class TTerminationSignals final : public QObject {
 public:
  explicit TTerminationSignals(std::function<void()> OnSignal, QObject* Parent = nullptr);
  ~TTerminationSignals() override;
  TTerminationSignals(const TTerminationSignals&) = delete;
  TTerminationSignals& operator=(const TTerminationSignals&) = delete;

 private:
  std::function<void()> OnSignal;
  QSocketNotifier* Notifier = nullptr;
};

}  // namespace palaver

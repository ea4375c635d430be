#include "app/RunPalaver.h"

#include <QApplication>

#include "app/TerminationSignals.h"

namespace palaver {

int RunPalaver(const std::string& ProgramDir, TArgIntFormServices Services,
               const std::function<void(TArgIntForm&)>& Prepare, const std::string& FileToOpen) {
  TArgIntForm ArgIntForm(ProgramDir, Services);
  ArgIntForm.SetStartupFile(FileToOpen);
  const TTerminationSignals Signals([&ArgIntForm] { ArgIntForm.FormTerminate(); });
  ArgIntForm.show();
  if (Prepare) Prepare(ArgIntForm);
  return QApplication::exec();
}

}  // namespace palaver

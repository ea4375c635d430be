#pragma once

#include <QString>
#include <string>

namespace palaver {

// The program directory, where the settings file and the user-action logs live: the directory
// of the executable when it can be written and is not an installed program's (one with
// share/applications/palaver.desktop beside its directory), else ConfigDirectory, which is
// created when missing. Only main() asks; everything below it is handed the answer.
std::string ChooseProgramDirectory(const QString& ExecutableDirectory,
                                   const QString& ConfigDirectory);

// The same for the running program, with the per-user configuration directory of the
// application as the alternative.
std::string ProgramDirectory();

}  // namespace palaver

#pragma once

#include <cstdint>
#include <string>

#include "session/Language.h"

namespace palaver {

// A count as the messages and notes write it: digits in groups of three, with the language's
// separator ("154,812,405" / "154.812.405").
inline std::string GroupedDigits(std::uint64_t Number, TLanguage Language) {
  std::string Digits = std::to_string(Number);
  const char Separator = Language == TLanguage::Dutch ? '.' : ',';
  for (int I = static_cast<int>(Digits.size()) - 3; I > 0; I -= 3)
    Digits.insert(static_cast<std::size_t>(I), 1, Separator);
  return Digits;
}

}  // namespace palaver

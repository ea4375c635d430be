#pragma once

#include <charconv>
#include <optional>
#include <string>
#include <system_error>

namespace palaver {

// The number an Id stands for. Ids are written by GetNewId and so are plain decimals; anything
// else (an empty Id of a statement that never entered a stage, or text that is no number) simply
// stands for no number and blocks none.
inline std::optional<long long> IdValue(const std::string& Id) {
  long long Value = 0;
  const char* First = Id.data();
  const char* Last = First + Id.size();
  auto [End, Error] = std::from_chars(First, Last, Value);
  if (Error != std::errc() || End != Last) return std::nullopt;
  return Value;
}

}  // namespace palaver

#pragma once

#include <cstdint>

namespace palaver {

// The two languages of the interface, the messages and the warrant sentences.
enum class TLanguage : std::uint8_t { English = 0, Dutch = 1 };

}  // namespace palaver

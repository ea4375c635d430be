#pragma once

#include <cstdint>
#include <unordered_map>

#include "model/Argument.h"
#include "model/DialecticalArgument.h"

namespace palaver {

// How many nodes a tree has when it is written out or drawn in full. The model shares the parts
// of its trees, so a tree of a few thousand objects can stand for billions of nodes; the count is
// worked out on the shared objects, each once, and stops growing at the largest number it can
// hold. A dialectical argument's nodes are the dialectical arguments in it, itself included (one
// box each in the diagram); an argument's nodes are the arguments in it.
class TExpandedSizes {
 public:
  static constexpr std::uint64_t Most = UINT64_MAX;

  std::uint64_t Of(const TDialecticalArgument& D);
  std::uint64_t Of(const TArgument& A);

 private:
  std::unordered_map<const void*, std::uint64_t> Known;
};

// A + B, or Most when that does not fit.
inline std::uint64_t AddSizes(std::uint64_t A, std::uint64_t B) {
  return A > TExpandedSizes::Most - B ? TExpandedSizes::Most : A + B;
}

}  // namespace palaver

#pragma once

#include <cstddef>
#include <exception>

namespace palaver {

// How much work one stage of an argumentation may cost. A statement on a cycle of connections
// has a dialectical argument for every set of connections still unused on the way to it, and
// their number can grow exponentially with a handful of connections; everything else costs one
// dialectical argument per statement. The limits keep a move within about a second and the
// program within about a gigabyte on a small machine.

// Distinct dialectical arguments that the statements on cycles of one stage may hold together.
// One costs about a kilobyte with its steps, so the limit keeps a stage's share of memory near
// 400 MB.
inline constexpr std::size_t DialecticalArgumentLimit = 300'000;

// Pairs of dialectical arguments compared to find out which statement's dialectical argument
// contains which within one group of statements on cycles.
inline constexpr std::size_t ComparisonLimit = 20'000'000;

// The limits a line of argumentation evaluates its stages with: the ones above, unless the line
// was given smaller ones (a test that wants to reach them quickly, a fuzzer).
struct TEvaluationLimits {
  std::size_t DialecticalArguments = DialecticalArgumentLimit;
  std::size_t Comparisons = ComparisonLimit;

  bool operator==(const TEvaluationLimits&) const = default;
};

// A move whose stage would pass a limit is not made. The stage move leaves the line's objects
// as they were (statement types, exception lists) and throws this.
class TEvaluationLimitReached : public std::exception {
 public:
  // Memory: the machine ran out of memory on the way (the limits should keep it from that).
  enum class TKind { DialecticalArguments, Comparisons, Memory };

  TEvaluationLimitReached(TKind Kind, std::size_t Limit) : Kind(Kind), Limit(Limit) {}
  const char* what() const noexcept override {
    switch (Kind) {
      case TKind::DialecticalArguments:
        return "too many dialectical arguments";
      case TKind::Comparisons:
        return "too many comparisons of dialectical arguments";
      default:
        return "not enough memory";
    }
  }

  TKind Kind;
  std::size_t Limit;
};

}  // namespace palaver

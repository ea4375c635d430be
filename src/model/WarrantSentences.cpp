#include "model/WarrantSentences.h"

#include <bit>
#include <cstring>

namespace palaver {

// A warrant statement is recognised only by comparing sentences with these builders, so every
// byte of the fixed pieces matters: the statuses, the deletions and the transcript all rely on
// producing exactly the same text.

TSentencePieces StepWarrantPieces(std::string_view Reason, std::string_view Conclusion,
                                  TConnectionKind Kind, TLanguage Language) {
  const bool Dutch = Language == TLanguage::Dutch;
  const bool Defeating = Kind == TConnectionKind::Defeating;
  std::string_view Middle;
  if (Dutch)
    Middle = Defeating ? ", DAN IS HET WEERLEGD DAT " : ", DAN ";
  else
    Middle = Defeating ? ", THEN IT IS DEFEATED THAT " : ", THEN ";
  return {{Dutch ? "(ALS " : "(IF ", Reason, Middle, Conclusion, ")"}, 5};
}

TSentencePieces UndercutterWarrantPieces(std::string_view Exception, std::string_view Reason,
                                         std::string_view Conclusion, TLanguage Language) {
  if (Language == TLanguage::Dutch)
    return {{"(DE BEWERING DAT ", Exception, ", IS EEN UITZONDERING OP DE REGEL DAT ALS ", Reason,
             ", DAN ", Conclusion, ")"},
            7};
  return {{"(THE STATEMENT THAT ", Exception, ", IS AN EXCEPTION TO THE RULE THAT, IF ", Reason,
           ", THEN ", Conclusion, ")"},
          7};
}

namespace {

std::string Joined(const TSentencePieces& Pieces) {
  std::size_t Size = 0;
  for (int I = 0; I < Pieces.Count; ++I)
    Size += Pieces.Piece[static_cast<std::size_t>(I)].size();
  std::string Sentence;
  Sentence.reserve(Size);
  for (int I = 0; I < Pieces.Count; ++I)
    Sentence += Pieces.Piece[static_cast<std::size_t>(I)];
  return Sentence;
}

// Eight bytes at a time, carried over from one piece to the next, so that pieces hash as their
// join does.
class THasher {
 public:
  void Feed(std::string_view Bytes) {
    Length += Bytes.size();
    std::size_t I = 0;
    while (Filled != 0 && I < Bytes.size())
      Take(Bytes[I++]);
    if constexpr (std::endian::native == std::endian::little) {
      for (; I + 8 <= Bytes.size(); I += 8) {
        std::uint64_t Word;
        std::memcpy(&Word, Bytes.data() + I, 8);
        Mix(Word);
      }
    }
    while (I < Bytes.size())
      Take(Bytes[I++]);
  }
  std::uint64_t Value() {
    Mix(Pending ^ (static_cast<std::uint64_t>(Length) << 56));
    H ^= H >> 33;
    H *= 0xFF51AFD7ED558CCDULL;
    H ^= H >> 33;
    return H;
  }

 private:
  void Take(char C) {
    Pending |= static_cast<std::uint64_t>(static_cast<unsigned char>(C)) << (8 * Filled);
    if (++Filled == 8) {
      Mix(Pending);
      Pending = 0;
      Filled = 0;
    }
  }
  void Mix(std::uint64_t Word) {
    H = (H ^ Word) * 0x9E3779B97F4A7C15ULL;
    H ^= H >> 29;
  }

  std::uint64_t H = 0x243F6A8885A308D3ULL;
  std::uint64_t Pending = 0;
  int Filled = 0;
  std::size_t Length = 0;
};

}  // namespace

std::string StepWarrantSentence(const std::string& Reason, const std::string& Conclusion,
                                TConnectionKind Kind, TLanguage Language) {
  return Joined(StepWarrantPieces(Reason, Conclusion, Kind, Language));
}

std::string UndercutterWarrantSentence(const std::string& Exception, const std::string& Reason,
                                       const std::string& Conclusion, TLanguage Language) {
  return Joined(UndercutterWarrantPieces(Exception, Reason, Conclusion, Language));
}

std::uint64_t SentenceHash(std::string_view Sentence) {
  THasher H;
  H.Feed(Sentence);
  return H.Value();
}

std::uint64_t SentenceHash(const TSentencePieces& Pieces) {
  THasher H;
  for (int I = 0; I < Pieces.Count; ++I)
    H.Feed(Pieces.Piece[static_cast<std::size_t>(I)]);
  return H.Value();
}

bool IsSentence(std::string_view Sentence, const TSentencePieces& Pieces) {
  for (int I = 0; I < Pieces.Count; ++I) {
    const std::string_view Piece = Pieces.Piece[static_cast<std::size_t>(I)];
    if (Sentence.substr(0, Piece.size()) != Piece) return false;
    Sentence.remove_prefix(Piece.size());
  }
  return Sentence.empty();
}

}  // namespace palaver

#include "cli/JsonWriter.h"

#include <cassert>

namespace palaver {

namespace {

// The length of the valid UTF-8 sequence that starts at Bytes[At], or 0 when none does. Only
// shortest forms of code points up to U+10FFFF, surrogates excluded, count as valid.
std::size_t Utf8SequenceLength(std::string_view Bytes, std::size_t At) {
  const auto Byte = [&](std::size_t I) { return static_cast<unsigned char>(Bytes[At + I]); };
  const unsigned char Lead = Byte(0);
  if (Lead < 0x80) return 1;
  std::size_t Length = 0;
  unsigned char SecondLow = 0x80;
  unsigned char SecondHigh = 0xBF;
  if (Lead >= 0xC2 && Lead <= 0xDF) {
    Length = 2;
  } else if (Lead >= 0xE0 && Lead <= 0xEF) {
    Length = 3;
    if (Lead == 0xE0) SecondLow = 0xA0;   // no overlong forms
    if (Lead == 0xED) SecondHigh = 0x9F;  // no surrogates
  } else if (Lead >= 0xF0 && Lead <= 0xF4) {
    Length = 4;
    if (Lead == 0xF0) SecondLow = 0x90;   // no overlong forms
    if (Lead == 0xF4) SecondHigh = 0x8F;  // nothing above U+10FFFF
  } else {
    return 0;
  }
  if (Bytes.size() - At < Length) return 0;
  if (Byte(1) < SecondLow || Byte(1) > SecondHigh) return 0;
  for (std::size_t I = 2; I < Length; ++I)
    if (Byte(I) < 0x80 || Byte(I) > 0xBF) return 0;
  return Length;
}

void AppendControlEscape(std::string& Out, unsigned char C) {
  switch (C) {
    case '\b':
      Out += "\\b";
      return;
    case '\f':
      Out += "\\f";
      return;
    case '\n':
      Out += "\\n";
      return;
    case '\r':
      Out += "\\r";
      return;
    case '\t':
      Out += "\\t";
      return;
    default:
      break;
  }
  static constexpr char Hex[] = "0123456789abcdef";
  Out += "\\u00";
  Out += Hex[C >> 4];
  Out += Hex[C & 0xF];
}

}  // namespace

void AppendJsonString(std::string& Out, std::string_view Bytes) {
  Out += '"';
  for (std::size_t At = 0; At < Bytes.size();) {
    // A run of plain ASCII goes in at once: most sentences are nothing else.
    std::size_t Plain = At;
    while (Plain < Bytes.size()) {
      const auto P = static_cast<unsigned char>(Bytes[Plain]);
      if (P < 0x20 || P >= 0x80 || P == '"' || P == '\\') break;
      ++Plain;
    }
    if (Plain > At) {
      Out.append(Bytes.substr(At, Plain - At));
      At = Plain;
      continue;
    }
    const auto C = static_cast<unsigned char>(Bytes[At]);
    const std::size_t Length = Utf8SequenceLength(Bytes, At);
    if (Length == 0) {
      // A stray byte: the Latin-1 character of that byte, U+0080 .. U+00FF, in UTF-8.
      Out += static_cast<char>(0xC0 | (C >> 6));
      Out += static_cast<char>(0x80 | (C & 0x3F));
      ++At;
    } else if (Length > 1) {
      Out.append(Bytes.substr(At, Length));
      At += Length;
    } else {
      if (C == '"')
        Out += "\\\"";
      else if (C == '\\')
        Out += "\\\\";
      else if (C < 0x20)
        AppendControlEscape(Out, C);
      else
        Out += static_cast<char>(C);
      ++At;
    }
  }
  Out += '"';
}

void AppendUtf8Text(std::string& Out, std::string_view Bytes) {
  for (std::size_t At = 0; At < Bytes.size();) {
    const std::size_t Length = Utf8SequenceLength(Bytes, At);
    if (Length == 0) {
      const auto C = static_cast<unsigned char>(Bytes[At]);
      Out += static_cast<char>(0xC0 | (C >> 6));
      Out += static_cast<char>(0x80 | (C & 0x3F));
      ++At;
    } else {
      Out.append(Bytes.substr(At, Length));
      At += Length;
    }
  }
}

void TJsonWriter::NewLine() {
  Out += '\n';
  Out.append(2 * Levels.size(), ' ');
}

void TJsonWriter::BeforeValue() {
  if (AfterKey) {
    AfterKey = false;
    return;
  }
  if (Levels.empty()) return;
  assert(!Levels.back().IsObject && "a member of an object needs its Key first");
  if (!Levels.back().Empty) Out += ',';
  Levels.back().Empty = false;
  NewLine();
}

void TJsonWriter::Key(std::string_view Name) {
  assert(!Levels.empty() && Levels.back().IsObject && !AfterKey);
  if (!Levels.back().Empty) Out += ',';
  Levels.back().Empty = false;
  NewLine();
  AppendJsonString(Out, Name);
  Out += ": ";
  AfterKey = true;
}

void TJsonWriter::BeginObject() {
  BeforeValue();
  Out += '{';
  Levels.push_back({true, true});
}

void TJsonWriter::BeginArray() {
  BeforeValue();
  Out += '[';
  Levels.push_back({false, true});
}

void TJsonWriter::Close(char Bracket) {
  assert(!Levels.empty() && !AfterKey);
  const bool WasEmpty = Levels.back().Empty;
  Levels.pop_back();
  if (!WasEmpty) NewLine();
  Out += Bracket;
}

void TJsonWriter::EndObject() {
  assert(!Levels.empty() && Levels.back().IsObject);
  Close('}');
}

void TJsonWriter::EndArray() {
  assert(!Levels.empty() && !Levels.back().IsObject);
  Close(']');
}

void TJsonWriter::String(std::string_view Bytes) {
  BeforeValue();
  AppendJsonString(Out, Bytes);
}

void TJsonWriter::Number(long long Value) {
  BeforeValue();
  Out += std::to_string(Value);
}

void TJsonWriter::Unsigned(unsigned long long Value) {
  BeforeValue();
  Out += std::to_string(Value);
}

void TJsonWriter::Bool(bool Value) {
  BeforeValue();
  Out += Value ? "true" : "false";
}

void TJsonWriter::Null() {
  BeforeValue();
  Out += "null";
}

void TJsonWriter::Finish() {
  assert(Levels.empty() && !AfterKey);
  Out += '\n';
}

}  // namespace palaver

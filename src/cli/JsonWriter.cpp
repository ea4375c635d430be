#include "cli/JsonWriter.h"

#include <algorithm>
#include <cassert>

#include "session/TextEncoding.h"

namespace palaver {

namespace {

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
  Out.append(2 * std::min(Levels.size(), MaxJsonIndentLevels), ' ');
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

#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace palaver {

// The deepest level of nesting whose lines are indented further than the one above it.
inline constexpr std::size_t MaxJsonIndentLevels = 32;

// Writes JSON text in one fixed layout, so that equal data always gives equal bytes:
// - every object member and every array element stands on a line of its own, indented by two
//   blanks per level of nesting down to MaxJsonIndentLevels; deeper lines are indented as that
//   level's, so that a line never takes more than 64 blanks of indentation however deep a tree
//   goes (a tree hundreds of levels deep would otherwise be mostly blanks);
// - a member is written "key": value, with one blank after the colon;
// - an empty object or array is written {} or [] where its value goes;
// - Finish ends the text with one line feed.
// The writer keeps its nesting on a list of its own, so any depth of nesting is fine.
class TJsonWriter {
 public:
  explicit TJsonWriter(std::string& Out) : Out(Out) {}

  void BeginObject();
  void EndObject();
  void BeginArray();
  void EndArray();
  // The name of the next member of the object that is open.
  void Key(std::string_view Name);
  void String(std::string_view Bytes);
  void Number(long long Value);
  void Unsigned(unsigned long long Value);
  void Bool(bool Value);
  void Null();
  // Ends the document; everything opened must have been closed.
  void Finish();

 private:
  struct TLevel {
    bool IsObject = false;
    bool Empty = true;
  };

  void BeforeValue();
  void Close(char Bracket);
  void NewLine();

  std::string& Out;
  std::vector<TLevel> Levels;
  bool AfterKey = false;
};

// Appends Bytes as a JSON string literal, quotes included. Valid UTF-8 passes unchanged; a byte
// that does not belong to a valid UTF-8 sequence stands for the Latin-1 character of that byte
// (so a sentence typed in an 8-bit code page still reads sensibly). Quotes, backslashes and
// control characters are escaped, so the result is always valid JSON.
void AppendJsonString(std::string& Out, std::string_view Bytes);

// Appends Bytes as UTF-8 text by the same rule, without quotes or escapes: valid UTF-8 as it
// is, any other byte as the Latin-1 character of that byte.
void AppendUtf8Text(std::string& Out, std::string_view Bytes);

}  // namespace palaver

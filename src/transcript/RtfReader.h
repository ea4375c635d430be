#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace palaver {

// True when the bytes start (after optional blanks) with the rich-text signature "{\rtf".
bool LooksLikeRtf(std::string_view Bytes);

// The plain text of a rich-text document, as UTF-8 like all of the program's text: text runs,
// \par and \line as line breaks, \tab, \'hh bytes (in the document's Windows code page,
// 1252 unless \ansicpg says otherwise and we know it), \uN characters (skipping their \ucN
// fallback characters), escaped
// \{ \} \\, and the destinations that hold no document text (font and colour tables, styles,
// pictures, \* groups, ...) skipped. Returns nothing when the bytes are not a well-formed
// rich-text document (unbalanced groups, nesting beyond a sane depth).
std::optional<std::string> RtfToPlainText(std::string_view Bytes);

}  // namespace palaver

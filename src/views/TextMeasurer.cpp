#include "views/TextMeasurer.h"

#include <utility>

namespace palaver {

namespace {

std::size_t Slot(TFontStyle Style) {
  return static_cast<std::size_t>(Style);
}

}  // namespace

const int* TTextMemo::FindWidth(std::string_view Text, TFontStyle Style) const {
  const auto& Map = Widths[Slot(Style)];
  const auto Found = Map.find(Text);
  return Found == Map.end() ? nullptr : &Found->second;
}

void TTextMemo::AddWidth(std::string_view Text, TFontStyle Style, int Width) {
  if (WidthCount >= MaxWidths) {
    for (auto& Map : Widths)
      Map.clear();
    WidthCount = 0;
  }
  if (Widths[Slot(Style)].emplace(std::string(Text), Width).second) ++WidthCount;
}

const TWrappedLines* TTextMemo::FindLines(std::string_view Text, int Width,
                                          TFontStyle Style) const {
  const auto& Map = Wrappings[Slot(Style)];
  const auto Found = Map.find(Text);
  if (Found == Map.end()) return nullptr;
  for (const TWrapping& W : Found->second)
    if (W.Width == Width) return &W.Lines;
  return nullptr;
}

void TTextMemo::AddLines(std::string_view Text, int Width, TFontStyle Style, TWrappedLines Lines) {
  if (WrappingCount >= MaxWrappings) {
    for (auto& Map : Wrappings)
      Map.clear();
    WrappingCount = 0;
  }
  auto& Map = Wrappings[Slot(Style)];
  auto Found = Map.find(Text);
  if (Found == Map.end()) Found = Map.emplace(std::string(Text), std::vector<TWrapping>()).first;
  for (const TWrapping& W : Found->second)
    if (W.Width == Width) return;
  Found->second.push_back({Width, std::move(Lines)});
  ++WrappingCount;
}

void TTextMemo::Clear() {
  for (auto& Map : Widths)
    Map.clear();
  for (auto& Map : Wrappings)
    Map.clear();
  WidthCount = 0;
  WrappingCount = 0;
}

int TMemoizingTextMeasurer::TextWidth(std::string_view Text, TFontStyle Style) const {
  if (const int* Known = TheMemo.FindWidth(Text, Style)) return *Known;
  const int Width = Measurer.TextWidth(Text, Style);
  TheMemo.AddWidth(Text, Style, Width);
  return Width;
}

}  // namespace palaver

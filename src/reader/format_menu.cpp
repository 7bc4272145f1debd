#include "reader/format_menu.h"

#include <algorithm>

#include "reader/layout_fonts.h"

namespace reader {
namespace {

using engine::ReadingModeKind;
using engine::TextAlign;

constexpr std::size_t GaramondItem = 5;
constexpr std::size_t SmallestOffered = 3;   // 11 points
constexpr std::size_t LargestColumnSize = 8; // 20 points

// Index of the largest size at or below `points`.
std::size_t sizeIndexAtMost(int points) {
  std::size_t index = 0;
  for (std::size_t i = 0; i < engine::FontSizeList.size(); ++i)
    if (engine::FontSizeList[i] <= points) index = i;
  return index;
}

} // namespace

std::size_t checkedFontItem(const engine::SettingsRecord& settings) {
  for (std::size_t i = 0; i < FontItems.size(); ++i)
    if (FontItems[i].family == settings.Banner.FontName) return i;
  return GaramondItem;
}

bool sizeItemShown(std::size_t index, ReadingModeKind mode) {
  if (index < SmallestOffered || index >= engine::FontSizeList.size()) return false;
  return engine::isBannerMode(mode) || index <= LargestColumnSize;
}

bool sizeItemEnabled(std::size_t index, ReadingModeKind mode) {
  if (mode != ReadingModeKind::Sentence || index >= engine::FontSizeList.size()) return true;
  return engine::FontSizeList[index] <= SentenceMaxPointSize;
}

std::size_t checkedSizeItem(const engine::SettingsRecord& settings) {
  const ReadingModeKind mode = settings.ReadingMode;
  if (!engine::isBannerMode(mode)) return settings.Column.FontSize;
  if (mode == ReadingModeKind::Sentence)
    return std::min<std::size_t>(settings.Banner.FontSize, sizeIndexAtMost(SentenceMaxPointSize));
  return settings.Banner.FontSize;
}

bool alignItemShown(AlignItem item, ReadingModeKind mode) {
  switch (item) {
  case AlignItem::Center:
    return engine::isBannerMode(mode);
  case AlignItem::Justify:
    return !engine::isBannerMode(mode);
  default:
    return true;
  }
}

bool alignItemChecked(AlignItem item, const engine::SettingsRecord& settings) {
  const TextAlign align = settings.styleOf(settings.ReadingMode).TextAlign;
  switch (item) {
  case AlignItem::Left:
    return align == TextAlign::Left;
  case AlignItem::Center:
    return align == TextAlign::Centre;
  case AlignItem::Justify:
    return align == TextAlign::Justify;
  }
  return false;
}

void applyAlignItem(AlignItem item, engine::SettingsRecord& settings) {
  switch (item) {
  case AlignItem::Left:
    settings.Banner.TextAlign = TextAlign::Left;
    settings.Column.TextAlign = TextAlign::Left;
    break;
  case AlignItem::Center:
    settings.Banner.TextAlign = TextAlign::Centre;
    break;
  case AlignItem::Justify:
    settings.Column.TextAlign = TextAlign::Justify;
    break;
  }
}

} // namespace reader

#include "ui/toolbar_colors.h"

#include <algorithm>
#include <string>

namespace ui {

namespace {

constexpr std::uint32_t unset_rgb = 0xFFFFFFFFu;
constexpr std::uint32_t low_24 = 0x00FFFFFFu;

OdString number(std::uint32_t n) {
  const std::string digits = std::to_string(n);
  return OdString(std::u16string(digits.begin(), digits.end()));
}

}  // namespace

toolbar_color encode(const mtext::color& c) {
  if (c.kind == 0) return index_color(c.index);
  if (c.rgb == unset_rgb) return index_color(by_layer_index);
  return 0x02000000u | (c.rgb & low_24);
}

std::optional<mtext::color> decode(toolbar_color c) {
  if (is_index_color(c)) return mtext::color{0, static_cast<std::uint16_t>(c & low_24), 0};
  if (is_true_color(c)) return mtext::color{1, 0, c & low_24};
  return std::nullopt;
}

toolbar_color encode(const OdCmEntityColor& c) {
  if (c.isByLayer()) return index_color(by_layer_index);
  if (c.isByBlock()) return index_color(by_block_index);
  if (c.isByColor()) return true_color(c.red(), c.green(), c.blue());
  return index_color(static_cast<std::uint16_t>(c.colorIndex()));
}

OdCmEntityColor entity_color_of(toolbar_color c) {
  if (is_true_color(c)) return OdCmEntityColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
  const std::uint32_t index = c & low_24;
  if (index == by_layer_index) return OdCmEntityColor(OdCmEntityColor::kByLayer);
  if (index == by_block_index) return OdCmEntityColor(OdCmEntityColor::kByBlock);
  return OdCmEntityColor::fromIndex(static_cast<int>(index));
}

OdString color_name(toolbar_color c, const std::vector<OdString>& standard) {
  if (c == custom_color_entry) return u"Custom...";
  if (is_true_color(c))
    return number((c >> 16) & 0xFF) + u"," + number((c >> 8) & 0xFF) + u"," + number(c & 0xFF);
  const std::uint32_t index = c & low_24;
  if (index == by_layer_index) return u"ByLayer";
  if (index == by_block_index) return u"ByBlock";
  if (index <= standard.size()) return standard[index - 1];
  return OdString(u"Color ") + number(index);
}

std::vector<color_entry> initial_color_entries(const std::vector<OdString>& standard) {
  std::vector<color_entry> entries;
  for (std::uint16_t index : {by_layer_index, by_block_index})
    entries.push_back({index_color(index), color_name(index_color(index), standard)});
  for (std::uint16_t index = 1; index <= 7; ++index)
    entries.push_back({index_color(index), color_name(index_color(index), standard)});
  entries.push_back({custom_color_entry, color_name(custom_color_entry, standard)});
  return entries;
}

std::optional<std::size_t> entry_of(const std::vector<color_entry>& entries, toolbar_color c) {
  const auto found = std::find_if(entries.begin(), entries.end(), [c](const color_entry& e) { return e.value == c; });
  if (found == entries.end()) return std::nullopt;
  return static_cast<std::size_t>(found - entries.begin());
}

std::size_t add_color(std::vector<color_entry>& entries, toolbar_color c, const std::vector<OdString>& standard) {
  if (const auto at = entry_of(entries, c)) return *at;
  const auto custom = std::find_if(entries.begin(), entries.end(),
                                   [](const color_entry& e) { return e.value == custom_color_entry; });
  const auto added = entries.insert(custom, {c, color_name(c, standard)});
  return static_cast<std::size_t>(added - entries.begin());
}

}  // namespace ui

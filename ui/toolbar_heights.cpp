#include "ui/toolbar_heights.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace ui {

namespace {

std::vector<float>& heights() {
  static std::vector<float> list;
  return list;
}

void sort_unique(std::vector<float>& list) {
  std::sort(list.begin(), list.end());
  list.erase(std::unique(list.begin(), list.end()), list.end());
}

}  // namespace

const std::vector<float>& remembered_heights() { return heights(); }

void remember_height(double height) {
  heights().push_back(static_cast<float>(height));
  sort_unique(heights());
}

void replace_remembered_heights(const std::vector<float>& list) {
  heights() = list;
  sort_unique(heights());
}

OdString height_text(double height) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.4g", height);
  const std::string s(buffer);
  return OdString(std::u16string(s.begin(), s.end()));
}

std::optional<double> parse_height(const OdString& text) {
  const std::string s = text.toUtf8();
  if (s.empty()) return std::nullopt;
  char* end = nullptr;
  const double value = std::strtod(s.c_str(), &end);
  if (end != s.c_str() + s.size()) return std::nullopt;
  return value;
}

}  // namespace ui

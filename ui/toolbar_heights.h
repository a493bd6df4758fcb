// The text heights the toolbar's height combo offers: one list for the
// whole process, so that it outlives each toolbar. Heights are kept as
// 32-bit floating-point values, sorted, each once.
#pragma once

#include <optional>
#include <vector>

#include "platform/sdk/OdString.h"

namespace ui {

// The process-wide list, in ascending order.
const std::vector<float>& remembered_heights();
// Adds a height (a new MText's, a typed one) unless the list has it.
void remember_height(double height);
// The list a closing toolbar leaves, sorted and without repeats.
void replace_remembered_heights(const std::vector<float>& heights);

// A height as the combo shows it: 4 significant digits, no trailing zeros.
OdString height_text(double height);
// A typed height; none when it is no number.
std::optional<double> parse_height(const OdString& text);

// Heights of 0.0001 and below are ignored.
inline constexpr double least_height = 0.0001;

}  // namespace ui

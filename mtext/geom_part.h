// Laid-out parts: one measured part per character, space, tab, break and
// stack. Each is also its logical part (a laid-out word is a one-character
// `string` with the same format), so the editor and `flatten` can read it
// back as the model.
//
// `geometry` is measured once, when the part is built (or re-measured on
// purpose); `x` and `y` are set by the layout. Coordinates are drawing units
// in the text's plane, y up, the top of the first line at y = 0.
#pragma once

#include "mtext/part_metrics.h"
#include "mtext/multitext.h"

namespace mtext {

class geom_part {
public:
  virtual ~geom_part() = default;
  virtual geom_part* clone() const = 0;
  virtual std::uint32_t type() const = 0;
  virtual mtext::part& part() = 0;
  virtual const mtext::part& part() const = 0;
  virtual void update_geometry(const string_size_finder& finder) = 0;

  part_metrics geometry;
  double x = 0.0;  // pen x where the part starts
  double y = 0.0;  // y of the part's baseline

protected:
  geom_part() = default;
  geom_part(const geom_part&) = default;
  geom_part& operator=(const geom_part&) = default;
};

inline geom_part* new_clone(const geom_part& p) { return p.clone(); }

// Joins a laid-out kind to its logical part P.
template <class P>
class geom_impl : public geom_part, public P {
public:
  using P::P;
  std::uint32_t type() const override { return P::type(); }
  mtext::part& part() override { return *this; }
  const mtext::part& part() const override { return *this; }

protected:
  // Measures `text` in the part's own format at its height.
  string_metrics measured(const string_size_finder& finder, const std::u16string& text) {
    P::format.style.setTextSize(P::format.height);
    return finder.measure(P::format.style, text);
  }
};

class geom_word : public geom_impl<string> {
public:
  geom_word(const format::string& f, char16_t c) : geom_impl(f, std::u16string(1, c)) {}
  geom_word* clone() const override { return new geom_word(*this); }
  void update_geometry(const string_size_finder& finder) override;
  char16_t character() const { return text.empty() ? u'\0' : text[0]; }
};

class geom_spaces : public geom_impl<spaces> {
public:
  explicit geom_spaces(const format::string& f) : geom_impl(f, 1) {}
  geom_spaces* clone() const override { return new geom_spaces(*this); }
  void update_geometry(const string_size_finder& finder) override;
};

class geom_tab : public geom_impl<tab> {
public:
  explicit geom_tab(const format::string& f) : geom_impl(f) {}
  geom_tab* clone() const override { return new geom_tab(*this); }
  void update_geometry(const string_size_finder& finder) override;
};

class geom_new_line : public geom_impl<new_line> {
public:
  explicit geom_new_line(const format::string& f) : geom_impl(f) {}
  geom_new_line* clone() const override { return new geom_new_line(*this); }
  void update_geometry(const string_size_finder& finder) override;
};

class geom_new_paragraph : public geom_impl<new_paragraph> {
public:
  geom_new_paragraph(const format::paragraph& p, const format::string& f, bool column)
      : geom_impl(p, f, column) {}
  geom_new_paragraph* clone() const override { return new geom_new_paragraph(*this); }
  void update_geometry(const string_size_finder& finder) override;
};

class geom_stack : public geom_impl<stack> {
public:
  geom_stack(const format::string& f, std::u16string up, std::u16string low, std::uint32_t k)
      : geom_impl(f, std::move(up), std::move(low), k) {}
  geom_stack* clone() const override { return new geom_stack(*this); }
  void update_geometry(const string_size_finder& finder) override;

  part_metrics upper_geometry;
  part_metrics lower_geometry;
};

}  // namespace mtext

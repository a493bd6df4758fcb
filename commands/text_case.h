// Letter case conversion for "TCase": the five modes over UTF-16 text with
// the case mapping of the user's locale, and its use on Text strings and on
// MText contents, where only the characters of text parts change.
#pragma once

#include <string>

#include "mtext/multitext.h"

namespace text_case {

enum mode : int { sentence = 0, lower = 1, upper = 2, title = 3, toggle = 4 };
inline constexpr int mode_count = 5;

// The running state of one object: the mode and whether the next letter is
// capitalised (sentence and title). Fresh for every object.
struct state {
  explicit state(int m) : case_mode(m) {}
  int case_mode;
  bool capitalise_next = true;
};

// Converts one code point, updating the state.
char32_t convert(char32_t c, state& s);
// Tells the state that something that is not a letter came by (a blank part,
// a paragraph, a stack or a field of an MText) without converting anything.
void pass_non_letter(state& s);
// Converts every character of a UTF-16 string (surrogate pairs as one code point).
std::u16string convert(const std::u16string& text, state& s);

// A Text's string in `case_mode`, with a fresh state; its control codes
// ("%%d", "%%u", "%%176") keep their letters.
std::u16string convert_text(const std::u16string& text, int case_mode);

// MText contents in `case_mode` with one state for the whole text. Letters
// of text parts change in place; codes, fields and stacks are copied as they
// are. Contents too irregular to be changed in place (a code the in-place
// reading does not take as the parser does) are parsed with `base`, the
// MText's default format, converted and written back.
std::u16string convert_mtext_contents(const std::u16string& contents, int case_mode,
                                      const mtext::format::string& base);
// The same on the parsed model: every string part's characters in order with
// one state, the other parts passing as non-letters.
void convert_model(mtext::multitext& text, state& s);

// The case mapping in use: the user's locale when it is a UTF-8 one, else C.UTF-8.
bool is_letter(char32_t c);
bool is_upper(char32_t c);
bool is_lower(char32_t c);
char32_t to_upper(char32_t c);
char32_t to_lower(char32_t c);

}  // namespace text_case

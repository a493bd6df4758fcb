#include "mtext/part_metrics.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <unordered_set>

namespace mtext {

namespace {

using shared = part_metrics::shared;

bool same_bits(const shared& a, const shared& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

std::size_t hash_bits(const shared& s) {
  std::array<std::uint64_t, sizeof(shared) / sizeof(std::uint64_t)> words;
  std::memcpy(words.data(), &s, sizeof s);
  std::uint64_t h = 0x9E3779B97F4A7C15u;
  for (const std::uint64_t w : words) h = (h ^ w) * 0x100000001B3u + (h >> 29);
  return static_cast<std::size_t>(h ^ (h >> 32));
}

struct shared_hash {
  std::size_t operator()(const shared& s) const { return hash_bits(s); }
};
struct shared_equal {
  bool operator()(const shared& a, const shared& b) const { return same_bits(a, b); }
};

// Parts copied into snapshots and other texts keep pointing here, so the
// table's nodes keep their addresses for the life of the process. It grows
// with the characters, fonts and heights a process measures, as a glyph
// cache would.
struct shared_table {
  std::mutex lock;
  std::unordered_set<shared, shared_hash, shared_equal> held;
};

shared_table& table() {
  static shared_table* t = new shared_table;  // outlives every text, statics included
  return *t;
}

const shared* held(const shared& s) {
  // A text repeats a few dozen characters: those are found again without the
  // table's lock, in a small cache of the thread's own.
  constexpr std::size_t cache_size = 512;
  thread_local std::array<const shared*, cache_size> recent{};
  const std::size_t h = hash_bits(s);
  const shared*& slot = recent[h % cache_size];
  if (slot && same_bits(*slot, s)) return slot;
  shared_table& t = table();
  const std::lock_guard<std::mutex> guard(t.lock);
  slot = &*t.held.insert(s).first;
  return slot;
}

}  // namespace

const shared part_metrics::unmeasured{};

part_metrics::part_metrics(const string_metrics& m)
    : advance(m.advance),
      shared_(held({{m.leading, m.height, m.descent, m.gap}, m.left, m.right, m.ascent, m.depth})) {}

part_metrics::operator string_metrics() const {
  const shared& s = *shared_;
  return {s.font.leading, s.font.height, s.font.descent, s.font.gap, advance, s.left, s.right, s.ascent, s.depth};
}

}  // namespace mtext

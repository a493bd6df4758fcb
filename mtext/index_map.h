// The index maps a laid-out text keeps between its parts and their snapshot.
//
// After every change of the part sequence both maps are the identity
// 0, 1, ..., n - 1, and nothing changes them in between, so a map keeps only
// its size: resetting it costs an edit nothing, and it holds no memory per part.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <vector>

namespace mtext {

class index_map {
public:
  void reset(std::size_t size) { m_size = size; }
  std::size_t size() const { return m_size; }
  bool empty() const { return m_size == 0; }
  std::uint32_t operator[](std::size_t i) const { return static_cast<std::uint32_t>(i); }
  std::vector<std::uint32_t> values() const {
    std::vector<std::uint32_t> all(m_size);
    for (std::size_t i = 0; i < m_size; ++i) all[i] = static_cast<std::uint32_t>(i);
    return all;
  }

  friend bool operator==(const index_map& a, const std::vector<std::uint32_t>& b) { return a.values() == b; }
  friend bool operator==(const index_map& a, const index_map& b) { return a.m_size == b.m_size; }
  friend std::ostream& operator<<(std::ostream& out, const index_map& map) {
    out << '{';
    for (std::size_t i = 0; i < map.m_size; ++i) out << (i ? ", " : "") << i;
    return out << '}';
  }

private:
  std::size_t m_size = 0;
};

}  // namespace mtext

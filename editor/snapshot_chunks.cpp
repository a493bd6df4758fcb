#include "editor/snapshot_chunks.h"

#include <algorithm>
#include <new>
#include <stdexcept>
#include <utility>
#include <vector>

#include "mtext/ensure.h"

namespace editor {

namespace {

// Rebuilt chunks hold chunk_min to chunk_max numbers, so a one-part edit
// rewrites a few dozen numbers and a sequence of n parts has about n / 32
// chunks. Nodes hold fan_min to fan_out children: a small fan-out keeps the
// copied path of an edit short in bytes.
constexpr position chunk_max = 48;
constexpr position chunk_min = 16;
constexpr std::uint8_t fan_out = 8;
constexpr std::uint8_t fan_min = 4;

}  // namespace

// What chunks and nodes share: the count of their holders and their height
// (0 a chunk, 1 a node over chunks, ...).
struct tree_item {
  mutable std::uint32_t refs = 1;
  std::uint8_t height = 0;
};

namespace {

struct chunk : tree_item {
  std::uint32_t count = 0;
  const cell_index* cells() const { return reinterpret_cast<const cell_index*>(this + 1); }
  cell_index* cells() { return reinterpret_cast<cell_index*>(this + 1); }
};

struct node : tree_item {
  std::uint8_t count = 0;
  position sizes[fan_out] = {};
  const tree_item* children[fan_out] = {};
};

std::size_t chunk_bytes(std::uint32_t count) { return sizeof(chunk) + count * sizeof(cell_index); }
std::size_t item_bytes(const tree_item* item) {
  return item->height == 0 ? chunk_bytes(static_cast<const chunk*>(item)->count) : sizeof(node);
}

const node& as_node(const tree_item* item) { return *static_cast<const node*>(item); }

void release(const tree_item* item) {
  if (!item || --item->refs != 0) return;
  if (item->height == 0) {
    const auto* c = static_cast<const chunk*>(item);
    const std::size_t bytes = chunk_bytes(c->count);
    c->~chunk();
    ::operator delete(const_cast<chunk*>(c), bytes);
    return;
  }
  const node* n = static_cast<const node*>(item);
  for (std::uint8_t i = 0; i < n->count; ++i) release(n->children[i]);
  delete n;
}

const tree_item* share(const tree_item* item) {
  if (item) ++item->refs;
  return item;
}

// One holder's reference to a chunk or node, in the lists a splice works on.
class item_ref {
public:
  item_ref() = default;
  explicit item_ref(const tree_item* adopted) : m_item(adopted) {}
  item_ref(item_ref&& other) noexcept : m_item(std::exchange(other.m_item, nullptr)) {}
  item_ref& operator=(item_ref&& other) noexcept {
    std::swap(m_item, other.m_item);
    return *this;
  }
  ~item_ref() { release(m_item); }
  const tree_item* get() const { return m_item; }
  const tree_item* give() { return std::exchange(m_item, nullptr); }

private:
  const tree_item* m_item = nullptr;
};

struct entry {
  item_ref item;
  position size = 0;
};
using entries = std::vector<entry>;

entry shared_child(const node& n, std::size_t i) { return {item_ref(share(n.children[i])), n.sizes[i]}; }

std::uint8_t child_count(const entry& e) { return as_node(e.item.get()).count; }

item_ref make_chunk(const std::function<cell_index(position)>& cell_at, position from, position count) {
  void* block = ::operator new(chunk_bytes(count));
  chunk* c = new (block) chunk;
  c->count = count;
  for (position i = 0; i < count; ++i) c->cells()[i] = cell_at(from + i);
  return item_ref(c);
}

// Nodes of `height` over `kids`, as few as fan_out allows, with the kids
// spread evenly so that none of several nodes is below fan_min.
entries pack(entries kids, std::uint8_t height) {
  entries nodes;
  const std::size_t total = kids.size();
  const std::size_t k = (total + fan_out - 1) / fan_out;
  std::size_t next = 0;
  for (std::size_t i = 0; i < k; ++i) {
    auto* n = new node;
    n->height = height;
    const std::size_t take = total / k + (i < total % k ? 1 : 0);
    position size = 0;
    for (std::size_t c = 0; c < take; ++c, ++next) {
      n->sizes[n->count] = kids[next].size;
      n->children[n->count++] = kids[next].item.give();
      size += kids[next].size;
    }
    nodes.push_back({item_ref(n), size});
  }
  return nodes;
}

entries children_of(const entry& e) {
  const node& n = as_node(e.item.get());
  entries kids;
  for (std::uint8_t i = 0; i < n.count; ++i) kids.push_back(shared_child(n, i));
  return kids;
}

// Merges each node of `list` (all of `height`) that has fewer than fan_min
// children with a neighbour in the list, mending the level below first: an
// edit that emptied a whole node leaves a thin node there too.
void merge_thin(entries& list, std::uint8_t height) {
  if (height == 0) return;
  for (std::size_t k = 0; list.size() > 1 && k < list.size();) {
    if (child_count(list[k]) >= fan_min) {
      ++k;
      continue;
    }
    const std::size_t left = k + 1 < list.size() ? k : k - 1;
    entries kids = children_of(list[left]);
    for (entry& e : children_of(list[left + 1])) kids.push_back(std::move(e));
    merge_thin(kids, height - 1);
    entries merged = pack(std::move(kids), height);
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(left), list.begin() + static_cast<std::ptrdiff_t>(left + 2));
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(left), std::make_move_iterator(merged.begin()),
                std::make_move_iterator(merged.end()));
    k = left;
  }
}

// `n`'s content with its parts [from, to) (chunk edges) replaced by the
// chunks `fresh`: nodes of n's height, none of several below fan_min.
entries replace(const node& n, position from, position to, entries& fresh) {
  entries kids;
  if (n.height == 1) {
    bool placed = false;
    position start = 0;
    for (std::uint8_t i = 0; i < n.count; start += n.sizes[i], ++i) {
      const position end = start + n.sizes[i];
      if (start >= to && !placed) {
        for (entry& e : fresh) kids.push_back(std::move(e));
        placed = true;
      }
      if (end <= from || start >= to) kids.push_back(shared_child(n, i));
    }
    if (!placed)
      for (entry& e : fresh) kids.push_back(std::move(e));
    return pack(std::move(kids), 1);
  }

  // The children the stretch reaches: from the one holding `from` to the
  // one holding the part before `to`.
  std::vector<position> starts(n.count + 1, 0);
  for (std::uint8_t i = 0; i < n.count; ++i) starts[i + 1] = starts[i] + n.sizes[i];
  std::size_t i = 0;
  while (i + 1 < n.count && starts[i + 1] <= from) ++i;
  std::size_t j = i;
  while (j + 1 < n.count && starts[j + 1] < to) ++j;

  entries window;
  if (i == j) {
    window = replace(as_node(n.children[i]), from - starts[i], to - starts[i], fresh);
  } else {
    window = replace(as_node(n.children[i]), from - starts[i], n.sizes[i], fresh);
    entries none;
    for (entry& e : replace(as_node(n.children[j]), 0, to - starts[j], none)) window.push_back(std::move(e));
  }
  std::size_t lo = i, hi = j + 1;
  const bool thin = std::any_of(window.begin(), window.end(), [](const entry& e) { return child_count(e) < fan_min; });
  if (thin) {
    if (lo > 0) window.insert(window.begin(), shared_child(n, --lo));
    if (hi < n.count) window.push_back(shared_child(n, hi++));
    merge_thin(window, n.height - 1);
  }
  for (std::size_t c = 0; c < lo; ++c) kids.push_back(shared_child(n, c));
  for (entry& e : window) kids.push_back(std::move(e));
  for (std::size_t c = hi; c < n.count; ++c) kids.push_back(shared_child(n, c));
  return pack(std::move(kids), n.height);
}

struct chunk_span {
  position begin = 0;
  position end = 0;
};

// The chunk holding part `at` (< size).
chunk_span chunk_at(const tree_item* item, position at) {
  position offset = 0;
  while (item->height > 0) {
    const node& n = as_node(item);
    std::uint8_t i = 0;
    while (at >= n.sizes[i]) at -= n.sizes[i], offset += n.sizes[i], ++i;
    item = n.children[i];
  }
  return {offset, offset + static_cast<const chunk*>(item)->count};
}

void visit_chunks(const tree_item* item, const std::function<void(std::span<const cell_index>)>& visit) {
  if (item->height == 0) {
    const auto* c = static_cast<const chunk*>(item);
    visit({c->cells(), c->count});
    return;
  }
  const node& n = as_node(item);
  for (std::uint8_t i = 0; i < n.count; ++i) visit_chunks(n.children[i], visit);
}

// Bytes below and with `item` that only one holder reaches.
std::size_t unshared_bytes(const tree_item* item) {
  if (!item || item->refs != 1) return 0;
  std::size_t bytes = item_bytes(item);
  if (item->height > 0)
    for (std::uint8_t i = 0; i < as_node(item).count; ++i) bytes += unshared_bytes(as_node(item).children[i]);
  return bytes;
}

// The size of the subtree; checks every rule below it on the way.
position checked_size(const tree_item* item, std::uint8_t height, bool root, bool lone_chunk) {
  MTEXT_ENSURE(item->height == height, "every chunk lies at the same depth");
  if (height == 0) {
    const position count = static_cast<const chunk*>(item)->count;
    MTEXT_ENSURE(count > 0 && count <= chunk_max, "a chunk holds 1 to chunk_max numbers");
    MTEXT_ENSURE(lone_chunk || count >= chunk_min, "only a lone chunk is below chunk_min");
    return count;
  }
  const node& n = as_node(item);
  MTEXT_ENSURE(n.count <= fan_out && n.count >= (root ? (height > 1 ? 2 : 1) : fan_min),
               "a node holds fan_min to fan_out children; the root at least two above chunks");
  position size = 0;
  for (std::uint8_t i = 0; i < n.count; ++i) {
    MTEXT_ENSURE(checked_size(n.children[i], height - 1, false, lone_chunk) == n.sizes[i],
                 "a node records its children's sizes");
    size += n.sizes[i];
  }
  return size;
}

}  // namespace

cell_sequence::cell_sequence(const cell_sequence& other) : m_root(share(other.m_root)), m_size(other.m_size) {}

cell_sequence::cell_sequence(cell_sequence&& other) noexcept
    : m_root(std::exchange(other.m_root, nullptr)), m_size(std::exchange(other.m_size, 0)) {}

cell_sequence& cell_sequence::operator=(const cell_sequence& other) {
  cell_sequence copy(other);
  return *this = std::move(copy);
}

cell_sequence& cell_sequence::operator=(cell_sequence&& other) noexcept {
  std::swap(m_root, other.m_root);
  std::swap(m_size, other.m_size);
  return *this;
}

cell_sequence::~cell_sequence() { release(m_root); }

void cell_sequence::for_each_chunk(const std::function<void(std::span<const cell_index>)>& visit) const {
  if (m_root) visit_chunks(m_root, visit);
}

std::size_t cell_sequence::owned_bytes() const { return unshared_bytes(m_root); }

void cell_sequence::check_invariant() const {
  if (!m_root) {
    MTEXT_ENSURE(m_size == 0, "an empty sequence has no root");
    return;
  }
  const bool lone_chunk = m_root->height == 1 && as_node(m_root).count == 1;
  MTEXT_ENSURE(checked_size(m_root, m_root->height, true, lone_chunk) == m_size, "the root's size is the sequence's");
}

cell_sequence splice(const cell_sequence& base, position first, position tail, position size,
                     const std::function<cell_index(position)>& cell_at) {
  const position base_size = base.size();
  if (first > std::min(base_size, size) || tail > std::min(base_size, size) - first)
    throw std::invalid_argument("editor::splice: the unchanged stretches do not fit the sizes");
  if (first == base_size && base_size == size) return base;

  // The base's stretch to rebuild, widened to chunk edges, then by whole
  // neighbouring chunks while it would make a thin chunk or lies beside one
  // (a text that was once small keeps its lone thin chunk until then).
  const tree_item* root = base.m_root;
  position a = first == base_size ? base_size : chunk_at(root, first).begin;
  position b = base_size - tail == 0 ? 0 : chunk_at(root, base_size - tail - 1).end;
  b = std::max(a, b);
  const auto rebuilt = [&] { return size - (base_size - b) - a; };
  const auto thin = [](chunk_span c) { return c.end - c.begin < chunk_min; };
  for (;;) {
    const bool short_stretch = rebuilt() > 0 && rebuilt() < chunk_min;
    if (b < base_size && (short_stretch || thin(chunk_at(root, b)))) b = chunk_at(root, b).end;
    else if (a > 0 && (short_stretch || thin(chunk_at(root, a - 1)))) a = chunk_at(root, a - 1).begin;
    else break;
  }

  entries fresh;
  const position length = rebuilt();
  const position pieces = (length + chunk_max - 1) / chunk_max;
  for (position i = 0, at = a; i < pieces; ++i) {
    const position count = length / pieces + (i < length % pieces ? 1 : 0);
    fresh.push_back({make_chunk(cell_at, at, count), count});
    at += count;
  }

  entries top = root ? replace(as_node(root), a, b, fresh) : pack(std::move(fresh), 1);
  std::uint8_t height = root ? root->height : 1;
  merge_thin(top, height);
  while (top.size() > 1) top = pack(std::move(top), ++height);

  cell_sequence result;
  result.m_size = size;
  if (top.empty()) return result;
  item_ref top_item = std::move(top.front().item);
  // A root over a single node gives way to it.
  while (top_item.get()->height > 1 && as_node(top_item.get()).count == 1)
    top_item = item_ref(share(as_node(top_item.get()).children[0]));
  result.m_root = top_item.give();
  return result;
}

}  // namespace editor

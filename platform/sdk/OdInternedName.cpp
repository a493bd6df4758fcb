#include "platform/sdk/OdInternedName.h"

#include <mutex>
#include <unordered_set>

namespace {

struct name_hash {
  std::size_t operator()(const OdString& text) const { return std::hash<std::u16string>()(text.str()); }
};

// Names are few (a drawing's fonts and styles) and never dropped: the
// table's nodes keep their addresses for the life of the process.
struct name_table {
  std::mutex lock;
  std::unordered_set<OdString, name_hash> names;
};

name_table& table() {
  static name_table* names = new name_table;  // outlives every style, statics included
  return *names;
}

}  // namespace

OdInternedName::OdInternedName(const OdString& text) {
  if (text.isEmpty()) return;
  // A text names the same few fonts again and again: those are found
  // without the table's lock and hash.
  thread_local const OdString* recent[4] = {};
  for (const OdString* name : recent)
    if (name && *name == text) {
      m_text = name;
      return;
    }
  name_table& t = table();
  {
    const std::lock_guard<std::mutex> guard(t.lock);
    m_text = &*t.names.insert(text).first;
  }
  for (int i = 3; i > 0; --i) recent[i] = recent[i - 1];
  recent[0] = m_text;
}

const OdString& OdInternedName::empty() {
  static const OdString nothing;
  return nothing;
}

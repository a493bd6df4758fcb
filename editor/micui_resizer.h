// mtext::resizer, the mark of a control that is dragged to change a size, and
// micui::mixin, which makes a shape such a control.
//
// The editor shows the sizing cursor of the first resizer under the pointer;
// the direction says which one.
#pragma once

#include <cstdint>

#include "editor/micui_frame.h"
#include "editor/micui_shapes.h"

namespace mtext {

class resizer {
public:
  // The sizing cursor shown over the handle.
  enum : std::int32_t { north_south = 0, west_east = 1, northwest_southeast = 2, northeast_southwest = 3 };

  virtual ~resizer() = default;

  std::int32_t direction = north_south;
};

}  // namespace mtext

namespace micui {

// A control of type T that is also a resizer. Its runtime class is T's.
template <class T>
class mixin : public T, public mtext::resizer {
public:
  // A new mixin, where T's own createObject would make a plain T.
  static OdSmartPtr<mixin> createObject() { return OdRxObjectImpl<mixin>::createObject(); }
};

extern template class mixin<triangle>;
extern template class mixin<sizer>;
extern template class mixin<rhomb>;
extern template class mixin<frame>;
extern template class mixin<circle>;

}  // namespace micui

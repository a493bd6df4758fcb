#include "editor/micui_resizer.h"

namespace micui {

template class mixin<triangle>;
template class mixin<sizer>;
template class mixin<rhomb>;
template class mixin<frame>;
template class mixin<circle>;

}  // namespace micui

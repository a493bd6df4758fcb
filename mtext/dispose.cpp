#include "mtext/column_flow.h"
#include "mtext/layout.h"

namespace mtext {

void dispose(geom_multitext& text) {
  layout_detail::column_flow flow(text, false);
  // The flow fills the text's own vectors, so their storage is reused.
  flow.lines.swap(text.lines);
  flow.columns.swap(text.columns);
  flow.lines.clear();
  flow.columns.clear();
  for (position at = 0; at < text.size();) at = flow.lay_line(at);
  flow.finish();
  text.lines.swap(flow.lines);
  text.columns.swap(flow.columns);
}

}  // namespace mtext

// IHostView: the drawing view that trackers and the editor add temporary
// drawables to (previews, gadgets); they are drawn over the drawing until
// removed and are never part of the database.
#pragma once

#include <cstdint>

#include "platform/sdk/OdGiDrawable.h"

// Modes and flags of temporary drawables as trackers pass them.
enum host_view_temporary : int {
  kViewTemporaryMode = 1,          // drawn on top, redrawn on every update
  kViewTemporaryFlags = 0x300,
};

class IHostView {
public:
  virtual ~IHostView() = default;
  // Adds a drawable (the view keeps a reference); adding it twice does nothing.
  virtual bool add(OdGiDrawable* drawable, int mode, int flags) = 0;
  // Removes it; false when it was not there.
  virtual bool erase(OdGiDrawable* drawable) = 0;
  // Asks for a redraw of the temporary drawables.
  virtual void update() = 0;
};

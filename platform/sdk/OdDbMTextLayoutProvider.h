// The hook through which the text library lays out multiline text objects,
// so that their actual size comes from the one layout engine that also
// edits and draws them.
//
// The text module installs its provider once at load time with
// odDbSetMTextLayoutProvider; until then (and whenever the provider declines)
// OdDbMText uses a plain fallback estimate (see OdDbMText::actualWidth).
#pragma once

class OdDbMText;
class OdGiWorldDraw;
class OdGeMatrix3d;

// The laid-out size of a multiline text, in drawing units.
struct od_mtext_extents {
  double width = 0.0;   // widest line (or all columns with their gutters)
  double height = 0.0;  // top of the first line to the bottom of the last
};

class OdDbMTextLayoutProvider {
public:
  virtual ~OdDbMTextLayoutProvider() = default;
  // Lays out `mtext` (contents, style, height, width, columns, line spacing)
  // and returns true with its size, or false to let the fallback answer.
  virtual bool measure(const OdDbMText& mtext, od_mtext_extents& extents) const = 0;
  // Draws `mtext` as laid out, `toWorld` taking the top-left corner of its
  // laid-out box to the drawing; false lets the fallback draw plain lines.
  virtual bool draw(const OdDbMText& mtext, OdGiWorldDraw& worldDraw, const OdGeMatrix3d& toWorld) const {
    (void)mtext, (void)worldDraw, (void)toWorld;
    return false;
  }
};

// Installs the process-wide provider (null removes it) and returns the one
// it replaces. The provider is not owned; it must outlive its installation.
OdDbMTextLayoutProvider* odDbSetMTextLayoutProvider(OdDbMTextLayoutProvider* provider);
OdDbMTextLayoutProvider* odDbMTextLayoutProvider();

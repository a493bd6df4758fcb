// OdGiSubEntityTraits: the colour, fill, transparency, line type, layer and
// line weight that the geometry drawn next is drawn with.
//
// A drawable sets traits and then draws; every primitive takes the traits in
// force when it is drawn. OdGiSubEntityTraitsData is the same set as a plain
// value, which is what recorders keep with each primitive.
#pragma once

#include <cstdint>

#include "platform/sdk/OdCmEntityColor.h"
#include "platform/sdk/OdCmTransparency.h"
#include "platform/sdk/OdString.h"

enum OdGiFillType : int {
  kOdGiFillAlways = 1,  // polygons are filled
  kOdGiFillNever = 2,   // polygons are outlined
};

// Line weights in hundredths of a millimetre, with three logical values.
namespace OdGiLineWeight {
constexpr int kByLayer = -1;
constexpr int kByBlock = -2;
constexpr int kByDefault = -3;
}  // namespace OdGiLineWeight

struct OdGiSubEntityTraitsData {
  OdCmEntityColor trueColor;  // by layer
  OdCmTransparency transparency;  // by layer
  OdGiFillType fillType = kOdGiFillNever;
  OdString lineType;  // empty: the layer's (drawn continuous)
  double lineTypeScale = 1.0;
  OdString layer;
  int lineWeight = OdGiLineWeight::kByLayer;

  friend bool operator==(const OdGiSubEntityTraitsData&, const OdGiSubEntityTraitsData&) = default;
};

// What setAttributes may set; the sub-entity traits are its drawing part.
class OdGiDrawableTraits {
public:
  virtual ~OdGiDrawableTraits() = default;
};

class OdGiSubEntityTraits : public OdGiDrawableTraits {
public:
  // ACI index: 0 by block, 256 by layer, 1..255 palette colours.
  virtual void setColor(std::uint16_t colorIndex) = 0;
  virtual std::uint16_t color() const = 0;
  virtual void setTrueColor(const OdCmEntityColor& color) = 0;
  virtual OdCmEntityColor trueColor() const = 0;
  virtual void setTransparency(const OdCmTransparency& transparency) = 0;
  virtual OdCmTransparency transparency() const = 0;
  virtual void setFillType(OdGiFillType fillType) = 0;
  virtual OdGiFillType fillType() const = 0;
  // By name: "Continuous", "DASHED", ...; empty for the layer's.
  virtual void setLineType(const OdString& lineTypeName) = 0;
  virtual OdString lineType() const = 0;
  virtual void setLineTypeScale(double scale) = 0;
  virtual double lineTypeScale() const = 0;
  virtual void setLayer(const OdString& layerName) = 0;
  virtual OdString layer() const = 0;
  virtual void setLineWeight(int lineWeight) = 0;
  virtual int lineWeight() const = 0;
};

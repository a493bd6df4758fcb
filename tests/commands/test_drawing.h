// A drawing made in the tests: Texts and MTexts with chosen justification,
// orientation and layer, and point comparisons scaled by the text height.
#pragma once

#include <array>
#include <string>

#include <gtest/gtest.h>

#include "mtext/convert.h"
#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdDbLayerTableRecord.h"
#include "platform/sdk/OdDbMText.h"
#include "platform/sdk/OdDbSymbolTable.h"
#include "platform/sdk/OdDbText.h"

struct test_drawing {
  OdDbDatabasePtr db = OdDbDatabase::createObject();

  test_drawing() { mtext::install_layout_provider(); }

  // A left/baseline Text at `position`.
  OdDbTextPtr text(const char16_t* s, const OdGePoint3d& position, double height = 2.0, double rotation = 0.0,
                   const OdGeVector3d& normal = OdGeVector3d::kZAxis) {
    OdDbTextPtr t = OdDbText::createObject();
    t->setDatabaseDefaults(db.get());
    t->setTextString(s);
    t->setHeight(height);
    t->setNormal(normal);
    t->setRotation(rotation);
    t->setPosition(position);
    t->setAlignmentPoint(position);
    db->addEntity(t.get());
    return t;
  }

  // A Text whose justification is placed at `point` (alignment point), or
  // for left/baseline at its position.
  OdDbTextPtr justified_text(const char16_t* s, const OdGePoint3d& point, OdTextHorzMode h, OdTextVertMode v,
                             double height = 2.0) {
    OdDbTextPtr t = text(s, point, height);
    t->setHorizontalMode(h);
    t->setVerticalMode(v);
    t->setAlignmentPoint(point);
    t->adjustAlignment();
    return t;
  }

  OdDbMTextPtr mtext(const char16_t* contents, const OdGePoint3d& location,
                     OdDbMText::AttachmentPoint attachment = OdDbMText::kTopLeft, double height = 2.5) {
    OdDbMTextPtr m = OdDbMText::createObject();
    m->setDatabaseDefaults(db.get());
    m->setContents(contents);
    m->setTextHeight(height);
    m->setAttachment(attachment);
    m->setLocation(location);
    db->addEntity(m.get());
    return m;
  }

  // A layer, locked or not; entities put on it by name.
  void add_layer(const OdString& name, bool locked) {
    OdDbLayerTableRecordPtr layer = OdDbLayerTableRecord::createObject();
    layer->setName(name);
    layer->setIsLocked(locked);
    db->layerTable()->add(layer.get());
  }
};

inline std::array<OdGePoint3d, 4> bounding_points(const OdDbText& t) {
  std::array<OdGePoint3d, 4> p;
  t.getBoundingPoints(p);
  return p;
}

inline std::array<OdGePoint3d, 4> bounding_points(const OdDbMText& t) {
  std::array<OdGePoint3d, 4> p;
  t.getBoundingPoints(p);
  return p;
}

inline void expect_point_near(const OdGePoint3d& a, const OdGePoint3d& b, double tol, const std::string& what) {
  EXPECT_NEAR(a.x, b.x, tol) << what;
  EXPECT_NEAR(a.y, b.y, tol) << what;
  EXPECT_NEAR(a.z, b.z, tol) << what;
}

inline void expect_same_box(const std::array<OdGePoint3d, 4>& a, const std::array<OdGePoint3d, 4>& b, double tol,
                            const std::string& what) {
  static const char* corner[] = {"top left", "top right", "bottom left", "bottom right"};
  for (int i = 0; i < 4; ++i) expect_point_near(a[i], b[i], tol, what + ", " + corner[i]);
}

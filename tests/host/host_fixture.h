// A drawing with a few texts and a scripted host over it, for host tests.
#pragma once

#include <gtest/gtest.h>

#include "platform/host/scripted_host.h"
#include "platform/sdk/OdDbLayerTableRecord.h"
#include "platform/sdk/OdDbSymbolTable.h"
#include "platform/sdk/OdDbText.h"
#include "tests/host/probe_command.h"

struct HostFixture : ::testing::Test {
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  scripted_host host{db.get(), u"probe.dxf"};

  ~HostFixture() override { setProbeBody({}); }

  OdDbObjectId addText(const char16_t* text, const OdGePoint3d& position, double height = 1.0) {
    OdDbTextPtr entity = OdDbText::createObject();
    entity->setTextString(text);
    entity->setHeight(height);
    entity->setPosition(position);
    return db->addEntity(entity.get());
  }

  OdDbObjectId addLockedLayer(const char16_t* name) {
    OdDbLayerTableRecordPtr layer = OdDbLayerTableRecord::createObject();
    layer->setName(name);
    layer->setIsLocked(true);
    return OdDbSymbolTablePtr(db->getLayerTableId().safeOpenObject(OdDb::kForWrite))->add(layer.get());
  }

  static OdGePoint3d positionOf(const OdDbObjectId& id) {
    return OdDbTextPtr(id.safeOpenObject())->position();
  }

  static std::string handleOf(const OdDbObjectId& id) { return id.getHandle().ascii().toUtf8(); }

  scripted_outcome run(const std::string& script) { return host.run(script, "test"); }

  bool transcriptHas(const std::string& text) const { return host.transcript().find(text) != std::string::npos; }
};

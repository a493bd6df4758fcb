// A drawing made in the test with the scripted host over it, for running the
// text commands end to end, and a description of the drawing to tell whether
// a command changed it.
#pragma once

#include <cstdio>
#include <string>

#include "commands/text_commands.h"
#include "platform/host/scripted_host.h"
#include "platform/sdk/OdDbBlockTableRecord.h"
#include "test_drawing.h"

struct CommandsFixture : ::testing::Test {
  test_drawing d;
  scripted_host host{d.db.get(), u"commands.dxf"};

  scripted_outcome run(const std::string& script) { return host.run(script, "test"); }
  bool transcriptHas(const std::string& text) const { return host.transcript().find(text) != std::string::npos; }

  static std::string handle(const OdDbObjectId& id) { return id.getHandle().ascii().toUtf8(); }
  static std::string handle(const OdDbObjectPtr& object) { return handle(object->objectId()); }

  // Every live entity of model space with what the commands may change.
  std::string describe() const {
    std::string out;
    char buffer[512];
    OdDbBlockTableRecordPtr space = OdDbBlockTableRecord::cast(d.db->getModelSpaceId().openObject().get());
    for (const OdDbObjectId& id : space->entityIds()) {
      OdDbObjectPtr object = id.openObject();
      if (!object) continue;
      if (object->isKindOf(OdDbText::desc())) {
        OdDbTextPtr t = OdDbText::cast(object.get());
        std::snprintf(buffer, sizeof buffer, "TEXT %s '%s' p(%.12g,%.12g) a(%.12g,%.12g) h%d v%d w%.12g r%.12g\n",
                      handle(id).c_str(), t->textString().toUtf8().c_str(), t->position().x, t->position().y,
                      t->alignmentPoint().x, t->alignmentPoint().y, t->horizontalMode(), t->verticalMode(),
                      t->widthFactor(), t->rotation());
      } else if (object->isKindOf(OdDbMText::desc())) {
        OdDbMTextPtr m = OdDbMText::cast(object.get());
        std::snprintf(buffer, sizeof buffer, "MTEXT %s '%s' l(%.12g,%.12g) att%d w%.12g\n", handle(id).c_str(),
                      m->contents().toUtf8().c_str(), m->location().x, m->location().y, m->attachment(), m->width());
      } else {
        std::snprintf(buffer, sizeof buffer, "%s %s\n", object->isA()->name().toUtf8().c_str(), handle(id).c_str());
      }
      out += buffer;
    }
    return out;
  }

  // Runs `command` with each proper prefix of `answers` and then with the
  // same prefix and "esc": every run is cancelled and changes nothing.
  void expect_cancel_anywhere_changes_nothing(const std::string& command, const std::vector<std::string>& answers) {
    const std::string before = describe();
    for (std::size_t given = 0; given < answers.size(); ++given) {
      std::string script = command + "\n";
      for (std::size_t i = 0; i < given; ++i) script += answers[i] + "\n";
      for (const std::string& ending : {std::string(), std::string("esc\n")}) {
        const scripted_outcome outcome = run(script + ending);
        EXPECT_EQ(outcome.results, std::vector<int>{kCmdCancelled}) << command << " after " << given << " answers";
        EXPECT_EQ(describe(), before) << command << " after " << given << " answers" << (ending.empty() ? "" : ", esc");
      }
    }
  }
};

// The editing entity as a drawing class: its registration, what it takes
// from the text it stands for, and the colours its parts draw in.
#include <gtest/gtest.h>

#include "editor/mtext_editable.h"
#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdDbFiler.h"
#include "platform/sdk/OdGiRecorder.h"

namespace {

TEST(MTextEditable, RegistersOnce) {
  odrxUnregisterClass(u"ExMTextEditable");
  ASSERT_EQ(registerMTextEditable(), eOk);
  EXPECT_EQ(registerMTextEditable(), eDuplicateClassName);
  const OdRxClass* cls = odrxFindClass(u"ExMTextEditable");
  ASSERT_EQ(cls, ExMTextEditable::desc());
  EXPECT_TRUE(cls->isDerivedFrom(OdDbEntity::desc()));
  EXPECT_TRUE(ExMTextEditablePtr(odrxCreateObject(u"ExMTextEditable")).get());
}

TEST(MTextEditable, ColourRule) {
  const OdCmEntityColor own(10, 20, 30);
  const struct {
    mtext::color in;
    OdCmEntityColor expected;
  } rows[] = {
      {{0, 1, 0}, OdCmEntityColor::fromIndex(1)},
      {{0, 0, 0}, OdCmEntityColor::fromIndex(0)},  // by block stays an index
      {{0, 256, 0}, own},
      {{1, 0, 0x00FF8000u}, OdCmEntityColor(255, 128, 0)},
  };
  for (const auto& r : rows) {
    OdGiRecorder gi;
    setEditableColor(gi, r.in, own);
    EXPECT_TRUE(gi.trueColor() == r.expected) << r.in.kind << "/" << r.in.index;
  }
}

TEST(MTextEditable, TakesTheTextsSettingsAndDrawsItsPartsWhereLaidOut) {
  OdDbDatabasePtr database = OdDbDatabase::createObject();
  OdDbMTextPtr source = OdDbMText::createObject();
  source->setDatabaseDefaults(database.get());
  source->setContents(u"{\\C1;a}b");
  source->setTextHeight(2.0);
  source->setAttachment(OdDbMText::kMiddleCenter);
  source->setDynamicColumns(30.0, 4.0, true);
  source->setColor(OdCmEntityColor(10, 20, 30));
  database->addEntity(source.get());

  const ExMTextEditablePtr e = ExMTextEditable::createFrom(source);
  EXPECT_EQ(e->content(), u"{\\C1;a}b");
  EXPECT_EQ(e->textHeight(), 2.0);
  EXPECT_EQ(e->attachment(), OdDbMText::kMiddleCenter);
  EXPECT_EQ(e->columnType(), OdDbMText::kDynamicColumns);
  EXPECT_EQ(e->columnWidth(), 30.0);
  EXPECT_EQ(e->gutter(), 4.0);
  EXPECT_TRUE(e->textStyle() == source->textStyle());

  OdGiRecorder gi;
  gi.draw(e.get());
  std::vector<const od_gi_primitive*> runs;
  for (const od_gi_primitive& p : gi.primitives())
    if (p.kind == od_gi_primitive_kind::text_run) runs.push_back(&p);
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_TRUE(runs[0]->traits.trueColor == OdCmEntityColor::fromIndex(1));
  EXPECT_TRUE(runs[1]->traits.trueColor == OdCmEntityColor(10, 20, 30));
  const OdGePoint3d drawn = e->planeToWorld() * OdGePoint3d(e->text().parts[1].x, e->text().parts[1].y, 0.0);
  EXPECT_NEAR(runs[1]->text->position.x, drawn.x, 1e-9);
  EXPECT_GT(runs[1]->text->position.x, runs[0]->text->position.x);
}

// A text without a style of its own (a DXF may leave it out) is edited in
// the drawing's Standard style, the one it is drawn in.
TEST(MTextEditable, ATextWithoutAStyleIsEditedInTheStandardStyle) {
  OdDbDatabasePtr database = OdDbDatabase::createObject();
  OdDbTextPtr source = OdDbText::createObject();
  source->setDatabaseDefaults(database.get());
  source->setTextString(u"a");
  source->setTextStyle(OdDbObjectId());
  database->addEntity(source.get());
  EXPECT_EQ(ExMTextEditable::createFrom(source)->defaultFormat().style.styleName().toUtf8(), "Standard");
}

}  // namespace

namespace {

// The filed state is the content and the text height, each kind of file in its order.
TEST(MTextEditable, FilesItsContentAndHeight) {
  OdDbDatabasePtr database = OdDbDatabase::createObject();
  OdDbMTextPtr source = OdDbMText::createObject();
  source->setDatabaseDefaults(database.get());
  source->setContents(u"{\\C1;a}\\Pb");
  source->setTextHeight(0.1 + 0.2);  // needs every digit
  database->addEntity(source.get());
  const ExMTextEditablePtr e = ExMTextEditable::createFrom(source);

  OdDbDxfFiler dxf;
  e->dxfOutFields(&dxf);
  std::vector<int> codes;
  for (const OdDxfTag& t : dxf.tags()) codes.push_back(t.code);
  EXPECT_EQ(codes, (std::vector<int>{100, 71, 74}));
  OdDbDwgFiler dwg;
  e->dwgOutFields(&dwg);

  for (const bool from_dxf : {true, false}) {
    const ExMTextEditablePtr back = ExMTextEditable::createObject();
    dxf.rewind();
    dwg.rewind();
    ASSERT_EQ(from_dxf ? back->dxfInFields(&dxf) : back->dwgInFields(&dwg), eOk);
    EXPECT_EQ(back->textHeight(), 0.1 + 0.2);
    EXPECT_EQ(back->currentContent(), e->currentContent());
    EXPECT_EQ(back->text().size(), e->text().size());
  }
}

}  // namespace

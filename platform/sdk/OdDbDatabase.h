// OdDbDatabase: one drawing, its objects, symbol tables and header variables.
//
// A new database holds layer "0", the text style "Standard" (font file
// "txt", text size 0), the blocks "*Model_Space" and "*Paper_Space" and the
// header variables with their defaults. Objects are owned by the database;
// ids stay valid while it lives. Handles come from the handle seed, which
// always names the next free handle.
#pragma once

#include <deque>
#include <map>
#include <memory>

#include "platform/sdk/OdDbObject.h"
#include "platform/sdk/OdResBuf.h"

class OdDbEntity;
class OdDbSymbolTable;
class OdDbSymbolTableRecord;
class OdDxfDocument;
using OdDbSymbolTablePtr = OdSmartPtr<OdDbSymbolTable>;

class OdDbDatabase : public OdRxObject {
  ODRX_DECLARE_MEMBERS(OdDbDatabase);

public:
  OdDbDatabase();
  ~OdDbDatabase() override;

  // For file readers: a database with the header variables' defaults but
  // no object at all, so the drawing's own tables and records can take
  // their handles. The reader then calls adoptBuiltIns.
  static OdSmartPtr<OdDbDatabase> createEmpty();
  // Takes the given symbol tables (any may be null) as the block, layer and
  // text style tables and finds "*Model_Space", "*Paper_Space", layer "0"
  // and style "Standard" in them by name; whatever is missing is made as a
  // new database makes it, with the next handles.
  void adoptBuiltIns(const OdDbObjectId& blocks, const OdDbObjectId& layers, const OdDbObjectId& styles);

  // Adds an object with the next handle and the given owner; an object that
  // is already in a database gives eAlreadyInDb, a null one eNullObjectPointer.
  OdDbObjectId addOdDbObject(OdDbObject* object, const OdDbObjectId& ownerId = OdDbObjectId::kNull);
  // Adds an object under a handle it already has (read from a file); the
  // seed moves past it. A taken or null handle gives eInvalidInput.
  OdDbObjectId addOdDbObject(OdDbObject* object, const OdDbObjectId& ownerId, OdDbHandle handle);
  OdDbObjectId getOdDbObjectId(const OdDbHandle& handle) const;
  // Every object id in handle order.
  std::vector<OdDbObjectId> objectIds() const;

  OdDbHandle handseed() const { return m_handseed; }
  void setHandseed(OdDbHandle seed);

  OdDbObjectId getModelSpaceId() const { return m_modelSpace; }
  OdDbObjectId getPaperSpaceId() const { return m_paperSpace; }
  // Appends to model space.
  OdDbObjectId addEntity(OdDbEntity* entity);
  // The space the user works in, where new objects go and selections pick
  // from: paper space while a layout shows (TILEMODE 0) with the layout's
  // own viewport active (CVPORT 1), model space otherwise.
  OdDbObjectId activeSpaceId() const;
  // The version of the file the drawing was read from as its $ACADVER
  // number (1009 for R12, 1015 for R2000), or 0 for a drawing made in memory.
  int originalFileVersion() const;

  OdDbObjectId getLayerTableId() const { return m_layers; }
  OdDbObjectId getTextStyleTableId() const { return m_textStyles; }
  OdDbObjectId getBlockTableId() const { return m_blocks; }
  OdDbSymbolTablePtr layerTable() const;
  OdDbSymbolTablePtr textStyleTable() const;
  OdDbSymbolTablePtr blockTable() const;
  OdDbObjectId getLayerZeroId() const { return m_layerZero; }
  OdDbObjectId getTextStyleStandardId() const { return m_standardStyle; }

  // Header variables by name (any letter case, with or without a '$').
  // An unknown name throws OdError(eKeyNotFound). Setting a known variable
  // to a value of another kind throws eInvalidInput and keeps the old value;
  // setting an unknown name adds it.
  OdResBuf getSysVar(const OdString& name) const;
  void setSysVar(const OdString& name, const OdResBuf& value);
  bool hasSysVar(const OdString& name) const;

  double getTEXTSIZE() const { return getSysVar(u"TEXTSIZE").getDouble(); }
  void setTEXTSIZE(double size) { setSysVar(u"TEXTSIZE", OdResBuf::real(size)); }
  // The current style's id; a name that no longer names a style gives Standard.
  OdDbObjectId getTEXTSTYLE() const;
  void setTEXTSTYLE(const OdDbObjectId& styleId);
  double getDIMSCALE() const { return getSysVar(u"DIMSCALE").getDouble(); }
  int getTEXTEVAL() const { return getSysVar(u"TEXTEVAL").getInt32(); }
  int getTEXTALLCAPS() const { return getSysVar(u"TEXTALLCAPS").getInt32(); }
  int getLUPREC() const { return getSysVar(u"LUPREC").getInt32(); }
  int getCMDACTIVE() const { return getSysVar(u"CMDACTIVE").getInt32(); }
  int getTILEMODE() const { return getSysVar(u"TILEMODE").getInt32(); }
  int getCVPORT() const { return getSysVar(u"CVPORT").getInt32(); }

  const OdString& getFilename() const { return m_filename; }
  void setFilename(const OdString& path) { m_filename = path; }

  // The DXF file the database was read from, as read, so that writing it
  // back keeps every record the module did not change; null for a new drawing.
  const std::shared_ptr<OdDxfDocument>& dxfDocument() const { return m_dxfDocument; }
  void setDxfDocument(std::shared_ptr<OdDxfDocument> document) { m_dxfDocument = std::move(document); }

protected:
  struct empty_tag {};
  explicit OdDbDatabase(empty_tag);

private:
  static OdString sysvar_key(const OdString& name);
  void create_defaults();
  OdDbObjectId built_in_table(const OdDbObjectId& given);
  OdDbObjectId built_in_record(const OdDbObjectId& tableId, OdDbSymbolTableRecord* record);
  OdDbObjectId add_table_record(const OdDbObjectId& tableId, OdDbObject* record);
  od_db_stub* new_stub(OdDbObject* object, const OdDbObjectId& ownerId, OdDbHandle handle);

  std::deque<od_db_stub> m_stubs;
  std::map<std::uint64_t, od_db_stub*> m_byHandle;
  OdDbHandle m_handseed{1};
  OdDbObjectId m_layers, m_textStyles, m_blocks;
  OdDbObjectId m_modelSpace, m_paperSpace, m_layerZero, m_standardStyle;
  std::map<OdString, OdResBuf> m_sysvars;
  OdString m_filename;
  std::shared_ptr<OdDxfDocument> m_dxfDocument;
};

using OdDbDatabasePtr = OdSmartPtr<OdDbDatabase>;

// Registers every class of the database layer once; later calls do nothing.
// The first database created calls it.
void odDbInitialize();

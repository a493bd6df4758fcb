// A drawing as a document, handed to commands as their context. Counted:
// it lives while a command holds it.
#pragma once

#include <typeinfo>
#include <utility>

#include "platform/host/IHostAppServices.h"
#include "platform/sdk/OdDbDatabase.h"

class host_document final : public IHostDocument {
public:
  host_document(OdDbDatabase* database, OdString name) : m_database(database), m_name(std::move(name)) {}
  long AddRef() override { return ++m_refs; }
  long Release() override;
  bool QueryInterface(const std::type_info& type, void** out) override;
  OdDbDatabase* database() override { return m_database.get(); }
  OdString name() const override { return m_name; }

private:
  ~host_document() = default;
  long m_refs = 1;
  OdDbDatabasePtr m_database;
  OdString m_name;
};

#include "platform/sdk/OdDbField.h"

#include "platform/sdk/OdDbDatabase.h"

ODRX_CONS_DEFINE_MEMBERS(OdDbField, OdDbObject, u"FIELD")

namespace {
const OdString open_marker(u"%<"), close_marker(u">%");

// Strips one pair of outer markers, when the whole code is inside them.
OdString without_markers(const OdString& code) {
  OdString trimmed = code;
  trimmed.trimLeft().trimRight();
  const int n = trimmed.getLength();
  if (n >= 4 && trimmed.left(2) == open_marker && trimmed.right(2) == close_marker)
    return trimmed.mid(2, n - 4);
  return code;
}
}  // namespace

void OdDbField::setFieldCode(const OdString& code, int, const std::vector<OdDbField*>* children) {
  assertWriteEnabled();
  m_code = without_markers(code);
  m_children.clear();
  if (children)
    for (OdDbField* child : *children)
      if (child) m_children.emplace_back(child);
  m_state = kInitialized | kCompiled | kModified;
  m_value = u"####";
}

OdString OdDbField::getFieldCode(int flags) const {
  if (flags & kAddMarkers) return open_marker + m_code + close_marker;
  return m_code;
}

OdString OdDbField::getFormat() const {
  const std::string code = m_code.toUtf8();
  const size_t at = code.find("\\f \"");
  if (at == std::string::npos) return OdString();
  const size_t end = code.find('"', at + 4);
  return end == std::string::npos ? OdString() : OdString::fromUtf8(code.substr(at + 4, end - at - 4));
}

OdResult OdDbField::evaluate(int option, OdDbDatabase* db) {
  if (option != 0 && (option & m_evaluationOption) == 0) return eOk;
  const std::optional<OdString> value = odEvaluateFieldCode(m_code, db ? db : database());
  m_value = value ? *value : OdString(u"####");
  m_state |= kEvaluated | kHasCache;
  return value ? eOk : eInvalidInput;
}

OdDbObjectId OdDbField::postInDatabase(OdDbDatabase* db) {
  if (!db) throw OdError(eNoDatabase);
  return objectId().isNull() ? db->addOdDbObject(this) : objectId();
}

int oddbEvaluateFields(OdDbDatabase* database, int option) {
  if (!database) throw OdError(eNoDatabase);
  int evaluated = 0;
  for (const OdDbObjectId& id : database->objectIds()) {
    OdDbObject* object = id.peekObject();
    auto* field = dynamic_cast<OdDbField*>(object);
    if (field && !field->isErased() && field->evaluate(option, database) == eOk) ++evaluated;
    // Fields set on an object before it joined the database are not objects of their own.
    if (!object || object->isErased()) continue;
    for (const OdString& name : object->fieldNames()) {
      auto* held = dynamic_cast<OdDbField*>(object->getField(name).get());
      if (held && held->objectId().isNull() && held->evaluate(option, database) == eOk) ++evaluated;
    }
  }
  return evaluated;
}

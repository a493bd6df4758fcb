// OdDbField: a field — a code such as "%<\AcVar Date>%" whose value is
// evaluated from the drawing and cached as text.
//
// Evaluated kinds: \AcVar Date (with an optional \f "format" of d, dd, ddd,
// dddd, M, MM, MMM, MMMM, yy, yyyy, H, HH, h, hh, mm, ss, tt), \AcVar
// Filename (\f "%fn1" name without extension, "%fn2" with extension (the
// default), "%fn6" full path) and \AcObjProp Object(%<\_ObjId N>%).Prop
// with N the object's handle in decimal and Prop one of TextString,
// Contents, Height, TextHeight, Rotation, Layer, Width. Anything else
// evaluates to "####". The code is kept as given, for writing back.
#pragma once

#include <vector>

#include "platform/sdk/OdDbObject.h"

class OdDbField : public OdDbObject {
  ODRX_DECLARE_MEMBERS(OdDbField);

public:
  enum FieldCodeFlag { kFieldCode = 0x1, kEvaluatedText = 0x2, kAddMarkers = 0x10 };
  enum EvalOption { kDisable = 0, kOnOpen = 1, kOnSave = 2, kOnPlot = 4, kOnEtransmit = 8,
                    kOnRegen = 16, kOnDemand = 32, kAutomatic = 63 };
  enum State { kInitialized = 1, kCompiled = 2, kModified = 4, kEvaluated = 8, kHasCache = 16 };

  // The code with or without its outer "%<" ">%" markers; it is stored
  // without them. Children are kept as given.
  void setFieldCode(const OdString& code, int flags = 0, const std::vector<OdDbField*>* children = nullptr);
  // With kAddMarkers (16) the code comes back inside "%<" and ">%".
  OdString getFieldCode(int flags = 0) const;
  int evaluationOption() const { return m_evaluationOption; }
  void setEvaluationOption(int option) { assertWriteEnabled(); m_evaluationOption = option; }
  int state() const { return m_state; }

  // Evaluates when `option` shares a bit with the field's evaluation option
  // (0 evaluates always); the value becomes the result or "####". The
  // database is the one the code refers to (the field's own when null).
  // Answers eOk, or eInvalidInput when the code could not be evaluated.
  OdResult evaluate(int option, OdDbDatabase* database = nullptr);
  // The cached value; before any evaluation, "####".
  OdString getValue() const { return m_value; }
  // The value a drawing file cached, kept until the next evaluation.
  void setCachedValue(const OdString& value) { assertWriteEnabled(); m_value = value; m_state |= kHasCache; }
  // The \f "format" part of the code, empty when there is none.
  OdString getFormat() const;
  // Adds the field to a database as an object of its own.
  OdDbObjectId postInDatabase(OdDbDatabase* database);
  const std::vector<OdDbObjectPtr>& children() const { return m_children; }

private:
  OdString m_code;
  int m_evaluationOption = kAutomatic;
  int m_state = kInitialized;
  OdString m_value{u"####"};
  std::vector<OdDbObjectPtr> m_children;
};
using OdDbFieldPtr = OdSmartPtr<OdDbField>;

// Evaluates every field of the database (fields that are objects of their
// own and those held by other objects); answers how many gave a value.
int oddbEvaluateFields(OdDbDatabase* database, int option = OdDbField::kAutomatic);

// The value of one field code (without markers) against a database, or
// nothing when the code is not one this layer evaluates.
std::optional<OdString> odEvaluateFieldCode(const OdString& code, OdDbDatabase* database);

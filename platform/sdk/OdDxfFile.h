// Reading ASCII DXF drawings into a database and writing them back.
//
// A drawing read and written without changes comes out tag for tag as it
// was read; objects changed or added since are written from the model. Any
// failure throws OdDxfError before the target is touched: binary DXF and
// DWG files are refused by their signature, malformed text names its line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdError.h"

class OdDxfError : public OdError {
public:
  // `line` is 0 when the error is not tied to a line (empty file, I/O).
  // what() reads "line 57: expected a group code, found 'abc'".
  OdDxfError(OdResult code, const std::string& message, std::size_t line = 0);
  std::size_t line() const { return m_line; }
  // The message without its line number.
  const std::string& message() const { return m_message; }

private:
  std::size_t m_line;
  std::string m_message;
};

// Reads the drawing at `path`; its file name becomes the database's.
OdDbDatabasePtr odDxfReadFile(const std::string& path);
// Writes the database to `path` through a temporary file in the same folder
// that replaces the target only once it is complete. A database that was
// not read from DXF is written as an R2000 drawing of its own.
void odDxfWriteFile(OdDbDatabase* database, const std::string& path);

// The same in memory: a drawing from the bytes of a file (`name` becomes
// the database's file name), and the bytes odDxfWriteFile would write.
OdDbDatabasePtr odDxfReadBytes(std::string_view bytes, const std::string& name = std::string());
std::string odDxfWriteBytes(OdDbDatabase* database);

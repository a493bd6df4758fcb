// The columns of an MTEXT record in both of their stored forms.
//
// From R2018 on the columns are an embedded object (101 "Embedded Object")
// after the MTEXT's own values. Before, they are extended data of the
// application "ACAD" in BEGIN/END sections, and every column after the
// first is an MTEXT record of its own, listed by handle in the
// ACAD_MTEXT_COLUMNS section; the model joins their contents into the first.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/sdk/OdDbMText.h"
#include "platform/sdk/OdDxfTag.h"

struct od_mtext_columns {
  OdDbMText::ColumnType type = OdDbMText::kNoColumns;
  int count = 1;
  double width = 0.0, gutter = 0.0;
  bool autoHeight = false, flowReversed = false;
  // Heights of dynamic columns with manual heights, one per column.
  std::vector<double> heights;
  // The frame height the ACAD extended data keeps beside the columns.
  std::optional<double> definedHeight;
  // Handles of the records that hold the second and later columns.
  std::vector<std::uint64_t> linkedColumns;
};

// The columns of the model's text.
od_mtext_columns odDxfColumnsOf(const OdDbMText& mtext);
// Puts column type, count, widths, flags and heights into the model.
void odDxfApplyColumns(const od_mtext_columns& columns, OdDbMText& mtext);
// Equal as the model sees them (type, count, widths, flags, manual heights).
bool odDxfSameColumns(const od_mtext_columns& a, const od_mtext_columns& b);

// The embedded-object form; nothing when the record has none.
std::optional<od_mtext_columns> odDxfReadEmbeddedColumns(const OdDxfTags& record);
// Replaces (or removes, for no columns) the record's embedded object.
void odDxfWriteEmbeddedColumns(OdDxfTags& record, const OdDbMText& mtext);

// The extended-data form; nothing when the record has no ACAD sections.
std::optional<od_mtext_columns> odDxfReadXDataColumns(const OdDxfTags& record);
// Replaces the column, linked-column and defined-height sections of the
// "ACAD" extended data, keeping its other sections; `columns` of type none
// with no defined height removes them.
void odDxfWriteXDataColumns(OdDxfTags& record, const od_mtext_columns& columns);

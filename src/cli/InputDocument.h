#pragma once

#include "document/Document.h"
#include "files/DelimitedTable.h"
#include "files/RowTake.h"

#include <string>

// The document a batch fit works on, read from a file. A data file (.dat)
// gives the window's document: its table, roles, row count and fit
// configuration. Any other file is read as delimited text, as the window's "Import Data
// File..." reads it (the layout detected where `layout` leaves it open, the rows `take`
// chooses), and keeps every other setting at a new document's defaults: a table with a
// header has its names, one without keeps X and Y. Throws KelvaneError with the text to
// show when the file cannot be read or cannot be taken as a document or a table, or when
// a layout is chosen for a document.
// A text table longer than the window's may be read for a user model: up to mostTextRows
// rows, each in sight.
Document loadInputDocument(const std::string& path, const LayoutChoice& layout = {},
                           const RowTake& take = {},
                           int mostTextRows = DataTable::ROW_COUNT_CHOICES.back());

#pragma once

#include "document/Document.h"

#include <string>

// The document a batch fit works on, read from a file. A data file (.dat)
// gives the window's document: its table, roles, row count and fit
// configuration. A plain-text table goes into the table the way the window's
// text import puts it there (line i is row i, the first line fixes the
// columns) and keeps every other setting at a new document's defaults. Throws
// KelvaneError with the text to show when the file cannot be read or cannot
// be taken as a document or a table.
// A text table longer than the window's may be read for a user model: up to mostTextRows
// rows, each in sight.
Document loadInputDocument(const std::string& path,
                           int mostTextRows = DataTable::ROW_COUNT_CHOICES.back());

#pragma once

#include "table/CellRange.h"
#include "table/ClipboardText.h"
#include "table/SeriesFill.h"

#include <vector>

// The cells a paste writes, in the order they are written (a later write of a cell wins).
// The pasted rows land from the top-left cell of the selection, one table row per line and
// one column per cell; what would fall outside `editable` (the data cells) is dropped, so
// the table never grows. A selection larger than what was pasted is then filled: one
// pasted cell goes into every selected cell; a selection one column wide or one row high
// takes the series its first two pasted values start (continueSeries); otherwise, and when
// the values start no series, the pasted cells stay as they are.
std::vector<CellWrite> planPaste(const PasteTextReader::Rows& pasted, const CellRect& selection,
                                 const CellRect& editable, const SeriesFormats& formats);

// How many lines and cells a paste into `selection` can place: reading stops there.
CellRect pasteReach(const CellRect& selection, const CellRect& editable);

#pragma once

#include "table/DataTable.h"

#include <cstdint>

// When the table is printed, the X and Y cells of the rows a shown fit used, when the fit
// was limited to a selection of rows, stand out: bold type on this light green, given as
// 0xBBGGRR like the document's colours. Every other cell prints in the table's own style.
inline constexpr std::uint32_t PRINT_MARK_COLOR = 0xC0DCC0; // 12639424

// Whether cell (column, row) is marked, under the last row selection
// selectionTop..selectionBottom.
bool isPrintMarked(int column, int row, const ColumnRoles& roles, int selectionTop,
                   int selectionBottom, bool fitShown);

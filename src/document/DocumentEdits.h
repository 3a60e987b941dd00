#pragma once

#include "document/Document.h"

#include <string>

// The changes of the document that more than one field takes part in. Each
// changes the document completely and says what the shell runs afterwards;
// none calls out of the core.

// What follows a change, in this order: ClearFit, then RebuildPlot, then
// RefreshFit. Changes of the data end a shown fit; changes of only the graph's
// ranges recompute it over the new ranges.
struct Cascade {
    bool clearFit = false;
    bool rebuildPlot = false;
    bool refreshFit = false;

    bool operator==(const Cascade& o) const {
        return clearFit == o.clearFit && rebuildPlot == o.rebuildPlot && refreshFit == o.refreshFit;
    }
};

// A mouse button released over the table: the selection becomes rows
// top..bottom, those of the summary block left out. A shown fit belongs to the old selection, so it goes and the
// document counts as changed.
Cascade selectionChanged(Document& document, int top, int bottom, bool fitShown);

// The current cell moved to `row`: a multi-row selection ends there; a
// single row changes nothing.
Cascade currentCellChanged(Document& document, int row, bool fitShown);

// After the row count went down: a selection that reaches past the last data
// row would have the fit read rows that are no longer there, so it collapses
// to the current cell's row. True when it did.
bool keepSelectionInTable(Document& document, int currentRow);

// Removes data column `column`; the roles behind it move down by one. A role
// on the column itself is the caller's to settle first.
void deleteColumn(Document& document, int column);

// Renames a column; an axis title that shows the old name takes the new one.
void renameColumn(Document& document, int column, const std::string& name);

// After the table lost columns (an import with fewer): a role naming a column
// the table no longer has would read past it. dX and dY become none; X and Y
// fall back to columns 1 and 2, or 1 where there is only one.
void keepRolesInTable(Document& document);

// "Select Columns for Graph" confirmed: the roles, and the axis titles from
// the names of the X and Y columns. The points change, so a shown fit goes.
Cascade chooseColumns(Document& document, const ColumnRoles& roles);

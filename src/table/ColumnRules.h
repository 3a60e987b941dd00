#pragma once

#include "common/FitConfig.h"
#include "common/UserMessage.h"
#include "table/DataTable.h"

#include <optional>
#include <string>
#include <vector>

// The checks of the column dialogs, decided without any window so that the
// dialogs only show what these return.

// Messages refusing a new column's name, in the order they are shown; empty
// when the name is accepted. A blank name may draw both messages.
std::vector<UserMessage> newColumnNameProblems(const DataTable& table, const std::string& name);

// The same for renaming a column (the blank message is worded differently,
// and the column's own name counts as used).
std::vector<UserMessage> renameColumnProblems(const DataTable& table, const std::string& name);

// The refusal of "Delete Column" when the table is at the smallest size the
// error method needs.
std::optional<UserMessage> deleteColumnSizeRefusal(const DataTable& table, ErrorMethod method);

// What deleting data column k does to the roles, or why it is refused.
struct ColumnDeletion {
    std::optional<UserMessage> refusal;
    bool clearsDx = false;
    bool clearsDy = false;
};
ColumnDeletion decideColumnDeletion(const ColumnRoles& roles, ErrorMethod method, int column);

// "Delete Column" confirmed without a choice.
UserMessage noColumnChosenRefusal();

// The refusal of "Select Columns for Graph" when the error method needs an
// uncertainty column that was not chosen (-1).
std::optional<UserMessage> selectColumnsRefusal(ErrorMethod method, int chosenDx, int chosenDy);

#pragma once

#include "common/FitConfig.h"
#include "common/UserMessage.h"
#include "table/DataTable.h"

#include <optional>

// The error method draws bars and their columns are chosen: a dY column for
// "Y Error Bars", a dX and a dY column for "X and Y Error Bars".
bool errorBarColumnsChosen(ErrorMethod method, const ColumnRoles& roles);

// The Yes/No question "Show Error Bars" asks when the error method's columns
// are not all chosen; nothing when they are, or when the method has no bars.
std::optional<UserMessage> errorBarColumnsQuestion(ErrorMethod method, const ColumnRoles& roles);

// The widths the "Error Bar Width" menu offers.
constexpr int MAX_ERROR_BAR_WIDTH = 5;

// The pen width the bars are drawn with: a document's own width when the menu offers it, 1
// for any other (a file may hold any integer, and a pen thousands of pixels wide would paint
// the whole graph over). The menu marks the same item.
int shownErrorBarWidth(int documentWidth);

// The status bar's error-bar panel.
const char* errorBarStatusText(bool shown);

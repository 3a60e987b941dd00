#include "table/PrintMarking.h"

bool isPrintMarked(int column, int row, const ColumnRoles& roles, int selectionTop,
                   int selectionBottom, bool fitShown) {
    return fitShown && selectionTop != selectionBottom && row >= selectionTop &&
           row <= selectionBottom && (column == roles.x || column == roles.y);
}

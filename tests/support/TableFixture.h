#pragma once

#include "document/Document.h"

#include <algorithm>
#include <string>
#include <vector>

// A table whose data rows 1.. hold the given cells in columns 1.., with as
// many columns as the widest row needs (named "C3", "C4", ... beyond X and Y).
inline DataTable tableWith(const std::vector<std::vector<std::string>>& rows) {
    DataTable t;
    std::size_t columns = 0;
    for (const auto& row : rows)
        columns = std::max(columns, row.size());
    while (static_cast<std::size_t>(t.columnCount() - 1) < columns)
        t.addColumn("C" + std::to_string(t.columnCount()));
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            t.setCellText(static_cast<int>(c) + 1, static_cast<int>(r) + 1, rows[r][c]);
    return t;
}

// A new document whose table is tableWith(rows).
inline Document documentWith(const std::vector<std::vector<std::string>>& rows) {
    Document d;
    d.table = tableWith(rows);
    return d;
}

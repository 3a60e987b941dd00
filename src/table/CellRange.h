#pragma once

#include <algorithm>
#include <string>

// A rectangle of table cells, in table coordinates (row 0 is the names row, column 0 the
// row numbers), both corners included.
struct CellRect {
    int left = 1;
    int top = 1;
    int right = 1;
    int bottom = 1;

    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
    int cellCount() const { return width() * height(); }
    bool contains(int column, int row) const {
        return column >= left && column <= right && row >= top && row <= bottom;
    }
    // The smallest rectangle holding both.
    CellRect united(const CellRect& o) const {
        return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right),
                std::max(bottom, o.bottom)};
    }
    bool operator==(const CellRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

// One cell's new text.
struct CellWrite {
    int column = 1;
    int row = 1;
    std::string text;

    bool operator==(const CellWrite& o) const {
        return column == o.column && row == o.row && text == o.text;
    }
};

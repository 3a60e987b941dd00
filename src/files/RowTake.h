#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// Which of a file's data rows go into the table, which holds fewer than a logger writes:
// rows `first` to `last` (from 1; 0 is the last row), every `every`-th of them, as many
// as `most` allows.
struct RowTake {
    std::size_t first = 1;
    std::size_t last = 0;
    std::size_t every = 1;
};

// The take a file starts with: all its rows, thinned evenly (every ceil(rowCount / most)-th)
// when they are more than `most`.
RowTake evenTake(std::size_t rowCount, std::size_t most);

// The indexes (from 0) of the rows taken out of `rowCount`.
std::vector<std::size_t> takenRows(std::size_t rowCount, const RowTake& take, std::size_t most);

// What the user is told when rows are left out: how many, and why.
std::optional<std::string> leftOutNotice(std::size_t rowCount, std::size_t taken, std::size_t most);
// What the import preview says of the rows taken: the notice above, or that all are.
std::string importNotice(std::size_t rowCount, std::size_t taken, std::size_t most);

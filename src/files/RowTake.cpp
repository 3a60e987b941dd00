#include "files/RowTake.h"

#include <algorithm>

RowTake evenTake(std::size_t rowCount, std::size_t most) {
    RowTake take;
    take.every = most == 0 ? 1 : std::max<std::size_t>(1, (rowCount + most - 1) / most);
    return take;
}

std::vector<std::size_t> takenRows(std::size_t rowCount, const RowTake& take, std::size_t most) {
    std::vector<std::size_t> rows;
    const std::size_t last = take.last == 0 ? rowCount : std::min(take.last, rowCount);
    const std::size_t step = std::max<std::size_t>(take.every, 1);
    for (std::size_t row = std::max<std::size_t>(take.first, 1); row <= last && rows.size() < most;
         row += step)
        rows.push_back(row - 1);
    return rows;
}

std::optional<std::string> leftOutNotice(std::size_t rowCount, std::size_t taken,
                                         std::size_t most) {
    if (taken >= rowCount)
        return std::nullopt;
    std::string text = "The file has " + std::to_string(rowCount) + " data rows; " +
                       std::to_string(taken) + " are imported and " +
                       std::to_string(rowCount - taken) + " left out.";
    if (rowCount > most)
        text += " The table holds at most " + std::to_string(most) + ": choose which rows to take.";
    return text;
}

std::string importNotice(std::size_t rowCount, std::size_t taken, std::size_t most) {
    return leftOutNotice(rowCount, taken, most)
        .value_or("The file has " + std::to_string(rowCount) + " data rows; all are imported.");
}

#include "files/FileMessages.h"

std::string propertyDoesNotExist(const std::string& name) {
    return "Property " + name + " does not exist";
}

std::string notAValidInteger(const std::string& text) {
    return "'" + text + "' is not a valid integer value";
}

std::string cannotOpenFile(const std::string& path) {
    return "Cannot open file " + path;
}

std::string cannotCreateFile(const std::string& path) {
    return "Cannot create file " + path;
}

std::string documentTooLarge(std::size_t mostBytes) {
    return "The file is larger than " + std::to_string(mostBytes >> 20) +
           " MB; no document Kelvane writes is that large.";
}

std::string tooManyColumns(long long columns, int mostColumns) {
    return "The document has " + std::to_string(columns) + " columns; Kelvane opens documents of " +
           "at most " + std::to_string(mostColumns) + " columns.";
}

std::string tooManyRows(long long rows, int mostRows) {
    return "The document has " + std::to_string(rows) + " rows; Kelvane's table holds at most " +
           std::to_string(mostRows) + ": the names and " + std::to_string(mostRows - 1) +
           " data rows.";
}

std::string damagedUserParameter(const std::string& row) {
    return "'" + row + "' is not a parameter of a user-defined fit (name, start, FREE or " +
           "FIXED, lower and upper bound or -)";
}

std::string userModelTextTooLong(std::size_t mostCharacters) {
    return "The user-defined fit in the file is longer than " + std::to_string(mostCharacters) +
           " characters; no law Kelvane saves is that long.";
}

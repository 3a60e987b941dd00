#pragma once

#include <cstddef>
#include <string>

// The texts with which reading and writing a data file stop. The reader's are the
// messages users of the program's documents know; the limits have texts of their own.

inline constexpr const char* INVALID_STREAM_FORMAT = "Invalid stream format";
inline constexpr const char* INVALID_PROPERTY_VALUE = "Invalid property value";
inline constexpr const char* STREAM_READ_ERROR = "Stream read error";

std::string propertyDoesNotExist(const std::string& name);
std::string notAValidInteger(const std::string& text);
std::string cannotOpenFile(const std::string& path);
std::string cannotCreateFile(const std::string& path);

std::string documentTooLarge(std::size_t mostBytes);
std::string tooManyColumns(long long columns, int mostColumns);
std::string tooManyRows(long long rows, int mostRows);
std::string damagedUserParameter(const std::string& row);
std::string userModelTextTooLong(std::size_t mostCharacters);

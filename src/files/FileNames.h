#pragma once

#include <string>

// The name a file is written under: the chosen name, with the extension
// appended unless the name already contains it anywhere (case-sensitive, so
// "my.data" keeps its name for ".dat" and "DATA.TXT" gets ".txt").
inline std::string withExtension(const std::string& name, const std::string& extension) {
    return name.find(extension) == std::string::npos ? name + extension : name;
}

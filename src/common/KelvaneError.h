#pragma once

#include <stdexcept>
#include <string>

// The one error type of the core. Its text is exactly what the user sees in
// the message box: commands stop where it is thrown and the shell's command
// wrapper shows what(). The fit engine never throws; it returns a status.
class KelvaneError : public std::runtime_error {
public:
    explicit KelvaneError(const std::string& message) : std::runtime_error(message) {}
};

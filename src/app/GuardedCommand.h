#pragma once

#include <functional>
#include <optional>
#include <string>

class UiServices;

// Runs one command so that an error ends only that command: the error's text is shown in a
// message box and the program goes on. Every command handler runs through here, so no
// exception ever reaches the event loop; what the command changed before the error stays
// changed. Returns the text of the error it showed, if any.
std::optional<std::string> runCommand(UiServices& ui, const std::function<void()>& command);

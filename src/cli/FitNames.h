#pragma once

#include "common/FitConfig.h"

#include <optional>
#include <string>
#include <vector>

// The short words the command line uses for the fitting functions and the
// error methods, easier to type in a script than the menu items.

std::optional<FitType> fitTypeNamed(const std::string& name);
std::optional<ErrorMethod> errorMethodNamed(const std::string& name);
const char* nameOf(FitType type);
const char* nameOf(ErrorMethod method);

// Every word, in the order the help lists them.
std::vector<std::string> fitTypeNames();
std::vector<std::string> errorMethodNames();

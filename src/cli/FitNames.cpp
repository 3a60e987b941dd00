#include "cli/FitNames.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<const char*, FitType>, 8> FIT_TYPE_NAMES = {{
    {"linear", FitType::LINEAR},
    {"origin", FitType::LINEAR_NO_A},
    {"exp", FitType::EXPONENTIAL},
    {"power", FitType::POWERLAW},
    {"poly2", FitType::SECONDPOLY},
    {"poly3", FitType::THIRDPOLY},
    {"poly4", FitType::FORTHPOLY},
    {"poly5", FitType::FIFTHPOLY},
}};

constexpr std::array<std::pair<const char*, ErrorMethod>, 3> ERROR_METHOD_NAMES = {{
    {"estimate", ErrorMethod::ESTDY},
    {"dy", ErrorMethod::DYI},
    {"dxdy", ErrorMethod::DXIDYI},
}};

template <typename Value, std::size_t N>
using NameTable = std::array<std::pair<const char*, Value>, N>;

template <typename Value, std::size_t N>
std::optional<Value> valueNamed(const NameTable<Value, N>& table, const std::string& name) {
    for (const auto& [word, value] : table)
        if (name == word)
            return value;
    return std::nullopt;
}

template <typename Value, std::size_t N>
const char* nameIn(const NameTable<Value, N>& table, Value value) {
    for (const auto& [word, v] : table)
        if (v == value)
            return word;
    return "";
}

template <typename Value, std::size_t N>
std::vector<std::string> namesIn(const NameTable<Value, N>& table) {
    std::vector<std::string> names;
    for (const auto& entry : table)
        names.emplace_back(entry.first);
    return names;
}

} // namespace

std::optional<FitType> fitTypeNamed(const std::string& name) {
    return valueNamed(FIT_TYPE_NAMES, name);
}

std::optional<ErrorMethod> errorMethodNamed(const std::string& name) {
    return valueNamed(ERROR_METHOD_NAMES, name);
}

const char* nameOf(FitType type) {
    return nameIn(FIT_TYPE_NAMES, type);
}
const char* nameOf(ErrorMethod method) {
    return nameIn(ERROR_METHOD_NAMES, method);
}

std::vector<std::string> fitTypeNames() {
    return namesIn(FIT_TYPE_NAMES);
}
std::vector<std::string> errorMethodNames() {
    return namesIn(ERROR_METHOD_NAMES);
}

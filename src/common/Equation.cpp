#include "common/Equation.h"

#include <fparser.hh>

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

std::vector<std::string> splitNames(const std::string& list) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start < list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        names.push_back(list.substr(start, comma - start));
        start = comma + 1;
    }
    return names;
}

// The names that occur in the text as whole words. A number such as 2e5 is one word too,
// which names no variable.
std::vector<bool> namesUsed(const std::string& text, const std::vector<std::string>& names) {
    std::vector<bool> used(names.size(), false);
    std::size_t i = 0;
    while (i < text.size()) {
        if (!Equation::isNameCharacter(text[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && Equation::isNameCharacter(text[end]))
            ++end;
        const std::string word = text.substr(i, end - i);
        for (std::size_t n = 0; n < names.size(); ++n)
            used[n] = used[n] || names[n] == word;
        i = end;
    }
    return used;
}

// The first bracket that opens more than MAX_BRACKET_DEPTH levels, or npos.
std::size_t tooDeepBracket(const std::string& text) {
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '(' && ++depth > Equation::MAX_BRACKET_DEPTH)
            return i;
        if (text[i] == ')')
            --depth;
    }
    return std::string::npos;
}

} // namespace

bool Equation::isNameCharacter(char c) {
    const auto u = static_cast<unsigned char>(c);
    return std::isalnum(u) || c == '_' || u >= 0x80;
}

Equation::Equation() : parser_(std::make_unique<FunctionParser>()) {}
Equation::Equation(Equation&&) noexcept = default;
Equation& Equation::operator=(Equation&&) noexcept = default;
Equation::~Equation() = default;

std::variant<Equation, Equation::ParseFailure> Equation::parse(const std::string& text,
                                                               const std::string& variables) {
    if (text.size() > MAX_LENGTH)
        return ParseFailure{"Equation longer than " + std::to_string(MAX_LENGTH) + " characters",
                            static_cast<int>(MAX_LENGTH)};
    if (const std::size_t deep = tooDeepBracket(text); deep != std::string::npos)
        return ParseFailure{"Brackets nested more than " + std::to_string(MAX_BRACKET_DEPTH) +
                                " deep",
                            static_cast<int>(deep)};
    Equation equation;
    // Without Optimize(): folding constants would hide the errors of constant parts
    // (1/0 would evaluate to 0 without an error).
    const int position = equation.parser_->Parse(text, variables);
    if (position >= 0)
        return ParseFailure{equation.parser_->ErrorMsg(), position};
    equation.used_ = namesUsed(text, splitNames(variables));
    return equation;
}

std::optional<double> Equation::evaluate(const std::vector<double>& values) {
    // The parser reads one value per variable, however many it is given.
    std::vector<double> all = values;
    all.resize(used_.size(), 0.0);
    return evaluate(all.data());
}

std::optional<double> Equation::evaluate(const double* values) {
    const double value = parser_->Eval(values);
    // On an error the parser returns 0, which would pass for a result.
    if (parser_->EvalError() != 0 || !std::isfinite(value))
        return std::nullopt;
    return value;
}

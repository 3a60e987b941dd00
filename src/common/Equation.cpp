#include "common/Equation.h"

#include <fparser.hh>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

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

std::vector<bool> namesUsed(const std::string& text, const std::vector<std::string>& names) {
    const std::vector<std::string> words = Equation::words(text);
    std::vector<bool> used(names.size(), false);
    for (std::size_t n = 0; n < names.size(); ++n)
        used[n] = std::find(words.begin(), words.end(), names[n]) != words.end();
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

// The inline variable of the padding below, a name no equation can use (it starts with an
// underscore followed by a digit, which the program never gives a variable), and the most
// places it reserves: an equation needing more would be thousands of operators deep.
const std::string PADDING_NAME = "_0padding";
constexpr int MOST_PADDING = 1000;

// The text with every call pow(a, b) written as ((a)^(b)). The parser's pow() with some
// constant whole exponents (7, 11, 13, 14, -7, ...) sizes its evaluation stack one short
// and writes past it on every evaluation; its ^ operator computes the same power safely.
// Only for a text that parses, so every pow( has its comma and closing bracket.
std::string withPowerOperators(const std::string& text) {
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const bool word = text.compare(i, 3, "pow") == 0 &&
                          (i == 0 || !Equation::isNameCharacter(text[i - 1])) &&
                          (i + 3 >= text.size() || !Equation::isNameCharacter(text[i + 3]));
        std::size_t open = i + 3;
        while (word && open < text.size() && std::isspace(static_cast<unsigned char>(text[open])))
            ++open;
        if (!word || open >= text.size() || text[open] != '(') {
            out += text[i++];
            continue;
        }
        std::size_t comma = std::string::npos, close = open + 1;
        for (int depth = 0; close < text.size(); ++close) {
            const char c = text[close];
            if (c == '(')
                ++depth;
            else if (c == ')' && depth-- == 0)
                break;
            else if (c == ',' && depth == 0 && comma == std::string::npos)
                comma = close;
        }
        if (comma == std::string::npos || close >= text.size()) {
            out += text[i++];
            continue;
        }
        out += "((" + withPowerOperators(text.substr(open + 1, comma - open - 1)) + ")^(" +
               withPowerOperators(text.substr(comma + 1, close - comma - 1)) + "))";
        i = close + 1;
    }
    return out;
}

// Where the text raises powers, the text evaluated instead: pow() calls written as ^, and
// in front an unused inline variable whose value needs at least as many stack places as
// the equation can. The parser's rules that rewrite powers while parsing ((u^v)^2 as
// u^(v*2), x^7 as products) sometimes count the places one or two short, and every
// evaluation would then write past the end of its stack; the padding gives them room.
// Its cost, a few operations per operand, is paid only by equations with powers.
std::string guardedPowers(const std::string& text, const std::vector<std::string>& names) {
    if (text.find('^') == std::string::npos && text.find("pow") == std::string::npos)
        return text;
    if (names.empty())
        return withPowerOperators(text); // constants only, folded while parsing
    // Each operand takes one place; each power a few more for its products.
    int places = 4;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool starts = Equation::isNameCharacter(text[i]) &&
                            (i == 0 || !Equation::isNameCharacter(text[i - 1]));
        places += starts ? 1 : 0;
        places += text[i] == '^' || text[i] == ',' ? 3 : 0;
    }
    places = std::min(places, MOST_PADDING);
    std::string padding = PADDING_NAME + ":=";
    const std::string& v = names.front();
    for (int i = 1; i < places; ++i)
        padding += v + (i % 2 ? "+(" : "*(");
    padding += v + std::string(static_cast<std::size_t>(places - 1), ')') + ";";
    return padding + withPowerOperators(text);
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
    const std::string guarded = guardedPowers(text, splitNames(variables));
    if (guarded != text && equation.parser_->Parse(guarded, variables) >= 0)
        return ParseFailure{"Syntax error", 0}; // cannot be: the same equation with room

    equation.used_ = namesUsed(text, splitNames(variables));
    return equation;
}

std::vector<std::string> Equation::words(const std::string& text) {
    std::vector<std::string> found;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '.') {
            const char* start = text.c_str() + i;
            char* end = nullptr;
            std::strtod(start, &end);
            i += std::max<std::size_t>(1, static_cast<std::size_t>(end - start));
            continue;
        }
        if (!isNameCharacter(c)) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && isNameCharacter(text[end]))
            ++end;
        std::string word = text.substr(i, end - i);
        i = end;
        if (std::find(found.begin(), found.end(), word) == found.end())
            found.push_back(std::move(word));
    }
    return found;
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

#pragma once

#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

class FunctionParser;

// An equation in the equation parser's language (numbers, operators, brackets and its
// built-in functions) over a list of variables, parsed once and evaluated for many rows.
// This is the program's one use of the parser library; it reads numbers with the C
// library, so the "C" numeric locale must be in force (the programs set it at start-up).
class Equation {
public:
    // Longer or deeper equations are refused before the parser sees them: it recurses once
    // per bracket and per chained operator and would run out of stack on some that are only
    // a few ten thousand characters long. No equation a person types comes near either.
    static constexpr std::size_t MAX_LENGTH = 10000;
    static constexpr int MAX_BRACKET_DEPTH = 200;

    struct ParseFailure {
        std::string message; // the parser's own text, as "Syntax error"
        int position = 0;    // 0-based, in the text given to parse
    };

    // `variables` is a comma-separated list of names, such as "AAA,AAAA".
    static std::variant<Equation, ParseFailure> parse(const std::string& text,
                                                      const std::string& variables);

    Equation(Equation&&) noexcept;
    Equation& operator=(Equation&&) noexcept;
    ~Equation();

    // Characters the parser takes into a name: letters, digits, the underscore, and every
    // byte of a UTF-8 letter.
    static bool isNameCharacter(char c);
    // The names of a text (variables, functions, constants) in order of first appearance,
    // each once. Numbers are skipped the way the parser reads them, with the C library, so
    // that the e of 1.5e3 or the x of 0x1F is no name.
    static std::vector<std::string> words(const std::string& text);

    int variableCount() const { return static_cast<int>(used_.size()); }
    // Whether the text names variable i (0-based) at all: the values of the others are
    // never read.
    bool usesVariable(int i) const { return used_.at(static_cast<std::size_t>(i)); }

    // The value for one set of variable values (in the order of the list, missing ones
    // counting 0); nullopt where
    // the parser cannot evaluate (a division by zero, the logarithm of a number that is not
    // positive, the square root of a negative number, an inverse trigonometric function
    // outside its domain) and where the result is not a finite number.
    std::optional<double> evaluate(const std::vector<double>& values);
    // The same for variableCount() values at `values`, without copying them: for the
    // loops of a fit, which evaluate an equation millions of times.
    std::optional<double> evaluate(const double* values);

private:
    Equation();

    std::unique_ptr<FunctionParser> parser_;
    std::vector<bool> used_;
};

#include "fit/SymbolicDerivatives.h"

#include "common/Equation.h"

#include <ginac/ginac.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>

namespace {

// Beyond these the algebra's time and the derivatives' length grow faster than a fit
// gains from them; no law typed by hand comes near.
constexpr int MOST_TOKENS = 160;
constexpr int MOST_DEPTH = 16;
constexpr int MOST_TOWER = 4; // powers of powers
constexpr int MOST_EXACT_POWER = 1024;
constexpr std::size_t MOST_NODES = 3000;

struct Unsupported {};

// A reader of the parser's language that builds the algebra's expression. It follows the
// parser's precedence (^ binds tightest and to the right, then unary minus, then * and /,
// then + and -) and refuses everything else; whatever it gets wrong, the caller's check of
// the rewritten value against the parser's own catches.
class Reader {
public:
    Reader(const std::string& text, const std::map<std::string, GiNaC::ex>& symbols)
        : text_(text), symbols_(symbols) {}

    GiNaC::ex whole() {
        GiNaC::ex e = sum();
        skipBlanks();
        if (pos_ != text_.size())
            throw Unsupported{};
        return e;
    }

private:
    void skipBlanks() {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_])))
            ++pos_;
    }
    bool take(char c) {
        skipBlanks();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    // The algebra throws on a division by an exact zero, on 0^y and log(0), some of them
    // only while differentiating, and leaks memory when it does: such equations (which
    // fail everywhere, or hold a removable 0^y) are left to differences.
    static const GiNaC::ex& nonZero(const GiNaC::ex& e) {
        if (e.is_zero())
            throw Unsupported{};
        return e;
    }
    // The algebra raises numbers to whole powers exactly: 2^1e41 would never end.
    static GiNaC::ex power(const GiNaC::ex& base, const GiNaC::ex& exponent) {
        if (GiNaC::is_a<GiNaC::numeric>(exponent) && GiNaC::is_a<GiNaC::numeric>(base) &&
            GiNaC::abs(GiNaC::ex_to<GiNaC::numeric>(exponent)) > MOST_EXACT_POWER)
            throw Unsupported{};
        return GiNaC::pow(nonZero(base), exponent);
    }
    void count() {
        if (++tokens_ > MOST_TOKENS)
            throw Unsupported{};
    }

    GiNaC::ex sum() {
        GiNaC::ex e = product();
        for (;;) {
            if (take('+'))
                e = e + product();
            else if (take('-'))
                e = e - product();
            else
                return e;
            count();
        }
    }
    GiNaC::ex product() {
        GiNaC::ex e = unary();
        for (;;) {
            if (take('*'))
                e = e * unary();
            else if (take('/'))
                e = e / nonZero(unary());
            else
                return e;
            count();
        }
    }
    GiNaC::ex unary() {
        if (take('-')) {
            count();
            return -unary();
        }
        return power();
    }
    GiNaC::ex power() {
        GiNaC::ex base = primary();
        if (!take('^'))
            return base;
        count();
        // Towers of powers make the derivatives grow fastest.
        if (++tower_ > MOST_TOWER)
            throw Unsupported{};
        GiNaC::ex e = power(base, unary()); // right to left, 2^-3 allowed
        --tower_;
        return e;
    }
    GiNaC::ex primary() {
        count();
        skipBlanks();
        if (pos_ >= text_.size())
            throw Unsupported{};
        const char c = text_[pos_];
        if (c == '(') {
            ++pos_;
            if (++depth_ > MOST_DEPTH)
                throw Unsupported{};
            GiNaC::ex e = sum();
            --depth_;
            if (!take(')'))
                throw Unsupported{};
            return e;
        }
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '.')
            return number();
        if (!Equation::isNameCharacter(c))
            throw Unsupported{};
        std::size_t end = pos_;
        while (end < text_.size() && Equation::isNameCharacter(text_[end]))
            ++end;
        const std::string name = text_.substr(pos_, end - pos_);
        pos_ = end;
        if (take('('))
            return function(name);
        const auto symbol = symbols_.find(name);
        if (symbol == symbols_.end())
            throw Unsupported{};
        return symbol->second;
    }
    // The double the parser reads (it reads numbers with the C library too), held exactly.
    GiNaC::ex number() {
        const char* start = text_.c_str() + pos_;
        char* end = nullptr;
        const double v = std::strtod(start, &end);
        if (end == start || !std::isfinite(v))
            throw Unsupported{};
        pos_ += static_cast<std::size_t>(end - start);
        if (v == 0)
            return 0;
        int exponent = 0;
        const double fraction = std::frexp(v, &exponent);
        const auto mantissa = static_cast<long>(std::ldexp(fraction, 53));
        return GiNaC::numeric(mantissa) * GiNaC::numeric(2).power(exponent - 53);
    }
    GiNaC::ex function(const std::string& name) {
        if (++depth_ > MOST_DEPTH)
            throw Unsupported{};
        std::vector<GiNaC::ex> args{sum()};
        while (take(','))
            args.push_back(sum());
        if (!take(')'))
            throw Unsupported{};
        --depth_;
        if (args.size() == 2 && name == "pow")
            return power(args[0], args[1]);
        if (args.size() != 1)
            throw Unsupported{};
        const GiNaC::ex& u = args[0];
        if (name.compare(0, 3, "log") == 0)
            nonZero(u);
        if (name == "exp")
            return GiNaC::exp(u);
        if (name == "log")
            return GiNaC::log(u);
        if (name == "log10")
            return GiNaC::log(u) / GiNaC::log(GiNaC::ex(10));
        if (name == "log2")
            return GiNaC::log(u) / GiNaC::log(GiNaC::ex(2));
        if (name == "exp2")
            return GiNaC::pow(2, u);
        if (name == "sqrt")
            return GiNaC::sqrt(u);
        if (name == "abs")
            return GiNaC::abs(u);
        if (name == "sin")
            return GiNaC::sin(u);
        if (name == "cos")
            return GiNaC::cos(u);
        if (name == "tan")
            return GiNaC::tan(u);
        if (name == "asin")
            return GiNaC::asin(u);
        if (name == "acos")
            return GiNaC::acos(u);
        if (name == "atan")
            return GiNaC::atan(u);
        if (name == "sinh")
            return GiNaC::sinh(u);
        if (name == "cosh")
            return GiNaC::cosh(u);
        if (name == "tanh")
            return GiNaC::tanh(u);
        throw Unsupported{};
    }

    const std::string& text_;
    const std::map<std::string, GiNaC::ex>& symbols_;
    std::size_t pos_ = 0;
    int tokens_ = 0;
    int depth_ = 0;
    int tower_ = 0;
};

// The number of nodes of e as a tree, counted up to `most`: printing writes every shared
// part out again, so this is the length of the text to come.
std::size_t treeSize(const GiNaC::ex& e, std::size_t most) {
    std::size_t size = 1;
    for (std::size_t i = 0; i < e.nops() && size <= most; ++i)
        size += treeSize(e.op(i), most - size);
    return size;
}

// The functions the algebra and the parser share, by the parser's names, in the order of
// PreciseExpression::Function.
const char* const SHARED_FUNCTIONS[] = {"exp",  "log",  "sin",  "cos",  "tan",  "asin",
                                        "acos", "atan", "sinh", "cosh", "tanh", "abs"};

PreciseExpression::Function sharedFunction(const GiNaC::ex& e) {
    const std::string name = GiNaC::ex_to<GiNaC::function>(e).get_name();
    for (std::size_t i = 0; i < std::size(SHARED_FUNCTIONS); ++i)
        if (name == SHARED_FUNCTIONS[i])
            return static_cast<PreciseExpression::Function>(i);
    throw Unsupported{};
}

std::string parserFunction(const GiNaC::ex& e) {
    return SHARED_FUNCTIONS[static_cast<std::size_t>(sharedFunction(e))];
}

std::string parserText(const GiNaC::ex& e);

// A power as the parser evaluates it fastest: the derivatives are full of squares,
// reciprocals and square roots, which need no power at all (and so no room for the
// parser's rewriting of powers, see Equation).
std::string powerText(const GiNaC::ex& e) {
    const std::string base = parserText(e.op(0));
    const GiNaC::ex& exponent = e.op(1);
    if (exponent.is_equal(2))
        return "(" + base + "*" + base + ")";
    if (exponent.is_equal(-1))
        return "(1/" + base + ")";
    if (exponent.is_equal(-2))
        return "(1/(" + base + "*" + base + "))";
    if (exponent.is_equal(GiNaC::numeric(1, 2)))
        return "sqrt(" + base + ")";
    if (exponent.is_equal(GiNaC::numeric(-1, 2)))
        return "(1/sqrt(" + base + "))";
    return "(" + base + "^" + parserText(exponent) + ")";
}

// The expression in the parser's language. The operands of sums and products are written
// in the order of their texts: the algebra orders them by hashes that change from run to
// run, and the rounding of a sum depends on its order.
std::string parserText(const GiNaC::ex& e) {
    if (GiNaC::is_a<GiNaC::numeric>(e)) {
        const GiNaC::numeric& n = GiNaC::ex_to<GiNaC::numeric>(e);
        if (!n.is_real())
            throw Unsupported{};
        const double v = n.to_double();
        if (!std::isfinite(v))
            throw Unsupported{};
        char text[32];
        std::snprintf(text, sizeof text, v < 0 ? "(%.17g)" : "%.17g", v);
        return text;
    }
    if (GiNaC::is_a<GiNaC::symbol>(e))
        return GiNaC::ex_to<GiNaC::symbol>(e).get_name();
    if (GiNaC::is_a<GiNaC::power>(e))
        return powerText(e);
    if (GiNaC::is_a<GiNaC::function>(e)) {
        if (e.nops() != 1)
            throw Unsupported{};
        return parserFunction(e) + "(" + parserText(e.op(0)) + ")";
    }
    const bool sum = GiNaC::is_a<GiNaC::add>(e);
    if (!sum && !GiNaC::is_a<GiNaC::mul>(e))
        throw Unsupported{};
    std::vector<std::string> operands;
    for (std::size_t i = 0; i < e.nops(); ++i)
        operands.push_back(parserText(e.op(i)));
    std::sort(operands.begin(), operands.end());
    std::string text = "(";
    for (std::size_t i = 0; i < operands.size(); ++i)
        text += (i > 0 ? (sum ? "+" : "*") : "") + operands[i];
    return text + ")";
}

std::optional<std::string> written(const GiNaC::ex& e) {
    if (treeSize(e, MOST_NODES) > MOST_NODES)
        return std::nullopt;
    return parserText(e);
}

// The same expression for extended precision, its operands in the same order.
PreciseExpression precise(const GiNaC::ex& e, const std::map<std::string, std::size_t>& index) {
    using Kind = PreciseExpression::Kind;
    PreciseExpression p;
    if (GiNaC::is_a<GiNaC::numeric>(e)) {
        // Numerator and denominator are integers, written exactly.
        const GiNaC::numeric& n = GiNaC::ex_to<GiNaC::numeric>(e);
        std::ostringstream numerator, denominator;
        numerator << n.numer();
        denominator << n.denom();
        p.constant = std::strtold(numerator.str().c_str(), nullptr) /
                     std::strtold(denominator.str().c_str(), nullptr);
        return p;
    }
    if (GiNaC::is_a<GiNaC::symbol>(e)) {
        p.kind = Kind::Variable;
        p.variable = index.at(GiNaC::ex_to<GiNaC::symbol>(e).get_name());
        return p;
    }
    if (GiNaC::is_a<GiNaC::power>(e))
        p.kind = Kind::Power;
    else if (GiNaC::is_a<GiNaC::function>(e)) {
        p.kind = Kind::Function;
        p.function = sharedFunction(e);
    } else
        p.kind = GiNaC::is_a<GiNaC::add>(e) ? Kind::Sum : Kind::Product;
    std::vector<std::pair<std::string, PreciseExpression>> operands;
    for (std::size_t i = 0; i < e.nops(); ++i)
        operands.emplace_back(parserText(e.op(i)), precise(e.op(i), index));
    if (p.kind == Kind::Sum || p.kind == Kind::Product)
        std::sort(operands.begin(), operands.end(),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& o : operands)
        p.operands.push_back(std::move(o.second));
    return p;
}

} // namespace

std::optional<SymbolicDerivatives> differentiate(const std::string& text,
                                                 const std::vector<std::string>& parameters) {
    std::map<std::string, GiNaC::ex> symbols;
    const GiNaC::realsymbol x("x"), pi("pi");
    symbols["x"] = x;
    symbols["pi"] = pi;
    std::vector<GiNaC::realsymbol> p;
    for (const std::string& name : parameters) {
        p.emplace_back(name);
        symbols[name] = p.back();
    }
    try {
        const GiNaC::ex f = Reader(text, symbols).whole();
        SymbolicDerivatives d;
        const GiNaC::ex dfdx = f.diff(x);
        auto value = written(f);
        auto slope = written(dfdx);
        if (!value || !slope)
            return std::nullopt;
        d.value = *value;
        std::map<std::string, std::size_t> index{{"x", 0}, {"pi", parameters.size() + 1}};
        for (std::size_t k = 0; k < parameters.size(); ++k)
            index[parameters[k]] = k + 1;
        d.precise = precise(f, index);
        d.slope = *slope;
        for (const GiNaC::realsymbol& pk : p) {
            auto dp = written(f.diff(pk));
            auto dxp = written(dfdx.diff(pk));
            if (!dp || !dxp)
                return std::nullopt;
            d.parameter.push_back(*dp);
            d.slopeParameter.push_back(*dxp);
        }
        return d;
    } catch (const Unsupported&) {
        return std::nullopt;
    } catch (const std::exception&) {
        // The algebra's own refusals (a division by zero while simplifying, 0^-1, ...).
        return std::nullopt;
    }
}

long double PreciseExpression::evaluate(const long double* variables) const {
    switch (kind) {
    case Kind::Constant:
        return constant;
    case Kind::Variable:
        return variables[variable];
    case Kind::Sum: {
        long double s = 0;
        for (const PreciseExpression& o : operands)
            s += o.evaluate(variables);
        return s;
    }
    case Kind::Product: {
        long double s = 1;
        for (const PreciseExpression& o : operands)
            s *= o.evaluate(variables);
        return s;
    }
    case Kind::Power:
        return std::pow(operands[0].evaluate(variables), operands[1].evaluate(variables));
    case Kind::Function:
        break;
    }
    using F = Function;
    const long double u = operands[0].evaluate(variables);
    switch (function) {
    case F::Exp:
        return std::exp(u);
    case F::Log:
        return std::log(u);
    case F::Sin:
        return std::sin(u);
    case F::Cos:
        return std::cos(u);
    case F::Tan:
        return std::tan(u);
    case F::Asin:
        return std::asin(u);
    case F::Acos:
        return std::acos(u);
    case F::Atan:
        return std::atan(u);
    case F::Sinh:
        return std::sinh(u);
    case F::Cosh:
        return std::cosh(u);
    case F::Tanh:
        return std::tanh(u);
    case F::Abs:
        break;
    }
    return std::fabs(u);
}

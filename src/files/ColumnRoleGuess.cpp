#include "files/ColumnRoleGuess.h"

#include <algorithm>
#include <array>

namespace {

constexpr int NONE = -1;

constexpr std::array<const char*, 6> PREFIXES = {"d",        "\xCE\xB4", "\xCE\x94",
                                                 "\xCF\x83", "sigma_",   "err_"};
constexpr std::array<const char*, 6> SUFFIXES = {"_err", "_error", "_unc", "_sigma", "_sd", " err"};
constexpr std::array<const char*, 5> WORDS = {"\xCF\x83", "sigma", "err", "error", "uncertainty"};

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return text;
}

// "dV (mV)" -> "dV", "t [s]" -> "t", "U / V" -> "U", "Run 1: dT (°C)" -> "dT".
std::string withoutUnit(const std::string& name) {
    const std::size_t colon = name.rfind(": ");
    const std::string named = colon == std::string::npos ? name : name.substr(colon + 2);
    std::size_t end = std::min(
        {named.find(" ("), named.find(" ["), named.find(" /"), named.find('('), named.find('[')});
    std::string bare = named.substr(0, end);
    while (!bare.empty() && bare.back() == ' ')
        bare.pop_back();
    return bare;
}

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() > end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The column (from 0) that column `column` is the uncertainty of, or NONE.
int uncertaintyTarget(const std::vector<std::string>& bare, int column) {
    const std::string& name = bare[static_cast<std::size_t>(column)];
    // The nearest column of that name, those before it first: runs side by side repeat
    // their names.
    const auto named = [&](const std::string& base) {
        for (int c = column - 1; c >= 0; --c)
            if (bare[static_cast<std::size_t>(c)] == base)
                return c;
        for (int c = column + 1; c < static_cast<int>(bare.size()); ++c)
            if (bare[static_cast<std::size_t>(c)] == base)
                return c;
        return NONE;
    };
    const int before = column - 1;
    for (const char* word : WORDS)
        if (lower(name) == word)
            return before;
    for (const char* prefix : PREFIXES) {
        const std::string p(prefix);
        if (name.size() <= p.size() || name.compare(0, p.size(), p) != 0)
            continue;
        const int target = named(name.substr(p.size()));
        if (target != NONE)
            return target;
        // "dT" beside "Temperature": a capital after the prefix is a symbol, not a word.
        const char next = name[p.size()];
        if (next >= 'A' && next <= 'Z')
            return before;
    }
    for (const char* suffix : SUFFIXES)
        if (endsWith(lower(name), suffix)) {
            const int target = named(name.substr(0, name.size() - std::string(suffix).size()));
            return target != NONE ? target : before;
        }
    return NONE;
}

} // namespace

std::optional<ColumnRoles> guessRoles(const std::vector<std::string>& names) {
    const int count = static_cast<int>(names.size());
    std::vector<std::string> bare;
    for (const std::string& name : names)
        bare.push_back(withoutUnit(name));
    std::vector<int> target(names.size(), NONE);
    std::vector<int> plain;
    for (int c = 0; c < count; ++c) {
        target[static_cast<std::size_t>(c)] = uncertaintyTarget(bare, c);
        if (target[static_cast<std::size_t>(c)] == NONE)
            plain.push_back(c);
    }
    // An uncertainty of an uncertainty, or of nothing, says nothing plain.
    for (int& t : target)
        if (t != NONE && std::find(plain.begin(), plain.end(), t) == plain.end())
            t = NONE;
    if (plain.size() < 2 ||
        std::all_of(target.begin(), target.end(), [](int t) { return t == NONE; }))
        return std::nullopt;
    int y = plain[1];
    for (int t : target)
        if (t != NONE && t != plain[0]) {
            y = t;
            break;
        }
    const int x = plain[0];
    const auto uncertaintyOf = [&](int column) {
        const auto found = std::find(target.begin(), target.end(), column);
        return found == target.end() ? NONE : static_cast<int>(found - target.begin()) + 1;
    };
    ColumnRoles roles;
    roles.x = x + 1;
    roles.y = y + 1;
    roles.dx = uncertaintyOf(x);
    roles.dy = uncertaintyOf(y);
    return roles;
}

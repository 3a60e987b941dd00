#include "table/CellMarkup.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace {

// The Greek letters the symbol font draws for the Latin letters a..z and A..Z.
constexpr const char* SYMBOL_LOWER[26] = {"α", "β", "χ", "δ", "ε", "φ", "γ", "η", "ι",
                                          "ϕ", "κ", "λ", "μ", "ν", "ο", "π", "θ", "ρ",
                                          "σ", "τ", "υ", "ϖ", "ω", "ξ", "ψ", "ζ"};
constexpr const char* SYMBOL_UPPER[26] = {"Α", "Β", "Χ", "Δ", "Ε", "Φ", "Γ", "Η", "Ι",
                                          "ϑ", "Κ", "Λ", "Μ", "Ν", "Ο", "Π", "Θ", "Ρ",
                                          "Σ", "Τ", "Υ", "ς", "Ω", "Ξ", "Ψ", "Ζ"};

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool isSymbolFontTag(const std::string& tag) {
    std::string t = lowered(tag);
    t.erase(std::remove_if(t.begin(), t.end(), [](char c) { return c == '"' || c == '\''; }),
            t.end());
    return t.find("face=symbol") != std::string::npos;
}

void appendEscaped(std::string& html, char c, bool symbolFont) {
    if (symbolFont && c >= 'a' && c <= 'z')
        html += SYMBOL_LOWER[c - 'a'];
    else if (symbolFont && c >= 'A' && c <= 'Z')
        html += SYMBOL_UPPER[c - 'A'];
    else if (c == '&')
        html += "&amp;";
    else if (c == '<')
        html += "&lt;";
    else if (c == '>')
        html += "&gt;";
    else
        html += c;
}

} // namespace

bool needsRichText(const std::string& text) {
    return text.find_first_of("<\r\n") != std::string::npos;
}

std::string cellMarkupToHtml(const std::string& text) {
    std::string html;
    std::vector<bool> fontIsSymbol; // one entry per open font tag
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool symbolFont = !fontIsSymbol.empty() && fontIsSymbol.back();
        if (c == '\r' || c == '\n') {
            html += "<br>";
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            continue;
        }
        const std::size_t close = c == '<' ? text.find('>', i) : std::string::npos;
        if (close == std::string::npos) {
            appendEscaped(html, c, symbolFont);
            continue;
        }
        const std::string tag = text.substr(i, close - i + 1);
        const std::string name = lowered(tag);
        if (name == "<sub>" || name == "</sub>" || name == "<sup>" || name == "</sup>") {
            html += name;
        } else if (name.rfind("<font", 0) == 0 && name.size() > 5 &&
                   std::isspace(static_cast<unsigned char>(name[5]))) {
            fontIsSymbol.push_back(isSymbolFontTag(tag));
        } else if (name == "</font>") {
            if (!fontIsSymbol.empty())
                fontIsSymbol.pop_back();
        } else {
            appendEscaped(html, c, symbolFont);
            continue;
        }
        i = close;
    }
    return html;
}

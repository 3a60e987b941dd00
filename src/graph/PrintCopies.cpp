#include "graph/PrintCopies.h"

#include <algorithm>
#include <cctype>
#include <climits>

namespace {

// A whole number of digits that fits an int; nothing else counts as a number of copies.
bool readCopies(const std::string& text, int& copies) {
    if (text.empty() || !std::all_of(text.begin(), text.end(),
                                     [](unsigned char c) { return std::isdigit(c) != 0; }))
        return false;
    long long value = 0;
    for (const char c : text) {
        value = value * 10 + (c - '0');
        if (value > INT_MAX)
            return false;
    }
    copies = static_cast<int>(value);
    return true;
}

} // namespace

CopiesDecision copiesDecision(const std::string& text) {
    int copies = 0;
    if (!readCopies(text, copies))
        return {CopiesDecision::Kind::Refused,
                0,
                {"Ummm...you didn't tell me how many copies to print.", "Huh?", MessageIcon::Stop,
                 MessageButtons::Ok}};
    if (copies <= MOST_COPIES_UNASKED)
        return {CopiesDecision::Kind::Accepted, copies, {}};
    return {CopiesDecision::Kind::Ask,
            copies,
            {"Are you sure you want to print " + std::to_string(copies) +
                 " copies? That sure seems like a lot to me!",
             "Are you kidding me?", MessageIcon::Question, MessageButtons::YesNo}};
}

std::string cannotPrint(const std::string& printerName) {
    if (printerName.empty())
        return "Cannot print: no printer has been chosen. Choose one with Print Setup.";
    return "Cannot print on " + printerName;
}

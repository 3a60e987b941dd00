#pragma once

#include "common/UserMessage.h"

#include <string>

// The copies dialog's OK: what the typed number of copies leads to.
struct CopiesDecision {
    enum class Kind {
        Refused,  // the message is shown and the dialog stays open
        Ask,      // the question is asked; Yes accepts `copies`, No keeps the dialog open
        Accepted, // the dialog closes with `copies`
    };
    Kind kind;
    int copies = 0;
    UserMessage message; // the refusal or the question
};

// Up to MOST_COPIES_UNASKED copies are taken at once, more only after a question. A text
// that is empty or not a whole number of digits (one pasted in, or too large) is refused;
// 0 is accepted and prints nothing.
inline constexpr int MOST_COPIES_UNASKED = 5;
CopiesDecision copiesDecision(const std::string& text);

// A print job that could not be started or failed, on the printer (or file) of that name;
// an empty name is a printer that was never chosen.
std::string cannotPrint(const std::string& printerName);

#pragma once

#include <string>

// The icon of a message box, named by its meaning; the shell maps it to its
// toolkit's icons.
enum class MessageIcon { Stop, Warning, Information, Question };

enum class MessageButtons { Ok, YesNo };

// A message box the user must see, as data: the core decides what to say and
// the shell (or a command-line program) decides how to say it.
struct FitMessage {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::Stop;
    MessageButtons buttons = MessageButtons::Ok;
};

inline bool operator==(const FitMessage& a, const FitMessage& b) {
    return a.text == b.text && a.caption == b.caption && a.icon == b.icon && a.buttons == b.buttons;
}

#pragma once

#include <string>

enum class MessageIcon { Stop, Warning, Information, Question };
enum class MessageButtons { Ok, YesNo, YesNoCancel };

// A message box the core decides on and the shell shows: the exact text,
// caption, icon and buttons the user sees.
struct UserMessage {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::Stop;
    MessageButtons buttons = MessageButtons::Ok;

    bool operator==(const UserMessage& o) const {
        return text == o.text && caption == o.caption && icon == o.icon && buttons == o.buttons;
    }
};

#pragma once
// A message as the user sees it: the text and the icon of its box. Core code
// returns these as data; the GUI shows them in message boxes, the CLI prints
// them on stderr.
#include <string>

namespace volmar {

enum class MessageIcon { None, Information, Warning, Error, Question };

struct Message {
    MessageIcon icon = MessageIcon::None;
    std::string text;
};

const char* MessageIconName(MessageIcon icon);

}  // namespace volmar

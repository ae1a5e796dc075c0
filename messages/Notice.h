#pragma once
// How a message is put to the person at the screen: the icon it is shown
// with, the buttons offered and the answer given. The headless libraries
// return these beside their messages, so that a front end shows them (or,
// without a screen, prints them) and brings the answer back; the windows'
// dialogs take the same values. Here because every library links this one.

#include "messages/Message.h"

namespace volvenza {

enum class MessageIcon { None, Information, Exclamation, Critical, Question };
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// A message to show with its icon and an OK button.
struct Notice {
    Message message;
    MessageIcon icon = MessageIcon::Information;

    bool operator==(const Notice&) const = default;
};

}  // namespace volvenza

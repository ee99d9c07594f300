// "Show Message Before Sending": the game mail handed to the desktop's mail program,
// which shows it for the player to send, edit or drop.
#pragma once

#include <string>
#include <vector>

#include "mail/mail_transport.h"

namespace tarmaq::curlmail {

// The xdg-email command line for a mail; passed to the program as it is, never
// through a shell.
std::vector<std::string> clientWindowArguments(const OutgoingMail& mail);

MailResult sendThroughClientWindow(const OutgoingMail& mail);

}  // namespace tarmaq::curlmail

// SMTP submission of one game mail, and a check that the outgoing server answers.
#pragma once

#include "mail/mail_transport.h"

namespace tarmaq::curlmail {

MailResult smtpSend(const MailAccount& account, const OutgoingMail& mail,
                    const MailProgress& progress);
MailResult smtpCheck(const MailAccount& account, const MailProgress& progress);

}  // namespace tarmaq::curlmail

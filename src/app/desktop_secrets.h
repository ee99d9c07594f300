// The desktop's secret store for the mail password, when the program was built with
// one; otherwise a store that is never available.
#pragma once

#include <memory>

#include "mail/mail_password.h"

namespace tarmaq {

std::unique_ptr<SecretStore> desktopSecretStore();

}  // namespace tarmaq

// The mail servers of this installation, kept in the settings store beside the
// Options dialog's E-Mail keys: outgoing and incoming server, port, security and user
// name. The password is never stored: it is asked for once per run.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "mail/mail_transport.h"

namespace tarmaq {

class SettingsStore;

inline constexpr std::string_view MailServersSection = "Settings\\EMail";

struct MailServerSettings {
  MailServer outgoing{"", 587, MailSecurity::StartTls};
  MailServer incoming{"", 993, MailSecurity::Tls};
  std::string user;
  std::string caFile;

  bool configured() const { return !outgoing.host.empty() && !incoming.host.empty(); }
};

// The names the settings store and the Options dialog use: "STARTTLS", "SSL/TLS", "None".
std::string_view securityName(MailSecurity security);
std::optional<MailSecurity> securityFromName(std::string_view name);

MailServerSettings loadMailServerSettings(const SettingsStore& store);
void saveMailServerSettings(const MailServerSettings& settings, SettingsStore& store);

// A server given as a URL: "smtps://host:465" and "imaps://host:993" use TLS from the
// start, "smtp://" and "imap://" STARTTLS; the port defaults to the scheme's. Nothing
// for another scheme, a path, or a port out of range. `outgoing` picks smtp or imap.
std::optional<MailServer> parseServerUrl(std::string_view url, bool outgoing);

// The loopback address is this computer: the only place a plain connection may go.
bool isLoopbackHost(std::string_view host);

// Why a server may not be used as it is set, or empty: TLS is required off loopback.
std::string serverRefusal(const MailServer& server, std::string_view what);

}  // namespace tarmaq

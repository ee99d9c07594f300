#include "mail/mail_settings.h"

#include <charconv>

#include "engine/settings_store.h"

namespace tarmaq {

namespace {

const std::string Section(MailServersSection);

int portValue(std::string_view text) {
  int port = 0;
  auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), port);
  if (ec != std::errc() || p != text.data() + text.size() || port < 1 || port > 65535) return 0;
  return port;
}

void loadServer(const SettingsStore& store, const std::string& prefix, MailServer& server) {
  if (auto host = store.value(Section, prefix + "Server")) server.host = *host;
  if (auto port = store.value(Section, prefix + "Port"))
    if (int p = portValue(*port)) server.port = p;
  if (auto sec = store.value(Section, prefix + "Security"))
    if (auto s = securityFromName(*sec)) server.security = *s;
}

void saveServer(const MailServer& server, const std::string& prefix, SettingsStore& store) {
  store.setValue(Section, prefix + "Server", server.host);
  store.setValue(Section, prefix + "Port", std::to_string(server.port));
  store.setValue(Section, prefix + "Security", std::string(securityName(server.security)));
}

}  // namespace

std::string_view securityName(MailSecurity security) {
  switch (security) {
    case MailSecurity::Tls:
      return "SSL/TLS";
    case MailSecurity::None:
      return "None";
    case MailSecurity::StartTls:
      break;
  }
  return "STARTTLS";
}

std::optional<MailSecurity> securityFromName(std::string_view name) {
  for (MailSecurity s : {MailSecurity::StartTls, MailSecurity::Tls, MailSecurity::None})
    if (securityName(s) == name) return s;
  return std::nullopt;
}

MailServerSettings loadMailServerSettings(const SettingsStore& store) {
  MailServerSettings s;
  loadServer(store, "Outgoing", s.outgoing);
  loadServer(store, "Incoming", s.incoming);
  if (auto user = store.value(Section, "UserName")) s.user = *user;
  if (auto ca = store.value(Section, "CertificateFile")) s.caFile = *ca;
  return s;
}

void saveMailServerSettings(const MailServerSettings& settings, SettingsStore& store) {
  saveServer(settings.outgoing, "Outgoing", store);
  saveServer(settings.incoming, "Incoming", store);
  store.setValue(Section, "UserName", settings.user);
  store.setValue(Section, "CertificateFile", settings.caFile);
}

std::optional<MailServer> parseServerUrl(std::string_view url, bool outgoing) {
  const std::size_t colon = url.find("://");
  if (colon == std::string_view::npos) return std::nullopt;
  const std::string_view scheme = url.substr(0, colon);
  const std::string_view plain = outgoing ? "smtp" : "imap";
  MailServer server;
  if (scheme == plain) {
    server.security = MailSecurity::StartTls;
    server.port = outgoing ? 587 : 143;
  } else if (scheme.size() == plain.size() + 1 && scheme.substr(0, plain.size()) == plain &&
             scheme.back() == 's') {
    server.security = MailSecurity::Tls;
    server.port = outgoing ? 465 : 993;
  } else {
    return std::nullopt;
  }
  std::string_view rest = url.substr(colon + 3);
  if (!rest.empty() && rest.back() == '/') rest.remove_suffix(1);
  if (rest.empty() || rest.find_first_of("/?#@ ") != std::string_view::npos) return std::nullopt;
  std::string_view host = rest;
  std::string_view port;
  if (rest.front() == '[') {
    const std::size_t close = rest.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    host = rest.substr(1, close - 1);
    if (close + 1 < rest.size()) {
      if (rest[close + 1] != ':') return std::nullopt;
      port = rest.substr(close + 2);
    }
  } else if (const std::size_t c = rest.rfind(':'); c != std::string_view::npos) {
    host = rest.substr(0, c);
    port = rest.substr(c + 1);
  }
  if (host.empty()) return std::nullopt;
  if (!port.empty() || rest.back() == ':') {
    server.port = portValue(port);
    if (server.port == 0) return std::nullopt;
  }
  server.host = std::string(host);
  return server;
}

bool isLoopbackHost(std::string_view host) {
  if (host == "::1") return true;
  // 127.0.0.0/8, written as a dotted quad.
  if (host.substr(0, 4) != "127.") return false;
  int dots = 0;
  for (char c : host) {
    if (c == '.')
      ++dots;
    else if (c < '0' || c > '9')
      return false;
  }
  return dots == 3;
}

std::string serverRefusal(const MailServer& server, std::string_view what) {
  if (server.host.empty()) return "No " + std::string(what) + " server is set up.";
  if (server.port < 1 || server.port > 65535)
    return "The " + std::string(what) + " server's port is not valid.";
  if (server.security == MailSecurity::None && !isLoopbackHost(server.host))
    return "The " + std::string(what) + " server " + server.host +
           " would be used without encryption. Choose STARTTLS or SSL/TLS: a connection "
           "without TLS is allowed only to this computer (127.0.0.1).";
  return {};
}

}  // namespace tarmaq

#include "mail/curl/imap_inbox.h"

#include <algorithm>
#include <cctype>

#include "mail/imap_parse.h"
#include "mail/mime.h"

namespace tarmaq::curlmail {

namespace {

bool isUid(const std::string& s) {
  return !s.empty() && s.size() < 12 &&
         std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Room for an encoded part of 10 MiB: base64 grows it by a third, plus line ends.
constexpr std::size_t MaxEncodedPart = MaxMailPartBytes / 3 * 4 + MaxMailPartBytes / 38 + 4096;

}  // namespace

ImapInbox::ImapInbox(const MailAccount& account, const MailProgress& progress)
    : easy_(account.incoming, account, "imap,imaps", &progress),
      mailboxUrl_(easy_.rootUrl() + "/INBOX") {}

MailResult ImapInbox::command(const std::string& cmd, const std::string& what, std::string& out) {
  CURL* h = easy_.get();
  if (!h) return MailResult::failure("The network library could not be started.");
  out.clear();
  curl_easy_setopt(h, CURLOPT_URL, mailboxUrl_.c_str());
  curl_easy_setopt(h, CURLOPT_CUSTOMREQUEST, cmd.c_str());
  MailResult r = easy_.perform(what, &out);
  curl_easy_setopt(h, CURLOPT_CUSTOMREQUEST, nullptr);
  return r;
}

MailResult ImapInbox::section(const std::string& uid, const std::string& number, std::size_t limit,
                              std::string& out) {
  CURL* h = easy_.get();
  if (!h) return MailResult::failure("The network library could not be started.");
  out.clear();
  // A URL fetch reads the part as BODY[n], which marks the message read.
  const std::string url = mailboxUrl_ + "/;UID=" + uid + "/;SECTION=" + number;
  curl_easy_setopt(h, CURLOPT_URL, url.c_str());
  return easy_.perform("Receiving a game...", &out, limit);
}

MailResult ImapInbox::check() {
  std::string out;
  return command("NOOP", "Connecting to the incoming mail server...", out);
}

MailResult ImapInbox::unread(std::vector<InboxEntry>& entries) {
  entries.clear();
  std::string out;
  MailResult r = command("UID SEARCH UNSEEN", "Checking the inbox...", out);
  if (!r) return r;
  std::vector<std::string> uids = parseImapSearch(out);
  std::erase_if(uids, [](const std::string& u) { return !isUid(u); });
  for (std::size_t at = 0; at < uids.size(); at += 100) {
    std::string list;
    for (std::size_t i = at; i < std::min(uids.size(), at + 100); ++i)
      list += (list.empty() ? "" : ",") + uids[i];
    // ENVELOPE reads the subject without marking the message read.
    r = command("UID FETCH " + list + " (UID ENVELOPE)", "Reading the subjects...", out);
    if (!r) return r;
    for (const ImapEnvelope& e : parseImapEnvelopes(out)) {
      if (std::find(uids.begin(), uids.end(), e.uid) == uids.end()) continue;
      std::string subject;
      for (char c : decodeHeaderText(e.subject))
        if (c != '\r' && c != '\n') subject += c;
      entries.push_back({e.uid, subject, false});
    }
  }
  // The server's order is the order of arrival of the unique ids.
  std::sort(entries.begin(), entries.end(), [](const InboxEntry& a, const InboxEntry& b) {
    return a.id.size() != b.id.size() ? a.id.size() < b.id.size() : a.id < b.id;
  });
  return {};
}

MailResult ImapInbox::message(const std::string& uid, MessageContent& content) {
  content = {};
  if (!isUid(uid)) return MailResult::failure("There is no such message.");
  std::string out;
  MailResult r = command("UID FETCH " + uid + " (BODYSTRUCTURE)", "Reading a message...", out);
  if (!r) return r;
  const std::vector<MimePart> parts = parseImapBodyStructure(out);
  if (parts.empty()) return MailResult::failure("The message's structure could not be read.");
  const GameMailParts found = findGameMailParts(parts);
  if (found.attachment >= 0) {
    const MimePart& a = parts[static_cast<std::size_t>(found.attachment)];
    content.hasAttachment = true;
    content.attachmentName = a.name;
    if (a.size > MaxEncodedPart) {
      content.skipped = "the attached file is larger than 10 MiB";
    } else if (section(uid, a.section, MaxEncodedPart, out)) {
      content.attachment = decodeTransfer(out, a.encoding);
    }
  }
  if (found.text >= 0) {
    const MimePart& t = parts[static_cast<std::size_t>(found.text)];
    if (t.size > MaxEncodedPart) {
      content.skipped = "the message text is larger than 10 MiB";
    } else {
      r = section(uid, t.section, MaxEncodedPart, out);
      if (!r && content.attachment.empty()) return r;
      if (r) content.body = decodeTransfer(out, t.encoding);
    }
  }
  return {};
}

MailResult ImapInbox::markRead(const std::string& uid, bool read) {
  if (!isUid(uid)) return MailResult::failure("There is no such message.");
  std::string out;
  return command("UID STORE " + uid + (read ? " +FLAGS (\\Seen)" : " -FLAGS (\\Seen)"),
                 read ? "Marking a message read..." : "Leaving a message unread...", out);
}

}  // namespace tarmaq::curlmail

#include "mail/imap_parse.h"

#include <cctype>
#include <charconv>
#include <optional>

namespace tarmaq {

namespace {

// One item of an IMAP answer: an atom, a string (quoted or literal), NIL or a list.
struct Node {
  enum Kind { Atom, String, Nil, List } kind = Atom;
  std::string text;
  std::vector<Node> items;
};

class Reader {
 public:
  explicit Reader(std::string_view s) : s_(s) {}

  std::optional<Node> item(int depth = 0) {
    skipBlanks();
    if (at_ >= s_.size() || depth > 40) return std::nullopt;
    const char c = s_[at_];
    if (c == '(') {
      ++at_;
      Node list{Node::List, {}, {}};
      for (;;) {
        skipBlanks();
        if (at_ >= s_.size()) return std::nullopt;
        if (s_[at_] == ')') {
          ++at_;
          return list;
        }
        auto child = item(depth + 1);
        if (!child) return std::nullopt;
        list.items.push_back(std::move(*child));
      }
    }
    if (c == ')') return std::nullopt;
    if (c == '"') return quoted();
    if (c == '{') return literal();
    const std::size_t start = at_;
    while (at_ < s_.size() && s_[at_] != ' ' && s_[at_] != '(' && s_[at_] != ')' &&
           s_[at_] != '\r' && s_[at_] != '\n') {
      if (s_[at_] == '[') {  // BODY[...] keeps its section, blanks and all
        const std::size_t close = s_.find(']', at_);
        at_ = close == std::string_view::npos ? s_.size() : close;
      }
      ++at_;
    }
    std::string text(s_.substr(start, at_ - start));
    if (text == "NIL" || text == "nil") return Node{Node::Nil, {}, {}};
    return Node{Node::Atom, std::move(text), {}};
  }

 private:
  void skipBlanks() {
    while (at_ < s_.size() && (s_[at_] == ' ' || s_[at_] == '\r' || s_[at_] == '\n')) ++at_;
  }
  std::optional<Node> quoted() {
    std::string text;
    for (++at_; at_ < s_.size(); ++at_) {
      const char c = s_[at_];
      if (c == '\\' && at_ + 1 < s_.size()) {
        text += s_[++at_];
      } else if (c == '"') {
        ++at_;
        return Node{Node::String, std::move(text), {}};
      } else {
        text += c;
      }
    }
    return std::nullopt;
  }
  std::optional<Node> literal() {
    const std::size_t close = s_.find('}', at_);
    if (close == std::string_view::npos) return std::nullopt;
    std::size_t n = 0;
    auto [p, ec] = std::from_chars(s_.data() + at_ + 1, s_.data() + close, n);
    if (ec != std::errc() || p != s_.data() + close) return std::nullopt;
    at_ = close + 1;
    if (s_.substr(at_, 2) == "\r\n") at_ += 2;
    if (n > s_.size() - at_) return std::nullopt;
    Node node{Node::String, std::string(s_.substr(at_, n)), {}};
    at_ += n;
    return node;
  }

  std::string_view s_;
  std::size_t at_ = 0;
};

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

bool isText(const Node& n) { return n.kind == Node::String || n.kind == Node::Atom; }

std::vector<std::string_view> lines(std::string_view s) {
  std::vector<std::string_view> out;
  std::size_t at = 0;
  while (at < s.size()) {
    std::size_t end = s.find('\n', at);
    if (end == std::string_view::npos) end = s.size();
    std::string_view line = s.substr(at, end - at);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    out.push_back(line);
    at = end + 1;
  }
  return out;
}

// The value after `key` in a FETCH answer's list of names and values.
const Node* fetchValue(const Node& list, std::string_view key) {
  for (std::size_t i = 0; i + 1 < list.items.size(); i += 2)
    if (isText(list.items[i]) && lower(list.items[i].text) == lower(std::string(key)))
      return &list.items[i + 1];
  return nullptr;
}

// The FETCH list of an untagged "* n FETCH (...)" line.
std::optional<Node> fetchList(std::string_view line) {
  if (line.substr(0, 2) != "* ") return std::nullopt;
  const std::size_t fetch = line.find(" FETCH ");
  if (fetch == std::string_view::npos) return std::nullopt;
  Reader r(line.substr(fetch + 7));
  auto list = r.item();
  if (!list || list->kind != Node::List) return std::nullopt;
  return list;
}

std::string paramValue(const Node& params, std::string_view key) {
  if (params.kind != Node::List) return {};
  for (std::size_t i = 0; i + 1 < params.items.size(); i += 2)
    if (isText(params.items[i]) && lower(params.items[i].text) == key &&
        isText(params.items[i + 1]))
      return params.items[i + 1].text;
  return {};
}

std::size_t number(const Node& n) {
  std::size_t v = 0;
  if (n.kind == Node::Atom) std::from_chars(n.text.data(), n.text.data() + n.text.size(), v);
  return v;
}

void collectParts(const Node& body, const std::string& section, std::vector<MimePart>& out,
                  int depth) {
  if (body.kind != Node::List || body.items.empty() || depth > 20) return;
  if (body.items.front().kind == Node::List) {
    int child = 1;
    for (const Node& item : body.items) {
      if (item.kind != Node::List) break;
      const std::string s =
          section.empty() ? std::to_string(child) : section + "." + std::to_string(child);
      collectParts(item, s, out, depth + 1);
      ++child;
    }
    return;
  }
  if (body.items.size() < 7) return;
  MimePart part;
  part.section = section.empty() ? "1" : section;
  if (isText(body.items[0])) part.type = lower(body.items[0].text);
  if (isText(body.items[1])) part.subtype = lower(body.items[1].text);
  part.name = paramValue(body.items[2], "name");
  if (isText(body.items[5])) part.encoding = lower(body.items[5].text);
  part.size = number(body.items[6]);
  // The disposition sits among the extension data, whose place depends on the type.
  for (std::size_t i = 7; i < body.items.size(); ++i) {
    const Node& n = body.items[i];
    if (n.kind == Node::List && n.items.size() >= 2 && isText(n.items[0]) &&
        (n.items[1].kind == Node::List || n.items[1].kind == Node::Nil)) {
      const std::string d = lower(n.items[0].text);
      if (d == "attachment" || d == "inline") {
        part.disposition = d;
        const std::string file = paramValue(n.items[1], "filename");
        if (!file.empty()) part.name = file;
        break;
      }
    }
  }
  out.push_back(std::move(part));
}

bool endsWithTmq(const std::string& name) {
  return name.size() >= 4 && lower(name.substr(name.size() - 4)) == ".tmq";
}

}  // namespace

std::vector<std::string> parseImapSearch(std::string_view response) {
  std::vector<std::string> out;
  for (std::string_view line : lines(response)) {
    if (line.substr(0, 8) != "* SEARCH" || (line.size() > 8 && line[8] != ' ')) continue;
    std::size_t at = 8;
    while (at < line.size()) {
      while (at < line.size() && line[at] == ' ') ++at;
      const std::size_t start = at;
      while (at < line.size() && std::isdigit(static_cast<unsigned char>(line[at]))) ++at;
      if (at == start) break;
      out.emplace_back(line.substr(start, at - start));
    }
  }
  return out;
}

std::vector<ImapEnvelope> parseImapEnvelopes(std::string_view response) {
  std::vector<ImapEnvelope> out;
  for (std::string_view line : lines(response)) {
    auto list = fetchList(line);
    if (!list) continue;
    const Node* uid = fetchValue(*list, "UID");
    const Node* env = fetchValue(*list, "ENVELOPE");
    if (!uid || uid->kind != Node::Atom || !env || env->kind != Node::List || env->items.size() < 2)
      continue;
    const Node& subject = env->items[1];
    out.push_back({uid->text, isText(subject) ? subject.text : std::string()});
  }
  return out;
}

std::vector<MimePart> parseImapBodyStructure(std::string_view response) {
  std::vector<MimePart> out;
  for (std::string_view line : lines(response)) {
    auto list = fetchList(line);
    if (!list) continue;
    const Node* body = fetchValue(*list, "BODYSTRUCTURE");
    if (!body) continue;
    collectParts(*body, "", out, 0);
    break;
  }
  return out;
}

GameMailParts findGameMailParts(const std::vector<MimePart>& parts) {
  GameMailParts found;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const MimePart& p = parts[i];
    const bool named = !p.name.empty() || p.disposition == "attachment";
    if (found.attachment < 0 && named && endsWithTmq(p.name))
      found.attachment = static_cast<int>(i);
    else if (found.text < 0 && !named && p.type == "text" && p.subtype == "plain")
      found.text = static_cast<int>(i);
  }
  // A mail program may send the text as its only part with a file name of its own.
  if (found.text < 0 && parts.size() == 1 && parts[0].type == "text") found.text = 0;
  return found;
}

}  // namespace tarmaq

#include "support/xml_text_reader.h"

#include <string>

#include "drawing/messages.h"
#include "support/xml_document.h"

namespace {

enum class TokenKind { End, OpenTag, CloseTag, TagEnd, EmptyTagEnd, Slash, Equals, Quoted, Text };

struct Token {
  TokenKind kind = TokenKind::End;
  std::string text;
};

// Splits the bytes into tokens. Blanks (space, CR, LF), comments "<-...>"
// and declarations "<?...>" are skipped.
class XmlTokenizer {
 public:
  explicit XmlTokenizer(std::string_view data) : data_(data) {}

  Token Next() {
    while (pos_ < data_.size()) {
      char c = data_[pos_];
      if (c == ' ' || c == '\r' || c == '\n') {
        ++pos_;
        continue;
      }
      if (c == '<') {
        char after = pos_ + 1 < data_.size() ? data_[pos_ + 1] : '\0';
        if (after == '-' || after == '?') {
          size_t close = data_.find('>', pos_ + 2);
          pos_ = close == std::string_view::npos ? data_.size() : close + 1;
          continue;
        }
        if (after == '/') {
          pos_ += 2;
          return {TokenKind::CloseTag, ReadName()};
        }
        pos_ += 1;
        return {TokenKind::OpenTag, ReadName()};
      }
      if (c == '>') {
        ++pos_;
        return {TokenKind::TagEnd, {}};
      }
      if (c == '/') {
        if (pos_ + 1 < data_.size() && data_[pos_ + 1] == '>') {
          pos_ += 2;
          return {TokenKind::EmptyTagEnd, {}};
        }
        ++pos_;
        return {TokenKind::Slash, {}};
      }
      if (c == '=') {
        ++pos_;
        return {TokenKind::Equals, {}};
      }
      if (c == '"') {
        size_t close = data_.find('"', pos_ + 1);
        size_t end = close == std::string_view::npos ? data_.size() : close;
        Token token{TokenKind::Quoted, DecodeXmlReferences(data_.substr(pos_ + 1, end - pos_ - 1))};
        pos_ = close == std::string_view::npos ? data_.size() : close + 1;
        return token;
      }
      // Spaces, tabs and LFs inside a run belong to the text.
      size_t end = data_.find_first_of("</=>\r", pos_);
      if (end == std::string_view::npos) end = data_.size();
      Token token{TokenKind::Text, DecodeXmlReferences(data_.substr(pos_, end - pos_))};
      pos_ = end;
      return token;
    }
    return {TokenKind::End, {}};
  }

 private:
  // A tag name ends at a space (consumed), ">" or "/" (read again next).
  std::string ReadName() {
    size_t end = data_.find_first_of(" >/", pos_);
    if (end == std::string_view::npos) end = data_.size();
    std::string name(data_.substr(pos_, end - pos_));
    pos_ = (end < data_.size() && data_[end] == ' ') ? end + 1 : end;
    return name;
  }

  std::string_view data_;
  size_t pos_ = 0;
};

class XmlParser {
 public:
  XmlParser(xmlDocument& doc, std::string_view bytes) : doc_(doc), tokens_(bytes) {}

  void Run() { ParseContent(nullptr, 0); }

 private:
  [[noreturn]] static void Fail(const std::string& text) { throw xmlError("XML Parse Error: " + text); }

  // Parses the content of `current` (the top level when null) up to its
  // closing tag. Between two texts the separator is a space, or "/" and "="
  // when such tokens stood between them, so "a/b" and "x=1" come back whole.
  void ParseContent(const xmlNodePtr& current, int depth) {
    std::string separator;
    while (true) {
      Token token = tokens_.Next();
      switch (token.kind) {
        case TokenKind::OpenTag:
          ParseElement(current, token.text, depth);
          break;
        case TokenKind::CloseTag:
          if (!current) Fail("Misplaced closing tag (no tag has been opened)");
          if (token.text != current->Name) Fail("Closing tag does not match opening tag.");
          if (tokens_.Next().kind != TokenKind::TagEnd) Fail("Unclosed tag (expecting \">\")");
          return;
        case TokenKind::Text:
          if (!current) Fail("Misplaced text (possibly not an xml file): " + drawing::LogValue(token.text));
          if (current->Value.empty()) {
            current->Value = token.text;
          } else {
            current->Value += separator + token.text;
          }
          separator = " ";
          break;
        case TokenKind::Slash:
          separator = separator == " " ? "/" : separator + "/";
          break;
        case TokenKind::Equals:
          separator = separator == " " ? "=" : separator + "=";
          break;
        case TokenKind::TagEnd:
        case TokenKind::EmptyTagEnd:
          Fail("Misplaced tag end (expecting tag or tag data).");
        case TokenKind::End:
          if (current) Fail("Unclosed node tag (reached end of file)");
          return;
        case TokenKind::Quoted:
          break;
      }
    }
  }

  // A second top-level element renames and extends the same root.
  void ParseElement(const xmlNodePtr& current, const std::string& name, int depth) {
    xmlNodePtr element;
    if (current) {
      element = current->AddNode(name, AS_CHILD);
    } else {
      element = doc_.Root();
      element->Name = name;
    }
    Token token = tokens_.Next();
    while (token.kind == TokenKind::Text) {
      auto attr = element->AddAttribute(token.text, "");
      if (tokens_.Next().kind != TokenKind::Equals) Fail("Expecting equals (=) after attribute name.");
      Token value = tokens_.Next();
      if (value.kind != TokenKind::Quoted) Fail("Expecting attribute value.");
      attr->Value = value.text;
      token = tokens_.Next();
    }
    if (token.kind == TokenKind::TagEnd) {
      if (depth + 1 > XML_MAX_DEPTH) {
        Fail("Elements nested too deeply (more than " + std::to_string(XML_MAX_DEPTH) + " levels).");
      }
      ParseContent(element, depth + 1);
    } else if (token.kind != TokenKind::EmptyTagEnd) {
      Fail("Unclosed tag (expecting \"/>\" or \">\")");
    }
  }

  xmlDocument& doc_;
  XmlTokenizer tokens_;
};

bool StartsWith(std::string_view text, size_t at, std::string_view prefix) {
  return text.compare(at, prefix.size(), prefix) == 0;
}

}  // namespace

std::string DecodeXmlReferences(std::string_view run) {
  size_t amp = run.find('&');
  if (amp == std::string_view::npos) return std::string(run);
  static constexpr struct {
    std::string_view entity;
    char character;
  } kEntities[] = {{"&lt;", '<'}, {"&gt;", '>'}, {"&apos;", '\''}, {"&amp;", '&'}, {"&quot;", '"'}};

  std::string out(run.substr(0, amp));
  size_t next_semicolon = 0;  // cached, so runs of "&#" without ";" stay linear
  size_t i = amp;
  while (i < run.size()) {
    if (run[i] != '&') {
      out.push_back(run[i++]);
      continue;
    }
    bool decoded = false;
    for (const auto& e : kEntities) {
      if (StartsWith(run, i, e.entity)) {
        out.push_back(e.character);
        i += e.entity.size();
        decoded = true;
        break;
      }
    }
    if (decoded) continue;
    if (StartsWith(run, i, "&#")) {
      if (next_semicolon < i + 2) {
        next_semicolon = run.find(';', i + 2);
        if (next_semicolon == std::string_view::npos) next_semicolon = run.size();
      }
      if (next_semicolon < run.size()) {
        // Each character adds its low four bits as a decimal digit.
        unsigned code = 0;
        for (size_t k = i + 2; k < next_semicolon && code <= 255; ++k) {
          code = code * 10 + (static_cast<unsigned char>(run[k]) & 15u);
        }
        if (code <= 255) {
          out.push_back(static_cast<char>(code));
        } else {
          out.append(run.substr(i, next_semicolon + 1 - i));
        }
        i = next_semicolon + 1;
        continue;
      }
    }
    out.push_back(run[i++]);
  }
  return out;
}

void ReadXmlText(xmlDocument& doc, std::string_view bytes) { XmlParser(doc, bytes).Run(); }

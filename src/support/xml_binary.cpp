#include "support/xml_binary.h"

#include <cstdint>

#include "support/xml_document.h"

namespace {

void PutInt(std::string& out, int32_t value) {
  auto v = static_cast<uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((v >> shift) & 255u));
}

void PutString(std::string& out, const std::string& text) {
  PutInt(out, static_cast<int32_t>(text.size()));
  out += text;
}

void PutRecord(std::string& out, const xmlNode& node) {
  PutString(out, node.Name);
  PutString(out, node.Value);
  PutInt(out, static_cast<int32_t>(node.AttributeList().size()));
  for (const auto& attr : node.AttributeList()) {
    PutString(out, attr->Name);
    PutString(out, attr->Value);
  }
  PutInt(out, node.ChildCount());
  for (const auto& child : node.ChildList()) PutRecord(out, *child);
}

// Reads records with every count and length checked against the bytes that
// are actually left, so a damaged file can neither over-read nor make us
// allocate more than its own size.
class BinaryReader {
 public:
  BinaryReader(std::string_view data, const std::string& path) : data_(data), path_(path) {}

  void Run(xmlDocument& doc) {
    pos_ = XML_BINARY_SIGNATURE.size();
    if (pos_ == data_.size()) return;  // no root record: an empty document
    std::string name = ReadString();
    std::string value = ReadString();
    auto root = doc.Root();
    root->Name = name;
    root->Value = value;
    ReadBody(*root, 0);
  }

 private:
  [[noreturn]] void Fail(const std::string& what, size_t at) const {
    throw xmlError("xmlDocument.Load(\"" + path_ + "\"): Damaged binary file (" + what + " at byte " +
                   std::to_string(at) + ").");
  }

  int32_t ReadInt() {
    if (data_.size() - pos_ < 4) Fail("the data ends inside a number", pos_);
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= uint32_t(static_cast<unsigned char>(data_[pos_ + i])) << (8 * i);
    pos_ += 4;
    return static_cast<int32_t>(v);
  }

  int32_t ReadCount() {
    int32_t count = ReadInt();
    if (count < 0) Fail("negative count", pos_ - 4);
    return count;
  }

  std::string ReadString() {
    int32_t length = ReadInt();
    if (length < 0) Fail("negative text length", pos_ - 4);
    if (size_t(length) > data_.size() - pos_) Fail("a text runs past the end of the file", pos_ - 4);
    std::string text(data_.substr(pos_, size_t(length)));
    pos_ += size_t(length);
    return text;
  }

  void ReadBody(xmlNode& node, int depth) {
    int32_t attributes = ReadCount();
    for (int32_t i = 0; i < attributes; ++i) {
      std::string name = ReadString();
      std::string value = ReadString();
      node.AddAttribute(name, value);
    }
    int32_t children = ReadCount();
    for (int32_t i = 0; i < children; ++i) {
      if (depth + 1 > XML_MAX_DEPTH) {
        Fail("elements nested more than " + std::to_string(XML_MAX_DEPTH) + " levels deep", pos_);
      }
      std::string name = ReadString();
      std::string value = ReadString();
      auto child = node.AddNode(name, AS_CHILD);
      child->Value = value;
      ReadBody(*child, depth + 1);
    }
  }

  std::string_view data_;
  const std::string& path_;
  size_t pos_ = 0;
};

}  // namespace

std::string WriteXmlBinary(const xmlNodePtr& root) {
  std::string out(XML_BINARY_SIGNATURE);
  if (root) PutRecord(out, *root);
  return out;
}

void ReadXmlBinary(xmlDocument& doc, std::string_view bytes, const std::string& path) {
  BinaryReader(bytes, path).Run(doc);
}

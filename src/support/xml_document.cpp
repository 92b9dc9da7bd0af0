#include "support/xml_document.h"

#include "drawing/files.h"
#include "support/xml_binary.h"
#include "support/xml_text_reader.h"
#include "support/xml_text_writer.h"

namespace {

int CountNodes(const xmlNode& node) {
  int count = 1;
  for (const auto& child : node.ChildList()) count += CountNodes(*child);
  return count;
}

}  // namespace

std::shared_ptr<xmlDocument> xmlDocument::Create(const std::string& path, int flag) {
  auto doc = std::make_shared<xmlDocument>();
  if (!path.empty()) doc->Load(path, flag);
  return doc;
}

xmlNodePtr xmlDocument::Root() {
  if (!root_) {
    root_ = std::make_shared<xmlNode>();
    root_->Name = "root";
    root_->doc_ = weak_from_this();
  }
  return root_;
}

int xmlDocument::Load(const std::string& path, int) {
  std::string bytes;
  if (!drawing::ReadWholeFile(path, bytes)) {
    throw xmlError("xmlDocument.Load(\"" + path + "\"): Cannot read from file.");
  }
  return LoadFromBytes(bytes, path);
}

int xmlDocument::LoadFromBytes(const std::string& bytes, const std::string& path) {
  // The file was read once, so its signature cannot change between the
  // format check and the read.
  const bool binary = bytes.compare(0, XML_BINARY_SIGNATURE.size(), XML_BINARY_SIGNATURE) == 0;
  Clear();
  if (binary) {
    ReadXmlBinary(*this, bytes, path);
  } else {
    ReadXmlText(*this, bytes);
  }
  return 0;
}

std::string xmlDocument::SaveToBytes(int format) const {
  if (format == FORMAT_XML) return WriteXmlText(root_);
  if (format == FORMAT_BINARY) return WriteXmlBinary(root_);
  return {};
}

int xmlDocument::Save(const std::string& path, int format, int) {
  if (!drawing::WriteFileAtomically(path, SaveToBytes(format))) {
    throw xmlError("xmlDocument.Save(\"" + path + "\"): Cannot write to file.");
  }
  return 0;
}

int xmlDocument::NodeCount() const { return root_ ? CountNodes(*root_) : 0; }

int xmlDocument::SetEncryptionKey(const std::string&) { return 0; }

int xmlDocument::Clear() {
  if (root_) root_->Free();
  return 0;
}

#include "support/xml_text_writer.h"

namespace {

void WriteNode(std::string& out, const xmlNode& node) {
  const std::string indent(size_t(node.Level()) * 2, ' ');
  std::string head = node.Name;
  for (const auto& attr : node.AttributeList()) {
    head += ' ' + attr->Name + "=\"" + EscapeXmlText(attr->Value) + '"';
  }
  if (node.HasChildren()) {
    out += indent + '<' + head + ">\r\n";
    if (!node.Value.empty()) out += indent + "  " + EscapeXmlText(node.Value) + "\r\n";
    for (const auto& child : node.ChildList()) WriteNode(out, *child);
    out += indent + "</" + node.Name + ">\r\n";
  } else if (!node.Value.empty()) {
    out += indent + '<' + head + '>' + EscapeXmlText(node.Value) + "</" + node.Name + ">\r\n";
  } else {
    out += indent + '<' + head + "/>\r\n";
  }
}

}  // namespace

std::string EscapeXmlText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    auto code = static_cast<unsigned char>(c);
    switch (c) {
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&apos;"; break;
      case '&': out += "&amp;"; break;
      default:
        if (code < 32 || code >= 127) {
          out += "&#" + std::to_string(code) + ';';
        } else {
          out.push_back(c);
        }
    }
  }
  return out;
}

std::string WriteXmlText(const xmlNodePtr& root) {
  std::string out = "<?xml version=\"1.0\"?>\r\n";
  if (root) WriteNode(out, *root);
  return out;
}

// An XML document: one root element, read from and written to text XML or
// the compact binary tree form (recognised by its first three bytes).
#pragma once

#include <memory>
#include <string>

#include "support/xml_node.h"

constexpr int FORMAT_XML = 1;
constexpr int FORMAT_BINARY = 2;

class xmlDocument : public std::enable_shared_from_this<xmlDocument> {
 public:
  // An empty document; loads `path` when it is not empty.
  static std::shared_ptr<xmlDocument> Create(const std::string& path = "", int flag = 0);

  // The root element, created on first use with the name "root".
  xmlNodePtr Root();
  // The root element or null; never creates it.
  const xmlNodePtr& RootNode() const { return root_; }

  // Replaces the tree with the file's, in either form. Raises xmlError when
  // the file cannot be read or does not parse; what was read stays.
  int Load(const std::string& path, int flag = 0);
  // The same for bytes in memory; `path` only names the source in errors.
  int LoadFromBytes(const std::string& bytes, const std::string& path = "");
  // Writes the tree in FORMAT_XML or FORMAT_BINARY (any other format gives
  // an empty file). The file is replaced in one step, so a failed save never
  // leaves half a file behind; a file that cannot be written raises xmlError.
  int Save(const std::string& path, int format, int flag = 0);
  std::string SaveToBytes(int format) const;

  // Nodes in the tree, root included; 0 without a root.
  int NodeCount() const;
  // Files are never enciphered; kept for callers that set a key.
  int SetEncryptionKey(const std::string& key);
  // Removes the root's children and attributes; the root keeps its name and value.
  int Clear();

 private:
  xmlNodePtr root_;
};
using xmlDocumentPtr = std::shared_ptr<xmlDocument>;

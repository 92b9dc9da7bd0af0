// Compact descriptions of XML trees for the tests: "a(b,c(d))".
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "support/xml_document.h"

inline std::string Shape(const xmlNodePtr& node) {
  if (!node) return "<null>";
  std::string out = node->Name;
  if (!node->HasChildren()) return out;
  out += '(';
  bool first = true;
  for (const auto& child : node->ChildList()) {
    if (!first) out += ',';
    out += Shape(child);
    first = false;
  }
  return out + ')';
}

// Every link of the subtree agrees with its neighbours: parents, levels,
// indices and the owning document.
inline void ExpectConsistent(const xmlNodePtr& node) {
  int index = 1;
  for (const auto& child : node->ChildList()) {
    EXPECT_EQ(child->Parent(), node) << child->Name;
    EXPECT_EQ(child->Level(), node->Level() + 1) << child->Name;
    EXPECT_EQ(child->GetIndex(), index++) << child->Name;
    EXPECT_EQ(child->Doc(), node->Doc()) << child->Name;
    ExpectConsistent(child);
  }
}

// Parses text XML into a new document.
inline xmlDocumentPtr ParseXml(const std::string& text) {
  auto doc = xmlDocument::Create();
  doc->LoadFromBytes(text);
  return doc;
}

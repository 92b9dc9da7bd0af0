// The binary tree form: the bytes D8 F1 BC, then the root's node record.
// A record is name, value, attribute count, attributes (name, value), child
// count, child records. Strings are a 32-bit little-endian length and that
// many bytes; counts are 32-bit little-endian.
#pragma once

#include <string>
#include <string_view>

#include "support/xml_node.h"

class xmlDocument;

inline constexpr std::string_view XML_BINARY_SIGNATURE{"\xD8\xF1\xBC", 3};

std::string WriteXmlBinary(const xmlNodePtr& root);
// Reads a whole binary file (signature included) into the cleared document.
// Damaged files (negative or oversized counts and lengths, data running past
// the end) raise xmlError naming `path`; the records read before stay.
void ReadXmlBinary(xmlDocument& doc, std::string_view bytes, const std::string& path);

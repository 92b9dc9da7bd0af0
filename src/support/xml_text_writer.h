// The writer of the text form: a declaration line, two spaces of indent per
// level, CR LF line ends, values escaped so that the output is plain ASCII.
#pragma once

#include <string>
#include <string_view>

#include "support/xml_node.h"

std::string WriteXmlText(const xmlNodePtr& root);
// "<", ">", quotes and "&" as entities; codes below 32 and from 127 up as &#n;.
std::string EscapeXmlText(std::string_view text);

// The reader of the text form: a tokenizer of its own and a recursive parser.
#pragma once

#include <string>
#include <string_view>

class xmlDocument;

// Parses `bytes` (one character per byte) into the document. The document
// should have been cleared; raises xmlError with the parse error's text.
void ReadXmlText(xmlDocument& doc, std::string_view bytes);

// Decodes the references &lt; &gt; &apos; &amp; &quot; and &#<decimal>; of a
// text run. Unknown references, and decimal codes above 255 (which a byte
// cannot hold), stay as literal text.
std::string DecodeXmlReferences(std::string_view run);

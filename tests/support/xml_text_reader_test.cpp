#include <gtest/gtest.h>

#include "support/xml_document.h"
#include "support/xml_text_reader.h"
#include "xml_tree_shape.h"

namespace {

std::string ParseError(const std::string& text) {
  try {
    ParseXml(text);
  } catch (const xmlError& e) {
    return e.what();
  }
  return "(no error)";
}

TEST(XmlTextReader, ReadsElementsAttributesAndNesting) {
  auto doc = ParseXml("<?xml version=\"1.0\"?>\r\n<a x=\"1\" y=\"two words\">\r\n  <b/>\r\n  <c k=\"v\">text</c>\r\n</a>\r\n");
  auto root = doc->RootNode();
  ASSERT_TRUE(root);
  EXPECT_EQ(Shape(root), "a(b,c)");
  ASSERT_EQ(root->AttributeList().size(), 2u);
  EXPECT_EQ(root->FirstAttribute()->Name, "x");
  EXPECT_EQ(root->FirstAttribute()->Value, "1");
  EXPECT_EQ(root->LastAttribute()->Value, "two words");
  EXPECT_EQ(root->LastChild()->Value, "text");
  EXPECT_EQ(root->LastChild()->Attribute("k")->Value, "v");
  ExpectConsistent(root);
  EXPECT_EQ(doc->NodeCount(), 3);
}

TEST(XmlTextReader, ContentSeparatorRules) {
  EXPECT_EQ(ParseXml("<a>one\r\ntwo</a>")->RootNode()->Value, "one two");
  EXPECT_EQ(ParseXml("<a>one\ntwo</a>")->RootNode()->Value, "one\ntwo");
  EXPECT_EQ(ParseXml("<a>1/2</a>")->RootNode()->Value, "1/2");
  EXPECT_EQ(ParseXml("<a>x=1</a>")->RootNode()->Value, "x=1");
  EXPECT_EQ(ParseXml("<a>a//b=c</a>")->RootNode()->Value, "a//b=c");
  // Text on both sides of a child element is joined with a space.
  EXPECT_EQ(ParseXml("<a>left<b/>right</a>")->RootNode()->Value, "left right");
  // Tabs and inner spaces belong to the text; a blank run between tokens does not.
  EXPECT_EQ(ParseXml("<a>\r\n  x\ty z </a>")->RootNode()->Value, "x\ty z ");
  // Quoted text in content is dropped.
  EXPECT_EQ(ParseXml("<a>\"q\"v</a>")->RootNode()->Value, "v");
}

TEST(XmlTextReader, TokenizerQuirksThatStoredFilesRelyOn) {
  // A second top-level element renames and extends the root.
  auto doc = ParseXml("<a p=\"1\"><b/></a><c q=\"2\"/>");
  EXPECT_EQ(Shape(doc->RootNode()), "c(b)");
  EXPECT_EQ(doc->RootNode()->AttributeList().size(), 2u);
  // Blanks before "=" become part of the attribute name; case is kept.
  auto spaced = ParseXml("<a Key =\"V\"/>")->RootNode();
  EXPECT_EQ(spaced->FirstAttribute()->Name, "Key ");
  EXPECT_EQ(spaced->FirstAttribute()->Value, "V");
  // Comments run from "<-" to the first ">", declarations are skipped.
  EXPECT_EQ(Shape(ParseXml("<- note -><?decl?><a><-x-><b/></a>")->RootNode()), "a(b)");
  // A comment without an end swallows the rest.
  EXPECT_EQ(Shape(ParseXml("<a/><- never closed <b/>")->RootNode()), "a");
  // An unterminated quoted value runs to the end of the data.
  EXPECT_EQ(ParseError("<a x=\"abc"), "XML Parse Error: Unclosed tag (expecting \"/>\" or \">\")");
}

TEST(XmlTextReader, EveryParseErrorText) {
  EXPECT_EQ(ParseError("<a></b>"), "XML Parse Error: Closing tag does not match opening tag.");
  EXPECT_EQ(ParseError("<a></A>"), "XML Parse Error: Closing tag does not match opening tag.");
  EXPECT_EQ(ParseError("hello"), "XML Parse Error: Misplaced text (possibly not an xml file): hello");
  EXPECT_EQ(ParseError("\t<a/>"), "XML Parse Error: Misplaced text (possibly not an xml file): ?");
  EXPECT_EQ(ParseError("<a x=1/>"), "XML Parse Error: Expecting attribute value.");
  EXPECT_EQ(ParseError("<a x \"1\"/>"), "XML Parse Error: Expecting equals (=) after attribute name.");
  EXPECT_EQ(ParseError("<a x=\"1\" <b/>"), "XML Parse Error: Unclosed tag (expecting \"/>\" or \">\")");
  EXPECT_EQ(ParseError("<a></a x>"), "XML Parse Error: Unclosed tag (expecting \">\")");
  EXPECT_EQ(ParseError("</a>"), "XML Parse Error: Misplaced closing tag (no tag has been opened)");
  EXPECT_EQ(ParseError("<a>></a>"), "XML Parse Error: Misplaced tag end (expecting tag or tag data).");
  EXPECT_EQ(ParseError("<a/>/>"), "XML Parse Error: Misplaced tag end (expecting tag or tag data).");
  EXPECT_EQ(ParseError("<a>"), "XML Parse Error: Unclosed node tag (reached end of file)");
  EXPECT_EQ(ParseError("<a><b>text</b>"), "XML Parse Error: Unclosed node tag (reached end of file)");
}

TEST(XmlTextReader, ErrorsKeepWhatWasBuilt) {
  auto doc = xmlDocument::Create();
  EXPECT_THROW(doc->LoadFromBytes("<a><b/><c>"), xmlError);
  EXPECT_EQ(Shape(doc->RootNode()), "a(b,c)");
}

TEST(XmlTextReader, EmptyInputAndClearedTree) {
  auto fresh = ParseXml("");
  EXPECT_FALSE(fresh->RootNode());
  EXPECT_EQ(fresh->NodeCount(), 0);

  auto doc = ParseXml("<a x=\"1\"><b/></a>");
  doc->LoadFromBytes("  \r\n");
  ASSERT_TRUE(doc->RootNode());
  EXPECT_EQ(doc->RootNode()->Name, "a");
  EXPECT_FALSE(doc->RootNode()->HasChildren());
  EXPECT_FALSE(doc->RootNode()->HasAttributes());
}

TEST(XmlTextReader, AFirstByteLikeTheBinarySignatureStillReadsAsText) {
  EXPECT_EQ(ParseError("\xD8<a/>"), "XML Parse Error: Misplaced text (possibly not an xml file): \xD8");
  EXPECT_EQ(ParseError("\xD8\xF1<a/>"), "XML Parse Error: Misplaced text (possibly not an xml file): \xD8\xF1");
}

TEST(XmlTextReader, CharacterReferences) {
  EXPECT_EQ(DecodeXmlReferences("&lt;&gt;&apos;&amp;&quot;"), "<>'&\"");
  EXPECT_EQ(DecodeXmlReferences("&#65;&#233;&#0;x"), std::string("A\xE9") + '\0' + "x");
  EXPECT_EQ(DecodeXmlReferences("&foo; & &amp"), "&foo; & &amp");
  // No hexadecimal form: each character adds its low four bits.
  EXPECT_EQ(DecodeXmlReferences("&#6A;"), "=");  // 6, then 'A' counts 1: code 61
  EXPECT_EQ(DecodeXmlReferences("&#x41;"), "&#x41;");  // 'x' counts 8: code 841
  // Codes a byte cannot hold, however many digits, stay literal.
  EXPECT_EQ(DecodeXmlReferences("&#300;"), "&#300;");
  EXPECT_EQ(DecodeXmlReferences("&#99999999999999999999999999;"), "&#99999999999999999999999999;");
  // "&#" without ";" before the end of the data is literal text.
  EXPECT_EQ(DecodeXmlReferences("a&#65"), "a&#65");
  EXPECT_EQ(DecodeXmlReferences("&#&#65;"), "&#&#65;");
  EXPECT_EQ(ParseXml("<a v=\"&#65;&#66\">&#67;&#</a>")->RootNode()->Value, "C&#");
  EXPECT_EQ(ParseXml("<a v=\"&#65;&#66\"/>")->RootNode()->FirstAttribute()->Value, "A&#66");
}

TEST(XmlTextReader, RefusesNestingDeeperThanTheLimit) {
  std::string ok, deep;
  for (int i = 0; i < XML_MAX_DEPTH; ++i) ok += "<a>";
  for (int i = 0; i < XML_MAX_DEPTH; ++i) ok += "</a>";
  EXPECT_EQ(ParseXml(ok)->NodeCount(), XML_MAX_DEPTH);
  for (int i = 0; i < 100000; ++i) deep += "<a>";
  EXPECT_EQ(ParseError(deep), "XML Parse Error: Elements nested too deeply (more than 1000 levels).");
}

}  // namespace

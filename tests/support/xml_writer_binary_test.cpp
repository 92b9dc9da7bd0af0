#include <gtest/gtest.h>

#include <cstdlib>

#include "scratch_dir.h"
#include "support/xml_binary.h"
#include "support/xml_document.h"
#include "support/xml_text_writer.h"
#include "xml_tree_shape.h"

namespace {

std::string LoadError(xmlDocument& doc, const std::string& bytes) {
  try {
    doc.LoadFromBytes(bytes, "t.bin");
  } catch (const xmlError& e) {
    return e.what();
  }
  return "(no error)";
}

std::string Int32(int32_t v) {
  std::string out;
  for (int i = 0; i < 4; ++i) out.push_back(char((uint32_t(v) >> (8 * i)) & 255u));
  return out;
}
std::string Str(const std::string& s) { return Int32(int32_t(s.size())) + s; }

// A tree with everything the forms must carry: order, duplicates, empty
// texts, every byte value.
xmlDocumentPtr RichDocument() {
  auto doc = xmlDocument::Create();
  auto root = doc->Root();
  root->Name = "settings";
  std::string all_bytes;
  for (int c = 1; c < 256; ++c) all_bytes.push_back(char(c));
  root->AddAttribute("all", all_bytes);
  root->AddAttribute("dup", "1");
  root->AddAttribute("dup", "");
  auto a = root->AddNode("a", AS_CHILD);
  a->Value = "value with <, & and \"quotes\" 'too'";
  a->AddNode("leaf", AS_CHILD)->Value = "caf\xE9\tline\r\nnext";
  root->AddNode("empty", AS_CHILD);
  root->AddNode("b", AS_CHILD)->AddAttribute("x", "1/2=3");
  return doc;
}

TEST(XmlTextWriter, LayoutAndEscaping) {
  auto doc = ParseXml("<a x=\"1\"/>");
  EXPECT_EQ(doc->SaveToBytes(FORMAT_XML), "<?xml version=\"1.0\"?>\r\n<a x=\"1\"/>\r\n");

  auto tree = xmlDocument::Create();
  auto r = tree->Root();
  r->Value = "top";
  auto c = r->AddNode("c", AS_CHILD);
  c->Value = "v";
  c->AddNode("d", AS_CHILD);
  EXPECT_EQ(tree->SaveToBytes(FORMAT_XML),
            "<?xml version=\"1.0\"?>\r\n<root>\r\n  top\r\n  <c>\r\n    v\r\n    <d/>\r\n  </c>\r\n</root>\r\n");

  EXPECT_EQ(EscapeXmlText("<a href=\"x\">&'"), "&lt;a href=&quot;x&quot;&gt;&amp;&apos;");
  EXPECT_EQ(EscapeXmlText(std::string("\x01\t\x1F ~\x7F\x80\xE9\xFF", 9)), "&#1;&#9;&#31; ~&#127;&#128;&#233;&#255;");
  EXPECT_EQ(EscapeXmlText(std::string(1, '\0')), "&#0;");
  EXPECT_EQ(xmlDocument::Create()->SaveToBytes(FORMAT_XML), "<?xml version=\"1.0\"?>\r\n");
  EXPECT_EQ(doc->SaveToBytes(7), "");
}

TEST(XmlForms, TextBinaryTextRoundTrip) {
  auto doc = RichDocument();
  const std::string text = doc->SaveToBytes(FORMAT_XML);
  auto from_text = ParseXml(text);
  const std::string binary = from_text->SaveToBytes(FORMAT_BINARY);
  ASSERT_EQ(binary.substr(0, 3), "\xD8\xF1\xBC");
  auto from_binary = xmlDocument::Create();
  from_binary->LoadFromBytes(binary);
  EXPECT_EQ(from_binary->SaveToBytes(FORMAT_XML), text);
  // Every attribute byte and the line break in the value survive the text form.
  EXPECT_EQ(from_text->RootNode()->FirstAttribute()->Value, doc->RootNode()->FirstAttribute()->Value);
  EXPECT_EQ(from_text->RootNode()->FindChild("leaf", true)->Value, "caf\xE9\tline\r\nnext");
  EXPECT_EQ(from_text->RootNode()->FindChild("b")->FirstAttribute()->Value, "1/2=3");
}

TEST(XmlForms, BinaryRoundTripIsExact) {
  auto doc = RichDocument();
  doc->Root()->Value = "  leading blanks survive only in binary ";
  auto copy = xmlDocument::Create();
  copy->LoadFromBytes(doc->SaveToBytes(FORMAT_BINARY));
  EXPECT_EQ(copy->SaveToBytes(FORMAT_BINARY), doc->SaveToBytes(FORMAT_BINARY));
  EXPECT_EQ(copy->Root()->Value, doc->Root()->Value);
  EXPECT_EQ(Shape(copy->Root()), "settings(a(leaf),empty,b)");
  ExpectConsistent(copy->Root());
  // The binary reader overwrites the root's value; a root-only file is one record.
  EXPECT_EQ(xmlDocument::Create()->SaveToBytes(FORMAT_BINARY), "\xD8\xF1\xBC");
}

TEST(XmlForms, DamagedBinaryFilesFailCleanly) {
  auto doc = xmlDocument::Create();
  const std::string sig = "\xD8\xF1\xBC";
  EXPECT_EQ(LoadError(*doc, sig + Int32(-1)),
            "xmlDocument.Load(\"t.bin\"): Damaged binary file (negative text length at byte 3).");
  EXPECT_EQ(LoadError(*doc, sig + Int32(0x7FFFFFFF) + "abc"),
            "xmlDocument.Load(\"t.bin\"): Damaged binary file (a text runs past the end of the file at byte 3).");
  EXPECT_EQ(LoadError(*doc, sig + Str("r") + Str("") + Int32(-5)),
            "xmlDocument.Load(\"t.bin\"): Damaged binary file (negative count at byte 12).");
  // A huge child count with no records behind it stops at the end of the data.
  EXPECT_EQ(LoadError(*doc, sig + Str("r") + Str("") + Int32(0) + Int32(2000000000) + Str("kid") + Str("v") +
                                Int32(0) + Int32(0)),
            "xmlDocument.Load(\"t.bin\"): Damaged binary file (the data ends inside a number at byte 40).");
  EXPECT_EQ(Shape(doc->RootNode()), "r(kid)");  // what was read before stays, nothing more

  // Every truncation of a good file fails with an error or loads a prefix.
  const std::string good = RichDocument()->SaveToBytes(FORMAT_BINARY);
  for (size_t n = 4; n < good.size(); ++n) {
    auto partial = xmlDocument::Create();
    EXPECT_NE(LoadError(*partial, good.substr(0, n)).find("Damaged binary file"), std::string::npos) << n;
  }
}

TEST(XmlForms, DeeplyNestedBinaryIsRefused) {
  std::string bytes = "\xD8\xF1\xBC";
  for (int i = 0; i < 5000; ++i) bytes += Str("n") + Str("") + Int32(0) + Int32(1);
  auto doc = xmlDocument::Create();
  EXPECT_NE(LoadError(*doc, bytes).find("nested more than 1000 levels"), std::string::npos);
}

TEST(XmlDocumentFiles, LoadSaveAndTheirErrors) {
  ScratchDir dir;
  auto doc = RichDocument();
  doc->Save(dir.File("t.xml"), FORMAT_XML);
  doc->Save(dir.File("t.bin"), FORMAT_BINARY);
  EXPECT_EQ(ScratchDir::Read(dir.File("t.xml")), doc->SaveToBytes(FORMAT_XML));
  auto from_text = xmlDocument::Create(dir.File("t.xml"), 0);
  auto from_binary = xmlDocument::Create(dir.File("t.bin"), 0);
  EXPECT_EQ(from_binary->SaveToBytes(FORMAT_XML), from_text->SaveToBytes(FORMAT_XML));

  const std::string missing = dir.File("missing.xml");
  try {
    xmlDocument::Create(missing, 0);
    FAIL() << "loading a missing file must fail";
  } catch (const xmlError& e) {
    EXPECT_EQ(std::string(e.what()), "xmlDocument.Load(\"" + missing + "\"): Cannot read from file.");
  }
  EXPECT_THROW(doc->Load(dir.File("")), xmlError);  // a folder
  EXPECT_THROW(doc->Save(dir.File("no/such/folder/t.xml"), FORMAT_XML), xmlError);
  EXPECT_EQ(doc->SetEncryptionKey("secret"), 0);
}

TEST(XmlDocumentFiles, WrittenFilesAreWellFormedForXmllint) {
  if (std::system("xmllint --version >/dev/null 2>&1") != 0) GTEST_SKIP() << "xmllint is not installed";
  ScratchDir dir;
  auto doc = xmlDocument::Create();
  auto root = doc->Root();
  root->Name = "config";
  root->AddAttribute("title", "Tom & Jerry's \"<best>\" theme");
  auto n = root->AddNode("name", AS_CHILD);
  n->Value = "a < b && c > d, 'quoted' \"too\", caf\xE9, tab\there";
  n->AddAttribute("path", "gfx/a&b<c>.png");
  root->AddNode("empty", AS_CHILD);
  auto mixed = root->AddNode("mixed", AS_CHILD);
  mixed->Value = "text & <child>";
  mixed->AddNode("child", AS_CHILD)->Value = "\xFF\x80";
  const std::string path = dir.File("written.xml");
  doc->Save(path, FORMAT_XML);
  EXPECT_EQ(std::system(("xmllint --noout '" + path + "'").c_str()), 0) << ScratchDir::Read(path);
  // And the reader gets the same values back.
  auto back = xmlDocument::Create(path, 0);
  EXPECT_EQ(back->Root()->FindChild("name")->Value, n->Value);
  EXPECT_EQ(back->Root()->Attribute("title")->Value, "Tom & Jerry's \"<best>\" theme");
}

}  // namespace

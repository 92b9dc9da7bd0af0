#include <gtest/gtest.h>

#include "support/xml_document.h"
#include "xml_tree_shape.h"

namespace {

std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const xmlError& e) {
    return e.what();
  }
  return "(no error)";
}

// root(a(a1,a2),b,c)
struct SampleTree {
  xmlDocumentPtr doc = ParseXml("<root><a><a1/><a2/></a><b/><c/></root>");
  xmlNodePtr root = doc->RootNode();
  xmlNodePtr a = root->GetChild(1);
  xmlNodePtr a1 = a->GetChild(1);
  xmlNodePtr a2 = a->GetChild(2);
  xmlNodePtr b = root->GetChild(2);
  xmlNodePtr c = root->GetChild(3);
};

TEST(XmlNode, RootIsCreatedOnDemand) {
  auto doc = xmlDocument::Create();
  EXPECT_FALSE(doc->RootNode());
  auto root = doc->Root();
  EXPECT_EQ(root->Name, "root");
  EXPECT_EQ(root->Level(), 0);
  EXPECT_TRUE(root->IsRoot());
  EXPECT_EQ(root->Doc(), doc);
  EXPECT_EQ(doc->Root(), root);
  root->AddNode("x", AS_CHILD);
  root->AddNode("y", AS_CHILD);
  EXPECT_EQ(doc->NodeCount(), 3);
  doc->Clear();
  EXPECT_EQ(doc->NodeCount(), 1);
  EXPECT_EQ(doc->Root()->Name, "root");
}

TEST(XmlNode, AddNodeAsChildAndSibling) {
  SampleTree t;
  auto n = t.a1->AddNode("n", AS_SIBLING);
  auto d = t.a2->AddNode("d", AS_CHILD);
  EXPECT_EQ(Shape(t.root), "root(a(a1,n,a2(d)),b,c)");
  EXPECT_EQ(d->Level(), 3);
  ExpectConsistent(t.root);
  EXPECT_EQ(ErrorOf([&] { t.root->AddNode("z", AS_SIBLING); }),
            "xmlNode.AddNode(\"z\", AS_SIBLING): The root node may not have siblings.");
}

TEST(XmlNode, MoveToPlacesTheSubtreeAndUpdatesLevels) {
  SampleTree t;
  t.a->MoveTo(t.c, AS_CHILD);
  EXPECT_EQ(Shape(t.root), "root(b,c(a(a1,a2)))");
  EXPECT_EQ(t.a2->Level(), 3);
  t.a->MoveTo(t.b, AS_SIBLING);
  EXPECT_EQ(Shape(t.root), "root(b,a(a1,a2),c)");
  t.a1->MoveTo(t.a2, AS_SIBLING);
  EXPECT_EQ(Shape(t.root), "root(b,a(a2,a1),c)");
  t.b->MoveTo(t.b, AS_CHILD);
  EXPECT_EQ(Shape(t.root), "root(b,a(a2,a1),c)");
  ExpectConsistent(t.root);
}

TEST(XmlNode, MoveToChecksBeforeChanging) {
  SampleTree t;
  const std::string before = Shape(t.root);
  EXPECT_EQ(ErrorOf([&] { t.root->MoveTo(t.b, AS_CHILD); }), "xmlNode.MoveTo(xmlNode, AS_CHILD): Cannot move root node.");
  EXPECT_EQ(ErrorOf([&] { t.root->MoveTo(t.b, AS_SIBLING); }),
            "xmlNode.MoveTo(xmlNode, AS_SIBLING): Cannot move root node.");
  EXPECT_EQ(ErrorOf([&] { t.a->MoveTo(t.a2, AS_CHILD); }),
            "xmlNode.MoveTo(xmlNode, AS_CHILD): Cannot move a node into one of it's children.");
  EXPECT_EQ(ErrorOf([&] { t.a->MoveTo(t.a2, AS_SIBLING); }),
            "xmlNode.MoveTo(xmlNode, AS_SIBLING): Cannot move a node to one of it's children.");
  EXPECT_EQ(ErrorOf([&] { t.b->MoveTo(t.root, AS_SIBLING); }),
            "xmlNode.MoveTo(xmlNode, AS_SIBLING): The root node may not have siblings.");
  EXPECT_THROW(t.b->MoveTo(t.c, 7), xmlError);
  EXPECT_EQ(Shape(t.root), before);
}

TEST(XmlNode, CopyToAndCopyMakeIndependentDeepCopies) {
  SampleTree t;
  t.a->Value = "va";
  t.a->AddAttribute("k", "1");
  auto copy = t.a->CopyTo(t.a1, AS_CHILD);  // a target inside the source is fine
  EXPECT_EQ(Shape(t.root), "root(a(a1(a(a1,a2)),a2),b,c)");
  EXPECT_EQ(copy->Value, "va");
  EXPECT_EQ(copy->Level(), 3);
  copy->Attribute("k")->Value = "changed";
  EXPECT_EQ(t.a->Attribute("k")->Value, "1");

  auto second = t.b->Copy();
  EXPECT_EQ(second->Parent(), t.root);
  EXPECT_EQ(t.root->LastChild(), second);
  auto third = t.c->Copy(t.b);
  EXPECT_EQ(third->Parent(), t.b);
  EXPECT_EQ(third->Level(), 2);
  t.b->CopyTo(t.c, AS_SIBLING);
  EXPECT_EQ(Shape(t.root), "root(a(a1(a(a1,a2)),a2),b(c),c,b(c),b)");
  ExpectConsistent(t.root);
}

TEST(XmlNode, CopyErrors) {
  SampleTree t;
  EXPECT_EQ(ErrorOf([&] { t.root->CopyTo(t.b, AS_CHILD); }), "xmlNode.CopyTo(xmlNode, AS_CHILD): Cannot copy root node.");
  EXPECT_EQ(ErrorOf([&] { t.root->CopyTo(t.b, AS_SIBLING); }),
            "xmlNode.CopyTo(xmlNode, AS_SIBLING): Cannot copy root node.");
  EXPECT_EQ(ErrorOf([&] { t.b->CopyTo(t.b, AS_CHILD); }), "xmlNode.CopyTo(CopyTo, AS_CHILD): Cannot move a copy into itself.");
  EXPECT_EQ(ErrorOf([&] { t.b->CopyTo(t.b, AS_SIBLING); }),
            "xmlNode.CopyTo(CopyTo, AS_SIBLING): Cannot move a copy under itself.");
  EXPECT_EQ(ErrorOf([&] { t.b->CopyTo(t.root, AS_SIBLING); }),
            "xmlNode.CopyTo(xmlNode, AS_SIBLING): The root node may not have siblings.");
  EXPECT_EQ(ErrorOf([&] { t.root->Copy(); }), "xmlNode.Copy(): Cannot copy root node.");
  EXPECT_EQ(Shape(t.root), "root(a(a1,a2),b,c)");
}

TEST(XmlNode, SwapWithExchangesPlaces) {
  SampleTree t;
  t.a1->SwapWith(t.c);
  EXPECT_EQ(Shape(t.root), "root(a(c,a2),b,a1)");
  t.b->SwapWith(t.a1);  // neighbours under the same parent
  EXPECT_EQ(Shape(t.root), "root(a(c,a2),a1,b)");
  t.b->SwapWith(t.b);
  EXPECT_EQ(Shape(t.root), "root(a(c,a2),a1,b)");
  ExpectConsistent(t.root);
  EXPECT_EQ(ErrorOf([&] { t.a->SwapWith(t.a2); }), "xmlNode.SwapWith(xmlNode): Cannot swap a node with one of it's children.");
  EXPECT_EQ(ErrorOf([&] { t.a2->SwapWith(t.a); }), "xmlNode.SwapWith(xmlNode): Cannot swap a node with one of it's parents.");
  EXPECT_EQ(ErrorOf([&] { t.b->SwapWith(t.root); }), "xmlNode.SwapWith(xmlNode): Cannot swap a node with one of it's parents.");
}

TEST(XmlNode, SetIndexLandsExactlyAndClamps) {
  auto doc = ParseXml("<r><n1/><n2/><n3/><n4/></r>");
  auto r = doc->RootNode();
  r->GetChild(1)->SetIndex(3);
  EXPECT_EQ(Shape(r), "r(n2,n3,n1,n4)");
  EXPECT_EQ(r->GetChild(3)->Name, "n1");
  r->GetChild(4)->SetIndex(1);
  EXPECT_EQ(Shape(r), "r(n4,n2,n3,n1)");
  r->GetChild(2)->SetIndex(99);
  EXPECT_EQ(Shape(r), "r(n4,n3,n1,n2)");
  r->GetChild(2)->SetIndex(2);
  EXPECT_EQ(Shape(r), "r(n4,n3,n1,n2)");
  ExpectConsistent(r);
  EXPECT_EQ(ErrorOf([&] { r->SetIndex(1); }), "xmlNode.SetIndex(1): Cannot set the index of the root node.");
  EXPECT_EQ(ErrorOf([&] { r->GetChild(1)->SetIndex(0); }), "xmlNode.SetIndex(0): Index may not be less than 1.");
}

TEST(XmlNode, ChildAndSiblingNavigation) {
  SampleTree t;
  EXPECT_EQ(t.b->NextSibling(), t.c);
  EXPECT_EQ(t.b->PrevSibling(), t.a);
  EXPECT_EQ(t.c->NextSibling(), nullptr);
  EXPECT_EQ(t.a->PrevSibling(), nullptr);
  EXPECT_EQ(t.root->NextSibling(), nullptr);
  EXPECT_EQ(t.b->FirstSibling(), t.a);
  EXPECT_EQ(t.b->LastSibling(), t.c);
  EXPECT_EQ(t.root->FirstSibling(), t.root);
  EXPECT_EQ(t.b->GetSibling(3), t.c);
  EXPECT_EQ(t.b->SiblingCount(), 3);
  EXPECT_EQ(t.root->SiblingCount(), 1);
  EXPECT_EQ(t.root->GetSibling(1), t.root);
  EXPECT_EQ(t.c->GetIndex(), 3);
  EXPECT_EQ(t.root->GetIndex(), 1);
  EXPECT_EQ(t.a1->FirstChild(), nullptr);
  EXPECT_EQ(ErrorOf([&] { t.root->GetSibling(2); }), "xmlNode.GetSibling(2): The root node has no siblings");
  EXPECT_EQ(ErrorOf([&] { t.root->GetChild(0); }), "xmlNode.SetIndex(0): Index may not be less than 1.");
  EXPECT_EQ(ErrorOf([&] { t.root->GetChild(4); }),
            "xmlNode.GetChild(4): Index may not be greater than the number of children (3).");
  EXPECT_EQ(ErrorOf([&] { t.b->GetSibling(4); }),
            "xmlNode.GetChild(4): Index may not be greater than the number of children (3).");
}

TEST(XmlNode, FindChildLooksAtDirectChildrenFirst) {
  auto doc = ParseXml("<r><a><x id=\"deep\"/></a><X id=\"near\"/></r>");
  auto r = doc->RootNode();
  EXPECT_EQ(r->FindChild("x", false, true), nullptr);
  EXPECT_EQ(r->FindChild("x", true, true)->Attribute("id")->Value, "deep");
  EXPECT_EQ(r->FindChild("x", true, false)->Attribute("id")->Value, "near");
  EXPECT_EQ(r->GetChild(1)->FindSibling("x", false)->Name, "X");
  EXPECT_EQ(r->GetChild(1)->FindSibling("a")->Name, "a");  // may be the node itself
  EXPECT_EQ(ErrorOf([&] { r->FindSibling("q", true); }), "xmlNode.xmlNode(\"q\"): The root node has no siblings.");
  EXPECT_EQ(ErrorOf([&] { r->FindSibling("q", false); }), "xmlNode.xmlNode(\"q\", False): The root node has no siblings.");
}

TEST(XmlNode, FindChildExMatchesAttributesAndAddsMissingOnes) {
  auto doc = ParseXml("<r><s/><s name=\"Dots\"/><t/><g><s name=\"deep\"/></g></r>");
  auto r = doc->RootNode();
  auto found = r->FindChildEx("S", "NAME", "dots", false, false);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->GetIndex(), 2);
  // The first s had no attribute "name": the search added an empty one.
  EXPECT_TRUE(r->GetChild(1)->HasAttribute("name"));
  EXPECT_EQ(r->GetChild(1)->Attribute("name")->Value, "");
  EXPECT_FALSE(r->GetChild(3)->HasAttributes());
  EXPECT_EQ(r->FindChildEx("s", "name", "Dots", false, true), found);
  EXPECT_EQ(r->FindChildEx("s", "name", "dots", false, true), nullptr);
  EXPECT_EQ(r->FindChildEx("s", "name", "deep", true, true)->Level(), 2);
}

TEST(XmlNode, SortIsStableInBothDirections) {
  auto doc = ParseXml("<r><b i=\"1\"/><A i=\"2\"/><b i=\"3\"/><a i=\"4\"/><c i=\"5\"/><ab i=\"6\"/></r>");
  auto r = doc->RootNode();
  auto order = [&] {
    std::string s;
    for (const auto& child : r->ChildList()) s += child->Attribute("i")->Value;
    return s;
  };
  r->SortChildren(1, 0, true);
  EXPECT_EQ(order(), "246135");  // a, a (case ignored, kept in order), ab, b, b, c
  r->SortChildren(1, 0, false);
  EXPECT_EQ(order(), "513624");
  r->SortChildren(4, 0, true);  // attribute values
  EXPECT_EQ(order(), "123456");
  r->SortChildren(9, 0, false);  // unknown key: nothing moves
  EXPECT_EQ(order(), "123456");
  ExpectConsistent(r);
}

TEST(XmlNode, SortChildrenExUsesTheSecondKeyForTies) {
  auto doc = ParseXml("<r><n>2</n><m>9</m><n>1</n><m>3</m></r>");
  auto r = doc->RootNode();
  r->SortChildrenEx(1, 2, 0, true);
  std::string s;
  for (const auto& child : r->ChildList()) s += child->Name + child->Value;
  EXPECT_EQ(s, "m3m9n1n2");
  // Attribute names joined form the key of sortBy 3; codes above 127 sort last.
  auto attrs = ParseXml("<r><x b=\"\" a=\"\"/><x \xE9=\"\"/><x a=\"\"/></r>")->RootNode();
  attrs->SortChildren(3, 0, true);
  EXPECT_EQ(attrs->GetChild(1)->FirstAttribute()->Name, "a");
  EXPECT_EQ(attrs->GetChild(2)->FirstAttribute()->Name, "b");
  EXPECT_EQ(attrs->GetChild(3)->FirstAttribute()->Name, "\xE9");
}

TEST(XmlNode, MoveAndCopyChildrenKeepTheirOrder) {
  auto doc = ParseXml("<r><src><x/><y/><z/></src><dst><d/></dst><end/></r>");
  auto r = doc->RootNode();
  auto src = r->GetChild(1);
  auto dst = r->GetChild(2);
  src->CopyChildrenTo(src, AS_CHILD);  // each child copied once, even into itself
  EXPECT_EQ(Shape(src), "src(x,y,z,x,y,z)");
  src->MoveChildrenTo(dst, AS_CHILD);
  EXPECT_EQ(Shape(r), "r(src,dst(d,x,y,z,x,y,z),end)");
  dst->MoveChildrenTo(dst, AS_SIBLING);
  EXPECT_EQ(Shape(r), "r(src,dst,d,x,y,z,x,y,z,end)");
  dst->AddNode("k", AS_CHILD);
  dst->CopyChildrenTo(src, AS_SIBLING);
  EXPECT_EQ(Shape(r), "r(src,k,dst(k),d,x,y,z,x,y,z,end)");
  src->MoveChildrenTo(src, 3);  // not a position: nothing happens
  ExpectConsistent(r);
}

TEST(XmlNode, BulkMovesFailBeforeMovingAnything) {
  auto doc = ParseXml("<r><p><a/><b><inner/></b></p></r>");
  auto r = doc->RootNode();
  auto p = r->GetChild(1);
  auto inner = p->GetChild(2)->GetChild(1);
  EXPECT_EQ(ErrorOf([&] { p->MoveChildrenTo(inner, AS_CHILD); }),
            "xmlNode.MoveTo(xmlNode, AS_CHILD): Cannot move a node into one of it's children.");
  EXPECT_EQ(ErrorOf([&] { p->MoveChildrenTo(r, AS_SIBLING); }),
            "xmlNode.MoveTo(xmlNode, AS_SIBLING): The root node may not have siblings.");
  EXPECT_EQ(ErrorOf([&] { p->CopyChildrenTo(p->GetChild(2), AS_CHILD); }),
            "xmlNode.CopyTo(CopyTo, AS_CHILD): Cannot move a copy into itself.");
  EXPECT_EQ(Shape(r), "r(p(a,b(inner)))");
}

TEST(XmlNode, AttributesLookupCreationAndRemoval) {
  auto node = xmlDocument::Create()->Root();
  EXPECT_FALSE(node->HasAttribute("Width", false));
  EXPECT_FALSE(node->HasAttributes());
  auto width = node->Attribute("Width", false);
  EXPECT_EQ(width->Name, "width");
  EXPECT_EQ(width->Value, "");
  EXPECT_EQ(width->Node(), node);
  EXPECT_EQ(node->Attribute("WIDTH", false), width);
  auto exact = node->Attribute("WIDTH", true);  // a case-sensitive miss adds one
  EXPECT_EQ(exact->Name, "WIDTH");
  auto dup = node->AddAttribute("width", "second");
  EXPECT_EQ(node->Attribute("width"), width);  // the first match wins
  EXPECT_EQ(width->NextAttr(), exact);
  EXPECT_EQ(dup->PrevAttr(), exact);
  EXPECT_EQ(dup->NextAttr(), nullptr);
  EXPECT_EQ(width->PrevAttr(), nullptr);
  node->AddAttribute("", "no name");
  node->CleanAttributes();  // drops the empty-valued and the unnamed ones
  ASSERT_EQ(node->AttributeList().size(), 1u);
  EXPECT_EQ(node->FirstAttribute(), dup);
  EXPECT_EQ(width->Node(), nullptr);
  dup->Free();
  EXPECT_FALSE(node->HasAttributes());
  EXPECT_EQ(dup->NextAttr(), nullptr);
}

TEST(XmlNode, FreeDetachesAndEmptiesTheNode) {
  SampleTree t;
  t.a->AddAttribute("k", "v");
  t.a->Free();
  EXPECT_EQ(Shape(t.root), "root(b,c)");
  EXPECT_TRUE(t.a->IsRoot());
  EXPECT_FALSE(t.a->HasChildren());
  EXPECT_FALSE(t.a->HasAttributes());
  EXPECT_TRUE(t.a1->IsRoot());  // children were freed one by one
  EXPECT_EQ(t.doc->NodeCount(), 3);
  t.root->FreeChildren();
  EXPECT_EQ(t.doc->NodeCount(), 1);
  EXPECT_TRUE(t.b->IsRoot());
}

}  // namespace

// The element tree of an XML document: nodes with a name, a text value,
// ordered attributes and ordered children.
//
// Nodes are shared objects: a node taken out of the tree lives on while the
// caller holds it. Parents own their children and attributes; the links back
// (parent, owning node, document) do not own. Every failing operation raises
// xmlError before it changes anything.
#pragma once

#include <list>
#include <memory>
#include <stdexcept>
#include <string>

class xmlDocument;
class xmlNode;
class xmlAttribute;
using xmlNodePtr = std::shared_ptr<xmlNode>;
using xmlAttributePtr = std::shared_ptr<xmlAttribute>;

// Where MoveTo, CopyTo, AddNode and the bulk moves place a node.
constexpr int AS_CHILD = 1;    // last child of the target
constexpr int AS_SIBLING = 2;  // right after the target, under the target's parent

// Files deeper than this are refused by both readers: the tree is walked
// recursively, and a hostile file must not exhaust the stack.
constexpr int XML_MAX_DEPTH = 1000;

// Raised by every XML operation that fails; what() is the message alone.
class xmlError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class xmlAttribute {
 public:
  std::string Name;
  std::string Value;

  // The element that owns this attribute; null once it has been freed.
  xmlNodePtr Node() const { return node_.lock(); }
  // Neighbours in the owner's list; null at the ends.
  xmlAttributePtr NextAttr() const;
  xmlAttributePtr PrevAttr() const;
  // Removes the attribute from its owner.
  int Free();

 private:
  friend class xmlNode;
  std::weak_ptr<xmlNode> node_;
  std::list<xmlAttributePtr>::iterator link_{};
};

class xmlNode : public std::enable_shared_from_this<xmlNode> {
 public:
  using ChildContainer = std::list<xmlNodePtr>;
  using AttributeContainer = std::list<xmlAttributePtr>;

  std::string Name;
  std::string Value;

  xmlNodePtr Parent() const { return parent_.lock(); }
  // Depth in the tree: 0 for the root. Only the text writer's indent uses it.
  int Level() const { return level_; }
  std::shared_ptr<xmlDocument> Doc() const { return doc_.lock(); }
  const ChildContainer& ChildList() const { return children_; }
  const AttributeContainer& AttributeList() const { return attributes_; }

  xmlNodePtr AddNode(const std::string& name, int position);
  int MoveTo(const xmlNodePtr& target, int position);
  xmlNodePtr CopyTo(const xmlNodePtr& target, int position);
  // A deep copy appended to newParent, or to this node's parent when null.
  xmlNodePtr Copy(const xmlNodePtr& newParent = nullptr);
  int SwapWith(const xmlNodePtr& other);
  // 1-based position among the parent's children (the root: 1).
  int GetIndex() const;
  // Moves the node to exactly this 1-based position; past the end means last.
  int SetIndex(int index);
  bool IsRoot() const { return parent_.expired(); }
  // Empties the node (children and attributes) and unlinks it from its parent.
  int Free();

  bool HasChildren() const { return !children_.empty(); }
  xmlNodePtr FirstChild() const;
  xmlNodePtr LastChild() const;
  xmlNodePtr GetChild(int index) const;
  int ChildCount() const { return int(children_.size()); }
  xmlNodePtr FindChild(const std::string& name, bool recursive = false, bool caseSensitive = true) const;
  // Like FindChild, but the child must also carry attrName = attrValue. Every
  // child whose name matches gains attrName (empty) if it lacks it.
  xmlNodePtr FindChildEx(const std::string& name, const std::string& attrName, const std::string& attrValue,
                         bool recursive = false, bool caseSensitive = true);
  // Stable sorts by 1 name, 2 value, 3 attribute names, 4 attribute values.
  int SortChildren(int sortBy, int reserved = 0, bool ascending = true);
  int SortChildrenEx(int sortBy, int thenBy, int reserved = 0, bool ascending = true);
  int MoveChildrenTo(const xmlNodePtr& target, int position);
  int CopyChildrenTo(const xmlNodePtr& target, int position);
  int FreeChildren();

  xmlNodePtr NextSibling() const;
  xmlNodePtr PrevSibling() const;
  xmlNodePtr FirstSibling();
  xmlNodePtr LastSibling();
  xmlNodePtr GetSibling(int index);
  int SiblingCount() const;
  xmlNodePtr FindSibling(const std::string& name, bool caseSensitive = true);

  bool HasAttribute(const std::string& name, bool caseSensitive = true) const;
  bool HasAttributes() const { return !attributes_.empty(); }
  xmlAttributePtr FirstAttribute() const;
  xmlAttributePtr LastAttribute() const;
  // The first attribute of that name; a missing one is appended with an
  // empty value (named in lower case when the lookup ignores case).
  xmlAttributePtr Attribute(const std::string& name, bool caseSensitive = true);
  // Appends an attribute even when one of that name exists (as files may hold).
  xmlAttributePtr AddAttribute(const std::string& name, const std::string& value);
  // Removes every attribute whose name or value is empty.
  int CleanAttributes();
  // Recomputes Level (and the owning document) for this subtree.
  int _UpdateVars();

 private:
  friend class xmlDocument;
  friend class xmlAttribute;

  bool IsBelow(const xmlNode* ancestor) const;
  // Throws the error MoveTo would raise; true when the move changes nothing.
  bool CheckMove(const xmlNodePtr& target, int position) const;
  void CheckCopy(const xmlNodePtr& target, int position) const;
  void Unlink();
  void LinkChild(const xmlNodePtr& child, ChildContainer::iterator before);
  static void Place(const xmlNodePtr& node, xmlNode& target, int position);
  static xmlNodePtr DeepCopy(const xmlNode& source);

  std::weak_ptr<xmlNode> parent_;
  std::weak_ptr<xmlDocument> doc_;
  int level_ = 0;
  ChildContainer::iterator link_{};
  ChildContainer children_;
  AttributeContainer attributes_;
};

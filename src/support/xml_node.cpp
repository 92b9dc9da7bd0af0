#include "support/xml_node.h"

#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

#include "support/text_util.h"

namespace {

bool NamesMatch(const std::string& a, const std::string& b, bool caseSensitive) {
  if (caseSensitive) return a == b;
  return a.size() == b.size() && LowerAscii(a) == LowerAscii(b);
}

std::string PositionName(int position) {
  if (position == AS_CHILD) return "AS_CHILD";
  if (position == AS_SIBLING) return "AS_SIBLING";
  return std::to_string(position);
}

void RequireKnownPosition(const std::string& operation, int position) {
  if (position != AS_CHILD && position != AS_SIBLING) {
    throw xmlError(operation + "(xmlNode, " + std::to_string(position) +
                   "): The position must be AS_CHILD or AS_SIBLING.");
  }
}

}  // namespace

// ---- xmlAttribute

xmlAttributePtr xmlAttribute::NextAttr() const {
  auto node = node_.lock();
  if (!node) return nullptr;
  auto next = std::next(link_);
  return next == node->AttributeList().end() ? nullptr : *next;
}

xmlAttributePtr xmlAttribute::PrevAttr() const {
  auto node = node_.lock();
  if (!node || link_ == node->AttributeList().begin()) return nullptr;
  return *std::prev(link_);
}

int xmlAttribute::Free() {
  auto node = node_.lock();
  if (!node) return 0;
  auto link = link_;
  node_.reset();
  node->attributes_.erase(link);  // may destroy this object: nothing follows
  return 0;
}

// ---- links

bool xmlNode::IsBelow(const xmlNode* ancestor) const {
  for (auto p = parent_.lock(); p; p = p->parent_.lock()) {
    if (p.get() == ancestor) return true;
  }
  return false;
}

void xmlNode::Unlink() {
  auto parent = parent_.lock();
  if (!parent) return;
  auto keep = shared_from_this();
  parent->children_.erase(link_);
  parent_.reset();
  link_ = {};
}

void xmlNode::LinkChild(const xmlNodePtr& child, ChildContainer::iterator before) {
  child->link_ = children_.insert(before, child);
  child->parent_ = weak_from_this();
  child->_UpdateVars();
}

void xmlNode::Place(const xmlNodePtr& node, xmlNode& target, int position) {
  if (position == AS_CHILD) {
    target.LinkChild(node, target.children_.end());
  } else {
    auto parent = target.parent_.lock();
    parent->LinkChild(node, std::next(target.link_));
  }
}

int xmlNode::_UpdateVars() {
  if (auto parent = parent_.lock()) {
    level_ = parent->level_ + 1;
    doc_ = parent->doc_;
  }
  for (const auto& child : children_) child->_UpdateVars();
  return 0;
}

// ---- adding, moving, copying

xmlNodePtr xmlNode::AddNode(const std::string& name, int position) {
  if (position == AS_SIBLING && IsRoot()) {
    throw xmlError("xmlNode.AddNode(\"" + name + "\", AS_SIBLING): The root node may not have siblings.");
  }
  if (position != AS_CHILD && position != AS_SIBLING) {
    throw xmlError("xmlNode.AddNode(\"" + name + "\", " + std::to_string(position) +
                   "): The position must be AS_CHILD or AS_SIBLING.");
  }
  auto node = std::make_shared<xmlNode>();
  node->Name = name;
  node->doc_ = doc_;
  Place(node, *this, position);
  return node;
}

bool xmlNode::CheckMove(const xmlNodePtr& target, int position) const {
  RequireKnownPosition("xmlNode.MoveTo", position);
  const std::string where = "xmlNode.MoveTo(xmlNode, " + PositionName(position) + "): ";
  if (!target) throw xmlError(where + "No target node was given.");
  if (IsRoot()) throw xmlError(where + "Cannot move root node.");
  if (target.get() == this) return true;
  if (target->IsBelow(this)) {
    throw xmlError(where + (position == AS_CHILD ? "Cannot move a node into one of it's children."
                                                 : "Cannot move a node to one of it's children."));
  }
  if (position == AS_SIBLING && target->IsRoot()) throw xmlError(where + "The root node may not have siblings.");
  return false;
}

int xmlNode::MoveTo(const xmlNodePtr& target, int position) {
  if (CheckMove(target, position)) return 0;
  auto self = shared_from_this();
  Unlink();
  Place(self, *target, position);
  return 0;
}

void xmlNode::CheckCopy(const xmlNodePtr& target, int position) const {
  RequireKnownPosition("xmlNode.CopyTo", position);
  const std::string where = "xmlNode.CopyTo(xmlNode, " + PositionName(position) + "): ";
  if (!target) throw xmlError(where + "No target node was given.");
  if (IsRoot()) throw xmlError(where + "Cannot copy root node.");
  if (target.get() == this) {
    throw xmlError(position == AS_CHILD ? "xmlNode.CopyTo(CopyTo, AS_CHILD): Cannot move a copy into itself."
                                        : "xmlNode.CopyTo(CopyTo, AS_SIBLING): Cannot move a copy under itself.");
  }
  if (position == AS_SIBLING && target->IsRoot()) throw xmlError(where + "The root node may not have siblings.");
}

xmlNodePtr xmlNode::DeepCopy(const xmlNode& source) {
  auto copy = std::make_shared<xmlNode>();
  copy->Name = source.Name;
  copy->Value = source.Value;
  for (const auto& attr : source.attributes_) copy->AddAttribute(attr->Name, attr->Value);
  for (const auto& child : source.children_) copy->LinkChild(DeepCopy(*child), copy->children_.end());
  return copy;
}

xmlNodePtr xmlNode::CopyTo(const xmlNodePtr& target, int position) {
  CheckCopy(target, position);
  // The copy is complete before it is attached, so a target inside this
  // subtree does not see its own copy.
  auto copy = DeepCopy(*this);
  Place(copy, *target, position);
  return copy;
}

xmlNodePtr xmlNode::Copy(const xmlNodePtr& newParent) {
  if (IsRoot()) throw xmlError("xmlNode.Copy(): Cannot copy root node.");
  auto parent = newParent ? newParent : parent_.lock();
  auto copy = DeepCopy(*this);
  parent->LinkChild(copy, parent->children_.end());
  return copy;
}

int xmlNode::SwapWith(const xmlNodePtr& other) {
  if (!other) throw xmlError("xmlNode.SwapWith(xmlNode): No node was given.");
  if (other.get() == this) return 0;
  if (other->IsBelow(this)) throw xmlError("xmlNode.SwapWith(xmlNode): Cannot swap a node with one of it's children.");
  if (IsBelow(other.get())) throw xmlError("xmlNode.SwapWith(xmlNode): Cannot swap a node with one of it's parents.");
  if (IsRoot() || other->IsRoot()) {
    throw xmlError("xmlNode.SwapWith(xmlNode): A node without a parent has no place to swap.");
  }
  // Each list entry takes the other node; the entries themselves stay put.
  std::swap(*link_, *other->link_);
  std::swap(link_, other->link_);
  std::swap(parent_, other->parent_);
  _UpdateVars();
  other->_UpdateVars();
  return 0;
}

// ---- position

int xmlNode::GetIndex() const {
  auto parent = parent_.lock();
  if (!parent) return 1;
  return int(std::distance(parent->children_.begin(), link_)) + 1;
}

int xmlNode::SetIndex(int index) {
  if (IsRoot()) {
    throw xmlError("xmlNode.SetIndex(" + std::to_string(index) + "): Cannot set the index of the root node.");
  }
  if (index < 1) throw xmlError("xmlNode.SetIndex(" + std::to_string(index) + "): Index may not be less than 1.");
  auto parent = parent_.lock();
  auto& list = parent->children_;
  auto target = list.begin();
  // Counted without this node, so the node lands exactly at `index`.
  size_t steps = std::min<size_t>(size_t(index) - 1, list.size() - 1);
  for (size_t i = 0; i < steps; ++i) {
    if (target == link_) ++target;
    ++target;
  }
  if (target == link_) ++target;
  list.splice(target, list, link_);
  return 0;
}

int xmlNode::Free() {
  auto self = weak_from_this().lock();  // the parent's entry may be the last owner
  FreeChildren();
  for (const auto& attr : attributes_) attr->node_.reset();
  attributes_.clear();
  Unlink();
  return 0;
}

int xmlNode::FreeChildren() {
  while (!children_.empty()) {
    xmlNodePtr child = children_.front();
    child->Free();
  }
  return 0;
}

// ---- children

xmlNodePtr xmlNode::FirstChild() const { return children_.empty() ? nullptr : children_.front(); }
xmlNodePtr xmlNode::LastChild() const { return children_.empty() ? nullptr : children_.back(); }

xmlNodePtr xmlNode::GetChild(int index) const {
  if (index < 1) throw xmlError("xmlNode.SetIndex(" + std::to_string(index) + "): Index may not be less than 1.");
  if (index > ChildCount()) {
    throw xmlError("xmlNode.GetChild(" + std::to_string(index) + "): Index may not be greater than the number of children (" +
                   std::to_string(ChildCount()) + ").");
  }
  return *std::next(children_.begin(), index - 1);
}

xmlNodePtr xmlNode::FindChild(const std::string& name, bool recursive, bool caseSensitive) const {
  for (const auto& child : children_) {
    if (NamesMatch(child->Name, name, caseSensitive)) return child;
  }
  if (!recursive) return nullptr;
  for (const auto& child : children_) {
    if (!child->HasChildren()) continue;
    if (auto found = child->FindChild(name, true, caseSensitive)) return found;
  }
  return nullptr;
}

xmlNodePtr xmlNode::FindChildEx(const std::string& name, const std::string& attrName, const std::string& attrValue,
                                bool recursive, bool caseSensitive) {
  for (const auto& child : children_) {
    if (NamesMatch(child->Name, name, caseSensitive) &&
        NamesMatch(child->Attribute(attrName, caseSensitive)->Value, attrValue, caseSensitive)) {
      return child;
    }
  }
  if (!recursive) return nullptr;
  for (const auto& child : children_) {
    if (!child->HasChildren()) continue;
    if (auto found = child->FindChildEx(name, attrName, attrValue, true, caseSensitive)) return found;
  }
  return nullptr;
}

namespace {

std::string SortKeyPart(const xmlNode& node, int by) {
  std::string key;
  switch (by) {
    case 1: key = node.Name; break;
    case 2: key = node.Value; break;
    case 3:
      for (const auto& attr : node.AttributeList()) key += attr->Name;
      break;
    case 4:
      for (const auto& attr : node.AttributeList()) key += attr->Value;
      break;
    default: break;
  }
  return LowerAscii(key);
}

}  // namespace

int xmlNode::SortChildren(int sortBy, int reserved, bool ascending) { return SortChildrenEx(sortBy, 0, reserved, ascending); }

int xmlNode::SortChildrenEx(int sortBy, int thenBy, int, bool ascending) {
  struct Entry {
    std::string key;
    ChildContainer::iterator link;
  };
  std::vector<Entry> entries;
  for (auto it = children_.begin(); it != children_.end(); ++it) {
    entries.push_back({SortKeyPart(**it, sortBy) + SortKeyPart(**it, thenBy), it});
  }
  // std::string compares characters as unsigned codes, as the order needs.
  std::stable_sort(entries.begin(), entries.end(), [ascending](const Entry& a, const Entry& b) {
    return ascending ? a.key < b.key : b.key < a.key;
  });
  for (const auto& entry : entries) children_.splice(children_.end(), children_, entry.link);
  return 0;
}

int xmlNode::MoveChildrenTo(const xmlNodePtr& target, int position) {
  if (position != AS_CHILD && position != AS_SIBLING) return 0;
  std::vector<xmlNodePtr> children(children_.begin(), children_.end());
  for (const auto& child : children) child->CheckMove(target, position);
  if (position == AS_CHILD) {
    for (const auto& child : children) child->MoveTo(target, AS_CHILD);
  } else {
    for (auto it = children.rbegin(); it != children.rend(); ++it) (*it)->MoveTo(target, AS_SIBLING);
  }
  return 0;
}

int xmlNode::CopyChildrenTo(const xmlNodePtr& target, int position) {
  if (position != AS_CHILD && position != AS_SIBLING) return 0;
  // A snapshot, so copies placed under this node are not copied again.
  std::vector<xmlNodePtr> children(children_.begin(), children_.end());
  for (const auto& child : children) child->CheckCopy(target, position);
  if (position == AS_CHILD) {
    for (const auto& child : children) child->CopyTo(target, AS_CHILD);
  } else {
    for (auto it = children.rbegin(); it != children.rend(); ++it) (*it)->CopyTo(target, AS_SIBLING);
  }
  return 0;
}

// ---- siblings

xmlNodePtr xmlNode::NextSibling() const {
  auto parent = parent_.lock();
  if (!parent) return nullptr;
  auto next = std::next(link_);
  return next == parent->children_.end() ? nullptr : *next;
}

xmlNodePtr xmlNode::PrevSibling() const {
  auto parent = parent_.lock();
  if (!parent || link_ == parent->children_.begin()) return nullptr;
  return *std::prev(link_);
}

xmlNodePtr xmlNode::FirstSibling() {
  auto parent = parent_.lock();
  return parent ? parent->FirstChild() : shared_from_this();
}

xmlNodePtr xmlNode::LastSibling() {
  auto parent = parent_.lock();
  return parent ? parent->LastChild() : shared_from_this();
}

xmlNodePtr xmlNode::GetSibling(int index) {
  auto parent = parent_.lock();
  if (parent) return parent->GetChild(index);
  if (index == 1) return shared_from_this();
  throw xmlError("xmlNode.GetSibling(" + std::to_string(index) + "): The root node has no siblings");
}

int xmlNode::SiblingCount() const {
  auto parent = parent_.lock();
  return parent ? parent->ChildCount() : 1;
}

xmlNodePtr xmlNode::FindSibling(const std::string& name, bool caseSensitive) {
  auto parent = parent_.lock();
  if (parent) return parent->FindChild(name, false, caseSensitive);
  if (caseSensitive) throw xmlError("xmlNode.xmlNode(\"" + name + "\"): The root node has no siblings.");
  throw xmlError("xmlNode.xmlNode(\"" + name + "\", False): The root node has no siblings.");
}

// ---- attributes

bool xmlNode::HasAttribute(const std::string& name, bool caseSensitive) const {
  return std::any_of(attributes_.begin(), attributes_.end(),
                     [&](const xmlAttributePtr& attr) { return NamesMatch(attr->Name, name, caseSensitive); });
}

xmlAttributePtr xmlNode::FirstAttribute() const { return attributes_.empty() ? nullptr : attributes_.front(); }
xmlAttributePtr xmlNode::LastAttribute() const { return attributes_.empty() ? nullptr : attributes_.back(); }

xmlAttributePtr xmlNode::Attribute(const std::string& name, bool caseSensitive) {
  for (const auto& attr : attributes_) {
    if (NamesMatch(attr->Name, name, caseSensitive)) return attr;
  }
  return AddAttribute(caseSensitive ? name : LowerAscii(name), "");
}

xmlAttributePtr xmlNode::AddAttribute(const std::string& name, const std::string& value) {
  auto attr = std::make_shared<xmlAttribute>();
  attr->Name = name;
  attr->Value = value;
  attr->node_ = weak_from_this();
  attr->link_ = attributes_.insert(attributes_.end(), attr);
  return attr;
}

int xmlNode::CleanAttributes() {
  for (auto it = attributes_.begin(); it != attributes_.end();) {
    if ((*it)->Name.empty() || (*it)->Value.empty()) {
      (*it)->node_.reset();
      it = attributes_.erase(it);
    } else {
      ++it;
    }
  }
  return 0;
}

// An ordered list of shared objects that may be changed while it is being
// walked. Removing an element during a walk only marks it; the walk skips
// marked elements and goes on with the successor, and the marked entries are
// swept once the outermost walk is over. Elements appended during a walk are
// visited by it.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

template <class T>
class WalkSafeList {
 public:
  using Ptr = std::shared_ptr<T>;

  void Append(Ptr item) {
    entries_.push_back(Entry{std::move(item), true});
    ++live_;
  }

  // False when the item is not in the list (removing it again does nothing).
  bool Remove(const T* item) {
    for (size_t i = 0; i < entries_.size(); ++i) {
      if (entries_[i].live && entries_[i].item.get() == item) {
        RemoveAt(i);
        return true;
      }
    }
    return false;
  }

  // Removes the element at a position handed out by Walk.
  void RemoveAt(size_t index) {
    if (index >= entries_.size() || !entries_[index].live) return;
    entries_[index].live = false;
    --live_;
    if (walking_ == 0) Sweep();
  }

  bool Contains(const T* item) const {
    for (const Entry& entry : entries_) {
      if (entry.live && entry.item.get() == item) return true;
    }
    return false;
  }

  size_t Size() const { return live_; }
  bool Empty() const { return live_ == 0; }

  // visit(item, position) for every element in order.
  template <class Visit>
  void Walk(Visit&& visit) {
    ++walking_;
    for (size_t i = 0; i < entries_.size(); ++i) {
      if (!entries_[i].live) continue;
      Ptr item = entries_[i].item;  // a copy: the entry vector may grow during the visit
      visit(item, i);
    }
    if (--walking_ == 0) Sweep();
  }

  // The live elements in order, as a snapshot.
  std::vector<Ptr> Items() const {
    std::vector<Ptr> items;
    items.reserve(live_);
    for (const Entry& entry : entries_) {
      if (entry.live) items.push_back(entry.item);
    }
    return items;
  }

  void Clear() {
    for (Entry& entry : entries_) entry.live = false;
    live_ = 0;
    if (walking_ == 0) Sweep();
  }

 private:
  struct Entry {
    Ptr item;
    bool live;
  };

  void Sweep() {
    size_t kept = 0;
    for (size_t i = 0; i < entries_.size(); ++i) {
      if (!entries_[i].live) continue;
      if (kept != i) entries_[kept] = std::move(entries_[i]);
      ++kept;
    }
    entries_.resize(kept);
  }

  std::vector<Entry> entries_;
  size_t live_ = 0;
  int walking_ = 0;
};

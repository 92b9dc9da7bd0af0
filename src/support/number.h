// A boxed int, for lists that need object elements.
#pragma once

#include <memory>

class Number {
 public:
  int val = 0;
  static std::shared_ptr<Number> Create(int v) {
    auto n = std::make_shared<Number>();
    n->val = v;
    return n;
  }
};
using NumberPtr = std::shared_ptr<Number>;

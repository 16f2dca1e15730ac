#pragma once

// The suite's abstract collection and its key/data element, as the library hands elements to it.
// The suite's own collections derive from base_coll and decide what an insertion does (store,
// sort, refuse duplicates).

#include <utility>
#include <vector>

namespace kx_std {

// A collection element: a key and its data, made from the key alone.
template <typename Key, typename Data>
struct s_d {
  // An element with default data and key; with the key and default data; with both.
  s_d() = default;
  s_d(const Key& k) : key(k), data() {}
  s_d(const Key& k, const Data& d) : key(k), data(d) {}

  Key key{};    // what the element is found by
  Data data{};  // what it holds
};

// An abstract collection: its count, its emptying, and the insertion of one element with the
// caller's flag (the library passes 1).
template <typename T>
class base_coll {
public:
  virtual ~base_coll() = default;
  // The number of elements; removes them all; inserts one as the collection decides.
  virtual int Count() const = 0;
  virtual void Clear() = 0;
  virtual void Insert(T element, int flag) = 0;
};

// A collection that keeps every element in the order of insertion, whatever the flag.
template <typename T>
class vector_coll : public base_coll<T> {
public:
  // The number of elements; removes them all; appends one.
  int Count() const override { return static_cast<int>(items.size()); }
  void Clear() override { items.clear(); }
  void Insert(T element, int) override { items.push_back(std::move(element)); }

  // The elements, in insertion order.
  std::vector<T> items;
};

}  // namespace kx_std

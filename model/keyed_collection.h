#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "common/errors.h"

namespace zarvek {

// An ordered collection whose elements are reached by position (1 = first, in insertion order)
// or by an optional text key given when the element was added. Keys compare exactly. Every
// failing call throws CollectionError and leaves the collection as it was.
//
// Add, Count and access by position or key are O(1); Remove is O(n) (nothing in the program calls
// it on a hot path). A reference returned by Add or Item stays valid only until the next Add or
// Remove.
template <typename T>
class KeyedCollection {
  public:
    // Appends `element`, under `key` unless `key` is empty. Returns the stored element.
    T& Add(T element, const std::string& key) {
        if (!key.empty() && keyToPosition_.contains(key)) {
            throw CollectionError("The key \"" + key + "\" is already in the collection.");
        }
        entries_.push_back(Entry{key, std::move(element)});
        if (!key.empty()) {
            try {
                keyToPosition_.emplace(key, entries_.size() - 1);
            } catch (...) {
                entries_.pop_back();
                throw;
            }
        }
        return entries_.back().value;
    }

    // The element at `position`, counted from 1.
    T& Item(std::size_t position) { return entries_[Index(position)].value; }
    const T& Item(std::size_t position) const { return entries_[Index(position)].value; }

    // The element added under `key`.
    T& Item(const std::string& key) { return entries_[IndexOfKey(key)].value; }
    const T& Item(const std::string& key) const { return entries_[IndexOfKey(key)].value; }

    std::size_t Count() const { return entries_.size(); }

    // Makes room for `count` elements in all, so that adding up to that many moves none of them.
    // Changes nothing a caller can see.
    void Reserve(std::size_t count) {
        entries_.reserve(count);
        keyToPosition_.reserve(count);
    }

    // Removes the element at `position`; every later element moves up by one.
    void Remove(std::size_t position) { RemoveAt(Index(position)); }
    void Remove(const std::string& key) { RemoveAt(IndexOfKey(key)); }

    // Iteration visits the elements first to last.
    auto begin() const { return ConstIterator{entries_.begin()}; }
    auto end() const { return ConstIterator{entries_.end()}; }

  private:
    struct Entry {
        std::string key;
        T value;
    };
    using Entries = std::vector<Entry>;

  public:
    class ConstIterator {
      public:
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        explicit ConstIterator(typename Entries::const_iterator at = {}) : at_(at) {}
        const T& operator*() const { return at_->value; }
        const T* operator->() const { return &at_->value; }
        ConstIterator& operator++() {
            ++at_;
            return *this;
        }
        ConstIterator operator++(int) {
            ConstIterator before = *this;
            ++at_;
            return before;
        }
        friend bool operator==(const ConstIterator&, const ConstIterator&) = default;

      private:
        typename Entries::const_iterator at_;
    };

  private:
    std::size_t Index(std::size_t position) const {
        if (position < 1 || position > entries_.size()) {
            throw CollectionError("There is no element at position " + std::to_string(position) +
                                  "; the collection holds " + std::to_string(entries_.size()) +
                                  ".");
        }
        return position - 1;
    }

    std::size_t IndexOfKey(const std::string& key) const {
        const auto found = keyToPosition_.find(key);
        if (found == keyToPosition_.end()) {
            throw CollectionError("There is no element with the key \"" + key + "\".");
        }
        return found->second;
    }

    void RemoveAt(std::size_t index) {
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
        keyToPosition_.clear();
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            if (!entries_[i].key.empty()) {
                keyToPosition_.emplace(entries_[i].key, i);
            }
        }
    }

    Entries entries_;
    std::unordered_map<std::string, std::size_t> keyToPosition_;
};

}  // namespace zarvek

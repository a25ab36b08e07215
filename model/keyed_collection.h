#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
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
// Remove. The keys are indexed in one open-addressed table, not a node per key, so that filling
// a collection of 32767 parts allocates a handful of times, not once per part.
template <typename T>
class KeyedCollection {
  public:
    // Appends `element`, under `key` unless `key` is empty. Returns the stored element.
    T& Add(T element, const std::string& key) {
        if (!key.empty() && FindKey(key) != kNone) {
            throw CollectionError("The key \"" + key + "\" is already in the collection.");
        }
        entries_.push_back(Entry{key, std::move(element)});
        if (!key.empty()) {
            try {
                IndexKey(entries_.size() - 1);
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
        if (SlotsFor(count) > slots_.size()) {
            Rehash(SlotsFor(count));
        }
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
        const std::size_t index = FindKey(key);
        if (index == kNone) {
            throw CollectionError("There is no element with the key \"" + key + "\".");
        }
        return index;
    }

    void RemoveAt(std::size_t index) {
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
        Rehash(slots_.size());
    }

    // The key index: a power-of-two table of entry indexes plus one (0 marks a free slot), probed
    // linearly and kept at most half full, so that a search ends soon at a free slot.
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    static std::size_t SlotsFor(std::size_t keys) {
        std::size_t size = 16;  // not "slots": a word Qt takes for itself
        while (size < 2 * keys) {
            size *= 2;
        }
        return size;
    }

    std::size_t FirstSlot(std::string_view key) const {
        return std::hash<std::string_view>{}(key) & (slots_.size() - 1);
    }

    std::size_t FindKey(const std::string& key) const {
        if (slots_.empty()) {
            return kNone;
        }
        for (std::size_t slot = FirstSlot(key);; slot = (slot + 1) & (slots_.size() - 1)) {
            if (slots_[slot] == 0) {
                return kNone;
            }
            if (entries_[slots_[slot] - 1].key == key) {
                return slots_[slot] - 1;
            }
        }
    }

    // Enters entry `index`, whose key is not in the index yet. A table that must grow is built
    // anew with it; if that fails, the index is as it was.
    void IndexKey(std::size_t index) {
        if (SlotsFor(keyCount_ + 1) > slots_.size()) {
            Rehash(SlotsFor(keyCount_ + 1));
        } else {
            Place(index);
        }
    }

    void Place(std::size_t index) {
        std::size_t slot = FirstSlot(entries_[index].key);
        while (slots_[slot] != 0) {
            slot = (slot + 1) & (slots_.size() - 1);
        }
        slots_[slot] = index + 1;
        ++keyCount_;
    }

    // Builds the index anew with `slotCount` slots from every keyed entry.
    void Rehash(std::size_t slotCount) {
        std::vector<std::size_t> table(slotCount, 0);
        slots_.swap(table);
        keyCount_ = 0;
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            if (!entries_[i].key.empty()) {
                Place(i);
            }
        }
    }

    Entries entries_;
    std::vector<std::size_t> slots_;
    std::size_t keyCount_ = 0;
};

}  // namespace zarvek

#pragma once

#include <stdexcept>
#include <string>

namespace zarvek {

// Base of every error the core raises to its caller. The message is complete and meant for the
// operator: it says what went wrong and, where it helps, where.
class Error : public std::runtime_error {
  public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// A keyed collection was asked for a position or key it does not hold, or given a duplicate key.
// The collection is unchanged when this is thrown.
class CollectionError : public Error {
  public:
    using Error::Error;
};

// A text is not a number in the expected form, or its value is not finite.
class NumberFormatError : public Error {
  public:
    using Error::Error;
};

// A string-table id that exists in no language.
class StringLookupError : public Error {
  public:
    using Error::Error;
};

}  // namespace zarvek

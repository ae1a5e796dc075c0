#pragma once
// A value or the message saying why there is none: how every library
// without Qt reports a failure, without throwing. Status is the result of
// an action that yields nothing but may fail.

#include <optional>
#include <utility>

#include "messages/Message.h"

namespace volvenza {

template <class T>
class Result {
  public:
    Result(T value) : value_(std::move(value)) {}
    Result(Message error) : error_(std::move(error)) {}
    static Result Fail(Message message) { return Result(std::move(message)); }

    explicit operator bool() const { return value_.has_value(); }
    const T& operator*() const { return *value_; }
    T& operator*() { return *value_; }
    const T* operator->() const { return &*value_; }
    T* operator->() { return &*value_; }
    // Meaningless when there is a value.
    const Message& Error() const { return error_; }

  private:
    std::optional<T> value_;
    Message error_;
};

struct Done {};

// Success is Status(Done{}), or simply `return Done{};`.
using Status = Result<Done>;

}  // namespace volvenza

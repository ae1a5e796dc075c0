#pragma once
// A value or the Italian message saying why there is none: how the gas
// library reports a state outside the equation's range or a solve that did
// not converge, without throwing.

#include <optional>
#include <string>
#include <utility>

namespace volvenza::gas {

template <class T>
class Result {
  public:
    Result(T value) : value_(std::move(value)) {}
    static Result Fail(std::string message) {
        Result r;
        r.error_ = std::move(message);
        return r;
    }

    explicit operator bool() const { return value_.has_value(); }
    bool HasValue() const { return value_.has_value(); }
    const T& operator*() const { return *value_; }
    T& operator*() { return *value_; }
    const T* operator->() const { return &*value_; }
    T* operator->() { return &*value_; }
    // Empty when there is a value.
    const std::string& Error() const { return error_; }

  private:
    Result() = default;
    std::optional<T> value_;
    std::string error_;
};

}  // namespace volvenza::gas

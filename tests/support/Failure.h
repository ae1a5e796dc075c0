#pragma once
// The Italian message of a failed action, or nothing when it succeeded: lets
// a test compare a refusal with the exact text the user reads.

#include <optional>
#include <string>

#include "messages/Result.h"

namespace volvenza::test {

template <class T>
std::optional<std::string> Failure(const Result<T>& result) {
    if (result) return std::nullopt;
    return ItalianText(result.Error());
}

}  // namespace volvenza::test

#pragma once

#include "data/read_failure.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace orvel::testing {

// The value of an operation on the reference file. A failure fails the test with its French
// message and gives an empty value, so that the test's own checks still run and report.
template <class T> T expectValue(Result<T> result) {
    EXPECT_TRUE(result.ok()) << (result.ok() ? std::string() : failureMessage(result.failure()));
    return result.ok() ? std::move(result.value()) : T{};
}

} // namespace orvel::testing

#pragma once

#include <stdexcept>

// The driver could not do what a test asked of the program: it did not start, show its window,
// answer a message or end in time. Thrown so that the test fails with the reason.
class DriverError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

#pragma once

#include <exception>

// Thrown when the system cannot give a drawing resource: a brush, a device context to paint on.
class CResourceException : public std::exception {
public:
  const char* what() const noexcept override { return "a graphics resource could not be made"; }
};

#pragma once

#include <windows.h>

#include <utility>

// Owns one kernel handle and closes it once.
class UniqueHandle {
public:
  explicit UniqueHandle(HANDLE handle = nullptr) noexcept : m_handle(handle) {}
  ~UniqueHandle() {
    if (m_handle) ::CloseHandle(m_handle);
  }
  UniqueHandle(UniqueHandle&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    std::swap(m_handle, other.m_handle);
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  HANDLE Get() const noexcept { return m_handle; }

private:
  HANDLE m_handle;
};

#pragma once

#include <string>

// The counted narrow string the window classes trade in.
class CString {
public:
  CString() = default;
  // Implicit, so that a CString is passed and built wherever a C string is.
  // cppcheck-suppress noExplicitConstructor
  CString(const char* text) : m_text(text ? text : "") {}
  // cppcheck-suppress noExplicitConstructor
  CString(std::string text) : m_text(std::move(text)) {}

  int GetLength() const { return static_cast<int>(m_text.size()); }
  bool IsEmpty() const { return m_text.empty(); }
  operator const char*() const { return m_text.c_str(); }
  const std::string& str() const { return m_text; }

  friend CString operator+(const CString& left, const CString& right) { return CString(left.m_text + right.m_text); }
  friend bool operator==(const CString& left, const CString& right) { return left.m_text == right.m_text; }

private:
  std::string m_text;
};

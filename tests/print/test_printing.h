#pragma once

// Lets GoogleTest show QStrings and table rows readably in failure messages instead of as raw
// bytes.

#include <QString>
#include <concepts>
#include <ostream>
#include <string>

inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace zr::test {

// Table rows live in the tests' unnamed namespaces; they pull this in with a using-declaration
// so that argument-dependent lookup finds it there.
template <typename Row>
requires requires(const Row& row) {
  { row.tag } -> std::convertible_to<std::string>;
}
void PrintTo(const Row& row, std::ostream* out) {
  *out << row.tag;
}

}  // namespace zr::test

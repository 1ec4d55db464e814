#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The ordered name/value list of a form body.
class FieldList {
 public:
  // Appends the field, or replaces the value of the field of that name (names compared
  // without regard to case of A to Z). An empty value removes the field.
  void Set(std::wstring_view name, std::wstring_view value);
  // The value of the field of that name, or the empty text when it is absent.
  std::wstring Value(std::wstring_view name) const;
  const std::vector<std::pair<std::wstring, std::wstring>>& Fields() const { return fields_; }

 private:
  std::vector<std::pair<std::wstring, std::wstring>> fields_;
};

// A value as it goes into a form body: characters 33 to 127 unchanged except * # % < > [ ] & +;
// everything else as %-groups of its UTF-8 bytes with upper-case hexadecimal digits.
std::string EncodeFormValue(std::wstring_view value);

// name=value pairs in list order joined by "&"; names are written unchanged.
std::string EncodeFormBody(const FieldList& fields);

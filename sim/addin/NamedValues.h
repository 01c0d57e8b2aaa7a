// Tables of the values a workbook's names stand for, looked up by name.
#pragma once

#include <cstddef>
#include <string_view>

namespace sim {

template <typename Value>
struct Named {
  std::string_view name;
  Value value;
};

// The entry of that name, or null.
template <typename Value, std::size_t N>
const Value* Find(const Named<Value> (&table)[N], std::string_view name) {
  for (const auto& entry : table)
    if (entry.name == name) return &entry.value;
  return nullptr;
}

template <typename Value, std::size_t N>
Value Lookup(const Named<Value> (&table)[N], std::string_view name, Value otherwise) {
  const Value* found = Find(table, name);
  return found ? *found : otherwise;
}

}  // namespace sim

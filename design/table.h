// Values listed by name, so that both windows and the page's build read the same list: each name
// stands once, and a name that is not in a table does not compile.
#pragma once

#include <cstddef>
#include <string_view>

namespace design {

template <typename Value>
struct Entry {
    std::string_view name;
    Value value;
};

template <typename Value, std::size_t size>
consteval Value lookup(const Entry<Value> (&table)[size], std::string_view name)
{
    for (const Entry<Value>& entry : table) {
        if (entry.name == name)
            return entry.value;
    }
    throw "no entry of that name"; // not a constant expression: the build stops here
}

} // namespace design

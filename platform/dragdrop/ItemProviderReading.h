#pragma once

#include <concepts>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform::dragdrop {

using Bytes = std::vector<std::uint8_t>;

// A class whose objects can be made from dropped data: it names the type identifiers it
// reads, in order of preference, and makes an object from the loaded bytes and the
// identifier (of its own list) under which they were loaded. A null object, with or
// without an error text, means the data could not be read.
template <class T>
concept ItemProviderReading = requires(const Bytes& data, const std::string& typeIdentifier, std::optional<std::string>& error) {
    { T::readableTypeIdentifiersForItemProvider() } -> std::convertible_to<std::vector<std::string>>;
    { T::objectWithItemProviderDataTypeIdentifierError(data, typeIdentifier, error) } -> std::convertible_to<std::shared_ptr<T>>;
};

} // namespace platform::dragdrop

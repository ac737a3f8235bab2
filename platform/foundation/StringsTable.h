#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// A string table in the ".strings" text form: "key" = "value"; entries, with /* */ and
// // comments and the escapes \" \\ \n \t \r \Uxxxx (UTF-16, surrogate pairs joined).
class StringsTable {
public:
    // Parses the text; an error names the line where it stopped.
    static std::optional<StringsTable> parse(std::string_view text, std::string* error = nullptr);

    std::optional<std::string> lookup(const std::string& key) const;
    std::size_t size() const { return entries_.size(); }

private:
    std::map<std::string, std::string, std::less<>> entries_;
};

} // namespace platform

#include "foundation/StringsTable.h"

#include "foundation/Text.h"

#include <cstdint>

namespace platform {

namespace {

// A cursor over the table's text that knows its line for error messages.
class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) {}

    bool atEnd() const { return position_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[position_]; }
    char next()
    {
        const char c = text_[position_++];
        if (c == '\n')
            ++line_;
        return c;
    }
    int line() const { return line_; }
    bool startsWith(std::string_view s) const { return text_.substr(position_).starts_with(s); }

    // Skips white space and comments; false on an unterminated block comment.
    bool skipTrivia()
    {
        for (;;) {
            while (!atEnd() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r'))
                next();
            if (startsWith("//")) {
                while (!atEnd() && peek() != '\n')
                    next();
            } else if (startsWith("/*")) {
                const auto end = text_.find("*/", position_ + 2);
                if (end == std::string_view::npos)
                    return false;
                while (position_ < end + 2)
                    next();
            } else {
                return true;
            }
        }
    }

    std::optional<std::string> quoted()
    {
        if (peek() != '"')
            return std::nullopt;
        next();
        std::string value;
        while (!atEnd()) {
            const char c = next();
            if (c == '"')
                return value;
            if (c != '\\') {
                value += c;
                continue;
            }
            if (atEnd() || !escape(value))
                return std::nullopt;
        }
        return std::nullopt;
    }

private:
    bool escape(std::string& value)
    {
        const char c = next();
        switch (c) {
        case 'n': value += '\n'; return true;
        case 't': value += '\t'; return true;
        case 'r': value += '\r'; return true;
        case 'U':
        case 'u': return unicodeEscape(value);
        default: value += c; return true;
        }
    }

    std::optional<char32_t> hex4()
    {
        char32_t unit = 0;
        for (int i = 0; i < 4; ++i) {
            if (atEnd())
                return std::nullopt;
            const char h = next();
            unit <<= 4;
            if (h >= '0' && h <= '9')
                unit |= static_cast<char32_t>(h - '0');
            else if (h >= 'a' && h <= 'f')
                unit |= static_cast<char32_t>(h - 'a' + 10);
            else if (h >= 'A' && h <= 'F')
                unit |= static_cast<char32_t>(h - 'A' + 10);
            else
                return std::nullopt;
        }
        return unit;
    }

    bool unicodeEscape(std::string& value)
    {
        const auto unit = hex4();
        if (!unit)
            return false;
        if (*unit >= 0xD800 && *unit < 0xDC00 && startsWith("\\U")) {
            next();
            next();
            const auto low = hex4();
            if (!low)
                return false;
            if (*low >= 0xDC00 && *low < 0xE000) {
                text::appendUtf8(value, 0x10000 + ((*unit - 0xD800) << 10) + (*low - 0xDC00));
                return true;
            }
            text::appendUtf8(value, 0xFFFD);
            text::appendUtf8(value, *low);
            return true;
        }
        text::appendUtf8(value, *unit);
        return true;
    }

    std::string_view text_;
    std::size_t position_ = 0;
    int line_ = 1;
};

} // namespace

std::optional<StringsTable> StringsTable::parse(std::string_view text, std::string* error)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    Scanner scanner(text);
    StringsTable table;
    auto fail = [&](const char* what) -> std::optional<StringsTable> {
        if (error)
            *error = std::string(what) + " on line " + std::to_string(scanner.line());
        return std::nullopt;
    };
    for (;;) {
        if (!scanner.skipTrivia())
            return fail("unterminated comment");
        if (scanner.atEnd())
            return table;
        auto key = scanner.quoted();
        if (!key)
            return fail("expected a quoted key");
        if (!scanner.skipTrivia() || scanner.peek() != '=')
            return fail("expected '='");
        scanner.next();
        if (!scanner.skipTrivia())
            return fail("unterminated comment");
        auto value = scanner.quoted();
        if (!value)
            return fail("expected a quoted value");
        if (!scanner.skipTrivia() || scanner.peek() != ';')
            return fail("expected ';'");
        scanner.next();
        table.entries_.insert_or_assign(std::move(*key), std::move(*value));
    }
}

std::optional<std::string> StringsTable::lookup(const std::string& key) const
{
    const auto found = entries_.find(key);
    if (found == entries_.end())
        return std::nullopt;
    return found->second;
}

} // namespace platform

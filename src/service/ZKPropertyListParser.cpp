#include "service/ZKPropertyListParser.h"

#include "foundation/Text.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

namespace {

constexpr int kMaximumDepth = 32;

class ParseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Tag {
    std::string name;
    bool closing = false;
    bool empty = false; // <name/>
};

void appendCharacterReference(std::string& out, unsigned long codePoint)
{
    if (codePoint == 0 || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        throw ParseError("invalid character reference");
    }
    platform::text::appendUtf8(out, static_cast<char32_t>(codePoint));
}

void appendEntity(std::string& out, std::string_view entity)
{
    if (entity == "lt") {
        out += '<';
    } else if (entity == "gt") {
        out += '>';
    } else if (entity == "amp") {
        out += '&';
    } else if (entity == "quot") {
        out += '"';
    } else if (entity == "apos") {
        out += '\'';
    } else if (entity.size() > 1 && entity[0] == '#') {
        const bool hex = entity[1] == 'x';
        const auto digits = entity.substr(hex ? 2 : 1);
        unsigned long codePoint = 0;
        const auto [end, status] = std::from_chars(digits.data(), digits.data() + digits.size(), codePoint, hex ? 16 : 10);
        if (digits.empty() || status != std::errc() || end != digits.data() + digits.size()) {
            throw ParseError("invalid character reference");
        }
        appendCharacterReference(out, codePoint);
    } else {
        throw ParseError("unknown entity &" + std::string(entity) + ";");
    }
}

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    Dictionary document()
    {
        skipProlog();
        expectOpen("plist");
        skipSpace();
        const auto root = readTag();
        if (root.closing || root.name != "dict") {
            throw ParseError("the root value is not a dictionary");
        }
        auto value = dictionary(root, 1);
        skipSpace();
        expectClose("plist");
        skipSpace();
        if (position_ != text_.size()) {
            throw ParseError("text after the end of the property list");
        }
        return value;
    }

private:
    void skipSpace()
    {
        while (position_ < text_.size() && (text_[position_] == ' ' || text_[position_] == '\t' ||
                                            text_[position_] == '\n' || text_[position_] == '\r')) {
            ++position_;
        }
    }

    bool startsWith(std::string_view prefix) const { return text_.substr(position_).starts_with(prefix); }

    void skipPast(std::string_view terminator)
    {
        const auto end = text_.find(terminator, position_);
        if (end == std::string_view::npos) {
            throw ParseError("unterminated markup");
        }
        position_ = end + terminator.size();
    }

    // The XML declaration, the document type and comments before the root element.
    void skipProlog()
    {
        for (;;) {
            skipSpace();
            if (startsWith("<?")) {
                skipPast("?>");
            } else if (startsWith("<!--")) {
                skipPast("-->");
            } else if (startsWith("<!")) {
                skipPast(">");
            } else {
                return;
            }
        }
    }

    void skipComments()
    {
        skipSpace();
        while (startsWith("<!--")) {
            skipPast("-->");
            skipSpace();
        }
    }

    Tag readTag()
    {
        if (!startsWith("<")) {
            throw ParseError("expected a tag");
        }
        const auto end = text_.find('>', position_);
        if (end == std::string_view::npos) {
            throw ParseError("unterminated tag");
        }
        auto inside = text_.substr(position_ + 1, end - position_ - 1);
        position_ = end + 1;
        Tag tag;
        if (inside.starts_with("/")) {
            tag.closing = true;
            inside.remove_prefix(1);
        }
        if (inside.ends_with("/")) {
            tag.empty = true;
            inside.remove_suffix(1);
        }
        const auto nameEnd = inside.find_first_of(" \t\r\n");
        tag.name = std::string(inside.substr(0, nameEnd));
        if (tag.name.empty() || (tag.closing && tag.empty)) {
            throw ParseError("malformed tag");
        }
        return tag;
    }

    void expectOpen(const std::string& name)
    {
        const auto tag = readTag();
        if (tag.closing || tag.empty || tag.name != name) {
            throw ParseError("expected <" + name + ">");
        }
    }

    void expectClose(const std::string& name)
    {
        const auto tag = readTag();
        if (!tag.closing || tag.name != name) {
            throw ParseError("expected </" + name + ">");
        }
    }

    // The character data up to the closing tag of `name`, entities decoded.
    std::string text(const std::string& name)
    {
        std::string out;
        while (position_ < text_.size() && text_[position_] != '<') {
            if (text_[position_] != '&') {
                out += text_[position_++];
                continue;
            }
            const auto end = text_.find(';', position_);
            if (end == std::string_view::npos || end - position_ > 12) {
                throw ParseError("unterminated entity");
            }
            appendEntity(out, text_.substr(position_ + 1, end - position_ - 1));
            position_ = end + 1;
        }
        expectClose(name);
        return out;
    }

    Dictionary value(const Tag& tag, int depth)
    {
        if (tag.closing) {
            throw ParseError("unexpected </" + tag.name + ">");
        }
        if (tag.name == "dict") {
            return dictionary(tag, depth + 1);
        }
        const auto content = tag.empty ? std::string() : text(tag.name);
        if (tag.name == "string") {
            return content;
        }
        if (tag.name == "integer") {
            return integer(content);
        }
        if (tag.name == "real") {
            return real(content);
        }
        throw ParseError("unsupported value <" + tag.name + ">");
    }

    Dictionary dictionary(const Tag& tag, int depth)
    {
        if (depth > kMaximumDepth) {
            throw ParseError("dictionaries nested too deeply");
        }
        auto result = Dictionary::object();
        if (tag.empty) {
            return result;
        }
        for (;;) {
            skipComments();
            const auto keyTag = readTag();
            if (keyTag.closing && keyTag.name == "dict") {
                return result;
            }
            if (keyTag.closing || keyTag.name != "key") {
                throw ParseError("expected <key>");
            }
            auto key = keyTag.empty ? std::string() : text("key");
            skipComments();
            result[key] = value(readTag(), depth);
        }
    }

    static Dictionary integer(const std::string& content)
    {
        const auto trimmed = trim(content);
        long long number = 0;
        const auto* begin = trimmed.data() + (trimmed.starts_with("+") ? 1 : 0);
        const auto [end, status] = std::from_chars(begin, trimmed.data() + trimmed.size(), number);
        if (trimmed.empty() || status != std::errc() || end != trimmed.data() + trimmed.size()) {
            throw ParseError("invalid integer \"" + content + "\"");
        }
        return number;
    }

    static Dictionary real(const std::string& content)
    {
        const auto trimmed = trim(content);
        double number = 0;
        const auto [end, status] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), number);
        if (trimmed.empty() || status != std::errc() || end != trimmed.data() + trimmed.size() || !std::isfinite(number)) {
            throw ParseError("invalid real \"" + content + "\"");
        }
        return number;
    }

    static std::string_view trim(std::string_view text)
    {
        const auto first = text.find_first_not_of(" \t\r\n");
        if (first == std::string_view::npos) {
            return {};
        }
        const auto last = text.find_last_not_of(" \t\r\n");
        return text.substr(first, last - first + 1);
    }

    std::string_view text_;
    std::size_t position_ = 0;
};

} // namespace

std::optional<Dictionary> ZKPropertyListParser::parse(std::string_view text, std::string* error)
{
    try {
        return Reader(text).document();
    } catch (const ParseError& failure) {
        if (error) {
            *error = failure.what();
        }
        return std::nullopt;
    }
}

#include "contacts/VCardReader.h"

#include "contacts/VCardProperty.h"
#include "foundation/Base64.h"
#include "foundation/Text.h"
#include "graphics/TextDecoder.h"

#include <algorithm>
#include <array>

namespace platform::contacts {
namespace {

using graphics::TextDecoder;

bool containsQuotedPrintableMarker(std::string_view line)
{
    const std::string_view head = line.substr(0, line.find(':'));
    constexpr std::string_view marker = "QUOTED-PRINTABLE";
    return std::search(head.begin(), head.end(), marker.begin(), marker.end(), [](char a, char b) {
        return (a >= 'a' && a <= 'z' ? a - 'a' + 'A' : a) == b;
    }) != head.end();
}

// Joins folded lines (a following line that starts with a space or tab) and the soft
// line breaks ("=" at the end) of quoted-printable values.
std::vector<std::string> unfoldedLines(std::string_view text)
{
    std::vector<std::string> lines;
    bool quotedPrintable = false;
    std::size_t position = 0;
    while (position <= text.size()) {
        // A plain scan: find_first_of looks each character up in the set, which is what
        // reading a large address book spent most of its time on.
        const auto lineEnd = std::find_if(text.begin() + static_cast<std::ptrdiff_t>(position), text.end(),
                                          [](char c) { return c == '\r' || c == '\n'; });
        const auto end = static_cast<std::size_t>(lineEnd - text.begin());
        const std::string_view line = text.substr(position, end - position);
        position = end + (text.substr(end).starts_with("\r\n") ? 2 : 1);
        if (!lines.empty() && quotedPrintable && lines.back().ends_with('=')) {
            lines.back().pop_back();
            lines.back() += line;
        } else if (!lines.empty() && !line.empty() && (line[0] == ' ' || line[0] == '\t')) {
            lines.back() += line.substr(1);
        } else {
            lines.emplace_back(line);
            quotedPrintable = containsQuotedPrintableMarker(line);
        }
    }
    return lines;
}

std::string decodeQuotedPrintable(std::string_view value)
{
    const std::string bytes = text::decodeHexEscapes(value, '=');
    return TextDecoder::decode({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
}

// Splits a structured value at unescaped semicolons and resolves the escapes
// \\ \, \; \n \N of each component.
std::vector<std::string> components(std::string_view value)
{
    std::vector<std::string> result(1);
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == ';') {
            result.emplace_back();
        } else if (c == '\\' && i + 1 < value.size()) {
            const char next = value[++i];
            result.back() += next == 'n' || next == 'N' ? '\n' : next;
        } else {
            result.back() += c;
        }
    }
    return result;
}

// The components of a value; quoted-printable is decoded after the split, so that an
// encoded semicolon stays inside its component.
std::vector<std::string> componentsOf(const VCardProperty& property)
{
    auto parts = components(property.value);
    if (property.isQuotedPrintable()) {
        for (std::string& part : parts)
            part = decodeQuotedPrintable(part);
    }
    return parts;
}

// A single value: escapes resolved, semicolons kept.
std::string textValue(const VCardProperty& property)
{
    const auto parts = componentsOf(property);
    std::string text = parts.front();
    for (std::size_t i = 1; i < parts.size(); ++i)
        text += ";" + parts[i];
    return text;
}

std::string emailLabel(const VCardProperty& property)
{
    constexpr std::array<std::string_view, 3> labels = {"home", "work", "other"};
    for (const std::string& type : property.types()) {
        if (std::find(labels.begin(), labels.end(), type) != labels.end())
            return type;
    }
    return {};
}

std::optional<std::vector<std::uint8_t>> photoData(const VCardProperty& property, bool& unreadable)
{
    if (property.isBase64()) {
        auto bytes = Base64::decode(property.value);
        unreadable = !bytes;
        return bytes;
    }
    const std::string_view value = property.value;
    const std::size_t comma = value.find(',');
    if (!value.starts_with("data:") || comma == std::string_view::npos || value.substr(0, comma).find(";base64") == std::string_view::npos)
        return std::nullopt;
    auto bytes = Base64::decode(value.substr(comma + 1));
    unreadable = !bytes;
    return bytes;
}

class CardBuilder {
public:
    // False when the property makes the card unreadable.
    bool apply(const VCardProperty& property)
    {
        const std::string& name = property.name;
        if (name == "VERSION")
            return property.value == "2.1" || property.value == "3.0" || property.value == "4.0";
        if (name == "N")
            applyName(property);
        else if (name == "EMAIL")
            applyEmail(property);
        else if (name == "ORG")
            contact_.organizationName = componentsOf(property).front();
        else if (name == "TITLE")
            contact_.jobTitle = textValue(property);
        else if (name == "UID")
            contact_.identifier = textValue(property);
        else if (name == "PHOTO")
            return applyPhoto(property);
        return true;
    }

    Contact take() { return std::move(contact_); }

private:
    void applyName(const VCardProperty& property)
    {
        const auto parts = componentsOf(property);
        contact_.familyName = parts[0];
        contact_.givenName = parts.size() > 1 ? parts[1] : "";
    }

    void applyEmail(const VCardProperty& property)
    {
        std::string address = textValue(property);
        if (!address.empty())
            contact_.emailAddresses.push_back({emailLabel(property), std::move(address)});
    }

    bool applyPhoto(const VCardProperty& property)
    {
        bool unreadable = false;
        auto bytes = photoData(property, unreadable);
        if (bytes)
            contact_.imageData = std::move(bytes);
        return !unreadable;
    }

    Contact contact_;
};

ContactError unreadable(std::string description)
{
    return ContactError{ContactError::Code::unreadableData, std::move(description)};
}

bool isBlank(std::string_view line)
{
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return (x >= 'a' && x <= 'z' ? x - 'a' + 'A' : x) == (y >= 'a' && y <= 'z' ? y - 'a' + 'A' : y);
    });
}

} // namespace

VCardReadResult VCardReader::read(std::span<const std::uint8_t> bytes)
{
    return read(TextDecoder::decode(bytes));
}

VCardReadResult VCardReader::read(std::string_view text)
{
    VCardReadResult result;
    std::optional<CardBuilder> card;
    std::size_t lineNumber = 0;
    for (const std::string& line : unfoldedLines(text)) {
        ++lineNumber;
        if (isBlank(line))
            continue;
        const auto property = VCardProperty::parse(line);
        const auto where = [lineNumber] { return " (line " + std::to_string(lineNumber) + ")"; };
        if (!property) {
            result.error = unreadable("A contact card line has no value" + where());
            return result;
        }
        const bool begins = property->name == "BEGIN" && equalsIgnoringCase(property->value, "VCARD");
        const bool ends = property->name == "END" && equalsIgnoringCase(property->value, "VCARD");
        if (begins == card.has_value()) {
            result.error = unreadable(card ? "A contact card begins inside another" + where() : "Text outside a contact card" + where());
            return result;
        }
        if (begins) {
            card.emplace();
        } else if (ends) {
            result.contacts.push_back(card->take());
            card.reset();
        } else if (!card->apply(*property)) {
            result.error = unreadable("A contact card has an unreadable " + property->name + where());
            return result;
        }
    }
    if (card)
        result.error = unreadable("The last contact card has no end");
    else if (result.contacts.empty())
        result.error = unreadable("The data holds no contact card");
    return result;
}

} // namespace platform::contacts

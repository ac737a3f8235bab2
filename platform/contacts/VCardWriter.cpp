#include "contacts/VCardWriter.h"

#include "foundation/Base64.h"

#include <algorithm>

namespace platform::contacts {
namespace {

constexpr std::size_t maxLineOctets = 75;

bool isAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80 && c != '\n'; });
}

// Escapes the characters that structure a value.
std::string escaped(std::string_view text)
{
    std::string result;
    for (const char c : text) {
        if (c == '\\' || c == ',' || c == ';')
            result += '\\';
        if (c == '\n') {
            result += "\\n";
            continue;
        }
        if (c != '\r')
            result += c;
    }
    return result;
}

std::string quotedPrintable(std::string_view text)
{
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string result;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 || byte < 0x20 || c == '=' || c == ';' || c == '\\') {
            result += '=';
            result += hex[byte >> 4];
            result += hex[byte & 0xF];
        } else {
            result += c;
        }
    }
    return result;
}

bool isContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

class CardWriter {
public:
    CardWriter(std::string& out, VCardVersion version)
        : out_(out)
        , version_(version)
    {
    }

    void write(const Contact& contact)
    {
        line("BEGIN:VCARD");
        line(version_ == VCardVersion::v2_1 ? "VERSION:2.1" : version_ == VCardVersion::v3_0 ? "VERSION:3.0" : "VERSION:4.0");
        textProperty("N", {contact.familyName, contact.givenName, "", "", ""});
        textProperty("FN", {fullName(contact)});
        for (const LabeledValue& email : contact.emailAddresses)
            textProperty(emailName(email.label), {email.value});
        if (!contact.organizationName.empty())
            textProperty("ORG", {contact.organizationName});
        if (!contact.jobTitle.empty())
            textProperty("TITLE", {contact.jobTitle});
        if (contact.imageData)
            photo(*contact.imageData);
        if (!contact.identifier.empty())
            textProperty("UID", {contact.identifier});
        line("END:VCARD");
    }

private:
    static std::string fullName(const Contact& contact)
    {
        if (contact.givenName.empty() || contact.familyName.empty())
            return contact.givenName + contact.familyName;
        return contact.givenName + " " + contact.familyName;
    }

    std::string emailName(const std::string& label) const
    {
        if (version_ == VCardVersion::v2_1)
            return label.empty() ? "EMAIL;INTERNET" : "EMAIL;INTERNET;" + upper(label);
        if (version_ == VCardVersion::v3_0)
            return label.empty() ? "EMAIL;TYPE=INTERNET" : "EMAIL;TYPE=INTERNET," + upper(label);
        return label.empty() ? "EMAIL" : "EMAIL;TYPE=" + label;
    }

    static std::string upper(std::string text)
    {
        std::transform(text.begin(), text.end(), text.begin(),
            [](unsigned char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : static_cast<char>(c); });
        return text;
    }

    void textProperty(const std::string& name, const std::vector<std::string>& parts)
    {
        const bool ascii = std::all_of(parts.begin(), parts.end(), [](const std::string& part) { return isAscii(part); });
        if (version_ == VCardVersion::v2_1 && !ascii) {
            std::string value;
            for (std::size_t i = 0; i < parts.size(); ++i) {
                if (i > 0)
                    value += ';';
                value += quotedPrintable(parts[i]);
            }
            quotedPrintableLine(name + ";CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:" + value);
            return;
        }
        std::string value;
        for (std::size_t i = 0; i < parts.size(); ++i) {
            if (i > 0)
                value += ';';
            value += escaped(parts[i]);
        }
        line(name + ":" + value);
    }

    void photo(const std::vector<std::uint8_t>& bytes)
    {
        const bool png = bytes.size() >= 4 && bytes[0] == 0x89 && bytes[1] == 'P';
        const std::string data = Base64::encode(bytes);
        if (version_ == VCardVersion::v4_0) {
            line(std::string("PHOTO:data:image/") + (png ? "png" : "jpeg") + ";base64," + data);
            return;
        }
        const std::string encoding = version_ == VCardVersion::v2_1 ? "BASE64" : "b";
        line("PHOTO;ENCODING=" + encoding + ";TYPE=" + (png ? "PNG" : "JPEG") + ":" + data);
        if (version_ == VCardVersion::v2_1)
            out_ += "\r\n";
    }

    // Folds by inserting CRLF and a space, never inside a UTF-8 character.
    void line(std::string_view text)
    {
        std::size_t limit = maxLineOctets;
        while (text.size() > limit) {
            std::size_t cut = limit;
            while (cut > 1 && isContinuationByte(text[cut]))
                --cut;
            out_ += text.substr(0, cut);
            out_ += "\r\n ";
            text.remove_prefix(cut);
            limit = maxLineOctets - 1;
        }
        out_ += text;
        out_ += "\r\n";
    }

    // Quoted-printable lines break with a soft line break, never inside an "=XX".
    void quotedPrintableLine(std::string_view text)
    {
        while (text.size() > maxLineOctets) {
            std::size_t cut = maxLineOctets - 1;
            const std::size_t escape = text.rfind('=', cut - 1);
            if (escape != std::string_view::npos && escape + 3 > cut)
                cut = escape;
            out_ += text.substr(0, cut);
            out_ += "=\r\n";
            text.remove_prefix(cut);
        }
        out_ += text;
        out_ += "\r\n";
    }

    std::string& out_;
    VCardVersion version_;
};

} // namespace

std::string VCardWriter::write(const std::vector<Contact>& contacts, VCardVersion version)
{
    std::string out;
    for (const Contact& contact : contacts)
        CardWriter(out, version).write(contact);
    return out;
}

std::string VCardWriter::write(const Contact& contact, VCardVersion version)
{
    return write(std::vector<Contact>{contact}, version);
}

} // namespace platform::contacts

#include "graphics/RtfReader.h"

#include "graphics/TextDecoder.h"

#include "foundation/Text.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace platform::graphics {
namespace {

constexpr std::array<std::string_view, 28> skippedDestinations = {
    "fonttbl", "colortbl", "stylesheet", "info", "pict", "header", "headerl", "headerr", "headerf", "footer",
    "footerl", "footerr", "footerf", "object", "themedata", "colorschememapping", "latentstyles", "datastore",
    "listtable", "listoverridetable", "rsidtbl", "generator", "filetbl", "revtbl", "xmlnstbl", "fldinst",
    "footnote", "userprops",
};

constexpr std::array<std::pair<std::string_view, char32_t>, 9> symbolWords = {{
    {"emdash", 0x2014}, {"endash", 0x2013}, {"bullet", 0x2022}, {"lquote", 0x2018}, {"rquote", 0x2019},
    {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"emspace", ' '}, {"enspace", ' '},
}};

constexpr std::size_t maxWordLength = 32;
constexpr std::size_t maxParameterDigits = 10;

bool isLetter(std::uint8_t c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(std::uint8_t c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<std::vector<TextBlock>> RtfReader::read(std::span<const std::uint8_t> bytes)
{
    RtfReader reader(bytes);
    if (!reader.run())
        return std::nullopt;
    return std::move(reader.paragraphs_);
}

RtfReader::RtfReader(std::span<const std::uint8_t> bytes)
    : bytes_(bytes)
{
}

bool RtfReader::run()
{
    if (bytes_.size() < 5 || std::memcmp(bytes_.data(), "{\\rtf", 5) != 0)
        return false;
    std::size_t position = 0;
    while (position < bytes_.size()) {
        const std::uint8_t byte = bytes_[position];
        if (byte == '{') {
            if (groups_.size() >= maxGroupDepth)
                return false;
            groups_.push_back(groups_.empty() ? Group{} : groups_.back());
            fallbackToSkip_ = 0;
            ++position;
        } else if (byte == '}') {
            if (groups_.size() == 1)
                break;
            groups_.pop_back();
            fallbackToSkip_ = 0;
            ++position;
        } else if (byte == '\\') {
            position = readControl(position + 1);
        } else {
            if (byte != '\r' && byte != '\n')
                appendByte(byte);
            ++position;
        }
    }
    if (!text_.empty())
        endParagraph();
    return true;
}

std::size_t RtfReader::readControl(std::size_t position)
{
    if (position >= bytes_.size())
        return position;
    const std::uint8_t symbol = bytes_[position];
    if (isLetter(symbol))
        return readControlWord(position);
    if (symbol == '\'') {
        const auto digit = [this](std::size_t at) {
            return at < bytes_.size() ? platform::text::hexDigitValue(static_cast<char>(bytes_[at])) : -1;
        };
        const int high = digit(position + 1);
        const int low = digit(position + 2);
        if (high < 0 || low < 0)
            return position + 1;
        appendByte(static_cast<std::uint8_t>(high * 16 + low));
        return position + 3;
    }
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        appendText(std::string(1, static_cast<char>(symbol)));
        break;
    case '~':
        appendText("\u00A0");
        break;
    case '_':
        appendText("-");
        break;
    case '*':
        groups_.back().skipped = true;
        break;
    case '\r':
    case '\n':
        if (!groups_.back().skipped)
            endParagraph();
        break;
    default:
        break;
    }
    return position + 1;
}

std::size_t RtfReader::readControlWord(std::size_t position)
{
    const std::size_t wordStart = position;
    while (position < bytes_.size() && isLetter(bytes_[position]) && position - wordStart < maxWordLength)
        ++position;
    const std::string_view word(reinterpret_cast<const char*>(bytes_.data()) + wordStart, position - wordStart);
    std::optional<int> parameter;
    const bool negative = position < bytes_.size() && bytes_[position] == '-';
    const std::size_t digitsStart = position + (negative ? 1 : 0);
    std::size_t digitsEnd = digitsStart;
    long long value = 0;
    while (digitsEnd < bytes_.size() && isDigit(bytes_[digitsEnd]) && digitsEnd - digitsStart < maxParameterDigits)
        value = value * 10 + (bytes_[digitsEnd++] - '0');
    if (digitsEnd > digitsStart) {
        parameter = static_cast<int>(std::clamp<long long>(negative ? -value : value, -2147483647, 2147483647));
        position = digitsEnd;
    }
    if (position < bytes_.size() && bytes_[position] == ' ')
        ++position;
    if (word == "bin" && parameter && *parameter > 0)
        return std::min(bytes_.size(), position + static_cast<std::size_t>(*parameter));
    handleControlWord(word, parameter);
    return position;
}

void RtfReader::handleControlWord(std::string_view word, std::optional<int> parameter)
{
    Group& group = groups_.back();
    if (std::find(skippedDestinations.begin(), skippedDestinations.end(), word) != skippedDestinations.end()) {
        group.skipped = true;
        return;
    }
    if (word == "uc") {
        group.fallbackLength = std::clamp(parameter.value_or(1), 0, 16);
        return;
    }
    if (group.skipped)
        return;
    if (word == "par" || word == "sect" || word == "page")
        endParagraph();
    else if (word == "line")
        appendText("\n");
    else if (word == "tab")
        appendText("\t");
    else if (word == "u" && parameter)
        appendUnicode(*parameter);
    for (const auto& [name, codePoint] : symbolWords) {
        if (name == word) {
            std::string text;
            platform::text::appendUtf8(text, codePoint);
            appendText(text);
        }
    }
}

void RtfReader::appendText(std::string_view text)
{
    if (groups_.back().skipped)
        return;
    if (pendingHighSurrogate_) {
        platform::text::appendUtf8(text_, 0xFFFD);
        pendingHighSurrogate_ = 0;
    }
    text_ += text;
}

void RtfReader::appendByte(std::uint8_t byte)
{
    if (fallbackToSkip_ > 0) {
        --fallbackToSkip_;
        return;
    }
    if (byte == '\t') {
        appendText("\t");
        return;
    }
    if (byte < 0x20)
        return;
    std::string text;
    TextDecoder::appendWindows1252(text, byte);
    appendText(text);
}

void RtfReader::appendUnicode(int parameter)
{
    const char32_t unit = static_cast<char32_t>(parameter < 0 ? parameter + 65536 : parameter);
    fallbackToSkip_ = groups_.back().fallbackLength;
    if (unit >= 0xD800 && unit <= 0xDBFF) {
        appendText("");
        pendingHighSurrogate_ = unit;
        return;
    }
    if (unit >= 0xDC00 && unit <= 0xDFFF && pendingHighSurrogate_) {
        const char32_t combined = 0x10000 + ((pendingHighSurrogate_ - 0xD800) << 10) + (unit - 0xDC00);
        pendingHighSurrogate_ = 0;
        platform::text::appendUtf8(text_, combined);
        return;
    }
    std::string text;
    platform::text::appendUtf8(text, unit);
    appendText(text);
}

void RtfReader::endParagraph()
{
    appendText("");
    TextBlock paragraph;
    paragraph.text = std::move(text_);
    paragraphs_.push_back(std::move(paragraph));
    text_.clear();
}

} // namespace platform::graphics

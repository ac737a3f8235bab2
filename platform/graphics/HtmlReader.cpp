#include "graphics/HtmlReader.h"

#include "graphics/TextDecoder.h"

#include "foundation/Text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <optional>
#include <utility>

namespace platform::graphics {
namespace {

constexpr std::array<std::string_view, 34> blockTags = {
    "address", "article", "aside", "blockquote", "body", "caption", "center", "dd", "details", "dialog", "dir", "div",
    "dl", "dt", "fieldset", "figcaption", "figure", "footer", "form", "header", "hgroup", "hr", "html", "main",
    "menu", "nav", "p", "section", "summary", "table", "tbody", "tfoot", "thead", "tr",
};

// Elements whose content is not document text.
constexpr std::array<std::string_view, 6> rawTextTags = {"script", "style", "title", "noscript", "template", "textarea"};

constexpr std::array<std::pair<std::string_view, char32_t>, 26> namedEntities = {{
    {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}, {"nbsp", 0xA0},
    {"copy", 0xA9}, {"reg", 0xAE}, {"trade", 0x2122}, {"deg", 0xB0}, {"euro", 0x20AC}, {"pound", 0xA3},
    {"mdash", 0x2014}, {"ndash", 0x2013}, {"hellip", 0x2026}, {"bull", 0x2022}, {"middot", 0xB7},
    {"laquo", 0xAB}, {"raquo", 0xBB}, {"lsquo", 0x2018}, {"rsquo", 0x2019}, {"ldquo", 0x201C},
    {"rdquo", 0x201D}, {"times", 0xD7}, {"sect", 0xA7}, {"para", 0xB6},
}};

template <std::size_t N>
bool contains(const std::array<std::string_view, N>& names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool isHtmlSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool isAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::string lowercase(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), [](unsigned char c) { return std::tolower(c); });
    return result;
}

std::optional<char32_t> numericReference(std::string_view body)
{
    const bool hex = body.size() > 1 && (body[1] == 'x' || body[1] == 'X');
    const std::string_view digits = body.substr(hex ? 2 : 1);
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, hex ? 16 : 10);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value == 0 ? char32_t(0xFFFD) : char32_t(value);
}

std::optional<char32_t> characterReference(std::string_view body)
{
    if (body.starts_with('#'))
        return numericReference(body);
    for (const auto& [name, codePoint] : namedEntities) {
        if (name == body)
            return codePoint;
    }
    return std::nullopt;
}

std::string decodeReferences(std::string_view raw)
{
    std::string text;
    text.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const std::size_t semicolon = raw[i] == '&' ? raw.find(';', i) : std::string_view::npos;
        const auto codePoint = semicolon != std::string_view::npos && semicolon - i <= 32
            ? characterReference(raw.substr(i + 1, semicolon - i - 1))
            : std::nullopt;
        if (!codePoint) {
            text += raw[i];
            continue;
        }
        platform::text::appendUtf8(text, *codePoint);
        i = semicolon;
    }
    return text;
}

} // namespace

std::vector<TextBlock> HtmlReader::read(std::span<const std::uint8_t> bytes)
{
    const std::string html = TextDecoder::decode(bytes);
    HtmlReader reader(html);
    reader.run();
    return std::move(reader.blocks_);
}

HtmlReader::HtmlReader(std::string_view html)
    : html_(html)
{
}

void HtmlReader::run()
{
    std::size_t position = 0;
    while (position < html_.size()) {
        const std::size_t open = html_.find('<', position);
        handleText(html_.substr(position, open - position));
        if (open == std::string_view::npos)
            break;
        const std::string_view rest = html_.substr(open);
        if (rest.starts_with("<!--"))
            position = skipPast(open + 4, "-->");
        else if (rest.starts_with("<!") || rest.starts_with("<?"))
            position = skipPast(open + 2, ">");
        else if (rest.size() > 1 && (isAsciiLetter(rest[1]) || (rest[1] == '/' && rest.size() > 2 && isAsciiLetter(rest[2]))))
            position = readTag(open + 1);
        else {
            handleText("<");
            position = open + 1;
        }
    }
    flush();
}

std::size_t HtmlReader::skipPast(std::size_t position, std::string_view end)
{
    const std::size_t found = html_.find(end, position);
    return found == std::string_view::npos ? html_.size() : found + end.size();
}

std::size_t HtmlReader::readTag(std::size_t position)
{
    const bool closing = html_[position] == '/';
    const std::size_t nameStart = position + (closing ? 1 : 0);
    std::size_t nameEnd = nameStart;
    while (nameEnd < html_.size() && std::isalnum(static_cast<unsigned char>(html_[nameEnd])))
        ++nameEnd;
    std::size_t end = nameEnd;
    char quote = 0;
    while (end < html_.size() && (quote || html_[end] != '>')) {
        if (quote == html_[end])
            quote = 0;
        else if (!quote && (html_[end] == '"' || html_[end] == '\''))
            quote = html_[end];
        ++end;
    }
    const std::string name = lowercase(html_.substr(nameStart, nameEnd - nameStart));
    handleTag(name, closing);
    const std::size_t next = std::min(end + 1, html_.size());
    if (closing || !contains(rawTextTags, name))
        return next;
    const std::string lowerRest = lowercase(html_.substr(next));
    const std::size_t close = lowerRest.find("</" + name);
    return close == std::string::npos ? html_.size() : skipPast(next + close, ">");
}

void HtmlReader::handleTag(std::string_view name, bool closing)
{
    if (name.size() == 2 && name[0] == 'h' && name[1] >= '1' && name[1] <= '6') {
        flush();
        if (!closing) {
            current_.style = TextBlock::Style::heading;
            current_.level = name[1] - '0';
        }
    } else if (name == "ul" || name == "ol") {
        flush();
        if (!closing)
            lists_.push_back({name == "ol", 1});
        else if (!lists_.empty())
            lists_.pop_back();
    } else if (name == "li") {
        flush();
        if (!closing)
            startListItem();
    } else if (name == "pre") {
        flush();
        preformattedDepth_ = std::max(0, preformattedDepth_ + (closing ? -1 : 1));
        current_.style = preformattedDepth_ > 0 ? TextBlock::Style::preformatted : TextBlock::Style::paragraph;
    } else if (name == "br") {
        current_.text += '\n';
        pendingSpace_ = false;
    } else if ((name == "td" || name == "th") && !closing && !current_.text.empty()) {
        current_.text += '\t';
        pendingSpace_ = false;
    } else if (contains(blockTags, name)) {
        flush();
    }
}

void HtmlReader::startListItem()
{
    current_.style = TextBlock::Style::listItem;
    current_.level = std::max<int>(1, static_cast<int>(lists_.size()));
    if (!lists_.empty() && lists_.back().ordered)
        current_.marker = std::to_string(lists_.back().nextNumber++) + ".";
    else
        current_.marker = "\u2022";
}

void HtmlReader::handleText(std::string_view raw)
{
    if (!raw.empty())
        appendText(decodeReferences(raw));
}

void HtmlReader::appendText(std::string_view decoded)
{
    const bool preformatted = preformattedDepth_ > 0;
    for (const char c : decoded) {
        if (preformatted && (c == '\n' || c == '\t')) {
            if (!(c == '\n' && current_.text.empty()))
                current_.text += c;
            continue;
        }
        if (isHtmlSpace(c) && !preformatted) {
            pendingSpace_ = true;
            continue;
        }
        if (static_cast<unsigned char>(c) < 0x20)
            continue;
        if (pendingSpace_ && !current_.text.empty() && current_.text.back() != '\n')
            current_.text += ' ';
        pendingSpace_ = false;
        current_.text += c;
    }
}

void HtmlReader::flush()
{
    while (!current_.text.empty() && (current_.text.back() == ' ' || current_.text.back() == '\n'))
        current_.text.pop_back();
    if (!current_.text.empty())
        blocks_.push_back(std::move(current_));
    current_ = TextBlock{};
    if (preformattedDepth_ > 0)
        current_.style = TextBlock::Style::preformatted;
    pendingSpace_ = false;
}

} // namespace platform::graphics

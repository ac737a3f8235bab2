#include "phonerules/PhoneRulesParser.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace phonerules {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

bool isDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The words of one line; a word that opens with a quote runs to the closing quote.
class LineWords {
public:
    LineWords(std::string_view line, int number)
        : number_(number)
    {
        std::size_t position = 0;
        for (;;) {
            while (position < line.size() && isBlank(line[position]))
                ++position;
            if (position == line.size())
                return;
            words_.push_back(line[position] == '"' ? quoted(line, position) : plain(line, position));
        }
    }

    std::size_t size() const { return words_.size(); }
    const std::string& operator[](std::size_t index) const { return words_[index]; }

    [[noreturn]] void fail(const std::string& message) const
    {
        throw PhoneRulesError("line " + std::to_string(number_) + ": " + message);
    }

    void expectCount(std::size_t count) const
    {
        if (words_.size() != count)
            fail("\"" + words_.front() + "\" takes " + std::to_string(count - 1) + " value(s)");
    }

    long long number(std::size_t index, long long lowest, long long highest) const
    {
        long long value = 0;
        const auto& word = words_.at(index);
        const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
        if (error != std::errc() || end != word.data() + word.size() || value < lowest || value > highest)
            fail("\"" + word + "\" is not a number from " + std::to_string(lowest) + " to " + std::to_string(highest));
        return value;
    }

    std::vector<std::string> prefixes() const
    {
        if (words_.size() < 2)
            fail("\"" + words_.front() + "\" needs at least one prefix");
        std::vector<std::string> list(words_.begin() + 1, words_.end());
        for (const auto& prefix : list) {
            if (!isDigits(prefix))
                fail("prefix \"" + prefix + "\" is not made of digits");
        }
        return list;
    }

private:
    std::string plain(std::string_view line, std::size_t& position) const
    {
        const std::size_t start = position;
        while (position < line.size() && !isBlank(line[position]))
            ++position;
        return std::string(line.substr(start, position - start));
    }

    std::string quoted(std::string_view line, std::size_t& position) const
    {
        std::string word = "\"";
        for (++position; position < line.size(); ++position) {
            const char c = line[position];
            if (c == '"') {
                ++position;
                return word;
            }
            if (c == '\\' && position + 1 < line.size())
                ++position;
            word += line[position];
        }
        fail("a quoted format is not closed");
    }

    int number_;
    std::vector<std::string> words_;
};

class SourceBuilder {
public:
    void take(const LineWords& words)
    {
        const std::string& directive = words[0];
        if (directive == "default-access")
            source_.defaultAccessPrefixes = words.prefixes();
        else if (directive == "code")
            startCode(words);
        else if (directive == "access")
            currentCode(words).accessPrefixes = words.prefixes();
        else if (directive == "trunk")
            currentCode(words).trunkPrefixes = words.prefixes();
        else if (directive == "set")
            startSet(words);
        else if (directive == "rule")
            addRule(words);
        else
            words.fail("unknown directive \"" + directive + "\"");
    }

    RulesSource result() && { return std::move(source_); }

private:
    void startCode(const LineWords& words)
    {
        words.expectCount(2);
        const std::string& code = words[1];
        if (!isDigits(code) || code.size() > 3)
            words.fail("calling code \"" + code + "\" is not one to three digits");
        const bool repeated = std::any_of(source_.callingCodes.begin(), source_.callingCodes.end(),
                                          [&](const CallingCodeSource& known) { return known.callingCode == code; });
        if (repeated)
            words.fail("calling code " + code + " appears twice");
        source_.callingCodes.push_back(CallingCodeSource{code, {}, {}, {}});
    }

    CallingCodeSource& currentCode(const LineWords& words)
    {
        if (source_.callingCodes.empty())
            words.fail("\"" + words[0] + "\" comes before any \"code\"");
        return source_.callingCodes.back();
    }

    void startSet(const LineWords& words)
    {
        words.expectCount(2);
        RuleSetSource ruleSet;
        ruleSet.matchLen = static_cast<std::uint16_t>(words.number(1, 0, 9));
        currentCode(words).ruleSets.push_back(std::move(ruleSet));
    }

    void addRule(const LineWords& words)
    {
        words.expectCount(6);
        auto& code = currentCode(words);
        if (code.ruleSets.empty())
            words.fail("\"rule\" comes before any \"set\"");
        RuleSource rule;
        rule.minVal = static_cast<std::int32_t>(words.number(1, 0, std::numeric_limits<std::int32_t>::max()));
        rule.maxVal = static_cast<std::int32_t>(words.number(2, rule.minVal, std::numeric_limits<std::int32_t>::max()));
        rule.maxLen = static_cast<std::uint8_t>(words.number(3, 1, 255));
        rule.prefixBits = prefixBits(words);
        if (!words[5].starts_with('"'))
            words.fail("the format must be quoted");
        rule.format = words[5].substr(1);
        checkFormat(words, rule);
        code.ruleSets.back().rules.push_back(std::move(rule));
    }

    // Every digit the rule covers needs a place, and each prefix slot appears once.
    static void checkFormat(const LineWords& words, const RuleSource& rule)
    {
        std::string layout = rule.format;
        if (const auto open = layout.find("[["); open != std::string::npos) {
            const auto close = layout.find("]]", open + 2);
            if (close == std::string::npos)
                words.fail("\"[[\" is not closed by \"]]\"");
            layout.erase(open, close + 2 - open);
        }
        if (rule.format.size() > 512)
            words.fail("the format is longer than 512 bytes, more than the reader takes");
        if (std::count(layout.begin(), layout.end(), '#') < rule.maxLen)
            words.fail("the format has fewer \"#\" than maxLen " + std::to_string(rule.maxLen));
        if (std::count(layout.begin(), layout.end(), 'c') > 1 || std::count(layout.begin(), layout.end(), 'n') > 1)
            words.fail("a prefix slot appears more than once");
    }

    static std::uint8_t prefixBits(const LineWords& words)
    {
        const std::string& text = words[4];
        if (text == "-")
            return 0;
        if (text == "n")
            return kTrunkPrefixBit;
        if (text == "c")
            return kIntlPrefixBit;
        if (text == "nc" || text == "cn")
            return kTrunkPrefixBit | kIntlPrefixBit;
        words.fail("prefixes \"" + text + "\" are not one of -, n, c, nc");
    }

    RulesSource source_;
};

} // namespace

RulesSource PhoneRulesParser::parse(std::string_view text)
{
    SourceBuilder builder;
    int lineNumber = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNumber;
        const auto firstVisible = line.find_first_not_of(" \t\r");
        if (firstVisible == std::string_view::npos || line[firstVisible] == '#')
            continue;
        builder.take(LineWords(line, lineNumber));
    }
    return std::move(builder).result();
}

} // namespace phonerules

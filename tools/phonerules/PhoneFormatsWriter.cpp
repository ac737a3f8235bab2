#include "phonerules/PhoneFormatsWriter.h"

#include "phonerules/PhoneRulesParser.h"

#include <algorithm>
#include <limits>
#include <map>
#include <string>

namespace phonerules {

namespace {

class ByteBuffer {
public:
    std::vector<std::uint8_t>& bytes() { return bytes_; }
    std::size_t size() const { return bytes_.size(); }

    void put8(std::uint8_t value) { bytes_.push_back(value); }
    void put16(std::uint16_t value)
    {
        put8(static_cast<std::uint8_t>(value));
        put8(static_cast<std::uint8_t>(value >> 8));
    }
    void put32(std::uint32_t value)
    {
        put16(static_cast<std::uint16_t>(value));
        put16(static_cast<std::uint16_t>(value >> 16));
    }
    void putString(const std::string& text)
    {
        bytes_.insert(bytes_.end(), text.begin(), text.end());
        put8(0);
    }
    // A string in a fixed field of `width` bytes, NUL-padded.
    void putFixed(const std::string& text, std::size_t width)
    {
        bytes_.insert(bytes_.end(), text.begin(), text.end());
        bytes_.resize(bytes_.size() + width - text.size(), 0);
    }
    void append(const std::vector<std::uint8_t>& other) { bytes_.insert(bytes_.end(), other.begin(), other.end()); }

private:
    std::vector<std::uint8_t> bytes_;
};

std::uint16_t checked16(std::size_t value, const std::string& what)
{
    if (value > std::numeric_limits<std::uint16_t>::max())
        throw PhoneRulesError(what + " is too large for the file layout");
    return static_cast<std::uint16_t>(value);
}

void addUnique(std::vector<std::string>& list, const std::vector<std::string>& more)
{
    for (const auto& item : more) {
        if (std::find(list.begin(), list.end(), item) == list.end())
            list.push_back(item);
    }
}

// Everything one calling code's block is made of, gathered from the source and regions.
struct BlockContent {
    std::string callingCode;
    std::vector<std::string> trunkPrefixes;
    std::vector<std::string> accessPrefixes;
    const CallingCodeSource* rules = nullptr;
};

class BlockWriter {
public:
    explicit BlockWriter(const BlockContent& content)
        : content_(content)
    {
    }

    std::vector<std::uint8_t> bytes()
    {
        ByteBuffer prefixes;
        for (const auto* list : {&content_.trunkPrefixes, &content_.accessPrefixes}) {
            for (const auto& prefix : *list)
                prefixes.putString(prefix);
            prefixes.put8(0);
        }
        ByteBuffer sets = ruleSets();
        ByteBuffer block;
        block.put16(checked16(12 + prefixes.size(), "the prefix list of " + content_.callingCode));
        block.put16(0);
        block.put16(checked16(sets.size(), "the rule sets of " + content_.callingCode));
        block.put16(0);
        block.put16(checked16(ruleSetCount(), "the number of rule sets of " + content_.callingCode));
        block.put16(0);
        block.append(prefixes.bytes());
        block.append(sets.bytes());
        block.append(formats_.bytes());
        return std::move(block.bytes());
    }

private:
    std::size_t ruleSetCount() const { return content_.rules ? content_.rules->ruleSets.size() : 0; }

    ByteBuffer ruleSets()
    {
        ByteBuffer sets;
        if (!content_.rules)
            return sets;
        for (const auto& ruleSet : content_.rules->ruleSets) {
            sets.put16(ruleSet.matchLen);
            sets.put16(checked16(ruleSet.rules.size(), "a rule set of " + content_.callingCode));
            for (const auto& rule : ruleSet.rules)
                putRule(sets, rule);
        }
        return sets;
    }

    void putRule(ByteBuffer& sets, const RuleSource& rule)
    {
        sets.put32(static_cast<std::uint32_t>(rule.minVal));
        sets.put32(static_cast<std::uint32_t>(rule.maxVal));
        sets.put8(0);
        sets.put8(rule.maxLen);
        sets.put8(0);
        sets.put8(0);
        sets.put8(rule.prefixBits);
        sets.put8(0);
        sets.put16(formatOffset(rule.format));
    }

    std::uint16_t formatOffset(const std::string& format)
    {
        const auto known = formatOffsets_.find(format);
        if (known != formatOffsets_.end())
            return known->second;
        const auto offset = checked16(formats_.size(), "the formats of " + content_.callingCode);
        formats_.putString(format);
        formatOffsets_.emplace(format, offset);
        return offset;
    }

    const BlockContent& content_;
    ByteBuffer formats_;
    std::map<std::string, std::uint16_t> formatOffsets_;
};

bool isMadeOf(const std::string& text, char lowest, char highest)
{
    return std::all_of(text.begin(), text.end(), [&](char c) { return c >= lowest && c <= highest; });
}

void checkRegion(const Region& region)
{
    if (region.country.size() != 2 || !isMadeOf(region.country, 'a', 'z'))
        throw PhoneRulesError("country \"" + region.country + "\" is not two lower-case letters");
    if (region.callingCode.empty() || region.callingCode.size() > 3 || !isMadeOf(region.callingCode, '0', '9'))
        throw PhoneRulesError("calling code \"" + region.callingCode + "\" is not one to three digits");
}

std::vector<BlockContent> gatherBlocks(const RulesSource& source, const std::vector<Region>& regions)
{
    std::vector<BlockContent> blocks;
    std::map<std::string, std::size_t> indexOfCode;
    for (const auto& region : regions) {
        checkRegion(region);
        auto [entry, added] = indexOfCode.emplace(region.callingCode, blocks.size());
        if (added)
            blocks.push_back({region.callingCode, {}, source.defaultAccessPrefixes, nullptr});
        addUnique(blocks[entry->second].trunkPrefixes, region.trunkPrefixes);
    }
    for (const auto& code : source.callingCodes) {
        const auto entry = indexOfCode.find(code.callingCode);
        if (entry == indexOfCode.end())
            throw PhoneRulesError("calling code " + code.callingCode + " belongs to no region");
        auto& block = blocks[entry->second];
        addUnique(block.trunkPrefixes, code.trunkPrefixes);
        if (!code.accessPrefixes.empty())
            block.accessPrefixes = code.accessPrefixes;
        block.rules = &code;
    }
    return blocks;
}

} // namespace

std::vector<std::uint8_t> PhoneFormatsWriter::write(const RulesSource& source, const std::vector<Region>& regions)
{
    const auto blocks = gatherBlocks(source, regions);
    ByteBuffer data;
    std::map<std::string, std::uint32_t> blockOffsets;
    for (const auto& block : blocks) {
        blockOffsets[block.callingCode] = static_cast<std::uint32_t>(data.size());
        data.append(BlockWriter(block).bytes());
    }
    ByteBuffer file;
    file.put32(static_cast<std::uint32_t>(regions.size()));
    for (const auto& region : regions) {
        file.putFixed(region.callingCode, 4);
        file.putFixed(region.country, 4);
        file.put32(blockOffsets.at(region.callingCode));
    }
    file.append(data.bytes());
    return std::move(file.bytes());
}

} // namespace phonerules

#include "signers/KWPhoneFormat.h"

#include "foundation/Bundle.h"
#include "foundation/Environment.h"
#include "foundation/SharedInstances.h"
#include "signers/TypedPhoneNumber.h"

#include <unicode/locid.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>

namespace {

constexpr std::size_t kHeaderEntrySize = 12;
constexpr std::size_t kRuleSize = 16;
// A rule covers at most 255 digits; a format far longer than that is damage, and
// copying it into every rule would let a small file claim a great deal of memory.
constexpr std::size_t kMaxFormatLength = 512;

std::vector<std::uint8_t> readFile(const std::optional<std::filesystem::path>& file)
{
    if (!file)
        return {};
    std::ifstream stream(*file, std::ios::binary);
    if (!stream)
        return {};
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

std::optional<std::filesystem::path> mainBundleRulesFile()
{
    return platform::Bundle::main().pathForResource("PhoneFormats", "dat");
}

std::string asciiLowercase(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return lower;
}

std::string deviceRegion()
{
    const icu::Locale locale(platform::Environment::locale().c_str());
    return asciiLowercase(locale.getCountry());
}

std::string chooseDefaultCountry(const std::optional<std::string>& requested)
{
    if (requested && !requested->empty())
        return *requested;
    return deviceRegion();
}

// A part between "[[" and "]]" is annotation, not layout. An opening "[[" that is never
// closed hides the rest of the format, so no bracket reaches the display.
std::string withoutAnnotation(std::string format)
{
    const auto open = format.find("[[");
    if (open == std::string::npos)
        return format;
    const auto close = format.find("]]", open + 2);
    if (close == std::string::npos)
        return format.substr(0, open);
    return format.substr(0, open) + format.substr(close + 2);
}

constexpr std::array<bool, 256> phoneCharacters()
{
    std::array<bool, 256> table{};
    for (const char c : std::string_view("0123456789+*#"))
        table[static_cast<unsigned char>(c)] = true;
    return table;
}

} // namespace

std::shared_ptr<KWPhoneFormat> KWPhoneFormat::instance()
{
    return platform::SharedInstance<KWPhoneFormat>::get();
}

KWPhoneFormat::KWPhoneFormat()
    : KWPhoneFormat(std::optional<std::string>())
{
}

KWPhoneFormat::KWPhoneFormat(const std::optional<std::string>& defaultCountry)
    : KWPhoneFormat(readFile(mainBundleRulesFile()), defaultCountry)
{
}

KWPhoneFormat::KWPhoneFormat(const std::filesystem::path& file, const std::optional<std::string>& defaultCountry)
    : KWPhoneFormat(readFile(file), defaultCountry)
{
}

KWPhoneFormat::KWPhoneFormat(std::vector<std::uint8_t> data, const std::optional<std::string>& defaultCountry)
    : data_(std::move(data))
    , defaultCountry_(chooseDefaultCountry(defaultCountry))
{
    callingCodeOffsets_.reserve(255);
    callingCodeCountries_.reserve(255);
    callingCodeData_.reserve(10);
    countryCallingCode_.reserve(255);
    parseDataHeader();
}

std::string KWPhoneFormat::strip(std::string_view text)
{
    static constexpr auto kKept = phoneCharacters();
    const auto isKept = [](char c) { return kKept[static_cast<unsigned char>(c)]; };
    // Normalising ASCII changes no character that is kept, so typed ASCII skips it.
    std::string stripped(text);
    char* out = stripped.data();
    unsigned char allBits = 0;
    for (const char c : text) {
        allBits |= static_cast<unsigned char>(c);
        *out = c;
        out += isKept(c) ? 1 : 0;
    }
    if (allBits < 0x80) {
        stripped.resize(static_cast<std::size_t>(out - stripped.data()));
        return stripped;
    }
    stripped = TypedPhoneNumber::normalized(text);
    std::erase_if(stripped, [&](char c) { return !isKept(c); });
    return stripped;
}

std::uint32_t KWPhoneFormat::value32(std::size_t offset) const
{
    if (offset > data_.size() || data_.size() - offset < 4)
        return 0;
    return static_cast<std::uint32_t>(data_[offset]) | static_cast<std::uint32_t>(data_[offset + 1]) << 8 |
           static_cast<std::uint32_t>(data_[offset + 2]) << 16 | static_cast<std::uint32_t>(data_[offset + 3]) << 24;
}

std::uint16_t KWPhoneFormat::value16(std::size_t offset) const
{
    if (offset > data_.size() || data_.size() - offset < 2)
        return 0;
    return static_cast<std::uint16_t>(data_[offset] | data_[offset + 1] << 8);
}

std::uint8_t KWPhoneFormat::value8(std::size_t offset) const
{
    return offset < data_.size() ? data_[offset] : 0;
}

std::string KWPhoneFormat::stringAt(std::size_t offset, std::size_t maxLength) const
{
    if (offset >= data_.size())
        return {};
    const auto begin = data_.begin() + static_cast<std::ptrdiff_t>(offset);
    const auto limit = begin + static_cast<std::ptrdiff_t>(std::min(maxLength, data_.size() - offset));
    return {begin, std::find(begin, limit, std::uint8_t{0})};
}

void KWPhoneFormat::parseDataHeader()
{
    const auto count = static_cast<std::int32_t>(value32(0));
    if (count <= 0)
        return;
    // Offsets count from the end of the header as the file declares it, even when the
    // data is shorter; entries that would start past the data are not read.
    const std::uint32_t headerEnd =
        4u + static_cast<std::uint32_t>(kHeaderEntrySize) * static_cast<std::uint32_t>(count);
    const std::size_t entriesInData =
        data_.size() > 4 ? (data_.size() - 4 + kHeaderEntrySize - 1) / kHeaderEntrySize : 0;
    const std::size_t entries = std::min(static_cast<std::size_t>(count), entriesInData);
    for (std::size_t index = 0; index < entries; ++index) {
        const std::size_t entry = 4 + kHeaderEntrySize * index;
        std::string callingCode = stringAt(entry, 4);
        std::string country = stringAt(entry + 4, 4);
        const std::uint32_t blockStart = headerEnd + value32(entry + 8);
        if (country == defaultCountry_)
            defaultCallingCode_ = callingCode;
        if (const auto slot = slotOf(callingCode))
            slotInFile_.set(*slot);
        callingCodeOffsets_[callingCode] = blockStart;
        callingCodeCountries_[callingCode].insert(country);
        countryCallingCode_[std::move(country)] = std::move(callingCode);
    }
    if (defaultCallingCode_)
        defaultRecord_ = callingCodeInfo(*defaultCallingCode_);
}

std::optional<std::size_t> KWPhoneFormat::slotOf(std::string_view callingCode)
{
    if (callingCode.empty() || callingCode.size() > 3)
        return std::nullopt;
    std::size_t slot = 0;
    for (const char c : callingCode) {
        if (c < '0' || c > '9')
            return std::nullopt;
        slot = slot * 10 + static_cast<std::size_t>(c - '0');
    }
    return kSlotRangeStart[callingCode.size()] + slot;
}

const CallingCodeInfo* KWPhoneFormat::callingCodeInfo(std::string_view callingCode) const
{
    const auto slot = slotOf(callingCode);
    return slot ? slotRecord(*slot, callingCode) : parseCallingCodeInfo(callingCode);
}

const CallingCodeInfo* KWPhoneFormat::slotRecord(std::size_t slot, std::string_view callingCode) const
{
    if (!slotInFile_.test(slot))
        return nullptr;
    if (const auto* parsed = slotRecords_[slot].load(std::memory_order_acquire))
        return parsed;
    const auto* parsed = parseCallingCodeInfo(callingCode);
    slotRecords_[slot].store(parsed, std::memory_order_release);
    return parsed;
}

const CallingCodeInfo* KWPhoneFormat::parseCallingCodeInfo(std::string_view callingCode) const
{
    std::lock_guard lock(cacheMutex_);
    if (const auto cached = callingCodeData_.find(callingCode); cached != callingCodeData_.end())
        return cached->second.get();
    const auto offset = callingCodeOffsets_.find(callingCode);
    if (offset == callingCodeOffsets_.end())
        return nullptr;
    auto record = parseCallingCodeBlock(offset->first, offset->second);
    const auto* parsed = record.get();
    callingCodeData_.emplace(offset->first, std::move(record));
    return parsed;
}

std::unique_ptr<CallingCodeInfo> KWPhoneFormat::parseCallingCodeBlock(const std::string& callingCode,
                                                                      std::size_t blockStart) const
{
    auto record = std::make_unique<CallingCodeInfo>();
    record->callingCode = callingCode;
    if (const auto countries = callingCodeCountries_.find(callingCode); countries != callingCodeCountries_.end())
        record->countries = countries->second;

    const std::size_t setsStart = blockStart + value16(blockStart);
    const std::size_t formatsStart = setsStart + value16(blockStart + 4);
    const std::uint16_t setCount = value16(blockStart + 8);
    std::size_t position = blockStart + 12;
    record->trunkPrefixes = readStringList(position);
    record->intlPrefixes = readStringList(position);

    // Sets and rules that would start past the data are absent, not zero-filled.
    position = setsStart;
    for (std::uint16_t index = 0; index < setCount && position < data_.size(); ++index)
        record->ruleSets.push_back(readRuleSet(position, formatsStart));
    return record;
}

std::vector<std::string> KWPhoneFormat::readStringList(std::size_t& position) const
{
    std::vector<std::string> strings;
    for (;;) {
        std::string string = stringAt(position);
        position += string.size() + 1;
        if (string.empty())
            return strings;
        strings.push_back(std::move(string));
    }
}

RuleSet KWPhoneFormat::readRuleSet(std::size_t& position, std::size_t formatsStart) const
{
    RuleSet ruleSet;
    ruleSet.matchLen = value16(position);
    const std::uint16_t ruleCount = value16(position + 2);
    position += 4;
    for (std::uint16_t index = 0; index < ruleCount && position < data_.size(); ++index) {
        ruleSet.addRule(readRule(position, formatsStart));
        position += kRuleSize;
    }
    return ruleSet;
}

PhoneRule KWPhoneFormat::readRule(std::size_t position, std::size_t formatsStart) const
{
    PhoneRule rule;
    rule.minVal = static_cast<std::int32_t>(value32(position));
    rule.maxVal = static_cast<std::int32_t>(value32(position + 4));
    rule.byte8 = value8(position + 8);
    rule.maxLen = value8(position + 9);
    rule.otherFlag = value8(position + 10);
    rule.prefixLen = value8(position + 11);
    rule.flag12 = value8(position + 12);
    rule.flag13 = value8(position + 13);
    rule.format = withoutAnnotation(stringAt(formatsStart + value16(position + 14), kMaxFormatLength));
    return rule;
}

const CallingCodeInfo* KWPhoneFormat::findCallingCodeInfo(std::string_view digits) const
{
    const std::size_t longest = std::min<std::size_t>(3, digits.size());
    std::size_t length = 1;
    // Codes of digits are found by slot, the slot of each length taken from the last.
    for (std::size_t value = 0; length <= longest && digits[length - 1] >= '0' && digits[length - 1] <= '9';
         ++length) {
        value = value * 10 + static_cast<std::size_t>(digits[length - 1] - '0');
        if (const auto* record = slotRecord(kSlotRangeStart[length] + value, digits.substr(0, length)))
            return record;
    }
    for (; length <= longest; ++length) {
        if (const auto* record = parseCallingCodeInfo(digits.substr(0, length)))
            return record;
    }
    return nullptr;
}

std::string KWPhoneFormat::format(std::string_view number) const
{
    const std::string stripped = strip(number);
    if (stripped.starts_with('+')) {
        const std::string_view rest = std::string_view(stripped).substr(1);
        const auto* record = findCallingCodeInfo(rest);
        if (!record)
            return std::string(number);
        return record->format(rest, "+");
    }
    if (!defaultRecord_)
        return std::string(number);
    if (const auto accessCode = defaultRecord_->matchingAccessCode(stripped))
        return formatAfterAccessCode(*accessCode, std::string_view(stripped).substr(accessCode->size()));
    return defaultRecord_->format(stripped);
}

std::string KWPhoneFormat::formatAfterAccessCode(std::string_view accessCode, std::string_view remainder) const
{
    std::string lead(accessCode);
    if (remainder.empty())
        return lead;
    lead += ' ';
    if (const auto* record = findCallingCodeInfo(remainder))
        return record->format(remainder, lead);
    return lead.append(remainder);
}

bool KWPhoneFormat::isPhoneNumberValid(std::string_view number) const
{
    const std::string stripped = strip(number);
    if (stripped.starts_with('+')) {
        const std::string_view rest = std::string_view(stripped).substr(1);
        const auto* record = findCallingCodeInfo(rest);
        return record && record->isValidPhoneNumber(rest);
    }
    if (!defaultRecord_)
        return false;
    const auto accessCode = defaultRecord_->matchingAccessCode(stripped);
    if (!accessCode)
        return defaultRecord_->isValidPhoneNumber(stripped);
    const std::string_view remainder = std::string_view(stripped).substr(accessCode->size());
    const auto* record = remainder.empty() ? nullptr : findCallingCodeInfo(remainder);
    return record && record->isValidPhoneNumber(remainder);
}

std::optional<std::string> KWPhoneFormat::callingCodeForCountryCode(std::string_view countryCode) const
{
    const auto found = countryCallingCode_.find(asciiLowercase(countryCode));
    if (found == countryCallingCode_.end())
        return std::nullopt;
    return found->second;
}

std::optional<std::set<std::string>> KWPhoneFormat::countriesForCallingCode(std::string_view callingCode) const
{
    if (callingCode.starts_with('+'))
        callingCode.remove_prefix(1);
    const auto found = callingCodeCountries_.find(callingCode);
    if (found == callingCodeCountries_.end())
        return std::nullopt;
    return found->second;
}

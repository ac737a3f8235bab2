#pragma once

#include "signers/CallingCodeInfo.h"

#include <array>
#include <atomic>
#include <bitset>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Formats telephone numbers as they are typed and maps ISO country codes to calling
// codes, from the rules file "PhoneFormats.dat" of the main bundle.
//
// The file is read whole at construction and only its header is parsed then; the block
// of a calling code is parsed the first time a number needs it and kept. Every read is
// bounded by the data: a missing, truncated or malformed file gives zeros and empty
// strings for whatever lies outside it, so lookups answer nothing and numbers come back
// unchanged; format strings are read up to 512 bytes. Parsed records live as long as
// the formatter. The record cache is guarded, so one formatter may serve several threads;
// a record once parsed is found again without taking the guard.
class KWPhoneFormat {
public:
    // The shared formatter, created on first use from the main bundle's rules file with
    // the device's region as default country. Tests return it to its first-use state
    // through platform::SharedInstances::resetAll().
    static std::shared_ptr<KWPhoneFormat> instance();

    // The main bundle's rules file, the device's region as default country.
    KWPhoneFormat();
    // The main bundle's rules file. An empty or absent country means the device's region
    // in lower case; any other is taken as given (the file's countries are lower case).
    explicit KWPhoneFormat(const std::optional<std::string>& defaultCountry);
    // The rules file at `file`; an unreadable file counts as empty.
    KWPhoneFormat(const std::filesystem::path& file, const std::optional<std::string>& defaultCountry);
    // Rules already in memory.
    KWPhoneFormat(std::vector<std::uint8_t> data, const std::optional<std::string>& defaultCountry);

    KWPhoneFormat(const KWPhoneFormat&) = delete;
    KWPhoneFormat& operator=(const KWPhoneFormat&) = delete;

    // The text with every character removed that is not one of "0123456789+*#", where a
    // digit of any script counts as its ASCII digit (see TypedPhoneNumber).
    static std::string strip(std::string_view text);

    // The number laid out for display; text that no rule serves comes back unchanged.
    std::string format(std::string_view number) const;
    bool isPhoneNumberValid(std::string_view number) const;

    // The calling code (digits, no "+") of a country code in any letter case.
    std::optional<std::string> callingCodeForCountryCode(std::string_view countryCode) const;
    // The countries that share a calling code, written with or without "+".
    std::optional<std::set<std::string>> countriesForCallingCode(std::string_view callingCode) const;
    // The calling code that numbers without "+" are formatted with: the default country's
    // when the file lists that country exactly as given, else nothing.
    std::optional<std::string> defaultCallingCode() const { return defaultCallingCode_; }
    const std::string& defaultCountry() const { return defaultCountry_; }

    // The parsed record of a calling code (parsed now if need be), or null when the file
    // has no block for it. The record lives as long as this formatter.
    const CallingCodeInfo* callingCodeInfo(std::string_view callingCode) const;
    // The record of the shortest calling code (one to three leading digits) that begins
    // an international number written without "+".
    const CallingCodeInfo* findCallingCodeInfo(std::string_view digits) const;

private:
    struct StringHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };
    template <class Value>
    using StringMap = std::unordered_map<std::string, Value, StringHash, std::equal_to<>>;

    // Numbers are looked up by their first one to three digits, so every calling code of
    // that shape has a slot: whether the file has a block for it, and its record once
    // parsed. Lookups of a parsed record or of an absent code need no lock.
    static constexpr std::size_t kSlotCount = 10 + 100 + 1000;
    // Codes of each length take their own range of slots, so "01" and "1" differ.
    static constexpr std::array<std::size_t, 4> kSlotRangeStart{0, 0, 10, 110};
    static std::optional<std::size_t> slotOf(std::string_view callingCode);
    // The record of the code in `slot`, parsed now if need be.
    const CallingCodeInfo* slotRecord(std::size_t slot, std::string_view callingCode) const;
    const CallingCodeInfo* parseCallingCodeInfo(std::string_view callingCode) const;

    void parseDataHeader();
    std::unique_ptr<CallingCodeInfo> parseCallingCodeBlock(const std::string& callingCode,
                                                           std::size_t blockStart) const;
    std::vector<std::string> readStringList(std::size_t& position) const;
    RuleSet readRuleSet(std::size_t& position, std::size_t formatsStart) const;
    PhoneRule readRule(std::size_t position, std::size_t formatsStart) const;
    std::string formatAfterAccessCode(std::string_view accessCode, std::string_view remainder) const;

    std::uint32_t value32(std::size_t offset) const;
    std::uint16_t value16(std::size_t offset) const;
    std::uint8_t value8(std::size_t offset) const;
    // The NUL-terminated string at `offset`, cut at `maxLength` bytes and at the end of
    // the data.
    std::string stringAt(std::size_t offset, std::size_t maxLength = SIZE_MAX) const;

    std::vector<std::uint8_t> data_;
    std::string defaultCountry_;
    std::optional<std::string> defaultCallingCode_;
    const CallingCodeInfo* defaultRecord_ = nullptr;
    StringMap<std::size_t> callingCodeOffsets_;
    StringMap<std::set<std::string>> callingCodeCountries_;
    StringMap<std::string> countryCallingCode_;
    std::bitset<kSlotCount> slotInFile_;
    mutable std::array<std::atomic<const CallingCodeInfo*>, kSlotCount> slotRecords_{};
    mutable std::mutex cacheMutex_;
    mutable StringMap<std::unique_ptr<CallingCodeInfo>> callingCodeData_;
};

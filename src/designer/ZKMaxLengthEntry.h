#pragma once

#include "support/LocalizedSDK.h"

#include <optional>
#include <string>
#include <string_view>

// What a sender typed as a text field's or text area's maximum length, read as their
// settings screens read it: empty for no limit, otherwise a count of characters. A count
// is stored as an int, so digits beyond its range are refused rather than wrapped, and so
// are digits of other scripts, which would otherwise read as no limit at all. A value
// object; safe from any thread.
class ZKMaxLengthEntry {
public:
    static constexpr const char* notANumberMessage = localizableKey("The 'Max Length' field should contain a number.");
    static constexpr const char* otherDigitsMessage = localizableKey("The 'Max Length' field should contain the digits 0 to 9 only.");
    static constexpr const char* tooLargeMessage = localizableKey("The 'Max Length' field should not be greater than 2147483647.");
    static constexpr const char* defaultValueTooLongMessage =
        localizableKey("The 'Default Value' should not be longer thant the 'Max Length' field value.");

    explicit ZKMaxLengthEntry(std::string_view text);

    // Whether no character of the text lies outside the Unicode decimal digits.
    static bool isInteger(std::string_view text);
    // How a stored limit reads in the entry: its digits from 1 up; empty for 0 or none.
    static std::string textForLimit(const std::optional<int>& limit);

    // The message (a key of "LocalizableSDK") of the first check the entry fails with this
    // default value, or none when it may be saved: an empty entry always may; otherwise
    // the entry must be a count and the default value, in UTF-16 code units, within it.
    std::optional<std::string> messageForDefaultValue(std::string_view defaultValue) const;

    // The limit to store: none for an empty entry, which removes the limit. Read it only
    // once messageForDefaultValue() found nothing.
    std::optional<int> limit() const { return limit_; }

private:
    bool empty_ = true;
    std::optional<int> limit_;
    const char* problem_ = nullptr;
};

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// A phone number as a person typed or pasted it, brought into the one form that the phone
// libraries read safely and alike: every decimal digit of any script (Arabic-Indic,
// Extended Arabic-Indic, Devanagari, full-width ...) becomes its ASCII digit, a full-width
// plus becomes "+", every kind of white space becomes " ", invisible format and control
// characters (direction marks, zero-width joiners) and malformed UTF-8 are dropped, and
// every other character stays as it is.
//
// Without state; safe from any thread.
class TypedPhoneNumber {
public:
    // The longest text read as a number, in characters as typed. An international number
    // has at most 15 digits; written with punctuation and an extension it stays far
    // below this. A paste longer than this is refused before any library sees it, so a
    // page of digits costs no more than this many characters of work.
    static constexpr std::size_t kMaxLength = 100;

    // The normal form of text of any length.
    static std::string normalized(std::string_view typed);
    // The normal form, or nothing when the text holds more than kMaxLength characters.
    static std::optional<std::string> bounded(std::string_view typed);
};

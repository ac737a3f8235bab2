#pragma once

#include <string>

// The user-visible text for `key` from the table "LocalizableSDK" of the main bundle.
// A missing entry gives the key itself; keys shorter than two characters are returned
// unchanged without a lookup.
std::string localizedSDK(const std::string& key);

// Marks a key of "LocalizableSDK" that is kept in a constant, a table or an argument and
// looked up later, so the check that every looked-up key has an entry finds it.
constexpr const char* localizableKey(const char* key)
{
    return key;
}

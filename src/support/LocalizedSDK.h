#pragma once

#include <string>

// The user-visible text for `key` from the table "LocalizableSDK" of the main bundle.
// A missing entry gives the key itself; keys shorter than two characters are returned
// unchanged without a lookup.
std::string localizedSDK(const std::string& key);

#pragma once

#include <nlohmann/json.hpp>

// The dictionaries the system exchanges (row and input dictionaries, service replies,
// transaction dictionaries) keep their keys in insertion order. nil is an absent key.
using Dictionary = nlohmann::ordered_json;

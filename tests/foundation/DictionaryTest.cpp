#include "foundation/Dictionary.h"

#include <gtest/gtest.h>

namespace dictionary = platform::dictionary;

namespace {

const Dictionary kSample = Dictionary::parse(R"({
    "name": "Ann", "id": 42, "ratio": 1.5, "yes": true, "no": false, "one": 1, "zero": 0, "half": 0.5,
    "null": null, "list": [1], "object": {"a": 1}, "numberText": "1"
})");

} // namespace

TEST(DictionaryTest, ValuesOfAnotherTypeOrShapeReadAsAbsent)
{
    EXPECT_EQ(dictionary::stringAt(kSample, "name"), "Ann");
    for (const char* key : {"id", "yes", "null", "list", "object", "missing"}) {
        EXPECT_EQ(dictionary::stringAt(kSample, key), std::nullopt) << key;
    }
    EXPECT_EQ(dictionary::objectAt(kSample, "object"), (Dictionary{{"a", 1}}));
    EXPECT_EQ(dictionary::objectAt(kSample, "list"), Dictionary::object());
    for (const Dictionary& notAnObject : {Dictionary(), Dictionary::array({"name"}), Dictionary("name")}) {
        EXPECT_EQ(dictionary::stringAt(notAnObject, "name"), std::nullopt);
        EXPECT_FALSE(dictionary::booleanOrNumberAt(notAnObject, "name"));
        EXPECT_EQ(dictionary::objectAt(notAnObject, "name"), Dictionary::object());
    }
}

TEST(DictionaryTest, IdentifiersMayBeWholeNumbersButNotFractions)
{
    EXPECT_EQ(dictionary::stringOrIntegerAt(kSample, "id"), "42");
    EXPECT_EQ(dictionary::stringOrIntegerAt(kSample, "name"), "Ann");
    EXPECT_EQ(dictionary::stringOrIntegerAt(kSample, "ratio"), std::nullopt);
    EXPECT_EQ(dictionary::stringOrIntegerAt(kSample, "yes"), std::nullopt);
    EXPECT_EQ(dictionary::stringOrIntegerAt(Dictionary{{"id", -7}}, "id"), "-7");
}

TEST(DictionaryTest, OnlyTheNumberReadingTakesNumbersForBooleans)
{
    EXPECT_TRUE(dictionary::booleanAt(kSample, "yes"));
    EXPECT_TRUE(dictionary::booleanOrNumberAt(kSample, "yes"));
    for (const char* key : {"one", "half", "id"}) {
        EXPECT_FALSE(dictionary::booleanAt(kSample, key)) << key;
        EXPECT_TRUE(dictionary::booleanOrNumberAt(kSample, key)) << key;
    }
    for (const char* key : {"no", "zero", "null", "numberText", "object", "missing"}) {
        EXPECT_FALSE(dictionary::booleanAt(kSample, key)) << key;
        EXPECT_FALSE(dictionary::booleanOrNumberAt(kSample, key)) << key;
    }
}

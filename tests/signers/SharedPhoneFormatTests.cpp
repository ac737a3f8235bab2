#include "signers/KWPhoneFormat.h"

#include "support/VeltraTest.h"

#include "foundation/Environment.h"
#include "foundation/SharedInstances.h"

#include <thread>

namespace {

class SharedPhoneFormatTest : public testing_support::VeltraTest {};

TEST_F(SharedPhoneFormatTest, IsCreatedOnceWhenManyThreadsAskAtOnce)
{
    constexpr int kThreads = 8;
    std::vector<std::shared_ptr<KWPhoneFormat>> seen(kThreads);
    std::vector<std::string> formatted(kThreads);
    std::vector<std::thread> threads;
    for (int index = 0; index < kThreads; ++index) {
        threads.emplace_back([&, index] {
            seen[index] = KWPhoneFormat::instance();
            formatted[index] = seen[index]->format(index % 2 ? "+44 20 7946 0018" : "+61 2 9374 4000");
        });
    }
    for (auto& thread : threads)
        thread.join();
    for (int index = 0; index < kThreads; ++index) {
        EXPECT_EQ(seen[index], seen[0]);
        EXPECT_EQ(formatted[index], index % 2 ? "+44 20 7946 0018" : "+61 2 9374 4000");
    }
}

TEST_F(SharedPhoneFormatTest, TakesItsDefaultCountryFromTheDeviceRegion)
{
    EXPECT_EQ(KWPhoneFormat::instance()->defaultCountry(), "us");
    EXPECT_EQ(KWPhoneFormat::instance()->format("6502530000"), "(650) 253-0000");
    platform::Environment::setLocale("de_DE");
    platform::SharedInstances::resetAll();
    EXPECT_EQ(KWPhoneFormat::instance()->defaultCountry(), "de");
    EXPECT_EQ(KWPhoneFormat::instance()->format("030123456789"), "030 123456789");
    EXPECT_EQ(KWPhoneFormat(std::string()).defaultCountry(), "de");
}

TEST_F(SharedPhoneFormatTest, TheBundledRulesKnowEveryRegion)
{
    const auto phone = KWPhoneFormat::instance();
    const std::vector<std::pair<std::string, std::string>> expected{
        {"SS", "211"}, {"SY", "963"}, {"KP", "850"}, {"SD", "249"}, {"CU", "53"}, {"IR", "98"},
        {"us", "1"},   {"gb", "44"},  {"fr", "33"},  {"de", "49"},  {"au", "61"}, {"in", "91"},
        {"ca", "1"},   {"je", "44"},  {"va", "39"},  {"kz", "7"},   {"nz", "64"}, {"za", "27"},
    };
    for (const auto& [country, callingCode] : expected)
        EXPECT_EQ(phone->callingCodeForCountryCode(country), callingCode) << country;
    EXPECT_GE(phone->countriesForCallingCode("1")->size(), 20u);
    // A region without rules still has its prefixes.
    const CallingCodeInfo* newZealand = phone->callingCodeInfo("64");
    ASSERT_NE(newZealand, nullptr);
    EXPECT_EQ(newZealand->trunkPrefixes, std::vector<std::string>{"0"});
    EXPECT_EQ(newZealand->intlPrefixes, std::vector<std::string>{"00"});
    EXPECT_TRUE(newZealand->ruleSets.empty());
    EXPECT_EQ(phone->format("+64 9 123 4567"), "+64 91234567");
}

TEST_F(SharedPhoneFormatTest, TheBundledRulesFormatEachRuledCallingCode)
{
    const auto phone = KWPhoneFormat::instance();
    const std::vector<std::pair<std::string, std::string>> numbers{
        {"+1 650 253 0000", "+1 (650) 253-0000"}, {"+44 7911 123456", "+44 7911 123456"},
        {"+33 1 42 68 53 00", "+33 1 42 68 53 00"}, {"+49 30 123456789", "+49 30 123456789"},
        {"+61 412 345 678", "+61 412 345 678"},   {"+91 98765 43210", "+91 98765 43210"},
        {"+211 91 234 5678", "+211 91 234 5678"}, {"+963 944 567 890", "+963 944 567 890"},
        {"+850 21 234 5678", "+850 21 234 5678"}, {"+249 91 234 5678", "+249 91 234 5678"},
        {"+53 5 1234567", "+53 5 1234567"},       {"+98 912 345 6789", "+98 912 345 6789"},
        {"011 33 1 42 68 53 00", "011 33 1 42 68 53 00"},
    };
    for (const auto& [typed, shown] : numbers) {
        EXPECT_EQ(phone->format(typed), shown) << typed;
        EXPECT_TRUE(phone->isPhoneNumberValid(typed)) << typed;
    }
}

} // namespace

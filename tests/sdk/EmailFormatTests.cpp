#include "support/VeltraTest.h"

#include "sdk/facade/Veltra.h"

namespace {

class EmailFormatTest : public testing_support::VeltraTest {};

TEST_F(EmailFormatTest, AcceptsOrdinaryAddresses)
{
    for (const char* address : {"ada@example.com", "first.last+tag@mail.example.co.uk", "a_b%c-d@x-y.org",
                                "1@2.io"}) {
        EXPECT_TRUE(Veltra::isEmailFormatValid(std::string(address))) << address;
    }
}

TEST_F(EmailFormatTest, RefusesMalformedAddresses)
{
    for (const char* address : {"", "plain", "@example.com", "ada@", "ada@example", "ada@example.c", "ada@@example.com",
                                "ada@exa mple.com", "ada@example..com", "ada@.example.com", "ada@example.com.",
                                "ada@example.c0m", "ad a@example.com", "ada@example.com\n", "\u00e4da@example.com",
                                "ada@ex_ample.com", "a@b@example.com"}) {
        EXPECT_FALSE(Veltra::isEmailFormatValid(std::string(address))) << address;
    }
    EXPECT_FALSE(Veltra::isEmailFormatValid(std::nullopt));
}

TEST_F(EmailFormatTest, LengthLimits)
{
    const std::string label63(63, 'a');
    const std::string local64(64, 'l');
    EXPECT_TRUE(Veltra::isEmailFormatValid(local64 + "@example.com"));
    EXPECT_FALSE(Veltra::isEmailFormatValid(local64 + "l@example.com"));
    EXPECT_TRUE(Veltra::isEmailFormatValid("a@" + label63 + ".com"));
    EXPECT_FALSE(Veltra::isEmailFormatValid("a@" + label63 + "a.com"));

    // 254 in all is the limit, whatever the parts.
    const std::string domain = label63 + "." + label63 + "." + label63 + ".cc";
    const std::string fits = std::string(254 - 1 - domain.size(), 'l') + "@" + domain;
    ASSERT_EQ(fits.size(), 254u);
    EXPECT_TRUE(Veltra::isEmailFormatValid(fits));
    EXPECT_FALSE(Veltra::isEmailFormatValid("l" + fits));
}

} // namespace

#include "support/VeltraTest.h"

#include "sdk/facade/Veltra.h"

namespace {

class EmbargoedCallingCodesTest : public testing_support::VeltraTest {};

TEST_F(EmbargoedCallingCodesTest, CallingCodesOfTheEmbargoedCountriesInOrder)
{
    EXPECT_EQ(Veltra::dashboard()->embargoedCallingCodes(),
              (std::vector<std::string>{"211", "963", "850", "249", "53", "98"}));
}

} // namespace

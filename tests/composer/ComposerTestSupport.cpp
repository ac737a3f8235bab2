#include "ComposerTestSupport.h"

#include "service/ZKIdentity.h"

namespace composer_testing {

void ComposerTest::signIn(const std::string& email)
{
    ZKIdentity::sharedInstance()->recordUser(Dictionary{
        {"email", email}, {"firstName", "Sam"}, {"lastName", "Sender"}, {"title", "Owner"}, {"company", "Acme"},
        {"uid", "uid-sam"}});
}

} // namespace composer_testing

#include "service/ZKIdentity.h"

#include "foundation/SharedInstances.h"
#include "foundation/UserDefaults.h"

#include <array>
#include <utility>
#include <vector>

namespace {

struct Field {
    const char* replyKey;
    const char* defaultsKey;
};

constexpr std::array kFields{
    Field{"firstName", "Corvex_FN"}, Field{"lastName", "Corvex_LN"}, Field{"email", "Corvex_EM"},
    Field{"company", "Corvex_CM"},   Field{"title", "Corvex_TI"},    Field{"uid", "Corvex_ID"},
};

std::optional<std::string> stored(const char* defaultsKey)
{
    return platform::UserDefaults::standard().stringForKey(defaultsKey);
}

// A user's identifier may come as a number; it is kept as its text.
std::optional<std::string> textOf(const Dictionary& value)
{
    if (value.is_string()) {
        return value.get<std::string>();
    }
    if (value.is_number_integer()) {
        return value.dump();
    }
    return std::nullopt;
}

} // namespace

std::shared_ptr<ZKIdentity> ZKIdentity::sharedInstance()
{
    return platform::SharedInstance<ZKIdentity>::get();
}

std::optional<std::string> ZKIdentity::firstName() const
{
    return stored("Corvex_FN");
}

std::optional<std::string> ZKIdentity::lastName() const
{
    return stored("Corvex_LN");
}

std::optional<std::string> ZKIdentity::email() const
{
    return stored("Corvex_EM");
}

std::optional<std::string> ZKIdentity::company() const
{
    return stored("Corvex_CM");
}

std::optional<std::string> ZKIdentity::title() const
{
    return stored("Corvex_TI");
}

std::optional<std::string> ZKIdentity::uid() const
{
    return stored("Corvex_ID");
}

void ZKIdentity::recordUser(const Dictionary& user)
{
    std::vector<std::pair<std::string, std::optional<Dictionary>>> fields;
    for (const auto& field : kFields) {
        const auto value = user.is_object() && user.contains(field.replyKey) ? textOf(user[field.replyKey])
                                                                             : std::nullopt;
        fields.emplace_back(field.defaultsKey, value ? std::optional<Dictionary>(*value) : std::nullopt);
    }
    // One write: a process ended at any moment never leaves one user's e-mail beside
    // another's name.
    platform::UserDefaults::standard().setObjectsForKeys(fields);
}

void ZKIdentity::clear()
{
    recordUser(Dictionary::object());
}

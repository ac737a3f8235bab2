#include "support/ZKError.h"

#include <utility>

ZKError::ZKError(std::string domain, long code, std::string description, std::optional<std::string> messageKey)
    : domain_(std::move(domain)), code_(code), description_(std::move(description)), messageKey_(std::move(messageKey))
{
}

ZKError ZKError::make(Code code, std::string description)
{
    return ZKError(kDomain, code, std::move(description));
}

Dictionary ZKError::toDictionary() const
{
    Dictionary value{{"domain", domain_}, {"code", code_}, {"description", description_}};
    if (messageKey_) {
        value["messageKey"] = *messageKey_;
    }
    return value;
}

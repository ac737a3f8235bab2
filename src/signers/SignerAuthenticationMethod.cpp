#include "signers/SignerAuthenticationMethod.h"

#include "support/LocalizedSDK.h"

namespace {

struct LabelKeyOf {
    std::optional<std::string> operator()(const SignerAuthenticationMethod::QuestionAndAnswer&) const { return localizableKey("Q&A"); }
    std::optional<std::string> operator()(const SignerAuthenticationMethod::SMS&) const { return localizableKey("SMS"); }
    std::optional<std::string> operator()(const SignerAuthenticationMethod::None&) const { return std::nullopt; }
    std::optional<std::string> operator()(const SignerAuthenticationMethod::Email&) const { return localizableKey("email"); }
};

} // namespace

std::optional<std::string> SignerAuthenticationMethod::labelKey() const
{
    return std::visit(LabelKeyOf{}, value_);
}

std::string SignerAuthenticationMethod::displayLabel() const
{
    const auto key = labelKey();
    return key ? localizedSDK(*key) : std::string();
}

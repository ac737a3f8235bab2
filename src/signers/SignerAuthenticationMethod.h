#pragma once

#include <optional>
#include <string>
#include <type_traits>
#include <variant>

// How a recipient proves its identity to the signing service, as the signer-setup pages
// pass it between themselves. A plain value: every holder has its own copy.
class SignerAuthenticationMethod {
public:
    struct QuestionAndAnswer {
        std::optional<std::string> q1;
        std::optional<std::string> ans1;
        bool maskAns1 = false;
        std::optional<std::string> q2;
        std::optional<std::string> ans2;
        bool maskAns2 = false;
        bool operator==(const QuestionAndAnswer&) const = default;
    };
    struct SMS {
        std::optional<std::string> phoneNumber;
        bool operator==(const SMS&) const = default;
    };
    struct None {
        bool operator==(const None&) const = default;
    };
    struct Email {
        bool operator==(const Email&) const = default;
    };
    using Value = std::variant<QuestionAndAnswer, SMS, None, Email>;

    SignerAuthenticationMethod() = default;
    // Any one case converts to the method: `SignerAuthenticationMethod m = SMS{"+1 555"};`
    template <class Case>
        requires std::is_constructible_v<Value, Case>
    SignerAuthenticationMethod(Case value) : value_(std::move(value))
    {
    }

    const Value& value() const { return value_; }
    template <class Case>
    bool is() const
    {
        return std::holds_alternative<Case>(value_);
    }
    template <class Case>
    const Case* as() const
    {
        return std::get_if<Case>(&value_);
    }

    // The key of the label the add/edit recipient page shows in the table
    // "LocalizableSDK"; none for None, whose label is cleared.
    std::optional<std::string> labelKey() const;
    // The label's text: the localised key, or "" for None.
    std::string displayLabel() const;

    bool operator==(const SignerAuthenticationMethod&) const = default;

private:
    Value value_ = None{};
};

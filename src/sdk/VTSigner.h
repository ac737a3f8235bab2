#pragma once

#include "foundation/Dictionary.h"

#include <optional>
#include <string>

// One recipient of a transaction that the host or the composer builds. Signers are shared
// between the builder and its callers: an edit through a pointer taken from
// `VTTransaction::signers()` changes the builder's recipient.
class VTSigner {
public:
    VTSigner() = default;
    // Absent values become empty strings.
    VTSigner(const std::optional<std::string>& firstName, const std::optional<std::string>& lastName,
             const std::optional<std::string>& email, const std::optional<std::string>& company,
             const std::optional<std::string>& title, const std::optional<std::string>& role);

    static std::shared_ptr<VTSigner> initWithFirstNameLastNameEmailCompanyTitleAndRole(
        const std::optional<std::string>& firstName, const std::optional<std::string>& lastName,
        const std::optional<std::string>& email, const std::optional<std::string>& company,
        const std::optional<std::string>& title, const std::optional<std::string>& role);

    const std::string& firstName() const { return firstName_; }
    void setFirstName(std::string value) { firstName_ = std::move(value); }
    const std::string& lastName() const { return lastName_; }
    void setLastName(std::string value) { lastName_ = std::move(value); }
    const std::string& email() const { return email_; }
    void setEmail(std::string value) { email_ = std::move(value); }
    const std::string& title() const { return title_; }
    void setTitle(std::string value) { title_ = std::move(value); }
    const std::string& company() const { return company_; }
    void setCompany(std::string value) { company_ = std::move(value); }
    const std::string& role() const { return role_; }
    void setRole(std::string value) { role_ = std::move(value); }
    // The recipient's personal message; absent when none was given.
    const std::optional<std::string>& emailMessage() const { return emailMessage_; }
    void setEmailMessage(std::optional<std::string> value) { emailMessage_ = std::move(value); }
    bool allowChangeSigners() const { return allowChangeSigners_; }
    void setAllowChangeSigners(bool value) { allowChangeSigners_ = value; }
    // A signing group of which the signed-in user is a member.
    bool isGroupContainingSender() const { return isGroupContainingSender_; }
    void setIsGroupContainingSender(bool value) { isGroupContainingSender_ = value; }

    // The authentication dictionary: {"type": "email"}, {"type": "SMS", "cellphone"} or
    // {"type": "QandA", "question1", "answer1", "maskAnaswer1", "question2", "answer2",
    // "maskAnaswer2"}; absent while no method was chosen.
    const std::optional<Dictionary>& authenticationDict() const { return authenticationDict_; }
    void setAuthenticationDict(std::optional<Dictionary> value) { authenticationDict_ = std::move(value); }
    void setAuthenticationEmail();
    // An absent number leaves "cellphone" out.
    void setAuthenticationSMStoCellphone(const std::optional<std::string>& cellphone);
    // Absent questions and answers leave their keys out; both mask flags are always written.
    void setAuthenticationQandAQuestion1Answer1MaskAnswer1Question2Answer2MaskAnswer2(
        const std::optional<std::string>& question1, const std::optional<std::string>& answer1, bool maskAnswer1,
        const std::optional<std::string>& question2, const std::optional<std::string>& answer2, bool maskAnswer2);

    // Takes "firstName", "lastName", "email", "company", "title" and "emailMessage" (string
    // values, trimmed of whitespace), "allowChangeSigners" as a boolean and "role" when
    // present. Keys that are absent or not of that type leave their property as it is.
    void updatewithDictionary(const Dictionary& dictionary);

    // The signed-in user's own recipient as a person, not as a member of a group: the
    // e-mail equals the signed-in user's exactly.
    bool isSendersOwnRecipient() const;

    // The stored participant this recipient was rebuilt from; empty for a new recipient.
    const std::optional<std::string>& participantId() const { return participantId_; }
    void setParticipantId(std::optional<std::string> value) { participantId_ = std::move(value); }

private:
    std::string firstName_;
    std::string lastName_;
    std::string email_;
    std::string title_;
    std::string company_;
    std::string role_;
    std::optional<std::string> emailMessage_;
    bool allowChangeSigners_ = false;
    bool isGroupContainingSender_ = false;
    std::optional<Dictionary> authenticationDict_;
    std::optional<std::string> participantId_;
};

#pragma once

#include "foundation/Dictionary.h"
#include "graphics/Color.h"
#include "model/VeltManagedObject.h"

#include <string>

class ZKTransaction;

// A signer role of a transaction.
class ZKParticipant : public VeltManagedObject {
public:
    ZKParticipant() = default;
    Entity entity() const override { return Entity::Participant; }

    const std::string& uid() const { return uid_; }
    void setUid(std::string value) { assign(uid_, std::move(value)); }
    // Place in the signing order, from 0.
    int order() const { return order_; }
    void setOrder(int value) { assign(order_, value); }
    const std::string& email() const { return email_; }
    void setEmail(std::string value) { assign(email_, std::move(value)); }
    const std::string& firstName() const { return firstName_; }
    void setFirstName(std::string value) { assign(firstName_, std::move(value)); }
    const std::string& lastName() const { return lastName_; }
    void setLastName(std::string value) { assign(lastName_, std::move(value)); }
    const std::string& title() const { return title_; }
    void setTitle(std::string value) { assign(title_, std::move(value)); }
    const std::string& company() const { return company_; }
    void setCompany(std::string value) { assign(company_, std::move(value)); }
    // The sender's own role.
    bool isOwner() const { return isOwner_; }
    void setIsOwner(bool value) { assign(isOwner_, value); }
    // A signing group rather than a person.
    bool isGroup() const { return isGroup_; }
    void setIsGroup(bool value) { assign(isGroup_, value); }
    // The authentication dictionary of the signer (an object; empty when none).
    const Dictionary& authentication() const { return authentication_; }
    void setAuthentication(Dictionary value) { assign(authentication_, std::move(value)); }
    // The personal message to this signer.
    const std::string& emailMessage() const { return emailMessage_; }
    void setEmailMessage(std::string value) { assign(emailMessage_, std::move(value)); }
    // Whether the signer may hand the role on to someone else.
    bool allowChangeSigners() const { return allowChangeSigners_; }
    void setAllowChangeSigners(bool value) { assign(allowChangeSigners_, value); }

    // "First Last" without surplus spaces; the e-mail when both names are blank.
    std::string nameDisplay() const;
    // The upper-cased first letters of the names, each followed by "." ("J.D."); from the
    // e-mail when both names are blank; empty when there is nothing to take them from.
    std::string initials() const;

    // The role's colour in the designer: the signer colour of its place in the order.
    platform::graphics::Color editColor() const;

    std::shared_ptr<ZKTransaction> transaction() const { return transaction_.lock(); }
    // Used by ZKTransaction to keep both sides of the relation in step.
    void setTransaction(const std::shared_ptr<ZKTransaction>& transaction);

private:
    std::string uid_;
    int order_ = 0;
    std::string email_;
    std::string firstName_;
    std::string lastName_;
    std::string title_;
    std::string company_;
    bool isOwner_ = false;
    bool isGroup_ = false;
    Dictionary authentication_ = Dictionary::object();
    std::string emailMessage_;
    bool allowChangeSigners_ = false;
    std::weak_ptr<ZKTransaction> transaction_;
};

#pragma once

#include "signers/screens/CreateTransactionPickGroupViewControllerInput.h"
#include "signers/screens/CreateTransactionSignerAddPersonalMessagePageInput.h"
#include "signers/screens/CreateTransactionSignerAuthenticationMethodsPageInput.h"
#include "signers/screens/CreateTransactionSignerChooseContactPageInput.h"
#include "ui/ViewController.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace signers_screens_testing {

// The pages the add/edit recipient page opens, played by the tests: each keeps what it
// was handed and answers the way the page it stands in for does, then unwinds.
class StandInPersonalMessagePage : public platform::ui::ViewController,
                                   public CreateTransactionSignerAddPersonalMessagePageInput {
public:
    void setDelegate(const std::weak_ptr<CreateTransactionSignerAddPersonalMessagePageDelegate>& delegate) override
    {
        delegate_ = delegate;
    }
    void setPersonalMessage(const std::optional<std::string>& message) override { personalMessage = message; }
    void setSignerFullName(const std::optional<std::string>& fullName) override { signerFullName = fullName; }
    void add(const std::string& message);

    std::optional<std::string> personalMessage;
    std::optional<std::string> signerFullName;

private:
    std::weak_ptr<CreateTransactionSignerAddPersonalMessagePageDelegate> delegate_;
};

class StandInContactsPage : public platform::ui::ViewController, public CreateTransactionSignerChooseContactPageInput {
public:
    void setDelegate(const std::weak_ptr<CreateTransactionSignerChooseContactPageDelegate>& delegate) override
    {
        delegate_ = delegate;
    }
    void choose(const std::optional<std::string>& name, const std::optional<std::string>& familyName,
                const std::optional<std::string>& email);

private:
    std::weak_ptr<CreateTransactionSignerChooseContactPageDelegate> delegate_;
};

class StandInAuthenticationMethodsPage : public platform::ui::ViewController,
                                         public CreateTransactionSignerAuthenticationMethodsPageInput {
public:
    void setAuthenticationMethod(const SignerAuthenticationMethod& method) override { authenticationMethod = method; }
    void setDelegate(const std::weak_ptr<CreateTransactionSignerAuthenticationMethodsPageDelegate>& delegate) override
    {
        delegate_ = delegate;
    }
    void choose(const SignerAuthenticationMethod& method);

    SignerAuthenticationMethod authenticationMethod;

private:
    std::weak_ptr<CreateTransactionSignerAuthenticationMethodsPageDelegate> delegate_;
};

class StandInGroupPicker : public platform::ui::ViewController, public CreateTransactionPickGroupViewControllerInput {
public:
    void setGroupList(const std::vector<std::shared_ptr<ZKGroup>>& groups) override { groupList = groups; }
    void setSelectedGroupIndex(std::optional<int> index) override { selectedGroupIndex = index; }
    void setDelegate(const std::weak_ptr<CreateTransactionPickGroupViewControllerDelegate>& delegate) override
    {
        delegate_ = delegate;
    }
    void choose(std::size_t row);

    std::vector<std::shared_ptr<ZKGroup>> groupList;
    std::optional<int> selectedGroupIndex;

private:
    std::weak_ptr<CreateTransactionPickGroupViewControllerDelegate> delegate_;
};

// Puts the stand-ins on the scenes of the storyboard "CreateTransaction", or takes them
// off again (the real pages are then opened).
void registerStandInPages();
void removeStandInPages();

} // namespace signers_screens_testing

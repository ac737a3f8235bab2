#pragma once

#include "composer/VLTNewTransactionViewModel.h"
#include "foundation/Dictionary.h"
#include "sdk/VeltraDelegate.h"
#include "sdk/facade/VeltraStartUp.h"
#include "support/VeltraTest.h"

#include <memory>
#include <string>
#include <vector>

namespace composer_testing {

// A person as the add/edit recipient page hands it in.
inline Dictionary person(const std::string& firstName, const std::string& lastName, const std::string& email)
{
    return Dictionary{{"firstName", firstName}, {"lastName", lastName}, {"email", email},
                      {"company", "Acme"},      {"title", "Clerk"},       {"allowSignerChange", false}};
}

// A signing group as the group picker hands it in: e-mail and title are the group's address.
inline Dictionary group(const std::string& id, const std::string& name, const std::string& email,
                        bool isCurrentSignerMember = false)
{
    return Dictionary{{"group", true},          {"firstName", name},
                      {"lastName", ""},         {"email", email},
                      {"title", email},         {"role", id},
                      {"allowSignerChange", false}, {"isCurrentSignerMember", isCurrentSignerMember}};
}

// Records the model's messages in the order they came.
class RecordingModelDelegate : public VLTNewTransactionViewModelDelegate {
public:
    void signersHaveBeenUpdated() override { messages.push_back("signersHaveBeenUpdated"); }
    void signerHaveBeenRemoved() override { messages.push_back("signerHaveBeenRemoved"); }
    void signerOrderChanged(bool ordered) override
    {
        messages.push_back(ordered ? "signerOrderChanged:YES" : "signerOrderChanged:NO");
    }
    void documentsHaveBeenUpdated() override { messages.push_back("documentsHaveBeenUpdated"); }
    void documentHaveBeenRemoved() override { messages.push_back("documentHaveBeenRemoved"); }

    std::vector<std::string> messages;
};

// The host's delegate of the facade, recording the draft details and failures it hears
// and the order of events across the host and the caller.
class RecordingHostDelegate : public VeltraDelegate {
public:
    explicit RecordingHostDelegate(std::shared_ptr<std::vector<std::string>> events = nullptr)
        : events(events ? std::move(events) : std::make_shared<std::vector<std::string>>())
    {
    }
    void didExitSDK(const Dictionary&) override { events->push_back("didExitSDK"); }
    void didSynchronizeTransaction(const Dictionary&) override { events->push_back("didSynchronizeTransaction"); }
    void synchronizingFailedForTransaction(const Dictionary&) override
    {
        events->push_back("synchronizingFailedForTransaction");
    }
    bool respondsToDidCreateLocalDraftWithDetails() const override { return true; }
    void didCreateLocalDraftWithDetails(const Dictionary& value) override
    {
        details.push_back(value);
        events->push_back("didCreateLocalDraftWithDetails");
    }
    bool respondsToDidFailToStoreLocalDraftWithDetails() const override { return true; }
    void didFailToStoreLocalDraftWithDetails(const Dictionary& value) override
    {
        failures.push_back(value);
        events->push_back("didFailToStoreLocalDraftWithDetails");
    }

    std::vector<Dictionary> details;
    std::vector<Dictionary> failures;
    std::shared_ptr<std::vector<std::string>> events;
};

class ComposerTest : public testing_support::VeltraTest {
protected:
    void SetUp() override
    {
        VeltraTest::SetUp();
        VeltraStartUp::run();
        model = VLTNewTransactionViewModel::sharedInstance();
        delegate = std::make_shared<RecordingModelDelegate>();
        model->setDelegate(delegate);
    }

    static void signIn(const std::string& email);

    std::shared_ptr<VLTNewTransactionViewModel> model;
    std::shared_ptr<RecordingModelDelegate> delegate;
};

} // namespace composer_testing

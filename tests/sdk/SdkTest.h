#pragma once

#include "fakes/FakeServiceTest.h"
#include "sdk/VeltraDelegate.h"
#include "ui/NavigationController.h"
#include "ui/Window.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace sdk_test {

// The host's delegate, recording what it hears.
class RecordingDelegate : public VeltraDelegate {
public:
    explicit RecordingDelegate(bool handlesDrafts = true) : handlesDrafts_(handlesDrafts) {}
    void didExitSDK(const Dictionary& info) override { exits.push_back(info); }
    bool respondsToDidCreateLocalDraftWithDetails() const override { return handlesDrafts_; }
    void didCreateLocalDraftWithDetails(const Dictionary& details) override { drafts.push_back(details); }
    void didSynchronizeTransaction(const Dictionary& details) override { synchronized.push_back(details); }
    void synchronizingFailedForTransaction(const Dictionary& details) override { failed.push_back(details); }

    std::vector<Dictionary> exits;
    std::vector<Dictionary> drafts;
    std::vector<Dictionary> synchronized;
    std::vector<Dictionary> failed;

private:
    bool handlesDrafts_;
};

// A host with the stand-in service, a window whose root is a navigation controller, and
// PDFs to hand to the builders.
class SdkTest : public fakes::FakeServiceTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A one-page PDF written under the home directory.
    std::string writePdf(const std::string& name) const;
    std::string writeFile(const std::string& name, const std::string& content) const;
    // PDF files below Library/Preferences.
    std::vector<std::filesystem::path> storedFiles() const;
    void signIn(const std::string& email = "sender@example.com");

    std::shared_ptr<platform::ui::ViewController> root;
    std::shared_ptr<platform::ui::NavigationController> navigation;
    std::shared_ptr<platform::ui::Window> window;
};

} // namespace sdk_test

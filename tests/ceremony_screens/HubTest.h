#pragma once

#include "store/StoreTestSupport.h"

#include "ceremony/screens/ZKFieldSettingsScreen.h"
#include "ceremony/screens/ZKPrepareFormFieldDelegate.h"
#include "ceremony/screens/ZKPrepareFormFieldPanel.h"
#include "designer/ZKPrepareFormField.h"
#include "ui/TableView.h"
#include "ui/TableViewDataSource.h"
#include "ui/ViewController.h"
#include "ui/Window.h"

#include <memory>
#include <string>
#include <vector>

class ZKElement;
class ZKElementView;
class ZKMainViewController;
class ZKPDFViewController;
class ZKTransaction;

namespace hub_testing {

// The designer's side panel as far as the hub uses it: it records what the hub and the
// viewer tell it, lets touches through to the pages as the real one does, and shows one
// row per participant.
class FakePanel : public platform::ui::ViewController,
                  public ZKPrepareFormFieldPanel,
                  public platform::ui::TableViewDataSource {
public:
    void setDelegate(const std::weak_ptr<ZKPrepareFormFieldDelegate>& delegate) override { delegate_ = delegate; }
    std::shared_ptr<ZKPrepareFormFieldDelegate> delegate() const { return delegate_.lock(); }
    void setIsSignerOnlyMode(bool signerOnly) override { signerOnlyModes.push_back(signerOnly); }
    void setParticipants(const std::vector<std::shared_ptr<ZKParticipant>>& list) override { participants = list; }
    std::shared_ptr<platform::ui::TableView> fieldsTableView() const override { return table; }
    void disablePanelAnimated(bool animated) override;
    void minimizePanelWithCompletionHandler(CompletionHandler handler) override;
    void disableFormFields(bool disable) override;
    void setShouldEnableNonPrimaryFormFields(bool enable) override { shouldEnable.push_back(enable); }

    int numberOfRows(platform::ui::TableView& table, int section) override;
    platform::ui::TableViewCellPtr cellForRow(platform::ui::TableView& table,
                                              const platform::ui::IndexPath& indexPath) override;

    void loadView() override;

    std::vector<bool> signerOnlyModes;
    std::vector<std::shared_ptr<ZKParticipant>> participants;
    std::vector<std::string> calls;
    std::vector<bool> shouldEnable;
    std::shared_ptr<platform::ui::TableView> table = std::make_shared<platform::ui::TableView>();

private:
    std::weak_ptr<ZKPrepareFormFieldDelegate> delegate_;
};

// A field settings screen: it keeps the element view the hub hands it.
class FakeSettingsScreen : public platform::ui::ViewController, public ZKFieldSettingsScreen {
public:
    void setElementView(const std::weak_ptr<ZKElementView>& view) override { elementView = view; }
    std::weak_ptr<ZKElementView> elementView;
};

// The storyboard's own scenes with fake panel and settings scenes; each settings scene
// leaves by the segue "unwindToHub".
void defineTestStoryboard(platform::ui::Storyboard& storyboard);

// A stored draft of two documents (the first of two pages, the second of one, each PDF
// in the transaction's folder) without fields, for two signers, the first the sender;
// and the host's window on a phone in portrait.
class HubTest : public store_testing::StoreTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens the transaction on the hub, presented on the host's root controller.
    void showHub();
    std::shared_ptr<ZKMainViewController> hub() const;
    std::shared_ptr<ZKPDFViewController> viewer() const;
    std::shared_ptr<FakePanel> panel() const;

    static std::shared_ptr<ZKPrepareFormField> item(const std::string& type, bool primary = false);
    static std::shared_ptr<ZKPrepareFormField> signatureItem() { return item("SIGNATURE", true); }
    // Taps the palette item as the panel reports it; answers the element placed on the
    // shown document, or null when none was.
    std::shared_ptr<ZKElement> tap(const std::shared_ptr<ZKPrepareFormField>& field);
    // The view of an element on the page, or null.
    std::shared_ptr<ZKElementView> viewOf(const std::shared_ptr<ZKElement>& element) const;
    // The elements of a document, as the store holds them after the last save.
    std::vector<std::shared_ptr<ZKElement>> storedElements(std::size_t documentIndex) const;
    // Lets the clock run past presentations and animations.
    static void settle();

    std::shared_ptr<ZKTransaction> transaction;
    std::shared_ptr<platform::ui::ViewController> root;
    std::shared_ptr<platform::ui::Window> window;
};

} // namespace hub_testing

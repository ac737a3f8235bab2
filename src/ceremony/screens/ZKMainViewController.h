#pragma once

#include "ui/Label.h"
#include "ui/ViewController.h"

#include <memory>
#include <vector>

namespace platform {
struct Notification;
}

class ZKElementView;
class ZKPDFViewController;
class ZKParticipant;
class ZKPrepareFormFieldPanel;
class ZKTransaction;

// The hub: the scene "ZKMainViewController" of the storyboard "ZKStoryboard_Universal".
// Under a top bar with the transaction's name lies the PDF viewer of the shown document;
// over both, below the bar, the designer's side panel when the storyboard has it (the
// embed segue "FromMainPageSDKToPrepareFormSDK"). The hub opens the field settings
// screens by their segues, handing them the active element view. Main thread only.
//
// Signers: the panel and the hub index the same list from 0: a draft's
// editTransactionParticipants, else the ceremony's displayRolesList. New fields are for
// the signer at the current index; with no participant there is none, and no field is
// made. The index starts at 0 for every transaction shown.
class ZKMainViewController : public platform::ui::ViewController {
public:
    // Below a plain status bar; a taller status bar adds what it has beyond the plain one.
    static constexpr double topBarHeight = 56;
    static constexpr double plainStatusBarHeight = 20;

    std::shared_ptr<ZKTransaction> transaction() const { return transaction_; }
    // Shows the transaction; a hub already loaded reloads (see reloadTransaction).
    void setTransaction(const std::shared_ptr<ZKTransaction>& transaction);

    const std::shared_ptr<ZKPDFViewController>& pdfViewController() const { return pdfViewController_; }
    // The embedded designer panel, or null while the storyboard has none.
    std::shared_ptr<ZKPrepareFormFieldPanel> formFieldVC() const { return formFieldVC_; }
    const std::shared_ptr<platform::ui::Label>& titleLabel() const { return titleLabel_; }

    int documentIndex() const { return documentIndex_; }
    // Shows another document of the transaction: its fields cannot belong to a signature
    // of the document shown before, so the panel offers the signature alone again. The
    // same index or one out of range changes nothing.
    void setDocumentIndex(int index);

    int currentSignerIndex() const { return currentSignerIndex_; }
    void setCurrentSignerIndex(int index) { currentSignerIndex_ = index; }
    // participants()[currentSignerIndex()], or null when the index is out of range.
    std::shared_ptr<ZKParticipant> currentSigner() const;
    std::vector<std::shared_ptr<ZKParticipant>> participants() const;

    // The field view whose settings are being opened (held weakly).
    std::shared_ptr<ZKElementView> activeElementView() const { return activeElementView_.lock(); }
    void setActiveElementView(const std::weak_ptr<ZKElementView>& view) { activeElementView_ = view; }

    // The panel's segue keeps the panel and feeds it; a settings segue hands the screen
    // the active element view (the radio screen through its navigation controller).
    void prepareForSegue(platform::ui::StoryboardSegue& segue, const std::shared_ptr<void>& sender) override;
    // The settings screens' unwind action; it does nothing.
    void unwindToMainViewControllerWithSegue(platform::ui::StoryboardSegue& segue);

    void viewDidLoad() override;
    void viewDidLayoutSubviews() override;

private:
    // The title and the current document.
    void showTransaction();
    // Shows the current document again; a transaction that is no longer a draft gives the
    // panel the ceremony's roles, reloads its rows and then disables the panel (fewer than
    // two roles) or minimises it.
    void reloadTransaction();
    void embedPanel(platform::ui::ViewController& panel);
    void handOverActiveElementView(const platform::ui::StoryboardSegue& segue) const;
    // Once a draft shown here has been sent and it is the sender's turn, the panel only
    // switches roles.
    void followRoleUpdate(const platform::Notification& notification);

    std::shared_ptr<ZKTransaction> transaction_;
    std::shared_ptr<ZKPDFViewController> pdfViewController_;
    std::shared_ptr<ZKPrepareFormFieldPanel> formFieldVC_;
    std::shared_ptr<platform::ui::ViewController> panelController_;
    std::shared_ptr<platform::ui::View> topBar_;
    std::shared_ptr<platform::ui::Label> titleLabel_;
    std::weak_ptr<ZKElementView> activeElementView_;
    int documentIndex_ = 0;
    int currentSignerIndex_ = 0;
    // The panel was embedded as the designer of a draft and has not turned to roles yet.
    bool panelDesignsDraft_ = false;
};

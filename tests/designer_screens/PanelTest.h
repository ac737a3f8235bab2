#pragma once

#include "store/StoreTestSupport.h"

#include "ui/TouchInjector.h"
#include "ui/ViewController.h"
#include "ui/Window.h"

#include <memory>
#include <string>
#include <vector>

class ZKCurrentSignerTableViewCell;
class ZKElement;
class ZKElementView;
class ZKMainViewController;
class ZKPrepareFormFieldViewController;
class ZKSignatureFieldTableViewCell;
class ZKSignerTableViewCell;
class ZKTransaction;

namespace panel_testing {

// A stored draft of one two-page document for three signers (the first the sender's own
// role), made the current transaction, and the host's window on a phone in portrait with
// the hub's storyboard and the designer's panel scene.
class PanelTest : public store_testing::StoreTest {
protected:
    void SetUp() override;

    // Opens the transaction on the hub and lets the panel settle.
    void showHub();
    std::shared_ptr<ZKMainViewController> hub() const;
    std::shared_ptr<ZKPrepareFormFieldViewController> panel() const;
    // Lets the clock run past presentations, delays and animations.
    static void settle(double seconds = 1);

    // Where the panel's body and reveal tab stand, in the panel's root view.
    double bodyX() const;
    double tabX() const;

    std::shared_ptr<ZKCurrentSignerTableViewCell> currentSignerRow() const;
    std::shared_ptr<ZKSignerTableViewCell> signerRow(int index) const;
    std::shared_ptr<ZKSignatureFieldTableViewCell> paletteRow(int index) const;
    // Whether a palette item takes taps and is drawn at full strength.
    bool isUsable(int paletteIndex) const;
    double rowHeight(int row) const;

    // Taps a row where it shows: its icon column while the panel is not maximised.
    void tapPaletteItem(int index);
    void tapSigner(int index);
    void tapCurrentSigner();

    std::vector<std::shared_ptr<ZKElement>> elements() const;
    // The view of an element on the page, or null.
    std::shared_ptr<ZKElementView> viewOf(const std::shared_ptr<ZKElement>& element) const;

    std::shared_ptr<ZKTransaction> transaction;
    std::shared_ptr<platform::ui::ViewController> root;
    std::shared_ptr<platform::ui::Window> window;
    std::unique_ptr<platform::ui::TouchInjector> fingers;

private:
    void tapRowAt(const platform::ui::View& row, const platform::ui::View& iconColumnPart);
};

} // namespace panel_testing

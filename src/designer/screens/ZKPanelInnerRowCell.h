#pragma once

#include "designer/screens/ZKPanelRowCell.h"
#include "ui/Button.h"

#include <memory>
#include <string>

// A 45-point row of one of the side panel's inner lists (a signer, a palette item): a
// button over the whole row takes its taps and flashes grey when the tap is taken. Main
// thread only.
class ZKPanelInnerRowCell : public ZKPanelRowCell {
public:
    static constexpr double height = 45;
    static constexpr double tapFlashDuration = 0.75;

    explicit ZKPanelInnerRowCell(const std::string& reuseIdentifier);

    // The button turns grey and fades out, then comes back clear.
    void animateTapped();

    // Outlet.
    std::weak_ptr<platform::ui::Button> cellButton;

protected:
    // The button, laid over everything the row shows, so a tap anywhere reaches it.
    const std::shared_ptr<platform::ui::Button>& button() const { return button_; }

private:
    std::shared_ptr<platform::ui::Button> button_;
};

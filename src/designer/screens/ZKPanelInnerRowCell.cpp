#include "designer/screens/ZKPanelInnerRowCell.h"

#include "designer/screens/ZKPrepareFormFieldLook.h"
#include "ui/Animator.h"

ZKPanelInnerRowCell::ZKPanelInnerRowCell(const std::string& reuseIdentifier)
    : ZKPanelRowCell(reuseIdentifier), button_(std::make_shared<platform::ui::Button>())
{
    setSelectionStyle(platform::ui::CellSelectionStyle::none);
    cellButton = button_;
}

void ZKPanelInnerRowCell::animateTapped()
{
    const auto flashed = button_;
    flashed->setBackgroundColor(ZKPrepareFormFieldLook::tapFlash());
    platform::ui::Animator::animate(tapFlashDuration, [flashed] { flashed->setAlpha(0); }, [flashed](bool) {
        flashed->setBackgroundColor(std::nullopt);
        flashed->setAlpha(1);
    });
}

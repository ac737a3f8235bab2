#include "fields/ZKElementView.h"

#include "fields/ZKContextMenuView.h"
#include "fields/ZKElementViewDelegate.h"
#include "foundation/RunLoop.h"
#include "model/ZKElement.h"
#include "model/ZKParticipant.h"
#include "model/ZKTransaction.h"
#include "ui/TapGestureRecognizer.h"

#include <algorithm>
#include <array>

using platform::graphics::Color;
using platform::graphics::makeRect;

namespace {

// The class-level edited element view: one per process, held weakly
// so that it never keeps a removed field alive.
std::weak_ptr<ZKElementView>& editedSlot()
{
    static std::weak_ptr<ZKElementView> edited;
    return edited;
}

constexpr double borderWidth = 1;
constexpr double editedBorderWidth = 2;
constexpr double tintAlpha = 0.18;

} // namespace

ZKElementView::ZKElementView(std::shared_ptr<ZKElement> element)
    : element_(std::move(element)), contextMenu_(std::make_shared<ZKContextMenuView>())
{
    auto tap = std::make_shared<platform::ui::TapGestureRecognizer>();
    // The recogniser belongs to this view and dies with it.
    tap->addAction([this](platform::ui::GestureRecognizer& recognizer) {
        if (recognizer.state() == platform::ui::GestureState::ended && designMode_) {
            beginPositionEdit();
        }
    });
    addGestureRecognizer(tap);
    makeHandles();
    layer().setBorderWidth(borderWidth);
}

ZKElementView::~ZKElementView()
{
    contextMenu_->removeFromSuperview();
}

std::shared_ptr<ZKElementView> ZKElementView::editedElementView()
{
    return editedSlot().lock();
}

void ZKElementView::setDesignMode(bool designMode)
{
    designMode_ = designMode;
    if (!designMode) {
        removeHandlers();
    }
}

void ZKElementView::beginPositionEdit()
{
    const auto self = std::static_pointer_cast<ZKElementView>(shared_from_this());
    if (const auto previous = editedElementView(); previous && previous != self) {
        previous->removeHandlers();
    }
    editedSlot() = self;
    handlersShown_ = true;
    for (const auto& handle : handles_) {
        handle->setHidden(false);
    }
    layer().setBorderWidth(editedBorderWidth);
    contextMenu_->setElementView(self);
    placeContextMenu();
    contextMenu_->setShown(true);
    scheduleHandlesClose();
    if (const auto listener = delegate()) {
        listener->elementViewDidBeginPositionEdit(*this);
    }
}

void ZKElementView::removeHandlers()
{
    handlersShown_ = false;
    ++editGeneration_;
    for (const auto& handle : handles_) {
        handle->setHidden(true);
    }
    layer().setBorderWidth(borderWidth);
    contextMenu_->setShown(false);
}

void ZKElementView::update()
{
    if (element_) {
        setFrame(element_->frame());
    }
    const Color color = signerColor();
    setBackgroundColor(color.withAlpha(tintAlpha));
    layer().setBorderColor(color);
    updateDisplay();
    if (handlersShown_) {
        placeContextMenu();
    }
}

Color ZKElementView::signerColor() const
{
    const auto transaction = element_ ? element_->transaction() : nullptr;
    if (!transaction || element_->roles().empty()) {
        return Color::systemBlue();
    }
    const auto& participants = transaction->participants();
    const auto found = std::find_if(participants.begin(), participants.end(),
                                    [&](const auto& participant) { return participant->uid() == element_->roles().front(); });
    return found == participants.end() ? Color::systemBlue() : (*found)->editColor();
}

void ZKElementView::setDisplayView(const std::shared_ptr<platform::ui::View>& view)
{
    displayView_ = view;
    // The whole field takes the tap that begins a position edit.
    displayView_->setUserInteractionEnabled(false);
    insertSubview(displayView_, 0);
}

void ZKElementView::layoutSubviews()
{
    const auto& b = bounds();
    if (displayView_) {
        displayView_->setFrame(b);
    }
    const std::array<platform::graphics::Point, 4> corners{
        {{b.minX(), b.minY()}, {b.maxX(), b.minY()}, {b.minX(), b.maxY()}, {b.maxX(), b.maxY()}}};
    for (std::size_t index = 0; index < handles_.size(); ++index) {
        handles_[index]->setFrame(makeRect(corners[index].x - handleSize / 2, corners[index].y - handleSize / 2,
                                           handleSize, handleSize));
        handles_[index]->setBackgroundColor(signerColor());
    }
}

void ZKElementView::didMoveToSuperview()
{
    if (!superview()) {
        contextMenu_->removeFromSuperview();
    }
}

void ZKElementView::makeHandles()
{
    for (int corner = 0; corner < 4; ++corner) {
        auto handle = std::make_shared<platform::ui::View>();
        handle->setHidden(true);
        handle->setUserInteractionEnabled(false);
        handle->layer().setBorderColor(Color::white());
        handle->layer().setBorderWidth(1);
        handles_.push_back(handle);
        addSubview(handle);
    }
}

void ZKElementView::placeContextMenu()
{
    const auto page = superview();
    if (!page) {
        return;
    }
    if (contextMenu_->superview() != page) {
        page->addSubview(contextMenu_);
    } else {
        page->bringSubviewToFront(*contextMenu_);
    }
    const auto field = frame();
    const double x = std::clamp(field.midX() - ZKContextMenuView::width / 2, 0.0,
                                std::max(0.0, page->bounds().width() - ZKContextMenuView::width));
    const auto above = makeRect(x, field.minY() - ZKContextMenuView::gap - ZKContextMenuView::height,
                                ZKContextMenuView::width, ZKContextMenuView::height);
    const auto below = makeRect(x, field.maxY() + ZKContextMenuView::gap, ZKContextMenuView::width,
                                ZKContextMenuView::height);
    // Above the field, unless there is no room there on the page or it would cover
    // another field while there is room below.
    const bool roomAbove = above.minY() >= 0;
    const bool roomBelow = below.maxY() <= page->bounds().height();
    const bool useAbove =
        roomAbove && (!coversAnotherField(*page, above) || !roomBelow || coversAnotherField(*page, below));
    contextMenu_->setFrame(useAbove ? above : below);
}

bool ZKElementView::coversAnotherField(const platform::ui::View& page, const platform::graphics::Rect& area) const
{
    for (const auto& sibling : page.subviews()) {
        if (sibling.get() != this && sibling != contextMenu_ && dynamic_cast<const ZKElementView*>(sibling.get()) &&
            !sibling->isHidden() && sibling->frame().intersects(area)) {
            return true;
        }
    }
    return false;
}

void ZKElementView::scheduleHandlesClose()
{
    const std::uint64_t generation = ++editGeneration_;
    platform::RunLoop::main().dispatchAfter(
        handlesOpenSeconds, [weak = std::weak_ptr<ZKElementView>(std::static_pointer_cast<ZKElementView>(
                                shared_from_this())),
                             generation] {
            const auto view = weak.lock();
            if (view && view->editGeneration_ == generation && view->handlersShown_) {
                view->removeHandlers();
            }
        });
}

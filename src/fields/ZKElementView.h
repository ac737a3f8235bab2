#pragma once

#include "ui/View.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class ZKContextMenuView;
class ZKElement;
class ZKElementViewDelegate;

// One field or signature on a page: shows its element and, in design mode, lets the
// sender put it into a position edit with a tap, which shows its edit handles and its
// context menu for five seconds. The view's frame is the element's frame in the page's
// points. Main thread only.
//
// The edited element view is the one whose position edit began last. Dropping the
// handles (removeHandlers) leaves it in place, so that the settings opened from the
// context menu right after still find the field the menu belonged to; it changes when
// another view begins a position edit and ends when the view goes away.
class ZKElementView : public platform::ui::View {
public:
    static constexpr double handlesOpenSeconds = 5;
    static constexpr double handleSize = 8;

    explicit ZKElementView(std::shared_ptr<ZKElement> element);
    ~ZKElementView() override;

    // The class's name, which selects the settings screen of the field's kind.
    virtual std::string className() const = 0;

    const std::shared_ptr<ZKElement>& element() const { return element_; }

    // The element view whose handles were shown last (held weakly), or null.
    static std::shared_ptr<ZKElementView> editedElementView();

    std::shared_ptr<ZKElementViewDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::weak_ptr<ZKElementViewDelegate>& delegate) { delegate_ = delegate; }

    // In design mode (a draft) a tap begins a position edit; otherwise the field only shows.
    bool isInDesignMode() const { return designMode_; }
    void setDesignMode(bool designMode);

    // Shows the handles and the context menu, makes this the edited element view and tells
    // the delegate. The handles close by themselves after handlesOpenSeconds.
    void beginPositionEdit();
    // Hides the handles and the context menu.
    void removeHandlers();
    bool areHandlersShown() const { return handlersShown_; }
    const std::vector<std::shared_ptr<platform::ui::View>>& handles() const { return handles_; }
    const std::shared_ptr<ZKContextMenuView>& contextMenu() const { return contextMenu_; }

    // The common update: moves the view to its element's frame and redraws what it shows.
    void update();

    // The colour of the element's signer in the designer.
    platform::graphics::Color signerColor() const;

    void layoutSubviews() override;
    void didMoveToSuperview() override;

protected:
    // Redraws the display view from the element.
    virtual void updateDisplay() = 0;
    // The subclass's display view, laid over the whole field.
    void setDisplayView(const std::shared_ptr<platform::ui::View>& view);

private:
    void makeHandles();
    void placeContextMenu();
    bool coversAnotherField(const platform::ui::View& page, const platform::graphics::Rect& area) const;
    void scheduleHandlesClose();

    std::shared_ptr<ZKElement> element_;
    std::weak_ptr<ZKElementViewDelegate> delegate_;
    bool designMode_ = false;
    bool handlersShown_ = false;
    std::uint64_t editGeneration_ = 0;
    std::shared_ptr<platform::ui::View> displayView_;
    std::vector<std::shared_ptr<platform::ui::View>> handles_;
    std::shared_ptr<ZKContextMenuView> contextMenu_;
};

#pragma once

#include "graphics/Geometry.h"

#include <memory>

namespace platform::ui {
class View;
}

class ZKPrepareFormField;

// What the designer's side panel tells the page viewer beneath it: a palette item dragged
// or tapped onto the page, and another signer picked. The panel holds it weakly and calls
// every operation without asking, so an implementer implements all four. The PDF viewer
// implements it.
class ZKPrepareFormFieldDelegate {
public:
    virtual ~ZKPrepareFormFieldDelegate() = default;

    virtual void userDidBeginDraggingFormField(const std::shared_ptr<ZKPrepareFormField>& field) = 0;
    // `frame` is in the coordinates of `view` (the panel's root view).
    virtual void userDidReleaseFormFieldFieldFrameViewToConvertLocationFrom(
        const std::shared_ptr<ZKPrepareFormField>& field, const platform::graphics::Rect& frame,
        const std::shared_ptr<platform::ui::View>& view) = 0;
    virtual void userDidTapOnFormFieldViewToConvertLocationFrom(const std::shared_ptr<ZKPrepareFormField>& field,
                                                                const std::shared_ptr<platform::ui::View>& view) = 0;
    // An index into the panel's participants.
    virtual void userDidSelectNewParticipantAtIndex(long index) = 0;
};

#pragma once

class ZKElementView;

// What an element view tells the page viewer it lies on. Held weakly by the view.
class ZKElementViewDelegate {
public:
    virtual ~ZKElementViewDelegate() = default;

    // The view began a position edit: its handles and context menu are shown and it is
    // the edited element view.
    virtual void elementViewDidBeginPositionEdit(ZKElementView& elementView) = 0;
};

#pragma once

namespace platform::ui {

// The attachment point for dropping dragged items onto a table. The toolkit only keeps
// the delegate (weakly) for the table; the drag and drop layer defines the operations it
// asks of it and finds it through TableView::dropDelegate().
class TableDropDelegate {
public:
    virtual ~TableDropDelegate() = 0;
};

inline TableDropDelegate::~TableDropDelegate() = default;

} // namespace platform::ui

#pragma once

#include "ceremony/screens/ZKMainViewController.h"
#include "designer/ZKPrepareFormField.h"
#include "designer/screens/ZKPrepareFormFieldViewController.h"
#include "samples/HostWindow.h"

#include <filesystem>
#include <memory>
#include <string>

namespace bench {

// A palette item of the designer's side panel.
std::shared_ptr<ZKPrepareFormField> paletteItem(const std::string& type, bool primary);

// A started draft of one page and one signer on the hub of a phone held upright, its
// signature placed, in a fresh home on a manual clock. Main thread only.
struct DesignerHub {
    DesignerHub();
    ~DesignerHub();
    DesignerHub(const DesignerHub&) = delete;
    DesignerHub& operator=(const DesignerHub&) = delete;

    // Places the item as the side panel reports a tapped palette item.
    void place(const std::shared_ptr<ZKPrepareFormField>& item) const;

    std::filesystem::path home;
    std::unique_ptr<HostWindow> host;
    std::shared_ptr<ZKMainViewController> hub;
    std::shared_ptr<ZKPrepareFormFieldViewController> panel;
};

} // namespace bench

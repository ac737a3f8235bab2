#pragma once

#include "support/VeltraTest.h"

#include "ui/TouchInjector.h"
#include "ui/ViewController.h"
#include "ui/Window.h"

#include <memory>
#include <string>

class ZKElement;
class ZKElementView;
class ZKMainViewController;
class ZKTransaction;

namespace designer_screens_testing {

// A host with the SDK started and a draft of one document and two signers open on the
// hub, on a phone in portrait. Fields are placed as a tap on their palette items places
// them (a signature first, which the others belong to), and their settings are opened
// from the context menu of the field on the page, as a sender does.
class FieldSettingsTest : public testing_support::VeltraTest {
protected:
    void SetUp() override;
    void TearDown() override;

    std::shared_ptr<ZKMainViewController> hub() const;
    std::shared_ptr<ZKTransaction> draft() const;
    // Places a field of the type (after a signature when the draft has none yet).
    std::shared_ptr<ZKElement> place(const std::string& type);
    std::shared_ptr<ZKElementView> viewOf(const std::shared_ptr<ZKElement>& element) const;
    // Taps the field on the page, then its context menu's settings button.
    void openSettingsOf(const std::shared_ptr<ZKElement>& element);
    // The settings screen on top of the hub, of the expected class.
    template <class Screen>
    std::shared_ptr<Screen> shown() const
    {
        return std::dynamic_pointer_cast<Screen>(presented());
    }
    std::shared_ptr<platform::ui::ViewController> presented() const;
    // Opens the field's settings and answers the screen, of the expected class.
    template <class Screen>
    std::shared_ptr<Screen> open(const std::shared_ptr<ZKElement>& element)
    {
        openSettingsOf(element);
        return shown<Screen>();
    }
    // Taps the screen's Save or Cancel and lets it close.
    template <class Screen>
    void save(Screen& screen)
    {
        tap(*screen.topBar()->saveButton());
        settle();
    }
    template <class Screen>
    void cancel(Screen& screen)
    {
        tap(*screen.topBar()->cancelButton());
        settle();
    }
    // The element as a later launch reads it from the store.
    std::shared_ptr<ZKElement> stored(const std::shared_ptr<ZKElement>& element) const;

    // What a person does.
    void tap(const platform::ui::View& view);
    // Taps the text input, erases what it holds and types the text.
    void retype(const platform::ui::View& input, const std::string& text);
    void settle(double seconds = 1);

    std::shared_ptr<platform::ui::Window> window;
    std::shared_ptr<platform::ui::ViewController> root;
    std::unique_ptr<platform::ui::TouchInjector> fingers;
    std::string guid;
};

} // namespace designer_screens_testing

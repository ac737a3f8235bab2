#include "DemoWalk.h"

#include "EventTimings.h"

#include "foundation/RunLoop.h"
#include "ui/Screen.h"

#include <iostream>

namespace host {

void pause(double seconds)
{
    platform::RunLoop::main().advanceUntil([] { return false; }, seconds);
    EventTimings::shared().closeEvent();
}

bool writeWindowPng(platform::ui::Window& window, const std::filesystem::path& path)
{
    auto& timings = EventTimings::shared();
    timings.closeEvent();
    const bool written = window.writePng(path);
    timings.drawn(path.stem().string());
    timings.skip();
    return written;
}

void drawWindow(platform::ui::Window& window, const std::filesystem::path& folder, const std::string& name)
{
    window.layoutIfNeeded();
    const auto path = folder / (name + ".png");
    std::cout << "  " << (writeWindowPng(window, path) ? "drawn: " : "could not draw: ") << path.filename().string() << "\n";
}

void drawLandscape(platform::ui::Window& window, const std::filesystem::path& folder, const std::string& name)
{
    auto& screen = platform::ui::Screen::main();
    screen.setOrientation(platform::ui::InterfaceOrientation::landscapeLeft);
    window.layoutIfNeeded();
    pause(0.6);
    drawWindow(window, folder, name + "-landscape");
    screen.setOrientation(platform::ui::InterfaceOrientation::portrait);
    window.layoutIfNeeded();
    pause(1.6);
}

DemoWalk::DemoWalk(std::filesystem::path folder, std::shared_ptr<platform::ui::Window> window, double pauseAfterTap,
                   Turns turns)
    : folder_(std::move(folder))
    , window_(std::move(window))
    , fingers_(window_)
    , pauseAfterTap_(pauseAfterTap)
    , turns_(turns)
{
}

void DemoWalk::draw(const std::string& name) const
{
    host::pause(0.6);
    drawNow(name);
    if (turns_ == Turns::uprightAndLandscape) {
        drawLandscape(*window_, folder_, name);
    }
}

void DemoWalk::drawNow(const std::string& name) const
{
    drawWindow(*window_, folder_, name);
}

void DemoWalk::tap(const platform::ui::View& view)
{
    window_->layoutIfNeeded();
    fingers_.tap(view);
    if (pauseAfterTap_ > 0) {
        host::pause(pauseAfterTap_);
    }
}

void DemoWalk::type(const platform::ui::View& input, const std::string& text)
{
    tap(input);
    fingers_.typeText(text);
}

void DemoWalk::retype(const platform::ui::View& input, const std::string& text)
{
    tap(input);
    fingers_.deleteBackward(200);
    fingers_.typeText(text);
}

} // namespace host

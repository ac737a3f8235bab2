#pragma once

#include "ui/TouchInjector.h"
#include "ui/View.h"
#include "ui/Window.h"

#include <filesystem>
#include <memory>
#include <string>

namespace host {

// A person's pause of `seconds` on the host's manual clock: what falls due in it runs at
// once, and work on other threads is given the real time it needs to answer.
void pause(double seconds);

// Writes the window to `path` as the host's work, outside the timing of the walk's events.
bool writeWindowPng(platform::ui::Window& window, const std::filesystem::path& path);

// Lays the window out, writes it to <folder>/<name>.png and says so.
void drawWindow(platform::ui::Window& window, const std::filesystem::path& folder, const std::string& name);

// Turns the upright window on its side, lets it settle, writes <folder>/<name>-landscape.png,
// then turns it upright again and lets it settle long enough for what the turns set going
// (a scroll bar's fade) to run out, so the walk goes on as it would have without them.
void drawLandscape(platform::ui::Window& window, const std::filesystem::path& folder, const std::string& name);

// Whether a walk's drawings are made upright only, or upright and on the side as well.
enum class Turns { upright, uprightAndLandscape };

// A person's walk through the SDK's pages in one window: taps and typing with a pause
// after each tap (none when `pauseAfterTap` is 0), and the window drawn to a PNG in the
// walk's folder.
class DemoWalk {
public:
    DemoWalk(std::filesystem::path folder, std::shared_ptr<platform::ui::Window> window, double pauseAfterTap = 0.4,
             Turns turns = Turns::upright);

    // Lets the page settle, then writes <folder>/<name>.png and says so; with the landscape
    // turn, <folder>/<name>-landscape.png as well.
    void draw(const std::string& name) const;
    // Draws the window as it is now, without letting time pass first.
    void drawNow(const std::string& name) const;
    void tap(const platform::ui::View& view);
    // Taps the text input, then types into it a key at a time.
    void type(const platform::ui::View& input, const std::string& text);
    // Taps the text input, clears what it holds, then types into it.
    void retype(const platform::ui::View& input, const std::string& text);
    const std::shared_ptr<platform::ui::Window>& window() const { return window_; }
    platform::ui::TouchInjector& fingers() { return fingers_; }

private:
    std::filesystem::path folder_;
    std::shared_ptr<platform::ui::Window> window_;
    platform::ui::TouchInjector fingers_;
    double pauseAfterTap_;
    Turns turns_;
};

} // namespace host

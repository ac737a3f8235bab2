#include "ui/TouchDispatcher.h"

#include "ui/Control.h"
#include "ui/GestureRecognizer.h"
#include "ui/PanGestureRecognizer.h"
#include "ui/TapGestureRecognizer.h"
#include "ui/Window.h"

#include <algorithm>

namespace platform::ui {

namespace {

// A tap on a control or a text input belongs to it, not to a tap recogniser further up.
bool viewKeepsTap(View& hit, const GestureRecognizer& recognizer)
{
    if (!dynamic_cast<const TapGestureRecognizer*>(&recognizer) || recognizer.view() == &hit) {
        return false;
    }
    const auto* control = dynamic_cast<const Control*>(&hit);
    return (control && control->isEnabled()) || hit.canBecomeFirstResponder();
}

} // namespace

void TouchDispatcher::dispatch(Window& window, const TouchSet& touches)
{
    for (const auto& touch : touches) {
        if (touch->phase == TouchPhase::began) {
            begin(window, touch);
            continue;
        }
        const auto found = sequences_.find(touch->identifier);
        if (found == sequences_.end()) {
            continue;
        }
        Sequence& sequence = found->second;
        settle(sequence, touch);
        deliverToRecognizers(sequence, touch);
        settle(sequence, touch);
        deliverToView(sequence, touch);
        if (touch->phase == TouchPhase::ended || touch->phase == TouchPhase::cancelled) {
            sequences_.erase(found);
        }
    }
}

void TouchDispatcher::begin(Window& window, const std::shared_ptr<Touch>& touch)
{
    const auto hit = window.hitTest(touch->locationInWindow);
    if (hit && window.ignoresTouchesOn(*hit)) {
        return;
    }
    touch->view = hit;
    touch->window = std::static_pointer_cast<Window>(window.weak_from_this().lock());
    Sequence sequence;
    for (auto view = hit; view; view = view->superview()) {
        for (const auto& recognizer : view->gestureRecognizers()) {
            if (recognizer->isEnabled() && !viewKeepsTap(*hit, *recognizer)) {
                sequence.recognizers.push_back(recognizer);
            }
        }
    }
    // Screen-edge gestures get the first say, as system edge gestures do; then the
    // recognisers of the deepest view.
    std::stable_partition(sequence.recognizers.begin(), sequence.recognizers.end(), [](const auto& recognizer) {
        return dynamic_cast<const ScreenEdgePanGestureRecognizer*>(recognizer.get()) != nullptr;
    });
    for (const auto& recognizer : sequence.recognizers) {
        if (recognizer->numberOfTouches() == 0) {
            recognizer->reset();
        }
    }
    Sequence& stored = sequences_[touch->identifier] = std::move(sequence);
    deliverToRecognizers(stored, touch);
    settle(stored, touch);
    if (hit && !stored.viewCancelled) {
        stored.viewBegan = true;
        hit->touchesBegan({touch});
    }
}

void TouchDispatcher::deliverToRecognizers(Sequence& sequence, const std::shared_ptr<Touch>& touch)
{
    const auto recognizers = sequence.recognizers;
    bool wonNow = false;
    for (const auto& recognizer : recognizers) {
        // Discrete gestures of the same view that complete on the same touch all count
        // (a tap that ends editing and a tap that closes a menu, say).
        const bool sharesWin = wonNow && sequence.winner->state() == GestureState::ended &&
                               recognizer->view() == sequence.winner->view();
        if (sequence.winner && recognizer != sequence.winner && !sharesWin) {
            recognizer->preventedByOther();
            continue;
        }
        switch (touch->phase) {
        case TouchPhase::began:
            recognizer->touchesBegan({touch});
            break;
        case TouchPhase::moved:
        case TouchPhase::stationary:
            recognizer->touchesMoved({touch});
            break;
        case TouchPhase::ended:
            recognizer->touchesEnded({touch});
            break;
        case TouchPhase::cancelled:
            recognizer->touchesCancelled({touch});
            break;
        }
        if (!sequence.winner && recognizer->hasRecognized()) {
            sequence.winner = recognizer;
            wonNow = true;
        }
    }
}

void TouchDispatcher::deliverToView(Sequence& sequence, const std::shared_ptr<Touch>& touch)
{
    const auto view = touch->view.lock();
    if (!view || sequence.viewCancelled || !sequence.viewBegan) {
        return;
    }
    switch (touch->phase) {
    case TouchPhase::moved:
    case TouchPhase::stationary:
        view->touchesMoved({touch});
        break;
    case TouchPhase::ended:
        view->touchesEnded({touch});
        break;
    case TouchPhase::cancelled:
        view->touchesCancelled({touch});
        break;
    case TouchPhase::began:
        break;
    }
}

void TouchDispatcher::settle(Sequence& sequence, const std::shared_ptr<Touch>& touch)
{
    if (!sequence.winner) {
        for (const auto& recognizer : sequence.recognizers) {
            if (recognizer->hasRecognized()) {
                sequence.winner = recognizer;
                break;
            }
        }
    }
    if (!sequence.winner) {
        return;
    }
    for (const auto& recognizer : sequence.recognizers) {
        if (recognizer != sequence.winner) {
            recognizer->preventedByOther();
        }
    }
    if (sequence.winner->cancelsTouchesInView() && !sequence.viewCancelled) {
        sequence.viewCancelled = true;
        const auto view = touch->view.lock();
        if (view && sequence.viewBegan) {
            view->touchesCancelled({touch});
        }
    }
}

} // namespace platform::ui

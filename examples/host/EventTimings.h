#pragma once

#include <string>
#include <vector>

namespace host {

// How long the SDK worked on the main thread on each event of the walk: an injected tap,
// keystrokes, drag, drop or rotation together with the run-loop work it set off, up to the
// pause that lets it settle. Main-thread CPU time is counted, so waiting for work on other
// threads is not. What a part does before its first pause (opening its window, signing in,
// building its draft) is its set-up, kept apart from the events. Writing PNGs is the
// host's work and is left out. A documented singleton of the walk; main thread only.
class EventTimings {
public:
    struct Event {
        std::string name;
        double seconds;
    };

    static EventTimings& shared();

    // The part of the walk that follows, which names its events.
    void startPart(const std::string& title);
    // The window was just drawn to `name`; later events are named after it.
    void drawn(const std::string& name);
    // Ends the event (or the part's set-up) under way: what ran since the last mark.
    void closeEvent();
    // Forgets what ran since the last mark (the host's own work).
    void skip();

    const std::vector<Event>& events() const { return events_; }
    const std::vector<Event>& setUps() const { return setUps_; }
    void clear();

private:
    static double threadSeconds();

    std::vector<Event> events_;
    std::vector<Event> setUps_;
    std::string part_;
    std::string lastDrawn_;
    int step_ = 0;
    bool inSetUp_ = false;
    double mark_ = threadSeconds();
};

std::vector<EventTimings::Event> slowestFirst(std::vector<EventTimings::Event> events);

// Writes the `count` slowest of the events to standard output under the heading.
void printSlowest(const std::string& heading, const std::vector<EventTimings::Event>& events, std::size_t count);

// Writes every event's and set-up's time to standard output, slowest first, when
// VELTRA_HOST_TIMINGS is set.
void reportEventTimingsIfAsked(const EventTimings& timings);

} // namespace host

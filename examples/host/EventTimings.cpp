#include "EventTimings.h"

#include <algorithm>
#include <ctime>
#include <cstdlib>
#include <iostream>

namespace host {

EventTimings& EventTimings::shared()
{
    static EventTimings timings;
    return timings;
}

void EventTimings::startPart(const std::string& title)
{
    part_ = title;
    lastDrawn_.clear();
    step_ = 0;
    inSetUp_ = true;
    skip();
}

void EventTimings::drawn(const std::string& name)
{
    lastDrawn_ = name;
    step_ = 0;
}

void EventTimings::closeEvent()
{
    const double now = threadSeconds();
    if (inSetUp_) {
        setUps_.push_back({part_ + " / set-up", now - mark_});
        inSetUp_ = false;
    } else {
        const std::string after = lastDrawn_.empty() ? "set-up" : lastDrawn_;
        events_.push_back({part_ + " / after " + after + " #" + std::to_string(++step_), now - mark_});
    }
    mark_ = now;
}

void EventTimings::skip()
{
    mark_ = threadSeconds();
}

double EventTimings::threadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void EventTimings::clear()
{
    events_.clear();
    setUps_.clear();
    skip();
}

std::vector<EventTimings::Event> slowestFirst(std::vector<EventTimings::Event> events)
{
    std::sort(events.begin(), events.end(), [](const auto& a, const auto& b) { return a.seconds > b.seconds; });
    return events;
}

void printSlowest(const std::string& heading, const std::vector<EventTimings::Event>& events, std::size_t count)
{
    const auto sorted = slowestFirst(events);
    std::cout << heading << " (" << events.size() << "), slowest first:\n";
    for (std::size_t index = 0; index < std::min(count, sorted.size()); ++index) {
        std::cout << "  " << sorted[index].seconds * 1000 << " ms  " << sorted[index].name << "\n";
    }
}

void reportEventTimingsIfAsked(const EventTimings& timings)
{
    if (!std::getenv("VELTRA_HOST_TIMINGS")) {
        return;
    }
    printSlowest("Main-thread SDK work per event of the walk", timings.events(), timings.events().size());
    printSlowest("Set-up of each part", timings.setUps(), timings.setUps().size());
}

} // namespace host

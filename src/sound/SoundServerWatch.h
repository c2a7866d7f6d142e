#pragma once
// Follows the desktop's sound server (PulseAudio, or PipeWire speaking its
// protocol) and knows whether it offers an output. One lasting connection
// with its own thread: events about outputs update the count, and a lost
// server is looked for again every second, so a restarted server is noticed
// on its own. Qt's audio layer connects only once at start and cannot tell.

#include <atomic>

struct pa_context;
struct pa_mainloop_api;
struct pa_sink_info;
struct pa_threaded_mainloop;
struct pa_time_event;
struct timeval;

namespace lumo {

class SoundServerWatch {
public:
    SoundServerWatch();
    ~SoundServerWatch();
    SoundServerWatch(const SoundServerWatch &) = delete;
    SoundServerWatch &operator=(const SoundServerWatch &) = delete;

    // Connected to a server that lists at least one output. Any thread.
    bool OutputPresent() const { return FOutputs.load() > 0; }

    // Waits up to the time given for the first answer (connected and the
    // outputs counted, or the connection refused), so that the first check
    // after start-up sees the server that is there.
    void WaitForFirstAnswer(int timeoutMs);

private:
    // All below run on the watch's thread with its lock held.
    void Connect();
    void Lost();
    void CountOutputs();
    static void StateChanged(pa_context *context, void *self);
    static void OutputListed(pa_context *context, const pa_sink_info *info, int last, void *self);
    static void ServerEvent(pa_context *context, int type, unsigned index, void *self);
    static void RetryDue(pa_mainloop_api *api, pa_time_event *event, const struct timeval *when, void *self);

    pa_threaded_mainloop *FLoop = nullptr;
    pa_context *FContext = nullptr;
    pa_time_event *FRetry = nullptr;
    int FCounting = 0; // outputs seen in the listing under way
    bool FAnswered = false;
    std::atomic<int> FOutputs{0};
};

} // namespace lumo

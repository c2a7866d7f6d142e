#include "sound/SoundServerWatch.h"

#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/mainloop-api.h>
#include <pulse/operation.h>
#include <pulse/subscribe.h>
#include <pulse/thread-mainloop.h>
#include <pulse/timeval.h>

#include <chrono>
#include <thread>

namespace lumo {

namespace {
constexpr pa_usec_t kRetryUs = 1000 * 1000; // a second without sound is what a restart may cost
}

SoundServerWatch::SoundServerWatch() : FLoop(pa_threaded_mainloop_new())
{
    if (FLoop == nullptr) {
        FAnswered = true;
        return;
    }
    pa_threaded_mainloop_lock(FLoop);
    Connect();
    pa_threaded_mainloop_unlock(FLoop);
    if (pa_threaded_mainloop_start(FLoop) != 0) {
        pa_threaded_mainloop_lock(FLoop);
        FAnswered = true;
        pa_threaded_mainloop_unlock(FLoop);
    }
}

SoundServerWatch::~SoundServerWatch()
{
    if (FLoop == nullptr)
        return;
    pa_threaded_mainloop_stop(FLoop);
    pa_mainloop_api *api = pa_threaded_mainloop_get_api(FLoop);
    if (FRetry != nullptr)
        api->time_free(FRetry);
    if (FContext != nullptr) {
        pa_context_set_state_callback(FContext, nullptr, nullptr);
        pa_context_set_subscribe_callback(FContext, nullptr, nullptr);
        pa_context_disconnect(FContext);
        pa_context_unref(FContext);
    }
    pa_threaded_mainloop_free(FLoop);
}

void SoundServerWatch::WaitForFirstAnswer(int timeoutMs)
{
    if (FLoop == nullptr)
        return;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    pa_threaded_mainloop_lock(FLoop);
    // The loop's API has no timed wait; short sleeps keep this one bounded.
    while (!FAnswered && std::chrono::steady_clock::now() < deadline) {
        pa_threaded_mainloop_unlock(FLoop);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        pa_threaded_mainloop_lock(FLoop);
    }
    pa_threaded_mainloop_unlock(FLoop);
}

void SoundServerWatch::Connect()
{
    pa_mainloop_api *api = pa_threaded_mainloop_get_api(FLoop);
    FContext = pa_context_new(api, "Lumo");
    if (FContext == nullptr) {
        Lost();
        return;
    }
    pa_context_set_state_callback(FContext, &SoundServerWatch::StateChanged, this);
    // Never start a server of our own: the desktop's is followed, not replaced.
    if (pa_context_connect(FContext, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        Lost();
}

void SoundServerWatch::Lost()
{
    FOutputs = 0;
    FAnswered = true;
    if (FRetry != nullptr)
        return;
    // The context is let go on the next turn: not inside its own callback.
    pa_mainloop_api *api = pa_threaded_mainloop_get_api(FLoop);
    struct timeval when {};
    pa_timeval_add(pa_gettimeofday(&when), kRetryUs);
    FRetry = api->time_new(api, &when, &SoundServerWatch::RetryDue, this);
}

void SoundServerWatch::CountOutputs()
{
    FCounting = 0;
    pa_operation *listing = pa_context_get_sink_info_list(FContext, &SoundServerWatch::OutputListed, this);
    if (listing != nullptr)
        pa_operation_unref(listing);
}

void SoundServerWatch::StateChanged(pa_context *context, void *self)
{
    auto *watch = static_cast<SoundServerWatch *>(self);
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY: {
        pa_context_set_subscribe_callback(
            context,
            [](pa_context *c, pa_subscription_event_type_t type, uint32_t index, void *w) {
                ServerEvent(c, static_cast<int>(type), index, w);
            },
            watch);
        pa_operation *subscribing = pa_context_subscribe(context,
            static_cast<pa_subscription_mask_t>(PA_SUBSCRIPTION_MASK_SINK | PA_SUBSCRIPTION_MASK_SERVER),
            nullptr, nullptr);
        if (subscribing != nullptr)
            pa_operation_unref(subscribing);
        watch->CountOutputs();
        break;
    }
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        watch->Lost();
        break;
    default:
        break;
    }
}

void SoundServerWatch::OutputListed(pa_context *, const pa_sink_info *info, int last, void *self)
{
    auto *watch = static_cast<SoundServerWatch *>(self);
    if (last == 0 && info != nullptr) {
        ++watch->FCounting;
        return;
    }
    watch->FOutputs = last < 0 ? 0 : watch->FCounting;
    watch->FAnswered = true;
}

void SoundServerWatch::ServerEvent(pa_context *, int type, unsigned, void *self)
{
    const int facility = type & PA_SUBSCRIPTION_EVENT_FACILITY_MASK;
    if (facility == PA_SUBSCRIPTION_EVENT_SINK || facility == PA_SUBSCRIPTION_EVENT_SERVER)
        static_cast<SoundServerWatch *>(self)->CountOutputs();
}

void SoundServerWatch::RetryDue(
    pa_mainloop_api *api, pa_time_event *event, const struct timeval *, void *self)
{
    auto *watch = static_cast<SoundServerWatch *>(self);
    api->time_free(event);
    watch->FRetry = nullptr;
    if (watch->FContext != nullptr) {
        pa_context_set_state_callback(watch->FContext, nullptr, nullptr);
        pa_context_set_subscribe_callback(watch->FContext, nullptr, nullptr);
        pa_context_disconnect(watch->FContext);
        pa_context_unref(watch->FContext);
        watch->FContext = nullptr;
    }
    watch->Connect();
}

} // namespace lumo

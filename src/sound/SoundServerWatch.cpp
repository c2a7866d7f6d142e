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
constexpr pa_usec_t kRetryUs = 1000 * 1000;  // a second without sound is what a restart may cost
}

SoundServerWatch::SoundServerWatch() : loop_(pa_threaded_mainloop_new()) {
    if (loop_ == nullptr) {
        answered_ = true;
        return;
    }
    pa_threaded_mainloop_lock(loop_);
    Connect();
    pa_threaded_mainloop_unlock(loop_);
    if (pa_threaded_mainloop_start(loop_) != 0) {
        pa_threaded_mainloop_lock(loop_);
        answered_ = true;
        pa_threaded_mainloop_unlock(loop_);
    }
}

SoundServerWatch::~SoundServerWatch() {
    if (loop_ == nullptr) return;
    pa_threaded_mainloop_stop(loop_);
    pa_mainloop_api *api = pa_threaded_mainloop_get_api(loop_);
    if (retry_ != nullptr) api->time_free(retry_);
    if (context_ != nullptr) {
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_set_subscribe_callback(context_, nullptr, nullptr);
        pa_context_disconnect(context_);
        pa_context_unref(context_);
    }
    pa_threaded_mainloop_free(loop_);
}

void SoundServerWatch::WaitForFirstAnswer(int timeoutMs) {
    if (loop_ == nullptr) return;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    pa_threaded_mainloop_lock(loop_);
    // The loop's API has no timed wait; short sleeps keep this one bounded.
    while (!answered_ && std::chrono::steady_clock::now() < deadline) {
        pa_threaded_mainloop_unlock(loop_);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        pa_threaded_mainloop_lock(loop_);
    }
    pa_threaded_mainloop_unlock(loop_);
}

void SoundServerWatch::Connect() {
    pa_mainloop_api *api = pa_threaded_mainloop_get_api(loop_);
    context_ = pa_context_new(api, "Lumo");
    if (context_ == nullptr) {
        Lost();
        return;
    }
    pa_context_set_state_callback(context_, &SoundServerWatch::StateChanged, this);
    // Never start a server of our own: the desktop's is followed, not replaced.
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) Lost();
}

void SoundServerWatch::Lost() {
    outputs_ = 0;
    answered_ = true;
    if (retry_ != nullptr) return;
    // The context is let go on the next turn: not inside its own callback.
    pa_mainloop_api *api = pa_threaded_mainloop_get_api(loop_);
    struct timeval when {};
    pa_timeval_add(pa_gettimeofday(&when), kRetryUs);
    retry_ = api->time_new(api, &when, &SoundServerWatch::RetryDue, this);
}

void SoundServerWatch::CountOutputs() {
    counting_ = 0;
    pa_operation *listing = pa_context_get_sink_info_list(context_, &SoundServerWatch::OutputListed, this);
    if (listing != nullptr) pa_operation_unref(listing);
}

void SoundServerWatch::StateChanged(pa_context *context, void *self) {
    auto *watch = static_cast<SoundServerWatch *>(self);
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY: {
        pa_context_set_subscribe_callback(
            context,
            [](pa_context *c, pa_subscription_event_type_t type, uint32_t index, void *w) {
                ServerEvent(c, static_cast<int>(type), index, w);
            },
            watch);
        pa_operation *subscribing = pa_context_subscribe(
            context, static_cast<pa_subscription_mask_t>(PA_SUBSCRIPTION_MASK_SINK | PA_SUBSCRIPTION_MASK_SERVER),
            nullptr, nullptr);
        if (subscribing != nullptr) pa_operation_unref(subscribing);
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

void SoundServerWatch::OutputListed(pa_context *, const pa_sink_info *info, int last, void *self) {
    auto *watch = static_cast<SoundServerWatch *>(self);
    if (last == 0 && info != nullptr) {
        ++watch->counting_;
        return;
    }
    watch->outputs_ = last < 0 ? 0 : watch->counting_;
    watch->answered_ = true;
}

void SoundServerWatch::ServerEvent(pa_context *, int type, unsigned, void *self) {
    const int facility = type & PA_SUBSCRIPTION_EVENT_FACILITY_MASK;
    if (facility == PA_SUBSCRIPTION_EVENT_SINK || facility == PA_SUBSCRIPTION_EVENT_SERVER)
        static_cast<SoundServerWatch *>(self)->CountOutputs();
}

void SoundServerWatch::RetryDue(pa_mainloop_api *api, pa_time_event *event, const struct timeval *, void *self) {
    auto *watch = static_cast<SoundServerWatch *>(self);
    api->time_free(event);
    watch->retry_ = nullptr;
    if (watch->context_ != nullptr) {
        pa_context_set_state_callback(watch->context_, nullptr, nullptr);
        pa_context_set_subscribe_callback(watch->context_, nullptr, nullptr);
        pa_context_disconnect(watch->context_);
        pa_context_unref(watch->context_);
        watch->context_ = nullptr;
    }
    watch->Connect();
}

} // namespace lumo

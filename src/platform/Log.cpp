#include "platform/Log.h"

#include "platform/StandardErrorLogSink.h"

#include <string>

namespace quillmere {
namespace {

constexpr std::string_view subsystem = "com.brenvald.quillmere";

constinit StandardErrorLogSink standardError;

} // namespace

constinit Logger log(subsystem, "wm", standardError);
constinit Signposter signposter(subsystem, "performance", standardError);

SignpostIntervalState Signposter::beginInterval(std::string_view name) {
    const SignpostIntervalState state{nextInterval_++};
    sink_->write(
        SignpostEntry{subsystem_, category_, SignpostEdge::begin, std::string(name), state.interval});
    return state;
}

void Signposter::endInterval(std::string_view name, SignpostIntervalState state) {
    sink_->write(SignpostEntry{subsystem_, category_, SignpostEdge::end, std::string(name), state.interval});
}

} // namespace quillmere

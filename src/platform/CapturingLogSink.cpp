#include "platform/CapturingLogSink.h"

#include "platform/Log.h"

namespace quillmere {

CapturingLogSink::CapturingLogSink()
    : previousLogSink_(log.sink()), previousSignposterSink_(signposter.sink()) {
    log.setSink(*this);
    signposter.setSink(*this);
}

CapturingLogSink::~CapturingLogSink() {
    log.setSink(previousLogSink_);
    signposter.setSink(previousSignposterSink_);
}

} // namespace quillmere

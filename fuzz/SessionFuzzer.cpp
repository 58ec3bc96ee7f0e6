#include "DocumentRoundTrip.h"
#include "core/Session.h"

// The session file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillmere;
    fuzz::checkDocumentRoundTrip(fuzz::text(data, size), decodeSession, encodeSession);
    return 0;
}

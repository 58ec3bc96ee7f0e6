#include "DocumentRoundTrip.h"
#include "core/Profile.h"

// A profile file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillmere;
    fuzz::checkDocumentRoundTrip(fuzz::text(data, size), decodeProfile, encodeProfile);
    return 0;
}

#include "DocumentRoundTrip.h"
#include "core/Settings.h"
#include "core/SettingsCoding.h"

// The configuration file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillmere;
    fuzz::checkDocumentRoundTrip(fuzz::text(data, size), decodeSettings, encodeSettings);
    return 0;
}

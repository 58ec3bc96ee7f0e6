#include "DocumentRoundTrip.h"
#include "core/JsonWriter.h"
#include "core/ProfileDisplay.h"

// One display record of a profile.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillmere;
    fuzz::checkDocumentRoundTrip(
        fuzz::text(data, size),
        [](std::string_view bytes) { return decodeJson<ProfileDisplay>(bytes, readProfileDisplay); },
        [](const ProfileDisplay& display) { return writeJson(nlohmann::json(display)); });
    return 0;
}

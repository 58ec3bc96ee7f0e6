#include "DocumentRoundTrip.h"
#include "core/JsonWriter.h"
#include "core/MenuBarSettings.h"
#include "core/MenuBarSettingsCoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillmere;
    fuzz::checkDocumentRoundTrip(
        fuzz::text(data, size),
        [](std::string_view bytes) { return decodeJson<MenuBarSettings>(bytes, readMenuBarSettings); },
        [](const MenuBarSettings& settings) { return writeJson(nlohmann::json(settings)); });
    return 0;
}

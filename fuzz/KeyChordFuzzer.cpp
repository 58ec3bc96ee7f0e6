#include "FuzzCheck.h"
#include "core/KeyChord.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillmere;
    const auto chord = KeyChord::parse(fuzz::text(data, size));
    if (!chord)
        return 0;
    fuzz::require(KeyChord::parse(chord->text()) == chord, "a printed chord parses to the same chord");
    fuzz::require(chord->keyCode().has_value(), "a parsed chord names a key of the table");
    return 0;
}

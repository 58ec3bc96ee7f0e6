#include "FuzzCheck.h"
#include "core/WindowRef.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillmere;
    const auto ref = WindowRef::parse(fuzz::text(data, size));
    if (!ref)
        return 0;
    fuzz::require(WindowRef::parse(ref->text()) == ref, "a written reference reads back to the same one");
    return 0;
}

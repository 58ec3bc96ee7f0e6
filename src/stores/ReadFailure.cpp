#include "stores/ReadFailure.h"

namespace quillmere {

std::string describe(const ReadFailure& failure) {
    if (const auto* decoding = std::get_if<DecodingError>(&failure))
        return decoding->text();
    return std::get<FileError>(failure).description;
}

} // namespace quillmere

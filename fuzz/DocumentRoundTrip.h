#pragma once

#include "FuzzCheck.h"

#include <string_view>

namespace quillmere::fuzz {

// What a document reader accepts, the writer writes, and what it writes reads back to the same value and
// writes again to the same bytes. The writer may refuse only what it cannot write (a number that is not
// finite), which no reader of JSON text can produce.
template <class Decode, class Encode>
void checkDocumentRoundTrip(std::string_view bytes, Decode decode, Encode encode) {
    const auto read = decode(bytes);
    if (!read.ok())
        return;
    const auto written = encode(read.value());
    require(written.ok(), "what reads can be written");
    const auto again = decode(written.value());
    require(again.ok(), "what is written reads back");
    require(again.value() == read.value(), "what is written reads back to the same value");
    const auto rewritten = encode(again.value());
    require(rewritten.ok() && rewritten.value() == written.value(), "writing again gives the same bytes");
}

} // namespace quillmere::fuzz

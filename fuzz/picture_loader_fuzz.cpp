// Feeds arbitrary bytes to the JPEG and BMP loaders: every input must end in a picture or a
// std::runtime_error, never in a crash, a hang or a read outside the buffer.
#include "maps/MDBmpFile.h"
#include "maps/MDJpeg.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        DecodeJpeg(bytes, "fuzz.jpg");
    } catch (const std::runtime_error&) {
    }
    try {
        DecodeBmp(bytes, "fuzz.bmp");
    } catch (const std::runtime_error&) {
    }
    return 0;
}

// Feeds fuzzer-chosen bytes to the Palm bitmap decoder and writes what it decodes back as a
// Palm bitmap and as a BMP descriptor. Any crash, hang, leak or sanitizer report is a bug;
// refusing the bytes with a message is the expected outcome for damaged input.
#include "BmpBridge.h"
#include "PalmCodec.h"

#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> bytes(data, data + size);
    orvanta::bitmap::PalmImage image;
    std::string error;
    if (!orvanta::bitmap::DecodePalmBitmap(bytes, &image, &error)) return 0;
    if (static_cast<size_t>(image.width) * static_cast<size_t>(image.height) > (1u << 20)) return 0;
    const std::vector<uint8_t> again = orvanta::bitmap::EncodePalmBitmap(image);
    orvanta::bitmap::PalmImage second;
    if (!orvanta::bitmap::DecodePalmBitmap(again, &second, &error) || second.pixels != image.pixels)
        __builtin_trap();  // what the encoder writes, the decoder must read back unchanged
    orvanta::bitmap::DibFromPalm(image);
    return 0;
}

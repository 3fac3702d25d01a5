// The bitmap converter: each call reads one file whole, converts it and writes the other.
#include "BitmapConverter.h"

#include "BmpBridge.h"
#include "PalmCodec.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace orvanta::bitmap {

namespace {

constexpr std::streamsize kMaxPalmFile = 64 << 20;

bool ReadFile(const std::string& path, std::vector<uint8_t>* bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    in.seekg(0, std::ios::end);
    if (in.tellg() > kMaxPalmFile) return false;
    in.seekg(0);
    bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

}  // namespace

void* BitmapConverter::QueryInterface(std::string_view interfaceName) {
    if (interfaceName == kInterfaceName) return static_cast<IBitmapConverter*>(this);
    return nullptr;
}

int32_t BitmapConverter::BmpToPalm(const std::string& bmpPath, const std::string& palmPath) {
    platform::Dib dib;
    std::string error;
    if (!platform::ReadDib(bmpPath, &dib, &error)) return Fail(bmpPath + ": " + error);
    if (dib.width > 0xFFFF || dib.height > 0xFFFF) return Fail(bmpPath + ": the picture is too large.");
    if (!WriteFile(palmPath, EncodePalmBitmap(PalmFromDib(dib))))
        return Fail(palmPath + ": cannot be written.");
    return Done();
}

int32_t BitmapConverter::PalmToBmp(const std::string& palmPath, const std::string& bmpPath) {
    std::vector<uint8_t> bytes;
    if (!ReadFile(palmPath, &bytes)) return Fail(palmPath + ": cannot be read.");
    PalmImage image;
    std::string error;
    if (!DecodePalmBitmap(bytes, &image, &error)) return Fail(palmPath + ": " + error);
    if (!platform::WriteDib(bmpPath, DibFromPalm(image))) return Fail(bmpPath + ": cannot be written.");
    return Done();
}

int32_t BitmapConverter::Fail(std::string text) {
    m_error = std::move(text);
    return kFailed;
}

int32_t BitmapConverter::Done() {
    m_error.clear();
    return kOk;
}

}  // namespace orvanta::bitmap

extern "C" __attribute__((visibility("default"))) orvanta::platform::IComponent* OrvantaCreateComponent(
    const char* progId) {
    if (!progId || std::strcmp(progId, orvanta::bitmap::kProgId) != 0) return nullptr;
    return new orvanta::bitmap::BitmapConverter();
}

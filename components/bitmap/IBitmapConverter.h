// The calls of the bitmap converter "QnlRLE.BitmapConverter.1": Palm OS bitmap files to and
// from Windows bitmap (BMP) files, file to file, as the image operations use it.
#pragma once

#include <cstdint>
#include <string>

namespace orvanta::bitmap {

inline constexpr const char* kProgId = "QnlRLE.BitmapConverter.1";
inline constexpr const char* kInterfaceName = "IBitmapConverter";

// Statuses: non-negative is success; a failure leaves its text in ErrorDescription().
inline constexpr int32_t kOk = 0;
inline constexpr int32_t kFailed = static_cast<int32_t>(0x80004005u);  // E_FAIL

class IBitmapConverter {
public:
    virtual ~IBitmapConverter() = default;
    // Reads a BMP file and writes the Palm bitmap the handheld shows for it.
    virtual int32_t BmpToPalm(const std::string& bmpPath, const std::string& palmPath) = 0;
    // Reads a Palm bitmap (its first rendition) and writes it as a BMP file.
    virtual int32_t PalmToBmp(const std::string& palmPath, const std::string& bmpPath) = 0;
    virtual std::string ErrorDescription() const = 0;
};

}  // namespace orvanta::bitmap

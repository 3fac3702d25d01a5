// The bitmap converter component "QnlRLE.BitmapConverter.1": reads and writes the files of
// its two conversions and keeps the text of the last failure.
#pragma once

#include "components/bitmap/IBitmapConverter.h"
#include "platform/Component.h"

namespace orvanta::bitmap {

class BitmapConverter final : public platform::IComponent, public IBitmapConverter {
public:
    void* QueryInterface(std::string_view interfaceName) override;

    int32_t BmpToPalm(const std::string& bmpPath, const std::string& palmPath) override;
    int32_t PalmToBmp(const std::string& palmPath, const std::string& bmpPath) override;
    std::string ErrorDescription() const override { return m_error; }

private:
    int32_t Fail(std::string text);
    int32_t Done();

    std::string m_error;
};

}  // namespace orvanta::bitmap

// The image operations: temporary files, the converter, the picture steps of import, and the
// messages of their failures.
#include "image/BitmapLib.h"

#include "components/bitmap/IBitmapConverter.h"
#include "image/DepthConversion.h"
#include "image/DepthReduction.h"
#include "image/IImageViewer.h"
#include "image/ImageTempFile.h"
#include "image/Scaling.h"
#include "io/QnAutoError.h"
#include "io/QnException.h"
#include "model/TbObjRecord.h"
#include "platform/Component.h"
#include "platform/FileSystem.h"
#include "platform/Prompt.h"

#include <QImageReader>

#include <memory>

namespace orvanta::image {

namespace {

// The converter, created for one call as the program creates COM objects.
bitmap::IBitmapConverter* CreateConverter(std::unique_ptr<platform::IComponent>* component) {
    bitmap::IBitmapConverter* converter = nullptr;
    const int32_t hr =
        platform::CreateComponentInterface(bitmap::kProgId, bitmap::kInterfaceName, component, &converter);
    if (hr != 0) throw platform::ComError(hr, std::string("Cannot create ") + bitmap::kProgId + ".");
    return converter;
}

// Runs a file operation of an image value; false when the file layer fails.
template <typename Fn>
bool FileStep(Fn&& fn) {
    try {
        fn();
        return true;
    } catch (const QnAutoError&) {
        return false;
    } catch (QnFileException* exception) {
        exception->Reset();
        return false;
    }
}

}  // namespace

bool CBitmapLib::BmpToPalm(const std::string& bmp, const std::string& palm, std::string* error) {
    std::unique_ptr<platform::IComponent> component;
    bitmap::IBitmapConverter* converter = CreateConverter(&component);
    if (converter->BmpToPalm(bmp, palm) >= 0) return true;
    *error = converter->ErrorDescription();
    return false;
}

bool CBitmapLib::PalmToBmp(const std::string& palm, const std::string& bmp, std::string* error) {
    std::unique_ptr<platform::IComponent> component;
    bitmap::IBitmapConverter* converter = CreateConverter(&component);
    if (converter->PalmToBmp(palm, bmp) >= 0) return true;
    *error = converter->ErrorDescription();
    return false;
}

bool CBitmapLib::ValueToBmp(const CTbObjRecordValue& value, const std::string& bmpPath, bool* written) {
    std::string rle, error;
    *written = MakeImageTempFile("ORV", "rle", &rle) && FileStep([&] { value.SaveData(rle); });
    if (!*written || !PalmToBmp(rle, bmpPath, &error)) return false;
    platform::DeleteFile(rle);  // only a failure leaves its files behind
    return true;
}

bool CBitmapLib::ViewImage(const CTbObjRecordValue& value) {
    std::string bmp;
    bool written = false;
    if (!MakeImageTempFile("ORV", "bmp", &bmp)) return Fail(kViewFailed);
    if (!ValueToBmp(value, bmp, &written)) return written ? Fail(kViewFailed) : false;
    return m_viewer && m_viewer->Open(bmp);
}

bool CBitmapLib::ExportImage(const CTbObjRecordValue& value, const std::string& destination) {
    bool written = false;
    if (!ValueToBmp(value, destination, &written)) return written ? Fail(kExportFailed) : false;
    return true;
}

bool CBitmapLib::PrepareImportBmp(const std::string& source, int bitsPerPixel, const std::string& bmpPath,
                                  IProgressIndicator* progress) {
    QImageReader reader(QString::fromStdString(source));
    const QImage picture = reader.read();
    if (picture.isNull() || picture.width() == 0 || picture.height() == 0) return false;
    std::string scaled, intermediate;
    if (!MakeImageTempFile("RSZ", "rbmp", &scaled) || !MakeImageTempFile("RSZ", "bmp", &intermediate))
        return false;
    const int sourceBits = SourceBits(source, picture);
    if (!ScalePicture(picture, sourceBits).save(QString::fromStdString(scaled), "BMP")) return false;
    if (!ConvertBmpDepth(scaled, intermediate, 24, progress)) return false;
    platform::Dib rgb;
    std::string error;
    if (!platform::ReadDib(intermediate, &rgb, &error) ||
        !platform::WriteDib(bmpPath, ReduceToDepth(rgb, bitsPerPixel)))
        return false;
    platform::DeleteFile(scaled);
    platform::DeleteFile(intermediate);
    return true;
}

bool CBitmapLib::ImportImage(CTbObjRecordValue& value, int bitsPerPixel, const std::string& source,
                             IProgressIndicator* progress) {
    std::string bmp, palm, error;
    if (!MakeImageTempFile("ORV", "bmp", &bmp) || !MakeImageTempFile("ORV", "pbmp", &palm))
        return Fail(kImportFailed);
    if (!PrepareImportBmp(source, bitsPerPixel, bmp, progress) || !BmpToPalm(bmp, palm, &error))
        return Fail(kImportFailed);
    CTbObjRecordValue loaded = value;
    if (!FileStep([&] { loaded.LoadData(palm); })) return Fail(kImportFailed);
    value = std::move(loaded);
    platform::DeleteFile(bmp);
    platform::DeleteFile(palm);
    return true;
}

bool CBitmapLib::Fail(const char* message) {
    if (m_prompt)
        m_prompt->Show(kMessageTitle, message, platform::PromptIcon::Error, platform::PromptButtons::Ok);
    return false;
}

}  // namespace orvanta::image

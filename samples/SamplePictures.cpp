// Saves the picture as a PNG file in the temporary folder and imports it into a value.
#include "SamplePictures.h"

#include "image/BitmapLib.h"
#include "image/ImageTempFile.h"
#include "model/TbObjRecord.h"
#include "platform/FileSystem.h"

#include <stdexcept>

namespace samples {

std::vector<uint8_t> ImportedPicture(const QImage& picture, int bitsPerPixel) {
    std::string path;
    if (!orvanta::image::MakeImageTempFile("SMP", "png", &path) ||
        !picture.save(QString::fromStdString(path), "PNG"))
        throw std::runtime_error("cannot write a sample picture");
    CTbObjRecordValue value;
    const bool imported = orvanta::image::CBitmapLib(nullptr, nullptr).ImportImage(value, bitsPerPixel, path);
    orvanta::platform::DeleteFile(path);
    if (!imported) throw std::runtime_error("cannot import a sample picture");
    return value.GetData();
}

}  // namespace samples

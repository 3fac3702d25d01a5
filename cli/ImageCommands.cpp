// image export, import and convert: find the record's Image value, run the image operation
// with the messages on the error stream, and save after an import.
#include "cli/ImageCommands.h"

#include "cli/StreamPrompt.h"
#include "cli/TabulonIo.h"
#include "image/BitmapLib.h"
#include "image/ImageTempFile.h"
#include "model/TbObjDB.h"
#include "model/TbObjField.h"
#include "platform/Component.h"
#include "platform/FileSystem.h"

#include <QImage>

#include <algorithm>

namespace orvanta::cli {

namespace {

std::string Extension(const std::string& path) {
    const size_t dot = path.find_last_of('.');
    std::string extension = dot == std::string::npos ? "" : path.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

// The Image value of a record and slot, or none with the reason in *message.
CTbObjRecordValue* ImageValue(CTbObjDB& db, int recordNumber, int slot, std::string* message) {
    const CTbObjField* field = db.Field(slot);
    if (!field || slot < 1 || field->GetType() != IMAGE_T) {
        *message = "Slot " + std::to_string(slot) + " is not an Image field.";
        return nullptr;
    }
    const int count = db.Records().Count(true);
    CTbObjRecord* record = recordNumber >= 1 ? db.Records().RecordInStoredOrder(recordNumber - 1) : nullptr;
    if (!record) {
        *message = "No record " + std::to_string(recordNumber) + ": the Tabulon has " +
                   std::to_string(count) + " records.";
        return nullptr;
    }
    return record->Value(slot);
}

// A picture the loader reads, written as a BMP file for the converter.
bool PictureToBmp(const std::string& picture, const std::string& bmp) {
    const QImage image(QString::fromStdString(picture));
    return !image.isNull() && image.save(QString::fromStdString(bmp), "BMP");
}

int Convert(const std::string& in, const std::string& out, CommandIo& io) {
    const std::string from = Extension(in), to = Extension(out);
    std::string error;
    if (to != "bmp" && to != "pbmp") return Failed(io, out + ": the output must be a .bmp or a .pbmp file.");
    if (from == "pbmp" && to == "bmp")
        return image::CBitmapLib::PalmToBmp(in, out, &error) ? 0 : Failed(io, error);
    if (from == "pbmp") return Failed(io, in + " is a Palm bitmap already.");
    std::string bmp = in;
    if (from != "bmp") {
        if (to == "bmp") return PictureToBmp(in, out) ? 0 : Failed(io, in + ": the picture cannot be read.");
        if (!image::MakeImageTempFile("ORV", "bmp", &bmp) || !PictureToBmp(in, bmp))
            return Failed(io, in + ": the picture cannot be read.");
    }
    if (to == "bmp") return Failed(io, in + " is a BMP file already.");
    const bool converted = image::CBitmapLib::BmpToPalm(bmp, out, &error);
    if (bmp != in) platform::DeleteFile(bmp);
    return converted ? 0 : Failed(io, error);
}

}  // namespace

int RunImageExport(const std::string& path, int recordNumber, int slot, const std::string& bmpPath,
                   CommandIo& io) {
    CTbObjDB db;
    std::string message;
    if (!LoadTabulon(db, path, io, &message)) return Failed(io, message);
    CTbObjRecordValue* value = ImageValue(db, recordNumber, slot, &message);
    if (!value) return Failed(io, message);
    if (value->GetData().empty())
        return Failed(io, "Record " + std::to_string(recordNumber) + " has no image.");
    StreamPrompt prompt(io.err);
    try {
        return image::CBitmapLib(&prompt, nullptr).ExportImage(*value, bmpPath) ? 0 : 1;
    } catch (const platform::ComError& error) {
        return Failed(io, error.what());
    }
}

int RunImageImport(const std::string& path, int recordNumber, int slot, const std::string& picture,
                   const SaveTarget& target, CommandIo& io) {
    CTbObjDB db;
    std::string message;
    if (!LoadTabulon(db, path, io, &message)) return Failed(io, message);
    CTbObjRecordValue* value = ImageValue(db, recordNumber, slot, &message);
    if (!value) return Failed(io, message);
    const int bits = static_cast<int>(db.Field(slot)->ImageProps()->GetBitsPerPixel());
    StreamPrompt prompt(io.err);
    try {
        if (!image::CBitmapLib(&prompt, nullptr).ImportImage(*value, bits, picture)) return 1;
    } catch (const platform::ComError& error) {
        return Failed(io, error.what());
    }
    value->SetHasValue(true);
    db.SetModified(true);
    if (!SaveTabulon(db, target, io, &message)) return Failed(io, message);
    return 0;
}

int RunImageConvert(const std::string& in, const std::string& out, CommandIo& io) {
    try {
        return Convert(in, out, io);
    } catch (const platform::ComError& error) {
        return Failed(io, error.what());
    }
}

}  // namespace orvanta::cli

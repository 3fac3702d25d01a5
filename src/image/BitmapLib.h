// CBitmapLib: viewing, exporting and importing the Palm bitmaps of Image fields. It prepares
// what the bitmap converter "QnlRLE.BitmapConverter.1" is given and hands its results on, all
// through temporary files; failures show the system's messages through the prompt.
#pragma once

#include <string>

class CTbObjRecordValue;
class IProgressIndicator;

namespace orvanta::platform {
class IPrompt;
}

namespace orvanta::image {

class IImageViewer;

inline constexpr const char* kMessageTitle = "Orvanta";
inline constexpr const char* kViewFailed =
    "Failed to convert image from a Palm bitmap to a Windows bitmap.  Image cannot be viewed.";
inline constexpr const char* kExportFailed =
    "Failed to convert image from a Palm bitmap to a Windows bitmap.  Export failed.";
inline constexpr const char* kImportFailed = "Failed to import!!!!!!!!!!!";

class CBitmapLib {
public:
    // The prompt shows the failures; the viewer (may be null when nothing is viewed) shows pictures.
    CBitmapLib(platform::IPrompt* prompt, IImageViewer* viewer) : m_prompt(prompt), m_viewer(viewer) {}

    // Converts the value's Palm bitmap to a BMP and opens it in the viewer. A value that cannot be
    // written ends silently. Creating the converter can throw platform::ComError.
    bool ViewImage(const CTbObjRecordValue& value);
    // As ViewImage, but the BMP is written to destination and nothing is opened. Each operation
    // removes its temporary files when it succeeds (the viewed BMP stays for the viewer).
    bool ExportImage(const CTbObjRecordValue& value, const std::string& destination);
    // Loads the picture, scales it into 154 x 135, reduces it to bitsPerPixel (the field's image
    // format) and stores the converted Palm bitmap in the value; unchanged on failure.
    bool ImportImage(CTbObjRecordValue& value, int bitsPerPixel, const std::string& source,
                     IProgressIndicator* progress = nullptr);

    // The import's picture work without a value: source picture to the BMP handed to the
    // converter (bits per pixel as above), and that BMP converted into the Palm bitmap palmPath.
    bool PrepareImportBmp(const std::string& source, int bitsPerPixel, const std::string& bmpPath,
                          IProgressIndicator* progress);
    // The two conversions of the converter, file to file; false with the converter's text in *error.
    static bool BmpToPalm(const std::string& bmp, const std::string& palm, std::string* error);
    static bool PalmToBmp(const std::string& palm, const std::string& bmp, std::string* error);

private:
    // Writes the value's bitmap to an "rle" file and converts it into bmpPath.
    bool ValueToBmp(const CTbObjRecordValue& value, const std::string& bmpPath, bool* written);
    bool Fail(const char* message);

    platform::IPrompt* m_prompt;
    IImageViewer* m_viewer;
};

}  // namespace orvanta::image

// IImageViewer: where a converted picture is shown. The program opens the desktop's image
// viewer (it stands for the paint program); the command line and the tests record the path.
#pragma once

#include <string>

namespace orvanta::image {

class IImageViewer {
public:
    virtual ~IImageViewer() = default;
    // Opens the BMP file at path in the viewer; false when nothing could be started.
    virtual bool Open(const std::string& path) = 0;
};

}  // namespace orvanta::image

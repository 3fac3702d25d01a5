// A designer command's refusal or question: the message box's title and text. None (no text)
// when the command went ahead.
#pragma once

namespace orvanta::app {

struct DesignMessage {
    const char* title = nullptr;
    const char* text = nullptr;
    explicit operator bool() const { return text != nullptr; }
};

}  // namespace orvanta::app

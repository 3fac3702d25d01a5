// QtPrompt: the core's questions and messages as Qt message boxes, each with the title, text,
// icon and buttons it was given, over the window that is active.
#pragma once

#include "platform/Prompt.h"

#include <memory>

class QMessageBox;
class QWidget;

namespace orvanta::app {

class QtPrompt : public platform::IPrompt {
public:
    platform::PromptAnswer Show(const std::string& title, const std::string& text, platform::PromptIcon icon,
                                platform::PromptButtons buttons) override;
    // The message box Show runs, not yet shown.
    static std::unique_ptr<QMessageBox> MessageBox(const std::string& title, const std::string& text,
                                                   platform::PromptIcon icon, platform::PromptButtons buttons,
                                                   QWidget* parent);
};

}  // namespace orvanta::app

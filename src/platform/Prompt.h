// IPrompt: how core code shows a message or asks a question without knowing the user
// interface. The program answers with a message box, the command line on its error stream.
#pragma once

#include <string>

namespace orvanta::platform {

enum class PromptIcon { None, Information, Warning, Error, Question };
enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel, SaveCancel };
enum class PromptAnswer { Ok, Cancel, Yes, No, Save };

class IPrompt {
public:
    virtual ~IPrompt() = default;
    virtual PromptAnswer Show(const std::string& title, const std::string& text, PromptIcon icon,
                              PromptButtons buttons) = 0;
};

}  // namespace orvanta::platform

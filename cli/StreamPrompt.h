// StreamPrompt: the command line's answer to the core's messages. It writes each message to a
// stream once and counts repeats, so that a failure in every record does not flood the terminal.
#pragma once

#include "platform/Prompt.h"

#include <map>
#include <ostream>
#include <string>

namespace orvanta::cli {

class StreamPrompt : public platform::IPrompt {
public:
    explicit StreamPrompt(std::ostream& out) : m_out(out) {}
    // Writes how often each message came again after its first showing.
    ~StreamPrompt() override;

    // Writes "title: text" (UTF-8) the first time; answers Ok, or No to a question.
    platform::PromptAnswer Show(const std::string& title, const std::string& text, platform::PromptIcon icon,
                                platform::PromptButtons buttons) override;
    int Count() const { return m_count; }

private:
    std::ostream& m_out;
    std::map<std::string, int> m_repeats;
    int m_count = 0;
};

}  // namespace orvanta::cli

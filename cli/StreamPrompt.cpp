// Messages of the core on the command line's error stream, each shown once.
#include "cli/StreamPrompt.h"

#include "platform/CodePage.h"

namespace orvanta::cli {

StreamPrompt::~StreamPrompt() {
    for (const auto& [message, repeats] : m_repeats)
        if (repeats > 0)
            m_out << "(the message \"" << platform::Utf8FromWindows1252(message) << "\" came " << repeats
                  << " more time" << (repeats == 1 ? "" : "s") << ")\n";
}

platform::PromptAnswer StreamPrompt::Show(const std::string& title, const std::string& text,
                                          platform::PromptIcon, platform::PromptButtons buttons) {
    ++m_count;
    auto [it, first] = m_repeats.emplace(text, 0);
    if (first)
        m_out << platform::Utf8FromWindows1252(title) << ": " << platform::Utf8FromWindows1252(text) << '\n';
    else
        ++it->second;
    // Nobody answers on the command line: a question is declined and nothing is saved.
    switch (buttons) {
        case platform::PromptButtons::YesNo:
        case platform::PromptButtons::YesNoCancel:
            return platform::PromptAnswer::No;
        case platform::PromptButtons::SaveCancel:
            return platform::PromptAnswer::Cancel;
        default:
            return platform::PromptAnswer::Ok;
    }
}

}  // namespace orvanta::cli

// What core code reports to its user, recorded for a test to compare: each progress call as one
// line ("Begin", "SetRange 90", "Step 1", "SetText ...", "End") and each prompt's title and text,
// answered with a set answer.
#pragma once

#include "model/IProgressIndicator.h"
#include "platform/Prompt.h"

#include <string>
#include <vector>

class RecordingProgress : public IProgressIndicator {
public:
    void Begin() override { calls.push_back("Begin"); }
    void End() override { calls.push_back("End"); }
    void SetRange(int n) override { calls.push_back("SetRange " + std::to_string(n)); }
    void Step(int k) override { calls.push_back("Step " + std::to_string(k)); }
    void SetText(const std::string& text) override { calls.push_back("SetText " + text); }
    std::vector<std::string> calls;
};

class RecordingPrompt : public orvanta::platform::IPrompt {
public:
    orvanta::platform::PromptAnswer Show(const std::string& title, const std::string& text,
                                         orvanta::platform::PromptIcon,
                                         orvanta::platform::PromptButtons) override {
        titles.push_back(title);
        texts.push_back(text);
        return answer;
    }
    std::vector<std::string> titles, texts;
    orvanta::platform::PromptAnswer answer = orvanta::platform::PromptAnswer::Ok;
};

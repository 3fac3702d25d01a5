// Shared pieces of the expression engine tests: a prompt that records what it was asked to
// show, and a progress sink that records its calls.
#pragma once

#include "model/IProgressIndicator.h"
#include "platform/Prompt.h"

#include <string>
#include <vector>

class RecordingPrompt : public orvanta::platform::IPrompt {
public:
    orvanta::platform::PromptAnswer Show(const std::string&, const std::string& text, orvanta::platform::PromptIcon,
                                         orvanta::platform::PromptButtons) override {
        messages.push_back(text);
        return orvanta::platform::PromptAnswer::Ok;
    }
    std::vector<std::string> messages;
};

class RecordingProgress : public IProgressIndicator {
public:
    void Begin() override { calls.push_back("begin"); }
    void End() override { calls.push_back("end"); }
    void SetRange(int n) override { calls.push_back("range " + std::to_string(n)); }
    void Step(int k) override { steps += k; }
    void SetText(const std::string& text) override { calls.push_back("text " + text); }
    std::vector<std::string> calls;
    int steps = 0;
};

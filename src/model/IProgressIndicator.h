// IProgressIndicator: where long operations (reading, writing, importing) report progress.
// Callers pass it as a possibly null pointer; the program shows a dialog, the CLI a bar.
#pragma once

#include <string>

class IProgressIndicator {
public:
    virtual ~IProgressIndicator() = default;
    // Shows the progress (range 0 to 100) and a wait cursor.
    virtual void Begin() = 0;
    // Hides it again.
    virtual void End() = 0;
    // Range 0 to n, position 0.
    virtual void SetRange(int n) = 0;
    // Advances k steps, never beyond the range.
    virtual void Step(int k) = 0;
    virtual void SetText(const std::string& text) = 0;
};

// Shows the progress (Begin ... End) for the lifetime of one read or write; progress may be null.
class ProgressShown {
public:
    explicit ProgressShown(IProgressIndicator* progress) : m_progress(progress) {
        if (m_progress) m_progress->Begin();
    }
    ~ProgressShown() {
        if (m_progress) m_progress->End();
    }
    ProgressShown(const ProgressShown&) = delete;
    ProgressShown& operator=(const ProgressShown&) = delete;

private:
    IProgressIndicator* m_progress;
};

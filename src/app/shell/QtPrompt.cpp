// Message boxes for the prompt seam.
#include "app/shell/QtPrompt.h"

#include "app/widgets/QtText.h"

#include <QApplication>
#include <QMessageBox>

namespace orvanta::app {
namespace {

using platform::PromptAnswer;
using platform::PromptButtons;
using platform::PromptIcon;

QMessageBox::Icon IconOf(PromptIcon icon) {
    switch (icon) {
        case PromptIcon::Information:
            return QMessageBox::Information;
        case PromptIcon::Warning:
            return QMessageBox::Warning;
        case PromptIcon::Error:
            return QMessageBox::Critical;
        case PromptIcon::Question:
            return QMessageBox::Question;
        default:
            return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons ButtonsOf(PromptButtons buttons) {
    switch (buttons) {
        case PromptButtons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case PromptButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case PromptButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case PromptButtons::SaveCancel:
            return QMessageBox::Save | QMessageBox::Cancel;
        default:
            return QMessageBox::Ok;
    }
}

PromptAnswer AnswerOf(int button) {
    switch (button) {
        case QMessageBox::Yes:
            return PromptAnswer::Yes;
        case QMessageBox::No:
            return PromptAnswer::No;
        case QMessageBox::Save:
            return PromptAnswer::Save;
        case QMessageBox::Ok:
            return PromptAnswer::Ok;
        default:
            return PromptAnswer::Cancel;
    }
}

}  // namespace

std::unique_ptr<QMessageBox> QtPrompt::MessageBox(const std::string& title, const std::string& text,
                                                  PromptIcon icon, PromptButtons buttons, QWidget* parent) {
    return std::make_unique<QMessageBox>(IconOf(icon), ToQt(title.empty() ? "Orvanta" : title), ToQt(text),
                                         ButtonsOf(buttons), parent);
}

PromptAnswer QtPrompt::Show(const std::string& title, const std::string& text, PromptIcon icon,
                            PromptButtons buttons) {
    return AnswerOf(MessageBox(title, text, icon, buttons, QApplication::activeWindow())->exec());
}

}  // namespace orvanta::app

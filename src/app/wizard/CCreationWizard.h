// CCreationWizard: "Create New Tabulon": the new Tabulon's name (27 characters at most), its
// location (handheld memory or a card) and category, and the way its design is made: with the
// Designer, by setting up synchronisation with an Access table, or by importing a file.
#pragma once

#include "library/CTbItem.h"

#include <QDialog>

#include <string>

class CTbBrowser;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
namespace orvanta::platform {
class IPrompt;
}

namespace orvanta::app {

class CCreationWizard : public QDialog {
    Q_OBJECT
public:
    enum Method { Design = 0, Synchronize = 1, Import = 2 };
    // Every method is offered; a single method's mode offers only that one.
    static constexpr int kAllMethods = 3;

    CCreationWizard(CTbBrowser& library, int mode, platform::IPrompt* prompt, QWidget* parent = nullptr);

    // Checks the name; a valid one ends the wizard with the method chosen.
    void Choose(Method method);

    std::string NewName() const;
    // The index in the library's category list (0 for "Unfiled").
    int CategoryIndex() const;
    CardId Card() const;
    Method ChosenMethod() const { return m_method; }

    QLineEdit* NameEntry() const { return m_name; }
    QComboBox* Location() const { return m_location; }
    QComboBox* Category() const { return m_category; }
    QLabel* Prompt() const { return m_prompt; }
    QPushButton* MethodButton(Method method) const { return m_buttons[method]; }

private:
    void AddMethod(Method method, const char* title, const char* description, bool offered,
                   QGridLayout* grid);

    CTbBrowser& m_library;
    platform::IPrompt* m_messages;
    QLineEdit* m_name;
    QComboBox* m_location;
    QComboBox* m_category;
    QLabel* m_prompt;
    QPushButton* m_buttons[3] = {};
    Method m_method = Design;
};

}  // namespace orvanta::app

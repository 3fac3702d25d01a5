// CNewFieldDlg: "New Field": the name of a field the mapping page adds for a column, shown with
// the type it will have; an empty name is refused.
#pragma once

#include <QDialog>

#include <string>

class QLineEdit;
namespace orvanta::platform {
class IPrompt;
}

namespace orvanta::app {

class CNewFieldDlg : public QDialog {
    Q_OBJECT
public:
    CNewFieldDlg(const QString& name, int type, platform::IPrompt* prompt, QWidget* parent = nullptr);
    void accept() override;
    std::string FieldName() const;
    QLineEdit* NameEntry() const { return m_name; }

private:
    platform::IPrompt* m_prompt;
    QLineEdit* m_name;
};

}  // namespace orvanta::app

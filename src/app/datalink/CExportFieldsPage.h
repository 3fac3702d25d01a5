// CExportFieldsPage: the export's field page: "Tabulon Fields" and "Fields To Export" side by
// side with "Field >", "All >>" (after a question) and "< Remove".
#pragma once

#include "app/datalink/ExportFieldChoice.h"

#include <QWidget>

class QListWidget;
namespace orvanta::platform {
class IPrompt;
}

namespace orvanta::app {

class CExportFieldsPage : public QWidget {
    Q_OBJECT
public:
    CExportFieldsPage(const CTbObjDB& db, platform::IPrompt* prompt, QWidget* parent = nullptr);

    // A saved list, checked: the warning when fields were dropped is returned, not shown.
    DataLinkMessage SetChosen(const std::vector<int32_t>& saved);
    const std::vector<int32_t>& Chosen() const { return m_choice.Chosen(); }

    // The selected Tabulon fields go to the end of the export list.
    void ChooseSelected();
    // Asks, then exports every field.
    void ChooseAll();
    void RemoveSelected();

    QListWidget* FieldList() const { return m_available; }
    QListWidget* ExportList() const { return m_chosen; }

signals:
    void ChoiceChanged();

private:
    void Fill();

    const CTbObjDB& m_db;
    platform::IPrompt* m_prompt;
    ExportFieldChoice m_choice;
    QListWidget* m_available;
    QListWidget* m_chosen;
};

}  // namespace orvanta::app

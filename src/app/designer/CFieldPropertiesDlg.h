// CFieldPropertiesDlg: a field's property sheet: "General" (name and type, with each type's
// description; a type change is asked and made at once) and the page of its type family.
#pragma once

#include "app/designer/FieldPropertyPages.h"
#include "app/widgets/PageServices.h"

#include <QDialog>

class CTbObjDB;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace orvanta::app {

class CFieldPropertiesDlg : public QDialog {
    Q_OBJECT
public:
    CFieldPropertiesDlg(CTbObjDB& db, int slot, const PageServices& services, QWidget* parent);

    // Stores the name and the family page's choices; a refusal is told and the sheet stays open.
    void accept() override;
    // Whether anything was changed (the type at once, or the rest on OK).
    bool Changed() const { return m_changed; }

    QLineEdit* NameEdit() const { return m_name; }
    QComboBox* TypeList() const { return m_types; }
    QLabel* Description() const { return m_description; }
    QTabWidget* Pages() const { return m_pages; }

private:
    void OnTypeChosen(int position);
    void ShowFamilyPage();

    CTbObjDB& m_db;
    int m_slot;
    PageServices m_services;
    bool m_changed = false;
    QLineEdit* m_name;
    QComboBox* m_types;
    QLabel* m_description;
    QTabWidget* m_pages;
    ApplyPage m_applyPage;
};

}  // namespace orvanta::app

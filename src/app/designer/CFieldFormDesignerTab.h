// CFieldFormDesignerTab: the "Designer" tab: the field design on the left (names and types), the
// buttons that place fields, labels and tabs in the middle, and the form design on the right
// (tabs of rows). Every command changes the Tabulon at once and marks it modified.
#pragma once

#include "app/designer/DesignMessage.h"
#include "app/designer/FormDesign.h"
#include "app/widgets/PageServices.h"
#include "platform/Prompt.h"

#include <QWidget>

class CPvtrPrefs;
class CTbItem;
class QComboBox;
class QLabel;
class QTabBar;
class QTableView;

namespace orvanta::app {

class FieldDesignModel;
class FormDesignModel;

class CFieldFormDesignerTab : public QWidget {
    Q_OBJECT
public:
    // prefs: where the tips window's first-run setting is kept (may be null).
    CFieldFormDesignerTab(const PageServices& services, CPvtrPrefs* prefs, QWidget* parent = nullptr);

    // Shows the item's design (read in full first); the tips window the first time.
    void ShowItem(CTbItem* item);

    // The field design's commands, on the field selected in its grid.
    void AddField();
    void DeleteField();
    void EditProperties();
    // The middle buttons, on the selected field and the selected form row.
    void PlaceField();
    void PlaceLabel();
    void AddTab();
    void AddAllFields();
    void ClearRow();
    void RemoveEverything();
    // The tab commands, on the selected tab of the tab row.
    void EditTab();
    void RemoveTab();
    void MoveTab(int delta);
    void RemoveTabs();
    // The passwords dialog and the view manager.
    void EditPasswords();
    void EditViews();

    // What the user selects, for the commands above.
    void SelectField(int slot);
    void SelectTabRow(int tab);
    void SelectFormRow(int position);

    QTableView* FieldGrid() const { return m_fieldGrid; }
    QTableView* FormGrid() const { return m_formGrid; }
    QTabBar* FormTabs() const { return m_tabBar; }
    FieldDesignModel& Fields() const { return *m_fields; }
    FormDesignModel& Form() const { return *m_form; }
    QLabel* TypeDescription() const { return m_description; }
    // The selected label row's alignment ("Left", "Center", "Right"); disabled for other rows.
    QComboBox* LabelAlignment() const { return m_alignment; }

signals:
    // The design was changed.
    void Changed();

private:
    QWidget* BuildFieldDesign();
    QWidget* BuildPlacing();
    QWidget* BuildFormDesign();
    void Rename(int slot, const QString& name);
    void Retype(int slot, int type);
    // Computed fields show their new results once their design changed.
    void RecalculateAfter(int slot);
    int SelectedSlot() const;
    FormDesign::Selection Selected() const;
    // Shows the Tabulon's fields and form again, keeping what was selected.
    void Refresh(int tab);
    void Done(int tab);
    bool Tell(const DesignMessage& message, platform::PromptIcon icon);
    bool Ask(const DesignMessage& question, platform::PromptButtons buttons);
    void ShowDescription();
    void ShowAlignment();

    PageServices m_services;
    CPvtrPrefs* m_prefs;
    CTbItem* m_item = nullptr;
    bool m_tabRowSelected = false;
    FieldDesignModel* m_fields;
    FormDesignModel* m_form;
    QTableView* m_fieldGrid;
    QTableView* m_formGrid;
    QTabBar* m_tabBar;
    QLabel* m_description;
    QComboBox* m_alignment;
};

}  // namespace orvanta::app

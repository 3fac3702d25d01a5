// CMappingPage: the import's "Field Mapping" page: the grid of the file's columns with their
// import types and target fields, "Add All Fields" and "Clear". New fields are added to the
// Tabulon as they are asked for.
#pragma once

#include "app/datalink/ImportMapping.h"
#include "app/datalink/ImportMappingModel.h"

#include <QWidget>

#include <memory>

class QTableView;
namespace orvanta::platform {
class IPrompt;
}

namespace orvanta::app {

class CMappingPage : public QWidget {
    Q_OBJECT
public:
    explicit CMappingPage(platform::IPrompt* prompt, QWidget* parent = nullptr);

    // Shows the mapping, which the page then owns.
    void SetMapping(std::unique_ptr<ImportMapping> mapping);
    ImportMapping* Mapping() const { return m_mapping.get(); }
    ImportMappingModel& Model() const { return *m_model; }
    QTableView* Grid() const { return m_grid; }

    // Asks for the new field's name and maps the row to it.
    void AddField(int row);
    void AddAllFields();
    void Clear();

signals:
    void MappingChanged();

private:
    void Tell(const DataLinkMessage& message);

    platform::IPrompt* m_prompt;
    std::unique_ptr<ImportMapping> m_mapping;
    ImportMappingModel* m_model;
    QTableView* m_grid;
};

}  // namespace orvanta::app

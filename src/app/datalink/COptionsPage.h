// COptionsPage: the first page of an import or export: the file with its chooser, the specification's
// name, the delimiter, the date and time formats, the first-row choice and, for an import,
// "Replace existing records". A file's extension sets the delimiter; for an export the
// delimiter sets the file's extension.
#pragma once

#include "importexport/ImportExportTypes.h"
#include "importexport/TextEncoding.h"

#include <QWidget>

#include <string>

class QAbstractButton;
class QBoxLayout;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;

namespace orvanta::app {

class IFileDialogs;

class COptionsPage : public QWidget {
    Q_OBJECT
public:
    enum Kind { Import, Export };

    COptionsPage(Kind kind, IFileDialogs* files, QWidget* parent = nullptr);

    void SetValues(const std::string& specName, const std::string& path, const ImportExportOptions& options);
    std::string SpecName() const;
    std::string Path() const;
    ImportExportOptions Options() const;
    // A text file's encoding: Windows-1252 (the default), UTF-8, UTF-16 or detected on import;
    // Windows-1252 or UTF-8 with or without its signature on export.
    TextEncoding Encoding() const;
    void SetEncoding(TextEncoding encoding);

    // Asks the file chooser for the file and takes it.
    void Browse();
    // Takes a path as if chosen: its extension's rules are applied.
    void SetPath(const QString& path);
    void SetDelimiter(int32_t delimiter);

    QLineEdit* PathEntry() const { return m_path; }
    QLineEdit* NameEntry() const { return m_name; }
    QAbstractButton* DelimiterButton(int32_t delimiter) const;
    QCheckBox* FirstRow() const { return m_firstRow; }
    QCheckBox* Replace() const { return m_replace; }
    QComboBox* EncodingChoice() const { return m_encoding; }

private:
    void OnDelimiterChosen(int delimiter);
    QButtonGroup* Choices(const char* title, const QStringList& labels, QBoxLayout* into);

    Kind m_kind;
    IFileDialogs* m_files;
    QLineEdit* m_path;
    QLineEdit* m_name;
    QButtonGroup* m_delimiter = nullptr;
    QButtonGroup* m_dateFormat = nullptr;
    QButtonGroup* m_timeFormat = nullptr;
    QCheckBox* m_seconds;
    QCheckBox* m_firstRow;
    QCheckBox* m_replace;
    QComboBox* m_encoding;
    int32_t m_workbookDelimiter = -1;  // the list separator's delimiter while a workbook is chosen
};

}  // namespace orvanta::app

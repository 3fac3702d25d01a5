// CDetailsTab: the "Details" page: the chosen Tabulon's settings, counts, dates and path, or
// the page that says why there is nothing to show (no selection, several, a file that fails).
#pragma once

#include <QWidget>

class CTbBrowser;
class CTbItem;
class QLabel;

namespace orvanta::app {

class CDetailsTab : public QWidget {
    Q_OBJECT
public:
    explicit CDetailsTab(QWidget* parent = nullptr);

    void ShowNoSelection();
    void ShowMultipleSelection();
    // The item's details, or its error page when its header could not be read or its design is
    // too new; false for an error page.
    bool ShowItem(CTbItem& item, const CTbBrowser& browser);

    QString Heading() const;
    QString Body() const;

private:
    void Show(const QString& heading, const QString& body, bool rich);

    QLabel* m_heading;
    QLabel* m_body;
};

// True when the Tabulon's design is of a later version than this program reads.
bool IsDesignTooNew(const CTbItem& item);

}  // namespace orvanta::app

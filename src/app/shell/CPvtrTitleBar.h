// CPvtrTitleBar: the band above the panes: the program's name, the HotSync user selector and the
// category selector ("All" or one of the library's categories).
#pragma once

#include <QWidget>

#include <cstdint>
#include <string>
#include <vector>

class QComboBox;
struct TbCategory;

namespace orvanta::app {

class CPvtrTitleBar : public QWidget {
    Q_OBJECT
public:
    explicit CPvtrTitleBar(QWidget* parent = nullptr);

    // Fills the selectors without announcing a choice.
    void SetUsers(const std::vector<std::string>& users, const std::string& current);
    void SetCategories(const std::vector<TbCategory>& categories);
    // 65535 for "All".
    uint16_t CategoryId() const;
    QComboBox* UserSelector() const { return m_users; }
    QComboBox* CategorySelector() const { return m_categories; }

signals:
    void UserChosen(const QString& user);
    void CategoryChosen(uint16_t categoryId);

private:
    QComboBox* m_users;
    QComboBox* m_categories;
};

}  // namespace orvanta::app

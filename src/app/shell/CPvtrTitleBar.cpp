// The title band's selectors.
#include "app/shell/CPvtrTitleBar.h"

#include "app/shell/TbListModel.h"
#include "app/widgets/QtText.h"
#include "library/CTbBrowser.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

namespace orvanta::app {

CPvtrTitleBar::CPvtrTitleBar(QWidget* parent)
    : QWidget(parent), m_users(new QComboBox(this)), m_categories(new QComboBox(this)) {
    setObjectName("titleBar");
    setAutoFillBackground(true);
    QPalette band = palette();
    band.setColor(QPalette::Window, QColor(0x2b, 0x4a, 0x6f));
    band.setColor(QPalette::WindowText, Qt::white);
    setPalette(band);

    auto* name = new QLabel("Orvanta", this);
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    name->setFont(big);
    m_users->setToolTip("Change the user");
    m_users->setMinimumWidth(160);
    m_categories->setToolTip("Change the category");
    m_categories->setMinimumWidth(140);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 6, 12, 6);
    layout->addWidget(name);
    layout->addStretch(1);
    auto* userLabel = new QLabel("User", this);
    userLabel->setBuddy(m_users);
    layout->addWidget(userLabel);
    layout->addWidget(m_users);
    layout->addSpacing(16);
    auto* categoryLabel = new QLabel("Category", this);
    categoryLabel->setBuddy(m_categories);
    layout->addWidget(categoryLabel);
    layout->addWidget(m_categories);

    connect(m_users, &QComboBox::activated, this,
            [this](int index) { emit UserChosen(m_users->itemText(index)); });
    connect(m_categories, &QComboBox::activated, this, [this](int) { emit CategoryChosen(CategoryId()); });
}

void CPvtrTitleBar::SetUsers(const std::vector<std::string>& users, const std::string& current) {
    QSignalBlocker block(m_users);
    m_users->clear();
    for (const std::string& user : users) m_users->addItem(ToQt(user));
    m_users->setCurrentIndex(m_users->findText(ToQt(current)));
}

void CPvtrTitleBar::SetCategories(const std::vector<TbCategory>& categories) {
    QSignalBlocker block(m_categories);
    uint16_t chosen = CategoryId();
    m_categories->clear();
    m_categories->addItem("All", TbListModel::kAllCategories);
    for (const TbCategory& category : categories) m_categories->addItem(ToQt(category.name), category.id);
    int index = m_categories->findData(chosen);
    m_categories->setCurrentIndex(index < 0 ? 0 : index);
}

uint16_t CPvtrTitleBar::CategoryId() const {
    QVariant id = m_categories->currentData();
    return id.isValid() ? static_cast<uint16_t>(id.toUInt()) : TbListModel::kAllCategories;
}

}  // namespace orvanta::app

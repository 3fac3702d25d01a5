// The designer's tips window, shown the first time a Tabulon is shown in the designer.
#pragma once

#include <QDialog>

namespace orvanta::app {

inline constexpr const char* kDesignTips =
    "Welcome to the Tabulon Designer!\nGet started designing Tabulons in 3 easy steps:\n\n1. Use the Field "
    "Design on "
    "the left to add fields to your Tabulon via the plus button.\n\n2. Use the buttons in the middle to "
    "place "
    "fields from the Field Design onto the Form on the right.\n\n3. Use the Form Design on the right to "
    "customize "
    "the look of your Tabulon as it will appear on the desktop and handheld when editing records.\n";

class CDesignTipsDlg : public QDialog {
    Q_OBJECT
public:
    explicit CDesignTipsDlg(QWidget* parent);
};

}  // namespace orvanta::app

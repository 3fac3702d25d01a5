// The type families' property pages.
#include "app/designer/FieldPropertyPages.h"

#include "app/designer/CAdvExpressionEditorDlg.h"
#include "app/records/ListEditorDialogs.h"
#include "app/records/ListItemsDraft.h"
#include "app/records/ValueEntry.h"
#include "app/widgets/QtText.h"
#include "model/TbObjDB.h"
#include "model/TbObjField.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cstdlib>

namespace orvanta::app {
namespace {

// Calls the setter only with a value that differs, so that looking at a page changes nothing.
template <typename T, typename Get, typename Set>
void Store(T value, Get get, Set set) {
    if (!(get() == value)) set(value);
}

QComboBox* Choices(const QStringList& names, int current, const char* objectName, QWidget* parent) {
    auto* choices = new QComboBox(parent);
    choices->setObjectName(objectName);
    choices->addItems(names);
    choices->setCurrentIndex(std::clamp(current, 0, static_cast<int>(names.size()) - 1));
    return choices;
}

QLineEdit* Entry(const std::string& text, const char* objectName, QWidget* parent) {
    auto* entry = new QLineEdit(ToQt(text), parent);
    entry->setObjectName(objectName);
    return entry;
}

// An entry that must be a whole number within the type's range; empty is allowed.
bool InRange(const QString& entry, TbFieldType type) {
    if (entry.trimmed().isEmpty()) return true;
    bool number = false;
    const qlonglong value = entry.trimmed().toLongLong(&number);
    if (!number) return false;
    return type == INTEGER_T ? value >= -32768 && value <= 32767
                             : value >= -2147483648LL && value <= 2147483647LL;
}

QWidget* TextPage(CTbObjFieldText& text, ApplyPage* apply, QWidget* page, QFormLayout* form) {
    auto* value = Entry(text.GetDefaultValue(), "defaultValue", page);
    auto* separator =
        Choices({"(not used)", "comma", "space", "semicolon", "slash", "backslash", "dash", "none"},
                text.GetAutoWriter(), "separator", page);
    form->addRow("&Default value:", value);
    form->addRow("Auto-writer &separator:", separator);
    *apply = [&text, value, separator] {
        Store(
            FromQt(value->text()), [&] { return text.GetDefaultValue(); },
            [&](const std::string& v) { text.SetDefaultValue(v); });
        Store(
            static_cast<uint16_t>(separator->currentIndex()), [&] { return text.GetAutoWriter(); },
            [&](uint16_t v) { text.SetAutoWriter(v); });
        return DesignMessage{};
    };
    return page;
}

QWidget* NumberPage(CTbObjFieldNumber& number, TbFieldType type, ApplyPage* apply, QWidget* page,
                    QFormLayout* form) {
    auto* value = Entry(number.GetDefaultValue(), "defaultValue", page);
    form->addRow("&Default value:", value);
    if (type == FLOATING_T) {
        auto* decimals = new QSpinBox(page);
        decimals->setObjectName("decimals");
        decimals->setRange(0, 3);
        decimals->setValue(number.GetDecimals());
        form->addRow("Decimal &places:", decimals);
        *apply = [&number, value, decimals] {
            Store(
                FromQt(value->text().trimmed()), [&] { return number.GetDefaultValue(); },
                [&](const std::string& v) { number.SetDefaultValue(v); });
            Store(
                static_cast<uint16_t>(decimals->value()), [&] { return number.GetDecimals(); },
                [&](uint16_t v) { number.SetDecimals(v); });
            return DesignMessage{};
        };
        return page;
    }
    auto* increment = Entry(std::to_string(number.GetIncDec()), "increment", page);
    form->addRow("&Increment:", increment);
    *apply = [&number, type, value, increment] {
        const DesignMessage range{"Orvanta", type == INTEGER_T ? kIntegerRange : kLongRange};
        if (!InRange(value->text(), type) || !InRange(increment->text(), type)) return range;
        Store(
            FromQt(value->text().trimmed()), [&] { return number.GetDefaultValue(); },
            [&](const std::string& v) { number.SetDefaultValue(v); });
        Store(
            static_cast<uint8_t>(std::clamp(increment->text().trimmed().toInt(), 0, 255)),
            [&] { return number.GetIncDec(); }, [&](uint8_t v) { number.SetIncDec(v); });
        return DesignMessage{};
    };
    return page;
}

QWidget* DateTimePage(CTbObjFieldDateTime& dateTime, ApplyPage* apply, QWidget* page, QFormLayout* form) {
    auto* automatic = Choices({"none", "Record added", "Record updated"},
                              static_cast<int>(dateTime.GetDefaultValue()), "automatic", page);
    form->addRow("&Automatic value:", automatic);
    *apply = [&dateTime, automatic] {
        Store(
            static_cast<uint32_t>(automatic->currentIndex()), [&] { return dateTime.GetDefaultValue(); },
            [&](uint32_t v) { dateTime.SetDefaultValue(v); });
        return DesignMessage{};
    };
    return page;
}

QWidget* ExpressionPage(CTbObjFieldExpr& expr, ApplyPage* apply, QWidget* page, QFormLayout* form) {
    QStringList formats;
    for (int format = EXPR_RESULT_FLOATING; format <= EXPR_RESULT_HHMM; ++format)
        formats << QString::fromLatin1(ExprResultLabel(format).data());
    auto* result = Choices(formats, expr.GetResultFormat(), "resultFormat", page);
    auto* decimals = new QSpinBox(page);
    decimals->setObjectName("decimals");
    decimals->setRange(0, 3);
    decimals->setValue(expr.GetDecimals());
    form->addRow("&Result format:", result);
    form->addRow("Decimal &places:", decimals);
    *apply = [&expr, result, decimals] {
        Store(
            result->currentIndex(), [&] { return expr.GetResultFormat(); },
            [&](int32_t v) { expr.SetResultFormat(v); });
        Store(
            static_cast<uint16_t>(decimals->value()), [&] { return expr.GetDecimals(); },
            [&](uint16_t v) { expr.SetDecimals(v); });
        return DesignMessage{};
    };
    return page;
}

QWidget* ConditionPage(CTbObjFieldCondExpr& expr, ApplyPage* apply, QWidget* page, QFormLayout* form) {
    const QStringList colours{"Black (default)", "Red", "Green", "Blue", "Yellow"};
    auto* whenTrue = Choices(colours, static_cast<int>(expr.GetTrueColour()), "trueColour", page);
    auto* whenFalse = Choices(colours, static_cast<int>(expr.GetFalseColour()), "falseColour", page);
    form->addRow("Colour when &true:", whenTrue);
    form->addRow("Colour when &false:", whenFalse);
    auto* note = new QLabel("The condition is edited on the handheld; filters are read only here.", page);
    note->setWordWrap(true);
    form->addRow(note);
    *apply = [&expr, whenTrue, whenFalse] {
        Store(
            static_cast<uint32_t>(whenTrue->currentIndex()), [&] { return expr.GetTrueColour(); },
            [&](uint32_t v) { expr.SetTrueColour(v); });
        Store(
            static_cast<uint32_t>(whenFalse->currentIndex()), [&] { return expr.GetFalseColour(); },
            [&](uint32_t v) { expr.SetFalseColour(v); });
        return DesignMessage{};
    };
    return page;
}

QWidget* AddressPage(CTbObjFieldJoin& join, ApplyPage* apply, QWidget* page, QFormLayout* form) {
    auto* sort =
        Choices({"First Last", "Last, First", "Company, Last"}, join.GetJoinField(), "sortField", page);
    auto* shown = Choices(
        {"Last",    "First", "Company",  "First Phone", "Work Phone", "Home Phone", "Fax",   "Other",
         "E-mail",  "Main",  "Pager",    "Mobile",      "Address",    "City",       "State", "Zip code",
         "Country", "Title", "Custom 1", "Custom 2",    "Custom 3",   "Custom 4",   "Note"},
        join.GetDisplayField(), "addressField", page);
    form->addRow("Sort Field:", sort);
    form->addRow("Address &field:", shown);
    *apply = [&join, sort, shown] {
        Store(
            static_cast<uint8_t>(sort->currentIndex()), [&] { return join.GetJoinField(); },
            [&](uint8_t v) { join.SetJoinField(v); });
        Store(
            static_cast<uint8_t>(shown->currentIndex()), [&] { return join.GetDisplayField(); },
            [&](uint8_t v) { join.SetDisplayField(v); });
        return DesignMessage{};
    };
    return page;
}

QWidget* ImagePage(CTbObjFieldImage& image, ApplyPage* apply, QWidget* page, QFormLayout* form) {
    const int bits[] = {1, 4, 8};
    const int current = image.GetBitsPerPixel() == 1 ? 0 : image.GetBitsPerPixel() == 4 ? 1 : 2;
    auto* format = Choices({"black & white", "16 grayscale", "256 colors"}, current, "imageFormat", page);
    form->addRow("Image &format:", format);
    *apply = [&image, format, bits] {
        if (static_cast<int>(image.GetBitsPerPixel()) != bits[format->currentIndex()])
            image.SetBitsPerPixel(static_cast<uint32_t>(bits[format->currentIndex()]));
        return DesignMessage{};
    };
    return page;
}

QWidget* ListPage(CTbObjFieldList& list, const PageServices& services, ApplyPage* apply, QWidget* page,
                  QFormLayout* form) {
    auto* items = new QListWidget(page);
    items->setObjectName("listItems");
    auto fill = [&list, items] {
        items->clear();
        for (int i = 0; i < list.Items().Count(); ++i) items->addItem(ToQt(list.Items().ItemAt(i)->text));
    };
    fill();
    auto* edit = new QPushButton("&Edit Items...", page);
    QObject::connect(edit, &QPushButton::clicked, page, [&list, services, page, fill] {
        ListItemsDraft draft(list.Items());
        CListEditorDlg editor(draft, services.prompt, page);
        if (editor.exec() == QDialog::Accepted) draft.StoreInto(list.Items());
        fill();
    });
    form->addRow("List items:", items);
    form->addRow(edit);
    *apply = [] { return DesignMessage{}; };
    return page;
}

QWidget* AdvancedExpressionPage(CTbObjDB& db, CTbObjField& field, const PageServices& services, QWidget* page,
                                QFormLayout* form) {
    auto* shown = new QLabel(page);
    shown->setObjectName("expression");
    shown->setWordWrap(true);
    auto show = [&field, shown] {
        const CTbObjFieldExpr* expr = field.ExprProps();
        shown->setText(QString("Result format: %1")
                           .arg(QString::fromLatin1(ExprResultLabel(expr->GetResultFormat()).data())));
    };
    show();
    auto* edit = new QPushButton("&Edit Expression...", page);
    QObject::connect(edit, &QPushButton::clicked, page, [&db, &field, services, page, show] {
        CAdvExpressionEditorDlg(db, field, services.prompt, page).exec();
        show();
    });
    form->addRow(shown);
    form->addRow(edit);
    return page;
}

}  // namespace

QWidget* MakePropertyPage(CTbObjDB& db, CTbObjField& field, const PageServices& services, ApplyPage* apply,
                          QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* form = new QFormLayout(page);
    *apply = [] { return DesignMessage{}; };
    switch (field.GetType()) {
        case TEXT_T:
        case MEMO_T:
            return TextPage(*field.TextProps(), apply, page, form);
        case INTEGER_T:
        case LONG_T:
        case FLOATING_T:
        case AUTO_INC_T:
            return NumberPage(*field.NumberProps(), field.GetType(), apply, page, form);
        case DATE_T:
        case TIME_T:
            return DateTimePage(*field.DateTimeProps(), apply, page, form);
        case EXPRESSION_T:
            return ExpressionPage(*field.ExprProps(), apply, page, form);
        case COND_EXP_T:
            return ConditionPage(*field.CondExprProps(), apply, page, form);
        case ADDR_BK_JOIN_T:
        case ADDR_BK_LOOKUP_T:
            return AddressPage(*field.JoinProps(), apply, page, form);
        case IMAGE_T:
            return ImagePage(*field.ImageProps(), apply, page, form);
        case LIST_T:
        case RADIO_T:
            return ListPage(*field.ListProps(), services, apply, page, form);
        case ADV_EXPRESSION_T:
            return AdvancedExpressionPage(db, field, services, page, form);
        default:
            form->addRow(new QLabel("This field type has no further properties to set here.", page));
            return page;
    }
}

}  // namespace orvanta::app

#include "platform/ui/Controls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <limits>

namespace ui {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromUtf8(name));
    return label;
}

QLineEdit* MakeTextBox(QWidget* parent, const char* name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromUtf8(name));
    // An imported text may be longer than a line edit's usual 32,767 characters: opening
    // and saving it must not cut it.
    box->setMaxLength(std::numeric_limits<int>::max());
    return box;
}

QComboBox* MakeDropDownList(QWidget* parent, const char* name) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromUtf8(name));
    box->setEditable(false);
    return box;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace ui

#pragma once

#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Controls named by their design names, so that tests and people find the same thing.
namespace ui {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption);
QLineEdit* MakeTextBox(QWidget* parent, const char* name);
QComboBox* MakeDropDownList(QWidget* parent, const char* name);
// Buttons never act as the dialog's default: Enter belongs to the text boxes.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption);

} // namespace ui

#pragma once

#include <QString>
#include <optional>

class QWidget;

// The option "修改或删除记录时须填写原因", kept in the settings; off unless the user sets it.
namespace ui {

bool ReasonRequired();
void SetReasonRequired(bool required);

// The reason for a change or a deletion: empty when the option is off, nullopt when the
// user cancelled and the change is to be abandoned.
std::optional<QString> AskReasonIfRequired(QWidget* parent);

} // namespace ui

#include "platform/ui/ChangeReason.h"

#include "platform/app/App.h"
#include "platform/settings/Settings.h"
#include "platform/ui/Modal.h"
#include "platform/ui/ReasonDialog.h"

namespace ui {
namespace {
const QString kSection = QStringLiteral("设置");
const QString kKey = QStringLiteral("修改原因");
} // namespace

bool ReasonRequired() {
    return Settings::GetSetting(App::Title(), kSection, kKey, QStringLiteral("0")) == u"1";
}

void SetReasonRequired(bool required) {
    Settings::SaveSetting(App::Title(), kSection, kKey,
                          required ? QStringLiteral("1") : QStringLiteral("0"));
}

std::optional<QString> AskReasonIfRequired(QWidget* parent) {
    if (!ReasonRequired()) {
        return QString();
    }
    ReasonDialog dialog(parent);
    if (ShowModal(dialog) != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Reason();
}

} // namespace ui

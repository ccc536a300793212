#include "platform/ui/ComboText.h"

#include "platform/app/Strings.h"

#include <QComboBox>

namespace ui {

int FindSameText(const QComboBox& box, QStringView text) {
    for (int i = 0; i < box.count(); ++i) {
        if (Vb::SameText(box.itemText(i), text)) {
            return i;
        }
    }
    return -1;
}

} // namespace ui

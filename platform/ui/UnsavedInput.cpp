#include "platform/ui/UnsavedInput.h"

#include "platform/ui/MessageBox.h"

#include <QKeyEvent>

namespace ui {

bool EscapeMayClose(const QKeyEvent& key, bool unsavedInput, QWidget* dialog) {
    if (key.key() != Qt::Key_Escape || !unsavedInput) {
        return true;
    }
    return Question(QStringLiteral("输入的内容还没有保存，要放弃这些内容并关闭窗口吗？"), dialog);
}

} // namespace ui

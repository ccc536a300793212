#pragma once

#include "platform/ui/MessageBox.h"

namespace ui {

// Shows messages in real message boxes captioned with the application title.
class QtMessageService : public MessageService {
public:
    Answer Show(QWidget* parent, const QString& text, Icon icon, Buttons buttons) override;
};

} // namespace ui

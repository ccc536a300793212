#include "platform/ui/MessageBox.h"

#include <cstdio>

namespace ui {
namespace {
MessageService*& currentService() {
    static MessageService* service = nullptr;
    return service;
}
} // namespace

MessageService* SetMessageService(MessageService* service) {
    MessageService* previous = currentService();
    currentService() = service;
    return previous;
}

Answer MsgBox(const QString& text, Icon icon, Buttons buttons, QWidget* parent) {
    if (MessageService* service = currentService()) {
        return service->Show(parent, text, icon, buttons);
    }
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
}

} // namespace ui

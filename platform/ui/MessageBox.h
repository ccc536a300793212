#pragma once

#include <QString>

class QWidget;

// Every message the program shows goes through here. The caption is always the
// application title. The widgets library installs the real dialog; tests install
// a script of expected messages and answers.
namespace ui {

enum class Icon { None, Critical, Question, Information };
enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

class MessageService {
public:
    virtual ~MessageService() = default;
    virtual Answer Show(QWidget* parent, const QString& text, Icon icon, Buttons buttons) = 0;
};

// Installs the service that shows messages; returns the previous one. Without any
// service, messages go to standard error and questions are answered No.
MessageService* SetMessageService(MessageService* service);

Answer MsgBox(const QString& text, Icon icon = Icon::None, Buttons buttons = Buttons::Ok,
              QWidget* parent = nullptr);

inline void Critical(const QString& text, QWidget* parent = nullptr) {
    MsgBox(text, Icon::Critical, Buttons::Ok, parent);
}
inline void Information(const QString& text, QWidget* parent = nullptr) {
    MsgBox(text, Icon::Information, Buttons::Ok, parent);
}
// True when the user answers Yes.
inline bool Question(const QString& text, QWidget* parent = nullptr) {
    return MsgBox(text, Icon::Question, Buttons::YesNo, parent) == Answer::Yes;
}

} // namespace ui

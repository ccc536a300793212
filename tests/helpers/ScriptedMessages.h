#pragma once

#include "platform/ui/MessageBox.h"

#include <QList>
#include <QString>

// Stands in for the message boxes during tests: each message must have been expected,
// in order, and gets the scripted answer. Anything else fails the running test.
class ScriptedMessages : public ui::MessageService {
public:
    struct Message {
        ui::Icon icon;
        QString text;
    };

    static ScriptedMessages& Instance();

    void Expect(ui::Icon icon, const QString& text, ui::Answer answer = ui::Answer::Ok);
    // A message whose whole text matches the regular expression.
    void ExpectMatching(ui::Icon icon, const QString& pattern, ui::Answer answer = ui::Answer::Ok);
    // Messages shown since the last Reset.
    const QList<Message>& Shown() const { return shown_; }
    // Fails the test for every expected message that did not come, then forgets all.
    void VerifyAndReset();

    ui::Answer Show(QWidget* parent, const QString& text, ui::Icon icon,
                    ui::Buttons buttons) override;

private:
    struct Expected {
        ui::Icon icon;
        QString text;
        ui::Answer answer;
        bool pattern = false;
    };
    QList<Expected> expected_;
    QList<Message> shown_;
};

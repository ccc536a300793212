#pragma once

#include <QString>

// Reaching outside the program: web pages and the feedback mail. Neither reports a failure.

// Shows the address in the default browser; with newWindow, in a new browser window where
// the browser can be asked for one. When the first way fails, the other is tried.
void OpenWebPage(const QString& address, bool newWindow);

// Opens a new mail to the vendor in the user's mail program, with the feedback form filled in.
void SendFeedbackMail();

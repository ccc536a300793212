#pragma once

class QApplication;

namespace Startup {

// Chinese everywhere: Qt's own dialog texts, the default locale for dates and numbers,
// and real message boxes for the program's messages.
void PrepareApplication(QApplication& app);

// The program's own icon on every window, the task bar and a maximised child's menu bar.
void UseProgramIcon();

} // namespace Startup

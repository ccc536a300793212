#pragma once

#include <QString>

// The user's company name, heading the reports. Read from the settings when the startup
// window loads; changed by the settings window.
extern QString CompanyName;

// Where the settings keep it, and what it is until the user sets one.
inline QString CompanyNameSection() {
    return QStringLiteral("设置");
}
inline QString CompanyNameKey() {
    return QStringLiteral("公司名称");
}
inline QString DefaultCompanyName() {
    return QStringLiteral("Quorvane制药有限公司");
}

// CompanyName from the settings, as the program's start reads it.
void LoadCompanyName();

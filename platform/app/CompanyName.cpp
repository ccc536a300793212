#include "platform/app/CompanyName.h"

#include "platform/app/App.h"
#include "platform/settings/Settings.h"

QString CompanyName;

void LoadCompanyName() {
    CompanyName = Settings::GetSetting(App::Title(), CompanyNameSection(), CompanyNameKey(),
                                       DefaultCompanyName());
}

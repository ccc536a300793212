#include "shell/Startup.h"

#include "platform/ui/QtMessageService.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Startup {

void PrepareApplication(QApplication& app) {
    const QLocale chinese(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China);
    QLocale::setDefault(chinese);
    auto* translator = new QTranslator(&app);
    if (translator->load(chinese, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(translator);
    }
    static ui::QtMessageService messages;
    ui::SetMessageService(&messages);
    UseProgramIcon();
}

void UseProgramIcon() {
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/icon.png")));
}

} // namespace Startup

#include "platform/excel/Application.h"

#include <QDir>

namespace excel {

Application::Application() : workbooks_(*this), userName_(QDir::home().dirName()) {
    if (userName_.isEmpty()) {
        userName_ = QStringLiteral("User");
    }
}

} // namespace excel

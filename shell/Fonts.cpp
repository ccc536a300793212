#include "shell/Fonts.h"

#include <QStringList>

namespace Fonts {
namespace {
QFont withFamilies(const QStringList& families, double pointSize) {
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(pointSize);
    return font;
}
} // namespace

QFont YaHei(double pointSize) {
    return withFamilies({QStringLiteral("微软雅黑"), QStringLiteral("Microsoft YaHei"),
                         QStringLiteral("Noto Sans CJK SC")},
                        pointSize);
}

QFont SongTi(double pointSize) {
    return withFamilies(
        {QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC")},
        pointSize);
}

} // namespace Fonts

#include "helpers/CaseTwins.h"

const std::vector<CaseTwin>& CaseTwins() {
    static const std::vector<CaseTwin> twins = {
        {QStringLiteral("GMP Basics"), QStringLiteral("gmp BASICS"), true},
        {QStringLiteral("École Qualité"), QStringLiteral("ÉCOLE QUALITÉ"), true},
        {QStringLiteral("Straße"), QStringLiteral("STRAẞE"), true},
        {QStringLiteral("Σύστημα ποιότητας"), QStringLiteral("ΣΎΣΤΗΜΑ ΠΟΙΌΤΗΤΑΣ"), true},
        {QStringLiteral("Система качества"), QStringLiteral("СИСТЕМА КАЧЕСТВА"), true},
        {QStringLiteral("ｇｍｐ培训"), QStringLiteral("ＧＭＰ培训"), true},
        {QStringLiteral("École"), QStringLiteral("Ecole"), false},
        {QStringLiteral("Straße"), QStringLiteral("STRASSE"), false},
        {QStringLiteral("质量保证部"), QStringLiteral("质量保证"), false},
        {QStringLiteral("偏差处理规程"), QStringLiteral("偏差處理規程"), false},
        {QStringLiteral("ｇｍｐ培训"), QStringLiteral("gmp培训"), false},
    };
    return twins;
}

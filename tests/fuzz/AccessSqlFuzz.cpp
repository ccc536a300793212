#include "platform/ado/AccessDialect.h"
#include "platform/ado/AccessLike.h"
#include "platform/ado/Ado.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <string>

// The input is statement text, and also a LIKE pattern and a text split at the first NUL.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        ado::RewriteAccessSql(QString::fromUtf8(input));
    } catch (const ado::Error&) {
    }

    const qsizetype split = input.indexOf('\0');
    const QByteArray pattern = split < 0 ? input : input.left(split);
    const QByteArray text = split < 0 ? QByteArray() : input.mid(split + 1);
    const auto* textBytes = reinterpret_cast<const unsigned char*>(text.constData());

    std::u32string patternPoints;
    ado::DecodeUtf8(reinterpret_cast<const unsigned char*>(pattern.constData()),
                    static_cast<int>(pattern.size()), patternPoints);
    const auto compiled = ado::LikePattern::Compile(patternPoints);
    std::u32string textPoints;
    ado::DecodeUtf8(textBytes, static_cast<int>(text.size()), textPoints);
    if (!compiled) {
        return 0;
    }
    std::u32string scratch;
    const bool byBytes = compiled->MatchesUtf8(textBytes, static_cast<int>(text.size()), scratch);
    const bool byPoints = compiled->Matches(textPoints);
    // The byte search must agree with the decoded match on any text the database can hold.
    const bool wellFormed = QString::fromUtf8(text).toUtf8() == text;
    if (wellFormed && byBytes != byPoints) {
        std::abort();
    }
    return 0;
}

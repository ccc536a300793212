#include "platform/excel/TextForm.h"

#include <QStringDecoder>
#include <QtEndian>

namespace excel {
namespace {
QByteArray encodingName(int codepage) {
    switch (codepage) {
    case 32768: // Apple Roman
    case 10000:
        return QByteArrayLiteral("macintosh");
    case 32769: // ANSI Latin I of BIFF2 and BIFF3
        return QByteArrayLiteral("windows-1252");
    default:
        return "cp" + QByteArray::number(codepage);
    }
}

QString fromCodepage(int codepage, QByteArrayView bytes) {
    QStringDecoder decoder(encodingName(codepage).constData());
    if (!decoder.isValid()) {
        return QString::fromLatin1(bytes);
    }
    return decoder.decode(bytes);
}
} // namespace

QString DecodeText(TextForm form, QByteArrayView bytes, int codepage) {
    if (bytes.isEmpty()) {
        return {}; // an empty view may hold no pointer to copy from
    }
    switch (form) {
    case TextForm::Wide: {
        QString text(bytes.size() / 2, Qt::Uninitialized);
        qFromLittleEndian<char16_t>(bytes.data(), text.size(), text.data());
        return text;
    }
    case TextForm::Codepage:
        return fromCodepage(codepage, bytes);
    case TextForm::Compressed:
        break;
    }
    return QString::fromLatin1(bytes);
}

} // namespace excel

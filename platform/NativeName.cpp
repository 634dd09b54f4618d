#include "platform/private/NativeName.h"

#include "platform/private/QtText.h"
#include "scenario/ShiftJis.h"

#include <QStringDecoder>

namespace platform::detail {

namespace {

QString ComponentToQString(std::string_view bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!utf8.hasError())
        return text;
    const std::u16string wide = vn::sjis::ToWide(bytes);
    return QString(reinterpret_cast<const QChar*>(wide.data()),
                   static_cast<qsizetype>(wide.size()));
}

} // namespace

QString NativeToQString(std::string_view native) {
    QString text;
    size_t start = 0;
    for (;;) {
        const size_t slash = native.find('/', start);
        text += ComponentToQString(native.substr(start, slash - start));
        if (slash == std::string_view::npos)
            return text;
        text += QLatin1Char('/');
        start = slash + 1;
    }
}

bool NativeToVNString(std::string_view native, VNString& out) {
    return FromQString(NativeToQString(native), out);
}

} // namespace platform::detail

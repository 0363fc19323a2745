#include "Format.h"

void AppendFormatted(QByteArray& out, const QByteArray& format, const QList<FormatArg>& args) {
    qsizetype next = 0;
    qsizetype copiedUpTo = 0;
    for (qsizetype at = format.indexOf('%'); at >= 0 && at + 1 < format.size();
         at = format.indexOf('%', copiedUpTo)) {
        out.append(format.constData() + copiedUpTo, at - copiedUpTo);
        const char conversion = format.at(at + 1);
        copiedUpTo = at + 2;
        if (conversion == '%') {
            out.append('%');
            continue;
        }
        if (conversion != 's' && conversion != 'i') {
            out.append(format.constData() + at, 2);
            continue;
        }
        const FormatArg* arg = next < args.size() ? &args[next] : nullptr;
        ++next;
        if (conversion == 's' && arg && std::holds_alternative<QByteArray>(*arg))
            out.append(std::get<QByteArray>(*arg));
        else if (conversion == 'i' && arg && std::holds_alternative<int>(*arg))
            out.append(QByteArray::number(std::get<int>(*arg)));
    }
    out.append(format.constData() + copiedUpTo, format.size() - copiedUpTo);
}

QByteArray FormatText(const QByteArray& format, const QList<FormatArg>& args) {
    QByteArray out;
    AppendFormatted(out, format, args);
    return out;
}

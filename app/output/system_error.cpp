// SPDX-License-Identifier: MIT
#include "system_error.h"

#include "language.h"

#include <cerrno>

namespace app {

namespace {

QString escaped(char32_t c)
{
    switch (c) {
    case u'\n':
        return QStringLiteral("\\n");
    case u'\r':
        return QStringLiteral("\\r");
    case u'\t':
        return QStringLiteral("\\t");
    default:
        return QStringLiteral("\\x%1").arg(uint(c), 2, 16, QLatin1Char('0'));
    }
}

bool isControl(char32_t c)
{
    return c < 0x20 || c == 0x7F;
}

} // namespace

QString systemErrorReason(int error)
{
    switch (error) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return translate("Files", "brak miejsca na dysku");
    case EACCES:
    case EPERM:
        return translate("Files", "brak uprawnień");
    case EROFS:
        return translate("Files", "system plików jest tylko do odczytu");
    case ENAMETOOLONG:
        return translate("Files", "nazwa pliku jest za długa");
    case EIO:
        return translate("Files", "błąd odczytu lub zapisu na nośniku");
    case ENOENT:
        return translate("Files", "folder nie istnieje");
    case ENOTDIR:
        return translate("Files", "część ścieżki nie jest folderem");
    case EISDIR:
        return translate("Files", "to folder, a nie zwykły plik");
    case ELOOP:
        return translate("Files", "dowiązania symboliczne na ścieżce tworzą pętlę");
    case EFBIG:
        return translate("Files", "plik byłby za duży dla tego systemu plików");
    case EMFILE:
    case ENFILE:
        return translate("Files", "za dużo otwartych plików");
    case ENOMEM:
        return translate("Files", "brak pamięci");
    case EBUSY:
    case ETXTBSY:
        return translate("Files", "plik jest w użyciu");
    case EINVAL:
        return translate("Files", "ta nazwa pliku jest niedozwolona w tym systemie plików");
    case EEXIST:
        return translate("Files", "plik o tej nazwie powstał w trakcie zapisu");
    case EBADF:
        return translate("Files", "wyjście jest zamknięte");
    case EPIPE:
        return translate("Files", "odbiorca danych zakończył pracę");
    default:
        return translate("Files", "nieoczekiwany błąd systemu nr %1").arg(error);
    }
}

QString shownPath(QByteArrayView path)
{
    const QString text = QString::fromUtf8(path);
    if (text.toUtf8() == path)
        return withControlsEscaped(text);
    QString shown;
    for (const char byte : path) {
        const auto c = uchar(byte);
        shown += isControl(c) || c >= 0x80 ? escaped(c) : QString(QChar(c));
    }
    return shown;
}

QString withControlsEscaped(const QString &text)
{
    QString shown;
    for (const QChar c : text)
        shown += isControl(c.unicode()) ? escaped(c.unicode()) : QString(c);
    return shown;
}

} // namespace app

// SPDX-License-Identifier: MIT
#include "browser_page.h"

#include <emscripten.h>
#include <emscripten/val.h>

#include <algorithm>
#include <string>

namespace app {

void callPage(const char *name, const QString &text)
{
    const emscripten::val function = emscripten::val::global(name);
    if (function.typeOf().as<std::string>() == "function")
        function(text.toStdString());
}

namespace {

QString locationPart(const char *part)
{
    return QString::fromStdString(emscripten::val::global("location")[part].as<std::string>());
}

} // namespace

QString pageAddress()
{
    // The origin of a file:// page is "null": the address is cut from the whole of it.
    const QString href = locationPart("href");
    qsizetype end = href.size();
    for (const QChar mark : {u'?', u'#'}) {
        if (const qsizetype at = href.indexOf(mark); at >= 0)
            end = std::min(end, at);
    }
    return href.left(end);
}

QString pageQuery()
{
    return locationPart("search").mid(1);
}

// The clipboard is the browser's: it may refuse (no secure origin, no permission, an older
// browser), and says so only later, in a promise; the page's notice line tells the user then.
// clang-format off
EM_JS(void, falorysCopyToClipboard, (int png, const char *data, int size, const char *refused), {
    var reason = UTF8ToString(refused);
    var say = function() {
        if (typeof falorysNotice === 'function')
            falorysNotice(reason);
    };
    var clipboard = navigator.clipboard;
    var bytes = HEAPU8.slice(data, data + size);
    if (png) {
        if (!(clipboard && clipboard.write && typeof ClipboardItem === 'function'))
            return say();
        var image = new Blob([bytes], {type: 'image/png'});
        clipboard.write([new ClipboardItem({'image/png': image})]).catch(say);
    } else {
        if (!(clipboard && clipboard.writeText))
            return say();
        clipboard.writeText(new TextDecoder().decode(bytes)).catch(say);
    }
});
// clang-format on

void copyTextToClipboard(const QString &text, const QString &refused)
{
    const QByteArray bytes = text.toUtf8();
    falorysCopyToClipboard(0, bytes.constData(), int(bytes.size()), refused.toUtf8().constData());
}

void copyPngToClipboard(const QByteArray &bytes, const QString &refused)
{
    falorysCopyToClipboard(1, bytes.constData(), int(bytes.size()), refused.toUtf8().constData());
}

} // namespace app

// SPDX-License-Identifier: MIT
#pragma once
// The page the browser's program runs in (built for the browser only).

#include <QByteArray>
#include <QString>

namespace app {

/**
 * Calls the page's global function `name` with `text`; nothing where the page has none (a page
 * other than the program's own).
 */
void callPage(const char *name, const QString &text);

/** The page's address, without its query and fragment. */
QString pageAddress();
/** The page's query, without the '?'. */
QString pageQuery();

/** Puts `text` on the clipboard through the browser; `refused` goes to the page's notice line
    where the browser does not allow it. */
void copyTextToClipboard(const QString &text, const QString &refused);
/** Puts the PNG file's `bytes` on the clipboard as an image; as above where not allowed. */
void copyPngToClipboard(const QByteArray &bytes, const QString &refused);

} // namespace app

// SPDX-License-Identifier: MIT
// The context menu's outputs in a browser: its clipboard and its downloads, and a link that
// opens the page at the setting shown.
#include "client_area_menu.h"

#include "browser_page.h"
#include "language.h"
#include "pattern_export.h"
#include "pattern_source.h"

#include <QAction>
#include <QFileDialog>
#include <QMenu>
#include <QUrlQuery>

namespace app {

namespace {

/** The page's address with the parameters that open it at `s`. */
QString settingLink(const optics::Setting &s)
{
    using optics::Bar;
    return pageAddress()
        + QStringLiteral("?lambda=%1&d=%2&L=%3")
              .arg(QString::number(s.units(Bar::Wavelength)), withDot(s, Bar::Separation),
                   withDot(s, Bar::Distance))
        + (s.narrowSlits ? QStringLiteral("&a-small")
                         : QStringLiteral("&a=%1").arg(s.slitWidthNm()))
        // A language the address asked for stays; otherwise each reader's own browser chooses.
        + (QUrlQuery(pageQuery()).hasQueryItem(QStringLiteral("lang"))
               ? QStringLiteral("&lang=") + languageCode(spokenLanguage())
               : QString());
}

} // namespace

void ClientAreaMenu::addSystemActions()
{
    m_menu->addSeparator();
    QAction *link =
        m_menu->addAction(ClientAreaMenu::tr("Kopiuj link do tego ustawienia"), this, [this] {
            const QString address = settingLink(m_source.setting());
            copyTextToClipboard(address,
                                ClientAreaMenu::tr("Przeglądarka nie pozwoliła skopiować linku do "
                                                   "schowka. Link do tego ustawienia: ")
                                    + address);
        });
    link->setToolTip(
        ClientAreaMenu::tr("Kopiuje do schowka adres strony, który otwiera program przy "
                           "tym ustawieniu"));
}

void ClientAreaMenu::copyImage()
{
    copyPngToClipboard(pngBytes(m_source.picture()),
                       ClientAreaMenu::tr("Przeglądarka nie pozwoliła skopiować obrazu do schowka; "
                                          "zapisz go poleceniem „Zapisz obraz…”."));
}

void ClientAreaMenu::offerFile(const FileOffer &offer)
{
    // The browser's download, under the name the desktop's dialog would propose.
    QFileDialog::saveFileContent(offer.bytes, offer.fileName);
}

} // namespace app

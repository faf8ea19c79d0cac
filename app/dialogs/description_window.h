// SPDX-License-Identifier: MIT
#pragma once

#include "colour.h"
#include "fixed_dialog.h"
#include "rich_edit.h"
#include <QString>
#include <QUrl>

#include <cstdint>
#include <functional>

class QLabel;
class QPushButton;

namespace app {
class ClickableLabel;
} // namespace app

/**
 * The Description window: the physics behind the main window in formatted text, built anew by
 * FormCreate every time the window is made, and a link label that opens a web page on
 * diffraction in the user's browser.
 */
class Tform3 : public app::FixedDialog
{
    Q_OBJECT

public:
    /** The web page on diffraction that the window names and opens, in Polish. */
    static constexpr char16_t kWebAddress[] = u"https://pl.wikipedia.org/wiki/Dyfrakcja";
    /** The same page in the language spoken. */
    static QString webAddress();

    /** Opens a web address; the result is not looked at. */
    using UrlOpener = std::function<void(const QUrl &)>;

    /** Builds the window and its text. `openUrl` defaults to the desktop's browser. */
    explicit Tform3(QWidget *parent = nullptr, UrlOpener openUrl = {});

    QLabel *Image1 = nullptr;
    QLabel *StaticText1 = nullptr;
    QLabel *StaticText2 = nullptr;
    app::RichEdit *RichEdit1 = nullptr;
    QLabel *StaticText8 = nullptr;
    QPushButton *OKButton = nullptr;
    app::ClickableLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;

    /**
     * The caret format after `indeks(mode)`: -1 subscript and 1 superscript scale the height by
     * 0.7 and offset it by -0.3 or 0.3 of the new height, 0 scales it back by 1/0.7 with no
     * offset; results rounded to whole twips, halves to even. Other modes change nothing.
     */
    static app::CharFormat indexFormat(app::CharFormat format, int mode);

    /** Builds the seven paragraphs of the text into the empty box. */
    void FormCreate(QObject *Sender);
    /** Opens the web page named by Label2. */
    void Label1Click(QObject *Sender);

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The text builder; every step acts at the caret of RichEdit1.
    void czcionka(std::uint8_t charset, const QString &face, int size);
    void kolor(drawing::Colour colour, std::uint8_t style);
    void dopisz(const QString &text);
    void indeks(int mode);
    void akapit(const QString &text);

    UrlOpener m_openUrl;
    bool m_shown = false;
};

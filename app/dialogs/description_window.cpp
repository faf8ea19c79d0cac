// SPDX-License-Identifier: MIT
#include "description_window.h"

#include "clickable_label.h"
#include "dialog_parts.h"
#include "rich_edit.h"
#include "rounding.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace {

constexpr drawing::Colour kBlack = 0x000000;
constexpr drawing::Colour kBlue = 0xFF0000;
constexpr std::uint8_t kNoStyle = 0;
constexpr std::uint8_t kUnderline = 4;

} // namespace

Tform3::Tform3(QWidget *parent, UrlOpener openUrl)
    : FixedDialog(Tform3::tr("Opis programu"), QSize(421, 317),
                  {QStringLiteral("MS Sans Serif"), -11, drawing::DefaultCharset}, parent),
      m_openUrl(std::move(openUrl))
{
    if (!m_openUrl)
        m_openUrl = [](const QUrl &url) { QDesktopServices::openUrl(url); };

    // Made in tab order: the button first, then the text; the rest take no focus.
    OKButton = app::addOkButton(*this, QRect(199, 284, 75, 25));

    RichEdit1 = new app::RichEdit(this);
    RichEdit1->setGeometry(60, 53, 353, 204);
    RichEdit1->setReadOnly(true);
    RichEdit1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    RichEdit1->setLineWrapMode(QTextEdit::WidgetWidth);
    RichEdit1->setTabChangesFocus(true);
    app::CharFormat base;
    base.face = QStringLiteral("Times New Roman");
    base.charset = drawing::EastEuropeCharset;
    base.yHeight = 200;
    RichEdit1->setBaseFormat(base);
    RichEdit1->setAccessibleName(Tform3::tr("Opis programu"));
    RichEdit1->setAccessibleDescription(
        Tform3::tr("Wzory na natężenie światła za dwiema szczelinami i ich objaśnienie"));

    Image1 = app::addSidePicture(this, QPoint(0, -3));
    const app::SharedLabels labels =
        app::addSharedLabels(this, {{60, 29}, {288, 17}, {56, 263}, 10, {284, 295}});
    StaticText1 = labels.name;
    StaticText2 = labels.series;
    StaticText8 = labels.freeware;
    Label3 = labels.credit;

    drawing::Font linkFont = app::textFont();
    linkFont.underline = true;
    Label2 = new app::ClickableLabel(this);
    app::setUpText(*Label2, webAddress(), QPoint(8, 295), linkFont);
    Label2->setToolTip(Tform3::tr("Połącz się ze stroną internetową"));
    Label2->setAccessibleDescription(
        Tform3::tr("Odnośnik: kliknięcie otwiera tę stronę w przeglądarce"));
    connect(Label2, &app::ClickableLabel::clicked, this, [this] { Label1Click(Label2); });

    setTabOrder(OKButton, RichEdit1);
    OKButton->setFocus();

    FormCreate(this);
}

void Tform3::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The reader starts at the top of the text, although the caret stays at its end.
    if (!m_shown) {
        m_shown = true;
        RichEdit1->verticalScrollBar()->setValue(0);
    }
}

void Tform3::czcionka(std::uint8_t charset, const QString &face, int size)
{
    app::CharFormat format = RichEdit1->caretFormat();
    format.charset = charset;
    RichEdit1->setCaretFormat(format);
    format = RichEdit1->caretFormat();
    format.face = face;
    RichEdit1->setCaretFormat(format);
    RichEdit1->setBasePointSize(size);
}

void Tform3::kolor(drawing::Colour colour, std::uint8_t style)
{
    app::CharFormat format = RichEdit1->caretFormat();
    format.autoColour = false;
    format.colour = colour;
    RichEdit1->setCaretFormat(format);
    format = RichEdit1->caretFormat();
    format.bold = style & 1;
    format.italic = style & 2;
    format.underline = style & 4;
    format.strikeOut = style & 8;
    RichEdit1->setCaretFormat(format);
}

void Tform3::dopisz(const QString &text)
{
    RichEdit1->replaceSelection(text);
}

app::CharFormat Tform3::indexFormat(app::CharFormat format, int mode)
{
    // The factors are doubles (the normal one is 1/0.7 as stored); the products are formed in
    // extended precision before rounding.
    double heightFactor = 1;
    double offsetFactor = 0;
    switch (mode) {
    case -1:
        heightFactor = 0.7;
        offsetFactor = -0.3;
        break;
    case 0:
        heightFactor = 1.4285714285714286;
        offsetFactor = 0;
        break;
    case 1:
        heightFactor = 0.7;
        offsetFactor = 0.3;
        break;
    default:
        return format;
    }
    format.yHeight =
        drawing::roundHalfEven(format.yHeight * static_cast<long double>(heightFactor));
    format.yOffset =
        drawing::roundHalfEven(format.yHeight * static_cast<long double>(offsetFactor));
    return format;
}

void Tform3::indeks(int mode)
{
    RichEdit1->realise(); // asks the box directly, which makes it exist
    RichEdit1->setCaretFormat(indexFormat(RichEdit1->caretFormat(), mode));

    const app::TextRange range = RichEdit1->selection();
    RichEdit1->setSelection(range.start, range.start);
    RichEdit1->scrollToCaret();
}

void Tform3::akapit(const QString &text)
{
    const int end = RichEdit1->textLength();
    RichEdit1->setSelection(end, end);
    RichEdit1->replaceSelection(QLatin1Char('\r') + text);
}

void Tform3::FormCreate(QObject *)
{
    const auto Times = [this] { czcionka(238, QStringLiteral("Times New Roman"), 10); };
    const auto Symbol = [this] { czcionka(2, QStringLiteral("Symbol"), 10); };
    const auto black = [this] { kolor(kBlack, kNoStyle); };
    const auto blue = [this] { kolor(kBlue, kNoStyle); };
    const auto sub = [this] { indeks(-1); };
    const auto sup = [this] { indeks(1); };
    const auto normal = [this] { indeks(0); };

    // Before the box exists: these two leave the base format in force.
    Times();
    black();

    // 1. What the program shows.
    dopisz(Tform3::tr("Program pozwala obserwować "));
    blue();
    dopisz(Tform3::tr("łączne zjawisko dyfrakcji i interferencji "));
    black();
    dopisz(Tform3::tr("fal świetlnych, zachodzące po przejściu płaskiej fali świetlnej przez "
                      "ekran z "));
    blue();
    dopisz(Tform3::tr("dwoma szczelinami"));
    black();
    dopisz(Tform3::tr(". Gdy szczeliny mają skończoną szerokość, prążki obrazu "
                      "interferencyjnego nie mają stałego natężenia (jak w doświadczeniu "
                      "Younga), lecz ich natężenie zmienia się zgodnie z obrazem "
                      "dyfrakcyjnym pojedynczej szczeliny. "));

    // 2. Two point slits.
    akapit(Tform3::tr("Natężenie światła w obrazie interferencyjnym dwóch punktowych "
                      "szczelin "));
    dopisz(Tform3::tr("opisane jest równaniem: I"));
    sub(), dopisz(QStringLiteral("int")), normal();
    dopisz(QStringLiteral(" = I")), sub(), dopisz(QStringLiteral("0")), normal();
    dopisz(QStringLiteral("cos")), sup(), dopisz(QStringLiteral("2")), normal();
    Symbol(), dopisz(QStringLiteral("b")), Times();
    dopisz(Tform3::tr(", gdzie "));
    Symbol(), dopisz(QStringLiteral("b = p")), Times();
    dopisz(QStringLiteral("dsin"));
    Symbol(), dopisz(QStringLiteral("q/l")), Times();
    dopisz(Tform3::tr(", przy czym d jest odległością między szczelinami, "));
    Symbol(), dopisz(QStringLiteral("l ")), Times();
    dopisz(Tform3::tr("długością ")), dopisz(Tform3::tr("fali świetlnej, a "));
    Symbol(), dopisz(QStringLiteral("q ")), Times();
    dopisz(Tform3::tr("kątem pod jakim światło dociera ze szczelin "));
    dopisz(Tform3::tr("do danego punktu P ekranu (ustawionego za szczelinami). "));

    // 3. One slit of finite width.
    akapit(Tform3::tr("Natomiast natężenie fali ugiętej na jednej szczelinie dane jest "));
    dopisz(Tform3::tr("równaniem: I")), sub(), dopisz(Tform3::tr("dyfr.")), normal();
    dopisz(QStringLiteral(" = I")), sub(), dopisz(QStringLiteral("0")), normal();
    dopisz(QStringLiteral("(sin")), Symbol(), dopisz(QStringLiteral("a/a")), Times();
    dopisz(QStringLiteral(")"));
    sup(), dopisz(QStringLiteral("2")), normal();
    dopisz(Tform3::tr(", gdzie "));
    Symbol(), dopisz(QStringLiteral("a = p")), Times();
    dopisz(QStringLiteral("asin"));
    Symbol(), dopisz(QStringLiteral("q/l")), Times();
    dopisz(Tform3::tr(", przy czym a jest szerokością szczeliny. "));

    // 4. The product of the two.
    akapit(Tform3::tr("Łączny efekt możemy otrzymać, zastępując w równaniu "
                      "interferencyjnym stałą amplitudę fal "));
    dopisz(Tform3::tr("wychodzących z punktowych szczelin "));
    dopisz(Tform3::tr("rzeczywistym natężeniem fali ugiętej na szczelinach o skończonej "
                      "szerokości. "));
    dopisz(Tform3::tr("Otrzymujemy wtedy równanie: I = I")), sub(), dopisz(QStringLiteral("0"));
    normal();
    dopisz(QStringLiteral("cos")), sup(), dopisz(QStringLiteral("2")), normal();
    Symbol(), dopisz(QStringLiteral("b")), Times();
    dopisz(QStringLiteral("(sin")), Symbol(), dopisz(QStringLiteral("a/a")), Times();
    dopisz(QStringLiteral(")"));
    sup(), dopisz(QStringLiteral("2")), normal();

    // 5. What the product means.
    akapit(Tform3::tr("Ten wynik opisuje następujące fakty: w danym punkcie ekranu światło "
                      "z każdej szczeliny z osobna tworzy obraz dyfrakcyjny tej szczeliny, "
                      "a oba obrazy nakładają się na siebie i interferują ze sobą. "
                      "Powstający obraz jest więc "));
    blue();
    dopisz(Tform3::tr("iloczynem czynnika interferencyjnego i "));
    dopisz(Tform3::tr("dyfrakcyjnego. "));
    black();

    // 6. What the scroll bars change.
    akapit(Tform3::tr("W programie można suwakami zmieniać szerokość szczelin a, odległość "
                      "między szczelinami d, odległość szczelin od ekranu L oraz długość "
                      "fali "));
    Symbol(), dopisz(QStringLiteral("l ")), Times();
    dopisz(Tform3::tr("i obserwować, jak obraz dyfrakcyjny zależy od tych parametrów."));

    // 7. Further reading.
    akapit(Tform3::tr("Więcej na temat dyfrakcji i interferencji światła można przeczytać "
                      "na stronie internetowej "));
    kolor(kBlue, kUnderline);
    dopisz(webAddress());
    kolor(kBlack, kNoStyle);
    dopisz(QStringLiteral("."));
}

QString Tform3::webAddress()
{
    //: The encyclopaedia's article on diffraction in the reader's language.
    return tr("https://pl.wikipedia.org/wiki/Dyfrakcja");
}

void Tform3::Label1Click(QObject *)
{
    m_openUrl(QUrl(webAddress()));
}

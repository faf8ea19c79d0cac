// SPDX-License-Identifier: MIT
#include "main_window.h"

#include "about_window.h"
#include "apparatus_diagram.h"
#include "bar_texts.h"
#include "client_area.h"
#include "client_area_menu.h"
#include "colour.h"
#include "description_window.h"
#include "font_mapping.h"
#include "graph_captions.h"
#include "intensity_graph.h"
#include "language.h"
#include "memo.h"
#include "modal_opening.h"
#include "pattern_tool_tip.h"
#include "program_end.h"
#include "radio_group.h"
#include "readouts.h"
#include "screen_strip.h"
#include "scroll_bar.h"
#include "scroll_ranges.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollBar>

using app::ClientArea;
using app::Memo;
using app::RadioGroup;

namespace {

/** Where the paint box `rysunek1` lies on the client area. */
constexpr QPoint kPaintBoxOrigin {8, 144};

const drawing::Font kArial12 {QStringLiteral("Arial"), -12};
const drawing::Font kArial12CentralEuropean {QStringLiteral("Arial"), -12,
                                             drawing::EastEuropeCharset};
const drawing::Font kSymbol12 {QStringLiteral("Symbol"), -12, drawing::SymbolCharset};
const drawing::Font kSymbol13 {QStringLiteral("Symbol"), -13, drawing::SymbolCharset};

QScrollBar *makeScrollBar(QWidget *parent, const char *name, QRect geometry,
                          const optics::ScrollRange &range)
{
    auto *bar = new app::ScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(QLatin1String(name));
    bar->setGeometry(geometry);
    bar->setRange(range.min, range.max);
    bar->setValue(range.min);
    bar->setSingleStep(range.smallStep);
    bar->setPageStep(range.largeStep);
    return bar;
}

/** A label sized to its text, its top-left corner at (x, y). */
QLabel *makeLabel(QWidget *parent, const char *name, int x, int y, const QString &text,
                  const drawing::Font &font)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(drawing::toQFont(font));
    label->setText(drawing::displayText(font, text));
    label->move(x, y);
    // What QLabel::sizeHint() gives a one-line label with no frame, margin or indent, measured
    // once: QLabel lays the text out three times for a hint (twice more for its minimum size).
    constexpr int kUnbounded = 2000;
    label->resize(label->fontMetrics()
                      .boundingRect(QRect(0, 0, kUnbounded, kUnbounded),
                                    int(Qt::AlignLeft | Qt::TextExpandTabs), label->text())
                      .size());
    return label;
}

/** What the four readouts say, in a sentence a screen reader can speak. */
QString describeSettings(const TForm1 &form)
{
    // The spoken language's decimal separator, whatever the locale of the readouts.
    using optics::Bar;
    const QChar comma = QLocale(app::languageCode(app::spokenLanguage())).decimalPoint().at(0);
    const optics::Setting setting = form.setting();
    QString text = TForm1::tr("Długość fali %1 nm, odległość szczelin %2 mm, "
                              "odległość od ekranu %3 m, ")
                       .arg(setting.units(Bar::Wavelength))
                       .arg(drawing::formatFixed(setting.value(Bar::Separation), 3, comma),
                            drawing::formatFixed(setting.value(Bar::Distance), 2, comma));
    if (setting.narrowSlits)
        text += TForm1::tr("bardzo wąskie szczeliny");
    else
        text += TForm1::tr("szerokość szczelin %1 nm").arg(setting.slitWidthNm());
    return text;
}

/** Gives the client area the description of the current settings. */
void updateSettingsDescription(const TForm1 &form)
{
    ClientArea *client = form.clientArea();
    const QString text = describeSettings(form);
    // Setting it sends screen readers a DescriptionChanged event: once per real change.
    if (client->accessibleDescription() != text)
        client->setAccessibleDescription(text);
}

} // namespace

QChar decimalSeparatorOf(const QLocale &locale)
{
    const QString point = locale.decimalPoint();
    return point.size() == 1 ? point.at(0) : QLatin1Char('.');
}

QIcon programIcon()
{
    return QIcon(QStringLiteral(":/falorys_icon.png"));
}

TForm1::TForm1(QWidget *parent)
    : QMainWindow(parent),
      m_clientArea(new ClientArea(kClientSize, this)),
      m_canvas(m_clientArea->image(), QPoint(0, 0), kClientSize,
               drawing::systemColoursOf(palette())),
      m_rysunek1(m_clientArea->image(), kPaintBoxOrigin, drawing::kDiagramSize,
                 m_canvas.systemColours()),
      m_decimalSeparator(decimalSeparatorOf(QLocale::system()))
{
    setObjectName(QStringLiteral("Form1"));
    m_clientArea->image().fill(m_canvas.systemColours().face);
    createControls();
    createMenu();
    setWindowTitle(TForm1::tr("Falorys (dwie szczeliny)"));
    setWindowIcon(programIcon());
    // The window takes exactly the size of the menu bar and the client area.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    connectHandlers();
    FormCreate(this);
}

TForm1::~TForm1()
{
    // The client area outlives this window's members (~QWidget deletes it later): no paint from
    // now on may ask them to draw.
    disconnect(m_clientArea, nullptr, this, nullptr);
}

const QImage &TForm1::clientImage() const
{
    return m_clientArea->image();
}

void TForm1::createControls()
{
    m_clientArea->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(m_clientArea);
    QWidget *client = m_clientArea;

    Label5 =
        makeLabel(client, "Label5", 450, 202, TForm1::tr("długość fali "), kArial12CentralEuropean);
    Label1 = makeLabel(client, "Label1", 518, 202, QStringLiteral("l = "), kSymbol12);
    Label2 = makeLabel(client, "Label2", 426, 246, TForm1::tr("odległość szczelin d ="),
                       kArial12CentralEuropean);
    Label3 = makeLabel(client, "Label3", 426, 291, TForm1::tr("odległość od ekranu L ="),
                       kArial12CentralEuropean);
    Label4 = makeLabel(client, "Label4", 426, 336, TForm1::tr("szerrokość szczelin a ="),
                       kArial12CentralEuropean);

    suwak1 = makeScrollBar(client, "suwak1", {440, 181, 168, 17}, optics::kSuwak1Range);
    suwak2 = makeScrollBar(client, "suwak2", {440, 226, 168, 17}, optics::kSuwak2Range);
    suwak3 = makeScrollBar(client, "suwak3", {440, 271, 168, 17}, optics::kSuwak3Range);
    suwak_a = makeScrollBar(client, "suwak_a", {440, 316, 168, 17}, optics::kSuwakARange);

    opcje1 = new RadioGroup(TForm1::tr("Opcje"),
                            {TForm1::tr("a  regulowane"), QStringLiteral("a <<")}, client);
    opcje1->setObjectName(QStringLiteral("opcje1"));
    opcje1->setFont(drawing::toQFont(kArial12));
    opcje1->setGeometry(448, 24, 137, 73);
    opcje1->setItemIndex(0);

    // The lambda just right of the second option, so that it reads "a << λ".
    Memo2 = new Memo(kSymbol13, client);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    Memo2->setGeometry(502, 70, 17, 17);
    Memo2->setLines({QStringLiteral("l")});
    Memo2->setBorder(false);
    Memo2->setFaceColoured(true);

    // The client area's own font comes last: every control above has a font of its own, and one
    // made before would have loaded this font to lay itself out first, a cost at start-up.
    m_clientArea->setFont(drawing::toQFont(drawing::Font {}));

    nameForScreenReaders();

    QWidget::setTabOrder(suwak1, suwak2);
    QWidget::setTabOrder(suwak2, suwak3);
    QWidget::setTabOrder(suwak3, opcje1->button(0));
    QWidget::setTabOrder(opcje1->button(0), opcje1->button(1));
    QWidget::setTabOrder(opcje1->button(1), suwak_a);
    QWidget::setTabOrder(suwak_a, Memo2);
}

void TForm1::nameForScreenReaders()
{
    // Each label under a scroll bar names it, and the bars say what they set,
    // in what unit and how far; the client area's description follows every change.
    m_clientArea->setAccessibleName(TForm1::tr("Doświadczenie z dwiema szczelinami"));
    struct Naming
    {
        QWidget *control;
        QLabel *label;
        QString name;
        QString description;
    };
    const auto rangeOf = app::rangeText;
    const Naming namings[] = {
        {suwak1, Label5, TForm1::tr("Długość fali"),
         TForm1::tr("Długość fali światła w nanometrach, ") + rangeOf(optics::Bar::Wavelength)},
        {suwak2, Label2, TForm1::tr("Odległość szczelin"),
         TForm1::tr("Odległość między szczelinami w milimetrach, ")
             + rangeOf(optics::Bar::Separation)},
        {suwak3, Label3, TForm1::tr("Odległość od ekranu"),
         TForm1::tr("Odległość szczelin od ekranu w metrach, ") + rangeOf(optics::Bar::Distance)},
        {suwak_a, Label4, TForm1::tr("Szerokość szczelin"),
         TForm1::tr("Szerokość każdej ze szczelin w nanometrach, ")
             + rangeOf(optics::Bar::SlitWidth)
             + TForm1::tr("; nieczynny przy bardzo wąskich szczelinach")},
        {opcje1, nullptr, TForm1::tr("Opcje"),
         TForm1::tr("Szerokość szczelin: ustawiana suwakiem albo bardzo mała")},
        {opcje1->button(0), nullptr, TForm1::tr("Szerokość szczelin regulowana"),
         TForm1::tr("Szerokość szczelin ustawiana suwakiem")},
        {opcje1->button(1), nullptr, TForm1::tr("Bardzo wąskie szczeliny"),
         TForm1::tr("Szerokość szczelin znacznie mniejsza od długości fali, 1 nm")},
        {Memo2, nullptr, TForm1::tr("Litera lambda"),
         TForm1::tr("Znak długości fali obok opcji bardzo wąskich szczelin")},
    };
    for (const Naming &n : namings) {
        n.control->setAccessibleName(n.name);
        n.control->setAccessibleDescription(n.description);
        if (n.label)
            n.label->setBuddy(n.control);
    }
    // The label keeps its spelling on the screen; a screen reader gets the word right.
    Label4->setAccessibleName(TForm1::tr("szerokość szczelin a ="));
}

void TForm1::createMenu()
{
    QMenuBar *bar = menuBar();
    // The menu belongs to the window, the same on every desktop.
    bar->setNativeMenuBar(false);
    Koniec1 = bar->addAction(TForm1::tr("Koniec"));
    Koniec1->setObjectName(QStringLiteral("Koniec1"));
    Oprogramie1 = bar->addMenu(TForm1::tr("Pomoc"));
    Oprogramie1->setObjectName(QStringLiteral("Oprogramie1"));
    Oprogramie2 = Oprogramie1->addAction(TForm1::tr("Opis programu"));
    Oprogramie2->setObjectName(QStringLiteral("Oprogramie2"));
    Opisprogramu1 = Oprogramie1->addAction(TForm1::tr("O programie"));
    Opisprogramu1->setObjectName(QStringLiteral("Opisprogramu1"));

    // The client area's own: its context menu, and the tooltip reading out the pattern.
    new app::ClientAreaMenu(*m_clientArea, *this, *this);
    m_clientArea->installEventFilter(new app::PatternToolTip(m_params, m_decimalSeparator, this));
}

void TForm1::connectHandlers()
{
    connect(m_clientArea, &ClientArea::rebuildRequested, this, &TForm1::repaintClientArea);
    connect(suwak1, &QScrollBar::valueChanged, this, [this] { suwak1Change(suwak1); });
    connect(suwak2, &QScrollBar::valueChanged, this, [this] { suwak2Change(suwak2); });
    connect(suwak3, &QScrollBar::valueChanged, this, [this] { suwak3Change(suwak3); });
    connect(suwak_a, &QScrollBar::valueChanged, this, [this] { suwak_aChange(suwak_a); });
    connect(opcje1, &RadioGroup::clicked, this, [this] { opcje1Click(opcje1); });
    connect(Koniec1, &QAction::triggered, this, [this] { Koniec1Click(Koniec1); });
    connect(Oprogramie2, &QAction::triggered, this, [this] { Oprogramie2Click(Oprogramie2); });
    connect(Opisprogramu1, &QAction::triggered, this,
            [this] { Opisprogramu1Click(Opisprogramu1); });
}

void TForm1::FormCreate(QObject * /*Sender*/)
{
    suwak_a->setEnabled(true);
    widmo();
    updateSettingsDescription(*this);
    // System menu and minimise only: the window has a fixed size, so nothing to maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    adjustSize();
}

void TForm1::FormPaint(QObject * /*Sender*/)
{
    const optics::IntensityProfile profile = rys_ekran();
    opis();
    rys_wykres1(profile);
    rys_rysunek1();
    skala();
}

void TForm1::suwak1Change(QObject * /*Sender*/)
{
    redrawAfterChange();
}

void TForm1::suwak2Change(QObject * /*Sender*/)
{
    redrawAfterChange();
}

void TForm1::suwak3Change(QObject * /*Sender*/)
{
    redrawAfterChange();
}

void TForm1::suwak_aChange(QObject * /*Sender*/)
{
    redrawAfterChange();
}

void TForm1::opcje1Click(QObject * /*Sender*/)
{
    // The slit width comes from its scroll bar, or is 1 nm for very narrow slits (the pass
    // reads which from the option group).
    suwak_a->setEnabled(opcje1->itemIndex() != 1);
    redrawAfterChange();
}

void TForm1::Koniec1Click(QObject * /*Sender*/)
{
    app::endProgram(1);
}

void TForm1::Oprogramie2Click(QObject * /*Sender*/)
{
    // Made anew for every opening, modal over this window, gone when it closes.
    app::openModal(new Tform3(this));
}

void TForm1::Opisprogramu1Click(QObject * /*Sender*/)
{
    app::openModal(new Tform2(this));
}

void TForm1::widmo()
{
    optics::widmo(m_tables);
}

double TForm1::beta(double x) const
{
    return optics::beta(m_params, x);
}

double TForm1::alfa(double x) const
{
    return optics::alfa(m_params, x);
}

optics::Setting TForm1::setting() const
{
    return {{suwak1->value(), suwak2->value(), suwak3->value(), suwak_a->value()},
            opcje1->itemIndex() == 1};
}

QImage TForm1::picture() const
{
    if (!isVisible())
        return m_clientArea->picture();
    // The keyboard focus and the pointer's hover belong to the moment, not to the setting: a
    // hidden twin at the same setting, holding the same image, has neither, so that the shown
    // window's picture is its export's, byte for byte, and the window itself is left alone.
    TForm1 twin;
    twin.setSetting(setting());
    twin.m_clientArea->image() = m_clientArea->image();
    return twin.m_clientArea->picture();
}

void TForm1::setSetting(const optics::Setting &setting)
{
    QScrollBar *const bars[] = {suwak1, suwak2, suwak3, suwak_a};
    for (std::size_t i = 0; i < setting.positions.size(); ++i)
        bars[i]->setValue(setting.positions[i]);
    if (opcje1->itemIndex() != int(setting.narrowSlits))
        opcje1->button(int(setting.narrowSlits))->click();
}

optics::IntensityProfile TForm1::rys_ekran()
{
    const optics::Setting setting = this->setting();
    m_params = optics::parametersFor(setting, m_tables);
    drawing::drawReadouts(m_canvas, setting, m_decimalSeparator);
    // Once per pass: the strip and the graph both draw from it.
    optics::IntensityProfile profile(m_params);
    drawing::drawPatternStrip(m_canvas, profile, m_tables);
    return profile;
}

void TForm1::rys_wykres1(const optics::IntensityProfile &profile)
{
    drawing::drawIntensityGraph(m_canvas, profile, m_tables);
}

void TForm1::rys_rysunek1()
{
    drawing::drawApparatusDiagram(m_rysunek1, setting(), m_tables);
}

void TForm1::opis()
{
    drawing::opis(m_canvas);
}

void TForm1::skala()
{
    drawing::skala(m_canvas, m_tables, clientImage().size());
}

void TForm1::repaintClientArea()
{
    // Read here, as the client area asks for this after every change of the colour scheme.
    const drawing::SystemColours colours = drawing::systemColoursOf(palette());
    m_canvas.setSystemColours(colours);
    m_rysunek1.setSystemColours(colours);
    m_clientArea->image().fill(colours.face);
    FormPaint(this);
}

void TForm1::redrawAfterChange()
{
    rys_wykres1(rys_ekran());
    rys_rysunek1();
    m_clientArea->update();
    updateSettingsDescription(*this);
}

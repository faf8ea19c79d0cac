// SPDX-License-Identifier: MIT
#pragma once

#include "intensity.h"
#include "intensity_profile.h"
#include "pattern_source.h"
#include "setting.h"
#include "spectrum.h"
#include "surface.h"

#include <QChar>
#include <QIcon>
#include <QImage>
#include <QLocale>
#include <QMainWindow>

class QAction;
class QLabel;
class QMenu;
class QScrollBar;

namespace app {
class ClientArea;
class Memo;
class RadioGroup;
} // namespace app

/** Size of the main window's client area below the menu bar, in pixels. */
inline constexpr QSize kClientSize {632, 434};

/** The decimal separator a locale writes numbers with; '.' where it has none of one character. */
QChar decimalSeparatorOf(const QLocale &locale);

/** The program's icon, as its main window shows it, read anew on each call. */
QIcon programIcon();

/**
 * The main window. Its controls and handlers keep the names the program has always had; the
 * drawing routines are thin calls into optics/ and drawing/. Everything drawn goes into one
 * client image that the central widget copies to the screen, so what a renderer leaves stays
 * there until something draws over it.
 */
class TForm1 : public QMainWindow, public app::PatternSource
{
    Q_OBJECT

public:
    /** Builds the window and its controls and runs FormCreate; `main` shows it. */
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    /** The setting the scroll bars and the option group stand at. */
    optics::Setting setting() const override;
    /** What the client area shows at 1x, controls included, without the keyboard focus or the
        pointer's hover; the window itself is left as it is. */
    QImage picture() const override;

    /**
     * Moves the scroll bars and selects the option as `setting` has them, as a user would: each
     * change redraws as the user's would.
     */
    void setSetting(const optics::Setting &setting);

    // Event handlers; each takes the object that raised the event.
    void FormCreate(QObject *Sender);
    void FormPaint(QObject *Sender);
    void suwak1Change(QObject *Sender);
    void suwak2Change(QObject *Sender);
    void suwak3Change(QObject *Sender);
    void suwak_aChange(QObject *Sender);
    void opcje1Click(QObject *Sender);
    void Koniec1Click(QObject *Sender);
    void Oprogramie2Click(QObject *Sender);
    void Opisprogramu1Click(QObject *Sender);

    // Drawing and model routines.
    void widmo();
    double beta(double x) const;
    double alfa(double x) const;
    /** Returns the model evaluated for this pass, which the graph draws from. */
    optics::IntensityProfile rys_ekran();
    void rys_wykres1(const optics::IntensityProfile &profile);
    void rys_rysunek1();
    void opis();
    void skala();

    /**
     * Takes the face and text colours from the window's palette, fills the client image with the
     * face colour and runs FormPaint, as on first showing.
     */
    void repaintClientArea();

    /** What the client area shows; the client area owns it. */
    const QImage &clientImage() const;
    /** The widget that owns and shows the client image and parents the controls. */
    app::ClientArea *clientArea() const { return m_clientArea; }
    const optics::Parameters &parameters() const override { return m_params; }
    const optics::SpectrumTables &spectrum() const override { return m_tables; }
    QChar decimalSeparator() const { return m_decimalSeparator; }

private:
    void createControls();
    void nameForScreenReaders();
    void createMenu();
    void connectHandlers();
    /** The three renderers every change runs, then the copy to the screen. */
    void redrawAfterChange();

    // Controls, by the names the handlers use.
    QScrollBar *suwak1 = nullptr;
    QScrollBar *suwak2 = nullptr;
    QScrollBar *suwak3 = nullptr;
    QScrollBar *suwak_a = nullptr;
    app::RadioGroup *opcje1 = nullptr;
    app::Memo *Memo2 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QAction *Koniec1 = nullptr;
    QMenu *Oprogramie1 = nullptr;
    QAction *Oprogramie2 = nullptr;
    QAction *Opisprogramu1 = nullptr;

    // Made first: the surfaces draw into the image it owns, which outlives them.
    app::ClientArea *m_clientArea;
    drawing::Surface m_canvas; // the window's own surface: the whole client area
    drawing::Surface m_rysunek1; // the paint box of the apparatus diagram
    optics::SpectrumTables m_tables;
    optics::Parameters m_params;
    const QChar m_decimalSeparator;
};

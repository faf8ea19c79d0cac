// SPDX-License-Identifier: MIT
// A long random session on the main window: thousands of scroll-bar moves of every kind, option
// switches, full repaints and openings of both dialogs, with the picture checked after every
// event and the resident memory watched for growth. The random generator starts from a fixed
// state, so a failure replays exactly; the message names the state and the events before it.
#include "about_window.h"
#include "apparatus_diagram.h"
#include "description_window.h"
#include "intensity_graph.h"
#include "main_window_support.h"
#include "radio_group.h"
#include "screen_strip.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <fstream>
#include <optional>
#include <random>
#include <string>

using namespace app_testing;

namespace {

constexpr std::uint32_t kGeneratorState = 1998; // any fixed value; printed with every failure
constexpr int kEvents = 20000;
// One opening of each dialog after every this many events: 200 of each in a full session.
constexpr int kEventsPerDialogPair = kEvents / 200;
constexpr int kWarmUpEvents = 2000;
constexpr qint64 kDefaultSeconds = 60;
constexpr long kMaxGrowthBytes = 1024 * 1024;
constexpr int kRecentEvents = 12;

/** Resident memory of this process, from /proc/self/statm; 0 where it cannot be read. */
long residentBytes()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    if (!(statm >> pages >> resident))
        return 0;
    return resident * sysconf(_SC_PAGESIZE);
}

/** ASan's quarantine and valgrind's own heap make the resident size say nothing of ours. */
bool residentSizeIsMeaningful()
{
#if defined(__SANITIZE_ADDRESS__)
    return false;
#else
    return !qEnvironmentVariable("LD_PRELOAD").contains(QLatin1String("vgpreload"));
#endif
}

qint64 timeBoundSeconds()
{
    bool ok = false;
    const qint64 seconds = qEnvironmentVariableIntValue("FALORYS_SOAK_SECONDS", &ok);
    return ok && seconds > 0 ? seconds : kDefaultSeconds;
}

QRgb colourOf(const optics::SpectrumTables &tables, int index)
{
    return asQRgb(tables.colour(index));
}

/** The session: the window, the generator and a log of the latest events for the messages. */
class Soak
{
public:
    Soak() : m_random(kGeneratorState)
    {
        showAndPaint(m_form);
        m_bars = {controlsOf(m_form).suwak1, controlsOf(m_form).suwak2, controlsOf(m_form).suwak3,
                  controlsOf(m_form).suwak_a};
    }

    int dialogsOpened(int which) const { return m_dialogs[which]; }

    /** One random event: a scroll-bar move of some kind, an option switch or a full repaint.
     * Returns the first broken invariant, checked after each step of the event. */
    std::optional<std::string> randomEvent()
    {
        QScrollBar *bar = m_bars[pick(4)];
        const std::string name = bar->objectName().toStdString();
        switch (pick(9)) {
        case 0:
            return step(name + " arrow click", [&] { clickPart(bar, randomArrow()); });
        case 1:
            return step(name + " page click", [&] { clickPart(bar, randomPage()); });
        case 2:
            return step(name + " arrow key",
                        [&] { key(bar, pick(2) ? Qt::Key_Right : Qt::Key_Left); });
        case 3:
            return step(name + " page key",
                        [&] { key(bar, pick(2) ? Qt::Key_PageDown : Qt::Key_PageUp); });
        case 4:
            return step(name + " Home/End",
                        [&] { key(bar, pick(2) ? Qt::Key_End : Qt::Key_Home); });
        case 5:
            return mouseDrag(bar, name);
        case 6:
            return sliderDrag(bar, name);
        case 7: {
            const int item = pick(2);
            return step("option " + std::to_string(item),
                        [&] { clickRadio(controlsOf(m_form).opcje1->button(item)); });
        }
        default:
            return step("full repaint", [&] {
                m_form.clientArea()->invalidate();
                m_form.clientArea()->repaint();
            });
        }
    }

    /** Opens a dialog through the menu, as the user does, and closes it once it is shown. */
    std::optional<std::string> dialogCycle(int which)
    {
        QAction *item =
            which == 0 ? controlsOf(m_form).Oprogramie2 : controlsOf(m_form).Opisprogramu1;
        const std::string what = which == 0 ? "Description window" : "About window";
        const int closing = pick(3);
        QPointer<QDialog> seen;
        QObject scope; // takes the timer with it, should it not have fired
        bool fired = false;
        QTimer::singleShot(0, &scope, [&seen, &fired, closing] {
            fired = true;
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return; // caught below: the window never came
            seen = dialog;
            auto *ok = dialog->findChild<QPushButton *>();
            if (closing == 0 && ok)
                QTest::mouseClick(ok, Qt::LeftButton);
            else if (closing == 1)
                QTest::keyClick(dialog, Qt::Key_Escape);
            else
                dialog->close();
        });
        // A window left open would hang the session; end it and say so.
        bool leftOpen = false;
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [&leftOpen] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                leftOpen = true;
                dialog->done(0);
            }
        });
        watchdog.start(10000);
        remember(what + " opened and closed (way " + std::to_string(closing) + ")");
        item->trigger();
        ++m_dialogs[which];
        // The item only opens the window; the loop shows, closes and frees it.
        (void)QTest::qWaitFor([&] { return fired && (!seen || leftOpen); }, 12000);
        if (leftOpen)
            return what + " did not close";
        if (seen)
            return what + " outlived its closing";
        if (QApplication::activeModalWidget())
            return "a modal window is still open after the " + what;
        return check();
    }

    std::string recentEvents() const
    {
        std::string text;
        for (const std::string &event : m_recent)
            text += "\n  " + event;
        return text;
    }

private:
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_random); }

    QStyle::SubControl randomArrow()
    {
        return pick(2) ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine;
    }
    QStyle::SubControl randomPage()
    {
        return pick(2) ? QStyle::SC_ScrollBarAddPage : QStyle::SC_ScrollBarSubPage;
    }

    void clickPart(QScrollBar *bar, QStyle::SubControl part)
    {
        QTest::mouseClick(bar, Qt::LeftButton, {}, partCentre(bar, part));
    }

    void key(QScrollBar *bar, Qt::Key key)
    {
        bar->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(bar, key);
    }

    void remember(std::string event)
    {
        m_recent.push_back(std::move(event));
        if (m_recent.size() > kRecentEvents)
            m_recent.pop_front();
    }

    template<typename Action>
    std::optional<std::string> step(std::string what, Action action)
    {
        remember(std::move(what));
        action();
        return check();
    }

    /** The thumb pressed with the mouse, moved a few times either way, then let go. */
    std::optional<std::string> mouseDrag(QScrollBar *bar, const std::string &name)
    {
        QPoint at = partCentre(bar, QStyle::SC_ScrollBarSlider);
        if (auto broken = step(name + " thumb pressed",
                               [&] { QTest::mousePress(bar, Qt::LeftButton, {}, at); }))
            return broken;
        const int moves = 1 + pick(4);
        for (int i = 0; i < moves; ++i) {
            at.rx() += pick(61) - 30;
            if (auto broken = step(name + " thumb dragged to x " + std::to_string(at.x()),
                                   [&] { QTest::mouseMove(bar, at); }))
                return broken;
        }
        return step(name + " thumb let go",
                    [&] { QTest::mouseRelease(bar, Qt::LeftButton, {}, at); });
    }

    /** A drag as the slider sees it: held down, taken through positions, released. */
    std::optional<std::string> sliderDrag(QScrollBar *bar, const std::string &name)
    {
        if (!bar->isEnabled())
            return step(name + " disabled, not dragged", [] {});
        bar->setSliderDown(true);
        const int moves = 1 + pick(3);
        for (int i = 0; i < moves; ++i) {
            const int position = bar->minimum() + pick(bar->maximum() - bar->minimum() + 1);
            if (auto broken = step(name + " slider at " + std::to_string(position),
                                   [&] { bar->setSliderPosition(position); }))
                return broken;
        }
        return step(name + " slider released", [&] { bar->setSliderDown(false); });
    }

    /** What must hold after every event; the first thing that does not. */
    std::optional<std::string> check() const
    {
        const QImage &image = m_form.clientImage();
        const optics::SpectrumTables &tables = m_form.spectrum();
        const optics::Parameters &p = m_form.parameters();
        const int wave = controlsOf(m_form).suwak1->value();
        const bool narrow = controlsOf(m_form).opcje1->itemIndex() == 1;

        // The handlers ran: the model follows the controls.
        const Controls controls = controlsOf(m_form);
        const optics::Setting shown {
            {wave, controls.suwak2->value(), controls.suwak3->value(), controls.suwak_a->value()},
            narrow};
        const optics::Parameters expected = optics::parametersFor(shown, tables);
        if (p.nr_fali != expected.nr_fali || p.lambda_nm != expected.lambda_nm
            || p.d_mm != expected.d_mm || p.L_m != expected.L_m || p.a_nm != expected.a_nm)
            return "the parameters do not follow the controls";
        if (controlsOf(m_form).suwak_a->isEnabled() == narrow)
            return "suwak_a enabled with \"a <<\" or disabled without it";

        // Strip: the centre column has the unscaled colour, columns i and 360 - i match. Its
        // bottom row belongs to the diagram.
        const QPoint strip = drawing::kStripOrigin;
        const int stripRows = drawing::kStripSize.height() - 1;
        for (int y = strip.y(); y < strip.y() + stripRows; ++y) {
            const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            if (row[strip.x() + 180] != colourOf(tables, wave))
                return "strip centre is not the colour of the wavelength, row " + std::to_string(y);
            for (int i = 0; i < 180; ++i) {
                if (row[strip.x() + i] != row[strip.x() + 360 - i])
                    return "strip columns " + std::to_string(i) + " and " + std::to_string(360 - i)
                        + " differ on row " + std::to_string(y);
            }
        }

        // Graph: the wide pen does not draw a mirror image pixel for pixel, but the points are
        // symmetric, the centre lies on row 2, and every point's pen block is on the panel.
        const QPoint graph = drawing::kGraphOrigin;
        const QRgb curve = colourOf(tables, wave);
        for (int c = 2; c <= 358; ++c) {
            const int row = drawing::graphRow(p, 180 - c);
            if (row != drawing::graphRow(p, c - 180))
                return "graph points of columns " + std::to_string(c) + " and "
                    + std::to_string(360 - c) + " are on different rows";
            if (c == 180 && row != 2)
                return "graph centre on row " + std::to_string(row);
            for (int dx : {-1, 0})
                for (int dy : {-1, 0})
                    if (image.pixel(graph.x() + c + dx, graph.y() + row + dy) != curve)
                        return "graph point of column " + std::to_string(c) + " is not drawn";
        }

        // Diagram: what a fresh paint box shows for the same separation, distance and
        // wavelength, whatever the slit width and the option.
        QImage reference(image.size(), QImage::Format_RGB32);
        drawing::Surface paintBox(reference, kPaintBoxOrigin, drawing::kDiagramSize);
        drawing::drawApparatusDiagram(paintBox, shown, tables);
        const QRect box(kPaintBoxOrigin, drawing::kDiagramSize);
        if (image.copy(box) != reference.copy(box))
            return "the diagram differs from one drawn afresh for the same setting";
        return std::nullopt;
    }

    static constexpr QPoint kPaintBoxOrigin {8, 144};

    TForm1 m_form;
    std::mt19937 m_random;
    std::array<QScrollBar *, 4> m_bars {};
    std::deque<std::string> m_recent;
    int m_dialogs[2] {};
};

} // namespace

TEST(MainWindowSoak, RandomSessionKeepsThePictureRightAndMemoryFlat)
{
    const qint64 bound = timeBoundSeconds() * 1000;
    QElapsedTimer clock;
    clock.start();

    Soak soak;
    long baseline = 0;
    long peakGrowth = 0;
    int events = 0;
    for (; events < kEvents && clock.elapsed() < bound; ++events) {
        std::optional<std::string> broken = soak.randomEvent();
        for (int which = 0; which < 2 && !broken && (events + 1) % kEventsPerDialogPair == 0;
             ++which)
            broken = soak.dialogCycle(which);
        if (broken) {
            FAIL() << *broken << "\nafter event " << events + 1 << " of the session with random "
                   << "generator state " << kGeneratorState
                   << "; the latest events:" << soak.recentEvents();
        }
        if (events + 1 == kWarmUpEvents)
            baseline = residentBytes();
        else if (baseline > 0 && events % 100 == 0)
            peakGrowth = std::max(peakGrowth, residentBytes() - baseline);
    }
    if (baseline > 0)
        peakGrowth = std::max(peakGrowth, residentBytes() - baseline);

    std::printf("soak: %d events, %d + %d dialog openings in %.1f s (generator state %u); "
                "resident memory grew by %ld bytes after warm-up\n",
                events, soak.dialogsOpened(0), soak.dialogsOpened(1), clock.elapsed() / 1000.0,
                kGeneratorState, peakGrowth);
    EXPECT_GT(events, 0);
    if (residentSizeIsMeaningful() && baseline > 0) {
        EXPECT_LT(peakGrowth, kMaxGrowthBytes)
            << "resident memory grew by " << peakGrowth << " bytes over " << events - kWarmUpEvents
            << " events after warm-up";
    }
}

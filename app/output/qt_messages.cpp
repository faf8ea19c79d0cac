// SPDX-License-Identifier: MIT
#include "qt_messages.h"

#include "language.h"
#include "run_leftovers.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <exception>
#include <new>

namespace app {

namespace {

QtMessageHandler previous = nullptr;

// The lines that end a run, made while memory and the catalogue are at hand.
enum Line { TooFewFiles, NoThread, NoPicture, QtEnded, NoMemory, Failure, LineCount };
QByteArray lines[LineCount];

void prepareLines()
{
    const char *const texts[LineCount] = {
        QT_TRANSLATE_NOOP("Ending",
                          "za mało dozwolonych otwartych plików (ulimit -n); program "
                          "kończy pracę"),
        QT_TRANSLATE_NOOP("Ending", "za mało pamięci, by uruchomić wątek; program kończy pracę"),
        QT_TRANSLATE_NOOP("Ending", "zabrakło pamięci na obraz; program kończy pracę"),
        QT_TRANSLATE_NOOP("Ending", "Qt nie może dalej pracować; program kończy pracę"),
        QT_TRANSLATE_NOOP("Ending", "zabrakło pamięci; program kończy pracę"),
        QT_TRANSLATE_NOOP("Ending", "błąd programu; program kończy pracę"),
    };
    for (int i = 0; i < LineCount; ++i)
        lines[i] = (QStringLiteral("falorys: ") + translate("Ending", texts[i]) + u'\n').toUtf8();
}

void filter(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    // Qt copes with both: a runtime folder of its own, a plug-in (GIF, ICO) it does not need.
    if (text.startsWith(QLatin1String("QStandardPaths: "))
        || qstrcmp(context.category, "qt.core.plugin.loader") == 0)
        return;
    if (text.startsWith(QLatin1String("QThreadPipe: ")))
        endRun(lines[TooFewFiles].constData());
    if (text.startsWith(QLatin1String("QThread::start: ")))
        endRun(lines[NoThread].constData());
    // A picture that could not be made, drawn or encoded (QImage, FreeType's error 0x40,
    // libpng) would be empty or lack its text.
    if (text.contains(QLatin1String("out of memory"), Qt::CaseInsensitive)
        || text.startsWith(QLatin1String("load glyph failed err=40 "))
        || text.startsWith(QLatin1String("QPainter::begin: Paint device returned engine == 0")))
        endRun(lines[NoPicture].constData());
    if (type == QtFatalMsg)
        endRun(lines[QtEnded].constData());
    previous(type, context, text);
}

} // namespace

void keepQtMessagesForTheUser()
{
    prepareLines();
    previous = qInstallMessageHandler(filter);
    std::set_terminate([] {
        try {
            if (const std::exception_ptr thrown = std::current_exception())
                std::rethrow_exception(thrown);
        } catch (const std::bad_alloc &) {
            endRun(lines[NoMemory].constData());
        } catch (...) {
        }
        endRun(lines[Failure].constData());
    });
}

} // namespace app

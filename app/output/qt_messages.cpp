// SPDX-License-Identifier: MIT
#include "qt_messages.h"

#include "run_leftovers.h"

#include <QString>

#include <exception>
#include <new>

namespace app {

namespace {

QtMessageHandler previous = nullptr;

void filter(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    // Qt copes with both: a runtime folder of its own, a plug-in (GIF, ICO) it does not need.
    if (text.startsWith(QLatin1String("QStandardPaths: "))
        || qstrcmp(context.category, "qt.core.plugin.loader") == 0)
        return;
    if (text.startsWith(QLatin1String("QThreadPipe: ")))
        endRun("falorys: za mało dozwolonych otwartych plików (ulimit -n); program kończy pracę\n");
    if (text.startsWith(QLatin1String("QThread::start: ")))
        endRun("falorys: za mało pamięci, by uruchomić wątek; program kończy pracę\n");
    // A picture that could not be made, drawn or encoded (QImage, FreeType's error 0x40,
    // libpng) would be empty or lack its text.
    if (text.contains(QLatin1String("out of memory"), Qt::CaseInsensitive)
        || text.startsWith(QLatin1String("load glyph failed err=40 "))
        || text.startsWith(QLatin1String("QPainter::begin: Paint device returned engine == 0")))
        endRun("falorys: zabrakło pamięci na obraz; program kończy pracę\n");
    if (type == QtFatalMsg)
        endRun("falorys: Qt nie może dalej pracować; program kończy pracę\n");
    previous(type, context, text);
}

} // namespace

void keepQtMessagesForTheUser()
{
    previous = qInstallMessageHandler(filter);
    std::set_terminate([] {
        try {
            if (const std::exception_ptr thrown = std::current_exception())
                std::rethrow_exception(thrown);
        } catch (const std::bad_alloc &) {
            endRun("falorys: zabrakło pamięci; program kończy pracę\n");
        } catch (...) {
        }
        endRun("falorys: błąd programu; program kończy pracę\n");
    });
}

} // namespace app

// SPDX-License-Identifier: MIT
#include "presentation_scale.h"

#include "scaled_style.h"
#include "window_placement.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolTip>

#include <algorithm>

namespace windows {

namespace {

/** What a widget was at 1x, remembered the first time it is scaled. */
struct OneX
{
    int scale = 1; // the presentation size the widget is at now
    QRect geometry; // non-windows only
    QSize fixedSize; // invalid where the size is not fixed by the widget itself
    QFont font;
    bool ownFont = false;
    QPixmap pixmap;
    QTextDocument *document = nullptr;
    QFont documentFont;
    qreal documentMargin = 0;
};

const char *const kOneXProperty = "falorysOneX";

QFont scaledFont(QFont font, int factor)
{
    if (font.pixelSize() > 0)
        font.setPixelSize(font.pixelSize() * factor);
    else
        font.setPointSizeF(font.pointSizeF() * factor);
    return font;
}

QTextDocument *documentOf(QWidget &widget)
{
    if (auto *edit = qobject_cast<QTextEdit *>(&widget))
        return edit->document();
    if (auto *edit = qobject_cast<QPlainTextEdit *>(&widget))
        return edit->document();
    return nullptr;
}

OneX recordOneX(QWidget &widget)
{
    OneX base;
    if (!widget.isWindow())
        base.geometry = widget.geometry();
    // A window whose layout sets its size follows its contents by itself.
    const QLayout *layout = widget.layout();
    const bool sizedByLayout = layout && layout->sizeConstraint() == QLayout::SetFixedSize;
    if (!sizedByLayout && widget.minimumSize() == widget.maximumSize())
        base.fixedSize = widget.minimumSize();
    base.font = widget.font();
    // Windows do not take their owner's font: each is given its own.
    base.ownFont = widget.isWindow() || widget.testAttribute(Qt::WA_SetFont);
    if (auto *label = qobject_cast<QLabel *>(&widget))
        base.pixmap = label->pixmap();
    if ((base.document = documentOf(widget))) {
        base.documentFont = base.document->defaultFont();
        base.documentMargin = base.document->documentMargin();
    }
    return base;
}

/** Multiplies the explicit text sizes of a document by `ratio`. */
void scaleTextSizes(QTextDocument &document, qreal ratio)
{
    struct Run
    {
        int start;
        int end;
        qreal size;
    };
    QList<Run> runs; // collected first: changing a format may merge fragments
    QList<Run> blocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.charFormat().hasProperty(QTextFormat::FontPointSize))
            blocks.append({block.position(), 0, block.charFormat().fontPointSize() * ratio});
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().hasProperty(QTextFormat::FontPointSize))
                runs.append({fragment.position(), fragment.position() + fragment.length(),
                             fragment.charFormat().fontPointSize() * ratio});
        }
    }
    QTextCursor cursor(&document);
    QTextCharFormat change;
    for (const Run &run : runs) {
        cursor.setPosition(run.start);
        cursor.setPosition(run.end, QTextCursor::KeepAnchor);
        change.setFontPointSize(run.size);
        cursor.mergeCharFormat(change);
    }
    for (const Run &block : blocks) {
        cursor.setPosition(block.start);
        change.setFontPointSize(block.size);
        cursor.mergeBlockCharFormat(change);
    }
}

void scaleTree(QWidget &window, int factor)
{
    QList<QWidget *> widgets = window.findChildren<QWidget *>();
    widgets.prepend(&window);
    // Everything is remembered before anything changes: a parent's new font reaches its
    // children's documents at once.
    QList<QPair<QWidget *, OneX>> changing;
    for (QWidget *widget : std::as_const(widgets)) {
        const QVariant stored = widget->property(kOneXProperty);
        OneX base = stored.isValid() ? stored.value<OneX>() : recordOneX(*widget);
        if (base.scale != factor)
            changing.append({widget, base});
    }
    for (const auto &[widget, base] : std::as_const(changing)) {
        if (base.ownFont)
            widget->setFont(scaledFont(base.font, factor));
    }
    for (auto &[widget, base] : changing) {
        if (base.document) {
            base.document->setDefaultFont(scaledFont(base.documentFont, factor));
            base.document->setDocumentMargin(base.documentMargin * factor);
            scaleTextSizes(*base.document, qreal(factor) / base.scale);
        }
        if (!base.pixmap.isNull()) {
            static_cast<QLabel *>(widget)->setPixmap(
                base.pixmap.scaled(base.pixmap.size() * factor, Qt::IgnoreAspectRatio,
                                   Qt::FastTransformation)); // each pixel an N x N block
        }
        if (base.fixedSize.isValid())
            widget->setFixedSize(base.fixedSize * factor);
        if (!base.geometry.isNull()) {
            QSize size = base.geometry.size() * factor;
            // A label sized to its text must still hold it in the larger font.
            if (auto *label = qobject_cast<QLabel *>(widget); label && base.pixmap.isNull())
                size = size.expandedTo(label->sizeHint());
            widget->setGeometry(QRect(base.geometry.topLeft() * factor, size));
        }
        base.scale = factor;
        widget->setProperty(kOneXProperty, QVariant::fromValue(base));
    }
    if (QLayout *layout = window.layout())
        layout->activate(); // the window's new size, now rather than at the next event
}

ScaledStyle *installedStyle()
{
    return qobject_cast<ScaledStyle *>(QApplication::style());
}

} // namespace

int presentationScale()
{
    const ScaledStyle *style = installedStyle();
    return style ? style->factor() : 1;
}

void setPresentationScale(int factor)
{
    factor = std::clamp(factor, 1, kMaxPresentationScale);
    ScaledStyle *style = installedStyle();
    if (!style) {
        if (factor == 1)
            return;
        // Installed only once a larger size is asked for: at 1x the desktop's style is untouched.
        style = new ScaledStyle(QApplication::style()->name());
        QApplication::setStyle(style);
    }
    if (style->factor() == factor)
        return;
    style->setFactor(factor);

    static const QFont oneXToolTipFont = QToolTip::font();
    QToolTip::setFont(scaledFont(oneXToolTipFont, factor));
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        scaleTree(*window, factor);
    // The style's sizes changed under every widget: let each lay itself out again.
    for (QWidget *widget : QApplication::allWidgets()) {
        QEvent change(QEvent::StyleChange);
        QCoreApplication::sendEvent(widget, &change);
    }
}

void applyPresentationScale(QWidget &window)
{
    scaleTree(window, presentationScale());
}

int largestFittingScale(const QWidget &window)
{
    const QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return 1;
    const QSize available = screen->availableGeometry().size();
    const QSize frame = window.frameGeometry().size() - window.size();
    const int now = presentationScale();
    // The client part grows with the size; the frame the desktop draws does not.
    const QSize oneX((window.width() + now - 1) / now, (window.height() + now - 1) / now);
    int factor = kMaxPresentationScale;
    while (factor > 1
           && (oneX.width() * factor + frame.width() > available.width()
               || oneX.height() * factor + frame.height() > available.height()))
        --factor;
    return factor;
}

void zoomWindow(QWidget &window, int factor)
{
    factor = std::clamp(factor, 1, largestFittingScale(window));
    if (factor == presentationScale())
        return;
    const QPoint centre = window.frameGeometry().center();
    setPresentationScale(factor);
    placeOnScreen(window, centre);
}

} // namespace windows

// SPDX-License-Identifier: MIT
// The program in Ukrainian and English: which language it speaks, translated texts that fit
// where the Polish ones stand, and exports that differ from the Polish ones only in words.
#include "about_window.h"
#include "description_window.h"
#include "font_mapping.h"
#include "language.h"
#include "main_window_support.h"
#include "program_run.h"

#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace {

using app::Language;
using app_testing::controlsOf;

/** Speaks `language` for one test; Polish again after it. */
struct Speaking
{
    explicit Speaking(Language language) { EXPECT_TRUE(app::speak(language)); }
    ~Speaking() { app::speak(Language::Polish); }
    Speaking(const Speaking &) = delete;
    Speaking &operator=(const Speaking &) = delete;
};

TEST(Languages, ChosenFromTheUsersLanguagesOrTheCommandLine)
{
    const struct
    {
        QStringList user;
        Language spoken;
    } fromUser[] = {
        {{QStringLiteral("uk-UA")}, Language::Ukrainian},
        {{QStringLiteral("en_GB.UTF-8")}, Language::English},
        {{QStringLiteral("de-DE"), QStringLiteral("uk")}, Language::Ukrainian},
        {{QStringLiteral("pl-PL"), QStringLiteral("en-US")}, Language::Polish},
        {{QStringLiteral("C")}, Language::Polish},
        {{QStringLiteral("ukr"), QStringLiteral("fr")}, Language::Polish},
        {{}, Language::Polish},
    };
    for (const auto &c : fromUser)
        EXPECT_EQ(app::languageFor(c.user), c.spoken) << c.user.join(u',').toStdString();

    const auto asked = [](QStringList arguments) {
        arguments.prepend(QStringLiteral("falorys"));
        return app::languageAskedIn(arguments);
    };
    EXPECT_EQ(asked({QStringLiteral("--lang"), QStringLiteral("en")}), Language::English);
    EXPECT_EQ(asked({QStringLiteral("--a-small"), QStringLiteral("--lang=UK")}),
              Language::Ukrainian);
    EXPECT_EQ(asked({QStringLiteral("--lang"), QStringLiteral("xx")}), std::nullopt);
    EXPECT_EQ(asked({QStringLiteral("--lang")}), std::nullopt);

    QByteArray errors;
#ifndef Q_OS_WIN
    // A wrong value is told in the language the user would otherwise get.
    qputenv("LANGUAGE", "uk");
    EXPECT_EQ(app_testing::runProgram({QStringLiteral("--lang"), QStringLiteral("xx")}, &errors),
              2);
    EXPECT_TRUE(errors.contains("«xx» не є мовою програми")) << errors.toStdString();
    qunsetenv("LANGUAGE");
#endif
    EXPECT_EQ(app_testing::runProgram(
                  {QStringLiteral("--lang=en"), QStringLiteral("--lambda"), QStringLiteral("1")},
                  &errors),
              2);
    EXPECT_TRUE(errors.contains("1 is out of range")) << errors.toStdString();
}

/** Where the graph's caption is written, above the graph and left of the option group. */
const QRect kCaptionCell(188, 0, 448 - 188, 14);

/** Every label's words over nothing drawn and clear of every other control. */
void expectLabelsFit(const TForm1 &form, const char *language)
{
    const QImage image = form.clientImage();
    const QRgb face = image.pixel(image.width() - 1, image.height() - 1);
    const QWidget *client = form.clientArea();
    for (const QLabel *label : client->findChildren<QLabel *>()) {
        // The words themselves: a trailing space only keeps its distance.
        const QFontMetrics metrics(label->font());
        const QRect place(
            label->pos() + label->contentsRect().topLeft(),
            QSize(metrics.horizontalAdvance(label->text().trimmed()), metrics.height()));
        SCOPED_TRACE(language + (": " + label->text()).toStdString());
        EXPECT_TRUE(client->rect().contains(place));
        for (int y = place.top(); y <= place.bottom(); ++y)
            for (int x = place.left(); x <= place.right(); ++x)
                ASSERT_EQ(image.pixel(x, y), face) << "over a drawing at " << x << ',' << y;
        for (const QWidget *other : client->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            EXPECT_TRUE(other == label || !other->geometry().intersects(place))
                << "over " << other->objectName().toStdString();
    }
}

TEST(Languages, EveryTextFitsWhereThePolishOneStands)
{
    for (const Language language : {Language::Polish, Language::Ukrainian, Language::English}) {
        const Speaking speaking(language);
        const std::string code = app::languageCode(language).toStdString();
        TForm1 form;
        app_testing::showAndPaint(form);
        expectLabelsFit(form, code.c_str());
        const app_testing::Controls c = controlsOf(form);
        for (QAbstractButton *button : c.opcje1->findChildren<QRadioButton *>())
            EXPECT_LE(button->sizeHint().width(), button->width()) << code;
        const int title = c.opcje1->fontMetrics().horizontalAdvance(c.opcje1->title());
        EXPECT_LT(title + 16, c.opcje1->width()) << code;
        for (QAction *action : form.menuBar()->actions())
            EXPECT_TRUE(form.menuBar()->rect().contains(form.menuBar()->actionGeometry(action)))
                << code << ": " << action->text().toStdString();
        // The caption of the graph stays in its cell.
        const QFont caption = drawing::toQFont({QStringLiteral("Arial"), -12});
        const QString word = QCoreApplication::translate("Captions", "Natężenie");
        EXPECT_LE(194 + QFontMetrics(caption).horizontalAdvance(word), kCaptionCell.right())
            << code;
        // Each line of the About window's notice stays within its box; no dialog's label
        // runs into another of its controls.
        Tform2 about(&form);
        Tform3 description(&form);
        for (const QDialog *dialog :
             {static_cast<QDialog *>(&about), static_cast<QDialog *>(&description)})
            for (const QLabel *label : dialog->findChildren<QLabel *>()) {
                const QRect words(
                    label->pos(),
                    QSize(label->fontMetrics().horizontalAdvance(label->text()), label->height()));
                EXPECT_TRUE(label->text().isEmpty() || dialog->rect().contains(words))
                    << code << ": " << label->text().toStdString() << " beyond the window";
                for (const QWidget *other :
                     dialog->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                    EXPECT_TRUE(label->text().isEmpty() || other == label
                                || !other->geometry().intersects(words))
                        << code << ": " << label->text().toStdString() << " over "
                        << other->metaObject()->className();
            }
        const auto *notice = about.findChild<QPlainTextEdit *>();
        ASSERT_TRUE(notice);
        for (const QString &line : notice->toPlainText().split(u'\n'))
            EXPECT_LE(notice->fontMetrics().horizontalAdvance(line),
                      notice->contentsRect().width() - 2 * notice->document()->documentMargin())
                << code << ": " << line.toStdString();
    }
}

/** Where the window shows words: its labels, buttons, the option group, the graph's caption. */
QRegion placesOfWords(const TForm1 &form)
{
    QRegion words(kCaptionCell);
    const QWidget *client = form.clientArea();
    for (const QWidget *w : client->findChildren<QWidget *>())
        if (qobject_cast<const QLabel *>(w) || qobject_cast<const QAbstractButton *>(w)
            || w->objectName() == QLatin1String("opcje1"))
            words += QRect(w->mapTo(client, QPoint(0, 0)), w->size());
    return words;
}

TEST(Languages, ExportsDifferFromPolishOnlyInTheirWords)
{
    QImage polish;
    QRegion polishWords;
    {
        TForm1 form;
        form.repaintClientArea();
        polish = form.picture();
        polishWords = placesOfWords(form);
    }
    for (const Language language : {Language::Ukrainian, Language::English}) {
        const Speaking speaking(language);
        TForm1 form;
        form.repaintClientArea();
        const QImage translated = form.picture();
        ASSERT_EQ(translated.size(), polish.size());
        const QRegion words = polishWords + placesOfWords(form);
        int changed = 0;
        for (int y = 0; y < polish.height(); ++y)
            for (int x = 0; x < polish.width(); ++x)
                if (translated.pixel(x, y) != polish.pixel(x, y)) {
                    ++changed;
                    ASSERT_TRUE(words.contains(QPoint(x, y))) << x << ',' << y;
                }
        EXPECT_GT(changed, 0) << "nothing was translated";
    }
    // The data: only the header's cell that says what the intensity is in words.
    QByteArray csv[2];
    const QString codes[2] = {QStringLiteral("pl"), QStringLiteral("uk")};
    for (int i = 0; i < 2; ++i)
        ASSERT_EQ(app_testing::runProgram({QStringLiteral("--lang"), codes[i],
                                           QStringLiteral("--export-csv"), QStringLiteral("-")},
                                          nullptr, {}, &csv[i]),
                  0);
    const QByteArrayList header[2] = {csv[0].left(csv[0].indexOf('\n')).split('"'),
                                      csv[1].left(csv[1].indexOf('\n')).split('"')};
    ASSERT_EQ(header[1].size(), 3);
    EXPECT_EQ(header[0][0], header[1][0]);
    EXPECT_EQ(header[0][2], header[1][2]);
    EXPECT_NE(header[0][1], header[1][1]);
    EXPECT_EQ(csv[0].mid(csv[0].indexOf('\n')), csv[1].mid(csv[1].indexOf('\n')));
}

} // namespace

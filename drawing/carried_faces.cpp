// SPDX-License-Identifier: MIT
// Linux and the browser: the program carries the faces that stand for the classic ones, built in
// from Debian's fonts-liberation2 and fonts-dejavu-core (cut down to the characters the program
// can draw, see CMakeLists.txt), and asks for them by their own names.
// What else a machine has installed (or, in a browser, the lack of any font configuration) then
// changes nothing in the text.
#include "carried_faces.h"

#include "font_faces.h"

#include <QFont>
#include <QGuiApplication>
#include <QResource>

#include <array>

namespace drawing {

namespace {

enum class Registration { NotTried, Done, Failed };

struct CarriedFile
{
    QLatin1StringView family;
    bool bold;
    QLatin1StringView resource;
    Registration state = Registration::NotTried;
};

// Only the faces the program shows. The regular ones are all needed by the first paint; the bold
// one is made known to Qt when first asked for, by a dialog. Each is built in under a family name
// of its own: asked for by the original name, Qt may draw from an installed file of that name.
std::array<CarriedFile, 4> carriedFiles {{
    {QLatin1StringView("Falorys Sans"), false,
     QLatin1StringView(":/fonts/LiberationSans-Regular.ttf")},
    {QLatin1StringView("Falorys Serif"), false,
     QLatin1StringView(":/fonts/LiberationSerif-Regular.ttf")},
    {QLatin1StringView("Falorys DejaVu Sans"), false, QLatin1StringView(":/fonts/DejaVuSans.ttf")},
    {QLatin1StringView("Falorys DejaVu Sans"), true,
     QLatin1StringView(":/fonts/DejaVuSans-Bold.ttf")},
}};

struct Substitution
{
    QLatin1StringView face;
    QLatin1StringView family;
};

// What fontconfig makes of the classic faces on a Debian machine with nothing but the two font
// packages; the Symbol face takes a serif face with Greek letters. No name is the default face.
constexpr Substitution kSubstitutions[] = {
    {QLatin1StringView("Arial"), QLatin1StringView("Falorys Sans")},
    {QLatin1StringView("Times New Roman"), QLatin1StringView("Falorys Serif")},
    {QLatin1StringView("Symbol"), QLatin1StringView("Falorys Serif")},
    {QLatin1StringView("MS Sans Serif"), QLatin1StringView("Falorys DejaVu Sans")},
    {QLatin1StringView("MS Shell Dlg"), QLatin1StringView("Falorys DejaVu Sans")},
    {QLatin1StringView("Verdana"), QLatin1StringView("Falorys DejaVu Sans")},
    {QLatin1StringView(""), QLatin1StringView("Falorys DejaVu Sans")},
    {QLatin1StringView("Liberation Sans"), QLatin1StringView("Falorys Sans")},
    {QLatin1StringView("Liberation Serif"), QLatin1StringView("Falorys Serif")},
    {QLatin1StringView("DejaVu Sans"), QLatin1StringView("Falorys DejaVu Sans")},
};

bool registered(CarriedFile &file)
{
    if (file.state == Registration::NotTried) {
        // Built in uncompressed: Qt reads the face straight from the executable, no copy made.
        const QResource resource {QString(file.resource)};
        const bool done =
            resource.isValid() && registerFace(resource.uncompressedData(), file.family);
        file.state = done ? Registration::Done : Registration::Failed;
    }
    return file.state == Registration::Done;
}

} // namespace

QString carriedFamily(const QString &face, bool bold)
{
    const QString name = face.trimmed();
    for (const Substitution &s : kSubstitutions) {
        if (name.compare(s.face, Qt::CaseInsensitive) != 0)
            continue;
        // The regular face is carried for every family: bold without a bold face of its own is
        // drawn from it.
        CarriedFile *chosen = nullptr;
        for (CarriedFile &file : carriedFiles) {
            if (file.family == s.family && (file.bold == bold || (!chosen && !file.bold)))
                chosen = &file;
        }
        return chosen && registered(*chosen) ? QString(s.family) : QString();
    }
    return {};
}

void useCarriedApplicationFont()
{
    // All at once, before any text is measured: each registration empties Qt's font cache, so a
    // face made known between two lookups would have Qt load the fonts of the first one again.
    for (CarriedFile &file : carriedFiles) {
        if (!file.bold)
            registered(file);
    }
    const QString family = carriedFamily(QString(), false);
    if (family.isEmpty())
        return;
    QFont font = QGuiApplication::font();
    font.setFamilies({family});
    // Debian's own hinting (fontconfig's "slight"), also where no configuration says so: a
    // machine without fonts of its own, the browser.
    font.setHintingPreference(QFont::PreferVerticalHinting);
    QGuiApplication::setFont(font);
}

} // namespace drawing

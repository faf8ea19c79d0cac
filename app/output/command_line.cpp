// SPDX-License-Identifier: MIT
#include "command_line.h"

#include "bar_texts.h"
#include "language.h"
#include "setting.h"

#include <QCommandLineParser>

#include <algorithm>
#include <functional>
#include <limits>
#include <vector>

namespace app {

namespace {

/**
 * One option: its names, the placeholder of its value (none for a switch), its line of help, and
 * what it does with its value. `apply` returns the reason the value cannot be used, or an empty
 * string; the caller puts the option's name before the reason.
 */
struct OptionRule
{
    QStringList names;
    QString valueName;
    QString help;
    std::function<QString(const QString &value, StartOptions &options)> apply;
    QString allowed; ///< what the value may be, for the line that says it is missing
    bool numeric = false; ///< "-5" is a value (out of range), not a missing one
};

/** A decimal number read exactly: `units` whole units of the last allowed decimal. */
struct Decimal
{
    bool isNumber = false;
    bool finer = false; ///< nonzero digits after the allowed decimals
    qint64 units = 0;
};

// Digits beyond this many can only make a value out of range; they no longer add to `units`.
constexpr qint64 kSaturated = qint64(1) << 50;

/** Reads "650", "0.030", "0,030", ",5" or "-3" exactly, with either separator. */
Decimal readDecimal(QStringView text, int decimals)
{
    text = text.trimmed();
    Decimal d;
    qsizetype i = 0;
    const bool negative = i < text.size() && text[i] == u'-';
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        ++i;
    int digits = 0;
    int afterSeparator = -1; // -1: no separator seen yet
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if ((c == u'.' || c == u',') && afterSeparator < 0) {
            afterSeparator = 0;
            continue;
        }
        if (c < u'0' || c > u'9')
            return {};
        ++digits;
        const int digit = c.unicode() - u'0';
        if (afterSeparator >= 0 && ++afterSeparator > decimals) {
            d.finer = d.finer || digit != 0;
            continue;
        }
        d.units = std::min(d.units * 10 + digit, kSaturated);
    }
    if (digits == 0)
        return {};
    for (int scale = std::max(afterSeparator, 0); scale < decimals; ++scale)
        d.units = std::min(d.units * 10, kSaturated);
    d.isNumber = true;
    if (negative)
        d.units = -d.units;
    return d;
}

/** A setting that moves scroll bar `which` to the position its value stands for. */
OptionRule settingOption(const QString &name, const QString &valueName, const QString &what,
                         optics::Bar which)
{
    const QString step = stepText(which);
    const QString range = rangeText(which);
    const QString allowed = translate("CommandLine", "dozwolone wartości: %1").arg(range);
    const int decimals = optics::kBarQuantities[std::size_t(which)].decimals;
    auto apply = [=](const QString &value, StartOptions &options) -> QString {
        const Decimal d = readDecimal(value, decimals);
        const QString shown = value.trimmed();
        if (!d.isNumber)
            return translate("CommandLine", "„%1” nie jest liczbą; %2").arg(value, allowed);
        const optics::Placement place = optics::placeOnBar(which, d.units, d.finer);
        switch (place.kind) {
        case optics::Placement::Kind::OutOfRange:
            return translate("CommandLine", "%1 jest poza zakresem; %2").arg(shown, allowed);
        case optics::Placement::Kind::OffStep:
            return translate("CommandLine", "%1 nie pasuje do kroku %2; %3")
                .arg(shown, step, allowed);
        case optics::Placement::Kind::Position:
            break;
        }
        options.positions[std::size_t(which)] = place.position;
        return {};
    };
    return {{name}, valueName, what + QStringLiteral(": ") + range, apply, allowed, true};
}

OptionRule fileOption(const QString &name, const QString &help, QString StartOptions::*path)
{
    auto apply = [path](const QString &value, StartOptions &options) -> QString {
        if (value.isEmpty())
            return translate("CommandLine", "pusta nazwa pliku; podaj nazwę pliku do zapisania");
        options.*path = value;
        return {};
    };
    return {{name},
            translate("CommandLine", "PLIK"),
            help,
            apply,
            translate("CommandLine", "podaj nazwę pliku")};
}

QString scaleValues()
{
    return translate("CommandLine", "dozwolone wartości: 1, 2, 3, 4 albo fit");
}

QString languageValues()
{
    return translate("CommandLine", "dozwolone wartości: pl, uk, en");
}

std::vector<OptionRule> makeOptionRules()
{
    return {
        {{QStringLiteral("h"), QStringLiteral("help")},
         {},
         translate("CommandLine", "wypisuje tę pomoc i kończy pracę"),
         {},
         {}},
        {{QStringLiteral("v"), QStringLiteral("version")},
         {},
         translate("CommandLine", "wypisuje wersję programu i kończy pracę"),
         {},
         {}},
        settingOption(QStringLiteral("lambda"), QStringLiteral("NM"),
                      translate("CommandLine", "długość fali"), optics::Bar::Wavelength),
        settingOption(QStringLiteral("d"), QStringLiteral("MM"),
                      translate("CommandLine", "odległość szczelin"), optics::Bar::Separation),
        settingOption(QStringLiteral("L"), QStringLiteral("M"),
                      translate("CommandLine", "odległość od ekranu"), optics::Bar::Distance),
        settingOption(QStringLiteral("a"), QStringLiteral("NM"),
                      translate("CommandLine", "szerokość szczelin"), optics::Bar::SlitWidth),
        {{QStringLiteral("a-small")},
         {},
         translate("CommandLine", "bardzo wąskie szczeliny (opcja „a << λ”)"),
         [](const QString &, StartOptions &options) {
             options.narrowSlits = true;
             return QString();
         },
         {}},
        {{QStringLiteral("scale")},
         QStringLiteral("N|fit"),
         translate("CommandLine",
                   "rozmiar prezentacyjny: całe okno 1, 2, 3 lub 4 razy większe; "
                   "fit: największy, który mieści się na ekranie"),
         [](const QString &value, StartOptions &options) {
             const QString wanted = value.trimmed();
             if (wanted == QLatin1String("fit")) {
                 options.scale = kScaleToFit;
                 return QString();
             }
             bool ok = false;
             const int factor = wanted.toInt(&ok);
             if (!ok)
                 return translate("CommandLine", "„%1” nie jest rozmiarem; %2")
                     .arg(value, scaleValues());
             if (factor < 1 || factor > kMaxPresentationScale)
                 return translate("CommandLine", "%1 jest poza zakresem; %2")
                     .arg(wanted, scaleValues());
             options.scale = factor;
             return QString();
         },
         scaleValues(),
         true},
        fileOption(QStringLiteral("export-png"),
                   translate("CommandLine",
                             "zapisuje obraz okna (632 × 434 piksele) do pliku "
                             "PNG i kończy pracę bez otwierania okna"),
                   &StartOptions::pngPath),
        fileOption(QStringLiteral("export-csv"),
                   translate("CommandLine",
                             "zapisuje dane 361 kolumn ekranu (x, I/I₀, R, G, B) "
                             "do pliku CSV i kończy pracę bez otwierania okna"),
                   &StartOptions::csvPath),
        {{QStringLiteral("lang")},
         QStringLiteral("pl|uk|en"),
         translate("CommandLine",
                   "język programu: polski, ukraiński albo angielski; bez tej "
                   "opcji język pulpitu, jeśli program go zna, a inaczej polski"),
         [](const QString &value, StartOptions &) {
             if (languageNamed(value))
                 return QString();
             return translate("CommandLine", "„%1” nie jest językiem programu; %2")
                 .arg(value, languageValues());
         },
         languageValues()},
    };
}

/** The options, their help and messages in the language spoken when asked. */
const std::vector<OptionRule> &optionRules()
{
    static std::vector<OptionRule> rules;
    static std::optional<Language> madeIn;
    if (madeIn != spokenLanguage()) {
        rules = makeOptionRules();
        madeIn = spokenLanguage();
    }
    return rules;
}

/** "-h, --help" or "--lambda": one dash before a one-letter name only where it is not alone. */
QString spelledNames(const OptionRule &rule)
{
    QStringList spelled;
    for (const QString &name : rule.names)
        spelled << (name.size() == 1 && rule.names.size() > 1 ? QStringLiteral("-")
                                                              : QStringLiteral("--"))
                + name;
    return spelled.join(QStringLiteral(", "));
}

constexpr qsizetype kHelpIndent = 24;
constexpr qsizetype kHelpWidth = 79;

/** One line of help broken at spaces to fit a terminal, continued under the descriptions. */
QString wrapped(const QString &line)
{
    QString text;
    QString rest = line;
    while (rest.size() > kHelpWidth) {
        const qsizetype space = rest.lastIndexOf(u' ', kHelpWidth);
        if (space <= kHelpIndent)
            break;
        text += rest.left(space) + u'\n';
        rest = QString(kHelpIndent, u' ') + rest.mid(space + 1);
    }
    return text + rest + u'\n';
}

QString helpText()
{
    QString text = translate("CommandLine",
                             "Użycie: falorys [OPCJE]\n"
                             "Dyfrakcja i interferencja światła na dwóch "
                             "szczelinach.\n"
                             "\n"
                             "Opcje:\n");
    for (const OptionRule &rule : optionRules()) {
        QString left = QStringLiteral("  ") + spelledNames(rule);
        if (!rule.valueName.isEmpty())
            left += u' ' + rule.valueName;
        text += wrapped(left.leftJustified(kHelpIndent - 1) + u' ' + rule.help);
    }
    text += translate(
        "CommandLine",
        "\n"
        "Liczby dziesiętne można pisać z kropką albo z przecinkiem (0.030 lub 0,030).\n"
        "Bez opcji program zaczyna od 380 nm, 0,020 mm, 1,50 m i 1000 nm.\n"
        "Każdą opcję podaje się najwyżej raz. PLIK „-” to standardowe wyjście.\n"
        "\n"
        "Kod zakończenia: 0, gdy wszystko zapisano; 1, gdy pliku lub wyjścia nie dało\n"
        "się zapisać (albo program zakończono poleceniem Koniec); 2 przy błędzie\n"
        "w wierszu poleceń: program mówi wtedy, co jest nie tak, i niczego nie zapisuje.\n"
        "\n"
        "Przykłady:\n"
        "  falorys --lambda 650 --d 0,030 --L 1,80 --a 5000\n"
        "  falorys --lambda 532 --a-small --export-png wzor.png --export-csv wzor.csv\n"
        "  falorys --export-csv - | column -s, -t\n"
        "  falorys --scale fit\n");
    return text;
}

const OptionRule *ruleNamed(QStringView name)
{
    for (const OptionRule &rule : optionRules())
        if (rule.names.contains(name))
            return &rule;
    return nullptr;
}

QString dashed(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

CommandLine failure(const QString &line)
{
    CommandLine result;
    result.action = CommandLine::Action::Fail;
    result.text = QStringLiteral("falorys: ") + line;
    return result;
}

/** The option an argument names: "--name[=value]", or the last letter of "-abc[=value]". */
QString optionNameIn(const QString &argument)
{
    const QString head = argument.section(u'=', 0, 0);
    return head.startsWith(QStringLiteral("--")) ? head.mid(2) : head.right(1);
}

/**
 * Why QCommandLineParser refused the arguments, in the program's words. It refuses only an
 * unknown option, a switch given a value ("--a-small=1", "-v=1") and an option that needs a
 * value given none (it takes the next argument whatever it is, so only the last); its own
 * English text never reaches the user.
 */
CommandLine parseFailure(const QCommandLineParser &parser, const QStringList &arguments)
{
    if (!parser.unknownOptionNames().isEmpty()) {
        QStringList known;
        for (const OptionRule &rule : optionRules())
            known << QStringLiteral("--") + rule.names.last();
        // As typed: "--l" is not "-l".
        const QString unknown = parser.unknownOptionNames().first();
        const bool typedLong =
            std::any_of(arguments.begin(), arguments.end(), [&](const QString &a) {
                return a.section(u'=', 0, 0) == QStringLiteral("--") + unknown;
            });
        return failure(translate("CommandLine", "nieznana opcja „%1”; dozwolone opcje: %2")
                           .arg(typedLong ? QStringLiteral("--") + unknown : dashed(unknown),
                                known.join(QStringLiteral(", "))));
    }
    for (const QString &argument : arguments.mid(1)) {
        const OptionRule *rule = ruleNamed(optionNameIn(argument));
        if (argument.startsWith(u'-') && argument.contains(u'=') && rule
            && rule->valueName.isEmpty())
            return failure(translate("CommandLine", "opcja %1 nie przyjmuje wartości")
                               .arg(dashed(optionNameIn(argument))));
    }
    const QString last = arguments.value(arguments.size() - 1);
    const OptionRule *rule = ruleNamed(optionNameIn(last));
    if (last.startsWith(u'-') && rule && !rule->valueName.isEmpty())
        return failure(
            translate("CommandLine", "%1: brak wartości; %2")
                .arg(last.startsWith(QStringLiteral("--")) ? last : dashed(optionNameIn(last)),
                     rule->allowed));
    return failure(
        translate("CommandLine", "błędny wiersz poleceń; listę opcji wypisuje falorys --help"));
}

/** A value that is rather the next option: the one before it was given none. */
bool looksLikeOption(const QString &value, const OptionRule &rule)
{
    if (!value.startsWith(u'-') || value.size() == 1)
        return false;
    const QChar next = value.at(1);
    return !(rule.numeric && (next.isDigit() || next == u'.' || next == u','));
}

/** Each option given once, and given a value where it takes one, in the order given. */
std::optional<CommandLine> misusedOption(const QCommandLineParser &parser)
{
    std::vector<const OptionRule *> seen;
    for (const QString &name : parser.optionNames()) {
        const OptionRule *rule = ruleNamed(name);
        const QString spelled = QStringLiteral("--") + rule->names.last();
        if (std::find(seen.begin(), seen.end(), rule) != seen.end())
            return failure(translate("CommandLine", "opcja %1 podana więcej niż raz").arg(spelled));
        seen.push_back(rule);
        if (!rule->valueName.isEmpty() && looksLikeOption(parser.value(name), *rule))
            return failure(
                translate("CommandLine", "%1: brak wartości; %2").arg(spelled, rule->allowed));
    }
    return std::nullopt;
}

/**
 * Qt's own options (-reverse, -platform NAME, -style NAME, ...), which the application object
 * reads and takes away later, as on every Qt program's command line, apart from the program's.
 */
struct SplitArguments
{
    QStringList program; ///< the program's name and its own arguments
    QStringList toolkit; ///< Qt's options with their values
};

SplitArguments splitQtOptions(const QStringList &arguments)
{
    static const QStringList flags {
        QStringLiteral("reverse"), QStringLiteral("widgetcount"), QStringLiteral("nograb"),
        QStringLiteral("dograb"),  QStringLiteral("sync"),
    };
    static const QStringList withValue {
        QStringLiteral("platform"),      QStringLiteral("platformpluginpath"),
        QStringLiteral("platformtheme"), QStringLiteral("plugin"),
        QStringLiteral("style"),         QStringLiteral("stylesheet"),
        QStringLiteral("session"),       QStringLiteral("qwindowgeometry"),
        QStringLiteral("qwindowicon"),   QStringLiteral("qwindowtitle"),
        QStringLiteral("display"),       QStringLiteral("geometry"),
        QStringLiteral("title"),         QStringLiteral("visual"),
    };
    SplitArguments split;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        // Qt takes them with one dash or two, and some as NAME=VALUE.
        QString name = argument.startsWith(QStringLiteral("--")) ? argument.mid(2)
            : argument.startsWith(u'-')                          ? argument.mid(1)
                                                                 : QString();
        const bool joined = name.contains(u'=');
        name = name.section(u'=', 0, 0);
        if (i > 0 && flags.contains(name)) {
            split.toolkit << argument;
            continue;
        }
        if (i > 0 && withValue.contains(name)) {
            split.toolkit << argument;
            if (!joined && ++i < arguments.size())
                split.toolkit << arguments.at(i); // its value
            continue;
        }
        split.program << argument;
    }
    return split;
}

} // namespace

CommandLine parseCommandLine(const QStringList &allArguments)
{
    const QStringList arguments = splitQtOptions(allArguments).program;
    QCommandLineParser parser;
    QList<QCommandLineOption> options;
    for (const OptionRule &rule : optionRules())
        options.append(QCommandLineOption(rule.names, rule.help, rule.valueName));
    parser.addOptions(options);
    if (!parser.parse(arguments))
        return parseFailure(parser, arguments);
    if (auto misused = misusedOption(parser))
        return *misused;
    if (!parser.positionalArguments().isEmpty())
        return failure(translate("CommandLine",
                                 "nieoczekiwany argument „%1”; program przyjmuje "
                                 "tylko opcje, ich listę wypisuje falorys --help")
                           .arg(parser.positionalArguments().first()));

    CommandLine result;
    if (parser.isSet(QStringLiteral("help"))) {
        result.action = CommandLine::Action::ShowHelp;
        result.text = helpText();
        return result;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        result.action = CommandLine::Action::ShowVersion;
        result.text = QStringLiteral("falorys " FALORYS_VERSION "\n");
        return result;
    }
    for (const OptionRule &rule : optionRules()) {
        const QString &name = rule.names.last();
        if (!rule.apply || !parser.isSet(name))
            continue;
        const QString reason = rule.apply(parser.value(name), result.options);
        if (!reason.isEmpty())
            return failure(QStringLiteral("--") + name + QStringLiteral(": ") + reason);
    }
    const StartOptions &o = result.options;
    if (o.narrowSlits && o.positions[3])
        return failure(translate("CommandLine",
                                 "opcje --a i --a-small wykluczają się: przy "
                                 "„a << λ” szerokość szczelin się nie liczy; podaj "
                                 "jedną z nich"));
    if (o.pngPath == QStringLiteral("-") && o.csvPath == QStringLiteral("-"))
        return failure(translate("CommandLine",
                                 "--export-png i --export-csv nie mogą obie pisać "
                                 "na standardowe wyjście („-”); jednej podaj nazwę "
                                 "pliku"));
    return result;
}

QStringList toolkitOptions(const QStringList &arguments)
{
    return splitQtOptions(arguments).toolkit;
}

} // namespace app

// SPDX-License-Identifier: MIT
#include "command_line.h"

#include <gtest/gtest.h>

using app::CommandLine;

namespace {

CommandLine parse(QStringList arguments)
{
    return app::parseCommandLine(QStringList {"falorys"} + arguments);
}

using Positions = std::array<std::optional<int>, 4>;

} // namespace

TEST(CommandLine, OptionsBecomeTheScrollBarPositionsTheyStandFor)
{
    // Either decimal separator, trailing zeros, "=" or a separate value; both ends of each range.
    const CommandLine middle = parse({"--lambda", "650", "--d", "0,030", "--L=1.8", "--a", "5000",
                                      "--export-png", "p.png", "--export-csv", "-"});
    ASSERT_EQ(middle.action, CommandLine::Action::Run) << middle.text.toStdString();
    EXPECT_EQ(middle.options.positions, (Positions {271, 30, 200, 50}));
    EXPECT_EQ(middle.options.pngPath, QStringLiteral("p.png"));
    EXPECT_EQ(middle.options.csvPath, QStringLiteral("-"));
    const CommandLine low = parse({"--lambda=380", "--d", "0.0200", "--L", "1,50", "--a-small"});
    EXPECT_EQ(low.options.positions, (Positions {1, 20, 170, {}})) << low.text.toStdString();
    EXPECT_TRUE(low.options.narrowSlits);
    const CommandLine high = parse({"--lambda", "760", "--d", ".04", "--L", "2", "--a", "10000"});
    EXPECT_EQ(high.options.positions, (Positions {381, 40, 220, 100})) << high.text.toStdString();
    EXPECT_EQ(parse({}).options.positions, Positions {});
    // Help and the version come before the rest; a wrong option before them.
    EXPECT_EQ(parse({"--lambda", "900", "-h"}).action, CommandLine::Action::ShowHelp);
    EXPECT_EQ(parse({"-v"}).action, CommandLine::Action::ShowVersion);
    EXPECT_EQ(parse({"--colour", "-v"}).action, CommandLine::Action::Fail);
}

TEST(CommandLine, EachKindOfMistakeIsOneLineNamingTheOptionAndWhatItAllows)
{
    const std::pair<QStringList, const char *> cases[] = {
        {{"--lambda", "761"},
         "--lambda: 761 jest poza zakresem; dozwolone wartości: od 380 do 760 nm, co 1 nm"},
        {{"--d", "0.0305"},
         "--d: 0.0305 nie pasuje do kroku 0,001 mm; dozwolone wartości: od "
         "0,020 do 0,040 mm, co 0,001 mm"},
        {{"--L", "1.5m"}, "--L: „1.5m” nie jest liczbą; dozwolone wartości: od 1,50 do 2,00 m"},
        {{"--colour", "red"},
         "nieznana opcja „--colour”; dozwolone opcje: --help, --version, "
         "--lambda, --d, --L"},
        {{"--d"}, "--d: brak wartości; dozwolone wartości: od 0,020"},
        {{"--a-small=1"}, "opcja --a-small nie przyjmuje wartości"},
        {{"-v=1"}, "opcja -v nie przyjmuje wartości"},
        {{"-d"}, "-d: brak wartości; dozwolone wartości: od 0,020"},
        {{"-x"}, "nieznana opcja „-x”"},
        {{"--l", "1.8"}, "nieznana opcja „--l”"},
        {{"--scale", "-1"}, "--scale: -1 jest poza zakresem; dozwolone wartości: 1, 2, 3, 4"},
        // A value that is the next option: the option before it has none.
        {{"--export-png", "--lambda"}, "--export-png: brak wartości; podaj nazwę pliku"},
        {{"--lambda", "--d", "0.03"}, "--lambda: brak wartości; dozwolone wartości: od 380"},
        {{"--lambda", "-5"}, "--lambda: -5 jest poza zakresem"},
        {{"--lambda", "500", "--lambda", "600"}, "opcja --lambda podana więcej niż raz"},
        {{"--a", "5000", "--a-small"}, "opcje --a i --a-small wykluczają się"},
        {{"--export-png", "-", "--export-csv", "-"}, "--export-png i --export-csv nie mogą obie"},
        {{"wzor.png"}, "nieoczekiwany argument „wzor.png”"},
    };
    for (const auto &[arguments, says] : cases) {
        const CommandLine result = parse(arguments);
        const std::string text = result.text.toStdString();
        EXPECT_EQ(result.action, CommandLine::Action::Fail) << says;
        EXPECT_EQ(text.find('\n'), std::string::npos) << text;
        EXPECT_EQ(text.rfind(std::string("falorys: ") + says, 0), 0u) << text << "\nnot: " << says;
    }
}

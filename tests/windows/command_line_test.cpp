// SPDX-License-Identifier: MIT
#include "command_line.h"

#include <gtest/gtest.h>

using windows::CommandLine;
using windows::parseCommandLine;

namespace {

CommandLine parse(QStringList arguments)
{
    arguments.prepend(QStringLiteral("falorys"));
    return parseCommandLine(arguments);
}

} // namespace

TEST(CommandLine, SettingsBecomeTheScrollBarPositionsTheyStandFor)
{
    // Either decimal separator; a trailing zero is still on the grid; "=" or a separate value.
    const CommandLine middle = parse({"--lambda", "650", "--d", "0,030", "--L=1.8", "--a", "5000",
                                      "--a-small", "--export-png", "p.png"});
    ASSERT_EQ(middle.action, CommandLine::Action::Run) << middle.text.toStdString();
    const auto &p = middle.options.positions;
    EXPECT_EQ(p[0], 271);
    EXPECT_EQ(p[1], 30);
    EXPECT_EQ(p[2], 200);
    EXPECT_EQ(p[3], 50);
    EXPECT_TRUE(middle.options.narrowSlits);
    EXPECT_EQ(middle.options.pngPath, QStringLiteral("p.png"));
    EXPECT_TRUE(middle.options.csvPath.isNull());

    const CommandLine low = parse({"--lambda=380", "--d", "0.0200", "--L", "1,50", "--a", "1000"});
    const CommandLine high = parse({"--lambda", "760", "--d", ".04", "--L", "2", "--a", "10000"});
    ASSERT_EQ(low.action, CommandLine::Action::Run) << low.text.toStdString();
    ASSERT_EQ(high.action, CommandLine::Action::Run) << high.text.toStdString();
    EXPECT_EQ(low.options.positions, (std::array<std::optional<int>, 4> {1, 20, 170, 10}));
    EXPECT_EQ(high.options.positions, (std::array<std::optional<int>, 4> {381, 40, 220, 100}));

    const CommandLine none = parse({});
    EXPECT_EQ(none.action, CommandLine::Action::Run);
    EXPECT_FALSE(none.options.positions[0].has_value());
    EXPECT_FALSE(none.options.exports());
}

TEST(CommandLine, EachKindOfMistakeIsOneLineNamingTheOptionAndWhatItAllows)
{
    struct Case
    {
        QStringList arguments;
        const char *says;
    };
    const Case cases[] = {
        {{"--lambda", "761"},
         "--lambda: 761 jest poza zakresem; dozwolone wartości: od 380 do "
         "760 nm, co 1 nm"},
        {{"--d", "0.0401"}, "--d: 0.0401 jest poza zakresem"},
        {{"--d", "0.0305"},
         "--d: 0.0305 nie pasuje do kroku 0,001 mm; dozwolone wartości: od "
         "0,020 do 0,040 mm, co 0,001 mm"},
        {{"--a", "1050"}, "--a: 1050 nie pasuje do kroku 100 nm"},
        {{"--L", "1.5m"}, "--L: „1.5m” nie jest liczbą; dozwolone wartości: od 1,50 do 2,00 m"},
        {{"--L", "1,5,0"}, "--L: „1,5,0” nie jest liczbą"},
        {{"--lambda", "-500"}, "--lambda: -500 jest poza zakresem"},
        {{"--colour", "red"},
         "nieznana opcja „--colour”; dozwolone opcje: --help, --version, "
         "--lambda, --d, --L"},
        {{"--d"}, "--d: brak wartości; dozwolone wartości: od 0,020"},
        {{"--a-small=1"}, "opcja --a-small nie przyjmuje wartości"},
        {{"--export-csv", ""}, "--export-csv: pusta nazwa pliku"},
        {{"wzor.png"}, "nieoczekiwany argument „wzor.png”"},
    };
    for (const Case &c : cases) {
        const CommandLine result = parse(c.arguments);
        const std::string text = result.text.toStdString();
        EXPECT_EQ(result.action, CommandLine::Action::Fail) << c.says;
        EXPECT_TRUE(result.text.startsWith(QStringLiteral("falorys: ")) && !text.empty()
                    && text.find('\n') == std::string::npos)
            << text;
        EXPECT_NE(text.find(c.says), std::string::npos) << text << "\nshould say: " << c.says;
    }
}

TEST(CommandLine, HelpAndVersionComeBeforeEverythingElse)
{
    const CommandLine help = parse({"--lambda", "650", "-h"});
    EXPECT_EQ(help.action, CommandLine::Action::ShowHelp);
    EXPECT_TRUE(help.text.startsWith(QStringLiteral("Użycie: falorys [OPCJE]\n")));
    for (const char *line :
         {"  -h, --help ", "  --lambda NM ", "od 380 do 760 nm, co 1 nm", "  --d MM ", "  --L M ",
          "od 1,50 do 2,00 m, co 0,01 m", "  --a NM ", "od 1000 do 10000 nm, co 100 nm",
          "  --a-small ", "  --export-png PLIK ", "  --export-csv PLIK "})
        EXPECT_TRUE(help.text.contains(QString::fromUtf8(line))) << line;

    const CommandLine version = parse({"-v"});
    EXPECT_EQ(version.action, CommandLine::Action::ShowVersion);
    EXPECT_TRUE(version.text.startsWith(QStringLiteral("falorys ")));
}

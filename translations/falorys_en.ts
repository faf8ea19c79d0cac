<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pl">
<context>
    <name>BrowserPage</name>
    <message>
        <source>Program Falorys zakończył pracę. Aby uruchomić go ponownie, odśwież stronę (klawisz F5 albo przycisk odświeżania przeglądarki).</source>
        <translation>Falorys has ended. To start it again, reload the page (the F5 key or the browser’s reload button).</translation>
    </message>
    <message>
        <source>W adresie pominięto „%1”: nieznany parametr; dozwolone parametry: %2.</source>
        <translation>Ignored “%1” in the address: unknown parameter; allowed parameters: %2.</translation>
    </message>
    <message>
        <source>W adresie pominięto „%1”: %2.</source>
        <translation>Ignored “%1” in the address: %2.</translation>
    </message>
</context>
<context>
    <name>Captions</name>
    <message>
        <source>Natężenie</source>
        <translation>Intensity</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>dozwolone wartości: %1</source>
        <translation>allowed values: %1</translation>
    </message>
    <message>
        <source>„%1” nie jest liczbą; %2</source>
        <translation>“%1” is not a number; %2</translation>
    </message>
    <message>
        <source>%1 jest poza zakresem; %2</source>
        <translation>%1 is out of range; %2</translation>
    </message>
    <message>
        <source>%1 nie pasuje do kroku %2; %3</source>
        <translation>%1 does not fit the step of %2; %3</translation>
    </message>
    <message>
        <source>pusta nazwa pliku; podaj nazwę pliku do zapisania</source>
        <translation>empty file name; give the name of the file to write</translation>
    </message>
    <message>
        <source>PLIK</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>podaj nazwę pliku</source>
        <translation>give a file name</translation>
    </message>
    <message>
        <source>dozwolone wartości: 1, 2, 3, 4 albo fit</source>
        <translation>allowed values: 1, 2, 3, 4 or fit</translation>
    </message>
    <message>
        <source>dozwolone wartości: pl, uk, en</source>
        <translation>allowed values: pl, uk, en</translation>
    </message>
    <message>
        <source>wypisuje tę pomoc i kończy pracę</source>
        <translation>prints this help and exits</translation>
    </message>
    <message>
        <source>wypisuje wersję programu i kończy pracę</source>
        <translation>prints the program’s version and exits</translation>
    </message>
    <message>
        <source>długość fali</source>
        <translation>wavelength</translation>
    </message>
    <message>
        <source>odległość szczelin</source>
        <translation>slit separation</translation>
    </message>
    <message>
        <source>odległość od ekranu</source>
        <translation>distance to the screen</translation>
    </message>
    <message>
        <source>szerokość szczelin</source>
        <translation>slit width</translation>
    </message>
    <message>
        <source>bardzo wąskie szczeliny (opcja „a &lt;&lt; λ”)</source>
        <translation>very narrow slits (the option “a &lt;&lt; λ”)</translation>
    </message>
    <message>
        <source>rozmiar prezentacyjny: całe okno 1, 2, 3 lub 4 razy większe; fit: największy, który mieści się na ekranie</source>
        <translation>presentation size: the whole window 1, 2, 3 or 4 times larger; fit: the largest that fits the screen</translation>
    </message>
    <message>
        <source>„%1” nie jest rozmiarem; %2</source>
        <translation>“%1” is not a size; %2</translation>
    </message>
    <message>
        <source>zapisuje obraz okna (632 × 434 piksele) do pliku PNG i kończy pracę bez otwierania okna</source>
        <translation>writes the window’s picture (632 × 434 pixels) to a PNG file and exits without opening the window</translation>
    </message>
    <message>
        <source>zapisuje dane 361 kolumn ekranu (x, I/I₀, R, G, B) do pliku CSV i kończy pracę bez otwierania okna</source>
        <translation>writes the data of the screen’s 361 columns (x, I/I₀, R, G, B) to a CSV file and exits without opening the window</translation>
    </message>
    <message>
        <source>język programu: polski, ukraiński albo angielski; bez tej opcji język pulpitu, jeśli program go zna, a inaczej polski</source>
        <translation>the program’s language: Polish, Ukrainian or English; without this option the desktop’s language if the program has it, otherwise Polish</translation>
    </message>
    <message>
        <source>„%1” nie jest językiem programu; %2</source>
        <translation>“%1” is not one of the program’s languages; %2</translation>
    </message>
    <message>
        <source>Użycie: falorys [OPCJE]
Dyfrakcja i interferencja światła na dwóch szczelinach.

Opcje:
</source>
        <translation>Usage: falorys [OPTIONS]
Diffraction and interference of light at two slits.

Options:
</translation>
    </message>
    <message>
        <source>
Liczby dziesiętne można pisać z kropką albo z przecinkiem (0.030 lub 0,030).
Bez opcji program zaczyna od 380 nm, 0,020 mm, 1,50 m i 1000 nm.
Każdą opcję podaje się najwyżej raz. PLIK „-” to standardowe wyjście.

Kod zakończenia: 0, gdy wszystko zapisano; 1, gdy pliku lub wyjścia nie dało
się zapisać (albo program zakończono poleceniem Koniec); 2 przy błędzie
w wierszu poleceń: program mówi wtedy, co jest nie tak, i niczego nie zapisuje.

Przykłady:
  falorys --lambda 650 --d 0,030 --L 1,80 --a 5000
  falorys --lambda 532 --a-small --export-png wzor.png --export-csv wzor.csv
  falorys --export-csv - | column -s, -t
  falorys --scale fit
</source>
        <translation>
Decimals may be written with a point or a comma (0.030 or 0,030).
Without options the program starts at 380 nm, 0.020 mm, 1.50 m and 1000 nm.
Each option may be given at most once. FILE “-” is the standard output.

Exit status: 0 when everything was written; 1 when a file or the output could
not be written (or the program was ended with Exit); 2 for a mistake on the
command line: the program then says what is wrong and writes nothing.

Examples:
  falorys --lambda 650 --d 0.030 --L 1.80 --a 5000
  falorys --lambda 532 --a-small --export-png pattern.png --export-csv pattern.csv
  falorys --export-csv - | column -s, -t
  falorys --scale fit --lang en
</translation>
    </message>
    <message>
        <source>nieznana opcja „%1”; dozwolone opcje: %2</source>
        <translation>unknown option “%1”; allowed options: %2</translation>
    </message>
    <message>
        <source>opcja %1 nie przyjmuje wartości</source>
        <translation>option %1 takes no value</translation>
    </message>
    <message>
        <source>%1: brak wartości; %2</source>
        <translation>%1: value missing; %2</translation>
    </message>
    <message>
        <source>błędny wiersz poleceń; listę opcji wypisuje falorys --help</source>
        <translation>invalid command line; falorys --help lists the options</translation>
    </message>
    <message>
        <source>opcja %1 podana więcej niż raz</source>
        <translation>option %1 given more than once</translation>
    </message>
    <message>
        <source>nieoczekiwany argument „%1”; program przyjmuje tylko opcje, ich listę wypisuje falorys --help</source>
        <translation>unexpected argument “%1”; the program takes only options, falorys --help lists them</translation>
    </message>
    <message>
        <source>opcje --a i --a-small wykluczają się: przy „a &lt;&lt; λ” szerokość szczelin się nie liczy; podaj jedną z nich</source>
        <translation>options --a and --a-small exclude each other: with “a &lt;&lt; λ” the slit width does not count; give one of them</translation>
    </message>
    <message>
        <source>--export-png i --export-csv nie mogą obie pisać na standardowe wyjście („-”); jednej podaj nazwę pliku</source>
        <translation>--export-png and --export-csv cannot both write to the standard output (“-”); give one of them a file name</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Ozdobny pasek z godłem programu</source>
        <translation>Decorative strip with the program’s emblem</translation>
    </message>
    <message>
        <source>Zamyka okno</source>
        <translation>Closes the window</translation>
    </message>
    <message>
        <source>© Falorys, optyka falowa</source>
        <translation>© Falorys, wave optics</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>nie można uruchomić okien: wtyczki platformy Qt „%1” nie da się wczytać</source>
        <translation>cannot open windows: the Qt platform plugin “%1” cannot be loaded</translation>
    </message>
    <message>
        <source>nie można połączyć się z ekranem Wayland „%1” (zmienna WAYLAND_DISPLAY); ustaw DISPLAY, aby użyć ekranu X11</source>
        <translation>cannot connect to the Wayland display “%1” (variable WAYLAND_DISPLAY); set DISPLAY to use an X11 display</translation>
    </message>
    <message>
        <source>nie można połączyć się z ekranem X „%1” (zmienna DISPLAY): serwer X nie działa albo odmawia połączenia</source>
        <translation>cannot connect to the X display “%1” (variable DISPLAY): the X server is not running or refuses the connection</translation>
    </message>
    <message>
        <source>brak ekranu graficznego: nie ustawiono zmiennej DISPLAY ani WAYLAND_DISPLAY; uruchom program w sesji graficznej albo ustaw DISPLAY (np. DISPLAY=:0)</source>
        <translation>no graphical display: neither DISPLAY nor WAYLAND_DISPLAY is set; start the program in a graphical session or set DISPLAY (e.g. DISPLAY=:0)</translation>
    </message>
</context>
<context>
    <name>Ending</name>
    <message>
        <source>za mało dozwolonych otwartych plików (ulimit -n); program kończy pracę</source>
        <translation>too few open files allowed (ulimit -n); the program ends</translation>
    </message>
    <message>
        <source>za mało pamięci, by uruchomić wątek; program kończy pracę</source>
        <translation>too little memory to start a thread; the program ends</translation>
    </message>
    <message>
        <source>zabrakło pamięci na obraz; program kończy pracę</source>
        <translation>out of memory for the picture; the program ends</translation>
    </message>
    <message>
        <source>Qt nie może dalej pracować; program kończy pracę</source>
        <translation>Qt cannot go on; the program ends</translation>
    </message>
    <message>
        <source>zabrakło pamięci; program kończy pracę</source>
        <translation>out of memory; the program ends</translation>
    </message>
    <message>
        <source>błąd programu; program kończy pracę</source>
        <translation>program error; the program ends</translation>
    </message>
    <message>
        <source>za mało dozwolonych otwartych plików (ulimit -n %1, potrzeba co najmniej %2); nic nie zapisano</source>
        <translation>too few open files allowed (ulimit -n %1, at least %2 needed); nothing was written</translation>
    </message>
    <message>
        <source>przerwano sygnałem %1; nic nie zapisano</source>
        <translation>interrupted by %1; nothing was written</translation>
    </message>
    <message>
        <source>zabrakło pamięci (ulimit -v %1 MB, %2); nic nie zapisano</source>
        <translation>out of memory (ulimit -v %1 MB, %2); nothing was written</translation>
    </message>
    <message>
        <source>błąd programu (%1); nic nie zapisano</source>
        <translation>program error (%1); nothing was written</translation>
    </message>
    <message>
        <source>przerwano (Ctrl+C); nic nie zapisano</source>
        <translation>interrupted (Ctrl+C); nothing was written</translation>
    </message>
    <message>
        <source>przerwano (Ctrl+Break); nic nie zapisano</source>
        <translation>interrupted (Ctrl+Break); nothing was written</translation>
    </message>
    <message>
        <source>przerwano, bo zamknięto konsolę; nic nie zapisano</source>
        <translation>interrupted: the console was closed; nothing was written</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>nie można zapisać na standardowe wyjście: </source>
        <translation>cannot write to the standard output: </translation>
    </message>
    <message>
        <source>nie można zapisać pliku „%1”: %2</source>
        <translation>cannot write the file “%1”: %2</translation>
    </message>
    <message>
        <source>ten sam plik</source>
        <translation>the same file</translation>
    </message>
    <message>
        <source>falorys: --export-png i --export-csv wskazują ten sam plik („%1” i „%2”); nic nie zapisano</source>
        <translation>falorys: --export-png and --export-csv name the same file (“%1” and “%2”); nothing was written</translation>
    </message>
    <message>
        <source>brak miejsca na dysku</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>brak uprawnień</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>system plików jest tylko do odczytu</source>
        <translation>the file system is read-only</translation>
    </message>
    <message>
        <source>nazwa pliku jest za długa</source>
        <translation>the file name is too long</translation>
    </message>
    <message>
        <source>błąd odczytu lub zapisu na nośniku</source>
        <translation>a read or write error on the medium</translation>
    </message>
    <message>
        <source>folder nie istnieje</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>część ścieżki nie jest folderem</source>
        <translation>part of the path is not a folder</translation>
    </message>
    <message>
        <source>to folder, a nie zwykły plik</source>
        <translation>it is a folder, not a regular file</translation>
    </message>
    <message>
        <source>dowiązania symboliczne na ścieżce tworzą pętlę</source>
        <translation>the symbolic links on the path form a loop</translation>
    </message>
    <message>
        <source>plik byłby za duży dla tego systemu plików</source>
        <translation>the file would be too large for this file system</translation>
    </message>
    <message>
        <source>za dużo otwartych plików</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>brak pamięci</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>plik jest w użyciu</source>
        <translation>the file is in use</translation>
    </message>
    <message>
        <source>ta nazwa pliku jest niedozwolona w tym systemie plików</source>
        <translation>this file name is not allowed on this file system</translation>
    </message>
    <message>
        <source>plik o tej nazwie powstał w trakcie zapisu</source>
        <translation>a file of this name appeared while writing</translation>
    </message>
    <message>
        <source>wyjście jest zamknięte</source>
        <translation>the output is closed</translation>
    </message>
    <message>
        <source>odbiorca danych zakończył pracę</source>
        <translation>the receiver of the data has ended</translation>
    </message>
    <message>
        <source>nieoczekiwany błąd systemu nr %1</source>
        <translation>unexpected system error no. %1</translation>
    </message>
    <message>
        <source>to urządzenie, a nie zwykły plik</source>
        <translation>it is a device, not a regular file</translation>
    </message>
    <message>
        <source>to potok nazwany (FIFO), a nie zwykły plik</source>
        <translation>it is a named pipe (FIFO), not a regular file</translation>
    </message>
    <message>
        <source>to potok nazwany, a nie zwykły plik</source>
        <translation>it is a named pipe, not a regular file</translation>
    </message>
    <message>
        <source>to gniazdo, a nie zwykły plik</source>
        <translation>it is a socket, not a regular file</translation>
    </message>
    <message>
        <source>to nie jest zwykły plik</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>plik przekroczyłby dozwolony rozmiar plików (ulimit -f)</source>
        <translation>the file would exceed the allowed file size (ulimit -f)</translation>
    </message>
    <message>
        <source>„%1”</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>folder %1 nie istnieje</source>
        <translation>the folder %1 does not exist</translation>
    </message>
    <message>
        <source>%1 nie jest folderem</source>
        <translation>%1 is not a folder</translation>
    </message>
    <message>
        <source>brak dostępu do folderu %1</source>
        <translation>no access to the folder %1</translation>
    </message>
    <message>
        <source>nie podano nazwy pliku</source>
        <translation>no file name given</translation>
    </message>
    <message>
        <source>%1 to folder, a nie nazwa pliku</source>
        <translation>%1 is a folder, not a file name</translation>
    </message>
    <message>
        <source>plik jest tylko do odczytu</source>
        <translation>the file is read-only</translation>
    </message>
    <message>
        <source>brak uprawnień do zapisu w folderze %1</source>
        <translation>no permission to write in the folder %1</translation>
    </message>
    <message>
        <source>plik zmienił się w trakcie zapisu</source>
        <translation>the file changed while it was written</translation>
    </message>
    <message>
        <source>%1 to dowiązanie symboliczne innego użytkownika w folderze, do którego każdy może pisać; program za nim nie podąża</source>
        <translation>%1 is another user’s symbolic link in a folder anyone may write to; the program does not follow it</translation>
    </message>
    <message>
        <source>dowiązania symboliczne na ścieżce %1 tworzą pętlę</source>
        <translation>the symbolic links on the path %1 form a loop</translation>
    </message>
    <message>
        <source>to plik jądra systemu (/proc, /sys), a nie zwykły plik</source>
        <translation>it is a file of the system’s kernel (/proc, /sys), not a regular file</translation>
    </message>
</context>
<context>
    <name>PatternExport</name>
    <message>
        <source>I/I₀ przy λ = %1 nm, d = %2 mm, L = %3 m, %4; separator dziesiętny: kropka</source>
        <translation>I/I₀ at λ = %1 nm, d = %2 mm, L = %3 m, %4; decimal separator: point</translation>
    </message>
</context>
<context>
    <name>Ranges</name>
    <message>
        <source>od %1 do %2 %3, co %4</source>
        <translation>from %1 to %2 %3 in steps of %4</translation>
    </message>
</context>
<context>
    <name>Scale</name>
    <message>
        <source>falorys: %1=„%2” nie jest użyteczną skalą (dozwolone od 1 do %3); użyto 1</source>
        <translation>falorys: %1=“%2” is not a usable scale (1 to %3 allowed); 1 used</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Długość fali %1 nm, odległość szczelin %2 mm, odległość od ekranu %3 m, </source>
        <translation>Wavelength %1 nm, slit separation %2 mm, distance to the screen %3 m, </translation>
    </message>
    <message>
        <source>bardzo wąskie szczeliny</source>
        <translation>very narrow slits</translation>
    </message>
    <message>
        <source>szerokość szczelin %1 nm</source>
        <translation>slit width %1 nm</translation>
    </message>
    <message>
        <source>Falorys (dwie szczeliny)</source>
        <translation>Falorys (two slits)</translation>
    </message>
    <message>
        <source>długość fali </source>
        <translation>wavelength </translation>
    </message>
    <message>
        <source>odległość szczelin d =</source>
        <translation>slit separation d =</translation>
    </message>
    <message>
        <source>odległość od ekranu L =</source>
        <translation>distance to screen L =</translation>
    </message>
    <message>
        <source>szerrokość szczelin a =</source>
        <translation>slit width a =</translation>
    </message>
    <message>
        <source>Opcje</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>a  regulowane</source>
        <translation>a  adjustable</translation>
    </message>
    <message>
        <source>Doświadczenie z dwiema szczelinami</source>
        <translation>Two-slit experiment</translation>
    </message>
    <message>
        <source>Długość fali</source>
        <translation>Wavelength</translation>
    </message>
    <message>
        <source>Długość fali światła w nanometrach, </source>
        <translation>Wavelength of the light in nanometres, </translation>
    </message>
    <message>
        <source>Odległość szczelin</source>
        <translation>Slit separation</translation>
    </message>
    <message>
        <source>Odległość między szczelinami w milimetrach, </source>
        <translation>Distance between the slits in millimetres, </translation>
    </message>
    <message>
        <source>Odległość od ekranu</source>
        <translation>Distance to the screen</translation>
    </message>
    <message>
        <source>Odległość szczelin od ekranu w metrach, </source>
        <translation>Distance from the slits to the screen in metres, </translation>
    </message>
    <message>
        <source>Szerokość szczelin</source>
        <translation>Slit width</translation>
    </message>
    <message>
        <source>Szerokość każdej ze szczelin w nanometrach, </source>
        <translation>Width of each slit in nanometres, </translation>
    </message>
    <message>
        <source>; nieczynny przy bardzo wąskich szczelinach</source>
        <translation>; inactive for very narrow slits</translation>
    </message>
    <message>
        <source>Szerokość szczelin: ustawiana suwakiem albo bardzo mała</source>
        <translation>Slit width: set with the scroll bar or very small</translation>
    </message>
    <message>
        <source>Szerokość szczelin regulowana</source>
        <translation>Adjustable slit width</translation>
    </message>
    <message>
        <source>Szerokość szczelin ustawiana suwakiem</source>
        <translation>Slit width set with the scroll bar</translation>
    </message>
    <message>
        <source>Bardzo wąskie szczeliny</source>
        <translation>Very narrow slits</translation>
    </message>
    <message>
        <source>Szerokość szczelin znacznie mniejsza od długości fali, 1 nm</source>
        <translation>Slit width much smaller than the wavelength, 1 nm</translation>
    </message>
    <message>
        <source>Litera lambda</source>
        <translation>The letter lambda</translation>
    </message>
    <message>
        <source>Znak długości fali obok opcji bardzo wąskich szczelin</source>
        <translation>The wavelength symbol next to the option for very narrow slits</translation>
    </message>
    <message>
        <source>szerokość szczelin a =</source>
        <translation>slit width a =</translation>
    </message>
    <message>
        <source>Koniec</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Pomoc</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Opis programu</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>O programie</source>
        <translation>About</translation>
    </message>
</context>
<context>
    <name>Tform2</name>
    <message>
        <source>O programie</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Warunki używania programu</source>
        <translation>Terms of use</translation>
    </message>
    <message>
        <source>Program Falorys 2 jest udostępniany bezpłatnie</source>
        <translation>Falorys 2 is made available free of charge</translation>
    </message>
    <message>
        <source>(freeware) do celów edukacyjnych.</source>
        <translation>(freeware) for educational use.</translation>
    </message>
    <message>
        <source>Wolno go używać w szkołach, na uczelniach</source>
        <translation>It may be used in schools, universities</translation>
    </message>
    <message>
        <source>i w domu bez żadnych opłat i rejestracji.</source>
        <translation>and at home with no fee or registration.</translation>
    </message>
    <message>
        <source>Można go kopiować i przekazywać innym osobom</source>
        <translation>It may be copied and passed on to others</translation>
    </message>
    <message>
        <source>pod warunkiem, że rozpowszechnia się go w całości,</source>
        <translation>provided it is distributed in full,</translation>
    </message>
    <message>
        <source>bez zmian i nieodpłatnie.</source>
        <translation>unchanged and free of charge.</translation>
    </message>
    <message>
        <source>Nie wolno go sprzedawać ani dołączać do produktów</source>
        <translation>It may not be sold or bundled with commercial</translation>
    </message>
    <message>
        <source>komercyjnych bez zgody autorów.</source>
        <translation>products without the authors’ consent.</translation>
    </message>
    <message>
        <source>Program dostarczany jest bez żadnej gwarancji.</source>
        <translation>The program comes with no warranty.</translation>
    </message>
</context>
<context>
    <name>Tform3</name>
    <message>
        <source>Opis programu</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Wzory na natężenie światła za dwiema szczelinami i ich objaśnienie</source>
        <translation>Formulas for the intensity of light behind two slits, explained</translation>
    </message>
    <message>
        <source>Połącz się ze stroną internetową</source>
        <translation>Go to the web page</translation>
    </message>
    <message>
        <source>Odnośnik: kliknięcie otwiera tę stronę w przeglądarce</source>
        <translation>Link: a click opens this page in the browser</translation>
    </message>
    <message>
        <source>Program pozwala obserwować </source>
        <translation>The program lets you observe </translation>
    </message>
    <message>
        <source>łączne zjawisko dyfrakcji i interferencji </source>
        <translation>the combined effect of diffraction and interference </translation>
    </message>
    <message>
        <source>fal świetlnych, zachodzące po przejściu płaskiej fali świetlnej przez ekran z </source>
        <translation>of light waves that arises when a plane light wave passes through a screen with </translation>
    </message>
    <message>
        <source>dwoma szczelinami</source>
        <translation>two slits</translation>
    </message>
    <message>
        <source>. Gdy szczeliny mają skończoną szerokość, prążki obrazu interferencyjnego nie mają stałego natężenia (jak w doświadczeniu Younga), lecz ich natężenie zmienia się zgodnie z obrazem dyfrakcyjnym pojedynczej szczeliny. </source>
        <translation>. When the slits have a finite width, the fringes of the interference pattern do not have a constant intensity (as they do in Young’s experiment); instead, their intensity varies with the diffraction pattern of a single slit. </translation>
    </message>
    <message>
        <source>Natężenie światła w obrazie interferencyjnym dwóch punktowych szczelin </source>
        <translation>The intensity of light in the interference pattern of two point-like slits </translation>
    </message>
    <message>
        <source>opisane jest równaniem: I</source>
        <translation>is given by the equation: I</translation>
    </message>
    <message>
        <source>, gdzie </source>
        <translation>, where </translation>
    </message>
    <message>
        <source>, przy czym d jest odległością między szczelinami, </source>
        <translation>, d being the slit separation, </translation>
    </message>
    <message>
        <source>długością </source>
        <translation>the wave</translation>
    </message>
    <message>
        <source>fali świetlnej, a </source>
        <translation>length of the light, and </translation>
    </message>
    <message>
        <source>kątem pod jakim światło dociera ze szczelin </source>
        <translation>the angle at which the light travels from the slits </translation>
    </message>
    <message>
        <source>do danego punktu P ekranu (ustawionego za szczelinami). </source>
        <translation>to a given point P on the screen (placed behind the slits). </translation>
    </message>
    <message>
        <source>Natomiast natężenie fali ugiętej na jednej szczelinie dane jest </source>
        <translation>The intensity of the wave diffracted by a single slit, on the other hand, is given by the </translation>
    </message>
    <message>
        <source>równaniem: I</source>
        <translation>equation: I</translation>
    </message>
    <message>
        <source>dyfr.</source>
        <translation>diffr.</translation>
    </message>
    <message>
        <source>, przy czym a jest szerokością szczeliny. </source>
        <translation>, a being the slit width. </translation>
    </message>
    <message>
        <source>Łączny efekt możemy otrzymać, zastępując w równaniu interferencyjnym stałą amplitudę fal </source>
        <translation>The combined effect follows when, in the interference equation, the constant amplitude of the waves </translation>
    </message>
    <message>
        <source>wychodzących z punktowych szczelin </source>
        <translation>coming from point-like slits is replaced by the </translation>
    </message>
    <message>
        <source>rzeczywistym natężeniem fali ugiętej na szczelinach o skończonej szerokości. </source>
        <translation>actual intensity of the wave diffracted by slits of finite width. </translation>
    </message>
    <message>
        <source>Otrzymujemy wtedy równanie: I = I</source>
        <translation>This gives the equation: I = I</translation>
    </message>
    <message>
        <source>Ten wynik opisuje następujące fakty: w danym punkcie ekranu światło z każdej szczeliny z osobna tworzy obraz dyfrakcyjny tej szczeliny, a oba obrazy nakładają się na siebie i interferują ze sobą. Powstający obraz jest więc </source>
        <translation>This result describes the following facts: at a given point on the screen the light from each slit on its own forms that slit’s diffraction pattern, and the two patterns overlap and interfere with each other. The resulting pattern is therefore the </translation>
    </message>
    <message>
        <source>iloczynem czynnika interferencyjnego i </source>
        <translation>product of the interference factor </translation>
    </message>
    <message>
        <source>dyfrakcyjnego. </source>
        <translation>and the diffraction factor. </translation>
    </message>
    <message>
        <source>W programie można suwakami zmieniać szerokość szczelin a, odległość między szczelinami d, odległość szczelin od ekranu L oraz długość fali </source>
        <translation>In the program you can change the slit width a, the slit separation d, the distance L from the slits to the screen and the wavelength </translation>
    </message>
    <message>
        <source>i obserwować, jak obraz dyfrakcyjny zależy od tych parametrów.</source>
        <translation>with the scroll bars and watch how the diffraction pattern depends on them.</translation>
    </message>
    <message>
        <source>Więcej na temat dyfrakcji i interferencji światła można przeczytać na stronie internetowej </source>
        <translation>You can read more about the diffraction and interference of light on the web page </translation>
    </message>
    <message>
        <source>https://pl.wikipedia.org/wiki/Dyfrakcja</source>
        <extracomment>The encyclopaedia&apos;s article on diffraction in the reader&apos;s language.</extracomment>
        <translation>https://en.wikipedia.org/wiki/Diffraction</translation>
    </message>
</context>
<context>
    <name>app::ClientAreaMenu</name>
    <message>
        <source>Obraz i dane</source>
        <translation>Picture and data</translation>
    </message>
    <message>
        <source>Kopiuj obraz</source>
        <translation>Copy picture</translation>
    </message>
    <message>
        <source>Zapisz obraz…</source>
        <translation>Save picture…</translation>
    </message>
    <message>
        <source>Zapisz dane…</source>
        <translation>Save data…</translation>
    </message>
    <message>
        <source>Kopiuje obraz okna, 632 × 434 piksele, do schowka</source>
        <translation>Copies the window’s picture, 632 × 434 pixels, to the clipboard</translation>
    </message>
    <message>
        <source>Zapisuje obraz okna do pliku PNG</source>
        <translation>Saves the window’s picture to a PNG file</translation>
    </message>
    <message>
        <source>Zapisuje położenie, natężenie i kolor 361 kolumn ekranu do pliku CSV</source>
        <translation>Saves the position, intensity and colour of the screen’s 361 columns to a CSV file</translation>
    </message>
    <message>
        <source>Zapisz obraz</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>Obraz PNG (*.png)</source>
        <translation>PNG picture (*.png)</translation>
    </message>
    <message>
        <source>Zapisz dane</source>
        <translation>Save data</translation>
    </message>
    <message>
        <source>Dane CSV (*.csv)</source>
        <translation>CSV data (*.csv)</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>Nazwa pliku:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>Typ pliku:</source>
        <translation>File type:</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Plik „%1” już istnieje. Czy go zastąpić?</source>
        <translation>The file “%1” already exists. Replace it?</translation>
    </message>
    <message>
        <source>Zastąp</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Nie udało się zapisać pliku „%1”.</source>
        <translation>Could not save the file “%1”.</translation>
    </message>
    <message>
        <source>Przyczyna: %1. Nic nie zostało zapisane.</source>
        <translation>Reason: %1. Nothing was written.</translation>
    </message>
    <message>
        <source>Kopiuj link do tego ustawienia</source>
        <translation>Copy link to this setting</translation>
    </message>
    <message>
        <source>Przeglądarka nie pozwoliła skopiować linku do schowka. Link do tego ustawienia: </source>
        <translation>The browser did not allow copying the link to the clipboard. The link to this setting: </translation>
    </message>
    <message>
        <source>Kopiuje do schowka adres strony, który otwiera program przy tym ustawieniu</source>
        <translation>Copies to the clipboard the page’s address that opens the program at this setting</translation>
    </message>
    <message>
        <source>Przeglądarka nie pozwoliła skopiować obrazu do schowka; zapisz go poleceniem „Zapisz obraz…”.</source>
        <translation>The browser did not allow copying the picture to the clipboard; save it with “Save picture…”.</translation>
    </message>
</context>
<context>
    <name>app::PatternToolTip</name>
    <message>
        <source>Położenie na ekranie: x = %1 cm
Natężenie względne: I/I₀ = %2</source>
        <translation>Position on the screen: x = %1 cm
Relative intensity: I/I₀ = %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>falorys: rozmiar %1 nie mieści się na ekranie; użyto rozmiaru %2</source>
        <translation>falorys: size %1 does not fit the screen; size %2 used</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="pl">
<context>
    <name>BrowserPage</name>
    <message>
        <source>Program Falorys zakończył pracę. Aby uruchomić go ponownie, odśwież stronę (klawisz F5 albo przycisk odświeżania przeglądarki).</source>
        <translation>Програма Falorys завершила роботу. Щоб запустити її знову, оновіть сторінку (клавіша F5 або кнопка оновлення в браузері).</translation>
    </message>
    <message>
        <source>W adresie pominięto „%1”: nieznany parametr; dozwolone parametry: %2.</source>
        <translation>В адресі проігноровано «%1»: невідомий параметр; допустимі параметри: %2.</translation>
    </message>
    <message>
        <source>W adresie pominięto „%1”: %2.</source>
        <translation>В адресі проігноровано «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>Captions</name>
    <message>
        <source>Natężenie</source>
        <translation>Інтенсивність</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>dozwolone wartości: %1</source>
        <translation>допустимі значення: %1</translation>
    </message>
    <message>
        <source>„%1” nie jest liczbą; %2</source>
        <translation>«%1» не є числом; %2</translation>
    </message>
    <message>
        <source>%1 jest poza zakresem; %2</source>
        <translation>%1 поза межами діапазону; %2</translation>
    </message>
    <message>
        <source>%1 nie pasuje do kroku %2; %3</source>
        <translation>%1 не відповідає кроку %2; %3</translation>
    </message>
    <message>
        <source>pusta nazwa pliku; podaj nazwę pliku do zapisania</source>
        <translation>порожня назва файлу; вкажіть назву файлу для збереження</translation>
    </message>
    <message>
        <source>PLIK</source>
        <translation>ФАЙЛ</translation>
    </message>
    <message>
        <source>podaj nazwę pliku</source>
        <translation>вкажіть назву файлу</translation>
    </message>
    <message>
        <source>dozwolone wartości: 1, 2, 3, 4 albo fit</source>
        <translation>допустимі значення: 1, 2, 3, 4 або fit</translation>
    </message>
    <message>
        <source>dozwolone wartości: pl, uk, en</source>
        <translation>допустимі значення: pl, uk, en</translation>
    </message>
    <message>
        <source>wypisuje tę pomoc i kończy pracę</source>
        <translation>виводить цю довідку і завершує роботу</translation>
    </message>
    <message>
        <source>wypisuje wersję programu i kończy pracę</source>
        <translation>виводить версію програми і завершує роботу</translation>
    </message>
    <message>
        <source>długość fali</source>
        <translation>довжина хвилі</translation>
    </message>
    <message>
        <source>odległość szczelin</source>
        <translation>відстань між щілинами</translation>
    </message>
    <message>
        <source>odległość od ekranu</source>
        <translation>відстань до екрана</translation>
    </message>
    <message>
        <source>szerokość szczelin</source>
        <translation>ширина щілин</translation>
    </message>
    <message>
        <source>bardzo wąskie szczeliny (opcja „a &lt;&lt; λ”)</source>
        <translation>дуже вузькі щілини (варіант «a &lt;&lt; λ»)</translation>
    </message>
    <message>
        <source>rozmiar prezentacyjny: całe okno 1, 2, 3 lub 4 razy większe; fit: największy, który mieści się na ekranie</source>
        <translation>розмір для показу: усе вікно в 1, 2, 3 або 4 рази більше; fit: найбільший, що вміщується на екрані</translation>
    </message>
    <message>
        <source>„%1” nie jest rozmiarem; %2</source>
        <translation>«%1» не є розміром; %2</translation>
    </message>
    <message>
        <source>zapisuje obraz okna (632 × 434 piksele) do pliku PNG i kończy pracę bez otwierania okna</source>
        <translation>зберігає зображення вікна (632 × 434 пікселі) у файл PNG і завершує роботу, не відкриваючи вікна</translation>
    </message>
    <message>
        <source>zapisuje dane 361 kolumn ekranu (x, I/I₀, R, G, B) do pliku CSV i kończy pracę bez otwierania okna</source>
        <translation>зберігає дані 361 стовпця екрана (x, I/I₀, R, G, B) у файл CSV і завершує роботу, не відкриваючи вікна</translation>
    </message>
    <message>
        <source>język programu: polski, ukraiński albo angielski; bez tej opcji język pulpitu, jeśli program go zna, a inaczej polski</source>
        <translation>мова програми: польська, українська або англійська; без цього параметра — мова робочого столу, якщо програма її знає, інакше польська</translation>
    </message>
    <message>
        <source>„%1” nie jest językiem programu; %2</source>
        <translation>«%1» не є мовою програми; %2</translation>
    </message>
    <message>
        <source>Użycie: falorys [OPCJE]
Dyfrakcja i interferencja światła na dwóch szczelinach.

Opcje:
</source>
        <translation>Використання: falorys [ПАРАМЕТРИ]
Дифракція та інтерференція світла на двох щілинах.

Параметри:
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
Десяткові числа можна писати з крапкою або з комою (0.030 чи 0,030).
Без параметрів програма починає з 380 nm, 0,020 mm, 1,50 m і 1000 nm.
Кожен параметр вказують щонайбільше один раз. ФАЙЛ «-» — це стандартний вивід.

Код завершення: 0, коли все збережено; 1, коли файл чи вивід не вдалося
записати (або програму завершено командою «Вихід»); 2 при помилці
в командному рядку: тоді програма пояснює, що не так, і нічого не записує.

Приклади:
  falorys --lambda 650 --d 0,030 --L 1,80 --a 5000
  falorys --lambda 532 --a-small --export-png kartyna.png --export-csv kartyna.csv
  falorys --export-csv - | column -s, -t
  falorys --scale fit --lang uk
</translation>
    </message>
    <message>
        <source>nieznana opcja „%1”; dozwolone opcje: %2</source>
        <translation>невідомий параметр «%1»; допустимі параметри: %2</translation>
    </message>
    <message>
        <source>opcja %1 nie przyjmuje wartości</source>
        <translation>параметр %1 не приймає значення</translation>
    </message>
    <message>
        <source>%1: brak wartości; %2</source>
        <translation>%1: немає значення; %2</translation>
    </message>
    <message>
        <source>błędny wiersz poleceń; listę opcji wypisuje falorys --help</source>
        <translation>помилковий командний рядок; перелік параметрів виводить falorys --help</translation>
    </message>
    <message>
        <source>opcja %1 podana więcej niż raz</source>
        <translation>параметр %1 указано більше одного разу</translation>
    </message>
    <message>
        <source>nieoczekiwany argument „%1”; program przyjmuje tylko opcje, ich listę wypisuje falorys --help</source>
        <translation>неочікуваний аргумент «%1»; програма приймає лише параметри, їх перелік виводить falorys --help</translation>
    </message>
    <message>
        <source>opcje --a i --a-small wykluczają się: przy „a &lt;&lt; λ” szerokość szczelin się nie liczy; podaj jedną z nich</source>
        <translation>параметри --a і --a-small взаємно виключаються: при «a &lt;&lt; λ» ширина щілин не враховується; вкажіть один із них</translation>
    </message>
    <message>
        <source>--export-png i --export-csv nie mogą obie pisać na standardowe wyjście („-”); jednej podaj nazwę pliku</source>
        <translation>--export-png і --export-csv не можуть обидва писати у стандартний вивід («-»); одному з них укажіть назву файлу</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Ozdobny pasek z godłem programu</source>
        <translation>Декоративна смуга з емблемою програми</translation>
    </message>
    <message>
        <source>Zamyka okno</source>
        <translation>Закриває вікно</translation>
    </message>
    <message>
        <source>© Falorys, optyka falowa</source>
        <translation>© Falorys, оптика хвиль</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>nie można uruchomić okien: wtyczki platformy Qt „%1” nie da się wczytać</source>
        <translation>неможливо відкрити вікна: не вдається завантажити модуль платформи Qt «%1»</translation>
    </message>
    <message>
        <source>nie można połączyć się z ekranem Wayland „%1” (zmienna WAYLAND_DISPLAY); ustaw DISPLAY, aby użyć ekranu X11</source>
        <translation>не вдається з’єднатися з екраном Wayland «%1» (змінна WAYLAND_DISPLAY); задайте DISPLAY, щоб використати екран X11</translation>
    </message>
    <message>
        <source>nie można połączyć się z ekranem X „%1” (zmienna DISPLAY): serwer X nie działa albo odmawia połączenia</source>
        <translation>не вдається з’єднатися з екраном X «%1» (змінна DISPLAY): X-сервер не працює або відмовляє у з’єднанні</translation>
    </message>
    <message>
        <source>brak ekranu graficznego: nie ustawiono zmiennej DISPLAY ani WAYLAND_DISPLAY; uruchom program w sesji graficznej albo ustaw DISPLAY (np. DISPLAY=:0)</source>
        <translation>немає графічного екрана: не задано змінної DISPLAY чи WAYLAND_DISPLAY; запустіть програму в графічному сеансі або задайте DISPLAY (напр. DISPLAY=:0)</translation>
    </message>
</context>
<context>
    <name>Ending</name>
    <message>
        <source>za mało dozwolonych otwartych plików (ulimit -n); program kończy pracę</source>
        <translation>замало дозволених відкритих файлів (ulimit -n); програма завершує роботу</translation>
    </message>
    <message>
        <source>za mało pamięci, by uruchomić wątek; program kończy pracę</source>
        <translation>замало пам’яті, щоб запустити потік; програма завершує роботу</translation>
    </message>
    <message>
        <source>zabrakło pamięci na obraz; program kończy pracę</source>
        <translation>забракло пам’яті на зображення; програма завершує роботу</translation>
    </message>
    <message>
        <source>Qt nie może dalej pracować; program kończy pracę</source>
        <translation>Qt не може працювати далі; програма завершує роботу</translation>
    </message>
    <message>
        <source>zabrakło pamięci; program kończy pracę</source>
        <translation>забракло пам’яті; програма завершує роботу</translation>
    </message>
    <message>
        <source>błąd programu; program kończy pracę</source>
        <translation>помилка програми; програма завершує роботу</translation>
    </message>
    <message>
        <source>za mało dozwolonych otwartych plików (ulimit -n %1, potrzeba co najmniej %2); nic nie zapisano</source>
        <translation>замало дозволених відкритих файлів (ulimit -n %1, потрібно щонайменше %2); нічого не записано</translation>
    </message>
    <message>
        <source>przerwano sygnałem %1; nic nie zapisano</source>
        <translation>перервано сигналом %1; нічого не записано</translation>
    </message>
    <message>
        <source>zabrakło pamięci (ulimit -v %1 MB, %2); nic nie zapisano</source>
        <translation>забракло пам’яті (ulimit -v %1 MB, %2); нічого не записано</translation>
    </message>
    <message>
        <source>błąd programu (%1); nic nie zapisano</source>
        <translation>помилка програми (%1); нічого не записано</translation>
    </message>
    <message>
        <source>przerwano (Ctrl+C); nic nie zapisano</source>
        <translation>перервано (Ctrl+C); нічого не записано</translation>
    </message>
    <message>
        <source>przerwano (Ctrl+Break); nic nie zapisano</source>
        <translation>перервано (Ctrl+Break); нічого не записано</translation>
    </message>
    <message>
        <source>przerwano, bo zamknięto konsolę; nic nie zapisano</source>
        <translation>перервано, бо консоль закрито; нічого не записано</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>nie można zapisać na standardowe wyjście: </source>
        <translation>не вдається записати у стандартний вивід: </translation>
    </message>
    <message>
        <source>nie można zapisać pliku „%1”: %2</source>
        <translation>не вдається записати файл «%1»: %2</translation>
    </message>
    <message>
        <source>ten sam plik</source>
        <translation>той самий файл</translation>
    </message>
    <message>
        <source>falorys: --export-png i --export-csv wskazują ten sam plik („%1” i „%2”); nic nie zapisano</source>
        <translation>falorys: --export-png і --export-csv вказують на той самий файл («%1» і «%2»); нічого не записано</translation>
    </message>
    <message>
        <source>brak miejsca na dysku</source>
        <translation>на диску немає місця</translation>
    </message>
    <message>
        <source>brak uprawnień</source>
        <translation>немає дозволу</translation>
    </message>
    <message>
        <source>system plików jest tylko do odczytu</source>
        <translation>файлова система лише для читання</translation>
    </message>
    <message>
        <source>nazwa pliku jest za długa</source>
        <translation>назва файлу задовга</translation>
    </message>
    <message>
        <source>błąd odczytu lub zapisu na nośniku</source>
        <translation>помилка читання або запису на носії</translation>
    </message>
    <message>
        <source>folder nie istnieje</source>
        <translation>теки не існує</translation>
    </message>
    <message>
        <source>część ścieżki nie jest folderem</source>
        <translation>частина шляху не є текою</translation>
    </message>
    <message>
        <source>to folder, a nie zwykły plik</source>
        <translation>це тека, а не звичайний файл</translation>
    </message>
    <message>
        <source>dowiązania symboliczne na ścieżce tworzą pętlę</source>
        <translation>символьні посилання на шляху утворюють цикл</translation>
    </message>
    <message>
        <source>plik byłby za duży dla tego systemu plików</source>
        <translation>файл був би завеликим для цієї файлової системи</translation>
    </message>
    <message>
        <source>za dużo otwartych plików</source>
        <translation>забагато відкритих файлів</translation>
    </message>
    <message>
        <source>brak pamięci</source>
        <translation>бракує пам’яті</translation>
    </message>
    <message>
        <source>plik jest w użyciu</source>
        <translation>файл використовується</translation>
    </message>
    <message>
        <source>ta nazwa pliku jest niedozwolona w tym systemie plików</source>
        <translation>ця назва файлу недопустима в цій файловій системі</translation>
    </message>
    <message>
        <source>plik o tej nazwie powstał w trakcie zapisu</source>
        <translation>файл із цією назвою з’явився під час запису</translation>
    </message>
    <message>
        <source>wyjście jest zamknięte</source>
        <translation>вивід закрито</translation>
    </message>
    <message>
        <source>odbiorca danych zakończył pracę</source>
        <translation>отримувач даних завершив роботу</translation>
    </message>
    <message>
        <source>nieoczekiwany błąd systemu nr %1</source>
        <translation>неочікувана системна помилка № %1</translation>
    </message>
    <message>
        <source>to urządzenie, a nie zwykły plik</source>
        <translation>це пристрій, а не звичайний файл</translation>
    </message>
    <message>
        <source>to potok nazwany (FIFO), a nie zwykły plik</source>
        <translation>це іменований канал (FIFO), а не звичайний файл</translation>
    </message>
    <message>
        <source>to potok nazwany, a nie zwykły plik</source>
        <translation>це іменований канал, а не звичайний файл</translation>
    </message>
    <message>
        <source>to gniazdo, a nie zwykły plik</source>
        <translation>це сокет, а не звичайний файл</translation>
    </message>
    <message>
        <source>to nie jest zwykły plik</source>
        <translation>це не звичайний файл</translation>
    </message>
    <message>
        <source>plik przekroczyłby dozwolony rozmiar plików (ulimit -f)</source>
        <translation>файл перевищив би допустимий розмір файлів (ulimit -f)</translation>
    </message>
    <message>
        <source>„%1”</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>folder %1 nie istnieje</source>
        <translation>теки %1 не існує</translation>
    </message>
    <message>
        <source>%1 nie jest folderem</source>
        <translation>%1 не є текою</translation>
    </message>
    <message>
        <source>brak dostępu do folderu %1</source>
        <translation>немає доступу до теки %1</translation>
    </message>
    <message>
        <source>nie podano nazwy pliku</source>
        <translation>не вказано назви файлу</translation>
    </message>
    <message>
        <source>%1 to folder, a nie nazwa pliku</source>
        <translation>%1 — це тека, а не назва файлу</translation>
    </message>
    <message>
        <source>plik jest tylko do odczytu</source>
        <translation>файл лише для читання</translation>
    </message>
    <message>
        <source>brak uprawnień do zapisu w folderze %1</source>
        <translation>немає дозволу на запис у теці %1</translation>
    </message>
    <message>
        <source>plik zmienił się w trakcie zapisu</source>
        <translation>файл змінився під час запису</translation>
    </message>
    <message>
        <source>%1 to dowiązanie symboliczne innego użytkownika w folderze, do którego każdy może pisać; program za nim nie podąża</source>
        <translation>%1 — символьне посилання іншого користувача в теці, куди кожен може писати; програма за ним не переходить</translation>
    </message>
    <message>
        <source>dowiązania symboliczne na ścieżce %1 tworzą pętlę</source>
        <translation>символьні посилання на шляху %1 утворюють цикл</translation>
    </message>
    <message>
        <source>to plik jądra systemu (/proc, /sys), a nie zwykły plik</source>
        <translation>це файл ядра системи (/proc, /sys), а не звичайний файл</translation>
    </message>
</context>
<context>
    <name>PatternExport</name>
    <message>
        <source>I/I₀ przy λ = %1 nm, d = %2 mm, L = %3 m, %4; separator dziesiętny: kropka</source>
        <translation>I/I₀ при λ = %1 nm, d = %2 mm, L = %3 m, %4; десятковий роздільник: крапка</translation>
    </message>
</context>
<context>
    <name>Ranges</name>
    <message>
        <source>od %1 do %2 %3, co %4</source>
        <translation>від %1 до %2 %3, з кроком %4</translation>
    </message>
</context>
<context>
    <name>Scale</name>
    <message>
        <source>falorys: %1=„%2” nie jest użyteczną skalą (dozwolone od 1 do %3); użyto 1</source>
        <translation>falorys: %1=«%2» не є придатним масштабом (допустимо від 1 до %3); використано 1</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Długość fali %1 nm, odległość szczelin %2 mm, odległość od ekranu %3 m, </source>
        <translation>Довжина хвилі %1 nm, відстань між щілинами %2 mm, відстань до екрана %3 m, </translation>
    </message>
    <message>
        <source>bardzo wąskie szczeliny</source>
        <translation>дуже вузькі щілини</translation>
    </message>
    <message>
        <source>szerokość szczelin %1 nm</source>
        <translation>ширина щілин %1 nm</translation>
    </message>
    <message>
        <source>Falorys (dwie szczeliny)</source>
        <translation>Falorys (дві щілини)</translation>
    </message>
    <message>
        <source>długość fali </source>
        <translation>довж. хвилі </translation>
    </message>
    <message>
        <source>odległość szczelin d =</source>
        <translation>між щілинами d =</translation>
    </message>
    <message>
        <source>odległość od ekranu L =</source>
        <translation>відстань до екрана L =</translation>
    </message>
    <message>
        <source>szerrokość szczelin a =</source>
        <translation>ширина щілин a =</translation>
    </message>
    <message>
        <source>Opcje</source>
        <translation>Варіанти</translation>
    </message>
    <message>
        <source>a  regulowane</source>
        <translation>a  регульована</translation>
    </message>
    <message>
        <source>Doświadczenie z dwiema szczelinami</source>
        <translation>Дослід із двома щілинами</translation>
    </message>
    <message>
        <source>Długość fali</source>
        <translation>Довжина хвилі</translation>
    </message>
    <message>
        <source>Długość fali światła w nanometrach, </source>
        <translation>Довжина хвилі світла в нанометрах, </translation>
    </message>
    <message>
        <source>Odległość szczelin</source>
        <translation>Відстань між щілинами</translation>
    </message>
    <message>
        <source>Odległość między szczelinami w milimetrach, </source>
        <translation>Відстань між щілинами в міліметрах, </translation>
    </message>
    <message>
        <source>Odległość od ekranu</source>
        <translation>Відстань до екрана</translation>
    </message>
    <message>
        <source>Odległość szczelin od ekranu w metrach, </source>
        <translation>Відстань від щілин до екрана в метрах, </translation>
    </message>
    <message>
        <source>Szerokość szczelin</source>
        <translation>Ширина щілин</translation>
    </message>
    <message>
        <source>Szerokość każdej ze szczelin w nanometrach, </source>
        <translation>Ширина кожної щілини в нанометрах, </translation>
    </message>
    <message>
        <source>; nieczynny przy bardzo wąskich szczelinach</source>
        <translation>; неактивний при дуже вузьких щілинах</translation>
    </message>
    <message>
        <source>Szerokość szczelin: ustawiana suwakiem albo bardzo mała</source>
        <translation>Ширина щілин: задана повзунком або дуже мала</translation>
    </message>
    <message>
        <source>Szerokość szczelin regulowana</source>
        <translation>Регульована ширина щілин</translation>
    </message>
    <message>
        <source>Szerokość szczelin ustawiana suwakiem</source>
        <translation>Ширина щілин задається повзунком</translation>
    </message>
    <message>
        <source>Bardzo wąskie szczeliny</source>
        <translation>Дуже вузькі щілини</translation>
    </message>
    <message>
        <source>Szerokość szczelin znacznie mniejsza od długości fali, 1 nm</source>
        <translation>Ширина щілин значно менша за довжину хвилі, 1 nm</translation>
    </message>
    <message>
        <source>Litera lambda</source>
        <translation>Літера лямбда</translation>
    </message>
    <message>
        <source>Znak długości fali obok opcji bardzo wąskich szczelin</source>
        <translation>Позначення довжини хвилі біля варіанта дуже вузьких щілин</translation>
    </message>
    <message>
        <source>szerokość szczelin a =</source>
        <translation>ширина щілин a =</translation>
    </message>
    <message>
        <source>Koniec</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Pomoc</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>Opis programu</source>
        <translation>Опис програми</translation>
    </message>
    <message>
        <source>O programie</source>
        <translation>Про програму</translation>
    </message>
</context>
<context>
    <name>Tform2</name>
    <message>
        <source>O programie</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Warunki używania programu</source>
        <translation>Умови використання програми</translation>
    </message>
    <message>
        <source>Program Falorys 2 jest udostępniany bezpłatnie</source>
        <translation>Програма Falorys 2 поширюється безкоштовно</translation>
    </message>
    <message>
        <source>(freeware) do celów edukacyjnych.</source>
        <translation>(freeware) з навчальною метою.</translation>
    </message>
    <message>
        <source>Wolno go używać w szkołach, na uczelniach</source>
        <translation>Її можна використовувати в школах, вишах</translation>
    </message>
    <message>
        <source>i w domu bez żadnych opłat i rejestracji.</source>
        <translation>і вдома без жодної плати та реєстрації.</translation>
    </message>
    <message>
        <source>Można go kopiować i przekazywać innym osobom</source>
        <translation>Її можна копіювати й передавати іншим</translation>
    </message>
    <message>
        <source>pod warunkiem, że rozpowszechnia się go w całości,</source>
        <translation>за умови, що її поширюють повністю,</translation>
    </message>
    <message>
        <source>bez zmian i nieodpłatnie.</source>
        <translation>без змін і безоплатно.</translation>
    </message>
    <message>
        <source>Nie wolno go sprzedawać ani dołączać do produktów</source>
        <translation>Її не можна продавати чи додавати до комерційних</translation>
    </message>
    <message>
        <source>komercyjnych bez zgody autorów.</source>
        <translation>продуктів без згоди авторів.</translation>
    </message>
    <message>
        <source>Program dostarczany jest bez żadnej gwarancji.</source>
        <translation>Програма постачається без жодних гарантій.</translation>
    </message>
</context>
<context>
    <name>Tform3</name>
    <message>
        <source>Opis programu</source>
        <translation>Опис програми</translation>
    </message>
    <message>
        <source>Wzory na natężenie światła za dwiema szczelinami i ich objaśnienie</source>
        <translation>Формули інтенсивності світла за двома щілинами та їх пояснення</translation>
    </message>
    <message>
        <source>Połącz się ze stroną internetową</source>
        <translation>Перейти на вебсторінку</translation>
    </message>
    <message>
        <source>Odnośnik: kliknięcie otwiera tę stronę w przeglądarce</source>
        <translation>Посилання: клацання відкриває цю сторінку в браузері</translation>
    </message>
    <message>
        <source>Program pozwala obserwować </source>
        <translation>Програма дає змогу спостерігати </translation>
    </message>
    <message>
        <source>łączne zjawisko dyfrakcji i interferencji </source>
        <translation>сукупне явище дифракції та інтерференції </translation>
    </message>
    <message>
        <source>fal świetlnych, zachodzące po przejściu płaskiej fali świetlnej przez ekran z </source>
        <translation>світлових хвиль, що виникає після проходження плоскої світлової хвилі крізь екран із </translation>
    </message>
    <message>
        <source>dwoma szczelinami</source>
        <translation>двома щілинами</translation>
    </message>
    <message>
        <source>. Gdy szczeliny mają skończoną szerokość, prążki obrazu interferencyjnego nie mają stałego natężenia (jak w doświadczeniu Younga), lecz ich natężenie zmienia się zgodnie z obrazem dyfrakcyjnym pojedynczej szczeliny. </source>
        <translation>. Коли щілини мають скінченну ширину, смуги інтерференційної картини не мають сталої інтенсивності (на відміну від досліду Юнга), а їхня інтенсивність змінюється відповідно до дифракційної картини однієї щілини. </translation>
    </message>
    <message>
        <source>Natężenie światła w obrazie interferencyjnym dwóch punktowych szczelin </source>
        <translation>Інтенсивність світла в інтерференційній картині двох точкових щілин </translation>
    </message>
    <message>
        <source>opisane jest równaniem: I</source>
        <translation>описується рівнянням: I</translation>
    </message>
    <message>
        <source>, gdzie </source>
        <translation>, де </translation>
    </message>
    <message>
        <source>, przy czym d jest odległością między szczelinami, </source>
        <translation>, причому d — відстань між щілинами, </translation>
    </message>
    <message>
        <source>długością </source>
        <translation>— довжина </translation>
    </message>
    <message>
        <source>fali świetlnej, a </source>
        <translation>світлової хвилі, а </translation>
    </message>
    <message>
        <source>kątem pod jakim światło dociera ze szczelin </source>
        <translation>— кут, під яким світло доходить від щілин </translation>
    </message>
    <message>
        <source>do danego punktu P ekranu (ustawionego za szczelinami). </source>
        <translation>до даної точки P екрана (розташованого за щілинами). </translation>
    </message>
    <message>
        <source>Natomiast natężenie fali ugiętej na jednej szczelinie dane jest </source>
        <translation>Натомість інтенсивність хвилі, дифрагованої на одній щілині, задається </translation>
    </message>
    <message>
        <source>równaniem: I</source>
        <translation>рівнянням: I</translation>
    </message>
    <message>
        <source>dyfr.</source>
        <translation>дифр.</translation>
    </message>
    <message>
        <source>, przy czym a jest szerokością szczeliny. </source>
        <translation>, причому a — ширина щілини. </translation>
    </message>
    <message>
        <source>Łączny efekt możemy otrzymać, zastępując w równaniu interferencyjnym stałą amplitudę fal </source>
        <translation>Сукупний ефект можна отримати, замінивши в рівнянні інтерференції сталу амплітуду хвиль, </translation>
    </message>
    <message>
        <source>wychodzących z punktowych szczelin </source>
        <translation>що виходять із точкових щілин, </translation>
    </message>
    <message>
        <source>rzeczywistym natężeniem fali ugiętej na szczelinach o skończonej szerokości. </source>
        <translation>реальною інтенсивністю хвилі, дифрагованої на щілинах скінченної ширини. </translation>
    </message>
    <message>
        <source>Otrzymujemy wtedy równanie: I = I</source>
        <translation>Тоді отримуємо рівняння: I = I</translation>
    </message>
    <message>
        <source>Ten wynik opisuje następujące fakty: w danym punkcie ekranu światło z każdej szczeliny z osobna tworzy obraz dyfrakcyjny tej szczeliny, a oba obrazy nakładają się na siebie i interferują ze sobą. Powstający obraz jest więc </source>
        <translation>Цей результат описує такі факти: у даній точці екрана світло від кожної щілини окремо утворює дифракційну картину цієї щілини, а обидві картини накладаються одна на одну та інтерферують між собою. Отже, утворена картина є </translation>
    </message>
    <message>
        <source>iloczynem czynnika interferencyjnego i </source>
        <translation>добутком інтерференційного </translation>
    </message>
    <message>
        <source>dyfrakcyjnego. </source>
        <translation>та дифракційного множників. </translation>
    </message>
    <message>
        <source>W programie można suwakami zmieniać szerokość szczelin a, odległość między szczelinami d, odległość szczelin od ekranu L oraz długość fali </source>
        <translation>У програмі повзунками можна змінювати ширину щілин a, відстань між щілинами d, відстань від щілин до екрана L та довжину хвилі </translation>
    </message>
    <message>
        <source>i obserwować, jak obraz dyfrakcyjny zależy od tych parametrów.</source>
        <translation>і спостерігати, як дифракційна картина залежить від цих параметрів.</translation>
    </message>
    <message>
        <source>Więcej na temat dyfrakcji i interferencji światła można przeczytać na stronie internetowej </source>
        <translation>Більше про дифракцію та інтерференцію світла можна прочитати на вебсторінці </translation>
    </message>
    <message>
        <source>https://pl.wikipedia.org/wiki/Dyfrakcja</source>
        <extracomment>The encyclopaedia&apos;s article on diffraction in the reader&apos;s language.</extracomment>
        <translation>https://uk.wikipedia.org/wiki/Дифракція</translation>
    </message>
</context>
<context>
    <name>app::ClientAreaMenu</name>
    <message>
        <source>Obraz i dane</source>
        <translation>Зображення і дані</translation>
    </message>
    <message>
        <source>Kopiuj obraz</source>
        <translation>Копіювати зображення</translation>
    </message>
    <message>
        <source>Zapisz obraz…</source>
        <translation>Зберегти зображення…</translation>
    </message>
    <message>
        <source>Zapisz dane…</source>
        <translation>Зберегти дані…</translation>
    </message>
    <message>
        <source>Kopiuje obraz okna, 632 × 434 piksele, do schowka</source>
        <translation>Копіює зображення вікна, 632 × 434 пікселі, у буфер обміну</translation>
    </message>
    <message>
        <source>Zapisuje obraz okna do pliku PNG</source>
        <translation>Зберігає зображення вікна у файл PNG</translation>
    </message>
    <message>
        <source>Zapisuje położenie, natężenie i kolor 361 kolumn ekranu do pliku CSV</source>
        <translation>Зберігає положення, інтенсивність і колір 361 стовпця екрана у файл CSV</translation>
    </message>
    <message>
        <source>Zapisz obraz</source>
        <translation>Зберегти зображення</translation>
    </message>
    <message>
        <source>Obraz PNG (*.png)</source>
        <translation>Зображення PNG (*.png)</translation>
    </message>
    <message>
        <source>Zapisz dane</source>
        <translation>Зберегти дані</translation>
    </message>
    <message>
        <source>Dane CSV (*.csv)</source>
        <translation>Дані CSV (*.csv)</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Тека:</translation>
    </message>
    <message>
        <source>Nazwa pliku:</source>
        <translation>Назва файлу:</translation>
    </message>
    <message>
        <source>Typ pliku:</source>
        <translation>Тип файлу:</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Plik „%1” już istnieje. Czy go zastąpić?</source>
        <translation>Файл «%1» уже існує. Замінити його?</translation>
    </message>
    <message>
        <source>Zastąp</source>
        <translation>Замінити</translation>
    </message>
    <message>
        <source>Nie udało się zapisać pliku „%1”.</source>
        <translation>Не вдалося зберегти файл «%1».</translation>
    </message>
    <message>
        <source>Przyczyna: %1. Nic nie zostało zapisane.</source>
        <translation>Причина: %1. Нічого не збережено.</translation>
    </message>
    <message>
        <source>Kopiuj link do tego ustawienia</source>
        <translation>Копіювати посилання на це налаштування</translation>
    </message>
    <message>
        <source>Przeglądarka nie pozwoliła skopiować linku do schowka. Link do tego ustawienia: </source>
        <translation>Браузер не дозволив скопіювати посилання в буфер обміну. Посилання на це налаштування: </translation>
    </message>
    <message>
        <source>Kopiuje do schowka adres strony, który otwiera program przy tym ustawieniu</source>
        <translation>Копіює в буфер обміну адресу сторінки, що відкриває програму з цим налаштуванням</translation>
    </message>
    <message>
        <source>Przeglądarka nie pozwoliła skopiować obrazu do schowka; zapisz go poleceniem „Zapisz obraz…”.</source>
        <translation>Браузер не дозволив скопіювати зображення в буфер обміну; збережіть його командою «Зберегти зображення…».</translation>
    </message>
</context>
<context>
    <name>app::PatternToolTip</name>
    <message>
        <source>Położenie na ekranie: x = %1 cm
Natężenie względne: I/I₀ = %2</source>
        <translation>Положення на екрані: x = %1 cm
Відносна інтенсивність: I/I₀ = %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>falorys: rozmiar %1 nie mieści się na ekranie; użyto rozmiaru %2</source>
        <translation>falorys: розмір %1 не вміщується на екрані; використано розмір %2</translation>
    </message>
</context>
</TS>

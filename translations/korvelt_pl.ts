<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>CheckText</name>
    <message>
        <source>Special date %1 (%2)</source>
        <extracomment>A special date with its place and date, as in &quot;Special date 3 (24/12/2027)&quot;</extracomment>
        <translation>Data specjalna %1 (%2)</translation>
    </message>
    <message>
        <source>%1: the Start time has fractions of a second; the KORVELT keeps whole seconds.</source>
        <extracomment>%1 is the slot&apos;s place, as in &quot;Output 2, Normal Times slot 3&quot;</extracomment>
        <translation>%1: czas początku ma ułamki sekundy; KORVELT przechowuje pełne sekundy.</translation>
    </message>
    <message>
        <source>%1: the End time has fractions of a second; the KORVELT keeps whole seconds.</source>
        <translation>%1: czas końca ma ułamki sekundy; KORVELT przechowuje pełne sekundy.</translation>
    </message>
    <message>
        <source>%1: the Start time is not a time of day.</source>
        <extracomment>%1 is the slot&apos;s place, as in &quot;Output 2, Normal Times slot 3&quot;
----------
%1 is the slot&apos;s place, as in &quot;Output 2, Special Times slot 3&quot;</extracomment>
        <translation>%1: czas początku nie jest godziną doby.</translation>
    </message>
    <message>
        <source>%1: the End time is not a time of day.</source>
        <extracomment>%1 is the slot&apos;s place, as in &quot;Output 2, Normal Times slot 3&quot;
----------
%1 is the slot&apos;s place, as in &quot;Output 2, Special Times slot 3&quot;</extracomment>
        <translation>%1: czas końca nie jest godziną doby.</translation>
    </message>
    <message>
        <source>Daylight Saving: no Advance Clock week is chosen.</source>
        <translation>Czas letni: nie wybrano tygodnia w grupie Przestaw do przodu.</translation>
    </message>
    <message>
        <source>Daylight Saving: no Advance Clock month is chosen.</source>
        <translation>Czas letni: nie wybrano miesiąca w grupie Przestaw do przodu.</translation>
    </message>
    <message>
        <source>Daylight Saving: no Retard Clock week is chosen.</source>
        <translation>Czas letni: nie wybrano tygodnia w grupie Przestaw do tyłu.</translation>
    </message>
    <message>
        <source>Daylight Saving: no Retard Clock month is chosen.</source>
        <translation>Czas letni: nie wybrano miesiąca w grupie Przestaw do tyłu.</translation>
    </message>
    <message>
        <source>%1: ends at %2, before it starts at %3.</source>
        <extracomment>%1 is the slot&apos;s place (&quot;Output 2, Normal Times slot 3&quot;), %2 its end time, %3 its start time</extracomment>
        <translation>%1: koniec o %2, przed początkiem o %3.</translation>
    </message>
    <message>
        <source>%1: starts and ends at %2 on %3.</source>
        <extracomment>%1 is the slot&apos;s place, %2 its time, %3 its days (&quot;Mon to Fri&quot;)</extracomment>
        <translation>%1: początek i koniec o %2 w dni %3.</translation>
    </message>
    <message>
        <source>%1: %2 to %3, but no day is On.</source>
        <extracomment>%1 is the slot&apos;s place, %2 and %3 its start and end time; &quot;On&quot; is the day cells&apos; text</extracomment>
        <translation>%1: od %2 do %3, ale żaden dzień nie ma Zał.</translation>
    </message>
    <message>
        <source>%1 (%2 to %3) overlaps slot %4.</source>
        <extracomment>%1 is the slot&apos;s place, %2 and %3 its times, %4 the number of the other slot</extracomment>
        <translation>%1 (od %2 do %3) nakłada się na przedział %4.</translation>
    </message>
    <message>
        <source>%1 (%2 to %3) overlaps slot %4 on %5.</source>
        <extracomment>%1 is the slot&apos;s place, %2 and %3 its times, %4 the number of the other slot, %5 the days (&quot;Mon to Fri&quot;)</extracomment>
        <translation>%1 (od %2 do %3) nakłada się na przedział %4 w dni %5.</translation>
    </message>
    <message>
        <source>%1 (%2 to %3) is the same as slot %4.</source>
        <extracomment>%1 is the slot&apos;s place, %2 and %3 its times, %4 the number of the other slot</extracomment>
        <translation>%1 (od %2 do %3) jest taki sam jak przedział %4.</translation>
    </message>
    <message>
        <source>Special date %1 (%2 %3) carries a time of day; the KORVELT keeps only the date.</source>
        <extracomment>%1 is the special date&apos;s number, %2 its date, %3 its time of day</extracomment>
        <translation>Data specjalna %1 (%2 %3) zawiera godzinę; KORVELT przechowuje tylko datę.</translation>
    </message>
    <message>
        <source>%1 is in the past.</source>
        <extracomment>%1 is a special date with its place, as in &quot;Special date 3 (24/12/2027)&quot;</extracomment>
        <translation>%1 już minęła.</translation>
    </message>
    <message>
        <source>%1 is the same as special date %2.</source>
        <extracomment>%1 is a special date with its place, as in &quot;Special date 3 (24/12/2027)&quot;; %2 the other&apos;s number</extracomment>
        <translation>%1 jest taka sama jak data specjalna %2.</translation>
    </message>
    <message>
        <source>Output %1, Special Times: slots are set, but no special date is today or later.</source>
        <translation>Wyjście %1, Czasy specjalne: przedziały są ustawione, ale żadna data specjalna nie przypada dziś ani później.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>range of days</comment>
        <extracomment>A range of days in the schedule check, as in &quot;Mon to Fri&quot;</extracomment>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>Special date %1 is not set to a date from %2 to %3.</source>
        <extracomment>%1 is the special date&apos;s number, %2 and %3 the first and last year the KORVELT can hold</extracomment>
        <translation>Data specjalna %1 nie jest ustawiona na datę z lat %2–%3.</translation>
    </message>
</context>
<context>
    <name>ClockText</name>
    <message>
        <source>the KORVELT&apos;s clock holds no valid time (bytes %1)</source>
        <extracomment>Begins with a small letter: it also stands inside other sentences. %1 is the clock&apos;s bytes as a date and time</extracomment>
        <translation>zegar KORVELT nie zawiera prawidłowego czasu (bajty %1)</translation>
    </message>
    <message>
        <source>Module Time: %1
Module Date: %2</source>
        <extracomment>The device&apos;s clock: %1 is its time, %2 its date</extracomment>
        <translation>Czas modułu: %1
Data modułu: %2</translation>
    </message>
    <message>
        <source>KORVELT and this PC agree to the second</source>
        <translation>KORVELT i ten PC zgadzają się co do sekundy</translation>
    </message>
    <message>
        <source>%1 d %2 h</source>
        <extracomment>An amount of time: days and hours</extracomment>
        <translation>%1 d %2 h</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <extracomment>An amount of time: hours and minutes</extracomment>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <extracomment>An amount of time: minutes and seconds</extracomment>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>An amount of time: seconds</extracomment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>KORVELT is %1 behind this PC</source>
        <extracomment>%1 is an amount of time, as in &quot;3 min 38 s&quot;</extracomment>
        <translation>KORVELT spóźnia się o %1 względem tego PC</translation>
    </message>
    <message>
        <source>KORVELT is %1 ahead of this PC</source>
        <extracomment>%1 is an amount of time, as in &quot;3 min 38 s&quot;</extracomment>
        <translation>KORVELT spieszy się o %1 względem tego PC</translation>
    </message>
</context>
<context>
    <name>ControlTexts</name>
    <message>
        <source>1st Sunday</source>
        <translation>1. niedziela</translation>
    </message>
    <message>
        <source>2nd Sunday</source>
        <translation>2. niedziela</translation>
    </message>
    <message>
        <source>3rd Sunday</source>
        <translation>3. niedziela</translation>
    </message>
    <message>
        <source>4th Sunday</source>
        <translation>4. niedziela</translation>
    </message>
    <message>
        <source>Last Sunday</source>
        <translation>Ostatnia niedziela</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Styczeń</translation>
    </message>
    <message>
        <source>Febuary</source>
        <translation>Luty</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Marzec</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Kwiecień</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Maj</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Czerwiec</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Lipiec</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Sierpień</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Wrzesień</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Październik</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Listopad</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Grudzień</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Nd</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Pn</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Wt</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Śr</translation>
    </message>
    <message>
        <source>Thur</source>
        <translation>Cz</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Pt</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>So</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>Error Opening File.</source>
        <translation>Błąd otwierania pliku.</translation>
    </message>
    <message>
        <source>Incompatible data file.</source>
        <translation>Niezgodny plik danych.</translation>
    </message>
    <message>
        <source>The file uses a later data format.<byte value="xd"/>
Cannot load</source>
        <translation>Plik używa nowszego formatu danych.<byte value="xd"/>
Nie można wczytać</translation>
    </message>
    <message>
        <source>Error Saving File.</source>
        <translation>Błąd zapisu pliku.</translation>
    </message>
</context>
<context>
    <name>DeviceChoice</name>
    <message>
        <source>In Program Mode, %1</source>
        <extracomment>A KORVELT in the list of those attached that is being set up at its own keys; %1 is where it is attached</extracomment>
        <translation>W trybie programowania, %1</translation>
    </message>
    <message>
        <source>No answer, %1</source>
        <extracomment>A KORVELT in the list of those attached that did not say who it is; %1 is where it is attached</extracomment>
        <translation>Brak odpowiedzi, %1</translation>
    </message>
    <message>
        <source>Several KORVELTs are attached. Which one do the commands go to?</source>
        <extracomment>Asked when several KORVELTs are attached and a command needs one</extracomment>
        <translation>Podłączono kilka urządzeń KORVELT. Do którego mają trafiać polecenia?</translation>
    </message>
    <message>
        <source>The KORVELT with serial %1 is gone. Which KORVELT do the commands go to now?</source>
        <extracomment>%1 is the serial number of the KORVELT chosen before</extracomment>
        <translation>KORVELT o numerze seryjnym %1 został odłączony. Do którego KORVELT mają teraz trafiać polecenia?</translation>
    </message>
    <message>
        <source>The KORVELT at %1 is gone. Which KORVELT do the commands go to now?</source>
        <extracomment>%1 is where the KORVELT chosen before was attached</extracomment>
        <translation>KORVELT pod %1 został odłączony. Do którego KORVELT mają teraz trafiać polecenia?</translation>
    </message>
    <message>
        <source>Serial %1, version %2, %3</source>
        <extracomment>A KORVELT in the list of those attached: %1 is its serial number, %2 its firmware version, %3 where it is attached</extracomment>
        <translation>Nr seryjny %1, wersja %2, %3</translation>
    </message>
    <message>
        <source>The KORVELT with serial %1 holds part of the old and part of the new schedule. Write it again first?</source>
        <extracomment>Asked before a command goes to another KORVELT, and before the window closes; %1 is the serial number of the KORVELT a write stopped on</extracomment>
        <translation>KORVELT o numerze seryjnym %1 zawiera część starego i część nowego harmonogramu. Najpierw wysłać go ponownie?</translation>
    </message>
</context>
<context>
    <name>DevicePresenter</name>
    <message>
        <source>Close any other program that is using it, then try again.</source>
        <translation>Zamknij inne programy, które z niego korzystają, i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Install the rule 60-korvelt.rules into /etc/udev/rules.d, run &quot;sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger&quot; and plug the KORVELT in again.</source>
        <extracomment>Keep the file name, the folder and the command as they are</extracomment>
        <translation>Zainstaluj regułę 60-korvelt.rules w katalogu /etc/udev/rules.d, uruchom „sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger” i ponownie podłącz KORVELT.</translation>
    </message>
    <message>
        <source>Writing to KORVELT</source>
        <extracomment>Status texts and messages of a command on the KORVELT; %1 is the block&apos;s number, %2 the last block&apos;s</extracomment>
        <translation>Wysyłanie do KORVELT</translation>
    </message>
    <message>
        <source>Writing to KORVELT: block %1 of %2</source>
        <translation>Wysyłanie do KORVELT: blok %1 z %2</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while writing. Check the cable and try again.</source>
        <translation>KORVELT przestał odpowiadać podczas wysyłania. Sprawdź przewód i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while writing (block %1 of %2). Check the cable and try again.</source>
        <translation>KORVELT przestał odpowiadać podczas wysyłania (blok %1 z %2). Sprawdź przewód i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while writing. Plug it in and try again.</source>
        <translation>KORVELT został odłączony podczas wysyłania. Podłącz go i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while writing (block %1 of %2). Plug it in and try again.</source>
        <translation>KORVELT został odłączony podczas wysyłania (blok %1 z %2). Podłącz go i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Checking what was written</source>
        <translation>Weryfikacja wysłanych danych</translation>
    </message>
    <message>
        <source>Checking what was written: block %1 of %2</source>
        <translation>Weryfikacja wysłanych danych: blok %1 z %2</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while checking what was written. Check the cable and try again.</source>
        <translation>KORVELT przestał odpowiadać podczas weryfikacji wysłanych danych. Sprawdź przewód i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while checking what was written (block %1 of %2). Check the cable and try again.</source>
        <translation>KORVELT przestał odpowiadać podczas weryfikacji wysłanych danych (blok %1 z %2). Sprawdź przewód i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while checking what was written. Plug it in and try again.</source>
        <translation>KORVELT został odłączony podczas weryfikacji wysłanych danych. Podłącz go i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while checking what was written (block %1 of %2). Plug it in and try again.</source>
        <translation>KORVELT został odłączony podczas weryfikacji wysłanych danych (blok %1 z %2). Podłącz go i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Comparing with KORVELT</source>
        <translation>Porównywanie z KORVELT</translation>
    </message>
    <message>
        <source>Comparing with KORVELT: block %1 of %2</source>
        <translation>Porównywanie z KORVELT: blok %1 z %2</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while reading. Check the cable and try again.</source>
        <translation>KORVELT przestał odpowiadać podczas odczytu. Sprawdź przewód i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while reading (block %1 of %2). Check the cable and try again.</source>
        <translation>KORVELT przestał odpowiadać podczas odczytu (blok %1 z %2). Sprawdź przewód i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while reading. Plug it in and try again.</source>
        <translation>KORVELT został odłączony podczas odczytu. Podłącz go i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while reading (block %1 of %2). Plug it in and try again.</source>
        <translation>KORVELT został odłączony podczas odczytu (blok %1 z %2). Podłącz go i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Reading from KORVELT</source>
        <translation>Odczyt z KORVELT</translation>
    </message>
    <message>
        <source>Reading from KORVELT: block %1 of %2</source>
        <translation>Odczyt z KORVELT: blok %1 z %2</translation>
    </message>
    <message>
        <source>Setting the KORVELT clock</source>
        <translation>Ustawianie zegara KORVELT</translation>
    </message>
    <message>
        <source>Setting the KORVELT clock: block %1 of %2</source>
        <translation>Ustawianie zegara KORVELT: blok %1 z %2</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while setting the clock. Check the cable and try again.</source>
        <translation>KORVELT przestał odpowiadać podczas ustawiania zegara. Sprawdź przewód i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while setting the clock (block %1 of %2). Check the cable and try again.</source>
        <translation>KORVELT przestał odpowiadać podczas ustawiania zegara (blok %1 z %2). Sprawdź przewód i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while setting the clock. Plug it in and try again.</source>
        <translation>KORVELT został odłączony podczas ustawiania zegara. Podłącz go i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while setting the clock (block %1 of %2). Plug it in and try again.</source>
        <translation>KORVELT został odłączony podczas ustawiania zegara (blok %1 z %2). Podłącz go i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Reading the KORVELT clock</source>
        <translation>Odczyt zegara KORVELT</translation>
    </message>
    <message>
        <source>Reading the KORVELT clock: block %1 of %2</source>
        <translation>Odczyt zegara KORVELT: blok %1 z %2</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while reading the clock. Check the cable and try again.</source>
        <translation>KORVELT przestał odpowiadać podczas odczytu zegara. Sprawdź przewód i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while reading the clock (block %1 of %2). Check the cable and try again.</source>
        <translation>KORVELT przestał odpowiadać podczas odczytu zegara (blok %1 z %2). Sprawdź przewód i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while reading the clock. Plug it in and try again.</source>
        <translation>KORVELT został odłączony podczas odczytu zegara. Podłącz go i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while reading the clock (block %1 of %2). Plug it in and try again.</source>
        <translation>KORVELT został odłączony podczas odczytu zegara (blok %1 z %2). Podłącz go i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Daylight Saving</source>
        <extracomment>A place where the KORVELT&apos;s schedule differs: its daylight-saving rule</extracomment>
        <translation>Czas letni</translation>
    </message>
    <message>
        <source>Special date %1</source>
        <extracomment>A place where the KORVELT&apos;s schedule differs; %1 is the special date&apos;s number, 1 to 16</extracomment>
        <translation>Data specjalna %1</translation>
    </message>
    <message>
        <source>... and 1 more.</source>
        <extracomment>The last line of a list cut short</extracomment>
        <translation>... i jeszcze 1.</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... i jeszcze %n.</numerusform>
            <numerusform>... i jeszcze %n.</numerusform>
            <numerusform>... i jeszcze %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>The KORVELT does not hold what was written</source>
        <extracomment>First line of a message after a write that did not read back as written</extracomment>
        <translation>KORVELT nie zawiera tego, co wysłano</translation>
    </message>
    <message>
        <source>Write again; if it stays so, the KORVELT may need service.</source>
        <translation>Wyślij ponownie; jeśli błąd się powtórzy, KORVELT może wymagać serwisu.</translation>
    </message>
</context>
<context>
    <name>DifferenceText</name>
    <message>
        <source>(not chosen)</source>
        <extracomment>A week or month box of the daylight-saving rule none of whose items is chosen</extracomment>
        <translation>(nie wybrano)</translation>
    </message>
    <message>
        <source>(empty)</source>
        <extracomment>An empty time cell</extracomment>
        <translation>(puste)</translation>
    </message>
    <message>
        <source>no days</source>
        <translation>brak dni</translation>
    </message>
    <message>
        <source>%1 to %2 %3</source>
        <extracomment>A slot: %1 its start time, %2 its end time, %3 its days (&quot;Mon Tue&quot; or &quot;no days&quot;)</extracomment>
        <translation>od %1 do %2 %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>slot times</comment>
        <extracomment>A slot: %1 its start time, %2 its end time</extracomment>
        <translation>od %1 do %2</translation>
    </message>
    <message>
        <source>on, %1 of %2 to %3 of %4</source>
        <extracomment>The daylight-saving rule, switched on: %1 of %2 (as in &quot;Last Sunday of March&quot;) the clock goes forward, %3 of %4 it goes back</extracomment>
        <translation>wł., do przodu: %1 %2, do tyłu: %3 %4</translation>
    </message>
    <message>
        <source>off, %1 of %2 to %3 of %4</source>
        <extracomment>The daylight-saving rule, switched off: %1 of %2 (as in &quot;Last Sunday of March&quot;) the clock would go forward, %3 of %4 it would go back</extracomment>
        <translation>wył., do przodu: %1 %2, do tyłu: %3 %4</translation>
    </message>
    <message>
        <source>(not set)</source>
        <extracomment>A special date the window cannot show</extracomment>
        <translation>(nie ustawiono)</translation>
    </message>
    <message>
        <source>%1: window %2, KORVELT %3</source>
        <extracomment>%1 is the slot&apos;s place (&quot;Output 2, Normal Times slot 3&quot;), %2 the window&apos;s slot, %3 the KORVELT&apos;s</extracomment>
        <translation>%1: okno %2, KORVELT %3</translation>
    </message>
    <message>
        <source>Daylight Saving: window %1; KORVELT %2</source>
        <extracomment>%1 is the window&apos;s daylight-saving rule, %2 the KORVELT&apos;s</extracomment>
        <translation>Czas letni: okno %1; KORVELT %2</translation>
    </message>
    <message>
        <source>Special date %1: window %2, KORVELT %3</source>
        <extracomment>%1 is the special date&apos;s number, %2 the window&apos;s date, %3 the KORVELT&apos;s</extracomment>
        <translation>Data specjalna %1: okno %2, KORVELT %3</translation>
    </message>
    <message>
        <source>Output %1, Special Times slot %2</source>
        <extracomment>The place of a slot: %1 is the output, %2 the slot</extracomment>
        <translation>Wyjście %1, Czasy specjalne, przedział %2</translation>
    </message>
    <message>
        <source>Output %1, Normal Times slot %2</source>
        <extracomment>The place of a slot: %1 is the output, %2 the slot</extracomment>
        <translation>Wyjście %1, Czasy zwykłe, przedział %2</translation>
    </message>
    <message>
        <source>1st Sunday</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>1. niedziela</translation>
    </message>
    <message>
        <source>2nd Sunday</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>2. niedziela</translation>
    </message>
    <message>
        <source>3rd Sunday</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>3. niedziela</translation>
    </message>
    <message>
        <source>4th Sunday</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>4. niedziela</translation>
    </message>
    <message>
        <source>Last Sunday</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>ostatnia niedziela</translation>
    </message>
    <message>
        <source>January</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>stycznia</translation>
    </message>
    <message>
        <source>Febuary</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>lutego</translation>
    </message>
    <message>
        <source>March</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>marca</translation>
    </message>
    <message>
        <source>April</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>kwietnia</translation>
    </message>
    <message>
        <source>May</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>maja</translation>
    </message>
    <message>
        <source>June</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>czerwca</translation>
    </message>
    <message>
        <source>July</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>lipca</translation>
    </message>
    <message>
        <source>August</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>sierpnia</translation>
    </message>
    <message>
        <source>September</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>września</translation>
    </message>
    <message>
        <source>October</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>października</translation>
    </message>
    <message>
        <source>November</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>listopada</translation>
    </message>
    <message>
        <source>December</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>grudnia</translation>
    </message>
</context>
<context>
    <name>GridSlots</name>
    <message>
        <source>On</source>
        <comment>day cell</comment>
        <extracomment>The text of a day cell whose day is on; keep it short</extracomment>
        <translation>Zał</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>day cell</comment>
        <translation>Wył</translation>
    </message>
</context>
<context>
    <name>HolidayNames</name>
    <message>
        <source>England and Wales</source>
        <translation>Anglia i Walia</translation>
    </message>
    <message>
        <source>Scotland</source>
        <translation>Szkocja</translation>
    </message>
    <message>
        <source>Northern Ireland</source>
        <translation>Irlandia Północna</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Irlandia</translation>
    </message>
    <message>
        <source>Germany (nationwide)</source>
        <translation>Niemcy (cały kraj)</translation>
    </message>
    <message>
        <source>Germany: Baden-Württemberg</source>
        <translation>Niemcy: Badenia-Wirtembergia</translation>
    </message>
    <message>
        <source>Germany: Bavaria</source>
        <translation>Niemcy: Bawaria</translation>
    </message>
    <message>
        <source>Germany: Berlin</source>
        <translation>Niemcy: Berlin</translation>
    </message>
    <message>
        <source>Germany: Brandenburg</source>
        <translation>Niemcy: Brandenburgia</translation>
    </message>
    <message>
        <source>Germany: Bremen</source>
        <translation>Niemcy: Brema</translation>
    </message>
    <message>
        <source>Germany: Hamburg</source>
        <translation>Niemcy: Hamburg</translation>
    </message>
    <message>
        <source>Germany: Hesse</source>
        <translation>Niemcy: Hesja</translation>
    </message>
    <message>
        <source>Germany: Lower Saxony</source>
        <translation>Niemcy: Dolna Saksonia</translation>
    </message>
    <message>
        <source>Germany: Mecklenburg-Western Pomerania</source>
        <translation>Niemcy: Meklemburgia-Pomorze Przednie</translation>
    </message>
    <message>
        <source>Germany: North Rhine-Westphalia</source>
        <translation>Niemcy: Nadrenia Północna-Westfalia</translation>
    </message>
    <message>
        <source>Germany: Rhineland-Palatinate</source>
        <translation>Niemcy: Nadrenia-Palatynat</translation>
    </message>
    <message>
        <source>Germany: Saarland</source>
        <translation>Niemcy: Saara</translation>
    </message>
    <message>
        <source>Germany: Saxony</source>
        <translation>Niemcy: Saksonia</translation>
    </message>
    <message>
        <source>Germany: Saxony-Anhalt</source>
        <translation>Niemcy: Saksonia-Anhalt</translation>
    </message>
    <message>
        <source>Germany: Schleswig-Holstein</source>
        <translation>Niemcy: Szlezwik-Holsztyn</translation>
    </message>
    <message>
        <source>Germany: Thuringia</source>
        <translation>Niemcy: Turyngia</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Austria</translation>
    </message>
    <message>
        <source>Switzerland (every canton)</source>
        <translation>Szwajcaria (wszystkie kantony)</translation>
    </message>
    <message>
        <source>Switzerland: Zurich</source>
        <translation>Szwajcaria: Zurych</translation>
    </message>
    <message>
        <source>Switzerland: Bern</source>
        <translation>Szwajcaria: Berno</translation>
    </message>
    <message>
        <source>Switzerland: Basel-Stadt</source>
        <translation>Szwajcaria: Bazylea-Miasto</translation>
    </message>
    <message>
        <source>Switzerland: Geneva</source>
        <translation>Szwajcaria: Genewa</translation>
    </message>
    <message>
        <source>Switzerland: Vaud</source>
        <translation>Szwajcaria: Vaud</translation>
    </message>
    <message>
        <source>Switzerland: Ticino</source>
        <translation>Szwajcaria: Ticino</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Belgia</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Francja</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Włochy</translation>
    </message>
    <message>
        <source>Spain (national)</source>
        <translation>Hiszpania (cały kraj)</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polska</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Holandia</translation>
    </message>
    <message>
        <source>United States (federal)</source>
        <translation>Stany Zjednoczone (federalne)</translation>
    </message>
    <message>
        <source>Canada (federal)</source>
        <translation>Kanada (federalne)</translation>
    </message>
    <message>
        <source>Australia (national)</source>
        <translation>Australia (cały kraj)</translation>
    </message>
    <message>
        <source>2nd January</source>
        <translation>2 stycznia</translation>
    </message>
    <message>
        <source>All Saints&apos; Day</source>
        <translation>Wszystkich Świętych</translation>
    </message>
    <message>
        <source>Anzac Day</source>
        <translation>Anzac Day</translation>
    </message>
    <message>
        <source>Armistice Day</source>
        <translation>Dzień Zawieszenia Broni</translation>
    </message>
    <message>
        <source>Ascension Day</source>
        <translation>Wniebowstąpienie</translation>
    </message>
    <message>
        <source>Assumption Day</source>
        <translation>Wniebowzięcie NMP</translation>
    </message>
    <message>
        <source>Assumption of Mary</source>
        <translation>Wniebowzięcie NMP</translation>
    </message>
    <message>
        <source>Augsburg Peace Festival</source>
        <translation>Augsburskie Święto Pokoju</translation>
    </message>
    <message>
        <source>August bank holiday</source>
        <translation>Sierpniowy bank holiday</translation>
    </message>
    <message>
        <source>Australia Day</source>
        <translation>Dzień Australii</translation>
    </message>
    <message>
        <source>Bank holiday for the State Funeral of Queen Elizabeth II</source>
        <translation>Bank holiday z okazji pogrzebu państwowego królowej Elżbiety II</translation>
    </message>
    <message>
        <source>Bank holiday for the coronation of King Charles III</source>
        <translation>Bank holiday z okazji koronacji króla Karola III</translation>
    </message>
    <message>
        <source>Bastille Day</source>
        <translation>Święto Narodowe Francji</translation>
    </message>
    <message>
        <source>Battle of the Boyne (Orangemen&apos;s Day)</source>
        <translation>Rocznica bitwy nad Boyne (Orangemen&apos;s Day)</translation>
    </message>
    <message>
        <source>Berchtold&apos;s Day</source>
        <translation>Dzień św. Berchtolda</translation>
    </message>
    <message>
        <source>Birthday of Martin Luther King, Jr.</source>
        <translation>Urodziny Martina Luthera Kinga</translation>
    </message>
    <message>
        <source>Boxing Day</source>
        <translation>Drugi dzień świąt (Boxing Day)</translation>
    </message>
    <message>
        <source>Canada Day</source>
        <translation>Canada Day</translation>
    </message>
    <message>
        <source>Centenary of Independence</source>
        <translation>Stulecie odzyskania niepodległości</translation>
    </message>
    <message>
        <source>Christmas Day</source>
        <translation>Boże Narodzenie</translation>
    </message>
    <message>
        <source>Christmas Eve</source>
        <translation>Wigilia Bożego Narodzenia</translation>
    </message>
    <message>
        <source>Columbus Day</source>
        <translation>Dzień Kolumba</translation>
    </message>
    <message>
        <source>Constitution Day</source>
        <translation>Święto Konstytucji</translation>
    </message>
    <message>
        <source>Corpus Christi</source>
        <translation>Boże Ciało</translation>
    </message>
    <message>
        <source>Day of German Unity</source>
        <translation>Dzień Jedności Niemiec</translation>
    </message>
    <message>
        <source>Day of Liberation</source>
        <translation>Dzień Wyzwolenia</translation>
    </message>
    <message>
        <source>Day of Remembrance and Recognition</source>
        <translation>Dzień Pamięci i Uznania</translation>
    </message>
    <message>
        <source>Day of Repentance and Prayer</source>
        <translation>Dzień Pokuty i Modlitwy</translation>
    </message>
    <message>
        <source>Early May bank holiday</source>
        <translation>Majowy bank holiday (początek maja)</translation>
    </message>
    <message>
        <source>Easter Monday</source>
        <translation>Poniedziałek Wielkanocny</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>Niedziela Wielkanocna</translation>
    </message>
    <message>
        <source>Epiphany</source>
        <translation>Trzech Króli</translation>
    </message>
    <message>
        <source>Federal Fast Monday</source>
        <translation>Poniedziałek po Federalnym Dniu Postu</translation>
    </message>
    <message>
        <source>Ferragosto</source>
        <translation>Ferragosto</translation>
    </message>
    <message>
        <source>Genevan Fast</source>
        <translation>Genewski Dzień Postu</translation>
    </message>
    <message>
        <source>Golden Jubilee bank holiday</source>
        <translation>Bank holiday – Złoty Jubileusz</translation>
    </message>
    <message>
        <source>Good Friday</source>
        <translation>Wielki Piątek</translation>
    </message>
    <message>
        <source>Immaculate Conception</source>
        <translation>Niepokalane Poczęcie NMP</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Święto Niepodległości</translation>
    </message>
    <message>
        <source>International Women&apos;s Day</source>
        <translation>Międzynarodowy Dzień Kobiet</translation>
    </message>
    <message>
        <source>June bank holiday</source>
        <translation>Czerwcowy bank holiday</translation>
    </message>
    <message>
        <source>Juneteenth National Independence Day</source>
        <translation>Juneteenth</translation>
    </message>
    <message>
        <source>King&apos;s Birthday</source>
        <translation>Urodziny Króla</translation>
    </message>
    <message>
        <source>King&apos;s Day</source>
        <translation>Dzień Króla</translation>
    </message>
    <message>
        <source>Labor Day</source>
        <translation>Święto Pracy (Labor Day)</translation>
    </message>
    <message>
        <source>Labour Day</source>
        <translation>Święto Pracy</translation>
    </message>
    <message>
        <source>Liberation Day</source>
        <translation>Dzień Wyzwolenia</translation>
    </message>
    <message>
        <source>Liberation Day (every fifth year)</source>
        <translation>Dzień Wyzwolenia (co piąty rok)</translation>
    </message>
    <message>
        <source>Maundy Thursday</source>
        <translation>Wielki Czwartek</translation>
    </message>
    <message>
        <source>May bank holiday</source>
        <translation>Majowy bank holiday</translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation>Memorial Day</translation>
    </message>
    <message>
        <source>National Day</source>
        <translation>Święto Narodowe</translation>
    </message>
    <message>
        <source>National Day for Truth and Reconciliation</source>
        <translation>Narodowy Dzień Prawdy i Pojednania</translation>
    </message>
    <message>
        <source>National Day of Mourning for Queen Elizabeth II</source>
        <translation>Narodowy Dzień Żałoby po królowej Elżbiecie II</translation>
    </message>
    <message>
        <source>National Day of Spain</source>
        <translation>Święto Narodowe Hiszpanii</translation>
    </message>
    <message>
        <source>New Year&apos;s Day</source>
        <translation>Nowy Rok</translation>
    </message>
    <message>
        <source>October bank holiday</source>
        <translation>Październikowy bank holiday</translation>
    </message>
    <message>
        <source>Platinum Jubilee bank holiday</source>
        <translation>Bank holiday – Platynowy Jubileusz</translation>
    </message>
    <message>
        <source>Queen&apos;s Birthday</source>
        <translation>Urodziny Królowej</translation>
    </message>
    <message>
        <source>Queen&apos;s Day</source>
        <translation>Dzień Królowej</translation>
    </message>
    <message>
        <source>Queen&apos;s Diamond Jubilee</source>
        <translation>Diamentowy Jubileusz Królowej</translation>
    </message>
    <message>
        <source>Reformation Day</source>
        <translation>Dzień Reformacji</translation>
    </message>
    <message>
        <source>Remembrance Day</source>
        <translation>Dzień Pamięci (Remembrance Day)</translation>
    </message>
    <message>
        <source>Republic Day</source>
        <translation>Święto Republiki</translation>
    </message>
    <message>
        <source>Restoration of the Republic</source>
        <translation>Przywrócenie Republiki</translation>
    </message>
    <message>
        <source>Royal wedding</source>
        <translation>Ślub królewski</translation>
    </message>
    <message>
        <source>Saint Brigid&apos;s Day</source>
        <translation>Dzień św. Brygidy</translation>
    </message>
    <message>
        <source>Saint Patrick&apos;s Day</source>
        <translation>Dzień św. Patryka</translation>
    </message>
    <message>
        <source>Saint Stephen&apos;s Day</source>
        <translation>Dzień św. Szczepana</translation>
    </message>
    <message>
        <source>Second Day of Christmas</source>
        <translation>Drugi dzień Bożego Narodzenia</translation>
    </message>
    <message>
        <source>Spring bank holiday</source>
        <translation>Wiosenny bank holiday</translation>
    </message>
    <message>
        <source>St Andrew&apos;s Day</source>
        <translation>Dzień św. Andrzeja</translation>
    </message>
    <message>
        <source>St Francis of Assisi</source>
        <translation>Dzień św. Franciszka z Asyżu</translation>
    </message>
    <message>
        <source>St Joseph&apos;s Day</source>
        <translation>Dzień św. Józefa</translation>
    </message>
    <message>
        <source>St Patrick&apos;s Day</source>
        <translation>Dzień św. Patryka</translation>
    </message>
    <message>
        <source>St Stephen&apos;s Day</source>
        <translation>Dzień św. Szczepana</translation>
    </message>
    <message>
        <source>State Holiday</source>
        <translation>Święto Państwowe</translation>
    </message>
    <message>
        <source>Sts Peter and Paul</source>
        <translation>Świętych Piotra i Pawła</translation>
    </message>
    <message>
        <source>Summer bank holiday</source>
        <translation>Letni bank holiday</translation>
    </message>
    <message>
        <source>Swiss National Day</source>
        <translation>Święto Narodowe Szwajcarii</translation>
    </message>
    <message>
        <source>Thanksgiving Day</source>
        <translation>Święto Dziękczynienia</translation>
    </message>
    <message>
        <source>Veterans Day</source>
        <translation>Dzień Weteranów</translation>
    </message>
    <message>
        <source>Victoria Day</source>
        <translation>Victoria Day</translation>
    </message>
    <message>
        <source>Victory in Europe Day</source>
        <translation>Dzień Zwycięstwa</translation>
    </message>
    <message>
        <source>Washington&apos;s Birthday</source>
        <translation>Urodziny Waszyngtona</translation>
    </message>
    <message>
        <source>Whit Monday</source>
        <translation>Poniedziałek Zielonoświątkowy</translation>
    </message>
    <message>
        <source>Whit Sunday</source>
        <translation>Zielone Świątki</translation>
    </message>
    <message>
        <source>World Children&apos;s Day</source>
        <translation>Światowy Dzień Dziecka</translation>
    </message>
    <message>
        <source>150th anniversary of the unification of Italy</source>
        <translation>150. rocznica zjednoczenia Włoch</translation>
    </message>
    <message>
        <source>Additional bank holiday</source>
        <translation>Dodatkowy bank holiday</translation>
    </message>
    <message>
        <source>Anniversary of the uprising of 17 June 1953</source>
        <translation>Rocznica powstania z 17 czerwca 1953</translation>
    </message>
</context>
<context>
    <name>HolidayNotes</name>
    <message>
        <source>A holiday in every canton but Ticino and Valais.</source>
        <translation>Święto we wszystkich kantonach z wyjątkiem Ticino i Valais.</translation>
    </message>
    <message>
        <source>A holiday in every region but Catalonia (and in some years Valencia).</source>
        <translation>Święto we wszystkich regionach z wyjątkiem Katalonii (a w niektórych latach Walencji).</translation>
    </message>
    <message>
        <source>A holiday in most cantons, not in Geneva, Jura, Neuchâtel, Valais and Vaud.</source>
        <translation>Święto w większości kantonów, nie w Genewie, Jurze, Neuchâtel, Valais i Vaud.</translation>
    </message>
    <message>
        <source>A holiday in most cantons, not in Valais.</source>
        <translation>Święto w większości kantonów, nie w Valais.</translation>
    </message>
    <message>
        <source>A public holiday, but a day off only where the collective agreement or the employer gives it, in many agreements every fifth year only.</source>
        <translation>Święto ustawowe, ale dzień wolny tylko tam, gdzie przyznaje go układ zbiorowy lub pracodawca, w wielu układach tylko co pięć lat.</translation>
    </message>
    <message>
        <source>A public holiday, but a day off only where the collective agreement or the employer gives it.</source>
        <translation>Święto ustawowe, ale dzień wolny tylko tam, gdzie przyznaje go układ zbiorowy lub pracodawca.</translation>
    </message>
    <message>
        <source>In some Catholic Sorbian municipalities of the districts of Bautzen and Görlitz only.</source>
        <translation>Tylko w niektórych katolickich gminach łużyckich powiatów Budziszyn i Görlitz.</translation>
    </message>
    <message>
        <source>In the city of Augsburg only.</source>
        <translation>Tylko w mieście Augsburg.</translation>
    </message>
    <message>
        <source>In the municipalities of the Eichsfeld district with a mainly Catholic population, and some others, only.</source>
        <translation>Tylko w gminach powiatu Eichsfeld z przewagą ludności katolickiej i w kilku innych.</translation>
    </message>
    <message>
        <source>In the municipalities with a mainly Catholic population (most of Bavaria, Munich included); untick it elsewhere.</source>
        <translation>W gminach z przewagą ludności katolickiej (większość Bawarii, łącznie z Monachium); gdzie indziej należy usunąć zaznaczenie.</translation>
    </message>
    <message>
        <source>Liberation Day in the years of a lustrum (2025, 2030, ...), as many agreements give it.</source>
        <translation>Dzień Wyzwolenia w latach jubileuszowych (2025, 2030, ...), jak przyznaje go wiele układów zbiorowych.</translation>
    </message>
    <message>
        <source>Western Australia and Queensland keep it on other days.</source>
        <translation>Australia Zachodnia i Queensland obchodzą je w inne dni.</translation>
    </message>
    <message>
        <source>A one-off bank holiday in Scotland alone, proclaimed for Monday 15 June 2026.</source>
        <translation>Jednorazowy bank holiday tylko w Szkocji, ogłoszony na poniedziałek 15 czerwca 2026.</translation>
    </message>
    <message>
        <source>A public holiday once, by Decree-law 5 of 2011.</source>
        <translation>Jednorazowe święto państwowe, na mocy dekretu z mocą ustawy nr 5 z 2011 roku.</translation>
    </message>
    <message>
        <source>A holiday in Berlin once, 75 years after the uprising of 17 June 1953.</source>
        <translation>Jednorazowe święto w Berlinie, 75 lat po powstaniu z 17 czerwca 1953.</translation>
    </message>
    <message>
        <source>In 2011 on Tuesday 26 April, as Easter Monday fell on 25 April.</source>
        <translation>W 2011 roku we wtorek 26 kwietnia, bo Poniedziałek Wielkanocny wypadł 25 kwietnia.</translation>
    </message>
    <message>
        <source>On 2 June from 2001 (Law 336 of 2000); from 1977 to 2000 it was kept on the first Sunday of June.</source>
        <translation>2 czerwca od 2001 roku (ustawa nr 336 z 2000 roku); w latach 1977–2000 obchodzono je w pierwszą niedzielę czerwca.</translation>
    </message>
    <message>
        <source>On a Saturday or a Sunday, the working day after it is the day off (Canada Labour Code, as the federal government&apos;s lists give it).</source>
        <translation>Gdy wypada w sobotę lub niedzielę, wolny jest następny dzień roboczy (kanadyjski kodeks pracy, tak jak podają listy rządu federalnego).</translation>
    </message>
</context>
<context>
    <name>HolidayRuleFile</name>
    <message>
        <source>has an unknown kind &quot;%1&quot; (known: fixed, easter, nth-weekday, last-weekday).</source>
        <translation>ma nieznany rodzaj „%1” (znane: fixed, easter, nth-weekday, last-weekday).</translation>
    </message>
    <message>
        <source>needs a whole &quot;month&quot; and &quot;day&quot;.</source>
        <translation>wymaga liczb całkowitych „month” i „day”.</translation>
    </message>
    <message>
        <source>needs a whole &quot;offset&quot; (days from Easter Sunday).</source>
        <translation>wymaga liczby całkowitej „offset” (dni od Niedzieli Wielkanocnej).</translation>
    </message>
    <message>
        <source>needs a whole &quot;nth&quot; (1 to 4).</source>
        <translation>wymaga liczby całkowitej „nth” (od 1 do 4).</translation>
    </message>
    <message>
        <source>needs a &quot;weekday&quot; from sunday to saturday.</source>
        <translation>wymaga pola „weekday” o wartości od sunday do saturday.</translation>
    </message>
    <message>
        <source>needs a whole &quot;month&quot;.</source>
        <translation>wymaga liczby całkowitej „month”.</translation>
    </message>
    <message>
        <source>has an unknown &quot;weekend&quot; &quot;%1&quot;.</source>
        <translation>ma nieznaną wartość „weekend”: „%1”.</translation>
    </message>
    <message>
        <source>has an unknown &quot;then&quot; &quot;%1&quot; (known: before, after, on-or-before, on-or-after).</source>
        <translation>ma nieznaną wartość „then”: „%1” (znane: before, after, on-or-before, on-or-after).</translation>
    </message>
    <message>
        <source>needs a &quot;then-weekday&quot; from sunday to saturday.</source>
        <translation>wymaga pola „then-weekday” o wartości od sunday do saturday.</translation>
    </message>
    <message>
        <source>needs a whole number of years as &quot;%1&quot;.</source>
        <translation>wymaga całkowitej liczby lat jako „%1”.</translation>
    </message>
    <message>
        <source>needs a list as &quot;changes&quot;.</source>
        <translation>wymaga listy jako „changes”.</translation>
    </message>
    <message>
        <source>needs a &quot;year&quot; and either a &quot;month&quot; and &quot;day&quot; or &quot;dropped&quot; in each change.</source>
        <translation>wymaga w każdej zmianie pola „year” oraz pól „month” i „day” albo pola „dropped”.</translation>
    </message>
    <message>
        <source>The file is not valid JSON: %1 at character %2.</source>
        <translation>Plik nie jest poprawnym plikiem JSON: %1 przy znaku %2.</translation>
    </message>
    <message>
        <source>The file is no holiday rule file.</source>
        <translation>Plik nie jest plikiem reguł świąt.</translation>
    </message>
    <message>
        <source>The file was written by a later version of the program.</source>
        <translation>Plik został zapisany przez nowszą wersję programu.</translation>
    </message>
    <message>
        <source>Rule %1 %2</source>
        <extracomment>%1 is the rule&apos;s number in the file; %2 what is wrong with it, as in &quot;needs a whole &quot;month&quot;.&quot;</extracomment>
        <translation>Reguła %1: %2</translation>
    </message>
    <message>
        <source>Rule %1 (%2) %3</source>
        <extracomment>%1 is the rule&apos;s number in the file, %2 its name; %3 what is wrong with it, as in &quot;needs a whole &quot;month&quot;.&quot;</extracomment>
        <translation>Reguła %1 (%2): %3</translation>
    </message>
    <message>
        <source>The file cannot be opened.</source>
        <translation>Nie można otworzyć pliku.</translation>
    </message>
    <message>
        <source>The file is too large for a holiday rule file.</source>
        <translation>Plik jest za duży jak na plik reguł świąt.</translation>
    </message>
</context>
<context>
    <name>HolidayText</name>
    <message>
        <source>January</source>
        <translation>stycznia</translation>
    </message>
    <message>
        <source>February</source>
        <translation>lutego</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marca</translation>
    </message>
    <message>
        <source>April</source>
        <translation>kwietnia</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maja</translation>
    </message>
    <message>
        <source>June</source>
        <translation>czerwca</translation>
    </message>
    <message>
        <source>July</source>
        <translation>lipca</translation>
    </message>
    <message>
        <source>August</source>
        <translation>sierpnia</translation>
    </message>
    <message>
        <source>September</source>
        <translation>września</translation>
    </message>
    <message>
        <source>October</source>
        <translation>października</translation>
    </message>
    <message>
        <source>November</source>
        <translation>listopada</translation>
    </message>
    <message>
        <source>December</source>
        <translation>grudnia</translation>
    </message>
    <message>
        <source>%1 (substitute day)</source>
        <extracomment>A holiday moved off a weekend: %1 is its name</extracomment>
        <translation>%1 (dzień zastępczy)</translation>
    </message>
    <message>
        <source>%1 (observed)</source>
        <extracomment>A holiday observed on a weekday: %1 is its name</extracomment>
        <translation>%1 (dzień obchodów)</translation>
    </message>
    <message>
        <source> / </source>
        <extracomment>Between the names of holidays on the same day</extracomment>
        <translation> / </translation>
    </message>
    <message>
        <source>The month must be from 1 to 12.</source>
        <translation>Miesiąc musi być z zakresu od 1 do 12.</translation>
    </message>
    <message>
        <source>%1 %2 is not a date.</source>
        <extracomment>%1 is a day, %2 a month, as in &quot;30 February is not a date.&quot;</extracomment>
        <translation>%1 %2 nie jest datą.</translation>
    </message>
    <message>
        <source>Days from Easter Sunday must be from -%1 to %1.</source>
        <extracomment>%1 is the most days a rule may be from Easter Sunday</extracomment>
        <translation>Liczba dni od Niedzieli Wielkanocnej musi być z zakresu od -%1 do %1.</translation>
    </message>
    <message>
        <source>Which weekday of the month must be from 1 to 4 (or the last).</source>
        <translation>Numer dnia tygodnia w miesiącu musi być z zakresu od 1 do 4 (albo ostatni).</translation>
    </message>
    <message>
        <source>The weekday must be from 0 (Sunday) to 6 (Saturday).</source>
        <translation>Dzień tygodnia musi być z zakresu od 0 (niedziela) do 6 (sobota).</translation>
    </message>
    <message>
        <source>The weekday before or after must be from 0 (Sunday) to 6 (Saturday).</source>
        <translation>Dzień tygodnia przed datą lub po niej musi być z zakresu od 0 (niedziela) do 6 (sobota).</translation>
    </message>
    <message>
        <source>The first and the last year must be from %1 to %2.</source>
        <translation>Pierwszy i ostatni rok muszą być z zakresu od %1 do %2.</translation>
    </message>
    <message>
        <source>The last year (%1) is before the first (%2).</source>
        <extracomment>%1 is the last year, %2 the first</extracomment>
        <translation>Ostatni rok (%1) jest wcześniejszy niż pierwszy (%2).</translation>
    </message>
    <message>
        <source>Every how many years must be from 1 to 100.</source>
        <translation>Liczba lat w „co … lat” musi być z zakresu od 1 do 100.</translation>
    </message>
    <message numerus="yes">
        <source>Every %n years needs the first year to count from.</source>
        <extracomment>%n is every how many years (2 or more)</extracomment>
        <translation>
            <numerusform>Reguła „co %n rok” wymaga pierwszego roku, od którego się liczy.</numerusform>
            <numerusform>Reguła „co %n lata” wymaga pierwszego roku, od którego się liczy.</numerusform>
            <numerusform>Reguła „co %n lat” wymaga pierwszego roku, od którego się liczy.</numerusform>
        </translation>
    </message>
    <message>
        <source>The year of a change must be from %1 to %2.</source>
        <translation>Rok zmiany musi być z zakresu od %1 do %2.</translation>
    </message>
    <message>
        <source>%1 is changed twice.</source>
        <extracomment>%1 is a year</extracomment>
        <translation>Rok %1 jest zmieniony dwukrotnie.</translation>
    </message>
    <message>
        <source>The change of %1 is not a date.</source>
        <extracomment>%1 is a year</extracomment>
        <translation>Zmiana w roku %1 nie jest datą.</translation>
    </message>
</context>
<context>
    <name>HolidaysDialog</name>
    <message>
        <source>Holiday Rules (*.json);;All Files (*.*)</source>
        <extracomment>File dialog filter; keep the patterns in parentheses as they are</extracomment>
        <translation>Reguły świąt (*.json);;Wszystkie pliki (*.*)</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>niedziela</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>poniedziałek</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>wtorek</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>środa</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>czwartek</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>piątek</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sobota</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <extracomment>A rule&apos;s day: %1 is a weekday, %2 a month</extracomment>
        <translation>1. %1 %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <translation>2. %1 %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <translation>3. %1 %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <translation>4. %1 %2</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <extracomment>A rule&apos;s day: %1 is a number, %2 a weekday, %3 a month</extracomment>
        <translation>%1. %2 %3</translation>
    </message>
    <message>
        <source>the %1 before %2</source>
        <extracomment>A rule&apos;s day: %1 is a weekday, %2 the date it is counted from, as in &quot;the Wednesday before 23 November&quot;</extracomment>
        <translation>%1 przed dniem %2</translation>
    </message>
    <message>
        <source>the %1 after %2</source>
        <translation>%1 po dniu %2</translation>
    </message>
    <message>
        <source>the %1 on or before %2</source>
        <translation>%1 w dniu %2 lub przed nim</translation>
    </message>
    <message>
        <source>the %1 on or after %2</source>
        <translation>%1 w dniu %2 lub po nim</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>day and month</comment>
        <extracomment>A rule&apos;s date: %1 is the day, %2 the month, as in &quot;25 December&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, on a weekend the next Monday</source>
        <extracomment>%1 is a rule&apos;s date, as in &quot;25 December&quot;</extracomment>
        <translation>%1, w weekend: następny poniedziałek</translation>
    </message>
    <message>
        <source>%1, on a Saturday the Friday before, on a Sunday the Monday after</source>
        <translation>%1, w sobotę: poprzedni piątek, w niedzielę: następny poniedziałek</translation>
    </message>
    <message>
        <source>%1, on a Sunday the Saturday before</source>
        <translation>%1, w niedzielę: poprzednia sobota</translation>
    </message>
    <message>
        <source>%1, on a Sunday the next Monday</source>
        <translation>%1, w niedzielę: następny poniedziałek</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>Niedziela Wielkanocna</translation>
    </message>
    <message>
        <source>Easter Sunday %1 days</source>
        <extracomment>A rule&apos;s day counted from Easter: %1 is a signed number of days, as in &quot;+50&quot; or &quot;-2&quot;</extracomment>
        <translation>Niedziela Wielkanocna %1 dni</translation>
    </message>
    <message>
        <source>last %1 of %2</source>
        <extracomment>A rule&apos;s day: %1 is a weekday, %2 a month</extracomment>
        <translation>ostatni(-a) %1 %2</translation>
    </message>
    <message>
        <source>%1, in %2 only</source>
        <extracomment>%1 is a rule&apos;s day, %2 the one year it holds</extracomment>
        <translation>%1, tylko w roku %2</translation>
    </message>
    <message>
        <source>%1, every %2 years from %3</source>
        <extracomment>%1 is a rule&apos;s day, %2 every how many years, %3 the year it counts from</extracomment>
        <translation>%1, co %2 lat od %3</translation>
    </message>
    <message>
        <source>%1, from %2</source>
        <extracomment>%1 is a rule&apos;s day, %2 its first year</extracomment>
        <translation>%1, od %2</translation>
    </message>
    <message>
        <source>%1, until %2</source>
        <extracomment>%1 is a rule&apos;s day (perhaps with its first year), %2 its last year</extracomment>
        <translation>%1, do %2</translation>
    </message>
    <message>
        <source>none in %1</source>
        <extracomment>A year in which a rule gives no holiday</extracomment>
        <translation>brak w roku %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>day, month and year</comment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>%1 more</source>
        <comment>changes</comment>
        <extracomment>How many more one-off changes a rule has</extracomment>
        <translation>jeszcze %1</translation>
    </message>
    <message>
        <source>%1 (once: %2)</source>
        <extracomment>%1 is a rule&apos;s day, %2 its one-off changes, as in &quot;none in 2031, 8 May 2020&quot;</extracomment>
        <translation>%1 (jednorazowo: %2)</translation>
    </message>
    <message>
        <source>, </source>
        <comment>list of changes</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>rule name and day</comment>
        <extracomment>A rule in the list: %1 is its name, %2 its day</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>QtUserDialogs</name>
    <message>
        <source>Print</source>
        <extracomment>Title of the print preview window</extracomment>
        <translation>Drukowanie</translation>
    </message>
    <message>
        <source>KORVELTs attached</source>
        <extracomment>Name of the list of KORVELTs attached, for screen readers</extracomment>
        <translation>Podłączone urządzenia KORVELT</translation>
    </message>
</context>
<context>
    <name>ScheduleFiles</name>
    <message>
        <source>Data Files (*.dat);;All Files (*.*)</source>
        <extracomment>The file dialogs&apos; filter: keep &quot;(*.dat)&quot;, &quot;(*.*)&quot; and &quot;;;&quot; as they are</extracomment>
        <translation>Pliki danych (*.dat);;Wszystkie pliki (*.*)</translation>
    </message>
    <message>
        <source>Data has changed
Save now?</source>
        <extracomment>Asked before unsaved changes would be replaced; Yes saves them</extracomment>
        <translation>Dane zostały zmienione
Zapisać teraz?</translation>
    </message>
    <message>
        <source>File: Untitled (unsaved changes)</source>
        <extracomment>Status area: the schedule was never saved</extracomment>
        <translation>Plik: Bez nazwy (niezapisane zmiany)</translation>
    </message>
    <message>
        <source>File: Untitled</source>
        <translation>Plik: Bez nazwy</translation>
    </message>
    <message>
        <source>File: %1 (unsaved changes)</source>
        <extracomment>Status area; %1 is the data file&apos;s name</extracomment>
        <translation>Plik: %1 (niezapisane zmiany)</translation>
    </message>
    <message>
        <source>File: %1</source>
        <extracomment>Status area; %1 is the data file&apos;s name</extracomment>
        <translation>Plik: %1</translation>
    </message>
    <message>
        <source>KORVELT schedule</source>
        <extracomment>The name the PDF file is offered under when the schedule was never saved</extracomment>
        <translation>Harmonogram KORVELT</translation>
    </message>
</context>
<context>
    <name>ScheduleJson</name>
    <message>
        <source>an object is expected</source>
        <translation>oczekiwany jest obiekt</translation>
    </message>
    <message>
        <source>unknown key</source>
        <translation>nieznany klucz</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>one day too many; there are %1</source>
        <translation>o jeden dzień za dużo; jest ich %1</translation>
    </message>
    <message>
        <source>one slot too many; there are %1</source>
        <translation>o jeden przedział za dużo; jest ich %1</translation>
    </message>
    <message>
        <source>one output too many; there are %1</source>
        <translation>o jedno wyjście za dużo; jest ich %1</translation>
    </message>
    <message>
        <source>one date too many; there are %1</source>
        <translation>o jedną datę za dużo; jest ich %1</translation>
    </message>
    <message>
        <source>missing; there are %1 days</source>
        <translation>brak; dni jest %1</translation>
    </message>
    <message>
        <source>missing; there are %1 slots</source>
        <translation>brak; przedziałów jest %1</translation>
    </message>
    <message>
        <source>missing; there are %1 outputs</source>
        <translation>brak; wyjść jest %1</translation>
    </message>
    <message>
        <source>missing; there are %1 dates</source>
        <translation>brak; dat jest %1</translation>
    </message>
    <message>
        <source>an array is expected</source>
        <translation>oczekiwana jest tablica</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2 is expected</source>
        <translation>oczekiwana jest liczba całkowita od %1 do %2</translation>
    </message>
    <message>
        <source>16 hexadecimal digits are expected</source>
        <translation>oczekiwanych jest 16 cyfr szesnastkowych</translation>
    </message>
    <message>
        <source>a number or null is expected</source>
        <translation>oczekiwana jest liczba lub null</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time HH:MM:SS</source>
        <translation>„%1” nie jest godziną HH:MM:SS</translation>
    </message>
    <message>
        <source>a time &quot;HH:MM:SS&quot; is expected</source>
        <translation>oczekiwana jest godzina „HH:MM:SS”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date YYYY-MM-DD from %2 to %3</source>
        <translation>„%1” nie jest datą YYYY-MM-DD z lat %2–%3</translation>
    </message>
    <message>
        <source>a date &quot;YYYY-MM-DD&quot; is expected</source>
        <translation>oczekiwana jest data „YYYY-MM-DD”</translation>
    </message>
    <message>
        <source>one of %1 is expected</source>
        <translation>oczekiwana jest jedna z wartości: %1</translation>
    </message>
    <message>
        <source>an array of day names is expected</source>
        <translation>oczekiwana jest tablica nazw dni</translation>
    </message>
    <message>
        <source>a day name, Sunday to Saturday, once each, is expected</source>
        <translation>oczekiwana jest nazwa dnia od Sunday do Saturday, każda jeden raz</translation>
    </message>
    <message>
        <source>does not agree with days</source>
        <translation>nie zgadza się z days</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is expected</source>
        <translation>oczekiwane jest „%1”</translation>
    </message>
    <message>
        <source>a later version of this format</source>
        <translation>późniejsza wersja tego formatu</translation>
    </message>
    <message>
        <source>%1 is expected here</source>
        <translation>tutaj oczekiwane jest %1</translation>
    </message>
    <message>
        <source>not a byte of the data file that the loader leaves unread</source>
        <translation>to nie jest bajt pliku danych pomijany przy wczytywaniu</translation>
    </message>
    <message>
        <source>the version would be a later one</source>
        <translation>wersja byłaby późniejsza</translation>
    </message>
    <message>
        <source>neither a KORVELT data file nor a schedule in JSON</source>
        <translation>ani plik danych KORVELT, ani harmonogram w JSON</translation>
    </message>
    <message>
        <source>line %1: not JSON: %2</source>
        <translation>wiersz %1: to nie JSON: %2</translation>
    </message>
    <message>
        <source>%1: the key is given twice</source>
        <translation>%1: klucz występuje dwa razy</translation>
    </message>
    <message>
        <source>the top level</source>
        <translation>najwyższy poziom</translation>
    </message>
</context>
<context>
    <name>ScheduleReport</name>
    <message>
        <source>January</source>
        <translation>stycznia</translation>
    </message>
    <message>
        <source>February</source>
        <translation>lutego</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marca</translation>
    </message>
    <message>
        <source>April</source>
        <translation>kwietnia</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maja</translation>
    </message>
    <message>
        <source>June</source>
        <translation>czerwca</translation>
    </message>
    <message>
        <source>July</source>
        <translation>lipca</translation>
    </message>
    <message>
        <source>August</source>
        <translation>sierpnia</translation>
    </message>
    <message>
        <source>September</source>
        <translation>września</translation>
    </message>
    <message>
        <source>October</source>
        <translation>października</translation>
    </message>
    <message>
        <source>November</source>
        <translation>listopada</translation>
    </message>
    <message>
        <source>December</source>
        <translation>grudnia</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>poniedziałek</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>wtorek</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>środa</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>czwartek</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>piątek</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sobota</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>niedziela</translation>
    </message>
    <message>
        <source>Mon</source>
        <extracomment>The short weekday names heading the day columns of an output&apos;s table</extracomment>
        <translation>Pn</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Wt</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Śr</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Cz</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Pt</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Nd</translation>
    </message>
    <message>
        <source>the first Sunday of %1</source>
        <extracomment>When the clocks change; %1 is a month</extracomment>
        <translation>pierwszą niedzielę %1</translation>
    </message>
    <message>
        <source>the second Sunday of %1</source>
        <translation>drugą niedzielę %1</translation>
    </message>
    <message>
        <source>the third Sunday of %1</source>
        <translation>trzecią niedzielę %1</translation>
    </message>
    <message>
        <source>the fourth Sunday of %1</source>
        <translation>czwartą niedzielę %1</translation>
    </message>
    <message>
        <source>the last Sunday of %1</source>
        <translation>ostatnią niedzielę %1</translation>
    </message>
    <message>
        <source>a Sunday in %1 (no week chosen)</source>
        <extracomment>When the clocks change, with no week chosen; %1 is a month</extracomment>
        <translation>niedzielę %1 (nie wybrano tygodnia)</translation>
    </message>
    <message>
        <source>the first Sunday of a month (no month chosen)</source>
        <translation>pierwszą niedzielę miesiąca (nie wybrano miesiąca)</translation>
    </message>
    <message>
        <source>the second Sunday of a month (no month chosen)</source>
        <translation>drugą niedzielę miesiąca (nie wybrano miesiąca)</translation>
    </message>
    <message>
        <source>the third Sunday of a month (no month chosen)</source>
        <translation>trzecią niedzielę miesiąca (nie wybrano miesiąca)</translation>
    </message>
    <message>
        <source>the fourth Sunday of a month (no month chosen)</source>
        <translation>czwartą niedzielę miesiąca (nie wybrano miesiąca)</translation>
    </message>
    <message>
        <source>the last Sunday of a month (no month chosen)</source>
        <translation>ostatnią niedzielę miesiąca (nie wybrano miesiąca)</translation>
    </message>
    <message>
        <source>a day not chosen</source>
        <translation>nieokreślony dzień (nie wybrano tygodnia ani miesiąca)</translation>
    </message>
    <message>
        <source>Daylight saving off</source>
        <translation>Czas letni wyłączony</translation>
    </message>
    <message>
        <source>Clocks go forward on %1 and back on %2</source>
        <extracomment>The daylight-saving rule in words; %1 and %2 are days such as &quot;the last Sunday of March&quot;</extracomment>
        <translation>Zegar przestawiany do przodu w %1 i do tyłu w %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>range of outputs</comment>
        <extracomment>A range of output numbers, as in &quot;Outputs 1, 3 and 9 to 16&quot;</extracomment>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>list of outputs</comment>
        <extracomment>The list of output numbers: %1 all but the last, joined by commas, %2 the last, as in &quot;1, 3 and 9 to 16&quot;</extracomment>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>, </source>
        <comment>list of outputs</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Outputs %1</source>
        <extracomment>%1 is a list of output numbers, as in &quot;1, 3 and 9 to 16&quot;</extracomment>
        <translation>Wyjścia %1</translation>
    </message>
    <message>
        <source>Output %1</source>
        <comment>one output in a list</comment>
        <extracomment>%1 is one output&apos;s number</extracomment>
        <translation>Wyjście %1</translation>
    </message>
    <message>
        <source>not saved</source>
        <extracomment>In the page header, in place of the file name</extracomment>
        <translation>niezapisany</translation>
    </message>
    <message>
        <source>Printed: %1</source>
        <extracomment>In the page header: %1 is the date and time of printing</extracomment>
        <translation>Wydrukowano: %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Strona %1 z %2</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Plik: %1</translation>
    </message>
    <message>
        <source>KORVELT: %1, serial number %2</source>
        <extracomment>In the page header: %1 is the KORVELT&apos;s version, %2 its serial number</extracomment>
        <translation>KORVELT: %1, numer seryjny %2</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Podsumowanie</translation>
    </message>
    <message>
        <source>in the past</source>
        <translation>minęła</translation>
    </message>
    <message>
        <source>same as special date %1</source>
        <translation>taka sama jak data specjalna %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Dzień tygodnia</translation>
    </message>
    <message>
        <source>Special date</source>
        <extracomment>Column heading: the special date&apos;s number</extracomment>
        <translation>Data specjalna</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Uwaga</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(nie ustawiono)</translation>
    </message>
    <message>
        <source>, </source>
        <comment>list of notes</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Special dates</source>
        <translation>Daty specjalne</translation>
    </message>
    <message>
        <source>Schedule check</source>
        <translation>Kontrola harmonogramu</translation>
    </message>
    <message>
        <source>Mistake: %1</source>
        <extracomment>%1 is a finding of the schedule check</extracomment>
        <translation>Błąd: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Uwaga: %1</translation>
    </message>
    <message>
        <source>(empty)</source>
        <extracomment>An empty time cell</extracomment>
        <translation>(puste)</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Przedział</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>slot start time</comment>
        <translation>Początek</translation>
    </message>
    <message>
        <source>End</source>
        <comment>slot end time</comment>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Special slot</source>
        <translation>Przedział specjalny</translation>
    </message>
    <message>
        <source>Output %1</source>
        <comment>heading</comment>
        <extracomment>Heading of an output&apos;s tables</extracomment>
        <translation>Wyjście %1</translation>
    </message>
    <message>
        <source>Outputs with nothing set</source>
        <translation>Wyjścia bez ustawień</translation>
    </message>
    <message>
        <source>%1: nothing set</source>
        <extracomment>%1 names outputs, as in &quot;Outputs 1, 3 and 9 to 16&quot;</extracomment>
        <translation>%1: nic nie ustawiono</translation>
    </message>
    <message>
        <source>The week</source>
        <translation>Tydzień</translation>
    </message>
    <message>
        <source>KORVELT Time Control: %1</source>
        <extracomment>The PDF file&apos;s title: %1 is the schedule&apos;s file name</extracomment>
        <translation>KORVELT Time Control: %1</translation>
    </message>
</context>
<context>
    <name>SlotClipboard</name>
    <message numerus="yes">
        <source>The clipboard holds %1 slots; %n were pasted into the selected slots.</source>
        <extracomment>%1 is how many slots the clipboard holds (at least 3), %n how many were pasted (at least 2)</extracomment>
        <translation>
            <numerusform>Przedziałów w schowku: %1; %n wklejono do zaznaczonych przedziałów.</numerusform>
            <numerusform>Przedziałów w schowku: %1; %n wklejono do zaznaczonych przedziałów.</numerusform>
            <numerusform>Przedziałów w schowku: %1; %n wklejono do zaznaczonych przedziałów.</numerusform>
        </translation>
    </message>
    <message>
        <source>The clipboard holds %1 slots; 1 was pasted, as slot %2 is the last.</source>
        <extracomment>%1 is how many slots the clipboard holds (at least 2), %2 the number of the grid&apos;s last slot</extracomment>
        <translation>Przedziałów w schowku: %1; wklejono 1, bo przedział %2 jest ostatni.</translation>
    </message>
    <message numerus="yes">
        <source>The clipboard holds %1 slots; %n were pasted, as slot %2 is the last.</source>
        <extracomment>%1 is how many slots the clipboard holds (at least 3), %n how many were pasted, %2 the number of the grid&apos;s last slot</extracomment>
        <translation>
            <numerusform>Przedziałów w schowku: %1; wklejono %n, bo przedział %2 jest ostatni.</numerusform>
            <numerusform>Przedziałów w schowku: %1; wklejono %n, bo przedział %2 jest ostatni.</numerusform>
            <numerusform>Przedziałów w schowku: %1; wklejono %n, bo przedział %2 jest ostatni.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SlotGridPage</name>
    <message>
        <source>&quot;%1&quot; is not a time of day: the day&apos;s last second is 23:59:59. The Start cell of slot %2 keeps its value.</source>
        <extracomment>%1 is the text typed, %2 the slot&apos;s number; name the column as its heading does</extracomment>
        <translation>„%1” nie jest godziną doby: ostatnia sekunda doby to 23:59:59. Komórka Początek przedziału %2 zachowuje swoją wartość.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time of day: the day&apos;s last second is 23:59:59. The End cell of slot %2 keeps its value.</source>
        <extracomment>%1 is the text typed, %2 the slot&apos;s number; name the column as its heading does</extracomment>
        <translation>„%1” nie jest godziną doby: ostatnia sekunda doby to 23:59:59. Komórka Koniec przedziału %2 zachowuje swoją wartość.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time. The Start cell of slot %2 keeps its value.

Type a time such as 13:30, 13:30:00, 7:05, 7.05, 1330, 133000, 9:30 am or 9:30 PM.</source>
        <extracomment>%1 is the text typed, %2 the slot&apos;s number; name the column as its heading does</extracomment>
        <translation>„%1” nie jest godziną. Komórka Początek przedziału %2 zachowuje swoją wartość.

Wpisz godzinę, np. 13:30, 13:30:00, 7:05, 7.05, 1330, 133000, 9:30 am lub 9:30 PM.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time. The End cell of slot %2 keeps its value.

Type a time such as 13:30, 13:30:00, 7:05, 7.05, 1330, 133000, 9:30 am or 9:30 PM.</source>
        <translation>„%1” nie jest godziną. Komórka Koniec przedziału %2 zachowuje swoją wartość.

Wpisz godzinę, np. 13:30, 13:30:00, 7:05, 7.05, 1330, 133000, 9:30 am lub 9:30 PM.</translation>
    </message>
</context>
<context>
    <name>WeekPage</name>
    <message>
        <source>1 mistake</source>
        <extracomment>Count of the schedule check</extracomment>
        <translation>1 błąd</translation>
    </message>
    <message numerus="yes">
        <source>%n mistakes</source>
        <translation>
            <numerusform>%n błąd</numerusform>
            <numerusform>%n błędy</numerusform>
            <numerusform>%n błędów</numerusform>
        </translation>
    </message>
    <message>
        <source>1 note</source>
        <extracomment>Count of the schedule check</extracomment>
        <translation>1 uwaga</translation>
    </message>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n uwaga</numerusform>
            <numerusform>%n uwagi</numerusform>
            <numerusform>%n uwag</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WeekPicture</name>
    <message>
        <source>Output %1</source>
        <extracomment>The label of an output&apos;s row in the week picture; keep it short</extracomment>
        <translation>Wyjście %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>slot times</comment>
        <extracomment>A slot&apos;s times: %1 its start, %2 its end</extracomment>
        <translation>od %1 do %2</translation>
    </message>
    <message>
        <source>Special date %1: (not set)</source>
        <translation>Data specjalna %1: (nie ustawiono)</translation>
    </message>
    <message>
        <source>Special date %1: %2 %3</source>
        <extracomment>Heading of the week picture of a special date: %1 its number, %2 its weekday, %3 its date</extracomment>
        <translation>Data specjalna %1: %2 %3</translation>
    </message>
    <message>
        <source>%1 (ends before it starts)</source>
        <extracomment>%1 is a slot&apos;s times, as in &quot;22:00:00 to 06:00:00&quot;</extracomment>
        <translation>%1 (koniec przed początkiem)</translation>
    </message>
    <message>
        <source>off</source>
        <comment>day with nothing on</comment>
        <extracomment>An output&apos;s day with nothing on</extracomment>
        <translation>wyłączone</translation>
    </message>
    <message>
        <source> and </source>
        <extracomment>Joins the times of a day&apos;s slots, as in &quot;06:00:00 to 07:00:00 and 18:00:00 to 20:00:00&quot;</extracomment>
        <translation> i </translation>
    </message>
    <message>
        <source>off all week</source>
        <translation>wyłączone przez cały tydzień</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>range of days</comment>
        <extracomment>A range of days, as in &quot;Mon to Fri&quot;</extracomment>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>days and their times</comment>
        <extracomment>%1 is a day or range of days, %2 what that day does, as in &quot;Mon to Fri&quot; and &quot;07:30:00 to 20:00:00&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between days</comment>
        <translation>; </translation>
    </message>
    <message>
        <source>%1: %2
It ends before it starts: drawn up to midnight, as it is not known whether the KORVELT runs it on overnight.</source>
        <extracomment>Tooltip of a bar: %1 is the slot&apos;s place (&quot;Output 2, Normal Times slot 3&quot;), %2 its times</extracomment>
        <translation>%1: %2
Koniec wypada przed początkiem: pasek sięga do północy, ponieważ nie wiadomo, czy KORVELT kontynuuje ten przedział po północy.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>slot and its times</comment>
        <extracomment>Tooltip of a bar: %1 is the slot&apos;s place (&quot;Output 2, Normal Times slot 3&quot;), %2 its times</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>korvelt::CommandPanel</name>
    <message>
        <source>Not connected</source>
        <extracomment>Status area: no KORVELT has answered yet</extracomment>
        <translation>Nie połączono</translation>
    </message>
    <message>
        <source>Device log</source>
        <translation>Pole informacji</translation>
    </message>
    <message>
        <source>Clock date</source>
        <translation>Data zegara</translation>
    </message>
    <message>
        <source>Clock time</source>
        <translation>Godzina zegara</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Połączenie</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Schedule check</source>
        <translation>Kontrola harmonogramu</translation>
    </message>
    <message>
        <source>What the schedule check found; the Week page lists it.</source>
        <extracomment>Tooltip of the schedule check&apos;s count in the status area</extracomment>
        <translation>Wyniki kontroli harmonogramu; ich listę pokazuje karta Tydzień.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>&amp;Use PC Time</source>
        <extracomment>Check box: &quot;Set Time&quot; sends the computer&apos;s clock</extracomment>
        <translation>Użyj &amp;czasu PC</translation>
    </message>
    <message>
        <source>&amp;Verify after writing</source>
        <extracomment>Check box: a write is read back and compared</extracomment>
        <translation>W&amp;eryfikuj po wysłaniu</translation>
    </message>
    <message>
        <source>&amp;Compare with KORVELT</source>
        <extracomment>Button; keep it short</extracomment>
        <translation>Po&amp;równaj z KORVELT</translation>
    </message>
</context>
<context>
    <name>korvelt::CompareDialog</name>
    <message>
        <source>Compare with KORVELT</source>
        <translation>Porównaj z KORVELT</translation>
    </message>
    <message>
        <source>Identical</source>
        <extracomment>The KORVELT holds exactly the window&apos;s schedule</extracomment>
        <translation>Identyczne</translation>
    </message>
    <message>
        <source>The KORVELT differs from the window in 1 place:</source>
        <extracomment>Heading above the list of differences</extracomment>
        <translation>KORVELT różni się od okna w 1 miejscu:</translation>
    </message>
    <message numerus="yes">
        <source>The KORVELT differs from the window in %n places:</source>
        <translation>
            <numerusform>KORVELT różni się od okna w %n miejscu:</numerusform>
            <numerusform>KORVELT różni się od okna w %n miejscach:</numerusform>
            <numerusform>KORVELT różni się od okna w %n miejscach:</numerusform>
        </translation>
    </message>
    <message>
        <source>Take the KORVELT&apos;s schedule</source>
        <extracomment>Button: the window takes the schedule read from the KORVELT</extracomment>
        <translation>Przejmij harmonogram KORVELT</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Click a line to go to its place in the window</source>
        <translation>Kliknij wiersz, aby przejść do jego miejsca w oknie</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Różnice</translation>
    </message>
</context>
<context>
    <name>korvelt::CopyOutputsDialog</name>
    <message>
        <source>Copy Output</source>
        <translation>Kopiowanie wyjścia</translation>
    </message>
    <message>
        <source>Output %1</source>
        <comment>switched output number</comment>
        <extracomment>Check box of a switched output; %1 is its number</extracomment>
        <translation>Wyjście %1</translation>
    </message>
    <message>
        <source>The output copied</source>
        <translation>Kopiowane wyjście</translation>
    </message>
    <message>
        <source>All</source>
        <comment>outputs</comment>
        <extracomment>Button that ticks every output</extracomment>
        <translation>Wszystkie</translation>
    </message>
    <message>
        <source>None</source>
        <comment>outputs</comment>
        <extracomment>Button that clears every output</extracomment>
        <translation>Żadne</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>korvelt::DaylightSavingPage</name>
    <message>
        <source>Daylight Saving</source>
        <translation>Czas letni</translation>
    </message>
    <message>
        <source>&amp;Enable Daylight Saving</source>
        <extracomment>Check box; the letter after &quot;&amp;&quot; is pressed with Alt</extracomment>
        <translation>Włącz czas &amp;letni</translation>
    </message>
    <message>
        <source>Advance Clock</source>
        <extracomment>Group of the week in which the clock goes forward</extracomment>
        <translation>Przestaw do przodu</translation>
    </message>
    <message>
        <source>Retard Clock</source>
        <extracomment>Group of the week in which the clock goes back</extracomment>
        <translation>Przestaw do tyłu</translation>
    </message>
    <message>
        <source>Change Daylight Saving</source>
        <extracomment>Undo step</extracomment>
        <translation>zmiana ustawień czasu letniego</translation>
    </message>
    <message>
        <source>Advance clock</source>
        <extracomment>Accessible name of the group of the week in which the clock goes forward</extracomment>
        <translation>Przestaw do przodu</translation>
    </message>
    <message>
        <source>Retard clock</source>
        <extracomment>Accessible name of the group of the week in which the clock goes back</extracomment>
        <translation>Przestaw do tyłu</translation>
    </message>
    <message>
        <source>Advance clock month</source>
        <extracomment>Accessible name of the box of the month in which the clock goes forward</extracomment>
        <translation>Miesiąc przestawienia zegara do przodu</translation>
    </message>
    <message>
        <source>Retard clock month</source>
        <extracomment>Accessible name of the box of the month in which the clock goes back</extracomment>
        <translation>Miesiąc przestawienia zegara do tyłu</translation>
    </message>
</context>
<context>
    <name>korvelt::DevicePresenter</name>
    <message>
        <source>A write to the KORVELT is under way. If you stop it now, the KORVELT holds part of the old and part of the new schedule. Stop and close?</source>
        <translation>Trwa wysyłanie do KORVELT. Jeśli przerwiesz je teraz, KORVELT będzie zawierał część starego i część nowego harmonogramu. Przerwać i zamknąć?</translation>
    </message>
    <message>
        <source>Nothing was written: the KORVELT cannot hold these values.</source>
        <translation>Nic nie wysłano: KORVELT nie może przechować tych wartości.</translation>
    </message>
    <message>
        <source>Correct them and write again.</source>
        <translation>Popraw je i wyślij ponownie.</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <extracomment>Status: a command was stopped and nothing on the KORVELT changed</extracomment>
        <translation>Anulowano</translation>
    </message>
    <message>
        <source>Written, not verified (cancelled)</source>
        <extracomment>Status: checking what was written was stopped</extracomment>
        <translation>Wysłano, bez weryfikacji (anulowano)</translation>
    </message>
    <message>
        <source>Cancelled: the KORVELT holds part of the old and part of the new schedule. Write again.</source>
        <translation>Anulowano: KORVELT zawiera część starego i część nowego harmonogramu. Wyślij ponownie.</translation>
    </message>
    <message>
        <source>%1, serial %2</source>
        <extracomment>The KORVELT that answered: %1 is its firmware version, %2 its serial number</extracomment>
        <translation>%1, nr seryjny %2</translation>
    </message>
    <message>
        <source>Vuradod Version:%1</source>
        <extracomment>Device log: %1 is the KORVELT&apos;s firmware version; &quot;Vuradod&quot; is the maker&apos;s own word</extracomment>
        <translation>Wersja Vuradod:%1</translation>
    </message>
    <message>
        <source>Serial Number: %1</source>
        <extracomment>Device log: %1 is the KORVELT&apos;s serial number</extracomment>
        <translation>Numer seryjny: %1</translation>
    </message>
    <message>
        <source>Verified: the KORVELT holds this schedule</source>
        <extracomment>Status after a write that was read back</extracomment>
        <translation>Zweryfikowano: harmonogram w KORVELT</translation>
    </message>
    <message>
        <source>Written, not verified</source>
        <translation>Wysłano, bez weryfikacji</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <extracomment>Message after a write to the KORVELT</extracomment>
        <translation>Wysyłanie zakończone</translation>
    </message>
    <message>
        <source>Read from KORVELT</source>
        <extracomment>Status after a read</extracomment>
        <translation>Odczytano z KORVELT</translation>
    </message>
    <message>
        <source>Read Complete</source>
        <translation>Odczyt zakończony</translation>
    </message>
    <message>
        <source>Identical to the KORVELT</source>
        <extracomment>Status after a comparison</extracomment>
        <translation>Identyczny z KORVELT</translation>
    </message>
    <message>
        <source>1 difference from the KORVELT</source>
        <translation>1 różnica względem KORVELT</translation>
    </message>
    <message numerus="yes">
        <source>%n differences from the KORVELT</source>
        <translation>
            <numerusform>%n różnica względem KORVELT</numerusform>
            <numerusform>%n różnice względem KORVELT</numerusform>
            <numerusform>%n różnic względem KORVELT</numerusform>
        </translation>
    </message>
    <message>
        <source>The KORVELT&apos;s schedule was taken</source>
        <extracomment>Status: the window took the schedule read from the KORVELT</extracomment>
        <translation>Przejęto harmonogram KORVELT</translation>
    </message>
    <message>
        <source>KORVELT connected</source>
        <translation>Połączono z KORVELT</translation>
    </message>
    <message>
        <source>The KORVELT&apos;s clock holds no valid time</source>
        <translation>Zegar KORVELT bez prawidłowego czasu</translation>
    </message>
    <message>
        <source>PC %1: %2</source>
        <extracomment>Status after Read Time: %1 is the computer&apos;s time, %2 how far the KORVELT&apos;s clock is from it</extracomment>
        <translation>PC %1: %2</translation>
    </message>
    <message>
        <source>Cannot find KORVELT</source>
        <extracomment>%1 is the system&apos;s reason, %2 what to do about it</extracomment>
        <translation>Nie można znaleźć KORVELT</translation>
    </message>
    <message>
        <source>Cannot find KORVELT
A KORVELT was found but could not be opened (%1). %2</source>
        <translation>Nie można znaleźć KORVELT
Znaleziono KORVELT, ale nie można go otworzyć (%1). %2</translation>
    </message>
    <message>
        <source>No KORVELT found</source>
        <translation>Nie znaleziono KORVELT</translation>
    </message>
    <message>
        <source>Program Mode</source>
        <extracomment>The KORVELT is being set up at its own keys and takes no commands</extracomment>
        <translation>Tryb programowania</translation>
    </message>
    <message>
        <source>KORVELT is in Program Mode</source>
        <translation>KORVELT jest w trybie programowania</translation>
    </message>
    <message>
        <source>Not a KORVELT time controller</source>
        <translation>To nie jest programator czasowy KORVELT</translation>
    </message>
    <message>
        <source>Stopped: not a KORVELT time controller</source>
        <translation>Przerwano: to nie jest KORVELT</translation>
    </message>
    <message>
        <source>Application is not a KORVELT Time Control</source>
        <translation>Aplikacja urządzenia to nie KORVELT Time Control</translation>
    </message>
    <message>
        <source>Not verified</source>
        <translation>Weryfikacja nieudana</translation>
    </message>
    <message>
        <source>block %1 reads back as erased memory</source>
        <extracomment>%1 is the block&apos;s number</extracomment>
        <translation>blok %1 odczytuje się jako skasowana pamięć</translation>
    </message>
    <message>
        <source>block %1 reads back as values that are not times or dates</source>
        <extracomment>%1 is the block&apos;s number</extracomment>
        <translation>blok %1 odczytuje się jako wartości, które nie są godzinami ani datami</translation>
    </message>
    <message>
        <source>Read failed</source>
        <translation>Odczyt nieudany</translation>
    </message>
    <message>
        <source>KORVELT sent invalid schedule data.
Block %1</source>
        <extracomment>%1 is the block&apos;s number</extracomment>
        <translation>KORVELT przesłał nieprawidłowe dane harmonogramu.
Blok %1</translation>
    </message>
    <message>
        <source>KORVELT not answering</source>
        <translation>KORVELT nie odpowiada</translation>
    </message>
    <message>
        <source>Stopped: no answer</source>
        <translation>Przerwano: brak odpowiedzi</translation>
    </message>
    <message>
        <source>No KORVELT connected</source>
        <translation>Nie podłączono KORVELT</translation>
    </message>
    <message>
        <source>Stopped: unplugged</source>
        <translation>Przerwano: odłączono</translation>
    </message>
    <message>
        <source>The schedule has changed since it was written to the KORVELT</source>
        <extracomment>Status: the window&apos;s schedule was edited, loaded or undone after it was written</extracomment>
        <translation>Harmonogram zmienił się od wysłania do KORVELT</translation>
    </message>
    <message>
        <source>Stopped, no answer: the KORVELT holds part of the old and part of the new schedule. Write again.</source>
        <translation>Przerwano, brak odpowiedzi: KORVELT zawiera część starego i część nowego harmonogramu. Wyślij ponownie.</translation>
    </message>
    <message>
        <source>Stopped, unplugged: the KORVELT holds part of the old and part of the new schedule. Write again.</source>
        <translation>Przerwano, odłączono: KORVELT zawiera część starego i część nowego harmonogramu. Wyślij ponownie.</translation>
    </message>
</context>
<context>
    <name>korvelt::HelpMenu</name>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Instrukcja obsługi</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <source>System</source>
        <comment>the desktop&apos;s language</comment>
        <translation>Systemowy</translation>
    </message>
    <message>
        <source>The language changes when the program is started again.</source>
        <translation>Język zmieni się po ponownym uruchomieniu programu.</translation>
    </message>
</context>
<context>
    <name>korvelt::HelpWindow</name>
    <message>
        <source>Back</source>
        <extracomment>Button of the help window; keep it short</extracomment>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Strona główna</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Spis treści</translation>
    </message>
    <message>
        <source>Type in the keyword to find:</source>
        <translation>Wpisz słowo kluczowe do znalezienia:</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Indeks</translation>
    </message>
    <message>
        <source>KORVELT Time Control Help</source>
        <translation>Pomoc KORVELT Time Control</translation>
    </message>
</context>
<context>
    <name>korvelt::HolidaysDialog</name>
    <message>
        <source>Period</source>
        <translation>Okres</translation>
    </message>
    <message>
        <source>Calendar year</source>
        <translation>Rok kalendarzowy</translation>
    </message>
    <message>
        <source>The next 12 months from today</source>
        <translation>Najbliższe 12 miesięcy od dziś</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Reguły</translation>
    </message>
    <message>
        <source>Add Country</source>
        <translation>Dodaj kraj</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Load Rules…</source>
        <translation>Wczytaj reguły…</translation>
    </message>
    <message>
        <source>Save Rules…</source>
        <translation>Zapisz reguły…</translation>
    </message>
    <message>
        <source>Own rule:</source>
        <translation>Własna reguła:</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>Dodaj regułę</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Święta</translation>
    </message>
    <message>
        <source>With fewer than %1 holidays the other special dates</source>
        <translation>Przy mniej niż %1 świętach pozostałe daty specjalne</translation>
    </message>
    <message>
        <source>keep their dates</source>
        <translation>zachowują swoje daty</translation>
    </message>
    <message>
        <source>repeat the last holiday</source>
        <translation>powtarzają ostatnie święto</translation>
    </message>
    <message>
        <source>Fill Special Dates</source>
        <translation>Wypełnij daty specjalne</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Holidays</source>
        <comment>window title</comment>
        <translation>Święta</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>preset and its code</comment>
        <extracomment>A preset in the list: %1 is its country or region, %2 its short code</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Fixed date</source>
        <translation>Stała data</translation>
    </message>
    <message>
        <source>Days from Easter Sunday</source>
        <translation>Dni od Niedzieli Wielkanocnej</translation>
    </message>
    <message>
        <source>Weekday of a month</source>
        <translation>Dzień tygodnia w miesiącu</translation>
    </message>
    <message>
        <source>Last weekday of a month</source>
        <translation>Ostatni dzień tygodnia w miesiącu</translation>
    </message>
    <message>
        <source>Stays on a weekend</source>
        <translation>Pozostaje w weekend</translation>
    </message>
    <message>
        <source>On a weekend, the next Monday</source>
        <translation>W weekend: następny poniedziałek</translation>
    </message>
    <message>
        <source>Saturday to Friday, Sunday to Monday</source>
        <translation>Sobota na piątek, niedziela na poniedziałek</translation>
    </message>
    <message>
        <source>Sunday to the Saturday before</source>
        <translation>Niedziela na poprzednią sobotę</translation>
    </message>
    <message>
        <source>Sunday to the next Monday</source>
        <translation>Niedziela na następny poniedziałek</translation>
    </message>
    <message>
        <source>On that date</source>
        <translation>W dniu daty</translation>
    </message>
    <message>
        <source>The weekday before it</source>
        <translation>Dzień tygodnia przed datą</translation>
    </message>
    <message>
        <source>The weekday after it</source>
        <translation>Dzień tygodnia po dacie</translation>
    </message>
    <message>
        <source>The weekday on or before it</source>
        <translation>Dzień tygodnia w dniu daty lub przed</translation>
    </message>
    <message>
        <source>The weekday on or after it</source>
        <translation>Dzień tygodnia w dniu daty lub po</translation>
    </message>
    <message>
        <source>any year</source>
        <translation>dowolny rok</translation>
    </message>
    <message>
        <source>from </source>
        <extracomment>Prefix of the first-year box, before the year</extracomment>
        <translation>od </translation>
    </message>
    <message>
        <source>until </source>
        <extracomment>Prefix of the last-year box, before the year</extracomment>
        <translation>do </translation>
    </message>
    <message>
        <source>every </source>
        <extracomment>Prefix of the every-how-many-years box, before the number</extracomment>
        <translation>co </translation>
    </message>
    <message>
        <source> years</source>
        <extracomment>Suffix of the every-how-many-years box, after the number (2 or more)</extracomment>
        <translation> lat</translation>
    </message>
    <message>
        <source>every year</source>
        <translation>co roku</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>holiday name</comment>
        <extracomment>Placeholder of the own rule&apos;s name box</extracomment>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Column headings of the holidays: the date, its weekday, the holiday&apos;s name, the special date&apos;s number</extracomment>
        <translation>Data</translation>
    </message>
    <message>
        <source>Day</source>
        <comment>weekday column</comment>
        <translation>Dzień</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Święto</translation>
    </message>
    <message>
        <source>No.</source>
        <comment>special date number column</comment>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Rok</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Kraj</translation>
    </message>
    <message>
        <source>Rules</source>
        <comment>accessible name of the rule list</comment>
        <translation>Reguły</translation>
    </message>
    <message>
        <source>Remove rule</source>
        <translation>Usuń regułę</translation>
    </message>
    <message>
        <source>Load rules</source>
        <translation>Wczytaj reguły</translation>
    </message>
    <message>
        <source>Save rules</source>
        <translation>Zapisz reguły</translation>
    </message>
    <message>
        <source>Own rule&apos;s name</source>
        <translation>Nazwa własnej reguły</translation>
    </message>
    <message>
        <source>Own rule&apos;s kind</source>
        <translation>Rodzaj własnej reguły</translation>
    </message>
    <message>
        <source>Own rule&apos;s day</source>
        <translation>Dzień własnej reguły</translation>
    </message>
    <message>
        <source>Own rule&apos;s weekday</source>
        <translation>Dzień tygodnia własnej reguły</translation>
    </message>
    <message>
        <source>Own rule&apos;s month</source>
        <translation>Miesiąc własnej reguły</translation>
    </message>
    <message>
        <source>Own rule on a weekend</source>
        <translation>Własna reguła w weekend</translation>
    </message>
    <message>
        <source>Own rule on the date or a weekday before or after</source>
        <translation>Własna reguła w dniu daty albo w dniu tygodnia przed nią lub po niej</translation>
    </message>
    <message>
        <source>Weekday before or after</source>
        <translation>Dzień tygodnia przed datą lub po niej</translation>
    </message>
    <message>
        <source>Own rule&apos;s first year</source>
        <translation>Pierwszy rok własnej reguły</translation>
    </message>
    <message>
        <source>Own rule&apos;s last year</source>
        <translation>Ostatni rok własnej reguły</translation>
    </message>
    <message>
        <source>Own rule every how many years</source>
        <translation>Własna reguła: co ile lat</translation>
    </message>
    <message>
        <source>Holidays of the period</source>
        <translation>Święta w okresie</translation>
    </message>
    <message>
        <source>Other special dates keep their dates</source>
        <translation>Pozostałe daty specjalne zachowują swoje daty</translation>
    </message>
    <message>
        <source>Other special dates repeat the last holiday</source>
        <translation>Pozostałe daty specjalne powtarzają ostatnie święto</translation>
    </message>
    <message numerus="yes">
        <source>Added the %n rules of %1.</source>
        <extracomment>%n is how many rules (always several), %1 the country or region</extracomment>
        <translation>
            <numerusform>Dodano %n regułę z zestawu „%1”.</numerusform>
            <numerusform>Dodano %n reguły z zestawu „%1”.</numerusform>
            <numerusform>Dodano %n reguł z zestawu „%1”.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n rules of %1 are in the list already: none added again.</source>
        <extracomment>%n is how many rules (always several), %1 the country or region</extracomment>
        <translation>
            <numerusform>%n reguła z zestawu „%1” jest już na liście: nie dodano jej ponownie.</numerusform>
            <numerusform>%n reguły z zestawu „%1” są już na liście: nie dodano ich ponownie.</numerusform>
            <numerusform>%n reguł z zestawu „%1” jest już na liście: nie dodano ich ponownie.</numerusform>
        </translation>
    </message>
    <message>
        <source>Added 1 rule of %1; 1 is in the list already.</source>
        <extracomment>%1 is the country or region</extracomment>
        <translation>Dodano 1 regułę z zestawu „%1”; 1 jest już na liście.</translation>
    </message>
    <message numerus="yes">
        <source>Added 1 rule of %1; %n are in the list already.</source>
        <extracomment>%1 is the country or region, %n how many rules were in the list already</extracomment>
        <translation>
            <numerusform>Dodano 1 regułę z zestawu „%1”; %n jest już na liście.</numerusform>
            <numerusform>Dodano 1 regułę z zestawu „%1”; %n są już na liście.</numerusform>
            <numerusform>Dodano 1 regułę z zestawu „%1”; %n jest już na liście.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %n rules of %1; 1 is in the list already.</source>
        <extracomment>%n is how many rules were added, %1 the country or region</extracomment>
        <translation>
            <numerusform>Dodano %n regułę z zestawu „%1”; 1 jest już na liście.</numerusform>
            <numerusform>Dodano %n reguły z zestawu „%1”; 1 jest już na liście.</numerusform>
            <numerusform>Dodano %n reguł z zestawu „%1”; 1 jest już na liście.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %n rules of %1; %2 are in the list already.</source>
        <extracomment>%n is how many rules were added, %1 the country or region, %2 how many were in the list already</extracomment>
        <translation>
            <numerusform>Dodano %n regułę z zestawu „%1”; już na liście: %2.</numerusform>
            <numerusform>Dodano %n reguły z zestawu „%1”; już na liście: %2.</numerusform>
            <numerusform>Dodano %n reguł z zestawu „%1”; już na liście: %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>days </source>
        <extracomment>Prefix of the number box of a rule counted from Easter, before the number of days</extracomment>
        <translation>dni </translation>
    </message>
    <message>
        <source>no. </source>
        <comment>which weekday of the month</comment>
        <extracomment>Prefix of the number box of a rule&apos;s nth weekday, before the number</extracomment>
        <translation>nr </translation>
    </message>
    <message>
        <source>Which weekday of the month</source>
        <translation>Który dzień tygodnia w miesiącu</translation>
    </message>
    <message>
        <source>Give the rule a name.</source>
        <translation>Nadaj regule nazwę.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in the list already: not added again.</source>
        <extracomment>%1 is the rule in words</extracomment>
        <translation>„%1” jest już na liście: nie dodano ponownie.</translation>
    </message>
    <message>
        <source>Added &quot;%1&quot;.</source>
        <extracomment>%1 is the rule in words</extracomment>
        <translation>Dodano „%1”.</translation>
    </message>
    <message>
        <source>Removed 1 rule.</source>
        <translation>Usunięto 1 regułę.</translation>
    </message>
    <message numerus="yes">
        <source>Removed %n rules.</source>
        <translation>
            <numerusform>Usunięto %n regułę.</numerusform>
            <numerusform>Usunięto %n reguły.</numerusform>
            <numerusform>Usunięto %n reguł.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 was not loaded.
%2</source>
        <extracomment>%1 is the file&apos;s name, %2 why it was not loaded</extracomment>
        <translation>Nie wczytano pliku %1.
%2</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <comment>rule and its note</comment>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>left out</source>
        <comment>holiday</comment>
        <translation>pominięte</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>date and holiday</comment>
        <extracomment>A holiday left out: %1 is its date, %2 its name</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>, </source>
        <comment>list of holidays</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>No holidays in this period: the special dates stay as they are.</source>
        <translation>Brak świąt w tym okresie: daty specjalne pozostają bez zmian.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more, marked in the list</source>
        <extracomment>%1 names the first holidays left out; %n how many more were left out</extracomment>
        <translation>
            <numerusform>%1 i jeszcze %n święto, oznaczone na liście</numerusform>
            <numerusform>%1 i jeszcze %n święta, oznaczone na liście</numerusform>
            <numerusform>%1 i jeszcze %n świąt, oznaczonych na liście</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n holidays: the KORVELT holds %2, the first %2 are used. Left out: %1.</source>
        <extracomment>%n is how many holidays there are (more than %2), %1 those left out, %2 how many the KORVELT holds (16)</extracomment>
        <translation>
            <numerusform>%n święto: KORVELT przechowuje %2, używanych jest pierwszych %2. Pominięte: %1.</numerusform>
            <numerusform>%n święta: KORVELT przechowuje %2, używanych jest pierwszych %2. Pominięte: %1.</numerusform>
            <numerusform>%n świąt: KORVELT przechowuje %2, używanych jest pierwszych %2. Pominięte: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 holidays fill special dates 1 to 1.</source>
        <translation>1 święto wypełnia datę specjalną 1.</translation>
    </message>
    <message numerus="yes">
        <source>%n holidays fill special dates 1 to %n.</source>
        <extracomment>%n is how many holidays there are (2 to 16)</extracomment>
        <translation>
            <numerusform>%n święto wypełnia daty specjalne 1–%n.</numerusform>
            <numerusform>%n święta wypełniają daty specjalne 1–%n.</numerusform>
            <numerusform>%n świąt wypełnia daty specjalne 1–%n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Left out: %1</source>
        <extracomment>%1 lists the holidays left out</extracomment>
        <translation>Pominięte: %1</translation>
    </message>
    <message>
        <source>1 rule added replaces the same rule of %1.</source>
        <extracomment>%1 is the country whose rule a region&apos;s rule replaced, ticked or not as the region has it</extracomment>
        <translation>1 dodana reguła zastępuje tę samą regułę z listy %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n rules added replace the same rules of %1.</source>
        <translation>
            <numerusform>%n dodana reguła zastępuje tę samą regułę z listy %1.</numerusform>
            <numerusform>%n dodane reguły zastępują te same reguły z listy %1.</numerusform>
            <numerusform>%n dodanych reguł zastępuje te same reguły z listy %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 holiday fills special date 1; special dates %1 to %2 repeat it.</source>
        <extracomment>The special dates after the one holiday repeat it; %1 is the first of them, %2 the last</extracomment>
        <translation>1 święto wypełnia datę specjalną 1; daty specjalne %1–%2 je powtarzają.</translation>
    </message>
    <message numerus="yes">
        <source>%n holidays fill special dates 1 to %n; special date %1 repeats the last one.</source>
        <extracomment>%n is how many holidays there are (one fewer than the special dates); %1 is the last special date, which repeats the last holiday</extracomment>
        <translation>
            <numerusform>%n święto wypełnia daty specjalne 1–%n; data specjalna %1 powtarza ostatnie.</numerusform>
            <numerusform>%n święta wypełniają daty specjalne 1–%n; data specjalna %1 powtarza ostatnie.</numerusform>
            <numerusform>%n świąt wypełnia daty specjalne 1–%n; data specjalna %1 powtarza ostatnie.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n holidays fill special dates 1 to %n; special dates %1 to %2 repeat the last one.</source>
        <extracomment>%n is how many holidays there are (2 to 14); %1 and %2 are the first and the last special date that repeat the last holiday</extracomment>
        <translation>
            <numerusform>%n święto wypełnia daty specjalne 1–%n; daty specjalne %1–%2 powtarzają ostatnie.</numerusform>
            <numerusform>%n święta wypełniają daty specjalne 1–%n; daty specjalne %1–%2 powtarzają ostatnie.</numerusform>
            <numerusform>%n świąt wypełnia daty specjalne 1–%n; daty specjalne %1–%2 powtarzają ostatnie.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korvelt::MainActions</name>
    <message>
        <source>&amp;Load File…</source>
        <translation>&amp;Wczytaj plik…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Zapisz &amp;jako…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Opens the user guide</extracomment>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>&amp;Write To KORVELT</source>
        <translation>W&amp;yślij do KORVELT</translation>
    </message>
    <message>
        <source>&amp;Read From KORVELT</source>
        <translation>&amp;Odczytaj z KORVELT</translation>
    </message>
    <message>
        <source>&amp;Compare with KORVELT</source>
        <translation>Po&amp;równaj z KORVELT</translation>
    </message>
    <message>
        <source>Set &amp;Time</source>
        <extracomment>Sets the KORVELT&apos;s clock</extracomment>
        <translation>&amp;Ustaw czas</translation>
    </message>
    <message>
        <source>Read T&amp;ime</source>
        <extracomment>Reads the KORVELT&apos;s clock</extracomment>
        <translation>Odczy&amp;taj czas</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Stops the command running on the KORVELT</extracomment>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drukuj…</translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation>Eksportuj PD&amp;F…</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>%1 is the step to undo, for example &quot;Edit slot 3 of output 2&quot;</extracomment>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Cofnij: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>%1 is the step to redo, for example &quot;Edit slot 3 of output 2&quot;</extracomment>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Ponów: %1</translation>
    </message>
    <message>
        <source>&amp;Load File</source>
        <extracomment>Button of Load File…; keep it short</extracomment>
        <translation>&amp;Wczytaj plik</translation>
    </message>
    <message>
        <source>&amp;Save File</source>
        <extracomment>Button of Save; keep it short</extracomment>
        <translation>&amp;Zapisz plik</translation>
    </message>
</context>
<context>
    <name>korvelt::SchedulePages</name>
    <message>
        <source>Pages</source>
        <translation>Karty</translation>
    </message>
    <message>
        <source>Times</source>
        <extracomment>Tab of the weekly slots</extracomment>
        <translation>Czasy</translation>
    </message>
    <message>
        <source>Special Times</source>
        <extracomment>Tab of the slots of the special dates</extracomment>
        <translation>Czasy specjalne</translation>
    </message>
    <message>
        <source>Daylight Saving</source>
        <translation>Czas letni</translation>
    </message>
    <message>
        <source>Week</source>
        <extracomment>Tab of the picture of the week and the schedule check</extracomment>
        <translation>Tydzień</translation>
    </message>
</context>
<context>
    <name>korvelt::SlotGridPage</name>
    <message>
        <source>Output</source>
        <comment>switched output number</comment>
        <extracomment>Label of the box that chooses the output the grid shows</extracomment>
        <translation>Wyjście</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>slots</comment>
        <extracomment>Grid&apos;s menu: copies the selected slots</extracomment>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Paste</source>
        <comment>slots</comment>
        <extracomment>Grid&apos;s menu: pastes the slots copied</extracomment>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Copy output %1 to…</source>
        <extracomment>Grid&apos;s menu; %1 is the output&apos;s number</extracomment>
        <translation>Kopiuj wyjście %1 do…</translation>
    </message>
    <message>
        <source>Slot</source>
        <comment>slot number</comment>
        <extracomment>Heading of the column of slot numbers</extracomment>
        <translation>Przedział</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>slot start time</comment>
        <extracomment>Heading of the column of the times a slot switches on</extracomment>
        <translation>Początek</translation>
    </message>
    <message>
        <source>End</source>
        <comment>slot end time</comment>
        <extracomment>Heading of the column of the times a slot switches off</extracomment>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Edit slot %1 of output %2</source>
        <extracomment>Undo step; %1 is the slot&apos;s number, %2 the output&apos;s</extracomment>
        <translation>edycja przedziału %1 wyjścia %2</translation>
    </message>
    <message>
        <source>Edit special slot %1 of output %2</source>
        <translation>edycja przedziału specjalnego %1 wyjścia %2</translation>
    </message>
    <message>
        <source>Paste 1 slot into output %1</source>
        <extracomment>Undo step; %1 is the output&apos;s number</extracomment>
        <translation>wklejenie 1 przedziału do wyjścia %1</translation>
    </message>
    <message numerus="yes">
        <source>Paste %n slots into output %1</source>
        <extracomment>Undo step; %n is how many slots, %1 the output&apos;s number</extracomment>
        <translation>
            <numerusform>wklejenie %n przedziału do wyjścia %1</numerusform>
            <numerusform>wklejenie %n przedziałów do wyjścia %1</numerusform>
            <numerusform>wklejenie %n przedziałów do wyjścia %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Paste 1 special slot into output %1</source>
        <extracomment>Undo step; %1 is the output&apos;s number</extracomment>
        <translation>wklejenie 1 przedziału specjalnego do wyjścia %1</translation>
    </message>
    <message numerus="yes">
        <source>Paste %n special slots into output %1</source>
        <extracomment>Undo step; %n is how many slots, %1 the output&apos;s number</extracomment>
        <translation>
            <numerusform>wklejenie %n przedziału specjalnego do wyjścia %1</numerusform>
            <numerusform>wklejenie %n przedziałów specjalnych do wyjścia %1</numerusform>
            <numerusform>wklejenie %n przedziałów specjalnych do wyjścia %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Clear 1 slot of output %1</source>
        <extracomment>Undo step; %1 is the output&apos;s number</extracomment>
        <translation>wyczyszczenie 1 przedziału wyjścia %1</translation>
    </message>
    <message numerus="yes">
        <source>Clear %n slots of output %1</source>
        <extracomment>Undo step; %n is how many slots, %1 the output&apos;s number</extracomment>
        <translation>
            <numerusform>wyczyszczenie %n przedziału wyjścia %1</numerusform>
            <numerusform>wyczyszczenie %n przedziałów wyjścia %1</numerusform>
            <numerusform>wyczyszczenie %n przedziałów wyjścia %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Clear 1 special slot of output %1</source>
        <extracomment>Undo step; %1 is the output&apos;s number</extracomment>
        <translation>wyczyszczenie 1 przedziału specjalnego wyjścia %1</translation>
    </message>
    <message numerus="yes">
        <source>Clear %n special slots of output %1</source>
        <extracomment>Undo step; %n is how many slots, %1 the output&apos;s number</extracomment>
        <translation>
            <numerusform>wyczyszczenie %n przedziału specjalnego wyjścia %1</numerusform>
            <numerusform>wyczyszczenie %n przedziałów specjalnych wyjścia %1</numerusform>
            <numerusform>wyczyszczenie %n przedziałów specjalnych wyjścia %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy the normal times of output %1 to:</source>
        <extracomment>Copy Output dialog, above the outputs to tick; %1 is the output copied</extracomment>
        <translation>Kopiuj czasy zwykłe wyjścia %1 do:</translation>
    </message>
    <message>
        <source>Copy the special times of output %1 to:</source>
        <translation>Kopiuj czasy specjalne wyjścia %1 do:</translation>
    </message>
    <message>
        <source>Copy the normal times of output %1 to output %2</source>
        <extracomment>Undo step; %1 is the output copied, %2 the one copied to</extracomment>
        <translation>skopiowanie czasów zwykłych wyjścia %1 do wyjścia %2</translation>
    </message>
    <message numerus="yes">
        <source>Copy the normal times of output %1 to %n outputs</source>
        <extracomment>Undo step; %1 is the output copied, %n how many outputs it was copied to</extracomment>
        <translation>
            <numerusform>skopiowanie czasów zwykłych wyjścia %1 do %n wyjścia</numerusform>
            <numerusform>skopiowanie czasów zwykłych wyjścia %1 do %n wyjść</numerusform>
            <numerusform>skopiowanie czasów zwykłych wyjścia %1 do %n wyjść</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy the special times of output %1 to output %2</source>
        <extracomment>Undo step; %1 is the output copied, %2 the one copied to</extracomment>
        <translation>skopiowanie czasów specjalnych wyjścia %1 do wyjścia %2</translation>
    </message>
    <message numerus="yes">
        <source>Copy the special times of output %1 to %n outputs</source>
        <extracomment>Undo step; %1 is the output copied, %n how many outputs it was copied to</extracomment>
        <translation>
            <numerusform>skopiowanie czasów specjalnych wyjścia %1 do %n wyjścia</numerusform>
            <numerusform>skopiowanie czasów specjalnych wyjścia %1 do %n wyjść</numerusform>
            <numerusform>skopiowanie czasów specjalnych wyjścia %1 do %n wyjść</numerusform>
        </translation>
    </message>
    <message>
        <source>Normal times, output %1</source>
        <extracomment>Accessible name of the grid; %1 is the output&apos;s number</extracomment>
        <translation>Czasy zwykłe, wyjście %1</translation>
    </message>
    <message>
        <source>Special times, output %1</source>
        <translation>Czasy specjalne, wyjście %1</translation>
    </message>
</context>
<context>
    <name>korvelt::SpecialDateEdit</name>
    <message>
        <source>%1, past</source>
        <extracomment>Beside a special date in the past: %1 is its short weekday name</extracomment>
        <translation>%1, minęła</translation>
    </message>
    <message>
        <source>%1 (in the past)</source>
        <translation>%1 (minęła)</translation>
    </message>
    <message>
        <source>Special date %1: %2 is outside the years %3 to %4. It keeps %5.</source>
        <extracomment>%1 is the special date&apos;s number, %2 the text typed, %3 and %4 the first and last year, %5 the date it keeps</extracomment>
        <translation>Data specjalna %1: %2 wykracza poza lata %3–%4. Pozostaje %5.</translation>
    </message>
    <message>
        <source>Special date %1: %2 is not a date. It keeps %3.</source>
        <extracomment>%1 is the special date&apos;s number, %2 the text typed, %3 the date it keeps</extracomment>
        <translation>Data specjalna %1: %2 nie jest datą. Pozostaje %3.</translation>
    </message>
</context>
<context>
    <name>korvelt::SpecialDatesBox</name>
    <message>
        <source>Special Dates</source>
        <translation>Daty specjalne</translation>
    </message>
    <message>
        <source>Special date %1</source>
        <extracomment>%1 is the special date&apos;s number, 1 to 16</extracomment>
        <translation>Data specjalna %1</translation>
    </message>
    <message>
        <source>Holidays…</source>
        <extracomment>Button that opens the Holidays dialog; keep it short</extracomment>
        <translation>Święta…</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Święta</translation>
    </message>
    <message>
        <source>Fill the special dates with the holidays of a year</source>
        <translation>Wypełnij daty specjalne świętami danego roku</translation>
    </message>
    <message>
        <source>(not set)</source>
        <extracomment>A special date&apos;s picker that holds no date</extracomment>
        <translation>(nie ustawiono)</translation>
    </message>
    <message>
        <source>Change special date %1</source>
        <extracomment>Undo step; %1 is the special date&apos;s number, 1 to 16</extracomment>
        <translation>zmiana daty specjalnej %1</translation>
    </message>
    <message>
        <source>Fill Special Dates</source>
        <extracomment>Undo step</extracomment>
        <translation>wypełnienie dat specjalnych</translation>
    </message>
</context>
<context>
    <name>korvelt::SpecialTimesPage</name>
    <message>
        <source>Special Times</source>
        <extracomment>Title of the grid of the slots of the special dates</extracomment>
        <translation>Czasy specjalne</translation>
    </message>
    <message>
        <source>Special times output</source>
        <extracomment>The box that chooses the output the grid shows</extracomment>
        <translation>Wyjście czasów specjalnych</translation>
    </message>
</context>
<context>
    <name>korvelt::TMainForm</name>
    <message>
        <source>KORVELT Time Control Vesion: %1</source>
        <extracomment>The window&apos;s caption; &quot;Vesion&quot; is spelt so on purpose in English. %1 is the version</extracomment>
        <translation>KORVELT Time Control Wersja: %1</translation>
    </message>
    <message>
        <source>Edit</source>
        <extracomment>Undo step of an edit committed when a command starts</extracomment>
        <translation>edycja</translation>
    </message>
    <message>
        <source>Read From KORVELT</source>
        <extracomment>Undo step: the schedule was read from the KORVELT</extracomment>
        <translation>odczyt z KORVELT</translation>
    </message>
    <message>
        <source>Take the KORVELT&apos;s schedule</source>
        <extracomment>Undo step: the window took the schedule the comparison read</extracomment>
        <translation>przejęcie harmonogramu KORVELT</translation>
    </message>
    <message>
        <source>Replace the schedule</source>
        <translation>zastąpienie harmonogramu</translation>
    </message>
</context>
<context>
    <name>korvelt::TimeGrid</name>
    <message>
        <source>Columns</source>
        <comment>accessible name of the grid&apos;s column headings</comment>
        <translation>Kolumny</translation>
    </message>
    <message>
        <source>Slots</source>
        <comment>accessible name of the grid&apos;s slot numbers</comment>
        <translation>Przedziały</translation>
    </message>
    <message>
        <source>Slot</source>
        <comment>accessible name of the grid&apos;s corner</comment>
        <translation>Przedział</translation>
    </message>
</context>
<context>
    <name>korvelt::TimeGridDelegate</name>
    <message>
        <source>Time</source>
        <comment>accessible name of a time cell&apos;s editor</comment>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Day</source>
        <comment>accessible name of a day cell&apos;s editor</comment>
        <translation>Dzień</translation>
    </message>
</context>
<context>
    <name>korvelt::TimesPage</name>
    <message>
        <source>Set Days</source>
        <extracomment>Grid&apos;s menu: sets the days of the slot</extracomment>
        <translation>Ustaw dni</translation>
    </message>
    <message>
        <source>All</source>
        <comment>days</comment>
        <extracomment>Set Days: every day on</extracomment>
        <translation>Wszystkie</translation>
    </message>
    <message>
        <source>None</source>
        <comment>days</comment>
        <extracomment>Set Days: every day off</extracomment>
        <translation>Żadne</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <extracomment>Set Days: Monday to Friday on</extracomment>
        <translation>Dni robocze</translation>
    </message>
    <message>
        <source>Weekends</source>
        <extracomment>Set Days: Saturday and Sunday on</extracomment>
        <translation>Weekendy</translation>
    </message>
    <message>
        <source>Normal Times</source>
        <extracomment>Title of the grid of the weekly slots</extracomment>
        <translation>Czasy zwykłe</translation>
    </message>
    <message>
        <source>Normal times output</source>
        <extracomment>The box that chooses the output the grid shows</extracomment>
        <translation>Wyjście czasów zwykłych</translation>
    </message>
    <message>
        <source>Set Days of slot %1 of output %2</source>
        <extracomment>Undo step; %1 is the slot&apos;s number, %2 the output&apos;s</extracomment>
        <translation>ustawienie dni przedziału %1 wyjścia %2</translation>
    </message>
</context>
<context>
    <name>korvelt::WeekPage</name>
    <message>
        <source>Normal week</source>
        <extracomment>Picks the picture of the week of the normal times</extracomment>
        <translation>Zwykły tydzień</translation>
    </message>
    <message>
        <source>Special date %1</source>
        <extracomment>Picks the picture of a special date; %1 is its number, 1 to 16</extracomment>
        <translation>Data specjalna %1</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drukuj…</translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation>Eksportuj PD&amp;F…</translation>
    </message>
    <message>
        <source>A report of the whole schedule, in a preview to print from (Ctrl+P)</source>
        <translation>Raport całego harmonogramu w podglądzie, z którego można go wydrukować (Ctrl+P)</translation>
    </message>
    <message>
        <source>The same report saved as a PDF file</source>
        <translation>Ten sam raport zapisany jako plik PDF</translation>
    </message>
    <message>
        <source>Week or special date</source>
        <translation>Tydzień lub data specjalna</translation>
    </message>
    <message>
        <source>Schedule check</source>
        <translation>Kontrola harmonogramu</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Eksportuj PDF</translation>
    </message>
    <message>
        <source>Special date %1 (%2)</source>
        <translation>Data specjalna %1 (%2)</translation>
    </message>
    <message>
        <source>Mistake: %1</source>
        <extracomment>A finding of the schedule check that is likely wrong; %1 is the finding</extracomment>
        <translation>Błąd: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Uwaga: %1</translation>
    </message>
    <message>
        <source>The schedule check found nothing.</source>
        <translation>Kontrola harmonogramu niczego nie wykazała.</translation>
    </message>
    <message>
        <source>No mistakes</source>
        <extracomment>Count of the schedule check in the status area</extracomment>
        <translation>Brak błędów</translation>
    </message>
    <message>
        <source>No mistakes, %1</source>
        <extracomment>Count of the schedule check in the status area; %1 is the count of notes (&quot;2 notes&quot;)</extracomment>
        <translation>Brak błędów, %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>mistakes, notes</comment>
        <extracomment>Count of the schedule check in the status area: %1 the mistakes (&quot;2 mistakes&quot;), %2 the notes (&quot;1 note&quot;)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>The schedule has 1 possible mistake (first: %1). Write anyway?</source>
        <extracomment>Question before a write; %1 is the first mistake found</extracomment>
        <translation>Harmonogram zawiera 1 możliwy błąd (%1). Wysłać mimo to?</translation>
    </message>
    <message numerus="yes">
        <source>The schedule has %n possible mistakes (first: %1). Write anyway?</source>
        <extracomment>Question before a write; %n is how many mistakes, %1 the first of them</extracomment>
        <translation>
            <numerusform>Harmonogram zawiera %n możliwy błąd (pierwszy: %1). Wysłać mimo to?</numerusform>
            <numerusform>Harmonogram zawiera %n możliwe błędy (pierwszy: %1). Wysłać mimo to?</numerusform>
            <numerusform>Harmonogram zawiera %n możliwych błędów (pierwszy: %1). Wysłać mimo to?</numerusform>
        </translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Pliki PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Report saved as %1</source>
        <extracomment>Status; %1 is the PDF file&apos;s name</extracomment>
        <translation>Raport zapisano jako %1</translation>
    </message>
    <message>
        <source>The report could not be saved as &quot;%1&quot;.</source>
        <extracomment>%1 is the PDF file&apos;s path</extracomment>
        <translation>Nie można zapisać raportu jako „%1”.</translation>
    </message>
</context>
<context>
    <name>korvelt::WeekView</name>
    <message>
        <source>Week</source>
        <extracomment>The picture of the week</extracomment>
        <translation>Tydzień</translation>
    </message>
    <message>
        <source>The times each output is on, one row for each output.</source>
        <translation>Godziny załączenia każdego wyjścia, jeden wiersz na każde wyjście.</translation>
    </message>
    <message>
        <source>Output %1</source>
        <comment>switched output number</comment>
        <extracomment>A row of the week&apos;s picture; %1 is the output&apos;s number</extracomment>
        <translation>Wyjście %1</translation>
    </message>
</context>
<context>
    <name>korveltctl</name>
    <message>
        <source>Usage: korveltctl [--demo [N]] COMMAND [ARGUMENTS]
Programs KORVELT time controllers from scripts.

Commands:
</source>
        <translation>Użycie: korveltctl [--demo [N]] COMMAND [ARGUMENTS]
Programuje programatory czasowe KORVELT ze skryptów.

Polecenia:
</translation>
    </message>
    <message>
        <source>
Options: --demo [N] uses N simulated KORVELTs (1 unless N), serial numbers 1 to N;
-h or --help and --version, also after a command; -- ends the options.
FILE - is standard input. With several KORVELTs a summary line ends the run,
&quot;5 of 8 written and verified; 3 failed&quot;; --quiet prints only errors (and
the differences verify finds). --dry-run (write, clock set, holidays -o) says what
would be done to which KORVELT or file, asking the KORVELTs only who they are.
--json prints one JSON document of the result (docs/korveltctl-json.md).
Exit status: 0 done, 1 a check or verify found a difference, 2 usage error,
3 no KORVELT, one in program mode or not a KORVELT, 4 file error,
5 the KORVELT stopped answering or was unplugged, 6 another program is
talking to the KORVELT (busy), 130 interrupted (Ctrl+C),
143 terminated (SIGTERM, SIGHUP).
See korveltctl(1).
</source>
        <translation>
Opcje: --demo [N] używa N symulowanych KORVELT (bez N: 1), numery seryjne od 1 do N;
-h lub --help oraz --version, także po poleceniu; -- kończy opcje.
FILE - to standardowe wejście. Przy kilku KORVELT przebieg kończy wiersz
podsumowania, „wysłano i zweryfikowano: 5 z 8; nieudane: 3”; --quiet wypisuje tylko
błędy (i różnice znalezione przez verify). --dry-run (write, clock set,
holidays -o) mówi, co zostałoby zrobione z którym KORVELT lub plikiem, pytając
urządzenia KORVELT tylko o to, czym są.
--json wypisuje jeden dokument JSON z wynikiem (docs/korveltctl-json.md).
Kod wyjścia: 0 wykonano, 1 check lub verify znalazł różnicę, 2 błąd wywołania,
3 brak KORVELT, KORVELT w trybie programowania lub to nie KORVELT, 4 błąd pliku,
5 KORVELT przestał odpowiadać lub został odłączony, 6 inny program
komunikuje się z KORVELT (zajęty), 130 przerwano (Ctrl+C),
143 zakończono (SIGTERM, SIGHUP).
Zobacz korveltctl(1).
</translation>
    </message>
    <message>
        <source>Usage: korveltctl %1</source>
        <extracomment>%1 is the command&apos;s synopsis and what it does</extracomment>
        <translation>Użycie: korveltctl %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opcje:</translation>
    </message>
    <message>
        <source>  Checks the schedule in FILE and prints what it finds; exit status 1
  when it finds a likely mistake.</source>
        <translation>  Sprawdza harmonogram w FILE i wypisuje, co znalazła kontrola; kod
  wyjścia 1, gdy znajdzie możliwy błąd.</translation>
    </message>
    <message>
        <source>  Reads the KORVELT&apos;s clock, or sets it to this computer&apos;s time (--pc,
  the default) or to the time given.</source>
        <translation>  Odczytuje zegar KORVELT albo ustawia go na czas tego komputera
  (--pc, domyślnie) lub na podany czas.</translation>
    </message>
    <message>
        <source>clock set: this computer&apos;s time (the default)</source>
        <translation>clock set: czas tego komputera (domyślnie)</translation>
    </message>
    <message>
        <source>clock set: the time given</source>
        <translation>clock set: podany czas</translation>
    </message>
    <message>
        <source>clock read or clock set</source>
        <translation>clock read lub clock set</translation>
    </message>
    <message>
        <source>--pc, --at and --dry-run are for clock set</source>
        <translation>--pc, --at i --dry-run dotyczą clock set</translation>
    </message>
    <message>
        <source>%1 of %2 clocks read</source>
        <translation>odczytano zegary: %1 z %2</translation>
    </message>
    <message>
        <source>--pc or --at, not both</source>
        <translation>--pc lub --at, nie oba naraz</translation>
    </message>
    <message>
        <source>--at &quot;YYYY-MM-DD HH:MM:SS&quot;, in the years %1 to %2</source>
        <translation>--at „YYYY-MM-DD HH:MM:SS”, w latach %1–%2</translation>
    </message>
    <message>
        <source>would set the clock to %1</source>
        <translation>ustawiłby zegar na %1</translation>
    </message>
    <message>
        <source>%1 of %2 clocks would be set</source>
        <translation>zostałyby ustawione zegary: %1 z %2</translation>
    </message>
    <message>
        <source>%1 of %2 clocks set</source>
        <translation>ustawiono zegary: %1 z %2</translation>
    </message>
    <message>
        <source>the KORVELT with that serial number or at that path; again for more</source>
        <translation>KORVELT o tym numerze seryjnym lub pod tą ścieżką; powtórz dla kolejnych</translation>
    </message>
    <message>
        <source>every KORVELT attached, at once</source>
        <translation>każdy podłączony KORVELT, wszystkie naraz</translation>
    </message>
    <message>
        <source>one JSON document of the result on standard output</source>
        <translation>jeden dokument JSON z wynikiem na standardowym wyjściu</translation>
    </message>
    <message>
        <source>prints only errors</source>
        <translation>wypisuje tylko błędy</translation>
    </message>
    <message>
        <source>says what would be done, and does nothing</source>
        <translation>mówi, co zostałoby zrobione, i nic nie robi</translation>
    </message>
    <message>
        <source>  Writes the schedule of a data file as JSON (the default) or CSV, to
  OUT or to standard output.</source>
        <translation>  Zapisuje harmonogram z pliku danych jako JSON (domyślnie) lub CSV,
  do OUT albo na standardowe wyjście.</translation>
    </message>
    <message>
        <source>JSON (the default) or CSV</source>
        <translation>JSON (domyślnie) lub CSV</translation>
    </message>
    <message>
        <source>the file made (- or none: standard output)</source>
        <translation>tworzony plik (- lub brak: standardowe wyjście)</translation>
    </message>
    <message>
        <source>--format is json or csv</source>
        <translation>--format to json lub csv</translation>
    </message>
    <message>
        <source>  Prints the usage of COMMAND and the options it takes, or the tool&apos;s usage.</source>
        <translation>  Wypisuje użycie COMMAND i jego opcje albo użycie całego narzędzia.</translation>
    </message>
    <message>
        <source>help takes one command</source>
        <translation>help przyjmuje jedno polecenie</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>nieznane polecenie %1</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last of a list of choices: %1 is the others, joined by commas</extracomment>
        <translation>%1 lub %2</translation>
    </message>
    <message>
        <source>the public holidays of a country or region</source>
        <translation>święta państwowe kraju lub regionu</translation>
    </message>
    <message>
        <source>adds the rules of a file the Holidays dialog saved</source>
        <translation>dodaje reguły z pliku zapisanego w oknie Święta</translation>
    </message>
    <message>
        <source>the year (this year unless given)</source>
        <translation>rok (bez podania bieżący)</translation>
    </message>
    <message>
        <source>-o: the schedule whose special dates are filled</source>
        <translation>-o: harmonogram, którego daty specjalne są wypełniane</translation>
    </message>
    <message>
        <source>writes the schedule with the holidays as its special dates (- : standard output)</source>
        <translation>zapisuje harmonogram ze świętami jako datami specjalnymi (- : standardowe wyjście)</translation>
    </message>
    <message>
        <source>the list&apos;s form</source>
        <translation>postać listy</translation>
    </message>
    <message>
        <source>--preset CODE or --rules FILE is needed</source>
        <translation>potrzebne jest --preset CODE lub --rules FILE</translation>
    </message>
    <message>
        <source>--preset is %1</source>
        <translation>--preset to %1</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1: nie można odczytać: %2</translation>
    </message>
    <message>
        <source>--json or --format %1, not both</source>
        <translation>--json lub --format %1, nie oba naraz</translation>
    </message>
    <message>
        <source>--format is text, csv or json</source>
        <translation>--format to text, csv lub json</translation>
    </message>
    <message>
        <source>--format and --json are for the list of holidays, not for -o</source>
        <translation>--format i --json dotyczą listy świąt, nie -o</translation>
    </message>
    <message>
        <source>--year is a year from %1 to %2</source>
        <translation>--year to rok od %1 do %2</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2</source>
        <translation>%1: nie można zapisać: %2</translation>
    </message>
    <message>
        <source>%1: special dates 1 to %2 would hold the holidays of %3 (nothing written)</source>
        <translation>%1: daty specjalne 1–%2 zawierałyby święta: %3 (nic nie zapisano)</translation>
    </message>
    <message>
        <source>%1: special dates 1 to %2 hold the holidays of %3</source>
        <translation>%1: daty specjalne 1–%2 zawierają święta: %3</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>standardowe wyjście</translation>
    </message>
    <message>
        <source>left out: %1</source>
        <extracomment>%1 is a holiday that found no special date: &quot;2027-12-26 Sun St Stephen&apos;s Day&quot;</extracomment>
        <translation>pominięto: %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>nieoczekiwany argument %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The preset and the rule file the holidays come from</extracomment>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The holidays&apos; source and year: &quot;Germany 2027&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>--from, --repeat-last and --dry-run go with -o</source>
        <translation>--from, --repeat-last i --dry-run idą z -o</translation>
    </message>
    <message>
        <source>  Makes a data file of a schedule in JSON (-o - : standard output).</source>
        <translation>  Tworzy plik danych z harmonogramu w JSON (-o - : standardowe wyjście).</translation>
    </message>
    <message>
        <source>the data file made (- : standard output)</source>
        <translation>tworzony plik danych (- : standardowe wyjście)</translation>
    </message>
    <message>
        <source>-o OUT.dat is needed</source>
        <translation>potrzebne jest -o OUT.dat</translation>
    </message>
    <message>
        <source>import makes a data file, not %1; export makes JSON</source>
        <translation>import tworzy plik danych, nie %1; JSON tworzy export</translation>
    </message>
    <message>
        <source>  Lists every KORVELT attached: path, serial number, version text,
  and &quot;program mode&quot; where it is in program mode.</source>
        <translation>  Wypisuje każdy podłączony KORVELT: ścieżkę, numer seryjny, tekst wersji
  oraz „tryb programowania”, gdy jest w trybie programowania.</translation>
    </message>
    <message>
        <source>no KORVELT is attached</source>
        <translation>nie podłączono żadnego KORVELT</translation>
    </message>
    <message>
        <source>ready</source>
        <extracomment>A KORVELT that answered who it is, in the list of those attached</extracomment>
        <translation>gotowy</translation>
    </message>
    <message>
        <source>  Reads the KORVELT&apos;s schedule into OUT: JSON when OUT ends in .json
  or with --format json, else a data file (- : standard output).
  Several KORVELTs are read into the folder DIR, one file each named
  by its serial number: 1042.dat, or 1042.json with --format json.</source>
        <translation>  Odczytuje harmonogram KORVELT do OUT: JSON, gdy OUT kończy się na .json
  lub z --format json, w przeciwnym razie plik danych (- : standardowe
  wyjście). Kilka KORVELT odczytuje się do folderu DIR, każdy do pliku
  nazwanego numerem seryjnym: 1042.dat lub 1042.json z --format json.</translation>
    </message>
    <message>
        <source>the file&apos;s form (by default, told by OUT&apos;s ending)</source>
        <translation>postać pliku (domyślnie według rozszerzenia OUT)</translation>
    </message>
    <message>
        <source>%1 of %2 read</source>
        <translation>odczytano: %1 z %2</translation>
    </message>
    <message>
        <source>several KORVELTs are read into a folder, not into -</source>
        <translation>kilka KORVELT odczytuje się do folderu, nie do -</translation>
    </message>
    <message>
        <source>not saved: another KORVELT read has serial number %1 too; read each by its path</source>
        <translation>nie zapisano: inny odczytany KORVELT też ma numer seryjny %1; odczytaj każdy według ścieżki</translation>
    </message>
    <message>
        <source>not saved: the KORVELT did not say its serial number</source>
        <translation>nie zapisano: KORVELT nie podał numeru seryjnego</translation>
    </message>
    <message>
        <source>read into %1</source>
        <translation>odczytano do %1</translation>
    </message>
    <message>
        <source>--format is dat or json</source>
        <translation>--format to dat lub json</translation>
    </message>
    <message>
        <source>--json prints to standard output: read into a file</source>
        <translation>--json pisze na standardowe wyjście: odczytaj do pliku</translation>
    </message>
    <message>
        <source>  Makes the printable report of the schedule in FILE as a PDF (FILE
  with .pdf for .dat unless -o; -o - : standard output).</source>
        <translation>  Tworzy raport do druku z harmonogramu w FILE jako PDF (bez -o: FILE
  z .pdf zamiast .dat; -o - : standardowe wyjście).</translation>
    </message>
    <message>
        <source>the PDF (FILE with .pdf for .dat unless given; - : standard output)</source>
        <translation>plik PDF (domyślnie FILE z .pdf zamiast .dat; - : standardowe wyjście)</translation>
    </message>
    <message>
        <source>-o OUT.pdf is needed when FILE is -</source>
        <translation>gdy FILE to -, potrzebne jest -o OUT.pdf</translation>
    </message>
    <message>
        <source>%1: the report could not be made</source>
        <translation>%1: nie udało się utworzyć raportu</translation>
    </message>
    <message>
        <source>  Reads each KORVELT and compares it with the schedule in FILE as the
  KORVELT holds it; exit status 1 when any differs, the differences
  on standard output. Nothing is written.</source>
        <translation>  Odczytuje każdy KORVELT i porównuje go z harmonogramem w FILE w takiej
  postaci, jaką przechowuje KORVELT; kod wyjścia 1, gdy któryś się różni,
  różnice na standardowym wyjściu. Nic nie jest wysyłane.</translation>
    </message>
    <message>
        <source>holds %1</source>
        <translation>zawiera %1</translation>
    </message>
    <message>
        <source>differs from %1 in 1 place</source>
        <translation>różni się od %1 w 1 miejscu</translation>
    </message>
    <message numerus="yes">
        <source>differs from %1 in %n places</source>
        <translation>
            <numerusform>różni się od %1 w %n miejscu</numerusform>
            <numerusform>różni się od %1 w %n miejscach</numerusform>
            <numerusform>różni się od %1 w %n miejscach</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 hold %3</source>
        <extracomment>The summary of several KORVELTs: %1 of %2 KORVELTs hold the file %3</extracomment>
        <translation>%3 zawiera: %1 z %2</translation>
    </message>
    <message>
        <source>; the clock was not set: %1</source>
        <extracomment>After &quot;written and verified&quot;: %1 is why the clock was not set</extracomment>
        <translation>; zegar nie został ustawiony: %1</translation>
    </message>
    <message>
        <source>; clock set to %1</source>
        <extracomment>After &quot;written and verified&quot;: %1 is the time the clock was set to</extracomment>
        <translation>; zegar ustawiony na %1</translation>
    </message>
    <message>
        <source>waiting for KORVELTs to write %1 to (Ctrl+C ends)</source>
        <translation>oczekiwanie na KORVELT, do których zostanie wysłany %1 (Ctrl+C kończy)</translation>
    </message>
    <message>
        <source>%1 programmed; %2 failed</source>
        <extracomment>The line&apos;s summary: KORVELTs programmed, and those that failed</extracomment>
        <translation>zaprogramowano: %1; nieudane: %2</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>to nie plik</translation>
    </message>
    <message>
        <source>ending after this KORVELT (Ctrl+C again stops it at once)</source>
        <translation>koniec po tym KORVELT (ponowne Ctrl+C przerywa od razu)</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2; no more KORVELTs are taken</source>
        <translation>%1: nie można zapisać: %2; kolejne KORVELT nie będą przyjmowane</translation>
    </message>
    <message>
        <source>%1 is a whole number from %2</source>
        <translation>%1 to liczba całkowita od %2</translation>
    </message>
    <message>
        <source>--watch writes each KORVELT plugged in: no --all, --device or --dry-run</source>
        <translation>--watch wysyła do każdego podłączonego KORVELT: bez --all, --device i --dry-run</translation>
    </message>
    <message>
        <source>  Writes the schedule in FILE (a data file or JSON, told by content)
  and reads it back to verify, unless --no-verify. --all writes every
  KORVELT attached at once, one line each. A schedule with values the
  KORVELT cannot hold is refused; one with likely mistakes too,
  unless --force.</source>
        <translation>  Wysyła harmonogram z FILE (plik danych lub JSON, rozpoznany po
  treści) i odczytuje go do weryfikacji, chyba że podano --no-verify.
  --all wysyła do wszystkich podłączonych KORVELT naraz, po wierszu na
  każdy. Harmonogram z wartościami, których KORVELT nie może przyjąć,
  jest odrzucany; z możliwymi błędami także, chyba że podano --force.</translation>
    </message>
    <message>
        <source>  Waits for KORVELTs to be plugged in and writes each as it arrives
  (and sets its clock to this computer&apos;s time with --set-clock), one
  line each; a KORVELT is written again only once it was unplugged.
  --log appends a CSV line per KORVELT: time, serial number, version,
  the SHA-256 of FILE, result, path, message, korveltctl&apos;s version.
  --count N ends it after N KORVELTs, --retry N tries a failed one
  again, --json prints one JSON object a line. Ctrl+C ends it after the
  KORVELT in hand (a second Ctrl+C at once): &quot;3 programmed; 1 failed&quot;.</source>
        <translation>  Czeka na podłączenie urządzeń KORVELT i wysyła do każdego zaraz po
  podłączeniu (a z --set-clock ustawia jego zegar na czas tego
  komputera), po wierszu na każdy; do KORVELT wysyła się ponownie
  dopiero po jego odłączeniu. --log dopisuje wiersz CSV na każdy
  KORVELT: czas, numer seryjny, wersja, SHA-256 pliku FILE, wynik,
  ścieżka, komunikat, wersja korveltctl. --count N kończy po N
  urządzeniach, --retry N ponawia nieudany, --json wypisuje jeden obiekt
  JSON na wiersz. Ctrl+C kończy po bieżącym KORVELT (drugie Ctrl+C od
  razu): „zaprogramowano: 3; nieudane: 1”.</translation>
    </message>
    <message>
        <source>writes without reading it back</source>
        <translation>wysyła bez odczytu kontrolnego</translation>
    </message>
    <message>
        <source>writes a schedule with likely mistakes too</source>
        <translation>wysyła także harmonogram z możliwymi błędami</translation>
    </message>
    <message>
        <source>writes each KORVELT as it is plugged in, until Ctrl+C</source>
        <translation>wysyła do każdego KORVELT zaraz po podłączeniu, aż do Ctrl+C</translation>
    </message>
    <message>
        <source>--watch: sets each clock to this computer&apos;s time too</source>
        <translation>--watch: ustawia też każdy zegar na czas tego komputera</translation>
    </message>
    <message>
        <source>--watch: appends a line per KORVELT to LOG.csv</source>
        <translation>--watch: dopisuje wiersz na każdy KORVELT do LOG.csv</translation>
    </message>
    <message>
        <source>--watch: ends after N KORVELTs</source>
        <translation>--watch: kończy po N urządzeniach KORVELT</translation>
    </message>
    <message>
        <source>--watch: tries a failed KORVELT again, up to N times</source>
        <translation>--watch: ponawia nieudany KORVELT, do N razy</translation>
    </message>
    <message>
        <source>%1: not written: the KORVELT cannot hold %2 of its values</source>
        <translation>%1: nie wysłano: KORVELT nie może przyjąć %2 z jego wartości</translation>
    </message>
    <message>
        <source>%1: not written: the check found 1 likely mistake (--force writes it all the same)</source>
        <translation>%1: nie wysłano: kontrola znalazła 1 możliwy błąd (--force wysyła mimo to)</translation>
    </message>
    <message numerus="yes">
        <source>%1: not written: the check found %n likely mistakes (--force writes it all the same)</source>
        <translation>
            <numerusform>%1: nie wysłano: kontrola znalazła %n możliwy błąd (--force wysyła mimo to)</numerusform>
            <numerusform>%1: nie wysłano: kontrola znalazła %n możliwe błędy (--force wysyła mimo to)</numerusform>
            <numerusform>%1: nie wysłano: kontrola znalazła %n możliwych błędów (--force wysyła mimo to)</numerusform>
        </translation>
    </message>
    <message>
        <source>--set-clock, --log, --count and --retry are for --watch</source>
        <translation>--set-clock, --log, --count i --retry dotyczą --watch</translation>
    </message>
    <message>
        <source>would write %1 and verify it</source>
        <translation>wysłałby %1 i zweryfikował</translation>
    </message>
    <message>
        <source>would write %1</source>
        <translation>wysłałby %1</translation>
    </message>
    <message>
        <source>%1 of %2 would be written and verified</source>
        <translation>zostałyby wysłane i zweryfikowane: %1 z %2</translation>
    </message>
    <message>
        <source>%1 of %2 would be written</source>
        <translation>zostałyby wysłane: %1 z %2</translation>
    </message>
    <message>
        <source>%1 of %2 written and verified</source>
        <translation>wysłano i zweryfikowano: %1 z %2</translation>
    </message>
    <message>
        <source>%1 of %2 written</source>
        <translation>wysłano: %1 z %2</translation>
    </message>
    <message>
        <source>--device or --all, not both</source>
        <translation>--device lub --all, nie oba naraz</translation>
    </message>
    <message>
        <source>%1 KORVELTs are attached (%2): name one with --device, or --all</source>
        <translation>podłączono kilka KORVELT (%1: %2): wskaż jeden przez --device albo użyj --all</translation>
    </message>
    <message>
        <source>the KORVELT is in program mode</source>
        <translation>KORVELT jest w trybie programowania</translation>
    </message>
    <message>
        <source>not a KORVELT time controller</source>
        <translation>to nie programator czasowy KORVELT</translation>
    </message>
    <message>
        <source>the KORVELT stopped answering</source>
        <translation>KORVELT przestał odpowiadać</translation>
    </message>
    <message>
        <source>no KORVELT is attached at %1</source>
        <translation>pod %1 nie podłączono żadnego KORVELT</translation>
    </message>
    <message>
        <source>no KORVELT with serial number %1 is attached</source>
        <translation>nie podłączono KORVELT o numerze seryjnym %1</translation>
    </message>
    <message>
        <source>%1 KORVELTs have serial number %2: %3; name one by its path</source>
        <translation>numer seryjny %2 ma kilka KORVELT (%1): %3; wskaż jeden przez ścieżkę</translation>
    </message>
    <message>
        <source>; 1 differs</source>
        <extracomment>Of the summary of several KORVELTs, after what went through</extracomment>
        <translation>; różni się: 1</translation>
    </message>
    <message numerus="yes">
        <source>; %n differ</source>
        <translation>
            <numerusform>; różni się: %n</numerusform>
            <numerusform>; różni się: %n</numerusform>
            <numerusform>; różni się: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>; 1 failed</source>
        <extracomment>Of the summary of several KORVELTs, after what went through</extracomment>
        <translation>; nieudane: 1</translation>
    </message>
    <message numerus="yes">
        <source>; %n failed</source>
        <translation>
            <numerusform>; nieudane: %n</numerusform>
            <numerusform>; nieudane: %n</numerusform>
            <numerusform>; nieudane: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>clock %1</source>
        <translation>zegar %1</translation>
    </message>
    <message>
        <source>program mode</source>
        <translation>tryb programowania</translation>
    </message>
    <message>
        <source>not a KORVELT</source>
        <translation>to nie KORVELT</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>brak odpowiedzi</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>nie można otworzyć: %1</translation>
    </message>
    <message>
        <source>busy: in use by another program</source>
        <translation>zajęty: używany przez inny program</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>nieznana opcja %1</translation>
    </message>
    <message>
        <source>%1 is given more than once</source>
        <translation>%1 podano więcej niż raz</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 wymaga wartości</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <extracomment>%1 is the name of what is missing: FILE, OUT, DIR</extracomment>
        <translation>brak %1</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>standardowe wejście</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>to nie zwykły plik</translation>
    </message>
    <message>
        <source>%1 is the file read; the output needs a name of its own</source>
        <translation>%1 to plik wejściowy; wynik wymaga własnej nazwy</translation>
    </message>
    <message>
        <source>%1: cannot be written: a symbolic link is there, which is not followed</source>
        <translation>%1: nie można zapisać: jest tam dowiązanie symboliczne, za którym program nie podąża</translation>
    </message>
    <message>
        <source>standard input: cannot be read</source>
        <translation>standardowe wejście: nie można odczytać</translation>
    </message>
    <message>
        <source>%1: too large (more than 16 MiB)</source>
        <translation>%1: za duży (ponad 16 MiB)</translation>
    </message>
    <message>
        <source>%1: a data file of a later version</source>
        <translation>%1: plik danych z późniejszej wersji</translation>
    </message>
    <message>
        <source>%1: the data file is cut short</source>
        <translation>%1: plik danych jest ucięty</translation>
    </message>
    <message>
        <source>Mistake: %1</source>
        <extracomment>A line of the check: %1 is what it found</extracomment>
        <translation>Błąd: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <extracomment>A line of the check: %1 is what it found</extracomment>
        <translation>Uwaga: %1</translation>
    </message>
    <message>
        <source>while verifying, at block %1 of %2: the KORVELT holds the new schedule, not verified</source>
        <translation>podczas weryfikacji, przy bloku %1 z %2: KORVELT ma nowy harmonogram, niezweryfikowany</translation>
    </message>
    <message>
        <source>before the schedule was sent: the KORVELT holds its old schedule</source>
        <translation>zanim wysłano harmonogram: KORVELT ma swój stary harmonogram</translation>
    </message>
    <message>
        <source>at block %1 of %2: the KORVELT holds part of the old and part of the new schedule</source>
        <translation>przy bloku %1 z %2: KORVELT ma część starego i część nowego harmonogramu</translation>
    </message>
    <message>
        <source>no KORVELT is attached there</source>
        <translation>tam nie podłączono żadnego KORVELT</translation>
    </message>
    <message>
        <source>the KORVELT&apos;s block %1 holds values that are not times or dates</source>
        <translation>blok %1 KORVELT zawiera wartości, które nie są godzinami ani datami</translation>
    </message>
    <message>
        <source>stopped answering %1</source>
        <extracomment>%1 says where the write was and what the KORVELT holds</extracomment>
        <translation>przestał odpowiadać, %1</translation>
    </message>
    <message>
        <source>the KORVELT stopped answering at block %1</source>
        <translation>KORVELT przestał odpowiadać przy bloku %1</translation>
    </message>
    <message>
        <source>unplugged %1</source>
        <extracomment>%1 says where the write was and what the KORVELT holds</extracomment>
        <translation>odłączony, %1</translation>
    </message>
    <message>
        <source>the KORVELT was unplugged</source>
        <translation>KORVELT został odłączony</translation>
    </message>
    <message>
        <source>the schedule read back differs from the one written in 1 place</source>
        <translation>odczytany harmonogram różni się od wysłanego w 1 miejscu</translation>
    </message>
    <message numerus="yes">
        <source>the schedule read back differs from the one written in %n places</source>
        <translation>
            <numerusform>odczytany harmonogram różni się od wysłanego w %n miejscu</numerusform>
            <numerusform>odczytany harmonogram różni się od wysłanego w %n miejscach</numerusform>
            <numerusform>odczytany harmonogram różni się od wysłanego w %n miejscach</numerusform>
        </translation>
    </message>
    <message>
        <source>interrupted before anything was sent: the KORVELT is as it was</source>
        <translation>przerwano, zanim cokolwiek wysłano: KORVELT jest bez zmian</translation>
    </message>
    <message>
        <source>interrupted while verifying, at block %1 of %2: the KORVELT holds the new schedule, not verified</source>
        <translation>przerwano podczas weryfikacji, przy bloku %1 z %2: KORVELT ma nowy harmonogram, niezweryfikowany</translation>
    </message>
    <message>
        <source>interrupted before the schedule was sent: the KORVELT holds its old schedule</source>
        <translation>przerwano, zanim wysłano harmonogram: KORVELT ma swój stary harmonogram</translation>
    </message>
    <message>
        <source>interrupted at block %1 of %2: the KORVELT holds part of the old and part of the new schedule</source>
        <translation>przerwano przy bloku %1 z %2: KORVELT ma część starego i część nowego harmonogramu</translation>
    </message>
    <message>
        <source>interrupted at block %1 of %2: nothing was saved</source>
        <translation>przerwano przy bloku %1 z %2: nic nie zapisano</translation>
    </message>
    <message>
        <source>interrupted before the clock was set</source>
        <translation>przerwano przed ustawieniem zegara</translation>
    </message>
    <message>
        <source>interrupted: the clock may or may not have been set</source>
        <translation>przerwano: zegar mógł zostać ustawiony lub nie</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>przerwano</translation>
    </message>
    <message>
        <source>%1 (serial %2)</source>
        <extracomment>A KORVELT as a line names it: its path and serial number</extracomment>
        <translation>%1 (nr seryjny %2)</translation>
    </message>
    <message>
        <source>written and verified</source>
        <translation>wysłano i zweryfikowano</translation>
    </message>
    <message>
        <source>written</source>
        <translation>wysłano</translation>
    </message>
    <message>
        <source>read</source>
        <extracomment>A KORVELT&apos;s schedule was read</extracomment>
        <translation>odczytano</translation>
    </message>
    <message>
        <source>a command is missing</source>
        <translation>brak polecenia</translation>
    </message>
    <message>
        <source>--demo N is a number of KORVELTs from 1 to %1</source>
        <translation>--demo N to liczba urządzeń KORVELT od 1 do %1</translation>
    </message>
    <message>
        <source>%1 (see korveltctl --help)</source>
        <extracomment>After a mistake on the command line: %1 is the mistake</extracomment>
        <translation>%1 (zobacz korveltctl --help)</translation>
    </message>
    <message>
        <source>standard output: %1</source>
        <translation>standardowe wyjście: %1</translation>
    </message>
    <message>
        <source>cannot make the report: %1 is missing; install the program again</source>
        <translation>nie można utworzyć raportu: brak %1; zainstaluj program ponownie</translation>
    </message>
    <message>
        <source>not applied: %1</source>
        <extracomment>A preset&apos;s holiday its rule does not tick: %1 is the holiday&apos;s line</extracomment>
        <translation>niezastosowane: %1</translation>
    </message>
    <message>
        <source>%1; the two reads disagreed, so a stray report from another program may be the cause: try again</source>
        <extracomment>%1 says where the KORVELT differs; this adds why the tool cannot tell a stray report from a KORVELT that differs</extracomment>
        <translation>%1; oba odczyty nie były zgodne, więc przyczyną może być zabłąkany komunikat innego programu: spróbuj ponownie</translation>
    </message>
    <message>
        <source>  Prints a year&apos;s public holidays (this year unless --year), or with -o
  writes them as the special dates of the schedule in IN.dat (the
  defaults without --from) into OUT. With fewer than %1 holidays the
  other special dates keep theirs, or repeat the last (--repeat-last).
  --rules adds the rules of a file the Holidays dialog saved (or takes
  them alone, without --preset). The days of rules a preset offers but
  does not tick follow as &quot;not applied&quot; lines. --json and --format csv
  print each holiday&apos;s date, weekday, names, whether it is a substitute
  day and whether it is applied.
  CODE: %2.</source>
        <translation>  Wypisuje święta państwowe danego roku (bez --year bieżącego) albo
  z -o zapisuje je jako daty specjalne harmonogramu z IN.dat (bez
  --from wartości domyślne) do OUT. Przy mniej niż %1 świętach pozostałe
  daty specjalne zachowują swoje daty albo powtarzają ostatnią
  (--repeat-last). --rules dodaje reguły z pliku zapisanego w oknie
  Święta (bez --preset tylko je). --json i --format csv wypisują dla
  każdego święta datę, dzień tygodnia, nazwy i to, czy jest to dzień
  zastępczy oraz to, czy jest stosowane.
  Dni reguł, które zestaw oferuje, ale nie zaznacza, następują jako
  wiersze „niezastosowane”.
  CODE: %2.</translation>
    </message>
    <message>
        <source>-o: with fewer than %1 holidays, the others repeat the last</source>
        <translation>-o: przy mniej niż %1 świętach pozostałe powtarzają ostatnie</translation>
    </message>
</context>
</TS>

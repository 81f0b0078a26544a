<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CheckText</name>
    <message>
        <source>Special date %1 (%2)</source>
        <extracomment>A special date with its place and date, as in &quot;Special date 3 (24/12/2027)&quot;</extracomment>
        <translation>Sondertag %1 (%2)</translation>
    </message>
    <message>
        <source>%1: the Start time has fractions of a second; the KORVELT keeps whole seconds.</source>
        <extracomment>%1 is the slot&apos;s place, as in &quot;Output 2, Normal Times slot 3&quot;</extracomment>
        <translation>%1: Der Beginn enthält Sekundenbruchteile; die KORVELT speichert ganze Sekunden.</translation>
    </message>
    <message>
        <source>%1: the End time has fractions of a second; the KORVELT keeps whole seconds.</source>
        <translation>%1: Das Ende enthält Sekundenbruchteile; die KORVELT speichert ganze Sekunden.</translation>
    </message>
    <message>
        <source>%1: the Start time is not a time of day.</source>
        <extracomment>%1 is the slot&apos;s place, as in &quot;Output 2, Normal Times slot 3&quot;
----------
%1 is the slot&apos;s place, as in &quot;Output 2, Special Times slot 3&quot;</extracomment>
        <translation>%1: Der Beginn ist keine Uhrzeit.</translation>
    </message>
    <message>
        <source>%1: the End time is not a time of day.</source>
        <extracomment>%1 is the slot&apos;s place, as in &quot;Output 2, Normal Times slot 3&quot;
----------
%1 is the slot&apos;s place, as in &quot;Output 2, Special Times slot 3&quot;</extracomment>
        <translation>%1: Das Ende ist keine Uhrzeit.</translation>
    </message>
    <message>
        <source>Daylight Saving: no Advance Clock week is chosen.</source>
        <translation>Sommerzeit: Für „Uhr vorstellen“ ist keine Woche gewählt.</translation>
    </message>
    <message>
        <source>Daylight Saving: no Advance Clock month is chosen.</source>
        <translation>Sommerzeit: Für „Uhr vorstellen“ ist kein Monat gewählt.</translation>
    </message>
    <message>
        <source>Daylight Saving: no Retard Clock week is chosen.</source>
        <translation>Sommerzeit: Für „Uhr zurückstellen“ ist keine Woche gewählt.</translation>
    </message>
    <message>
        <source>Daylight Saving: no Retard Clock month is chosen.</source>
        <translation>Sommerzeit: Für „Uhr zurückstellen“ ist kein Monat gewählt.</translation>
    </message>
    <message>
        <source>%1: ends at %2, before it starts at %3.</source>
        <extracomment>%1 is the slot&apos;s place (&quot;Output 2, Normal Times slot 3&quot;), %2 its end time, %3 its start time</extracomment>
        <translation>%1: endet um %2, vor ihrem Beginn um %3.</translation>
    </message>
    <message>
        <source>%1: starts and ends at %2 on %3.</source>
        <extracomment>%1 is the slot&apos;s place, %2 its time, %3 its days (&quot;Mon to Fri&quot;)</extracomment>
        <translation>%1: beginnt und endet um %2 am %3.</translation>
    </message>
    <message>
        <source>%1: %2 to %3, but no day is On.</source>
        <extracomment>%1 is the slot&apos;s place, %2 and %3 its start and end time; &quot;On&quot; is the day cells&apos; text</extracomment>
        <translation>%1: %2 bis %3, aber kein Tag steht auf Ein.</translation>
    </message>
    <message>
        <source>%1 (%2 to %3) overlaps slot %4.</source>
        <extracomment>%1 is the slot&apos;s place, %2 and %3 its times, %4 the number of the other slot</extracomment>
        <translation>%1 (%2 bis %3) überschneidet sich mit Schaltzeit %4.</translation>
    </message>
    <message>
        <source>%1 (%2 to %3) overlaps slot %4 on %5.</source>
        <extracomment>%1 is the slot&apos;s place, %2 and %3 its times, %4 the number of the other slot, %5 the days (&quot;Mon to Fri&quot;)</extracomment>
        <translation>%1 (%2 bis %3) überschneidet sich am %5 mit Schaltzeit %4.</translation>
    </message>
    <message>
        <source>%1 (%2 to %3) is the same as slot %4.</source>
        <extracomment>%1 is the slot&apos;s place, %2 and %3 its times, %4 the number of the other slot</extracomment>
        <translation>%1 (%2 bis %3) ist gleich Schaltzeit %4.</translation>
    </message>
    <message>
        <source>Special date %1 (%2 %3) carries a time of day; the KORVELT keeps only the date.</source>
        <extracomment>%1 is the special date&apos;s number, %2 its date, %3 its time of day</extracomment>
        <translation>Sondertag %1 (%2 %3) enthält eine Uhrzeit; die KORVELT speichert nur das Datum.</translation>
    </message>
    <message>
        <source>%1 is in the past.</source>
        <extracomment>%1 is a special date with its place, as in &quot;Special date 3 (24/12/2027)&quot;</extracomment>
        <translation>%1 liegt in der Vergangenheit.</translation>
    </message>
    <message>
        <source>%1 is the same as special date %2.</source>
        <extracomment>%1 is a special date with its place, as in &quot;Special date 3 (24/12/2027)&quot;; %2 the other&apos;s number</extracomment>
        <translation>%1 ist gleich Sondertag %2.</translation>
    </message>
    <message>
        <source>Output %1, Special Times: slots are set, but no special date is today or later.</source>
        <translation>Ausgang %1, Sonderzeiten: Schaltzeiten sind eingestellt, aber kein Sondertag liegt heute oder später.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>range of days</comment>
        <extracomment>A range of days in the schedule check, as in &quot;Mon to Fri&quot;</extracomment>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Special date %1 is not set to a date from %2 to %3.</source>
        <extracomment>%1 is the special date&apos;s number, %2 and %3 the first and last year the KORVELT can hold</extracomment>
        <translation>Sondertag %1 ist auf kein Datum von %2 bis %3 gesetzt.</translation>
    </message>
</context>
<context>
    <name>ClockText</name>
    <message>
        <source>the KORVELT&apos;s clock holds no valid time (bytes %1)</source>
        <extracomment>Begins with a small letter: it also stands inside other sentences. %1 is the clock&apos;s bytes as a date and time</extracomment>
        <translation>die Uhr der KORVELT enthält keine gültige Uhrzeit (Bytes %1)</translation>
    </message>
    <message>
        <source>Module Time: %1
Module Date: %2</source>
        <extracomment>The device&apos;s clock: %1 is its time, %2 its date</extracomment>
        <translation>Modulzeit: %1
Moduldatum: %2</translation>
    </message>
    <message>
        <source>KORVELT and this PC agree to the second</source>
        <translation>KORVELT und dieser PC stimmen sekundengenau überein</translation>
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
        <translation>KORVELT geht %1 gegenüber diesem PC nach</translation>
    </message>
    <message>
        <source>KORVELT is %1 ahead of this PC</source>
        <extracomment>%1 is an amount of time, as in &quot;3 min 38 s&quot;</extracomment>
        <translation>KORVELT geht %1 gegenüber diesem PC vor</translation>
    </message>
</context>
<context>
    <name>ControlTexts</name>
    <message>
        <source>1st Sunday</source>
        <translation>1. Sonntag</translation>
    </message>
    <message>
        <source>2nd Sunday</source>
        <translation>2. Sonntag</translation>
    </message>
    <message>
        <source>3rd Sunday</source>
        <translation>3. Sonntag</translation>
    </message>
    <message>
        <source>4th Sunday</source>
        <translation>4. Sonntag</translation>
    </message>
    <message>
        <source>Last Sunday</source>
        <translation>Letzter Sonntag</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>Febuary</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Thur</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>Error Opening File.</source>
        <translation>Fehler beim Öffnen der Datei.</translation>
    </message>
    <message>
        <source>Incompatible data file.</source>
        <translation>Inkompatible Datendatei.</translation>
    </message>
    <message>
        <source>The file uses a later data format.<byte value="xd"/>
Cannot load</source>
        <translation>Die Datei verwendet ein neueres Datenformat.<byte value="xd"/>
Laden nicht möglich</translation>
    </message>
    <message>
        <source>Error Saving File.</source>
        <translation>Fehler beim Speichern der Datei.</translation>
    </message>
</context>
<context>
    <name>DeviceChoice</name>
    <message>
        <source>In Program Mode, %1</source>
        <extracomment>A KORVELT in the list of those attached that is being set up at its own keys; %1 is where it is attached</extracomment>
        <translation>Im Programmiermodus, %1</translation>
    </message>
    <message>
        <source>No answer, %1</source>
        <extracomment>A KORVELT in the list of those attached that did not say who it is; %1 is where it is attached</extracomment>
        <translation>Keine Antwort, %1</translation>
    </message>
    <message>
        <source>Several KORVELTs are attached. Which one do the commands go to?</source>
        <extracomment>Asked when several KORVELTs are attached and a command needs one</extracomment>
        <translation>Mehrere KORVELT sind angeschlossen. An welche gehen die Befehle?</translation>
    </message>
    <message>
        <source>The KORVELT with serial %1 is gone. Which KORVELT do the commands go to now?</source>
        <extracomment>%1 is the serial number of the KORVELT chosen before</extracomment>
        <translation>Die KORVELT mit Seriennr. %1 ist nicht mehr angeschlossen. An welche KORVELT gehen die Befehle jetzt?</translation>
    </message>
    <message>
        <source>The KORVELT at %1 is gone. Which KORVELT do the commands go to now?</source>
        <extracomment>%1 is where the KORVELT chosen before was attached</extracomment>
        <translation>Die KORVELT an %1 ist nicht mehr angeschlossen. An welche KORVELT gehen die Befehle jetzt?</translation>
    </message>
    <message>
        <source>Serial %1, version %2, %3</source>
        <extracomment>A KORVELT in the list of those attached: %1 is its serial number, %2 its firmware version, %3 where it is attached</extracomment>
        <translation>Seriennr. %1, Version %2, %3</translation>
    </message>
    <message>
        <source>The KORVELT with serial %1 holds part of the old and part of the new schedule. Write it again first?</source>
        <extracomment>Asked before a command goes to another KORVELT, and before the window closes; %1 is the serial number of the KORVELT a write stopped on</extracomment>
        <translation>Die KORVELT mit Seriennr. %1 enthält teils das alte, teils das neue Schaltprogramm. Zuerst erneut schreiben?</translation>
    </message>
</context>
<context>
    <name>DevicePresenter</name>
    <message>
        <source>Close any other program that is using it, then try again.</source>
        <translation>Schließen Sie jedes andere Programm, das sie benutzt, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Install the rule 60-korvelt.rules into /etc/udev/rules.d, run &quot;sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger&quot; and plug the KORVELT in again.</source>
        <extracomment>Keep the file name, the folder and the command as they are</extracomment>
        <translation>Installieren Sie die Regel 60-korvelt.rules in /etc/udev/rules.d, führen Sie „sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger“ aus und schließen Sie die KORVELT erneut an.</translation>
    </message>
    <message>
        <source>Writing to KORVELT</source>
        <extracomment>Status texts and messages of a command on the KORVELT; %1 is the block&apos;s number, %2 the last block&apos;s</extracomment>
        <translation>Schreiben in KORVELT</translation>
    </message>
    <message>
        <source>Writing to KORVELT: block %1 of %2</source>
        <translation>Schreiben in KORVELT: Block %1 von %2</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while writing. Check the cable and try again.</source>
        <translation>KORVELT antwortet nicht mehr beim Schreiben. Prüfen Sie das Kabel und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while writing (block %1 of %2). Check the cable and try again.</source>
        <translation>KORVELT antwortet nicht mehr beim Schreiben (Block %1 von %2). Prüfen Sie das Kabel und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while writing. Plug it in and try again.</source>
        <translation>KORVELT wurde beim Schreiben abgezogen. Schließen Sie sie wieder an und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while writing (block %1 of %2). Plug it in and try again.</source>
        <translation>KORVELT wurde beim Schreiben abgezogen (Block %1 von %2). Schließen Sie sie wieder an und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Checking what was written</source>
        <translation>Verifizieren</translation>
    </message>
    <message>
        <source>Checking what was written: block %1 of %2</source>
        <translation>Verifizieren: Block %1 von %2</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while checking what was written. Check the cable and try again.</source>
        <translation>KORVELT antwortet nicht mehr beim Verifizieren. Prüfen Sie das Kabel und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while checking what was written (block %1 of %2). Check the cable and try again.</source>
        <translation>KORVELT antwortet nicht mehr beim Verifizieren (Block %1 von %2). Prüfen Sie das Kabel und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while checking what was written. Plug it in and try again.</source>
        <translation>KORVELT wurde beim Verifizieren abgezogen. Schließen Sie sie wieder an und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while checking what was written (block %1 of %2). Plug it in and try again.</source>
        <translation>KORVELT wurde beim Verifizieren abgezogen (Block %1 von %2). Schließen Sie sie wieder an und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Comparing with KORVELT</source>
        <translation>Vergleichen mit KORVELT</translation>
    </message>
    <message>
        <source>Comparing with KORVELT: block %1 of %2</source>
        <translation>Vergleichen mit KORVELT: Block %1 von %2</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while reading. Check the cable and try again.</source>
        <translation>KORVELT antwortet nicht mehr beim Lesen. Prüfen Sie das Kabel und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while reading (block %1 of %2). Check the cable and try again.</source>
        <translation>KORVELT antwortet nicht mehr beim Lesen (Block %1 von %2). Prüfen Sie das Kabel und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while reading. Plug it in and try again.</source>
        <translation>KORVELT wurde beim Lesen abgezogen. Schließen Sie sie wieder an und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while reading (block %1 of %2). Plug it in and try again.</source>
        <translation>KORVELT wurde beim Lesen abgezogen (Block %1 von %2). Schließen Sie sie wieder an und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Reading from KORVELT</source>
        <translation>Lesen aus KORVELT</translation>
    </message>
    <message>
        <source>Reading from KORVELT: block %1 of %2</source>
        <translation>Lesen aus KORVELT: Block %1 von %2</translation>
    </message>
    <message>
        <source>Setting the KORVELT clock</source>
        <translation>Uhr der KORVELT wird gestellt</translation>
    </message>
    <message>
        <source>Setting the KORVELT clock: block %1 of %2</source>
        <translation>Uhr der KORVELT wird gestellt: Block %1 von %2</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while setting the clock. Check the cable and try again.</source>
        <translation>KORVELT antwortet nicht mehr beim Stellen der Uhr. Prüfen Sie das Kabel und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while setting the clock (block %1 of %2). Check the cable and try again.</source>
        <translation>KORVELT antwortet nicht mehr beim Stellen der Uhr (Block %1 von %2). Prüfen Sie das Kabel und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while setting the clock. Plug it in and try again.</source>
        <translation>KORVELT wurde beim Stellen der Uhr abgezogen. Schließen Sie sie wieder an und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while setting the clock (block %1 of %2). Plug it in and try again.</source>
        <translation>KORVELT wurde beim Stellen der Uhr abgezogen (Block %1 von %2). Schließen Sie sie wieder an und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Reading the KORVELT clock</source>
        <translation>Uhr der KORVELT wird gelesen</translation>
    </message>
    <message>
        <source>Reading the KORVELT clock: block %1 of %2</source>
        <translation>Uhr der KORVELT wird gelesen: Block %1 von %2</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while reading the clock. Check the cable and try again.</source>
        <translation>KORVELT antwortet nicht mehr beim Lesen der Uhr. Prüfen Sie das Kabel und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while reading the clock (block %1 of %2). Check the cable and try again.</source>
        <translation>KORVELT antwortet nicht mehr beim Lesen der Uhr (Block %1 von %2). Prüfen Sie das Kabel und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while reading the clock. Plug it in and try again.</source>
        <translation>KORVELT wurde beim Lesen der Uhr abgezogen. Schließen Sie sie wieder an und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while reading the clock (block %1 of %2). Plug it in and try again.</source>
        <translation>KORVELT wurde beim Lesen der Uhr abgezogen (Block %1 von %2). Schließen Sie sie wieder an und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Daylight Saving</source>
        <extracomment>A place where the KORVELT&apos;s schedule differs: its daylight-saving rule</extracomment>
        <translation>Sommerzeit</translation>
    </message>
    <message>
        <source>Special date %1</source>
        <extracomment>A place where the KORVELT&apos;s schedule differs; %1 is the special date&apos;s number, 1 to 16</extracomment>
        <translation>Sondertag %1</translation>
    </message>
    <message>
        <source>... and 1 more.</source>
        <extracomment>The last line of a list cut short</extracomment>
        <translation>... und 1 weitere.</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... und %n weitere.</numerusform>
            <numerusform>... und %n weitere.</numerusform>
        </translation>
    </message>
    <message>
        <source>The KORVELT does not hold what was written</source>
        <extracomment>First line of a message after a write that did not read back as written</extracomment>
        <translation>Die KORVELT enthält nicht, was geschrieben wurde</translation>
    </message>
    <message>
        <source>Write again; if it stays so, the KORVELT may need service.</source>
        <translation>Schreiben Sie erneut; bleibt es dabei, muss die KORVELT eventuell zum Service.</translation>
    </message>
</context>
<context>
    <name>DifferenceText</name>
    <message>
        <source>(not chosen)</source>
        <extracomment>A week or month box of the daylight-saving rule none of whose items is chosen</extracomment>
        <translation>(nicht gewählt)</translation>
    </message>
    <message>
        <source>(empty)</source>
        <extracomment>An empty time cell</extracomment>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>no days</source>
        <translation>keine Tage</translation>
    </message>
    <message>
        <source>%1 to %2 %3</source>
        <extracomment>A slot: %1 its start time, %2 its end time, %3 its days (&quot;Mon Tue&quot; or &quot;no days&quot;)</extracomment>
        <translation>%1 bis %2 %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>slot times</comment>
        <extracomment>A slot: %1 its start time, %2 its end time</extracomment>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>on, %1 of %2 to %3 of %4</source>
        <extracomment>The daylight-saving rule, switched on: %1 of %2 (as in &quot;Last Sunday of March&quot;) the clock goes forward, %3 of %4 it goes back</extracomment>
        <translation>ein, %1 im %2 bis %3 im %4</translation>
    </message>
    <message>
        <source>off, %1 of %2 to %3 of %4</source>
        <extracomment>The daylight-saving rule, switched off: %1 of %2 (as in &quot;Last Sunday of March&quot;) the clock would go forward, %3 of %4 it would go back</extracomment>
        <translation>aus, %1 im %2 bis %3 im %4</translation>
    </message>
    <message>
        <source>(not set)</source>
        <extracomment>A special date the window cannot show</extracomment>
        <translation>(nicht gesetzt)</translation>
    </message>
    <message>
        <source>%1: window %2, KORVELT %3</source>
        <extracomment>%1 is the slot&apos;s place (&quot;Output 2, Normal Times slot 3&quot;), %2 the window&apos;s slot, %3 the KORVELT&apos;s</extracomment>
        <translation>%1: Fenster %2, KORVELT %3</translation>
    </message>
    <message>
        <source>Daylight Saving: window %1; KORVELT %2</source>
        <extracomment>%1 is the window&apos;s daylight-saving rule, %2 the KORVELT&apos;s</extracomment>
        <translation>Sommerzeit: Fenster %1; KORVELT %2</translation>
    </message>
    <message>
        <source>Special date %1: window %2, KORVELT %3</source>
        <extracomment>%1 is the special date&apos;s number, %2 the window&apos;s date, %3 the KORVELT&apos;s</extracomment>
        <translation>Sondertag %1: Fenster %2, KORVELT %3</translation>
    </message>
    <message>
        <source>Output %1, Special Times slot %2</source>
        <extracomment>The place of a slot: %1 is the output, %2 the slot</extracomment>
        <translation>Ausgang %1, Sonderzeiten, Schaltzeit %2</translation>
    </message>
    <message>
        <source>Output %1, Normal Times slot %2</source>
        <extracomment>The place of a slot: %1 is the output, %2 the slot</extracomment>
        <translation>Ausgang %1, Regelzeiten, Schaltzeit %2</translation>
    </message>
    <message>
        <source>1st Sunday</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>1. Sonntag</translation>
    </message>
    <message>
        <source>2nd Sunday</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>2. Sonntag</translation>
    </message>
    <message>
        <source>3rd Sunday</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>3. Sonntag</translation>
    </message>
    <message>
        <source>4th Sunday</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>4. Sonntag</translation>
    </message>
    <message>
        <source>Last Sunday</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>letzter Sonntag</translation>
    </message>
    <message>
        <source>January</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>Januar</translation>
    </message>
    <message>
        <source>Febuary</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>Dezember</translation>
    </message>
</context>
<context>
    <name>GridSlots</name>
    <message>
        <source>On</source>
        <comment>day cell</comment>
        <extracomment>The text of a day cell whose day is on; keep it short</extracomment>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>day cell</comment>
        <translation>Aus</translation>
    </message>
</context>
<context>
    <name>HolidayNames</name>
    <message>
        <source>England and Wales</source>
        <translation>England und Wales</translation>
    </message>
    <message>
        <source>Scotland</source>
        <translation>Schottland</translation>
    </message>
    <message>
        <source>Northern Ireland</source>
        <translation>Nordirland</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Irland</translation>
    </message>
    <message>
        <source>Germany (nationwide)</source>
        <translation>Deutschland (bundesweit)</translation>
    </message>
    <message>
        <source>Germany: Baden-Württemberg</source>
        <translation>Deutschland: Baden-Württemberg</translation>
    </message>
    <message>
        <source>Germany: Bavaria</source>
        <translation>Deutschland: Bayern</translation>
    </message>
    <message>
        <source>Germany: Berlin</source>
        <translation>Deutschland: Berlin</translation>
    </message>
    <message>
        <source>Germany: Brandenburg</source>
        <translation>Deutschland: Brandenburg</translation>
    </message>
    <message>
        <source>Germany: Bremen</source>
        <translation>Deutschland: Bremen</translation>
    </message>
    <message>
        <source>Germany: Hamburg</source>
        <translation>Deutschland: Hamburg</translation>
    </message>
    <message>
        <source>Germany: Hesse</source>
        <translation>Deutschland: Hessen</translation>
    </message>
    <message>
        <source>Germany: Lower Saxony</source>
        <translation>Deutschland: Niedersachsen</translation>
    </message>
    <message>
        <source>Germany: Mecklenburg-Western Pomerania</source>
        <translation>Deutschland: Mecklenburg-Vorpommern</translation>
    </message>
    <message>
        <source>Germany: North Rhine-Westphalia</source>
        <translation>Deutschland: Nordrhein-Westfalen</translation>
    </message>
    <message>
        <source>Germany: Rhineland-Palatinate</source>
        <translation>Deutschland: Rheinland-Pfalz</translation>
    </message>
    <message>
        <source>Germany: Saarland</source>
        <translation>Deutschland: Saarland</translation>
    </message>
    <message>
        <source>Germany: Saxony</source>
        <translation>Deutschland: Sachsen</translation>
    </message>
    <message>
        <source>Germany: Saxony-Anhalt</source>
        <translation>Deutschland: Sachsen-Anhalt</translation>
    </message>
    <message>
        <source>Germany: Schleswig-Holstein</source>
        <translation>Deutschland: Schleswig-Holstein</translation>
    </message>
    <message>
        <source>Germany: Thuringia</source>
        <translation>Deutschland: Thüringen</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Österreich</translation>
    </message>
    <message>
        <source>Switzerland (every canton)</source>
        <translation>Schweiz (alle Kantone)</translation>
    </message>
    <message>
        <source>Switzerland: Zurich</source>
        <translation>Schweiz: Zürich</translation>
    </message>
    <message>
        <source>Switzerland: Bern</source>
        <translation>Schweiz: Bern</translation>
    </message>
    <message>
        <source>Switzerland: Basel-Stadt</source>
        <translation>Schweiz: Basel-Stadt</translation>
    </message>
    <message>
        <source>Switzerland: Geneva</source>
        <translation>Schweiz: Genf</translation>
    </message>
    <message>
        <source>Switzerland: Vaud</source>
        <translation>Schweiz: Waadt</translation>
    </message>
    <message>
        <source>Switzerland: Ticino</source>
        <translation>Schweiz: Tessin</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Belgien</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Frankreich</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Spain (national)</source>
        <translation>Spanien (landesweit)</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polen</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Niederlande</translation>
    </message>
    <message>
        <source>United States (federal)</source>
        <translation>Vereinigte Staaten (Bund)</translation>
    </message>
    <message>
        <source>Canada (federal)</source>
        <translation>Kanada (Bund)</translation>
    </message>
    <message>
        <source>Australia (national)</source>
        <translation>Australien (landesweit)</translation>
    </message>
    <message>
        <source>2nd January</source>
        <translation>2. Januar</translation>
    </message>
    <message>
        <source>All Saints&apos; Day</source>
        <translation>Allerheiligen</translation>
    </message>
    <message>
        <source>Anzac Day</source>
        <translation>Anzac Day</translation>
    </message>
    <message>
        <source>Armistice Day</source>
        <translation>Waffenstillstandstag</translation>
    </message>
    <message>
        <source>Ascension Day</source>
        <translation>Christi Himmelfahrt</translation>
    </message>
    <message>
        <source>Assumption Day</source>
        <translation>Mariä Himmelfahrt</translation>
    </message>
    <message>
        <source>Assumption of Mary</source>
        <translation>Mariä Himmelfahrt</translation>
    </message>
    <message>
        <source>Augsburg Peace Festival</source>
        <translation>Augsburger Hohes Friedensfest</translation>
    </message>
    <message>
        <source>August bank holiday</source>
        <translation>August Bank Holiday</translation>
    </message>
    <message>
        <source>Australia Day</source>
        <translation>Australia Day</translation>
    </message>
    <message>
        <source>Bank holiday for the State Funeral of Queen Elizabeth II</source>
        <translation>Bank Holiday zum Staatsbegräbnis von Königin Elisabeth II.</translation>
    </message>
    <message>
        <source>Bank holiday for the coronation of King Charles III</source>
        <translation>Bank Holiday zur Krönung von König Charles III.</translation>
    </message>
    <message>
        <source>Bastille Day</source>
        <translation>Nationalfeiertag</translation>
    </message>
    <message>
        <source>Battle of the Boyne (Orangemen&apos;s Day)</source>
        <translation>Schlacht am Boyne (Orangemen&apos;s Day)</translation>
    </message>
    <message>
        <source>Berchtold&apos;s Day</source>
        <translation>Berchtoldstag</translation>
    </message>
    <message>
        <source>Birthday of Martin Luther King, Jr.</source>
        <translation>Martin Luther King Day</translation>
    </message>
    <message>
        <source>Boxing Day</source>
        <translation>Boxing Day</translation>
    </message>
    <message>
        <source>Canada Day</source>
        <translation>Canada Day</translation>
    </message>
    <message>
        <source>Centenary of Independence</source>
        <translation>100 Jahre Unabhängigkeit</translation>
    </message>
    <message>
        <source>Christmas Day</source>
        <translation>Erster Weihnachtsfeiertag</translation>
    </message>
    <message>
        <source>Christmas Eve</source>
        <translation>Heiligabend</translation>
    </message>
    <message>
        <source>Columbus Day</source>
        <translation>Columbus Day</translation>
    </message>
    <message>
        <source>Constitution Day</source>
        <translation>Tag der Verfassung</translation>
    </message>
    <message>
        <source>Corpus Christi</source>
        <translation>Fronleichnam</translation>
    </message>
    <message>
        <source>Day of German Unity</source>
        <translation>Tag der Deutschen Einheit</translation>
    </message>
    <message>
        <source>Day of Liberation</source>
        <translation>Tag der Befreiung</translation>
    </message>
    <message>
        <source>Day of Remembrance and Recognition</source>
        <translation>Tag des Gedenkens und der Anerkennung</translation>
    </message>
    <message>
        <source>Day of Repentance and Prayer</source>
        <translation>Buß- und Bettag</translation>
    </message>
    <message>
        <source>Early May bank holiday</source>
        <translation>Early May Bank Holiday</translation>
    </message>
    <message>
        <source>Easter Monday</source>
        <translation>Ostermontag</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>Ostersonntag</translation>
    </message>
    <message>
        <source>Epiphany</source>
        <translation>Heilige Drei Könige</translation>
    </message>
    <message>
        <source>Federal Fast Monday</source>
        <translation>Bettagsmontag</translation>
    </message>
    <message>
        <source>Ferragosto</source>
        <translation>Ferragosto</translation>
    </message>
    <message>
        <source>Genevan Fast</source>
        <translation>Genfer Bettag</translation>
    </message>
    <message>
        <source>Golden Jubilee bank holiday</source>
        <translation>Bank Holiday zum Goldenen Thronjubiläum</translation>
    </message>
    <message>
        <source>Good Friday</source>
        <translation>Karfreitag</translation>
    </message>
    <message>
        <source>Immaculate Conception</source>
        <translation>Mariä Empfängnis</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Unabhängigkeitstag</translation>
    </message>
    <message>
        <source>International Women&apos;s Day</source>
        <translation>Internationaler Frauentag</translation>
    </message>
    <message>
        <source>June bank holiday</source>
        <translation>June Bank Holiday</translation>
    </message>
    <message>
        <source>Juneteenth National Independence Day</source>
        <translation>Juneteenth</translation>
    </message>
    <message>
        <source>King&apos;s Birthday</source>
        <translation>Geburtstag des Königs</translation>
    </message>
    <message>
        <source>King&apos;s Day</source>
        <translation>Koningsdag</translation>
    </message>
    <message>
        <source>Labor Day</source>
        <translation>Labor Day</translation>
    </message>
    <message>
        <source>Labour Day</source>
        <translation>Tag der Arbeit</translation>
    </message>
    <message>
        <source>Liberation Day</source>
        <translation>Befreiungstag</translation>
    </message>
    <message>
        <source>Liberation Day (every fifth year)</source>
        <translation>Befreiungstag (alle fünf Jahre)</translation>
    </message>
    <message>
        <source>Maundy Thursday</source>
        <translation>Gründonnerstag</translation>
    </message>
    <message>
        <source>May bank holiday</source>
        <translation>May Bank Holiday</translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation>Memorial Day</translation>
    </message>
    <message>
        <source>National Day</source>
        <translation>Nationalfeiertag</translation>
    </message>
    <message>
        <source>National Day for Truth and Reconciliation</source>
        <translation>National Day for Truth and Reconciliation</translation>
    </message>
    <message>
        <source>National Day of Mourning for Queen Elizabeth II</source>
        <translation>Nationaler Trauertag für Königin Elisabeth II.</translation>
    </message>
    <message>
        <source>National Day of Spain</source>
        <translation>Spanischer Nationalfeiertag</translation>
    </message>
    <message>
        <source>New Year&apos;s Day</source>
        <translation>Neujahr</translation>
    </message>
    <message>
        <source>October bank holiday</source>
        <translation>October Bank Holiday</translation>
    </message>
    <message>
        <source>Platinum Jubilee bank holiday</source>
        <translation>Bank Holiday zum Platin-Thronjubiläum</translation>
    </message>
    <message>
        <source>Queen&apos;s Birthday</source>
        <translation>Geburtstag der Königin</translation>
    </message>
    <message>
        <source>Queen&apos;s Day</source>
        <translation>Koninginnedag</translation>
    </message>
    <message>
        <source>Queen&apos;s Diamond Jubilee</source>
        <translation>Diamantenes Thronjubiläum der Königin</translation>
    </message>
    <message>
        <source>Reformation Day</source>
        <translation>Reformationstag</translation>
    </message>
    <message>
        <source>Remembrance Day</source>
        <translation>Remembrance Day</translation>
    </message>
    <message>
        <source>Republic Day</source>
        <translation>Tag der Republik</translation>
    </message>
    <message>
        <source>Restoration of the Republic</source>
        <translation>Restauration der Republik</translation>
    </message>
    <message>
        <source>Royal wedding</source>
        <translation>Königliche Hochzeit</translation>
    </message>
    <message>
        <source>Saint Brigid&apos;s Day</source>
        <translation>St Brigid&apos;s Day</translation>
    </message>
    <message>
        <source>Saint Patrick&apos;s Day</source>
        <translation>St Patrick&apos;s Day</translation>
    </message>
    <message>
        <source>Saint Stephen&apos;s Day</source>
        <translation>Stephanstag</translation>
    </message>
    <message>
        <source>Second Day of Christmas</source>
        <translation>Zweiter Weihnachtsfeiertag</translation>
    </message>
    <message>
        <source>Spring bank holiday</source>
        <translation>Spring Bank Holiday</translation>
    </message>
    <message>
        <source>St Andrew&apos;s Day</source>
        <translation>St Andrew&apos;s Day</translation>
    </message>
    <message>
        <source>St Francis of Assisi</source>
        <translation>Tag des heiligen Franziskus</translation>
    </message>
    <message>
        <source>St Joseph&apos;s Day</source>
        <translation>Josefstag</translation>
    </message>
    <message>
        <source>St Patrick&apos;s Day</source>
        <translation>St Patrick&apos;s Day</translation>
    </message>
    <message>
        <source>St Stephen&apos;s Day</source>
        <translation>Stephanstag</translation>
    </message>
    <message>
        <source>State Holiday</source>
        <translation>Staatsfeiertag</translation>
    </message>
    <message>
        <source>Sts Peter and Paul</source>
        <translation>Peter und Paul</translation>
    </message>
    <message>
        <source>Summer bank holiday</source>
        <translation>Summer Bank Holiday</translation>
    </message>
    <message>
        <source>Swiss National Day</source>
        <translation>Bundesfeier</translation>
    </message>
    <message>
        <source>Thanksgiving Day</source>
        <translation>Thanksgiving</translation>
    </message>
    <message>
        <source>Veterans Day</source>
        <translation>Veterans Day</translation>
    </message>
    <message>
        <source>Victoria Day</source>
        <translation>Victoria Day</translation>
    </message>
    <message>
        <source>Victory in Europe Day</source>
        <translation>Tag des Sieges 1945</translation>
    </message>
    <message>
        <source>Washington&apos;s Birthday</source>
        <translation>Washington&apos;s Birthday</translation>
    </message>
    <message>
        <source>Whit Monday</source>
        <translation>Pfingstmontag</translation>
    </message>
    <message>
        <source>Whit Sunday</source>
        <translation>Pfingstsonntag</translation>
    </message>
    <message>
        <source>World Children&apos;s Day</source>
        <translation>Weltkindertag</translation>
    </message>
    <message>
        <source>150th anniversary of the unification of Italy</source>
        <translation>150. Jahrestag der Einigung Italiens</translation>
    </message>
    <message>
        <source>Additional bank holiday</source>
        <translation>Zusätzlicher Bank Holiday</translation>
    </message>
    <message>
        <source>Anniversary of the uprising of 17 June 1953</source>
        <translation>Jahrestag des Volksaufstands vom 17. Juni 1953</translation>
    </message>
</context>
<context>
    <name>HolidayNotes</name>
    <message>
        <source>A holiday in every canton but Ticino and Valais.</source>
        <translation>Feiertag in allen Kantonen außer Tessin und Wallis.</translation>
    </message>
    <message>
        <source>A holiday in every region but Catalonia (and in some years Valencia).</source>
        <translation>Feiertag in allen Regionen außer Katalonien (und in manchen Jahren Valencia).</translation>
    </message>
    <message>
        <source>A holiday in most cantons, not in Geneva, Jura, Neuchâtel, Valais and Vaud.</source>
        <translation>Feiertag in den meisten Kantonen, nicht in Genf, Jura, Neuenburg, Wallis und Waadt.</translation>
    </message>
    <message>
        <source>A holiday in most cantons, not in Valais.</source>
        <translation>Feiertag in den meisten Kantonen, nicht im Wallis.</translation>
    </message>
    <message>
        <source>A public holiday, but a day off only where the collective agreement or the employer gives it, in many agreements every fifth year only.</source>
        <translation>Gesetzlicher Feiertag, arbeitsfrei aber nur, wo Tarifvertrag oder Arbeitgeber es vorsehen, in vielen Tarifverträgen nur alle fünf Jahre.</translation>
    </message>
    <message>
        <source>A public holiday, but a day off only where the collective agreement or the employer gives it.</source>
        <translation>Gesetzlicher Feiertag, arbeitsfrei aber nur, wo Tarifvertrag oder Arbeitgeber es vorsehen.</translation>
    </message>
    <message>
        <source>In some Catholic Sorbian municipalities of the districts of Bautzen and Görlitz only.</source>
        <translation>Nur in einigen katholisch geprägten sorbischen Gemeinden der Landkreise Bautzen und Görlitz.</translation>
    </message>
    <message>
        <source>In the city of Augsburg only.</source>
        <translation>Nur im Stadtgebiet Augsburg.</translation>
    </message>
    <message>
        <source>In the municipalities of the Eichsfeld district with a mainly Catholic population, and some others, only.</source>
        <translation>Nur in den überwiegend katholischen Gemeinden des Landkreises Eichsfeld und einigen weiteren.</translation>
    </message>
    <message>
        <source>In the municipalities with a mainly Catholic population (most of Bavaria, Munich included); untick it elsewhere.</source>
        <translation>In den Gemeinden mit überwiegend katholischer Bevölkerung (der größte Teil Bayerns, München eingeschlossen); andernorts das Häkchen entfernen.</translation>
    </message>
    <message>
        <source>Liberation Day in the years of a lustrum (2025, 2030, ...), as many agreements give it.</source>
        <translation>Befreiungstag in den Lustrumjahren (2025, 2030, ...), wie viele Tarifverträge ihn gewähren.</translation>
    </message>
    <message>
        <source>Western Australia and Queensland keep it on other days.</source>
        <translation>Western Australia und Queensland begehen ihn an anderen Tagen.</translation>
    </message>
    <message>
        <source>A one-off bank holiday in Scotland alone, proclaimed for Monday 15 June 2026.</source>
        <translation>Ein einmaliger Bank Holiday nur in Schottland, ausgerufen für Montag, 15. Juni 2026.</translation>
    </message>
    <message>
        <source>A public holiday once, by Decree-law 5 of 2011.</source>
        <translation>Einmalig ein gesetzlicher Feiertag, durch das Gesetzesdekret Nr. 5 von 2011.</translation>
    </message>
    <message>
        <source>A holiday in Berlin once, 75 years after the uprising of 17 June 1953.</source>
        <translation>Einmalig ein Feiertag in Berlin, 75 Jahre nach dem Volksaufstand vom 17. Juni 1953.</translation>
    </message>
    <message>
        <source>In 2011 on Tuesday 26 April, as Easter Monday fell on 25 April.</source>
        <translation>2011 am Dienstag, 26. April, da der Ostermontag auf den 25. April fiel.</translation>
    </message>
    <message>
        <source>On 2 June from 2001 (Law 336 of 2000); from 1977 to 2000 it was kept on the first Sunday of June.</source>
        <translation>Am 2. Juni ab 2001 (Gesetz Nr. 336 von 2000); von 1977 bis 2000 wurde er am ersten Sonntag im Juni begangen.</translation>
    </message>
    <message>
        <source>On a Saturday or a Sunday, the working day after it is the day off (Canada Labour Code, as the federal government&apos;s lists give it).</source>
        <translation>Fällt er auf einen Samstag oder Sonntag, ist der folgende Arbeitstag frei (Canada Labour Code, wie die Listen der Bundesregierung es angeben).</translation>
    </message>
</context>
<context>
    <name>HolidayRuleFile</name>
    <message>
        <source>has an unknown kind &quot;%1&quot; (known: fixed, easter, nth-weekday, last-weekday).</source>
        <translation>Unbekannte Art „%1“ (bekannt: fixed, easter, nth-weekday, last-weekday).</translation>
    </message>
    <message>
        <source>needs a whole &quot;month&quot; and &quot;day&quot;.</source>
        <translation>„month“ und „day“ müssen ganze Zahlen sein.</translation>
    </message>
    <message>
        <source>needs a whole &quot;offset&quot; (days from Easter Sunday).</source>
        <translation>„offset“ (Tage ab Ostersonntag) muss eine ganze Zahl sein.</translation>
    </message>
    <message>
        <source>needs a whole &quot;nth&quot; (1 to 4).</source>
        <translation>„nth“ muss eine ganze Zahl von 1 bis 4 sein.</translation>
    </message>
    <message>
        <source>needs a &quot;weekday&quot; from sunday to saturday.</source>
        <translation>„weekday“ muss ein Wochentag von sunday bis saturday sein.</translation>
    </message>
    <message>
        <source>needs a whole &quot;month&quot;.</source>
        <translation>„month“ muss eine ganze Zahl sein.</translation>
    </message>
    <message>
        <source>has an unknown &quot;weekend&quot; &quot;%1&quot;.</source>
        <translation>Unbekannter Wert „%1“ für „weekend“.</translation>
    </message>
    <message>
        <source>has an unknown &quot;then&quot; &quot;%1&quot; (known: before, after, on-or-before, on-or-after).</source>
        <translation>Unbekannter Wert „%1“ für „then“ (bekannt: before, after, on-or-before, on-or-after).</translation>
    </message>
    <message>
        <source>needs a &quot;then-weekday&quot; from sunday to saturday.</source>
        <translation>„then-weekday“ muss ein Wochentag von sunday bis saturday sein.</translation>
    </message>
    <message>
        <source>needs a whole number of years as &quot;%1&quot;.</source>
        <translation>„%1“ muss eine ganze Zahl von Jahren sein.</translation>
    </message>
    <message>
        <source>needs a list as &quot;changes&quot;.</source>
        <translation>„changes“ muss eine Liste sein.</translation>
    </message>
    <message>
        <source>needs a &quot;year&quot; and either a &quot;month&quot; and &quot;day&quot; or &quot;dropped&quot; in each change.</source>
        <translation>Jede Änderung braucht ein „year“ und entweder „month“ und „day“ oder „dropped“.</translation>
    </message>
    <message>
        <source>The file is not valid JSON: %1 at character %2.</source>
        <translation>Die Datei ist kein gültiges JSON: %1 bei Zeichen %2.</translation>
    </message>
    <message>
        <source>The file is no holiday rule file.</source>
        <translation>Die Datei ist keine Feiertagsregeldatei.</translation>
    </message>
    <message>
        <source>The file was written by a later version of the program.</source>
        <translation>Die Datei wurde von einer neueren Version des Programms geschrieben.</translation>
    </message>
    <message>
        <source>Rule %1 %2</source>
        <extracomment>%1 is the rule&apos;s number in the file; %2 what is wrong with it, as in &quot;needs a whole &quot;month&quot;.&quot;</extracomment>
        <translation>Regel %1: %2</translation>
    </message>
    <message>
        <source>Rule %1 (%2) %3</source>
        <extracomment>%1 is the rule&apos;s number in the file, %2 its name; %3 what is wrong with it, as in &quot;needs a whole &quot;month&quot;.&quot;</extracomment>
        <translation>Regel %1 (%2): %3</translation>
    </message>
    <message>
        <source>The file cannot be opened.</source>
        <translation>Die Datei lässt sich nicht öffnen.</translation>
    </message>
    <message>
        <source>The file is too large for a holiday rule file.</source>
        <translation>Die Datei ist zu groß für eine Feiertagsregeldatei.</translation>
    </message>
</context>
<context>
    <name>HolidayText</name>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>%1 (substitute day)</source>
        <extracomment>A holiday moved off a weekend: %1 is its name</extracomment>
        <translation>%1 (Ersatzfeiertag)</translation>
    </message>
    <message>
        <source>%1 (observed)</source>
        <extracomment>A holiday observed on a weekday: %1 is its name</extracomment>
        <translation>%1 (verlegt)</translation>
    </message>
    <message>
        <source> / </source>
        <extracomment>Between the names of holidays on the same day</extracomment>
        <translation> / </translation>
    </message>
    <message>
        <source>The month must be from 1 to 12.</source>
        <translation>Der Monat muss zwischen 1 und 12 liegen.</translation>
    </message>
    <message>
        <source>%1 %2 is not a date.</source>
        <extracomment>%1 is a day, %2 a month, as in &quot;30 February is not a date.&quot;</extracomment>
        <translation>%1. %2 ist kein Datum.</translation>
    </message>
    <message>
        <source>Days from Easter Sunday must be from -%1 to %1.</source>
        <extracomment>%1 is the most days a rule may be from Easter Sunday</extracomment>
        <translation>Die Tage ab Ostersonntag müssen zwischen -%1 und %1 liegen.</translation>
    </message>
    <message>
        <source>Which weekday of the month must be from 1 to 4 (or the last).</source>
        <translation>Der wievielte Wochentag im Monat muss zwischen 1 und 4 liegen (oder der letzte sein).</translation>
    </message>
    <message>
        <source>The weekday must be from 0 (Sunday) to 6 (Saturday).</source>
        <translation>Der Wochentag muss zwischen 0 (Sonntag) und 6 (Samstag) liegen.</translation>
    </message>
    <message>
        <source>The weekday before or after must be from 0 (Sunday) to 6 (Saturday).</source>
        <translation>Der Wochentag davor oder danach muss zwischen 0 (Sonntag) und 6 (Samstag) liegen.</translation>
    </message>
    <message>
        <source>The first and the last year must be from %1 to %2.</source>
        <translation>Das erste und das letzte Jahr müssen zwischen %1 und %2 liegen.</translation>
    </message>
    <message>
        <source>The last year (%1) is before the first (%2).</source>
        <extracomment>%1 is the last year, %2 the first</extracomment>
        <translation>Das letzte Jahr (%1) liegt vor dem ersten (%2).</translation>
    </message>
    <message>
        <source>Every how many years must be from 1 to 100.</source>
        <translation>„Alle … Jahre“ muss zwischen 1 und 100 liegen.</translation>
    </message>
    <message numerus="yes">
        <source>Every %n years needs the first year to count from.</source>
        <extracomment>%n is every how many years (2 or more)</extracomment>
        <translation>
            <numerusform>Für „alle %n Jahre“ fehlt das erste Jahr, ab dem gezählt wird.</numerusform>
            <numerusform>Für „alle %n Jahre“ fehlt das erste Jahr, ab dem gezählt wird.</numerusform>
        </translation>
    </message>
    <message>
        <source>The year of a change must be from %1 to %2.</source>
        <translation>Das Jahr einer Änderung muss zwischen %1 und %2 liegen.</translation>
    </message>
    <message>
        <source>%1 is changed twice.</source>
        <extracomment>%1 is a year</extracomment>
        <translation>%1 wird zweimal geändert.</translation>
    </message>
    <message>
        <source>The change of %1 is not a date.</source>
        <extracomment>%1 is a year</extracomment>
        <translation>Die Änderung für %1 ist kein Datum.</translation>
    </message>
</context>
<context>
    <name>HolidaysDialog</name>
    <message>
        <source>Holiday Rules (*.json);;All Files (*.*)</source>
        <extracomment>File dialog filter; keep the patterns in parentheses as they are</extracomment>
        <translation>Feiertagsregeln (*.json);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <extracomment>A rule&apos;s day: %1 is a weekday, %2 a month</extracomment>
        <translation>1. %1 im %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <translation>2. %1 im %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <translation>3. %1 im %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <translation>4. %1 im %2</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <extracomment>A rule&apos;s day: %1 is a number, %2 a weekday, %3 a month</extracomment>
        <translation>%1. %2 im %3</translation>
    </message>
    <message>
        <source>the %1 before %2</source>
        <extracomment>A rule&apos;s day: %1 is a weekday, %2 the date it is counted from, as in &quot;the Wednesday before 23 November&quot;</extracomment>
        <translation>der %1 vor dem %2</translation>
    </message>
    <message>
        <source>the %1 after %2</source>
        <translation>der %1 nach dem %2</translation>
    </message>
    <message>
        <source>the %1 on or before %2</source>
        <translation>der %1 am oder vor dem %2</translation>
    </message>
    <message>
        <source>the %1 on or after %2</source>
        <translation>der %1 am oder nach dem %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>day and month</comment>
        <extracomment>A rule&apos;s date: %1 is the day, %2 the month, as in &quot;25 December&quot;</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>%1, on a weekend the next Monday</source>
        <extracomment>%1 is a rule&apos;s date, as in &quot;25 December&quot;</extracomment>
        <translation>%1, am Wochenende der nächste Montag</translation>
    </message>
    <message>
        <source>%1, on a Saturday the Friday before, on a Sunday the Monday after</source>
        <translation>%1, an einem Samstag der Freitag davor, an einem Sonntag der Montag danach</translation>
    </message>
    <message>
        <source>%1, on a Sunday the Saturday before</source>
        <translation>%1, an einem Sonntag der Samstag davor</translation>
    </message>
    <message>
        <source>%1, on a Sunday the next Monday</source>
        <translation>%1, an einem Sonntag der folgende Montag</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>Ostersonntag</translation>
    </message>
    <message>
        <source>Easter Sunday %1 days</source>
        <extracomment>A rule&apos;s day counted from Easter: %1 is a signed number of days, as in &quot;+50&quot; or &quot;-2&quot;</extracomment>
        <translation>Ostersonntag %1 Tage</translation>
    </message>
    <message>
        <source>last %1 of %2</source>
        <extracomment>A rule&apos;s day: %1 is a weekday, %2 a month</extracomment>
        <translation>letzter %1 im %2</translation>
    </message>
    <message>
        <source>%1, in %2 only</source>
        <extracomment>%1 is a rule&apos;s day, %2 the one year it holds</extracomment>
        <translation>%1, nur %2</translation>
    </message>
    <message>
        <source>%1, every %2 years from %3</source>
        <extracomment>%1 is a rule&apos;s day, %2 every how many years, %3 the year it counts from</extracomment>
        <translation>%1, alle %2 Jahre ab %3</translation>
    </message>
    <message>
        <source>%1, from %2</source>
        <extracomment>%1 is a rule&apos;s day, %2 its first year</extracomment>
        <translation>%1, ab %2</translation>
    </message>
    <message>
        <source>%1, until %2</source>
        <extracomment>%1 is a rule&apos;s day (perhaps with its first year), %2 its last year</extracomment>
        <translation>%1, bis %2</translation>
    </message>
    <message>
        <source>none in %1</source>
        <extracomment>A year in which a rule gives no holiday</extracomment>
        <translation>entfällt %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>day, month and year</comment>
        <translation>%1. %2 %3</translation>
    </message>
    <message>
        <source>%1 more</source>
        <comment>changes</comment>
        <extracomment>How many more one-off changes a rule has</extracomment>
        <translation>%1 weitere</translation>
    </message>
    <message>
        <source>%1 (once: %2)</source>
        <extracomment>%1 is a rule&apos;s day, %2 its one-off changes, as in &quot;none in 2031, 8 May 2020&quot;</extracomment>
        <translation>%1 (einmalig: %2)</translation>
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
        <translation>Drucken</translation>
    </message>
    <message>
        <source>KORVELTs attached</source>
        <extracomment>Name of the list of KORVELTs attached, for screen readers</extracomment>
        <translation>Angeschlossene KORVELT</translation>
    </message>
</context>
<context>
    <name>ScheduleFiles</name>
    <message>
        <source>Data Files (*.dat);;All Files (*.*)</source>
        <extracomment>The file dialogs&apos; filter: keep &quot;(*.dat)&quot;, &quot;(*.*)&quot; and &quot;;;&quot; as they are</extracomment>
        <translation>Datendateien (*.dat);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Data has changed
Save now?</source>
        <extracomment>Asked before unsaved changes would be replaced; Yes saves them</extracomment>
        <translation>Daten wurden geändert
Jetzt speichern?</translation>
    </message>
    <message>
        <source>File: Untitled (unsaved changes)</source>
        <extracomment>Status area: the schedule was never saved</extracomment>
        <translation>Datei: Unbenannt (ungespeicherte Änderungen)</translation>
    </message>
    <message>
        <source>File: Untitled</source>
        <translation>Datei: Unbenannt</translation>
    </message>
    <message>
        <source>File: %1 (unsaved changes)</source>
        <extracomment>Status area; %1 is the data file&apos;s name</extracomment>
        <translation>Datei: %1 (ungespeicherte Änderungen)</translation>
    </message>
    <message>
        <source>File: %1</source>
        <extracomment>Status area; %1 is the data file&apos;s name</extracomment>
        <translation>Datei: %1</translation>
    </message>
    <message>
        <source>KORVELT schedule</source>
        <extracomment>The name the PDF file is offered under when the schedule was never saved</extracomment>
        <translation>KORVELT Schaltprogramm</translation>
    </message>
</context>
<context>
    <name>ScheduleJson</name>
    <message>
        <source>an object is expected</source>
        <translation>ein Objekt wird erwartet</translation>
    </message>
    <message>
        <source>unknown key</source>
        <translation>unbekannter Schlüssel</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>one day too many; there are %1</source>
        <translation>ein Tag zu viel; es sind %1</translation>
    </message>
    <message>
        <source>one slot too many; there are %1</source>
        <translation>eine Schaltzeit zu viel; es sind %1</translation>
    </message>
    <message>
        <source>one output too many; there are %1</source>
        <translation>ein Ausgang zu viel; es sind %1</translation>
    </message>
    <message>
        <source>one date too many; there are %1</source>
        <translation>ein Sondertag zu viel; es sind %1</translation>
    </message>
    <message>
        <source>missing; there are %1 days</source>
        <translation>fehlt; es sind %1 Tage</translation>
    </message>
    <message>
        <source>missing; there are %1 slots</source>
        <translation>fehlt; es sind %1 Schaltzeiten</translation>
    </message>
    <message>
        <source>missing; there are %1 outputs</source>
        <translation>fehlt; es sind %1 Ausgänge</translation>
    </message>
    <message>
        <source>missing; there are %1 dates</source>
        <translation>fehlt; es sind %1 Sondertage</translation>
    </message>
    <message>
        <source>an array is expected</source>
        <translation>ein Array wird erwartet</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2 is expected</source>
        <translation>eine ganze Zahl von %1 bis %2 wird erwartet</translation>
    </message>
    <message>
        <source>16 hexadecimal digits are expected</source>
        <translation>16 Hexadezimalziffern werden erwartet</translation>
    </message>
    <message>
        <source>a number or null is expected</source>
        <translation>eine Zahl oder null wird erwartet</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time HH:MM:SS</source>
        <translation>„%1“ ist keine Uhrzeit HH:MM:SS</translation>
    </message>
    <message>
        <source>a time &quot;HH:MM:SS&quot; is expected</source>
        <translation>eine Uhrzeit „HH:MM:SS“ wird erwartet</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date YYYY-MM-DD from %2 to %3</source>
        <translation>„%1“ ist kein Datum YYYY-MM-DD von %2 bis %3</translation>
    </message>
    <message>
        <source>a date &quot;YYYY-MM-DD&quot; is expected</source>
        <translation>ein Datum „YYYY-MM-DD“ wird erwartet</translation>
    </message>
    <message>
        <source>one of %1 is expected</source>
        <translation>einer der Werte %1 wird erwartet</translation>
    </message>
    <message>
        <source>an array of day names is expected</source>
        <translation>ein Array von Tagesnamen wird erwartet</translation>
    </message>
    <message>
        <source>a day name, Sunday to Saturday, once each, is expected</source>
        <translation>ein Tagesname von Sunday bis Saturday, jeder einmal, wird erwartet</translation>
    </message>
    <message>
        <source>does not agree with days</source>
        <translation>passt nicht zu days</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is expected</source>
        <translation>„%1“ wird erwartet</translation>
    </message>
    <message>
        <source>a later version of this format</source>
        <translation>eine spätere Version dieses Formats</translation>
    </message>
    <message>
        <source>%1 is expected here</source>
        <translation>hier wird %1 erwartet</translation>
    </message>
    <message>
        <source>not a byte of the data file that the loader leaves unread</source>
        <translation>kein Byte der Datendatei, das beim Laden ungelesen bleibt</translation>
    </message>
    <message>
        <source>the version would be a later one</source>
        <translation>die Version wäre eine spätere</translation>
    </message>
    <message>
        <source>neither a KORVELT data file nor a schedule in JSON</source>
        <translation>weder eine KORVELT-Datendatei noch ein Schaltprogramm in JSON</translation>
    </message>
    <message>
        <source>line %1: not JSON: %2</source>
        <translation>Zeile %1: kein JSON: %2</translation>
    </message>
    <message>
        <source>%1: the key is given twice</source>
        <translation>%1: der Schlüssel kommt zweimal vor</translation>
    </message>
    <message>
        <source>the top level</source>
        <translation>die oberste Ebene</translation>
    </message>
</context>
<context>
    <name>ScheduleReport</name>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Mon</source>
        <extracomment>The short weekday names heading the day columns of an output&apos;s table</extracomment>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message>
        <source>the first Sunday of %1</source>
        <extracomment>When the clocks change; %1 is a month</extracomment>
        <translation>am ersten Sonntag im %1</translation>
    </message>
    <message>
        <source>the second Sunday of %1</source>
        <translation>am zweiten Sonntag im %1</translation>
    </message>
    <message>
        <source>the third Sunday of %1</source>
        <translation>am dritten Sonntag im %1</translation>
    </message>
    <message>
        <source>the fourth Sunday of %1</source>
        <translation>am vierten Sonntag im %1</translation>
    </message>
    <message>
        <source>the last Sunday of %1</source>
        <translation>am letzten Sonntag im %1</translation>
    </message>
    <message>
        <source>a Sunday in %1 (no week chosen)</source>
        <extracomment>When the clocks change, with no week chosen; %1 is a month</extracomment>
        <translation>an einem Sonntag im %1 (keine Woche gewählt)</translation>
    </message>
    <message>
        <source>the first Sunday of a month (no month chosen)</source>
        <translation>am ersten Sonntag eines Monats (kein Monat gewählt)</translation>
    </message>
    <message>
        <source>the second Sunday of a month (no month chosen)</source>
        <translation>am zweiten Sonntag eines Monats (kein Monat gewählt)</translation>
    </message>
    <message>
        <source>the third Sunday of a month (no month chosen)</source>
        <translation>am dritten Sonntag eines Monats (kein Monat gewählt)</translation>
    </message>
    <message>
        <source>the fourth Sunday of a month (no month chosen)</source>
        <translation>am vierten Sonntag eines Monats (kein Monat gewählt)</translation>
    </message>
    <message>
        <source>the last Sunday of a month (no month chosen)</source>
        <translation>am letzten Sonntag eines Monats (kein Monat gewählt)</translation>
    </message>
    <message>
        <source>a day not chosen</source>
        <translation>an einem nicht gewählten Tag</translation>
    </message>
    <message>
        <source>Daylight saving off</source>
        <translation>Sommerzeit aus</translation>
    </message>
    <message>
        <source>Clocks go forward on %1 and back on %2</source>
        <extracomment>The daylight-saving rule in words; %1 and %2 are days such as &quot;the last Sunday of March&quot;</extracomment>
        <translation>Die Uhr wird %1 vor- und %2 zurückgestellt</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>range of outputs</comment>
        <extracomment>A range of output numbers, as in &quot;Outputs 1, 3 and 9 to 16&quot;</extracomment>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>list of outputs</comment>
        <extracomment>The list of output numbers: %1 all but the last, joined by commas, %2 the last, as in &quot;1, 3 and 9 to 16&quot;</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>, </source>
        <comment>list of outputs</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Outputs %1</source>
        <extracomment>%1 is a list of output numbers, as in &quot;1, 3 and 9 to 16&quot;</extracomment>
        <translation>Ausgänge %1</translation>
    </message>
    <message>
        <source>Output %1</source>
        <comment>one output in a list</comment>
        <extracomment>%1 is one output&apos;s number</extracomment>
        <translation>Ausgang %1</translation>
    </message>
    <message>
        <source>not saved</source>
        <extracomment>In the page header, in place of the file name</extracomment>
        <translation>nicht gespeichert</translation>
    </message>
    <message>
        <source>Printed: %1</source>
        <extracomment>In the page header: %1 is the date and time of printing</extracomment>
        <translation>Gedruckt: %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Datei: %1</translation>
    </message>
    <message>
        <source>KORVELT: %1, serial number %2</source>
        <extracomment>In the page header: %1 is the KORVELT&apos;s version, %2 its serial number</extracomment>
        <translation>KORVELT: %1, Seriennummer %2</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>in the past</source>
        <translation>vergangen</translation>
    </message>
    <message>
        <source>same as special date %1</source>
        <translation>wie Sondertag %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Wochentag</translation>
    </message>
    <message>
        <source>Special date</source>
        <extracomment>Column heading: the special date&apos;s number</extracomment>
        <translation>Sondertag</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(nicht gesetzt)</translation>
    </message>
    <message>
        <source>, </source>
        <comment>list of notes</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Special dates</source>
        <translation>Sondertage</translation>
    </message>
    <message>
        <source>Schedule check</source>
        <translation>Programmprüfung</translation>
    </message>
    <message>
        <source>Mistake: %1</source>
        <extracomment>%1 is a finding of the schedule check</extracomment>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Hinweis: %1</translation>
    </message>
    <message>
        <source>(empty)</source>
        <extracomment>An empty time cell</extracomment>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>slot start time</comment>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>End</source>
        <comment>slot end time</comment>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Special slot</source>
        <translation>Sonder-Nr.</translation>
    </message>
    <message>
        <source>Output %1</source>
        <comment>heading</comment>
        <extracomment>Heading of an output&apos;s tables</extracomment>
        <translation>Ausgang %1</translation>
    </message>
    <message>
        <source>Outputs with nothing set</source>
        <translation>Ausgänge ohne Einstellungen</translation>
    </message>
    <message>
        <source>%1: nothing set</source>
        <extracomment>%1 names outputs, as in &quot;Outputs 1, 3 and 9 to 16&quot;</extracomment>
        <translation>%1: nichts eingestellt</translation>
    </message>
    <message>
        <source>The week</source>
        <translation>Die Woche</translation>
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
            <numerusform>Die Zwischenablage enthält %1 Schaltzeiten; %n wurde in die ausgewählten Schaltzeiten eingefügt.</numerusform>
            <numerusform>Die Zwischenablage enthält %1 Schaltzeiten; %n wurden in die ausgewählten Schaltzeiten eingefügt.</numerusform>
        </translation>
    </message>
    <message>
        <source>The clipboard holds %1 slots; 1 was pasted, as slot %2 is the last.</source>
        <extracomment>%1 is how many slots the clipboard holds (at least 2), %2 the number of the grid&apos;s last slot</extracomment>
        <translation>Die Zwischenablage enthält %1 Schaltzeiten; 1 wurde eingefügt, da Schaltzeit %2 die letzte ist.</translation>
    </message>
    <message numerus="yes">
        <source>The clipboard holds %1 slots; %n were pasted, as slot %2 is the last.</source>
        <extracomment>%1 is how many slots the clipboard holds (at least 3), %n how many were pasted, %2 the number of the grid&apos;s last slot</extracomment>
        <translation>
            <numerusform>Die Zwischenablage enthält %1 Schaltzeiten; %n wurde eingefügt, da Schaltzeit %2 die letzte ist.</numerusform>
            <numerusform>Die Zwischenablage enthält %1 Schaltzeiten; %n wurden eingefügt, da Schaltzeit %2 die letzte ist.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SlotGridPage</name>
    <message>
        <source>&quot;%1&quot; is not a time of day: the day&apos;s last second is 23:59:59. The Start cell of slot %2 keeps its value.</source>
        <extracomment>%1 is the text typed, %2 the slot&apos;s number; name the column as its heading does</extracomment>
        <translation>„%1“ ist keine Uhrzeit: Die letzte Sekunde des Tages ist 23:59:59. Die Zelle Beginn von Schaltzeit %2 behält ihren Wert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time of day: the day&apos;s last second is 23:59:59. The End cell of slot %2 keeps its value.</source>
        <extracomment>%1 is the text typed, %2 the slot&apos;s number; name the column as its heading does</extracomment>
        <translation>„%1“ ist keine Uhrzeit: Die letzte Sekunde des Tages ist 23:59:59. Die Zelle Ende von Schaltzeit %2 behält ihren Wert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time. The Start cell of slot %2 keeps its value.

Type a time such as 13:30, 13:30:00, 7:05, 7.05, 1330, 133000, 9:30 am or 9:30 PM.</source>
        <extracomment>%1 is the text typed, %2 the slot&apos;s number; name the column as its heading does</extracomment>
        <translation>„%1“ ist keine Uhrzeit. Die Zelle Beginn von Schaltzeit %2 behält ihren Wert.

Geben Sie eine Uhrzeit ein, z. B. 13:30, 13:30:00, 7:05, 7.05, 1330, 133000, 9:30 am oder 9:30 PM.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time. The End cell of slot %2 keeps its value.

Type a time such as 13:30, 13:30:00, 7:05, 7.05, 1330, 133000, 9:30 am or 9:30 PM.</source>
        <translation>„%1“ ist keine Uhrzeit. Die Zelle Ende von Schaltzeit %2 behält ihren Wert.

Geben Sie eine Uhrzeit ein, z. B. 13:30, 13:30:00, 7:05, 7.05, 1330, 133000, 9:30 am oder 9:30 PM.</translation>
    </message>
</context>
<context>
    <name>WeekPage</name>
    <message>
        <source>1 mistake</source>
        <extracomment>Count of the schedule check</extracomment>
        <translation>1 Fehler</translation>
    </message>
    <message numerus="yes">
        <source>%n mistakes</source>
        <translation>
            <numerusform>%n Fehler</numerusform>
            <numerusform>%n Fehler</numerusform>
        </translation>
    </message>
    <message>
        <source>1 note</source>
        <extracomment>Count of the schedule check</extracomment>
        <translation>1 Hinweis</translation>
    </message>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n Hinweis</numerusform>
            <numerusform>%n Hinweise</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WeekPicture</name>
    <message>
        <source>Output %1</source>
        <extracomment>The label of an output&apos;s row in the week picture; keep it short</extracomment>
        <translation>Ausgang %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>slot times</comment>
        <extracomment>A slot&apos;s times: %1 its start, %2 its end</extracomment>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Special date %1: (not set)</source>
        <translation>Sondertag %1: (nicht gesetzt)</translation>
    </message>
    <message>
        <source>Special date %1: %2 %3</source>
        <extracomment>Heading of the week picture of a special date: %1 its number, %2 its weekday, %3 its date</extracomment>
        <translation>Sondertag %1: %2 %3</translation>
    </message>
    <message>
        <source>%1 (ends before it starts)</source>
        <extracomment>%1 is a slot&apos;s times, as in &quot;22:00:00 to 06:00:00&quot;</extracomment>
        <translation>%1 (endet vor dem Beginn)</translation>
    </message>
    <message>
        <source>off</source>
        <comment>day with nothing on</comment>
        <extracomment>An output&apos;s day with nothing on</extracomment>
        <translation>aus</translation>
    </message>
    <message>
        <source> and </source>
        <extracomment>Joins the times of a day&apos;s slots, as in &quot;06:00:00 to 07:00:00 and 18:00:00 to 20:00:00&quot;</extracomment>
        <translation> und </translation>
    </message>
    <message>
        <source>off all week</source>
        <translation>die ganze Woche aus</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>range of days</comment>
        <extracomment>A range of days, as in &quot;Mon to Fri&quot;</extracomment>
        <translation>%1 bis %2</translation>
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
Endet vor dem Beginn: bis Mitternacht gezeichnet, da nicht feststeht, ob die KORVELT die Schaltzeit über Mitternacht fortsetzt.</translation>
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
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Device log</source>
        <translation>Geräteprotokoll</translation>
    </message>
    <message>
        <source>Clock date</source>
        <translation>Datum der Uhr</translation>
    </message>
    <message>
        <source>Clock time</source>
        <translation>Uhrzeit der Uhr</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Schedule check</source>
        <translation>Programmprüfung</translation>
    </message>
    <message>
        <source>What the schedule check found; the Week page lists it.</source>
        <extracomment>Tooltip of the schedule check&apos;s count in the status area</extracomment>
        <translation>Was die Programmprüfung gefunden hat; die Seite „Woche“ listet es auf.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>&amp;Use PC Time</source>
        <extracomment>Check box: &quot;Set Time&quot; sends the computer&apos;s clock</extracomment>
        <translation>&amp;PC-Zeit nutzen</translation>
    </message>
    <message>
        <source>&amp;Verify after writing</source>
        <extracomment>Check box: a write is read back and compared</extracomment>
        <translation>Nach Schreiben &amp;verifizieren</translation>
    </message>
    <message>
        <source>&amp;Compare with KORVELT</source>
        <extracomment>Button; keep it short</extracomment>
        <translation>&amp;Mit KORVELT vergleichen</translation>
    </message>
</context>
<context>
    <name>korvelt::CompareDialog</name>
    <message>
        <source>Compare with KORVELT</source>
        <translation>Mit KORVELT vergleichen</translation>
    </message>
    <message>
        <source>Identical</source>
        <extracomment>The KORVELT holds exactly the window&apos;s schedule</extracomment>
        <translation>Identisch</translation>
    </message>
    <message>
        <source>The KORVELT differs from the window in 1 place:</source>
        <extracomment>Heading above the list of differences</extracomment>
        <translation>Die KORVELT weicht an 1 Stelle vom Fenster ab:</translation>
    </message>
    <message numerus="yes">
        <source>The KORVELT differs from the window in %n places:</source>
        <translation>
            <numerusform>Die KORVELT weicht an %n Stelle vom Fenster ab:</numerusform>
            <numerusform>Die KORVELT weicht an %n Stellen vom Fenster ab:</numerusform>
        </translation>
    </message>
    <message>
        <source>Take the KORVELT&apos;s schedule</source>
        <extracomment>Button: the window takes the schedule read from the KORVELT</extracomment>
        <translation>KORVELT-Programm übernehmen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Click a line to go to its place in the window</source>
        <translation>Klicken Sie auf eine Zeile, um zu ihrer Stelle im Fenster zu gehen</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Abweichungen</translation>
    </message>
</context>
<context>
    <name>korvelt::CopyOutputsDialog</name>
    <message>
        <source>Copy Output</source>
        <translation>Ausgang kopieren</translation>
    </message>
    <message>
        <source>Output %1</source>
        <comment>switched output number</comment>
        <extracomment>Check box of a switched output; %1 is its number</extracomment>
        <translation>Ausgang %1</translation>
    </message>
    <message>
        <source>The output copied</source>
        <translation>Der kopierte Ausgang</translation>
    </message>
    <message>
        <source>All</source>
        <comment>outputs</comment>
        <extracomment>Button that ticks every output</extracomment>
        <translation>Alle</translation>
    </message>
    <message>
        <source>None</source>
        <comment>outputs</comment>
        <extracomment>Button that clears every output</extracomment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>korvelt::DaylightSavingPage</name>
    <message>
        <source>Daylight Saving</source>
        <translation>Sommerzeit</translation>
    </message>
    <message>
        <source>&amp;Enable Daylight Saving</source>
        <extracomment>Check box; the letter after &quot;&amp;&quot; is pressed with Alt</extracomment>
        <translation>Sommer&amp;zeit aktivieren</translation>
    </message>
    <message>
        <source>Advance Clock</source>
        <extracomment>Group of the week in which the clock goes forward</extracomment>
        <translation>Uhr vorstellen</translation>
    </message>
    <message>
        <source>Retard Clock</source>
        <extracomment>Group of the week in which the clock goes back</extracomment>
        <translation>Uhr zurückstellen</translation>
    </message>
    <message>
        <source>Change Daylight Saving</source>
        <extracomment>Undo step</extracomment>
        <translation>Sommerzeit ändern</translation>
    </message>
    <message>
        <source>Advance clock</source>
        <extracomment>Accessible name of the group of the week in which the clock goes forward</extracomment>
        <translation>Uhr vorstellen</translation>
    </message>
    <message>
        <source>Retard clock</source>
        <extracomment>Accessible name of the group of the week in which the clock goes back</extracomment>
        <translation>Uhr zurückstellen</translation>
    </message>
    <message>
        <source>Advance clock month</source>
        <extracomment>Accessible name of the box of the month in which the clock goes forward</extracomment>
        <translation>Monat zum Vorstellen der Uhr</translation>
    </message>
    <message>
        <source>Retard clock month</source>
        <extracomment>Accessible name of the box of the month in which the clock goes back</extracomment>
        <translation>Monat zum Zurückstellen der Uhr</translation>
    </message>
</context>
<context>
    <name>korvelt::DevicePresenter</name>
    <message>
        <source>A write to the KORVELT is under way. If you stop it now, the KORVELT holds part of the old and part of the new schedule. Stop and close?</source>
        <translation>Die KORVELT wird gerade beschrieben. Wenn Sie jetzt abbrechen, enthält die KORVELT teils das alte, teils das neue Schaltprogramm. Abbrechen und schließen?</translation>
    </message>
    <message>
        <source>Nothing was written: the KORVELT cannot hold these values.</source>
        <translation>Es wurde nichts geschrieben: Die KORVELT kann diese Werte nicht speichern.</translation>
    </message>
    <message>
        <source>Correct them and write again.</source>
        <translation>Korrigieren Sie diese Werte und schreiben Sie erneut.</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <extracomment>Status: a command was stopped and nothing on the KORVELT changed</extracomment>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Written, not verified (cancelled)</source>
        <extracomment>Status: checking what was written was stopped</extracomment>
        <translation>Geschrieben, nicht verifiziert (abgebrochen)</translation>
    </message>
    <message>
        <source>Cancelled: the KORVELT holds part of the old and part of the new schedule. Write again.</source>
        <translation>Abgebrochen: Die KORVELT enthält teils das alte, teils das neue Schaltprogramm. Erneut schreiben.</translation>
    </message>
    <message>
        <source>%1, serial %2</source>
        <extracomment>The KORVELT that answered: %1 is its firmware version, %2 its serial number</extracomment>
        <translation>%1, Seriennr. %2</translation>
    </message>
    <message>
        <source>Vuradod Version:%1</source>
        <extracomment>Device log: %1 is the KORVELT&apos;s firmware version; &quot;Vuradod&quot; is the maker&apos;s own word</extracomment>
        <translation>Vuradod-Version:%1</translation>
    </message>
    <message>
        <source>Serial Number: %1</source>
        <extracomment>Device log: %1 is the KORVELT&apos;s serial number</extracomment>
        <translation>Seriennummer: %1</translation>
    </message>
    <message>
        <source>Verified: the KORVELT holds this schedule</source>
        <extracomment>Status after a write that was read back</extracomment>
        <translation>Verifiziert: Schaltprogramm in der KORVELT</translation>
    </message>
    <message>
        <source>Written, not verified</source>
        <translation>Geschrieben, nicht verifiziert</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <extracomment>Message after a write to the KORVELT</extracomment>
        <translation>Übertragung abgeschlossen</translation>
    </message>
    <message>
        <source>Read from KORVELT</source>
        <extracomment>Status after a read</extracomment>
        <translation>Aus KORVELT gelesen</translation>
    </message>
    <message>
        <source>Read Complete</source>
        <translation>Auslesen abgeschlossen</translation>
    </message>
    <message>
        <source>Identical to the KORVELT</source>
        <extracomment>Status after a comparison</extracomment>
        <translation>Identisch mit der KORVELT</translation>
    </message>
    <message>
        <source>1 difference from the KORVELT</source>
        <translation>1 Abweichung von der KORVELT</translation>
    </message>
    <message numerus="yes">
        <source>%n differences from the KORVELT</source>
        <translation>
            <numerusform>%n Abweichung von der KORVELT</numerusform>
            <numerusform>%n Abweichungen von der KORVELT</numerusform>
        </translation>
    </message>
    <message>
        <source>The KORVELT&apos;s schedule was taken</source>
        <extracomment>Status: the window took the schedule read from the KORVELT</extracomment>
        <translation>Schaltprogramm der KORVELT übernommen</translation>
    </message>
    <message>
        <source>KORVELT connected</source>
        <translation>KORVELT verbunden</translation>
    </message>
    <message>
        <source>The KORVELT&apos;s clock holds no valid time</source>
        <translation>KORVELT-Uhr ohne gültige Uhrzeit</translation>
    </message>
    <message>
        <source>PC %1: %2</source>
        <extracomment>Status after Read Time: %1 is the computer&apos;s time, %2 how far the KORVELT&apos;s clock is from it</extracomment>
        <translation>PC %1: %2</translation>
    </message>
    <message>
        <source>Cannot find KORVELT</source>
        <extracomment>%1 is the system&apos;s reason, %2 what to do about it</extracomment>
        <translation>KORVELT nicht gefunden</translation>
    </message>
    <message>
        <source>Cannot find KORVELT
A KORVELT was found but could not be opened (%1). %2</source>
        <translation>KORVELT nicht gefunden
Eine KORVELT wurde gefunden, konnte aber nicht geöffnet werden (%1). %2</translation>
    </message>
    <message>
        <source>No KORVELT found</source>
        <translation>Keine KORVELT gefunden</translation>
    </message>
    <message>
        <source>Program Mode</source>
        <extracomment>The KORVELT is being set up at its own keys and takes no commands</extracomment>
        <translation>Programmiermodus</translation>
    </message>
    <message>
        <source>KORVELT is in Program Mode</source>
        <translation>KORVELT ist im Programmiermodus</translation>
    </message>
    <message>
        <source>Not a KORVELT time controller</source>
        <translation>Keine KORVELT-Zeitschaltuhr</translation>
    </message>
    <message>
        <source>Stopped: not a KORVELT time controller</source>
        <translation>Abgebrochen: keine KORVELT-Zeitschaltuhr</translation>
    </message>
    <message>
        <source>Application is not a KORVELT Time Control</source>
        <translation>Anwendung ist keine KORVELT Time Control</translation>
    </message>
    <message>
        <source>Not verified</source>
        <translation>Nicht verifiziert</translation>
    </message>
    <message>
        <source>block %1 reads back as erased memory</source>
        <extracomment>%1 is the block&apos;s number</extracomment>
        <translation>Block %1 wird als gelöschter Speicher zurückgelesen</translation>
    </message>
    <message>
        <source>block %1 reads back as values that are not times or dates</source>
        <extracomment>%1 is the block&apos;s number</extracomment>
        <translation>Block %1 wird mit Werten zurückgelesen, die keine Uhrzeiten oder Daten sind</translation>
    </message>
    <message>
        <source>Read failed</source>
        <translation>Lesen fehlgeschlagen</translation>
    </message>
    <message>
        <source>KORVELT sent invalid schedule data.
Block %1</source>
        <extracomment>%1 is the block&apos;s number</extracomment>
        <translation>KORVELT hat ungültige Programmdaten gesendet.
Block %1</translation>
    </message>
    <message>
        <source>KORVELT not answering</source>
        <translation>KORVELT antwortet nicht</translation>
    </message>
    <message>
        <source>Stopped: no answer</source>
        <translation>Abgebrochen: keine Antwort</translation>
    </message>
    <message>
        <source>No KORVELT connected</source>
        <translation>Keine KORVELT angeschlossen</translation>
    </message>
    <message>
        <source>Stopped: unplugged</source>
        <translation>Abgebrochen: abgezogen</translation>
    </message>
    <message>
        <source>The schedule has changed since it was written to the KORVELT</source>
        <extracomment>Status: the window&apos;s schedule was edited, loaded or undone after it was written</extracomment>
        <translation>Das Schaltprogramm wurde geändert, seit es in die KORVELT geschrieben wurde</translation>
    </message>
    <message>
        <source>Stopped, no answer: the KORVELT holds part of the old and part of the new schedule. Write again.</source>
        <translation>Abgebrochen, keine Antwort: Die KORVELT enthält teils das alte, teils das neue Schaltprogramm. Erneut schreiben.</translation>
    </message>
    <message>
        <source>Stopped, unplugged: the KORVELT holds part of the old and part of the new schedule. Write again.</source>
        <translation>Abgebrochen, abgezogen: Die KORVELT enthält teils das alte, teils das neue Schaltprogramm. Erneut schreiben.</translation>
    </message>
</context>
<context>
    <name>korvelt::HelpMenu</name>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Handbuch</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>System</source>
        <comment>the desktop&apos;s language</comment>
        <translation>System</translation>
    </message>
    <message>
        <source>The language changes when the program is started again.</source>
        <translation>Die Sprache wechselt beim nächsten Start des Programms.</translation>
    </message>
</context>
<context>
    <name>korvelt::HelpWindow</name>
    <message>
        <source>Back</source>
        <extracomment>Button of the help window; keep it short</extracomment>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Type in the keyword to find:</source>
        <translation>Suchbegriff eingeben:</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>KORVELT Time Control Help</source>
        <translation>KORVELT Time Control – Hilfe</translation>
    </message>
</context>
<context>
    <name>korvelt::HolidaysDialog</name>
    <message>
        <source>Period</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Calendar year</source>
        <translation>Kalenderjahr</translation>
    </message>
    <message>
        <source>The next 12 months from today</source>
        <translation>Die nächsten 12 Monate ab heute</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Add Country</source>
        <translation>Land hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Load Rules…</source>
        <translation>Regeln laden…</translation>
    </message>
    <message>
        <source>Save Rules…</source>
        <translation>Regeln speichern…</translation>
    </message>
    <message>
        <source>Own rule:</source>
        <translation>Eigene Regel:</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>Regel hinzufügen</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Feiertage</translation>
    </message>
    <message>
        <source>With fewer than %1 holidays the other special dates</source>
        <translation>Bei weniger als %1 Feiertagen: die übrigen Sondertage</translation>
    </message>
    <message>
        <source>keep their dates</source>
        <translation>behalten ihr Datum</translation>
    </message>
    <message>
        <source>repeat the last holiday</source>
        <translation>wiederholen den letzten Feiertag</translation>
    </message>
    <message>
        <source>Fill Special Dates</source>
        <translation>Sondertage eintragen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Holidays</source>
        <comment>window title</comment>
        <translation>Feiertage</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>preset and its code</comment>
        <extracomment>A preset in the list: %1 is its country or region, %2 its short code</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Fixed date</source>
        <translation>Festes Datum</translation>
    </message>
    <message>
        <source>Days from Easter Sunday</source>
        <translation>Tage ab Ostersonntag</translation>
    </message>
    <message>
        <source>Weekday of a month</source>
        <translation>Wochentag eines Monats</translation>
    </message>
    <message>
        <source>Last weekday of a month</source>
        <translation>Letzter Wochentag eines Monats</translation>
    </message>
    <message>
        <source>Stays on a weekend</source>
        <translation>Bleibt am Wochenende</translation>
    </message>
    <message>
        <source>On a weekend, the next Monday</source>
        <translation>Am Wochenende: nächster Montag</translation>
    </message>
    <message>
        <source>Saturday to Friday, Sunday to Monday</source>
        <translation>Samstag auf Freitag, Sonntag auf Montag</translation>
    </message>
    <message>
        <source>Sunday to the Saturday before</source>
        <translation>Sonntag auf den Samstag davor</translation>
    </message>
    <message>
        <source>Sunday to the next Monday</source>
        <translation>Sonntag auf den folgenden Montag</translation>
    </message>
    <message>
        <source>On that date</source>
        <translation>Am Datum selbst</translation>
    </message>
    <message>
        <source>The weekday before it</source>
        <translation>Der Wochentag davor</translation>
    </message>
    <message>
        <source>The weekday after it</source>
        <translation>Der Wochentag danach</translation>
    </message>
    <message>
        <source>The weekday on or before it</source>
        <translation>Der Wochentag am oder vor dem Datum</translation>
    </message>
    <message>
        <source>The weekday on or after it</source>
        <translation>Der Wochentag am oder nach dem Datum</translation>
    </message>
    <message>
        <source>any year</source>
        <translation>beliebiges Jahr</translation>
    </message>
    <message>
        <source>from </source>
        <extracomment>Prefix of the first-year box, before the year</extracomment>
        <translation>ab </translation>
    </message>
    <message>
        <source>until </source>
        <extracomment>Prefix of the last-year box, before the year</extracomment>
        <translation>bis </translation>
    </message>
    <message>
        <source>every </source>
        <extracomment>Prefix of the every-how-many-years box, before the number</extracomment>
        <translation>alle </translation>
    </message>
    <message>
        <source> years</source>
        <extracomment>Suffix of the every-how-many-years box, after the number (2 or more)</extracomment>
        <translation> Jahre</translation>
    </message>
    <message>
        <source>every year</source>
        <translation>jedes Jahr</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>holiday name</comment>
        <extracomment>Placeholder of the own rule&apos;s name box</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Column headings of the holidays: the date, its weekday, the holiday&apos;s name, the special date&apos;s number</extracomment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Day</source>
        <comment>weekday column</comment>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Feiertag</translation>
    </message>
    <message>
        <source>No.</source>
        <comment>special date number column</comment>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Rules</source>
        <comment>accessible name of the rule list</comment>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Remove rule</source>
        <translation>Regel entfernen</translation>
    </message>
    <message>
        <source>Load rules</source>
        <translation>Regeln laden</translation>
    </message>
    <message>
        <source>Save rules</source>
        <translation>Regeln speichern</translation>
    </message>
    <message>
        <source>Own rule&apos;s name</source>
        <translation>Name der eigenen Regel</translation>
    </message>
    <message>
        <source>Own rule&apos;s kind</source>
        <translation>Art der eigenen Regel</translation>
    </message>
    <message>
        <source>Own rule&apos;s day</source>
        <translation>Tag der eigenen Regel</translation>
    </message>
    <message>
        <source>Own rule&apos;s weekday</source>
        <translation>Wochentag der eigenen Regel</translation>
    </message>
    <message>
        <source>Own rule&apos;s month</source>
        <translation>Monat der eigenen Regel</translation>
    </message>
    <message>
        <source>Own rule on a weekend</source>
        <translation>Eigene Regel am Wochenende</translation>
    </message>
    <message>
        <source>Own rule on the date or a weekday before or after</source>
        <translation>Eigene Regel am Datum oder an einem Wochentag davor oder danach</translation>
    </message>
    <message>
        <source>Weekday before or after</source>
        <translation>Wochentag davor oder danach</translation>
    </message>
    <message>
        <source>Own rule&apos;s first year</source>
        <translation>Erstes Jahr der eigenen Regel</translation>
    </message>
    <message>
        <source>Own rule&apos;s last year</source>
        <translation>Letztes Jahr der eigenen Regel</translation>
    </message>
    <message>
        <source>Own rule every how many years</source>
        <translation>Eigene Regel alle wie viele Jahre</translation>
    </message>
    <message>
        <source>Holidays of the period</source>
        <translation>Feiertage des Zeitraums</translation>
    </message>
    <message>
        <source>Other special dates keep their dates</source>
        <translation>Übrige Sondertage behalten ihr Datum</translation>
    </message>
    <message>
        <source>Other special dates repeat the last holiday</source>
        <translation>Übrige Sondertage wiederholen den letzten Feiertag</translation>
    </message>
    <message numerus="yes">
        <source>Added the %n rules of %1.</source>
        <extracomment>%n is how many rules (always several), %1 the country or region</extracomment>
        <translation>
            <numerusform>Die %n Regel für %1 wurde hinzugefügt.</numerusform>
            <numerusform>Die %n Regeln für %1 wurden hinzugefügt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n rules of %1 are in the list already: none added again.</source>
        <extracomment>%n is how many rules (always several), %1 the country or region</extracomment>
        <translation>
            <numerusform>Die %n Regel für %1 steht schon in der Liste: nicht erneut hinzugefügt.</numerusform>
            <numerusform>Die %n Regeln für %1 stehen schon in der Liste: keine erneut hinzugefügt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Added 1 rule of %1; 1 is in the list already.</source>
        <extracomment>%1 is the country or region</extracomment>
        <translation>1 Regel für %1 hinzugefügt; 1 steht schon in der Liste.</translation>
    </message>
    <message numerus="yes">
        <source>Added 1 rule of %1; %n are in the list already.</source>
        <extracomment>%1 is the country or region, %n how many rules were in the list already</extracomment>
        <translation>
            <numerusform>1 Regel für %1 hinzugefügt; %n steht schon in der Liste.</numerusform>
            <numerusform>1 Regel für %1 hinzugefügt; %n stehen schon in der Liste.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %n rules of %1; 1 is in the list already.</source>
        <extracomment>%n is how many rules were added, %1 the country or region</extracomment>
        <translation>
            <numerusform>%n Regel für %1 hinzugefügt; 1 steht schon in der Liste.</numerusform>
            <numerusform>%n Regeln für %1 hinzugefügt; 1 steht schon in der Liste.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %n rules of %1; %2 are in the list already.</source>
        <extracomment>%n is how many rules were added, %1 the country or region, %2 how many were in the list already</extracomment>
        <translation>
            <numerusform>%n Regel für %1 hinzugefügt; %2 stehen schon in der Liste.</numerusform>
            <numerusform>%n Regeln für %1 hinzugefügt; %2 stehen schon in der Liste.</numerusform>
        </translation>
    </message>
    <message>
        <source>days </source>
        <extracomment>Prefix of the number box of a rule counted from Easter, before the number of days</extracomment>
        <translation>Tage </translation>
    </message>
    <message>
        <source>no. </source>
        <comment>which weekday of the month</comment>
        <extracomment>Prefix of the number box of a rule&apos;s nth weekday, before the number</extracomment>
        <translation>Nr. </translation>
    </message>
    <message>
        <source>Which weekday of the month</source>
        <translation>Der wievielte Wochentag im Monat</translation>
    </message>
    <message>
        <source>Give the rule a name.</source>
        <translation>Geben Sie der Regel einen Namen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in the list already: not added again.</source>
        <extracomment>%1 is the rule in words</extracomment>
        <translation>„%1“ steht schon in der Liste: nicht erneut hinzugefügt.</translation>
    </message>
    <message>
        <source>Added &quot;%1&quot;.</source>
        <extracomment>%1 is the rule in words</extracomment>
        <translation>„%1“ hinzugefügt.</translation>
    </message>
    <message>
        <source>Removed 1 rule.</source>
        <translation>1 Regel entfernt.</translation>
    </message>
    <message numerus="yes">
        <source>Removed %n rules.</source>
        <translation>
            <numerusform>%n Regel entfernt.</numerusform>
            <numerusform>%n Regeln entfernt.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 was not loaded.
%2</source>
        <extracomment>%1 is the file&apos;s name, %2 why it was not loaded</extracomment>
        <translation>%1 wurde nicht geladen.
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
        <translation>ausgelassen</translation>
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
        <translation>Keine Feiertage in diesem Zeitraum: Die Sondertage bleiben, wie sie sind.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more, marked in the list</source>
        <extracomment>%1 names the first holidays left out; %n how many more were left out</extracomment>
        <translation>
            <numerusform>%1 und %n weiterer, in der Liste gekennzeichnet</numerusform>
            <numerusform>%1 und %n weitere, in der Liste gekennzeichnet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n holidays: the KORVELT holds %2, the first %2 are used. Left out: %1.</source>
        <extracomment>%n is how many holidays there are (more than %2), %1 those left out, %2 how many the KORVELT holds (16)</extracomment>
        <translation>
            <numerusform>%n Feiertag: Die KORVELT speichert %2, die ersten %2 werden verwendet. Ausgelassen: %1.</numerusform>
            <numerusform>%n Feiertage: Die KORVELT speichert %2, die ersten %2 werden verwendet. Ausgelassen: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 holidays fill special dates 1 to 1.</source>
        <translation>1 Feiertag füllt Sondertag 1.</translation>
    </message>
    <message numerus="yes">
        <source>%n holidays fill special dates 1 to %n.</source>
        <extracomment>%n is how many holidays there are (2 to 16)</extracomment>
        <translation>
            <numerusform>%n Feiertag füllt die Sondertage 1 bis %n.</numerusform>
            <numerusform>%n Feiertage füllen die Sondertage 1 bis %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Left out: %1</source>
        <extracomment>%1 lists the holidays left out</extracomment>
        <translation>Ausgelassen: %1</translation>
    </message>
    <message>
        <source>1 rule added replaces the same rule of %1.</source>
        <extracomment>%1 is the country whose rule a region&apos;s rule replaced, ticked or not as the region has it</extracomment>
        <translation>1 hinzugefügte Regel ersetzt die gleiche Regel von %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n rules added replace the same rules of %1.</source>
        <translation>
            <numerusform>%n hinzugefügte Regel ersetzt die gleiche Regel von %1.</numerusform>
            <numerusform>%n hinzugefügte Regeln ersetzen die gleichen Regeln von %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 holiday fills special date 1; special dates %1 to %2 repeat it.</source>
        <extracomment>The special dates after the one holiday repeat it; %1 is the first of them, %2 the last</extracomment>
        <translation>1 Feiertag füllt Sondertag 1; die Sondertage %1 bis %2 wiederholen ihn.</translation>
    </message>
    <message numerus="yes">
        <source>%n holidays fill special dates 1 to %n; special date %1 repeats the last one.</source>
        <extracomment>%n is how many holidays there are (one fewer than the special dates); %1 is the last special date, which repeats the last holiday</extracomment>
        <translation>
            <numerusform>%n Feiertag füllt die Sondertage 1 bis %n; Sondertag %1 wiederholt den letzten.</numerusform>
            <numerusform>%n Feiertage füllen die Sondertage 1 bis %n; Sondertag %1 wiederholt den letzten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n holidays fill special dates 1 to %n; special dates %1 to %2 repeat the last one.</source>
        <extracomment>%n is how many holidays there are (2 to 14); %1 and %2 are the first and the last special date that repeat the last holiday</extracomment>
        <translation>
            <numerusform>%n Feiertag füllt die Sondertage 1 bis %n; die Sondertage %1 bis %2 wiederholen den letzten.</numerusform>
            <numerusform>%n Feiertage füllen die Sondertage 1 bis %n; die Sondertage %1 bis %2 wiederholen den letzten.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korvelt::MainActions</name>
    <message>
        <source>&amp;Load File…</source>
        <translation>Datei &amp;laden…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Speichern u&amp;nter…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Opens the user guide</extracomment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Write To KORVELT</source>
        <translation>&amp;In KORVELT schreiben</translation>
    </message>
    <message>
        <source>&amp;Read From KORVELT</source>
        <translation>&amp;Aus KORVELT lesen</translation>
    </message>
    <message>
        <source>&amp;Compare with KORVELT</source>
        <translation>&amp;Mit KORVELT vergleichen</translation>
    </message>
    <message>
        <source>Set &amp;Time</source>
        <extracomment>Sets the KORVELT&apos;s clock</extracomment>
        <translation>&amp;Uhr stellen</translation>
    </message>
    <message>
        <source>Read T&amp;ime</source>
        <extracomment>Reads the KORVELT&apos;s clock</extracomment>
        <translation>Uh&amp;r lesen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Stops the command running on the KORVELT</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation>PDF e&amp;xportieren…</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>%1 is the step to undo, for example &quot;Edit slot 3 of output 2&quot;</extracomment>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>%1 is the step to redo, for example &quot;Edit slot 3 of output 2&quot;</extracomment>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>&amp;Load File</source>
        <extracomment>Button of Load File…; keep it short</extracomment>
        <translation>Datei &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Save File</source>
        <extracomment>Button of Save; keep it short</extracomment>
        <translation>Datei &amp;speichern</translation>
    </message>
</context>
<context>
    <name>korvelt::SchedulePages</name>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Times</source>
        <extracomment>Tab of the weekly slots</extracomment>
        <translation>Zeiten</translation>
    </message>
    <message>
        <source>Special Times</source>
        <extracomment>Tab of the slots of the special dates</extracomment>
        <translation>Sonderzeiten</translation>
    </message>
    <message>
        <source>Daylight Saving</source>
        <translation>Sommerzeit</translation>
    </message>
    <message>
        <source>Week</source>
        <extracomment>Tab of the picture of the week and the schedule check</extracomment>
        <translation>Woche</translation>
    </message>
</context>
<context>
    <name>korvelt::SlotGridPage</name>
    <message>
        <source>Output</source>
        <comment>switched output number</comment>
        <extracomment>Label of the box that chooses the output the grid shows</extracomment>
        <translation>Ausgang</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>slots</comment>
        <extracomment>Grid&apos;s menu: copies the selected slots</extracomment>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <comment>slots</comment>
        <extracomment>Grid&apos;s menu: pastes the slots copied</extracomment>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Copy output %1 to…</source>
        <extracomment>Grid&apos;s menu; %1 is the output&apos;s number</extracomment>
        <translation>Ausgang %1 kopieren nach…</translation>
    </message>
    <message>
        <source>Slot</source>
        <comment>slot number</comment>
        <extracomment>Heading of the column of slot numbers</extracomment>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>slot start time</comment>
        <extracomment>Heading of the column of the times a slot switches on</extracomment>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>End</source>
        <comment>slot end time</comment>
        <extracomment>Heading of the column of the times a slot switches off</extracomment>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Edit slot %1 of output %2</source>
        <extracomment>Undo step; %1 is the slot&apos;s number, %2 the output&apos;s</extracomment>
        <translation>Schaltzeit %1 von Ausgang %2 bearbeiten</translation>
    </message>
    <message>
        <source>Edit special slot %1 of output %2</source>
        <translation>Sonderschaltzeit %1 von Ausgang %2 bearbeiten</translation>
    </message>
    <message>
        <source>Paste 1 slot into output %1</source>
        <extracomment>Undo step; %1 is the output&apos;s number</extracomment>
        <translation>1 Schaltzeit in Ausgang %1 einfügen</translation>
    </message>
    <message numerus="yes">
        <source>Paste %n slots into output %1</source>
        <extracomment>Undo step; %n is how many slots, %1 the output&apos;s number</extracomment>
        <translation>
            <numerusform>%n Schaltzeit in Ausgang %1 einfügen</numerusform>
            <numerusform>%n Schaltzeiten in Ausgang %1 einfügen</numerusform>
        </translation>
    </message>
    <message>
        <source>Paste 1 special slot into output %1</source>
        <extracomment>Undo step; %1 is the output&apos;s number</extracomment>
        <translation>1 Sonderschaltzeit in Ausgang %1 einfügen</translation>
    </message>
    <message numerus="yes">
        <source>Paste %n special slots into output %1</source>
        <extracomment>Undo step; %n is how many slots, %1 the output&apos;s number</extracomment>
        <translation>
            <numerusform>%n Sonderschaltzeit in Ausgang %1 einfügen</numerusform>
            <numerusform>%n Sonderschaltzeiten in Ausgang %1 einfügen</numerusform>
        </translation>
    </message>
    <message>
        <source>Clear 1 slot of output %1</source>
        <extracomment>Undo step; %1 is the output&apos;s number</extracomment>
        <translation>1 Schaltzeit von Ausgang %1 löschen</translation>
    </message>
    <message numerus="yes">
        <source>Clear %n slots of output %1</source>
        <extracomment>Undo step; %n is how many slots, %1 the output&apos;s number</extracomment>
        <translation>
            <numerusform>%n Schaltzeit von Ausgang %1 löschen</numerusform>
            <numerusform>%n Schaltzeiten von Ausgang %1 löschen</numerusform>
        </translation>
    </message>
    <message>
        <source>Clear 1 special slot of output %1</source>
        <extracomment>Undo step; %1 is the output&apos;s number</extracomment>
        <translation>1 Sonderschaltzeit von Ausgang %1 löschen</translation>
    </message>
    <message numerus="yes">
        <source>Clear %n special slots of output %1</source>
        <extracomment>Undo step; %n is how many slots, %1 the output&apos;s number</extracomment>
        <translation>
            <numerusform>%n Sonderschaltzeit von Ausgang %1 löschen</numerusform>
            <numerusform>%n Sonderschaltzeiten von Ausgang %1 löschen</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy the normal times of output %1 to:</source>
        <extracomment>Copy Output dialog, above the outputs to tick; %1 is the output copied</extracomment>
        <translation>Regelzeiten von Ausgang %1 kopieren nach:</translation>
    </message>
    <message>
        <source>Copy the special times of output %1 to:</source>
        <translation>Sonderzeiten von Ausgang %1 kopieren nach:</translation>
    </message>
    <message>
        <source>Copy the normal times of output %1 to output %2</source>
        <extracomment>Undo step; %1 is the output copied, %2 the one copied to</extracomment>
        <translation>Regelzeiten von Ausgang %1 auf Ausgang %2 kopieren</translation>
    </message>
    <message numerus="yes">
        <source>Copy the normal times of output %1 to %n outputs</source>
        <extracomment>Undo step; %1 is the output copied, %n how many outputs it was copied to</extracomment>
        <translation>
            <numerusform>Regelzeiten von Ausgang %1 auf %n Ausgang kopieren</numerusform>
            <numerusform>Regelzeiten von Ausgang %1 auf %n Ausgänge kopieren</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy the special times of output %1 to output %2</source>
        <extracomment>Undo step; %1 is the output copied, %2 the one copied to</extracomment>
        <translation>Sonderzeiten von Ausgang %1 auf Ausgang %2 kopieren</translation>
    </message>
    <message numerus="yes">
        <source>Copy the special times of output %1 to %n outputs</source>
        <extracomment>Undo step; %1 is the output copied, %n how many outputs it was copied to</extracomment>
        <translation>
            <numerusform>Sonderzeiten von Ausgang %1 auf %n Ausgang kopieren</numerusform>
            <numerusform>Sonderzeiten von Ausgang %1 auf %n Ausgänge kopieren</numerusform>
        </translation>
    </message>
    <message>
        <source>Normal times, output %1</source>
        <extracomment>Accessible name of the grid; %1 is the output&apos;s number</extracomment>
        <translation>Regelzeiten, Ausgang %1</translation>
    </message>
    <message>
        <source>Special times, output %1</source>
        <translation>Sonderzeiten, Ausgang %1</translation>
    </message>
</context>
<context>
    <name>korvelt::SpecialDateEdit</name>
    <message>
        <source>%1, past</source>
        <extracomment>Beside a special date in the past: %1 is its short weekday name</extracomment>
        <translation>%1, vergangen</translation>
    </message>
    <message>
        <source>%1 (in the past)</source>
        <translation>%1 (vergangen)</translation>
    </message>
    <message>
        <source>Special date %1: %2 is outside the years %3 to %4. It keeps %5.</source>
        <extracomment>%1 is the special date&apos;s number, %2 the text typed, %3 and %4 the first and last year, %5 the date it keeps</extracomment>
        <translation>Sondertag %1: %2 liegt außerhalb der Jahre %3 bis %4. Er behält %5.</translation>
    </message>
    <message>
        <source>Special date %1: %2 is not a date. It keeps %3.</source>
        <extracomment>%1 is the special date&apos;s number, %2 the text typed, %3 the date it keeps</extracomment>
        <translation>Sondertag %1: %2 ist kein Datum. Er behält %3.</translation>
    </message>
</context>
<context>
    <name>korvelt::SpecialDatesBox</name>
    <message>
        <source>Special Dates</source>
        <translation>Sondertage</translation>
    </message>
    <message>
        <source>Special date %1</source>
        <extracomment>%1 is the special date&apos;s number, 1 to 16</extracomment>
        <translation>Sondertag %1</translation>
    </message>
    <message>
        <source>Holidays…</source>
        <extracomment>Button that opens the Holidays dialog; keep it short</extracomment>
        <translation>Feiertage…</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Feiertage</translation>
    </message>
    <message>
        <source>Fill the special dates with the holidays of a year</source>
        <translation>Füllt die Sondertage mit den Feiertagen eines Jahres</translation>
    </message>
    <message>
        <source>(not set)</source>
        <extracomment>A special date&apos;s picker that holds no date</extracomment>
        <translation>(nicht gesetzt)</translation>
    </message>
    <message>
        <source>Change special date %1</source>
        <extracomment>Undo step; %1 is the special date&apos;s number, 1 to 16</extracomment>
        <translation>Sondertag %1 ändern</translation>
    </message>
    <message>
        <source>Fill Special Dates</source>
        <extracomment>Undo step</extracomment>
        <translation>Sondertage eintragen</translation>
    </message>
</context>
<context>
    <name>korvelt::SpecialTimesPage</name>
    <message>
        <source>Special Times</source>
        <extracomment>Title of the grid of the slots of the special dates</extracomment>
        <translation>Sonderzeiten</translation>
    </message>
    <message>
        <source>Special times output</source>
        <extracomment>The box that chooses the output the grid shows</extracomment>
        <translation>Ausgang der Sonderzeiten</translation>
    </message>
</context>
<context>
    <name>korvelt::TMainForm</name>
    <message>
        <source>KORVELT Time Control Vesion: %1</source>
        <extracomment>The window&apos;s caption; &quot;Vesion&quot; is spelt so on purpose in English. %1 is the version</extracomment>
        <translation>KORVELT Time Control Version: %1</translation>
    </message>
    <message>
        <source>Edit</source>
        <extracomment>Undo step of an edit committed when a command starts</extracomment>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Read From KORVELT</source>
        <extracomment>Undo step: the schedule was read from the KORVELT</extracomment>
        <translation>Aus KORVELT lesen</translation>
    </message>
    <message>
        <source>Take the KORVELT&apos;s schedule</source>
        <extracomment>Undo step: the window took the schedule the comparison read</extracomment>
        <translation>KORVELT-Programm übernehmen</translation>
    </message>
    <message>
        <source>Replace the schedule</source>
        <translation>Schaltprogramm ersetzen</translation>
    </message>
</context>
<context>
    <name>korvelt::TimeGrid</name>
    <message>
        <source>Columns</source>
        <comment>accessible name of the grid&apos;s column headings</comment>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Slots</source>
        <comment>accessible name of the grid&apos;s slot numbers</comment>
        <translation>Schaltzeiten</translation>
    </message>
    <message>
        <source>Slot</source>
        <comment>accessible name of the grid&apos;s corner</comment>
        <translation>Schaltzeit</translation>
    </message>
</context>
<context>
    <name>korvelt::TimeGridDelegate</name>
    <message>
        <source>Time</source>
        <comment>accessible name of a time cell&apos;s editor</comment>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Day</source>
        <comment>accessible name of a day cell&apos;s editor</comment>
        <translation>Tag</translation>
    </message>
</context>
<context>
    <name>korvelt::TimesPage</name>
    <message>
        <source>Set Days</source>
        <extracomment>Grid&apos;s menu: sets the days of the slot</extracomment>
        <translation>Tage setzen</translation>
    </message>
    <message>
        <source>All</source>
        <comment>days</comment>
        <extracomment>Set Days: every day on</extracomment>
        <translation>Alle</translation>
    </message>
    <message>
        <source>None</source>
        <comment>days</comment>
        <extracomment>Set Days: every day off</extracomment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <extracomment>Set Days: Monday to Friday on</extracomment>
        <translation>Mo–Fr</translation>
    </message>
    <message>
        <source>Weekends</source>
        <extracomment>Set Days: Saturday and Sunday on</extracomment>
        <translation>Wochenende</translation>
    </message>
    <message>
        <source>Normal Times</source>
        <extracomment>Title of the grid of the weekly slots</extracomment>
        <translation>Regelzeiten</translation>
    </message>
    <message>
        <source>Normal times output</source>
        <extracomment>The box that chooses the output the grid shows</extracomment>
        <translation>Ausgang der Regelzeiten</translation>
    </message>
    <message>
        <source>Set Days of slot %1 of output %2</source>
        <extracomment>Undo step; %1 is the slot&apos;s number, %2 the output&apos;s</extracomment>
        <translation>Tage von Schaltzeit %1 in Ausgang %2 setzen</translation>
    </message>
</context>
<context>
    <name>korvelt::WeekPage</name>
    <message>
        <source>Normal week</source>
        <extracomment>Picks the picture of the week of the normal times</extracomment>
        <translation>Regelwoche</translation>
    </message>
    <message>
        <source>Special date %1</source>
        <extracomment>Picks the picture of a special date; %1 is its number, 1 to 16</extracomment>
        <translation>Sondertag %1</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation>PDF e&amp;xportieren…</translation>
    </message>
    <message>
        <source>A report of the whole schedule, in a preview to print from (Ctrl+P)</source>
        <translation>Ein Bericht über das ganze Schaltprogramm, in einer Vorschau zum Drucken (Strg+P)</translation>
    </message>
    <message>
        <source>The same report saved as a PDF file</source>
        <translation>Derselbe Bericht, als PDF-Datei gespeichert</translation>
    </message>
    <message>
        <source>Week or special date</source>
        <translation>Woche oder Sondertag</translation>
    </message>
    <message>
        <source>Schedule check</source>
        <translation>Programmprüfung</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>Special date %1 (%2)</source>
        <translation>Sondertag %1 (%2)</translation>
    </message>
    <message>
        <source>Mistake: %1</source>
        <extracomment>A finding of the schedule check that is likely wrong; %1 is the finding</extracomment>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Hinweis: %1</translation>
    </message>
    <message>
        <source>The schedule check found nothing.</source>
        <translation>Die Programmprüfung hat nichts gefunden.</translation>
    </message>
    <message>
        <source>No mistakes</source>
        <extracomment>Count of the schedule check in the status area</extracomment>
        <translation>Keine Fehler</translation>
    </message>
    <message>
        <source>No mistakes, %1</source>
        <extracomment>Count of the schedule check in the status area; %1 is the count of notes (&quot;2 notes&quot;)</extracomment>
        <translation>Keine Fehler, %1</translation>
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
        <translation>Das Schaltprogramm hat 1 möglichen Fehler (erster: %1). Trotzdem schreiben?</translation>
    </message>
    <message numerus="yes">
        <source>The schedule has %n possible mistakes (first: %1). Write anyway?</source>
        <extracomment>Question before a write; %n is how many mistakes, %1 the first of them</extracomment>
        <translation>
            <numerusform>Das Schaltprogramm hat %n möglichen Fehler (erster: %1). Trotzdem schreiben?</numerusform>
            <numerusform>Das Schaltprogramm hat %n mögliche Fehler (erster: %1). Trotzdem schreiben?</numerusform>
        </translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Report saved as %1</source>
        <extracomment>Status; %1 is the PDF file&apos;s name</extracomment>
        <translation>Bericht gespeichert als %1</translation>
    </message>
    <message>
        <source>The report could not be saved as &quot;%1&quot;.</source>
        <extracomment>%1 is the PDF file&apos;s path</extracomment>
        <translation>Der Bericht konnte nicht als „%1“ gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>korvelt::WeekView</name>
    <message>
        <source>Week</source>
        <extracomment>The picture of the week</extracomment>
        <translation>Woche</translation>
    </message>
    <message>
        <source>The times each output is on, one row for each output.</source>
        <translation>Die Zeiten, zu denen jeder Ausgang eingeschaltet ist, eine Zeile je Ausgang.</translation>
    </message>
    <message>
        <source>Output %1</source>
        <comment>switched output number</comment>
        <extracomment>A row of the week&apos;s picture; %1 is the output&apos;s number</extracomment>
        <translation>Ausgang %1</translation>
    </message>
</context>
<context>
    <name>korveltctl</name>
    <message>
        <source>Usage: korveltctl [--demo [N]] COMMAND [ARGUMENTS]
Programs KORVELT time controllers from scripts.

Commands:
</source>
        <translation>Aufruf: korveltctl [--demo [N]] COMMAND [ARGUMENTS]
Programmiert KORVELT-Zeitschaltuhren aus Skripten.

Befehle:
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
Optionen: --demo [N] verwendet N simulierte KORVELTs (1 ohne N), Seriennummern 1 bis N;
-h oder --help und --version, auch nach einem Befehl; -- beendet die Optionen.
FILE - ist die Standardeingabe. Bei mehreren KORVELTs endet der Lauf mit einer
Zusammenfassung, „5 von 8 geschrieben und verifiziert; 3 fehlgeschlagen“; --quiet
gibt nur Fehler aus (und die Abweichungen, die verify findet). --dry-run (write,
clock set, holidays -o) sagt, was mit welcher KORVELT oder Datei geschehen würde,
und fragt die KORVELTs nur, wer sie sind.
--json gibt ein JSON-Dokument des Ergebnisses aus (docs/korveltctl-json.md).
Exit-Status: 0 erledigt, 1 check oder verify fand eine Abweichung, 2 Aufruffehler,
3 keine KORVELT, eine im Programmiermodus oder keine KORVELT, 4 Dateifehler,
5 die KORVELT antwortet nicht mehr oder wurde abgezogen, 6 ein anderes Programm
spricht mit der KORVELT (belegt), 130 abgebrochen (Strg+C),
143 beendet (SIGTERM, SIGHUP).
Siehe korveltctl(1).
</translation>
    </message>
    <message>
        <source>Usage: korveltctl %1</source>
        <extracomment>%1 is the command&apos;s synopsis and what it does</extracomment>
        <translation>Aufruf: korveltctl %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>  Checks the schedule in FILE and prints what it finds; exit status 1
  when it finds a likely mistake.</source>
        <translation>  Prüft das Schaltprogramm in FILE und gibt aus, was die Prüfung findet;
  Exit-Status 1 bei einem möglichen Fehler.</translation>
    </message>
    <message>
        <source>  Reads the KORVELT&apos;s clock, or sets it to this computer&apos;s time (--pc,
  the default) or to the time given.</source>
        <translation>  Liest die Uhr der KORVELT oder stellt sie auf die Uhrzeit dieses
  Computers (--pc, Vorgabe) oder auf die angegebene Uhrzeit.</translation>
    </message>
    <message>
        <source>clock set: this computer&apos;s time (the default)</source>
        <translation>clock set: die Uhrzeit dieses Computers (Vorgabe)</translation>
    </message>
    <message>
        <source>clock set: the time given</source>
        <translation>clock set: die angegebene Uhrzeit</translation>
    </message>
    <message>
        <source>clock read or clock set</source>
        <translation>clock read oder clock set</translation>
    </message>
    <message>
        <source>--pc, --at and --dry-run are for clock set</source>
        <translation>--pc, --at und --dry-run gelten für clock set</translation>
    </message>
    <message>
        <source>%1 of %2 clocks read</source>
        <translation>%1 von %2 Uhren gelesen</translation>
    </message>
    <message>
        <source>--pc or --at, not both</source>
        <translation>--pc oder --at, nicht beides</translation>
    </message>
    <message>
        <source>--at &quot;YYYY-MM-DD HH:MM:SS&quot;, in the years %1 to %2</source>
        <translation>--at „YYYY-MM-DD HH:MM:SS“, in den Jahren %1 bis %2</translation>
    </message>
    <message>
        <source>would set the clock to %1</source>
        <translation>würde die Uhr auf %1 stellen</translation>
    </message>
    <message>
        <source>%1 of %2 clocks would be set</source>
        <translation>%1 von %2 Uhren würden gestellt</translation>
    </message>
    <message>
        <source>%1 of %2 clocks set</source>
        <translation>%1 von %2 Uhren gestellt</translation>
    </message>
    <message>
        <source>the KORVELT with that serial number or at that path; again for more</source>
        <translation>die KORVELT mit dieser Seriennummer oder unter diesem Pfad; mehrfach für mehrere</translation>
    </message>
    <message>
        <source>every KORVELT attached, at once</source>
        <translation>jede angeschlossene KORVELT, alle gleichzeitig</translation>
    </message>
    <message>
        <source>one JSON document of the result on standard output</source>
        <translation>ein JSON-Dokument des Ergebnisses auf der Standardausgabe</translation>
    </message>
    <message>
        <source>prints only errors</source>
        <translation>gibt nur Fehler aus</translation>
    </message>
    <message>
        <source>says what would be done, and does nothing</source>
        <translation>sagt, was geschehen würde, und tut nichts</translation>
    </message>
    <message>
        <source>  Writes the schedule of a data file as JSON (the default) or CSV, to
  OUT or to standard output.</source>
        <translation>  Schreibt das Schaltprogramm einer Datendatei als JSON (Vorgabe) oder
  CSV nach OUT oder auf die Standardausgabe.</translation>
    </message>
    <message>
        <source>JSON (the default) or CSV</source>
        <translation>JSON (Vorgabe) oder CSV</translation>
    </message>
    <message>
        <source>the file made (- or none: standard output)</source>
        <translation>die erstellte Datei (- oder keine: Standardausgabe)</translation>
    </message>
    <message>
        <source>--format is json or csv</source>
        <translation>--format ist json oder csv</translation>
    </message>
    <message>
        <source>  Prints the usage of COMMAND and the options it takes, or the tool&apos;s usage.</source>
        <translation>  Gibt den Aufruf von COMMAND und seine Optionen aus, oder den Aufruf des Werkzeugs.</translation>
    </message>
    <message>
        <source>help takes one command</source>
        <translation>help nimmt einen Befehl</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>unbekannter Befehl %1</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last of a list of choices: %1 is the others, joined by commas</extracomment>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>the public holidays of a country or region</source>
        <translation>die gesetzlichen Feiertage eines Landes oder einer Region</translation>
    </message>
    <message>
        <source>adds the rules of a file the Holidays dialog saved</source>
        <translation>fügt die Regeln einer im Feiertagsdialog gespeicherten Datei hinzu</translation>
    </message>
    <message>
        <source>the year (this year unless given)</source>
        <translation>das Jahr (ohne Angabe das laufende)</translation>
    </message>
    <message>
        <source>-o: the schedule whose special dates are filled</source>
        <translation>-o: das Schaltprogramm, dessen Sondertage gefüllt werden</translation>
    </message>
    <message>
        <source>writes the schedule with the holidays as its special dates (- : standard output)</source>
        <translation>schreibt das Schaltprogramm mit den Feiertagen als Sondertage (- : Standardausgabe)</translation>
    </message>
    <message>
        <source>the list&apos;s form</source>
        <translation>die Form der Liste</translation>
    </message>
    <message>
        <source>--preset CODE or --rules FILE is needed</source>
        <translation>--preset CODE oder --rules FILE ist nötig</translation>
    </message>
    <message>
        <source>--preset is %1</source>
        <translation>--preset ist %1</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1: kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>--json or --format %1, not both</source>
        <translation>--json oder --format %1, nicht beides</translation>
    </message>
    <message>
        <source>--format is text, csv or json</source>
        <translation>--format ist text, csv oder json</translation>
    </message>
    <message>
        <source>--format and --json are for the list of holidays, not for -o</source>
        <translation>--format und --json gelten für die Feiertagsliste, nicht für -o</translation>
    </message>
    <message>
        <source>--year is a year from %1 to %2</source>
        <translation>--year ist ein Jahr von %1 bis %2</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2</source>
        <translation>%1: kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1: special dates 1 to %2 would hold the holidays of %3 (nothing written)</source>
        <translation>%1: Sondertage 1 bis %2 würden die Feiertage von %3 erhalten (nichts geschrieben)</translation>
    </message>
    <message>
        <source>%1: special dates 1 to %2 hold the holidays of %3</source>
        <translation>%1: Sondertage 1 bis %2 enthalten die Feiertage von %3</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>Standardausgabe</translation>
    </message>
    <message>
        <source>left out: %1</source>
        <extracomment>%1 is a holiday that found no special date: &quot;2027-12-26 Sun St Stephen&apos;s Day&quot;</extracomment>
        <translation>ausgelassen: %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The preset and the rule file the holidays come from</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The holidays&apos; source and year: &quot;Germany 2027&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>--from, --repeat-last and --dry-run go with -o</source>
        <translation>--from, --repeat-last und --dry-run gehören zu -o</translation>
    </message>
    <message>
        <source>  Makes a data file of a schedule in JSON (-o - : standard output).</source>
        <translation>  Erstellt eine Datendatei aus einem Schaltprogramm in JSON
  (-o - : Standardausgabe).</translation>
    </message>
    <message>
        <source>the data file made (- : standard output)</source>
        <translation>die erstellte Datendatei (- : Standardausgabe)</translation>
    </message>
    <message>
        <source>-o OUT.dat is needed</source>
        <translation>-o OUT.dat ist nötig</translation>
    </message>
    <message>
        <source>import makes a data file, not %1; export makes JSON</source>
        <translation>import erstellt eine Datendatei, nicht %1; export erstellt JSON</translation>
    </message>
    <message>
        <source>  Lists every KORVELT attached: path, serial number, version text,
  and &quot;program mode&quot; where it is in program mode.</source>
        <translation>  Listet jede angeschlossene KORVELT auf: Pfad, Seriennummer, Versionstext
  und „Programmiermodus“, wo sie im Programmiermodus ist.</translation>
    </message>
    <message>
        <source>no KORVELT is attached</source>
        <translation>keine KORVELT angeschlossen</translation>
    </message>
    <message>
        <source>ready</source>
        <extracomment>A KORVELT that answered who it is, in the list of those attached</extracomment>
        <translation>bereit</translation>
    </message>
    <message>
        <source>  Reads the KORVELT&apos;s schedule into OUT: JSON when OUT ends in .json
  or with --format json, else a data file (- : standard output).
  Several KORVELTs are read into the folder DIR, one file each named
  by its serial number: 1042.dat, or 1042.json with --format json.</source>
        <translation>  Liest das Schaltprogramm der KORVELT nach OUT: JSON, wenn OUT auf .json
  endet oder mit --format json, sonst eine Datendatei (- : Standardausgabe).
  Mehrere KORVELTs werden in den Ordner DIR gelesen, je eine Datei, benannt
  nach der Seriennummer: 1042.dat, oder 1042.json mit --format json.</translation>
    </message>
    <message>
        <source>the file&apos;s form (by default, told by OUT&apos;s ending)</source>
        <translation>die Form der Datei (ohne Angabe nach der Endung von OUT)</translation>
    </message>
    <message>
        <source>%1 of %2 read</source>
        <translation>%1 von %2 gelesen</translation>
    </message>
    <message>
        <source>several KORVELTs are read into a folder, not into -</source>
        <translation>mehrere KORVELTs werden in einen Ordner gelesen, nicht in -</translation>
    </message>
    <message>
        <source>not saved: another KORVELT read has serial number %1 too; read each by its path</source>
        <translation>nicht gespeichert: eine weitere gelesene KORVELT hat ebenfalls die Seriennummer %1; lesen Sie jede über ihren Pfad</translation>
    </message>
    <message>
        <source>not saved: the KORVELT did not say its serial number</source>
        <translation>nicht gespeichert: die KORVELT hat ihre Seriennummer nicht genannt</translation>
    </message>
    <message>
        <source>read into %1</source>
        <translation>gelesen in %1</translation>
    </message>
    <message>
        <source>--format is dat or json</source>
        <translation>--format ist dat oder json</translation>
    </message>
    <message>
        <source>--json prints to standard output: read into a file</source>
        <translation>--json gibt auf der Standardausgabe aus: lesen Sie in eine Datei</translation>
    </message>
    <message>
        <source>  Makes the printable report of the schedule in FILE as a PDF (FILE
  with .pdf for .dat unless -o; -o - : standard output).</source>
        <translation>  Erstellt den druckbaren Bericht des Schaltprogramms in FILE als PDF
  (ohne -o FILE mit .pdf statt .dat; -o - : Standardausgabe).</translation>
    </message>
    <message>
        <source>the PDF (FILE with .pdf for .dat unless given; - : standard output)</source>
        <translation>die PDF-Datei (ohne Angabe FILE mit .pdf statt .dat; - : Standardausgabe)</translation>
    </message>
    <message>
        <source>-o OUT.pdf is needed when FILE is -</source>
        <translation>-o OUT.pdf ist nötig, wenn FILE - ist</translation>
    </message>
    <message>
        <source>%1: the report could not be made</source>
        <translation>%1: der Bericht konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>  Reads each KORVELT and compares it with the schedule in FILE as the
  KORVELT holds it; exit status 1 when any differs, the differences
  on standard output. Nothing is written.</source>
        <translation>  Liest jede KORVELT und vergleicht sie mit dem Schaltprogramm in FILE,
  so wie die KORVELT es hält; Exit-Status 1, wenn eine abweicht, die
  Abweichungen auf der Standardausgabe. Es wird nichts geschrieben.</translation>
    </message>
    <message>
        <source>holds %1</source>
        <translation>enthält %1</translation>
    </message>
    <message>
        <source>differs from %1 in 1 place</source>
        <translation>weicht an 1 Stelle von %1 ab</translation>
    </message>
    <message numerus="yes">
        <source>differs from %1 in %n places</source>
        <translation>
            <numerusform>weicht an %n Stelle von %1 ab</numerusform>
            <numerusform>weicht an %n Stellen von %1 ab</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 hold %3</source>
        <extracomment>The summary of several KORVELTs: %1 of %2 KORVELTs hold the file %3</extracomment>
        <translation>%1 von %2 enthalten %3</translation>
    </message>
    <message>
        <source>; the clock was not set: %1</source>
        <extracomment>After &quot;written and verified&quot;: %1 is why the clock was not set</extracomment>
        <translation>; die Uhr wurde nicht gestellt: %1</translation>
    </message>
    <message>
        <source>; clock set to %1</source>
        <extracomment>After &quot;written and verified&quot;: %1 is the time the clock was set to</extracomment>
        <translation>; Uhr gestellt auf %1</translation>
    </message>
    <message>
        <source>waiting for KORVELTs to write %1 to (Ctrl+C ends)</source>
        <translation>warte auf KORVELTs, um %1 zu schreiben (Strg+C beendet)</translation>
    </message>
    <message>
        <source>%1 programmed; %2 failed</source>
        <extracomment>The line&apos;s summary: KORVELTs programmed, and those that failed</extracomment>
        <translation>%1 programmiert; %2 fehlgeschlagen</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>keine Datei</translation>
    </message>
    <message>
        <source>ending after this KORVELT (Ctrl+C again stops it at once)</source>
        <translation>Ende nach dieser KORVELT (erneut Strg+C bricht sofort ab)</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2; no more KORVELTs are taken</source>
        <translation>%1: kann nicht geschrieben werden: %2; es werden keine weiteren KORVELTs angenommen</translation>
    </message>
    <message>
        <source>%1 is a whole number from %2</source>
        <translation>%1 ist eine ganze Zahl ab %2</translation>
    </message>
    <message>
        <source>--watch writes each KORVELT plugged in: no --all, --device or --dry-run</source>
        <translation>--watch schreibt jede angesteckte KORVELT: kein --all, --device oder --dry-run</translation>
    </message>
    <message>
        <source>  Writes the schedule in FILE (a data file or JSON, told by content)
  and reads it back to verify, unless --no-verify. --all writes every
  KORVELT attached at once, one line each. A schedule with values the
  KORVELT cannot hold is refused; one with likely mistakes too,
  unless --force.</source>
        <translation>  Schreibt das Schaltprogramm in FILE (Datendatei oder JSON, am Inhalt
  erkannt) und liest es zum Verifizieren zurück, außer mit --no-verify.
  --all schreibt alle angeschlossenen KORVELTs gleichzeitig, je eine
  Zeile. Ein Schaltprogramm mit Werten, die die KORVELT nicht aufnehmen
  kann, wird abgelehnt; eines mit möglichen Fehlern auch, außer mit
  --force.</translation>
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
        <translation>  Wartet, bis KORVELTs angesteckt werden, und schreibt jede, sobald sie
  da ist (und stellt mit --set-clock ihre Uhr auf die Uhrzeit dieses
  Computers), je eine Zeile; eine KORVELT wird erst wieder geschrieben,
  nachdem sie abgezogen wurde. --log hängt je KORVELT eine CSV-Zeile an:
  Zeit, Seriennummer, Version, SHA-256 von FILE, Ergebnis, Pfad,
  Meldung, Version von korveltctl. --count N endet nach N KORVELTs,
  --retry N versucht eine fehlgeschlagene erneut, --json gibt je Zeile
  ein JSON-Objekt aus. Strg+C beendet nach der KORVELT in Arbeit (ein
  zweites Strg+C sofort): „3 programmiert; 1 fehlgeschlagen“.</translation>
    </message>
    <message>
        <source>writes without reading it back</source>
        <translation>schreibt ohne Zurücklesen</translation>
    </message>
    <message>
        <source>writes a schedule with likely mistakes too</source>
        <translation>schreibt auch ein Schaltprogramm mit möglichen Fehlern</translation>
    </message>
    <message>
        <source>writes each KORVELT as it is plugged in, until Ctrl+C</source>
        <translation>schreibt jede KORVELT, sobald sie angesteckt wird, bis Strg+C</translation>
    </message>
    <message>
        <source>--watch: sets each clock to this computer&apos;s time too</source>
        <translation>--watch: stellt auch jede Uhr auf die Uhrzeit dieses Computers</translation>
    </message>
    <message>
        <source>--watch: appends a line per KORVELT to LOG.csv</source>
        <translation>--watch: hängt je KORVELT eine Zeile an LOG.csv an</translation>
    </message>
    <message>
        <source>--watch: ends after N KORVELTs</source>
        <translation>--watch: endet nach N KORVELTs</translation>
    </message>
    <message>
        <source>--watch: tries a failed KORVELT again, up to N times</source>
        <translation>--watch: versucht eine fehlgeschlagene KORVELT erneut, bis zu N-mal</translation>
    </message>
    <message>
        <source>%1: not written: the KORVELT cannot hold %2 of its values</source>
        <translation>%1: nicht geschrieben: die KORVELT kann %2 seiner Werte nicht aufnehmen</translation>
    </message>
    <message>
        <source>%1: not written: the check found 1 likely mistake (--force writes it all the same)</source>
        <translation>%1: nicht geschrieben: die Prüfung fand 1 möglichen Fehler (--force schreibt trotzdem)</translation>
    </message>
    <message numerus="yes">
        <source>%1: not written: the check found %n likely mistakes (--force writes it all the same)</source>
        <translation>
            <numerusform>%1: nicht geschrieben: die Prüfung fand %n möglichen Fehler (--force schreibt trotzdem)</numerusform>
            <numerusform>%1: nicht geschrieben: die Prüfung fand %n mögliche Fehler (--force schreibt trotzdem)</numerusform>
        </translation>
    </message>
    <message>
        <source>--set-clock, --log, --count and --retry are for --watch</source>
        <translation>--set-clock, --log, --count und --retry gelten für --watch</translation>
    </message>
    <message>
        <source>would write %1 and verify it</source>
        <translation>würde %1 schreiben und verifizieren</translation>
    </message>
    <message>
        <source>would write %1</source>
        <translation>würde %1 schreiben</translation>
    </message>
    <message>
        <source>%1 of %2 would be written and verified</source>
        <translation>%1 von %2 würden geschrieben und verifiziert</translation>
    </message>
    <message>
        <source>%1 of %2 would be written</source>
        <translation>%1 von %2 würden geschrieben</translation>
    </message>
    <message>
        <source>%1 of %2 written and verified</source>
        <translation>%1 von %2 geschrieben und verifiziert</translation>
    </message>
    <message>
        <source>%1 of %2 written</source>
        <translation>%1 von %2 geschrieben</translation>
    </message>
    <message>
        <source>--device or --all, not both</source>
        <translation>--device oder --all, nicht beides</translation>
    </message>
    <message>
        <source>%1 KORVELTs are attached (%2): name one with --device, or --all</source>
        <translation>%1 KORVELTs sind angeschlossen (%2): nennen Sie eine mit --device, oder --all</translation>
    </message>
    <message>
        <source>the KORVELT is in program mode</source>
        <translation>die KORVELT ist im Programmiermodus</translation>
    </message>
    <message>
        <source>not a KORVELT time controller</source>
        <translation>keine KORVELT-Zeitschaltuhr</translation>
    </message>
    <message>
        <source>the KORVELT stopped answering</source>
        <translation>die KORVELT antwortet nicht mehr</translation>
    </message>
    <message>
        <source>no KORVELT is attached at %1</source>
        <translation>unter %1 ist keine KORVELT angeschlossen</translation>
    </message>
    <message>
        <source>no KORVELT with serial number %1 is attached</source>
        <translation>keine KORVELT mit der Seriennummer %1 angeschlossen</translation>
    </message>
    <message>
        <source>%1 KORVELTs have serial number %2: %3; name one by its path</source>
        <translation>%1 KORVELTs haben die Seriennummer %2: %3; nennen Sie eine über ihren Pfad</translation>
    </message>
    <message>
        <source>; 1 differs</source>
        <extracomment>Of the summary of several KORVELTs, after what went through</extracomment>
        <translation>; 1 weicht ab</translation>
    </message>
    <message numerus="yes">
        <source>; %n differ</source>
        <translation>
            <numerusform>; %n weicht ab</numerusform>
            <numerusform>; %n weichen ab</numerusform>
        </translation>
    </message>
    <message>
        <source>; 1 failed</source>
        <extracomment>Of the summary of several KORVELTs, after what went through</extracomment>
        <translation>; 1 fehlgeschlagen</translation>
    </message>
    <message numerus="yes">
        <source>; %n failed</source>
        <translation>
            <numerusform>; %n fehlgeschlagen</numerusform>
            <numerusform>; %n fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message>
        <source>clock %1</source>
        <translation>Uhr %1</translation>
    </message>
    <message>
        <source>program mode</source>
        <translation>Programmiermodus</translation>
    </message>
    <message>
        <source>not a KORVELT</source>
        <translation>keine KORVELT</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>busy: in use by another program</source>
        <translation>belegt: wird von einem anderen Programm verwendet</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>%1 is given more than once</source>
        <translation>%1 ist mehrfach angegeben</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <extracomment>%1 is the name of what is missing: FILE, OUT, DIR</extracomment>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1 is the file read; the output needs a name of its own</source>
        <translation>%1 ist die gelesene Datei; die Ausgabe braucht einen eigenen Namen</translation>
    </message>
    <message>
        <source>%1: cannot be written: a symbolic link is there, which is not followed</source>
        <translation>%1: kann nicht geschrieben werden: dort liegt ein symbolischer Link, dem nicht gefolgt wird</translation>
    </message>
    <message>
        <source>standard input: cannot be read</source>
        <translation>Standardeingabe: kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1: too large (more than 16 MiB)</source>
        <translation>%1: zu groß (mehr als 16 MiB)</translation>
    </message>
    <message>
        <source>%1: a data file of a later version</source>
        <translation>%1: eine Datendatei einer späteren Version</translation>
    </message>
    <message>
        <source>%1: the data file is cut short</source>
        <translation>%1: die Datendatei ist unvollständig</translation>
    </message>
    <message>
        <source>Mistake: %1</source>
        <extracomment>A line of the check: %1 is what it found</extracomment>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <extracomment>A line of the check: %1 is what it found</extracomment>
        <translation>Hinweis: %1</translation>
    </message>
    <message>
        <source>while verifying, at block %1 of %2: the KORVELT holds the new schedule, not verified</source>
        <translation>beim Verifizieren, bei Block %1 von %2: die KORVELT enthält das neue Schaltprogramm, nicht verifiziert</translation>
    </message>
    <message>
        <source>before the schedule was sent: the KORVELT holds its old schedule</source>
        <translation>bevor das Schaltprogramm gesendet wurde: die KORVELT enthält ihr altes Schaltprogramm</translation>
    </message>
    <message>
        <source>at block %1 of %2: the KORVELT holds part of the old and part of the new schedule</source>
        <translation>bei Block %1 von %2: die KORVELT enthält teils das alte, teils das neue Schaltprogramm</translation>
    </message>
    <message>
        <source>no KORVELT is attached there</source>
        <translation>dort ist keine KORVELT angeschlossen</translation>
    </message>
    <message>
        <source>the KORVELT&apos;s block %1 holds values that are not times or dates</source>
        <translation>Block %1 der KORVELT enthält Werte, die keine Uhrzeiten oder Daten sind</translation>
    </message>
    <message>
        <source>stopped answering %1</source>
        <extracomment>%1 says where the write was and what the KORVELT holds</extracomment>
        <translation>antwortet nicht mehr, %1</translation>
    </message>
    <message>
        <source>the KORVELT stopped answering at block %1</source>
        <translation>die KORVELT antwortet bei Block %1 nicht mehr</translation>
    </message>
    <message>
        <source>unplugged %1</source>
        <extracomment>%1 says where the write was and what the KORVELT holds</extracomment>
        <translation>abgezogen, %1</translation>
    </message>
    <message>
        <source>the KORVELT was unplugged</source>
        <translation>die KORVELT wurde abgezogen</translation>
    </message>
    <message>
        <source>the schedule read back differs from the one written in 1 place</source>
        <translation>das zurückgelesene Schaltprogramm weicht an 1 Stelle vom geschriebenen ab</translation>
    </message>
    <message numerus="yes">
        <source>the schedule read back differs from the one written in %n places</source>
        <translation>
            <numerusform>das zurückgelesene Schaltprogramm weicht an %n Stelle vom geschriebenen ab</numerusform>
            <numerusform>das zurückgelesene Schaltprogramm weicht an %n Stellen vom geschriebenen ab</numerusform>
        </translation>
    </message>
    <message>
        <source>interrupted before anything was sent: the KORVELT is as it was</source>
        <translation>abgebrochen, bevor etwas gesendet wurde: die KORVELT ist unverändert</translation>
    </message>
    <message>
        <source>interrupted while verifying, at block %1 of %2: the KORVELT holds the new schedule, not verified</source>
        <translation>beim Verifizieren abgebrochen, bei Block %1 von %2: die KORVELT enthält das neue Schaltprogramm, nicht verifiziert</translation>
    </message>
    <message>
        <source>interrupted before the schedule was sent: the KORVELT holds its old schedule</source>
        <translation>abgebrochen, bevor das Schaltprogramm gesendet wurde: die KORVELT enthält ihr altes Schaltprogramm</translation>
    </message>
    <message>
        <source>interrupted at block %1 of %2: the KORVELT holds part of the old and part of the new schedule</source>
        <translation>bei Block %1 von %2 abgebrochen: die KORVELT enthält teils das alte, teils das neue Schaltprogramm</translation>
    </message>
    <message>
        <source>interrupted at block %1 of %2: nothing was saved</source>
        <translation>bei Block %1 von %2 abgebrochen: nichts wurde gespeichert</translation>
    </message>
    <message>
        <source>interrupted before the clock was set</source>
        <translation>abgebrochen, bevor die Uhr gestellt wurde</translation>
    </message>
    <message>
        <source>interrupted: the clock may or may not have been set</source>
        <translation>abgebrochen: die Uhr wurde möglicherweise gestellt, möglicherweise nicht</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>%1 (serial %2)</source>
        <extracomment>A KORVELT as a line names it: its path and serial number</extracomment>
        <translation>%1 (Seriennr. %2)</translation>
    </message>
    <message>
        <source>written and verified</source>
        <translation>geschrieben und verifiziert</translation>
    </message>
    <message>
        <source>written</source>
        <translation>geschrieben</translation>
    </message>
    <message>
        <source>read</source>
        <extracomment>A KORVELT&apos;s schedule was read</extracomment>
        <translation>gelesen</translation>
    </message>
    <message>
        <source>a command is missing</source>
        <translation>ein Befehl fehlt</translation>
    </message>
    <message>
        <source>--demo N is a number of KORVELTs from 1 to %1</source>
        <translation>--demo N ist eine Anzahl KORVELTs von 1 bis %1</translation>
    </message>
    <message>
        <source>%1 (see korveltctl --help)</source>
        <extracomment>After a mistake on the command line: %1 is the mistake</extracomment>
        <translation>%1 (siehe korveltctl --help)</translation>
    </message>
    <message>
        <source>standard output: %1</source>
        <translation>Standardausgabe: %1</translation>
    </message>
    <message>
        <source>cannot make the report: %1 is missing; install the program again</source>
        <translation>der Bericht kann nicht erstellt werden: %1 fehlt; installieren Sie das Programm neu</translation>
    </message>
    <message>
        <source>not applied: %1</source>
        <extracomment>A preset&apos;s holiday its rule does not tick: %1 is the holiday&apos;s line</extracomment>
        <translation>nicht angewendet: %1</translation>
    </message>
    <message>
        <source>%1; the two reads disagreed, so a stray report from another program may be the cause: try again</source>
        <extracomment>%1 says where the KORVELT differs; this adds why the tool cannot tell a stray report from a KORVELT that differs</extracomment>
        <translation>%1; die beiden Lesevorgänge stimmten nicht überein, daher kann eine fremde Meldung eines anderen Programms die Ursache sein: versuchen Sie es erneut</translation>
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
        <translation>  Gibt die gesetzlichen Feiertage eines Jahres aus (ohne --year das
  laufende), oder schreibt sie mit -o als Sondertage des Schaltprogramms
  in IN.dat (ohne --from die Vorgaben) nach OUT. Bei weniger als %1
  Feiertagen behalten die übrigen Sondertage ihr Datum oder wiederholen
  den letzten (--repeat-last). --rules fügt die Regeln einer im
  Feiertagsdialog gespeicherten Datei hinzu (ohne --preset nur diese).
  Die Tage von Regeln, die eine Vorlage anbietet, aber nicht ankreuzt,
  folgen als Zeilen „nicht angewendet“.
  --json und --format csv geben je Feiertag Datum, Wochentag, Namen und
  Ersatztag ja/nein aus und ob er angewendet wird.
  CODE: %2.</translation>
    </message>
    <message>
        <source>-o: with fewer than %1 holidays, the others repeat the last</source>
        <translation>-o: bei weniger als %1 Feiertagen wiederholen die übrigen den letzten</translation>
    </message>
</context>
</TS>

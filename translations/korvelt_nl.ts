<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>CheckText</name>
    <message>
        <source>Special date %1 (%2)</source>
        <extracomment>A special date with its place and date, as in &quot;Special date 3 (24/12/2027)&quot;</extracomment>
        <translation>Speciale datum %1 (%2)</translation>
    </message>
    <message>
        <source>%1: the Start time has fractions of a second; the KORVELT keeps whole seconds.</source>
        <extracomment>%1 is the slot&apos;s place, as in &quot;Output 2, Normal Times slot 3&quot;</extracomment>
        <translation>%1: de begintijd bevat delen van een seconde; de KORVELT bewaart alleen hele seconden.</translation>
    </message>
    <message>
        <source>%1: the End time has fractions of a second; the KORVELT keeps whole seconds.</source>
        <translation>%1: de eindtijd bevat delen van een seconde; de KORVELT bewaart alleen hele seconden.</translation>
    </message>
    <message>
        <source>%1: the Start time is not a time of day.</source>
        <extracomment>%1 is the slot&apos;s place, as in &quot;Output 2, Normal Times slot 3&quot;
----------
%1 is the slot&apos;s place, as in &quot;Output 2, Special Times slot 3&quot;</extracomment>
        <translation>%1: de begintijd is geen tijdstip van de dag.</translation>
    </message>
    <message>
        <source>%1: the End time is not a time of day.</source>
        <extracomment>%1 is the slot&apos;s place, as in &quot;Output 2, Normal Times slot 3&quot;
----------
%1 is the slot&apos;s place, as in &quot;Output 2, Special Times slot 3&quot;</extracomment>
        <translation>%1: de eindtijd is geen tijdstip van de dag.</translation>
    </message>
    <message>
        <source>Daylight Saving: no Advance Clock week is chosen.</source>
        <translation>Zomertijd: er is geen week voor Klok vooruit gekozen.</translation>
    </message>
    <message>
        <source>Daylight Saving: no Advance Clock month is chosen.</source>
        <translation>Zomertijd: er is geen maand voor Klok vooruit gekozen.</translation>
    </message>
    <message>
        <source>Daylight Saving: no Retard Clock week is chosen.</source>
        <translation>Zomertijd: er is geen week voor Klok terug gekozen.</translation>
    </message>
    <message>
        <source>Daylight Saving: no Retard Clock month is chosen.</source>
        <translation>Zomertijd: er is geen maand voor Klok terug gekozen.</translation>
    </message>
    <message>
        <source>%1: ends at %2, before it starts at %3.</source>
        <extracomment>%1 is the slot&apos;s place (&quot;Output 2, Normal Times slot 3&quot;), %2 its end time, %3 its start time</extracomment>
        <translation>%1: eindigt om %2, vóór het begin om %3.</translation>
    </message>
    <message>
        <source>%1: starts and ends at %2 on %3.</source>
        <extracomment>%1 is the slot&apos;s place, %2 its time, %3 its days (&quot;Mon to Fri&quot;)</extracomment>
        <translation>%1: begint en eindigt om %2 op %3.</translation>
    </message>
    <message>
        <source>%1: %2 to %3, but no day is On.</source>
        <extracomment>%1 is the slot&apos;s place, %2 and %3 its start and end time; &quot;On&quot; is the day cells&apos; text</extracomment>
        <translation>%1: %2 tot %3, maar geen enkele dag staat op Aan.</translation>
    </message>
    <message>
        <source>%1 (%2 to %3) overlaps slot %4.</source>
        <extracomment>%1 is the slot&apos;s place, %2 and %3 its times, %4 the number of the other slot</extracomment>
        <translation>%1 (%2 tot %3) overlapt periode %4.</translation>
    </message>
    <message>
        <source>%1 (%2 to %3) overlaps slot %4 on %5.</source>
        <extracomment>%1 is the slot&apos;s place, %2 and %3 its times, %4 the number of the other slot, %5 the days (&quot;Mon to Fri&quot;)</extracomment>
        <translation>%1 (%2 tot %3) overlapt periode %4 op %5.</translation>
    </message>
    <message>
        <source>%1 (%2 to %3) is the same as slot %4.</source>
        <extracomment>%1 is the slot&apos;s place, %2 and %3 its times, %4 the number of the other slot</extracomment>
        <translation>%1 (%2 tot %3) is gelijk aan periode %4.</translation>
    </message>
    <message>
        <source>Special date %1 (%2 %3) carries a time of day; the KORVELT keeps only the date.</source>
        <extracomment>%1 is the special date&apos;s number, %2 its date, %3 its time of day</extracomment>
        <translation>Speciale datum %1 (%2 %3) bevat een tijdstip; de KORVELT bewaart alleen de datum.</translation>
    </message>
    <message>
        <source>%1 is in the past.</source>
        <extracomment>%1 is a special date with its place, as in &quot;Special date 3 (24/12/2027)&quot;</extracomment>
        <translation>%1 ligt in het verleden.</translation>
    </message>
    <message>
        <source>%1 is the same as special date %2.</source>
        <extracomment>%1 is a special date with its place, as in &quot;Special date 3 (24/12/2027)&quot;; %2 the other&apos;s number</extracomment>
        <translation>%1 is gelijk aan speciale datum %2.</translation>
    </message>
    <message>
        <source>Output %1, Special Times: slots are set, but no special date is today or later.</source>
        <translation>Uitgang %1, Speciale tijden: er zijn periodes ingesteld, maar geen speciale datum valt vandaag of later.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>range of days</comment>
        <extracomment>A range of days in the schedule check, as in &quot;Mon to Fri&quot;</extracomment>
        <translation>%1 t/m %2</translation>
    </message>
    <message>
        <source>Special date %1 is not set to a date from %2 to %3.</source>
        <extracomment>%1 is the special date&apos;s number, %2 and %3 the first and last year the KORVELT can hold</extracomment>
        <translation>Speciale datum %1 staat niet op een datum van %2 t/m %3.</translation>
    </message>
</context>
<context>
    <name>ClockText</name>
    <message>
        <source>the KORVELT&apos;s clock holds no valid time (bytes %1)</source>
        <extracomment>Begins with a small letter: it also stands inside other sentences. %1 is the clock&apos;s bytes as a date and time</extracomment>
        <translation>de klok van de KORVELT bevat geen geldige tijd (bytes %1)</translation>
    </message>
    <message>
        <source>Module Time: %1
Module Date: %2</source>
        <extracomment>The device&apos;s clock: %1 is its time, %2 its date</extracomment>
        <translation>Moduletijd: %1
Moduledatum: %2</translation>
    </message>
    <message>
        <source>KORVELT and this PC agree to the second</source>
        <translation>KORVELT en deze pc lopen tot op de seconde gelijk</translation>
    </message>
    <message>
        <source>%1 d %2 h</source>
        <extracomment>An amount of time: days and hours</extracomment>
        <translation>%1 d %2 u</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <extracomment>An amount of time: hours and minutes</extracomment>
        <translation>%1 u %2 min</translation>
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
        <translation>KORVELT loopt %1 achter op deze pc</translation>
    </message>
    <message>
        <source>KORVELT is %1 ahead of this PC</source>
        <extracomment>%1 is an amount of time, as in &quot;3 min 38 s&quot;</extracomment>
        <translation>KORVELT loopt %1 voor op deze pc</translation>
    </message>
</context>
<context>
    <name>ControlTexts</name>
    <message>
        <source>1st Sunday</source>
        <translation>1e zondag</translation>
    </message>
    <message>
        <source>2nd Sunday</source>
        <translation>2e zondag</translation>
    </message>
    <message>
        <source>3rd Sunday</source>
        <translation>3e zondag</translation>
    </message>
    <message>
        <source>4th Sunday</source>
        <translation>4e zondag</translation>
    </message>
    <message>
        <source>Last Sunday</source>
        <translation>Laatste zondag</translation>
    </message>
    <message>
        <source>January</source>
        <translation>januari</translation>
    </message>
    <message>
        <source>Febuary</source>
        <translation>februari</translation>
    </message>
    <message>
        <source>March</source>
        <translation>maart</translation>
    </message>
    <message>
        <source>April</source>
        <translation>april</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mei</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>augustus</translation>
    </message>
    <message>
        <source>September</source>
        <translation>september</translation>
    </message>
    <message>
        <source>October</source>
        <translation>oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>november</translation>
    </message>
    <message>
        <source>December</source>
        <translation>december</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>zo</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>ma</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>di</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>wo</translation>
    </message>
    <message>
        <source>Thur</source>
        <translation>do</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>vr</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>za</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>Error Opening File.</source>
        <translation>Fout bij het openen van het bestand.</translation>
    </message>
    <message>
        <source>Incompatible data file.</source>
        <translation>Incompatibel gegevensbestand.</translation>
    </message>
    <message>
        <source>The file uses a later data format.<byte value="xd"/>
Cannot load</source>
        <translation>Het bestand gebruikt een nieuwere gegevensindeling.<byte value="xd"/>
Kan niet worden geopend</translation>
    </message>
    <message>
        <source>Error Saving File.</source>
        <translation>Fout bij het opslaan van het bestand.</translation>
    </message>
</context>
<context>
    <name>DeviceChoice</name>
    <message>
        <source>In Program Mode, %1</source>
        <extracomment>A KORVELT in the list of those attached that is being set up at its own keys; %1 is where it is attached</extracomment>
        <translation>In programmeermodus, %1</translation>
    </message>
    <message>
        <source>No answer, %1</source>
        <extracomment>A KORVELT in the list of those attached that did not say who it is; %1 is where it is attached</extracomment>
        <translation>Geen antwoord, %1</translation>
    </message>
    <message>
        <source>Several KORVELTs are attached. Which one do the commands go to?</source>
        <extracomment>Asked when several KORVELTs are attached and a command needs one</extracomment>
        <translation>Er zijn meerdere KORVELTs aangesloten. Naar welke gaan de opdrachten?</translation>
    </message>
    <message>
        <source>The KORVELT with serial %1 is gone. Which KORVELT do the commands go to now?</source>
        <extracomment>%1 is the serial number of the KORVELT chosen before</extracomment>
        <translation>De KORVELT met serienr. %1 is niet meer aangesloten. Naar welke KORVELT gaan de opdrachten nu?</translation>
    </message>
    <message>
        <source>The KORVELT at %1 is gone. Which KORVELT do the commands go to now?</source>
        <extracomment>%1 is where the KORVELT chosen before was attached</extracomment>
        <translation>De KORVELT op %1 is niet meer aangesloten. Naar welke KORVELT gaan de opdrachten nu?</translation>
    </message>
    <message>
        <source>Serial %1, version %2, %3</source>
        <extracomment>A KORVELT in the list of those attached: %1 is its serial number, %2 its firmware version, %3 where it is attached</extracomment>
        <translation>Serienr. %1, versie %2, %3</translation>
    </message>
    <message>
        <source>The KORVELT with serial %1 holds part of the old and part of the new schedule. Write it again first?</source>
        <extracomment>Asked before a command goes to another KORVELT, and before the window closes; %1 is the serial number of the KORVELT a write stopped on</extracomment>
        <translation>De KORVELT met serienr. %1 bevat deels de oude en deels de nieuwe programmering. Eerst opnieuw schrijven?</translation>
    </message>
</context>
<context>
    <name>DevicePresenter</name>
    <message>
        <source>Close any other program that is using it, then try again.</source>
        <translation>Sluit andere programma&apos;s die hem gebruiken en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Install the rule 60-korvelt.rules into /etc/udev/rules.d, run &quot;sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger&quot; and plug the KORVELT in again.</source>
        <extracomment>Keep the file name, the folder and the command as they are</extracomment>
        <translation>Installeer de regel 60-korvelt.rules in /etc/udev/rules.d, voer &quot;sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger&quot; uit en sluit de KORVELT opnieuw aan.</translation>
    </message>
    <message>
        <source>Writing to KORVELT</source>
        <extracomment>Status texts and messages of a command on the KORVELT; %1 is the block&apos;s number, %2 the last block&apos;s</extracomment>
        <translation>Schrijven naar KORVELT</translation>
    </message>
    <message>
        <source>Writing to KORVELT: block %1 of %2</source>
        <translation>Schrijven naar KORVELT: blok %1 van %2</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while writing. Check the cable and try again.</source>
        <translation>De KORVELT reageerde niet meer tijdens het schrijven. Controleer de kabel en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while writing (block %1 of %2). Check the cable and try again.</source>
        <translation>De KORVELT reageerde niet meer tijdens het schrijven (blok %1 van %2). Controleer de kabel en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while writing. Plug it in and try again.</source>
        <translation>De KORVELT werd losgekoppeld tijdens het schrijven. Sluit hem weer aan en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while writing (block %1 of %2). Plug it in and try again.</source>
        <translation>De KORVELT werd losgekoppeld tijdens het schrijven (blok %1 van %2). Sluit hem weer aan en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Checking what was written</source>
        <translation>Controleren van wat is geschreven</translation>
    </message>
    <message>
        <source>Checking what was written: block %1 of %2</source>
        <translation>Controleren van wat is geschreven: blok %1 van %2</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while checking what was written. Check the cable and try again.</source>
        <translation>De KORVELT reageerde niet meer tijdens het controleren van wat is geschreven. Controleer de kabel en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while checking what was written (block %1 of %2). Check the cable and try again.</source>
        <translation>De KORVELT reageerde niet meer tijdens het controleren van wat is geschreven (blok %1 van %2). Controleer de kabel en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while checking what was written. Plug it in and try again.</source>
        <translation>De KORVELT werd losgekoppeld tijdens het controleren van wat is geschreven. Sluit hem weer aan en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while checking what was written (block %1 of %2). Plug it in and try again.</source>
        <translation>De KORVELT werd losgekoppeld tijdens het controleren van wat is geschreven (blok %1 van %2). Sluit hem weer aan en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Comparing with KORVELT</source>
        <translation>Vergelijken met KORVELT</translation>
    </message>
    <message>
        <source>Comparing with KORVELT: block %1 of %2</source>
        <translation>Vergelijken met KORVELT: blok %1 van %2</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while reading. Check the cable and try again.</source>
        <translation>De KORVELT reageerde niet meer tijdens het lezen. Controleer de kabel en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while reading (block %1 of %2). Check the cable and try again.</source>
        <translation>De KORVELT reageerde niet meer tijdens het lezen (blok %1 van %2). Controleer de kabel en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while reading. Plug it in and try again.</source>
        <translation>De KORVELT werd losgekoppeld tijdens het lezen. Sluit hem weer aan en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while reading (block %1 of %2). Plug it in and try again.</source>
        <translation>De KORVELT werd losgekoppeld tijdens het lezen (blok %1 van %2). Sluit hem weer aan en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Reading from KORVELT</source>
        <translation>Lezen van KORVELT</translation>
    </message>
    <message>
        <source>Reading from KORVELT: block %1 of %2</source>
        <translation>Lezen van KORVELT: blok %1 van %2</translation>
    </message>
    <message>
        <source>Setting the KORVELT clock</source>
        <translation>Klok van de KORVELT instellen</translation>
    </message>
    <message>
        <source>Setting the KORVELT clock: block %1 of %2</source>
        <translation>Klok van de KORVELT instellen: blok %1 van %2</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while setting the clock. Check the cable and try again.</source>
        <translation>De KORVELT reageerde niet meer tijdens het instellen van de klok. Controleer de kabel en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while setting the clock (block %1 of %2). Check the cable and try again.</source>
        <translation>De KORVELT reageerde niet meer tijdens het instellen van de klok (blok %1 van %2). Controleer de kabel en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while setting the clock. Plug it in and try again.</source>
        <translation>De KORVELT werd losgekoppeld tijdens het instellen van de klok. Sluit hem weer aan en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while setting the clock (block %1 of %2). Plug it in and try again.</source>
        <translation>De KORVELT werd losgekoppeld tijdens het instellen van de klok (blok %1 van %2). Sluit hem weer aan en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Reading the KORVELT clock</source>
        <translation>Klok van de KORVELT lezen</translation>
    </message>
    <message>
        <source>Reading the KORVELT clock: block %1 of %2</source>
        <translation>Klok van de KORVELT lezen: blok %1 van %2</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while reading the clock. Check the cable and try again.</source>
        <translation>De KORVELT reageerde niet meer tijdens het lezen van de klok. Controleer de kabel en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while reading the clock (block %1 of %2). Check the cable and try again.</source>
        <translation>De KORVELT reageerde niet meer tijdens het lezen van de klok (blok %1 van %2). Controleer de kabel en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while reading the clock. Plug it in and try again.</source>
        <translation>De KORVELT werd losgekoppeld tijdens het lezen van de klok. Sluit hem weer aan en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while reading the clock (block %1 of %2). Plug it in and try again.</source>
        <translation>De KORVELT werd losgekoppeld tijdens het lezen van de klok (blok %1 van %2). Sluit hem weer aan en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Daylight Saving</source>
        <extracomment>A place where the KORVELT&apos;s schedule differs: its daylight-saving rule</extracomment>
        <translation>Zomertijd</translation>
    </message>
    <message>
        <source>Special date %1</source>
        <extracomment>A place where the KORVELT&apos;s schedule differs; %1 is the special date&apos;s number, 1 to 16</extracomment>
        <translation>Speciale datum %1</translation>
    </message>
    <message>
        <source>... and 1 more.</source>
        <extracomment>The last line of a list cut short</extracomment>
        <translation>... en nog 1.</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... en nog %n.</numerusform>
            <numerusform>... en nog %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>The KORVELT does not hold what was written</source>
        <extracomment>First line of a message after a write that did not read back as written</extracomment>
        <translation>De KORVELT bevat niet wat er is geschreven</translation>
    </message>
    <message>
        <source>Write again; if it stays so, the KORVELT may need service.</source>
        <translation>Schrijf opnieuw; blijft dit zo, dan moet de KORVELT mogelijk worden nagekeken.</translation>
    </message>
</context>
<context>
    <name>DifferenceText</name>
    <message>
        <source>(not chosen)</source>
        <extracomment>A week or month box of the daylight-saving rule none of whose items is chosen</extracomment>
        <translation>(niet gekozen)</translation>
    </message>
    <message>
        <source>(empty)</source>
        <extracomment>An empty time cell</extracomment>
        <translation>(leeg)</translation>
    </message>
    <message>
        <source>no days</source>
        <translation>geen dagen</translation>
    </message>
    <message>
        <source>%1 to %2 %3</source>
        <extracomment>A slot: %1 its start time, %2 its end time, %3 its days (&quot;Mon Tue&quot; or &quot;no days&quot;)</extracomment>
        <translation>%1 tot %2 %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>slot times</comment>
        <extracomment>A slot: %1 its start time, %2 its end time</extracomment>
        <translation>%1 tot %2</translation>
    </message>
    <message>
        <source>on, %1 of %2 to %3 of %4</source>
        <extracomment>The daylight-saving rule, switched on: %1 of %2 (as in &quot;Last Sunday of March&quot;) the clock goes forward, %3 of %4 it goes back</extracomment>
        <translation>aan, %1 van %2 tot %3 van %4</translation>
    </message>
    <message>
        <source>off, %1 of %2 to %3 of %4</source>
        <extracomment>The daylight-saving rule, switched off: %1 of %2 (as in &quot;Last Sunday of March&quot;) the clock would go forward, %3 of %4 it would go back</extracomment>
        <translation>uit, %1 van %2 tot %3 van %4</translation>
    </message>
    <message>
        <source>(not set)</source>
        <extracomment>A special date the window cannot show</extracomment>
        <translation>(niet ingesteld)</translation>
    </message>
    <message>
        <source>%1: window %2, KORVELT %3</source>
        <extracomment>%1 is the slot&apos;s place (&quot;Output 2, Normal Times slot 3&quot;), %2 the window&apos;s slot, %3 the KORVELT&apos;s</extracomment>
        <translation>%1: venster %2, KORVELT %3</translation>
    </message>
    <message>
        <source>Daylight Saving: window %1; KORVELT %2</source>
        <extracomment>%1 is the window&apos;s daylight-saving rule, %2 the KORVELT&apos;s</extracomment>
        <translation>Zomertijd: venster %1; KORVELT %2</translation>
    </message>
    <message>
        <source>Special date %1: window %2, KORVELT %3</source>
        <extracomment>%1 is the special date&apos;s number, %2 the window&apos;s date, %3 the KORVELT&apos;s</extracomment>
        <translation>Speciale datum %1: venster %2, KORVELT %3</translation>
    </message>
    <message>
        <source>Output %1, Special Times slot %2</source>
        <extracomment>The place of a slot: %1 is the output, %2 the slot</extracomment>
        <translation>Uitgang %1, Speciale tijden periode %2</translation>
    </message>
    <message>
        <source>Output %1, Normal Times slot %2</source>
        <extracomment>The place of a slot: %1 is the output, %2 the slot</extracomment>
        <translation>Uitgang %1, Normale tijden periode %2</translation>
    </message>
    <message>
        <source>1st Sunday</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>1e zondag</translation>
    </message>
    <message>
        <source>2nd Sunday</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>2e zondag</translation>
    </message>
    <message>
        <source>3rd Sunday</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>3e zondag</translation>
    </message>
    <message>
        <source>4th Sunday</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>4e zondag</translation>
    </message>
    <message>
        <source>Last Sunday</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>laatste zondag</translation>
    </message>
    <message>
        <source>January</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>januari</translation>
    </message>
    <message>
        <source>Febuary</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>februari</translation>
    </message>
    <message>
        <source>March</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>maart</translation>
    </message>
    <message>
        <source>April</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>april</translation>
    </message>
    <message>
        <source>May</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>mei</translation>
    </message>
    <message>
        <source>June</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>juni</translation>
    </message>
    <message>
        <source>July</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>juli</translation>
    </message>
    <message>
        <source>August</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>augustus</translation>
    </message>
    <message>
        <source>September</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>september</translation>
    </message>
    <message>
        <source>October</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>oktober</translation>
    </message>
    <message>
        <source>November</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>november</translation>
    </message>
    <message>
        <source>December</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>december</translation>
    </message>
</context>
<context>
    <name>GridSlots</name>
    <message>
        <source>On</source>
        <comment>day cell</comment>
        <extracomment>The text of a day cell whose day is on; keep it short</extracomment>
        <translation>Aan</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>day cell</comment>
        <translation>Uit</translation>
    </message>
</context>
<context>
    <name>HolidayNames</name>
    <message>
        <source>England and Wales</source>
        <translation>Engeland en Wales</translation>
    </message>
    <message>
        <source>Scotland</source>
        <translation>Schotland</translation>
    </message>
    <message>
        <source>Northern Ireland</source>
        <translation>Noord-Ierland</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Ierland</translation>
    </message>
    <message>
        <source>Germany (nationwide)</source>
        <translation>Duitsland (landelijk)</translation>
    </message>
    <message>
        <source>Germany: Baden-Württemberg</source>
        <translation>Duitsland: Baden-Württemberg</translation>
    </message>
    <message>
        <source>Germany: Bavaria</source>
        <translation>Duitsland: Beieren</translation>
    </message>
    <message>
        <source>Germany: Berlin</source>
        <translation>Duitsland: Berlijn</translation>
    </message>
    <message>
        <source>Germany: Brandenburg</source>
        <translation>Duitsland: Brandenburg</translation>
    </message>
    <message>
        <source>Germany: Bremen</source>
        <translation>Duitsland: Bremen</translation>
    </message>
    <message>
        <source>Germany: Hamburg</source>
        <translation>Duitsland: Hamburg</translation>
    </message>
    <message>
        <source>Germany: Hesse</source>
        <translation>Duitsland: Hessen</translation>
    </message>
    <message>
        <source>Germany: Lower Saxony</source>
        <translation>Duitsland: Nedersaksen</translation>
    </message>
    <message>
        <source>Germany: Mecklenburg-Western Pomerania</source>
        <translation>Duitsland: Mecklenburg-Voor-Pommeren</translation>
    </message>
    <message>
        <source>Germany: North Rhine-Westphalia</source>
        <translation>Duitsland: Noordrijn-Westfalen</translation>
    </message>
    <message>
        <source>Germany: Rhineland-Palatinate</source>
        <translation>Duitsland: Rijnland-Palts</translation>
    </message>
    <message>
        <source>Germany: Saarland</source>
        <translation>Duitsland: Saarland</translation>
    </message>
    <message>
        <source>Germany: Saxony</source>
        <translation>Duitsland: Saksen</translation>
    </message>
    <message>
        <source>Germany: Saxony-Anhalt</source>
        <translation>Duitsland: Saksen-Anhalt</translation>
    </message>
    <message>
        <source>Germany: Schleswig-Holstein</source>
        <translation>Duitsland: Sleeswijk-Holstein</translation>
    </message>
    <message>
        <source>Germany: Thuringia</source>
        <translation>Duitsland: Thüringen</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Oostenrijk</translation>
    </message>
    <message>
        <source>Switzerland (every canton)</source>
        <translation>Zwitserland (alle kantons)</translation>
    </message>
    <message>
        <source>Switzerland: Zurich</source>
        <translation>Zwitserland: Zürich</translation>
    </message>
    <message>
        <source>Switzerland: Bern</source>
        <translation>Zwitserland: Bern</translation>
    </message>
    <message>
        <source>Switzerland: Basel-Stadt</source>
        <translation>Zwitserland: Basel-Stadt</translation>
    </message>
    <message>
        <source>Switzerland: Geneva</source>
        <translation>Zwitserland: Genève</translation>
    </message>
    <message>
        <source>Switzerland: Vaud</source>
        <translation>Zwitserland: Vaud</translation>
    </message>
    <message>
        <source>Switzerland: Ticino</source>
        <translation>Zwitserland: Ticino</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>België</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Frankrijk</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italië</translation>
    </message>
    <message>
        <source>Spain (national)</source>
        <translation>Spanje (landelijk)</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polen</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Nederland</translation>
    </message>
    <message>
        <source>United States (federal)</source>
        <translation>Verenigde Staten (federaal)</translation>
    </message>
    <message>
        <source>Canada (federal)</source>
        <translation>Canada (federaal)</translation>
    </message>
    <message>
        <source>Australia (national)</source>
        <translation>Australië (landelijk)</translation>
    </message>
    <message>
        <source>2nd January</source>
        <translation>2 januari</translation>
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
        <translation>Wapenstilstand</translation>
    </message>
    <message>
        <source>Ascension Day</source>
        <translation>Hemelvaartsdag</translation>
    </message>
    <message>
        <source>Assumption Day</source>
        <translation>Maria-Hemelvaart</translation>
    </message>
    <message>
        <source>Assumption of Mary</source>
        <translation>Maria-Hemelvaart</translation>
    </message>
    <message>
        <source>Augsburg Peace Festival</source>
        <translation>Vredesfeest van Augsburg</translation>
    </message>
    <message>
        <source>August bank holiday</source>
        <translation>August bank holiday</translation>
    </message>
    <message>
        <source>Australia Day</source>
        <translation>Australia Day</translation>
    </message>
    <message>
        <source>Bank holiday for the State Funeral of Queen Elizabeth II</source>
        <translation>Bank holiday voor de staatsbegrafenis van koningin Elizabeth II</translation>
    </message>
    <message>
        <source>Bank holiday for the coronation of King Charles III</source>
        <translation>Bank holiday voor de kroning van koning Charles III</translation>
    </message>
    <message>
        <source>Bastille Day</source>
        <translation>Franse nationale feestdag</translation>
    </message>
    <message>
        <source>Battle of the Boyne (Orangemen&apos;s Day)</source>
        <translation>Slag aan de Boyne (Orangemen&apos;s Day)</translation>
    </message>
    <message>
        <source>Berchtold&apos;s Day</source>
        <translation>Berchtoldsdag</translation>
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
        <translation>Honderd jaar onafhankelijkheid</translation>
    </message>
    <message>
        <source>Christmas Day</source>
        <translation>Eerste kerstdag</translation>
    </message>
    <message>
        <source>Christmas Eve</source>
        <translation>Kerstavond</translation>
    </message>
    <message>
        <source>Columbus Day</source>
        <translation>Columbus Day</translation>
    </message>
    <message>
        <source>Constitution Day</source>
        <translation>Dag van de Grondwet</translation>
    </message>
    <message>
        <source>Corpus Christi</source>
        <translation>Sacramentsdag</translation>
    </message>
    <message>
        <source>Day of German Unity</source>
        <translation>Dag van de Duitse Eenheid</translation>
    </message>
    <message>
        <source>Day of Liberation</source>
        <translation>Dag van de Bevrijding</translation>
    </message>
    <message>
        <source>Day of Remembrance and Recognition</source>
        <translation>Dag van herdenking en erkenning</translation>
    </message>
    <message>
        <source>Day of Repentance and Prayer</source>
        <translation>Boete- en Biddag</translation>
    </message>
    <message>
        <source>Early May bank holiday</source>
        <translation>Early May bank holiday</translation>
    </message>
    <message>
        <source>Easter Monday</source>
        <translation>Tweede paasdag</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>Eerste paasdag</translation>
    </message>
    <message>
        <source>Epiphany</source>
        <translation>Driekoningen</translation>
    </message>
    <message>
        <source>Federal Fast Monday</source>
        <translation>Maandag na de Federale Dank-, Boete- en Biddag</translation>
    </message>
    <message>
        <source>Ferragosto</source>
        <translation>Ferragosto</translation>
    </message>
    <message>
        <source>Genevan Fast</source>
        <translation>Jeûne genevois</translation>
    </message>
    <message>
        <source>Golden Jubilee bank holiday</source>
        <translation>Bank holiday voor het gouden jubileum</translation>
    </message>
    <message>
        <source>Good Friday</source>
        <translation>Goede Vrijdag</translation>
    </message>
    <message>
        <source>Immaculate Conception</source>
        <translation>Maria-Onbevlekte Ontvangenis</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Onafhankelijkheidsdag</translation>
    </message>
    <message>
        <source>International Women&apos;s Day</source>
        <translation>Internationale Vrouwendag</translation>
    </message>
    <message>
        <source>June bank holiday</source>
        <translation>June bank holiday</translation>
    </message>
    <message>
        <source>Juneteenth National Independence Day</source>
        <translation>Juneteenth</translation>
    </message>
    <message>
        <source>King&apos;s Birthday</source>
        <translation>Verjaardag van de koning</translation>
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
        <translation>Dag van de Arbeid</translation>
    </message>
    <message>
        <source>Liberation Day</source>
        <translation>Bevrijdingsdag</translation>
    </message>
    <message>
        <source>Liberation Day (every fifth year)</source>
        <translation>Bevrijdingsdag (elke vijf jaar)</translation>
    </message>
    <message>
        <source>Maundy Thursday</source>
        <translation>Witte Donderdag</translation>
    </message>
    <message>
        <source>May bank holiday</source>
        <translation>May bank holiday</translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation>Memorial Day</translation>
    </message>
    <message>
        <source>National Day</source>
        <translation>Nationale feestdag</translation>
    </message>
    <message>
        <source>National Day for Truth and Reconciliation</source>
        <translation>National Day for Truth and Reconciliation</translation>
    </message>
    <message>
        <source>National Day of Mourning for Queen Elizabeth II</source>
        <translation>Nationale rouwdag voor koningin Elizabeth II</translation>
    </message>
    <message>
        <source>National Day of Spain</source>
        <translation>Spaanse nationale feestdag</translation>
    </message>
    <message>
        <source>New Year&apos;s Day</source>
        <translation>Nieuwjaarsdag</translation>
    </message>
    <message>
        <source>October bank holiday</source>
        <translation>October bank holiday</translation>
    </message>
    <message>
        <source>Platinum Jubilee bank holiday</source>
        <translation>Bank holiday voor het platina jubileum</translation>
    </message>
    <message>
        <source>Queen&apos;s Birthday</source>
        <translation>Verjaardag van de koningin</translation>
    </message>
    <message>
        <source>Queen&apos;s Day</source>
        <translation>Koninginnedag</translation>
    </message>
    <message>
        <source>Queen&apos;s Diamond Jubilee</source>
        <translation>Diamanten jubileum van de koningin</translation>
    </message>
    <message>
        <source>Reformation Day</source>
        <translation>Hervormingsdag</translation>
    </message>
    <message>
        <source>Remembrance Day</source>
        <translation>Remembrance Day</translation>
    </message>
    <message>
        <source>Republic Day</source>
        <translation>Dag van de Republiek</translation>
    </message>
    <message>
        <source>Restoration of the Republic</source>
        <translation>Herstel van de Republiek</translation>
    </message>
    <message>
        <source>Royal wedding</source>
        <translation>Koninklijk huwelijk</translation>
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
        <translation>Sint-Stefanusdag</translation>
    </message>
    <message>
        <source>Second Day of Christmas</source>
        <translation>Tweede kerstdag</translation>
    </message>
    <message>
        <source>Spring bank holiday</source>
        <translation>Spring bank holiday</translation>
    </message>
    <message>
        <source>St Andrew&apos;s Day</source>
        <translation>St Andrew&apos;s Day</translation>
    </message>
    <message>
        <source>St Francis of Assisi</source>
        <translation>Sint-Franciscus van Assisi</translation>
    </message>
    <message>
        <source>St Joseph&apos;s Day</source>
        <translation>Sint-Jozef</translation>
    </message>
    <message>
        <source>St Patrick&apos;s Day</source>
        <translation>St Patrick&apos;s Day</translation>
    </message>
    <message>
        <source>St Stephen&apos;s Day</source>
        <translation>Sint-Stefanusdag</translation>
    </message>
    <message>
        <source>State Holiday</source>
        <translation>Staatsfeestdag</translation>
    </message>
    <message>
        <source>Sts Peter and Paul</source>
        <translation>Petrus en Paulus</translation>
    </message>
    <message>
        <source>Summer bank holiday</source>
        <translation>Summer bank holiday</translation>
    </message>
    <message>
        <source>Swiss National Day</source>
        <translation>Zwitserse nationale feestdag</translation>
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
        <translation>Dag van de Overwinning</translation>
    </message>
    <message>
        <source>Washington&apos;s Birthday</source>
        <translation>Verjaardag van Washington</translation>
    </message>
    <message>
        <source>Whit Monday</source>
        <translation>Tweede pinksterdag</translation>
    </message>
    <message>
        <source>Whit Sunday</source>
        <translation>Eerste pinksterdag</translation>
    </message>
    <message>
        <source>World Children&apos;s Day</source>
        <translation>Wereldkinderdag</translation>
    </message>
    <message>
        <source>150th anniversary of the unification of Italy</source>
        <translation>150e verjaardag van de eenwording van Italië</translation>
    </message>
    <message>
        <source>Additional bank holiday</source>
        <translation>Extra bank holiday</translation>
    </message>
    <message>
        <source>Anniversary of the uprising of 17 June 1953</source>
        <translation>Verjaardag van de opstand van 17 juni 1953</translation>
    </message>
</context>
<context>
    <name>HolidayNotes</name>
    <message>
        <source>A holiday in every canton but Ticino and Valais.</source>
        <translation>Feestdag in alle kantons behalve Ticino en Wallis.</translation>
    </message>
    <message>
        <source>A holiday in every region but Catalonia (and in some years Valencia).</source>
        <translation>Feestdag in alle regio&apos;s behalve Catalonië (en in sommige jaren Valencia).</translation>
    </message>
    <message>
        <source>A holiday in most cantons, not in Geneva, Jura, Neuchâtel, Valais and Vaud.</source>
        <translation>Feestdag in de meeste kantons, niet in Genève, Jura, Neuchâtel, Wallis en Vaud.</translation>
    </message>
    <message>
        <source>A holiday in most cantons, not in Valais.</source>
        <translation>Feestdag in de meeste kantons, niet in Wallis.</translation>
    </message>
    <message>
        <source>A public holiday, but a day off only where the collective agreement or the employer gives it, in many agreements every fifth year only.</source>
        <translation>Officiële feestdag, maar alleen een vrije dag waar de cao of de werkgever die geeft, in veel cao&apos;s alleen eens in de vijf jaar.</translation>
    </message>
    <message>
        <source>A public holiday, but a day off only where the collective agreement or the employer gives it.</source>
        <translation>Officiële feestdag, maar alleen een vrije dag waar de cao of de werkgever die geeft.</translation>
    </message>
    <message>
        <source>In some Catholic Sorbian municipalities of the districts of Bautzen and Görlitz only.</source>
        <translation>Alleen in enkele katholieke Sorbische gemeenten van de districten Bautzen en Görlitz.</translation>
    </message>
    <message>
        <source>In the city of Augsburg only.</source>
        <translation>Alleen in de stad Augsburg.</translation>
    </message>
    <message>
        <source>In the municipalities of the Eichsfeld district with a mainly Catholic population, and some others, only.</source>
        <translation>Alleen in de overwegend katholieke gemeenten van het district Eichsfeld en enkele andere.</translation>
    </message>
    <message>
        <source>In the municipalities with a mainly Catholic population (most of Bavaria, Munich included); untick it elsewhere.</source>
        <translation>In de gemeenten met een overwegend katholieke bevolking (het grootste deel van Beieren, München inbegrepen); elders het vinkje weghalen.</translation>
    </message>
    <message>
        <source>Liberation Day in the years of a lustrum (2025, 2030, ...), as many agreements give it.</source>
        <translation>Bevrijdingsdag in de lustrumjaren (2025, 2030, ...), zoals veel cao&apos;s die geven.</translation>
    </message>
    <message>
        <source>Western Australia and Queensland keep it on other days.</source>
        <translation>West-Australië en Queensland vieren hem op andere dagen.</translation>
    </message>
    <message>
        <source>A one-off bank holiday in Scotland alone, proclaimed for Monday 15 June 2026.</source>
        <translation>Een eenmalige bank holiday alleen in Schotland, afgekondigd voor maandag 15 juni 2026.</translation>
    </message>
    <message>
        <source>A public holiday once, by Decree-law 5 of 2011.</source>
        <translation>Eenmalig een officiële feestdag, bij wetsdecreet nr. 5 van 2011.</translation>
    </message>
    <message>
        <source>A holiday in Berlin once, 75 years after the uprising of 17 June 1953.</source>
        <translation>Eenmalig een feestdag in Berlijn, 75 jaar na de opstand van 17 juni 1953.</translation>
    </message>
    <message>
        <source>In 2011 on Tuesday 26 April, as Easter Monday fell on 25 April.</source>
        <translation>In 2011 op dinsdag 26 april, omdat tweede paasdag op 25 april viel.</translation>
    </message>
    <message>
        <source>On 2 June from 2001 (Law 336 of 2000); from 1977 to 2000 it was kept on the first Sunday of June.</source>
        <translation>Op 2 juni vanaf 2001 (wet nr. 336 van 2000); van 1977 t/m 2000 werd die op de eerste zondag van juni gevierd.</translation>
    </message>
    <message>
        <source>On a Saturday or a Sunday, the working day after it is the day off (Canada Labour Code, as the federal government&apos;s lists give it).</source>
        <translation>Valt hij op een zaterdag of zondag, dan is de werkdag erna vrij (Canada Labour Code, zoals de lijsten van de federale overheid aangeven).</translation>
    </message>
</context>
<context>
    <name>HolidayRuleFile</name>
    <message>
        <source>has an unknown kind &quot;%1&quot; (known: fixed, easter, nth-weekday, last-weekday).</source>
        <translation>heeft een onbekende soort &quot;%1&quot; (bekend: fixed, easter, nth-weekday, last-weekday).</translation>
    </message>
    <message>
        <source>needs a whole &quot;month&quot; and &quot;day&quot;.</source>
        <translation>heeft een geheel getal nodig voor &quot;month&quot; en &quot;day&quot;.</translation>
    </message>
    <message>
        <source>needs a whole &quot;offset&quot; (days from Easter Sunday).</source>
        <translation>heeft een geheel getal nodig voor &quot;offset&quot; (dagen vanaf eerste paasdag).</translation>
    </message>
    <message>
        <source>needs a whole &quot;nth&quot; (1 to 4).</source>
        <translation>heeft een geheel getal nodig voor &quot;nth&quot; (1 t/m 4).</translation>
    </message>
    <message>
        <source>needs a &quot;weekday&quot; from sunday to saturday.</source>
        <translation>heeft een &quot;weekday&quot; van sunday t/m saturday nodig.</translation>
    </message>
    <message>
        <source>needs a whole &quot;month&quot;.</source>
        <translation>heeft een geheel getal nodig voor &quot;month&quot;.</translation>
    </message>
    <message>
        <source>has an unknown &quot;weekend&quot; &quot;%1&quot;.</source>
        <translation>heeft een onbekende waarde &quot;%1&quot; voor &quot;weekend&quot;.</translation>
    </message>
    <message>
        <source>has an unknown &quot;then&quot; &quot;%1&quot; (known: before, after, on-or-before, on-or-after).</source>
        <translation>heeft een onbekende waarde &quot;%1&quot; voor &quot;then&quot; (bekend: before, after, on-or-before, on-or-after).</translation>
    </message>
    <message>
        <source>needs a &quot;then-weekday&quot; from sunday to saturday.</source>
        <translation>heeft een &quot;then-weekday&quot; van sunday t/m saturday nodig.</translation>
    </message>
    <message>
        <source>needs a whole number of years as &quot;%1&quot;.</source>
        <translation>heeft een geheel aantal jaren nodig voor &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>needs a list as &quot;changes&quot;.</source>
        <translation>heeft een lijst nodig voor &quot;changes&quot;.</translation>
    </message>
    <message>
        <source>needs a &quot;year&quot; and either a &quot;month&quot; and &quot;day&quot; or &quot;dropped&quot; in each change.</source>
        <translation>heeft in elke wijziging een &quot;year&quot; nodig, met &quot;month&quot; en &quot;day&quot; of met &quot;dropped&quot;.</translation>
    </message>
    <message>
        <source>The file is not valid JSON: %1 at character %2.</source>
        <translation>Het bestand is geen geldige JSON: %1 bij teken %2.</translation>
    </message>
    <message>
        <source>The file is no holiday rule file.</source>
        <translation>Het bestand is geen regelbestand voor feestdagen.</translation>
    </message>
    <message>
        <source>The file was written by a later version of the program.</source>
        <translation>Het bestand is geschreven door een nieuwere versie van het programma.</translation>
    </message>
    <message>
        <source>Rule %1 %2</source>
        <extracomment>%1 is the rule&apos;s number in the file; %2 what is wrong with it, as in &quot;needs a whole &quot;month&quot;.&quot;</extracomment>
        <translation>Regel %1 %2</translation>
    </message>
    <message>
        <source>Rule %1 (%2) %3</source>
        <extracomment>%1 is the rule&apos;s number in the file, %2 its name; %3 what is wrong with it, as in &quot;needs a whole &quot;month&quot;.&quot;</extracomment>
        <translation>Regel %1 (%2) %3</translation>
    </message>
    <message>
        <source>The file cannot be opened.</source>
        <translation>Het bestand kan niet worden geopend.</translation>
    </message>
    <message>
        <source>The file is too large for a holiday rule file.</source>
        <translation>Het bestand is te groot voor een regelbestand voor feestdagen.</translation>
    </message>
</context>
<context>
    <name>HolidayText</name>
    <message>
        <source>January</source>
        <translation>januari</translation>
    </message>
    <message>
        <source>February</source>
        <translation>februari</translation>
    </message>
    <message>
        <source>March</source>
        <translation>maart</translation>
    </message>
    <message>
        <source>April</source>
        <translation>april</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mei</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>augustus</translation>
    </message>
    <message>
        <source>September</source>
        <translation>september</translation>
    </message>
    <message>
        <source>October</source>
        <translation>oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>november</translation>
    </message>
    <message>
        <source>December</source>
        <translation>december</translation>
    </message>
    <message>
        <source>%1 (substitute day)</source>
        <extracomment>A holiday moved off a weekend: %1 is its name</extracomment>
        <translation>%1 (vervangende dag)</translation>
    </message>
    <message>
        <source>%1 (observed)</source>
        <extracomment>A holiday observed on a weekday: %1 is its name</extracomment>
        <translation>%1 (verplaatst)</translation>
    </message>
    <message>
        <source> / </source>
        <extracomment>Between the names of holidays on the same day</extracomment>
        <translation> / </translation>
    </message>
    <message>
        <source>The month must be from 1 to 12.</source>
        <translation>De maand moet 1 t/m 12 zijn.</translation>
    </message>
    <message>
        <source>%1 %2 is not a date.</source>
        <extracomment>%1 is a day, %2 a month, as in &quot;30 February is not a date.&quot;</extracomment>
        <translation>%1 %2 is geen datum.</translation>
    </message>
    <message>
        <source>Days from Easter Sunday must be from -%1 to %1.</source>
        <extracomment>%1 is the most days a rule may be from Easter Sunday</extracomment>
        <translation>Het aantal dagen vanaf eerste paasdag moet -%1 t/m %1 zijn.</translation>
    </message>
    <message>
        <source>Which weekday of the month must be from 1 to 4 (or the last).</source>
        <translation>Het nummer van de weekdag in de maand moet 1 t/m 4 zijn (of de laatste).</translation>
    </message>
    <message>
        <source>The weekday must be from 0 (Sunday) to 6 (Saturday).</source>
        <translation>De weekdag moet 0 (zondag) t/m 6 (zaterdag) zijn.</translation>
    </message>
    <message>
        <source>The weekday before or after must be from 0 (Sunday) to 6 (Saturday).</source>
        <translation>De weekdag ervoor of erna moet 0 (zondag) t/m 6 (zaterdag) zijn.</translation>
    </message>
    <message>
        <source>The first and the last year must be from %1 to %2.</source>
        <translation>Het eerste en het laatste jaar moeten binnen %1 t/m %2 liggen.</translation>
    </message>
    <message>
        <source>The last year (%1) is before the first (%2).</source>
        <extracomment>%1 is the last year, %2 the first</extracomment>
        <translation>Het laatste jaar (%1) ligt vóór het eerste (%2).</translation>
    </message>
    <message>
        <source>Every how many years must be from 1 to 100.</source>
        <translation>Het getal bij &quot;elke … jaar&quot; moet 1 t/m 100 zijn.</translation>
    </message>
    <message numerus="yes">
        <source>Every %n years needs the first year to count from.</source>
        <extracomment>%n is every how many years (2 or more)</extracomment>
        <translation>
            <numerusform>Bij elke %n jaar is een eerste jaar nodig om vanaf te tellen.</numerusform>
            <numerusform>Bij elke %n jaar is een eerste jaar nodig om vanaf te tellen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The year of a change must be from %1 to %2.</source>
        <translation>Het jaar van een wijziging moet binnen %1 t/m %2 liggen.</translation>
    </message>
    <message>
        <source>%1 is changed twice.</source>
        <extracomment>%1 is a year</extracomment>
        <translation>%1 is twee keer gewijzigd.</translation>
    </message>
    <message>
        <source>The change of %1 is not a date.</source>
        <extracomment>%1 is a year</extracomment>
        <translation>De wijziging van %1 is geen datum.</translation>
    </message>
</context>
<context>
    <name>HolidaysDialog</name>
    <message>
        <source>Holiday Rules (*.json);;All Files (*.*)</source>
        <extracomment>File dialog filter; keep the patterns in parentheses as they are</extracomment>
        <translation>Feestdagregels (*.json);;Alle bestanden (*.*)</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>zondag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>maandag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>dinsdag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>woensdag</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>donderdag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vrijdag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>zaterdag</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <extracomment>A rule&apos;s day: %1 is a weekday, %2 a month</extracomment>
        <translation>1e %1 van %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <translation>2e %1 van %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <translation>3e %1 van %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <translation>4e %1 van %2</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <extracomment>A rule&apos;s day: %1 is a number, %2 a weekday, %3 a month</extracomment>
        <translation>%1e %2 van %3</translation>
    </message>
    <message>
        <source>the %1 before %2</source>
        <extracomment>A rule&apos;s day: %1 is a weekday, %2 the date it is counted from, as in &quot;the Wednesday before 23 November&quot;</extracomment>
        <translation>de %1 vóór %2</translation>
    </message>
    <message>
        <source>the %1 after %2</source>
        <translation>de %1 na %2</translation>
    </message>
    <message>
        <source>the %1 on or before %2</source>
        <translation>de %1 op of vóór %2</translation>
    </message>
    <message>
        <source>the %1 on or after %2</source>
        <translation>de %1 op of na %2</translation>
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
        <translation>%1, in het weekend de maandag erna</translation>
    </message>
    <message>
        <source>%1, on a Saturday the Friday before, on a Sunday the Monday after</source>
        <translation>%1, op zaterdag de vrijdag ervoor, op zondag de maandag erna</translation>
    </message>
    <message>
        <source>%1, on a Sunday the Saturday before</source>
        <translation>%1, op zondag de zaterdag ervoor</translation>
    </message>
    <message>
        <source>%1, on a Sunday the next Monday</source>
        <translation>%1, op zondag de maandag erna</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>eerste paasdag</translation>
    </message>
    <message>
        <source>Easter Sunday %1 days</source>
        <extracomment>A rule&apos;s day counted from Easter: %1 is a signed number of days, as in &quot;+50&quot; or &quot;-2&quot;</extracomment>
        <translation>eerste paasdag %1 dagen</translation>
    </message>
    <message>
        <source>last %1 of %2</source>
        <extracomment>A rule&apos;s day: %1 is a weekday, %2 a month</extracomment>
        <translation>laatste %1 van %2</translation>
    </message>
    <message>
        <source>%1, in %2 only</source>
        <extracomment>%1 is a rule&apos;s day, %2 the one year it holds</extracomment>
        <translation>%1, alleen in %2</translation>
    </message>
    <message>
        <source>%1, every %2 years from %3</source>
        <extracomment>%1 is a rule&apos;s day, %2 every how many years, %3 the year it counts from</extracomment>
        <translation>%1, elke %2 jaar vanaf %3</translation>
    </message>
    <message>
        <source>%1, from %2</source>
        <extracomment>%1 is a rule&apos;s day, %2 its first year</extracomment>
        <translation>%1, vanaf %2</translation>
    </message>
    <message>
        <source>%1, until %2</source>
        <extracomment>%1 is a rule&apos;s day (perhaps with its first year), %2 its last year</extracomment>
        <translation>%1, t/m %2</translation>
    </message>
    <message>
        <source>none in %1</source>
        <extracomment>A year in which a rule gives no holiday</extracomment>
        <translation>niet in %1</translation>
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
        <translation>nog %1</translation>
    </message>
    <message>
        <source>%1 (once: %2)</source>
        <extracomment>%1 is a rule&apos;s day, %2 its one-off changes, as in &quot;none in 2031, 8 May 2020&quot;</extracomment>
        <translation>%1 (eenmalig: %2)</translation>
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
        <translation>Afdrukvoorbeeld</translation>
    </message>
    <message>
        <source>KORVELTs attached</source>
        <extracomment>Name of the list of KORVELTs attached, for screen readers</extracomment>
        <translation>Aangesloten KORVELTs</translation>
    </message>
</context>
<context>
    <name>ScheduleFiles</name>
    <message>
        <source>Data Files (*.dat);;All Files (*.*)</source>
        <extracomment>The file dialogs&apos; filter: keep &quot;(*.dat)&quot;, &quot;(*.*)&quot; and &quot;;;&quot; as they are</extracomment>
        <translation>Gegevensbestanden (*.dat);;Alle bestanden (*.*)</translation>
    </message>
    <message>
        <source>Data has changed
Save now?</source>
        <extracomment>Asked before unsaved changes would be replaced; Yes saves them</extracomment>
        <translation>De gegevens zijn gewijzigd
Nu opslaan?</translation>
    </message>
    <message>
        <source>File: Untitled (unsaved changes)</source>
        <extracomment>Status area: the schedule was never saved</extracomment>
        <translation>Bestand: Naamloos (niet-opgeslagen wijzigingen)</translation>
    </message>
    <message>
        <source>File: Untitled</source>
        <translation>Bestand: Naamloos</translation>
    </message>
    <message>
        <source>File: %1 (unsaved changes)</source>
        <extracomment>Status area; %1 is the data file&apos;s name</extracomment>
        <translation>Bestand: %1 (niet-opgeslagen wijzigingen)</translation>
    </message>
    <message>
        <source>File: %1</source>
        <extracomment>Status area; %1 is the data file&apos;s name</extracomment>
        <translation>Bestand: %1</translation>
    </message>
    <message>
        <source>KORVELT schedule</source>
        <extracomment>The name the PDF file is offered under when the schedule was never saved</extracomment>
        <translation>KORVELT-programmering</translation>
    </message>
</context>
<context>
    <name>ScheduleJson</name>
    <message>
        <source>an object is expected</source>
        <translation>een object wordt verwacht</translation>
    </message>
    <message>
        <source>unknown key</source>
        <translation>onbekende sleutel</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>ontbreekt</translation>
    </message>
    <message>
        <source>one day too many; there are %1</source>
        <translation>één dag te veel; het zijn er %1</translation>
    </message>
    <message>
        <source>one slot too many; there are %1</source>
        <translation>één periode te veel; het zijn er %1</translation>
    </message>
    <message>
        <source>one output too many; there are %1</source>
        <translation>één uitgang te veel; het zijn er %1</translation>
    </message>
    <message>
        <source>one date too many; there are %1</source>
        <translation>één datum te veel; het zijn er %1</translation>
    </message>
    <message>
        <source>missing; there are %1 days</source>
        <translation>ontbreekt; het zijn %1 dagen</translation>
    </message>
    <message>
        <source>missing; there are %1 slots</source>
        <translation>ontbreekt; het zijn %1 periodes</translation>
    </message>
    <message>
        <source>missing; there are %1 outputs</source>
        <translation>ontbreekt; het zijn %1 uitgangen</translation>
    </message>
    <message>
        <source>missing; there are %1 dates</source>
        <translation>ontbreekt; het zijn %1 datums</translation>
    </message>
    <message>
        <source>an array is expected</source>
        <translation>een array wordt verwacht</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2 is expected</source>
        <translation>een geheel getal van %1 tot %2 wordt verwacht</translation>
    </message>
    <message>
        <source>16 hexadecimal digits are expected</source>
        <translation>16 hexadecimale cijfers worden verwacht</translation>
    </message>
    <message>
        <source>a number or null is expected</source>
        <translation>een getal of null wordt verwacht</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time HH:MM:SS</source>
        <translation>&quot;%1&quot; is geen tijd HH:MM:SS</translation>
    </message>
    <message>
        <source>a time &quot;HH:MM:SS&quot; is expected</source>
        <translation>een tijd &quot;HH:MM:SS&quot; wordt verwacht</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date YYYY-MM-DD from %2 to %3</source>
        <translation>&quot;%1&quot; is geen datum YYYY-MM-DD van %2 tot %3</translation>
    </message>
    <message>
        <source>a date &quot;YYYY-MM-DD&quot; is expected</source>
        <translation>een datum &quot;YYYY-MM-DD&quot; wordt verwacht</translation>
    </message>
    <message>
        <source>one of %1 is expected</source>
        <translation>een van %1 wordt verwacht</translation>
    </message>
    <message>
        <source>an array of day names is expected</source>
        <translation>een array van dagnamen wordt verwacht</translation>
    </message>
    <message>
        <source>a day name, Sunday to Saturday, once each, is expected</source>
        <translation>een dagnaam van Sunday tot Saturday, elk één keer, wordt verwacht</translation>
    </message>
    <message>
        <source>does not agree with days</source>
        <translation>komt niet overeen met days</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is expected</source>
        <translation>&quot;%1&quot; wordt verwacht</translation>
    </message>
    <message>
        <source>a later version of this format</source>
        <translation>een latere versie van dit formaat</translation>
    </message>
    <message>
        <source>%1 is expected here</source>
        <translation>hier wordt %1 verwacht</translation>
    </message>
    <message>
        <source>not a byte of the data file that the loader leaves unread</source>
        <translation>geen byte van het gegevensbestand dat bij het laden ongelezen blijft</translation>
    </message>
    <message>
        <source>the version would be a later one</source>
        <translation>de versie zou een latere zijn</translation>
    </message>
    <message>
        <source>neither a KORVELT data file nor a schedule in JSON</source>
        <translation>geen KORVELT-gegevensbestand en geen programmering in JSON</translation>
    </message>
    <message>
        <source>line %1: not JSON: %2</source>
        <translation>regel %1: geen JSON: %2</translation>
    </message>
    <message>
        <source>%1: the key is given twice</source>
        <translation>%1: de sleutel staat er twee keer</translation>
    </message>
    <message>
        <source>the top level</source>
        <translation>het hoogste niveau</translation>
    </message>
</context>
<context>
    <name>ScheduleReport</name>
    <message>
        <source>January</source>
        <translation>januari</translation>
    </message>
    <message>
        <source>February</source>
        <translation>februari</translation>
    </message>
    <message>
        <source>March</source>
        <translation>maart</translation>
    </message>
    <message>
        <source>April</source>
        <translation>april</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mei</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>augustus</translation>
    </message>
    <message>
        <source>September</source>
        <translation>september</translation>
    </message>
    <message>
        <source>October</source>
        <translation>oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>november</translation>
    </message>
    <message>
        <source>December</source>
        <translation>december</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>maandag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>dinsdag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>woensdag</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>donderdag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vrijdag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>zaterdag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>zondag</translation>
    </message>
    <message>
        <source>Mon</source>
        <extracomment>The short weekday names heading the day columns of an output&apos;s table</extracomment>
        <translation>ma</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>di</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>wo</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>do</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>vr</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>za</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>zo</translation>
    </message>
    <message>
        <source>the first Sunday of %1</source>
        <extracomment>When the clocks change; %1 is a month</extracomment>
        <translation>de eerste zondag van %1</translation>
    </message>
    <message>
        <source>the second Sunday of %1</source>
        <translation>de tweede zondag van %1</translation>
    </message>
    <message>
        <source>the third Sunday of %1</source>
        <translation>de derde zondag van %1</translation>
    </message>
    <message>
        <source>the fourth Sunday of %1</source>
        <translation>de vierde zondag van %1</translation>
    </message>
    <message>
        <source>the last Sunday of %1</source>
        <translation>de laatste zondag van %1</translation>
    </message>
    <message>
        <source>a Sunday in %1 (no week chosen)</source>
        <extracomment>When the clocks change, with no week chosen; %1 is a month</extracomment>
        <translation>een zondag in %1 (geen week gekozen)</translation>
    </message>
    <message>
        <source>the first Sunday of a month (no month chosen)</source>
        <translation>de eerste zondag van een maand (geen maand gekozen)</translation>
    </message>
    <message>
        <source>the second Sunday of a month (no month chosen)</source>
        <translation>de tweede zondag van een maand (geen maand gekozen)</translation>
    </message>
    <message>
        <source>the third Sunday of a month (no month chosen)</source>
        <translation>de derde zondag van een maand (geen maand gekozen)</translation>
    </message>
    <message>
        <source>the fourth Sunday of a month (no month chosen)</source>
        <translation>de vierde zondag van een maand (geen maand gekozen)</translation>
    </message>
    <message>
        <source>the last Sunday of a month (no month chosen)</source>
        <translation>de laatste zondag van een maand (geen maand gekozen)</translation>
    </message>
    <message>
        <source>a day not chosen</source>
        <translation>een dag die niet is gekozen</translation>
    </message>
    <message>
        <source>Daylight saving off</source>
        <translation>Zomertijd uit</translation>
    </message>
    <message>
        <source>Clocks go forward on %1 and back on %2</source>
        <extracomment>The daylight-saving rule in words; %1 and %2 are days such as &quot;the last Sunday of March&quot;</extracomment>
        <translation>De klok gaat op %1 vooruit en op %2 terug</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>range of outputs</comment>
        <extracomment>A range of output numbers, as in &quot;Outputs 1, 3 and 9 to 16&quot;</extracomment>
        <translation>%1 t/m %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>list of outputs</comment>
        <extracomment>The list of output numbers: %1 all but the last, joined by commas, %2 the last, as in &quot;1, 3 and 9 to 16&quot;</extracomment>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>, </source>
        <comment>list of outputs</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Outputs %1</source>
        <extracomment>%1 is a list of output numbers, as in &quot;1, 3 and 9 to 16&quot;</extracomment>
        <translation>Uitgangen %1</translation>
    </message>
    <message>
        <source>Output %1</source>
        <comment>one output in a list</comment>
        <extracomment>%1 is one output&apos;s number</extracomment>
        <translation>Uitgang %1</translation>
    </message>
    <message>
        <source>not saved</source>
        <extracomment>In the page header, in place of the file name</extracomment>
        <translation>niet opgeslagen</translation>
    </message>
    <message>
        <source>Printed: %1</source>
        <extracomment>In the page header: %1 is the date and time of printing</extracomment>
        <translation>Afgedrukt: %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 van %2</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Bestand: %1</translation>
    </message>
    <message>
        <source>KORVELT: %1, serial number %2</source>
        <extracomment>In the page header: %1 is the KORVELT&apos;s version, %2 its serial number</extracomment>
        <translation>KORVELT: %1, serienummer %2</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Overzicht</translation>
    </message>
    <message>
        <source>in the past</source>
        <translation>in het verleden</translation>
    </message>
    <message>
        <source>same as special date %1</source>
        <translation>gelijk aan speciale datum %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Weekdag</translation>
    </message>
    <message>
        <source>Special date</source>
        <extracomment>Column heading: the special date&apos;s number</extracomment>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Opmerking</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(niet ingesteld)</translation>
    </message>
    <message>
        <source>, </source>
        <comment>list of notes</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Special dates</source>
        <translation>Speciale datums</translation>
    </message>
    <message>
        <source>Schedule check</source>
        <translation>Controle van de programmering</translation>
    </message>
    <message>
        <source>Mistake: %1</source>
        <extracomment>%1 is a finding of the schedule check</extracomment>
        <translation>Fout: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Opmerking: %1</translation>
    </message>
    <message>
        <source>(empty)</source>
        <extracomment>An empty time cell</extracomment>
        <translation>(leeg)</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>slot start time</comment>
        <translation>Begin</translation>
    </message>
    <message>
        <source>End</source>
        <comment>slot end time</comment>
        <translation>Einde</translation>
    </message>
    <message>
        <source>Special slot</source>
        <translation>Speciaal nr.</translation>
    </message>
    <message>
        <source>Output %1</source>
        <comment>heading</comment>
        <extracomment>Heading of an output&apos;s tables</extracomment>
        <translation>Uitgang %1</translation>
    </message>
    <message>
        <source>Outputs with nothing set</source>
        <translation>Uitgangen waarvoor niets is ingesteld</translation>
    </message>
    <message>
        <source>%1: nothing set</source>
        <extracomment>%1 names outputs, as in &quot;Outputs 1, 3 and 9 to 16&quot;</extracomment>
        <translation>%1: niets ingesteld</translation>
    </message>
    <message>
        <source>The week</source>
        <translation>De week</translation>
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
            <numerusform>Het klembord bevat %1 periodes; er is er %n in de geselecteerde periodes geplakt.</numerusform>
            <numerusform>Het klembord bevat %1 periodes; er zijn er %n in de geselecteerde periodes geplakt.</numerusform>
        </translation>
    </message>
    <message>
        <source>The clipboard holds %1 slots; 1 was pasted, as slot %2 is the last.</source>
        <extracomment>%1 is how many slots the clipboard holds (at least 2), %2 the number of the grid&apos;s last slot</extracomment>
        <translation>Het klembord bevat %1 periodes; er is er 1 geplakt, want periode %2 is de laatste.</translation>
    </message>
    <message numerus="yes">
        <source>The clipboard holds %1 slots; %n were pasted, as slot %2 is the last.</source>
        <extracomment>%1 is how many slots the clipboard holds (at least 3), %n how many were pasted, %2 the number of the grid&apos;s last slot</extracomment>
        <translation>
            <numerusform>Het klembord bevat %1 periodes; er is er %n geplakt, want periode %2 is de laatste.</numerusform>
            <numerusform>Het klembord bevat %1 periodes; er zijn er %n geplakt, want periode %2 is de laatste.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SlotGridPage</name>
    <message>
        <source>&quot;%1&quot; is not a time of day: the day&apos;s last second is 23:59:59. The Start cell of slot %2 keeps its value.</source>
        <extracomment>%1 is the text typed, %2 the slot&apos;s number; name the column as its heading does</extracomment>
        <translation>&quot;%1&quot; is geen tijdstip van de dag: de laatste seconde van de dag is 23:59:59. De cel Begin van periode %2 behoudt haar waarde.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time of day: the day&apos;s last second is 23:59:59. The End cell of slot %2 keeps its value.</source>
        <extracomment>%1 is the text typed, %2 the slot&apos;s number; name the column as its heading does</extracomment>
        <translation>&quot;%1&quot; is geen tijdstip van de dag: de laatste seconde van de dag is 23:59:59. De cel Einde van periode %2 behoudt haar waarde.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time. The Start cell of slot %2 keeps its value.

Type a time such as 13:30, 13:30:00, 7:05, 7.05, 1330, 133000, 9:30 am or 9:30 PM.</source>
        <extracomment>%1 is the text typed, %2 the slot&apos;s number; name the column as its heading does</extracomment>
        <translation>&quot;%1&quot; is geen tijd. De cel Begin van periode %2 behoudt haar waarde.

Typ een tijd zoals 13:30, 13:30:00, 7:05, 7.05, 1330, 133000, 9:30 am of 9:30 PM.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time. The End cell of slot %2 keeps its value.

Type a time such as 13:30, 13:30:00, 7:05, 7.05, 1330, 133000, 9:30 am or 9:30 PM.</source>
        <translation>&quot;%1&quot; is geen tijd. De cel Einde van periode %2 behoudt haar waarde.

Typ een tijd zoals 13:30, 13:30:00, 7:05, 7.05, 1330, 133000, 9:30 am of 9:30 PM.</translation>
    </message>
</context>
<context>
    <name>WeekPage</name>
    <message>
        <source>1 mistake</source>
        <extracomment>Count of the schedule check</extracomment>
        <translation>1 fout</translation>
    </message>
    <message numerus="yes">
        <source>%n mistakes</source>
        <translation>
            <numerusform>%n fout</numerusform>
            <numerusform>%n fouten</numerusform>
        </translation>
    </message>
    <message>
        <source>1 note</source>
        <extracomment>Count of the schedule check</extracomment>
        <translation>1 opmerking</translation>
    </message>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n opmerking</numerusform>
            <numerusform>%n opmerkingen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WeekPicture</name>
    <message>
        <source>Output %1</source>
        <extracomment>The label of an output&apos;s row in the week picture; keep it short</extracomment>
        <translation>Uitgang %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>slot times</comment>
        <extracomment>A slot&apos;s times: %1 its start, %2 its end</extracomment>
        <translation>%1 tot %2</translation>
    </message>
    <message>
        <source>Special date %1: (not set)</source>
        <translation>Speciale datum %1: (niet ingesteld)</translation>
    </message>
    <message>
        <source>Special date %1: %2 %3</source>
        <extracomment>Heading of the week picture of a special date: %1 its number, %2 its weekday, %3 its date</extracomment>
        <translation>Speciale datum %1: %2 %3</translation>
    </message>
    <message>
        <source>%1 (ends before it starts)</source>
        <extracomment>%1 is a slot&apos;s times, as in &quot;22:00:00 to 06:00:00&quot;</extracomment>
        <translation>%1 (eindigt vóór het begin)</translation>
    </message>
    <message>
        <source>off</source>
        <comment>day with nothing on</comment>
        <extracomment>An output&apos;s day with nothing on</extracomment>
        <translation>uit</translation>
    </message>
    <message>
        <source> and </source>
        <extracomment>Joins the times of a day&apos;s slots, as in &quot;06:00:00 to 07:00:00 and 18:00:00 to 20:00:00&quot;</extracomment>
        <translation> en </translation>
    </message>
    <message>
        <source>off all week</source>
        <translation>de hele week uit</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>range of days</comment>
        <extracomment>A range of days, as in &quot;Mon to Fri&quot;</extracomment>
        <translation>%1 t/m %2</translation>
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
Het einde ligt vóór het begin: getekend tot middernacht, omdat niet vaststaat of de KORVELT de periode na middernacht doorzet.</translation>
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
        <translation>Niet verbonden</translation>
    </message>
    <message>
        <source>Device log</source>
        <translation>Informatievak</translation>
    </message>
    <message>
        <source>Clock date</source>
        <translation>Datum van de klok</translation>
    </message>
    <message>
        <source>Clock time</source>
        <translation>Tijd van de klok</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbinding</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Schedule check</source>
        <translation>Controle van de programmering</translation>
    </message>
    <message>
        <source>What the schedule check found; the Week page lists it.</source>
        <extracomment>Tooltip of the schedule check&apos;s count in the status area</extracomment>
        <translation>Wat de controle van de programmering heeft gevonden; de pagina Week somt het op.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>&amp;Use PC Time</source>
        <extracomment>Check box: &quot;Set Time&quot; sends the computer&apos;s clock</extracomment>
        <translation>Pc-tijd gebr&amp;uiken</translation>
    </message>
    <message>
        <source>&amp;Verify after writing</source>
        <extracomment>Check box: a write is read back and compared</extracomment>
        <translation>&amp;Verifiëren na schrijven</translation>
    </message>
    <message>
        <source>&amp;Compare with KORVELT</source>
        <extracomment>Button; keep it short</extracomment>
        <translation>V&amp;ergelijken met KORVELT</translation>
    </message>
</context>
<context>
    <name>korvelt::CompareDialog</name>
    <message>
        <source>Compare with KORVELT</source>
        <translation>Vergelijken met KORVELT</translation>
    </message>
    <message>
        <source>Identical</source>
        <extracomment>The KORVELT holds exactly the window&apos;s schedule</extracomment>
        <translation>Identiek</translation>
    </message>
    <message>
        <source>The KORVELT differs from the window in 1 place:</source>
        <extracomment>Heading above the list of differences</extracomment>
        <translation>De KORVELT wijkt op 1 plaats af van het venster:</translation>
    </message>
    <message numerus="yes">
        <source>The KORVELT differs from the window in %n places:</source>
        <translation>
            <numerusform>De KORVELT wijkt op %n plaats af van het venster:</numerusform>
            <numerusform>De KORVELT wijkt op %n plaatsen af van het venster:</numerusform>
        </translation>
    </message>
    <message>
        <source>Take the KORVELT&apos;s schedule</source>
        <extracomment>Button: the window takes the schedule read from the KORVELT</extracomment>
        <translation>Programmering van KORVELT overnemen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Click a line to go to its place in the window</source>
        <translation>Klik op een regel om naar de plaats in het venster te gaan</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Verschillen</translation>
    </message>
</context>
<context>
    <name>korvelt::CopyOutputsDialog</name>
    <message>
        <source>Copy Output</source>
        <translation>Uitgang kopiëren</translation>
    </message>
    <message>
        <source>Output %1</source>
        <comment>switched output number</comment>
        <extracomment>Check box of a switched output; %1 is its number</extracomment>
        <translation>Uitgang %1</translation>
    </message>
    <message>
        <source>The output copied</source>
        <translation>De uitgang die wordt gekopieerd</translation>
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
        <translation>Geen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>korvelt::DaylightSavingPage</name>
    <message>
        <source>Daylight Saving</source>
        <translation>Zomertijd</translation>
    </message>
    <message>
        <source>&amp;Enable Daylight Saving</source>
        <extracomment>Check box; the letter after &quot;&amp;&quot; is pressed with Alt</extracomment>
        <translation>&amp;Zomertijd inschakelen</translation>
    </message>
    <message>
        <source>Advance Clock</source>
        <extracomment>Group of the week in which the clock goes forward</extracomment>
        <translation>Klok vooruit</translation>
    </message>
    <message>
        <source>Retard Clock</source>
        <extracomment>Group of the week in which the clock goes back</extracomment>
        <translation>Klok terug</translation>
    </message>
    <message>
        <source>Change Daylight Saving</source>
        <extracomment>Undo step</extracomment>
        <translation>zomertijd wijzigen</translation>
    </message>
    <message>
        <source>Advance clock</source>
        <extracomment>Accessible name of the group of the week in which the clock goes forward</extracomment>
        <translation>Klok vooruit</translation>
    </message>
    <message>
        <source>Retard clock</source>
        <extracomment>Accessible name of the group of the week in which the clock goes back</extracomment>
        <translation>Klok terug</translation>
    </message>
    <message>
        <source>Advance clock month</source>
        <extracomment>Accessible name of the box of the month in which the clock goes forward</extracomment>
        <translation>Maand waarin de klok vooruit gaat</translation>
    </message>
    <message>
        <source>Retard clock month</source>
        <extracomment>Accessible name of the box of the month in which the clock goes back</extracomment>
        <translation>Maand waarin de klok terug gaat</translation>
    </message>
</context>
<context>
    <name>korvelt::DevicePresenter</name>
    <message>
        <source>A write to the KORVELT is under way. If you stop it now, the KORVELT holds part of the old and part of the new schedule. Stop and close?</source>
        <translation>Er wordt naar de KORVELT geschreven. Als u nu stopt, bevat de KORVELT deels de oude en deels de nieuwe programmering. Stoppen en afsluiten?</translation>
    </message>
    <message>
        <source>Nothing was written: the KORVELT cannot hold these values.</source>
        <translation>Er is niets geschreven: de KORVELT kan deze waarden niet opslaan.</translation>
    </message>
    <message>
        <source>Correct them and write again.</source>
        <translation>Corrigeer ze en schrijf opnieuw.</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <extracomment>Status: a command was stopped and nothing on the KORVELT changed</extracomment>
        <translation>Afgebroken</translation>
    </message>
    <message>
        <source>Written, not verified (cancelled)</source>
        <extracomment>Status: checking what was written was stopped</extracomment>
        <translation>Geschreven, niet geverifieerd (afgebroken)</translation>
    </message>
    <message>
        <source>Cancelled: the KORVELT holds part of the old and part of the new schedule. Write again.</source>
        <translation>Afgebroken: de KORVELT bevat deels de oude en deels de nieuwe programmering. Schrijf opnieuw.</translation>
    </message>
    <message>
        <source>%1, serial %2</source>
        <extracomment>The KORVELT that answered: %1 is its firmware version, %2 its serial number</extracomment>
        <translation>%1, serienr. %2</translation>
    </message>
    <message>
        <source>Vuradod Version:%1</source>
        <extracomment>Device log: %1 is the KORVELT&apos;s firmware version; &quot;Vuradod&quot; is the maker&apos;s own word</extracomment>
        <translation>Vuradod-versie:%1</translation>
    </message>
    <message>
        <source>Serial Number: %1</source>
        <extracomment>Device log: %1 is the KORVELT&apos;s serial number</extracomment>
        <translation>Serienummer: %1</translation>
    </message>
    <message>
        <source>Verified: the KORVELT holds this schedule</source>
        <extracomment>Status after a write that was read back</extracomment>
        <translation>Geverifieerd: programmering in KORVELT</translation>
    </message>
    <message>
        <source>Written, not verified</source>
        <translation>Geschreven, niet geverifieerd</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <extracomment>Message after a write to the KORVELT</extracomment>
        <translation>Schrijven voltooid</translation>
    </message>
    <message>
        <source>Read from KORVELT</source>
        <extracomment>Status after a read</extracomment>
        <translation>Van KORVELT gelezen</translation>
    </message>
    <message>
        <source>Read Complete</source>
        <translation>Lezen voltooid</translation>
    </message>
    <message>
        <source>Identical to the KORVELT</source>
        <extracomment>Status after a comparison</extracomment>
        <translation>Identiek aan de KORVELT</translation>
    </message>
    <message>
        <source>1 difference from the KORVELT</source>
        <translation>1 verschil met de KORVELT</translation>
    </message>
    <message numerus="yes">
        <source>%n differences from the KORVELT</source>
        <translation>
            <numerusform>%n verschil met de KORVELT</numerusform>
            <numerusform>%n verschillen met de KORVELT</numerusform>
        </translation>
    </message>
    <message>
        <source>The KORVELT&apos;s schedule was taken</source>
        <extracomment>Status: the window took the schedule read from the KORVELT</extracomment>
        <translation>Programmering van KORVELT overgenomen</translation>
    </message>
    <message>
        <source>KORVELT connected</source>
        <translation>KORVELT verbonden</translation>
    </message>
    <message>
        <source>The KORVELT&apos;s clock holds no valid time</source>
        <translation>KORVELT-klok zonder geldige tijd</translation>
    </message>
    <message>
        <source>PC %1: %2</source>
        <extracomment>Status after Read Time: %1 is the computer&apos;s time, %2 how far the KORVELT&apos;s clock is from it</extracomment>
        <translation>pc %1: %2</translation>
    </message>
    <message>
        <source>Cannot find KORVELT</source>
        <extracomment>%1 is the system&apos;s reason, %2 what to do about it</extracomment>
        <translation>KORVELT niet gevonden</translation>
    </message>
    <message>
        <source>Cannot find KORVELT
A KORVELT was found but could not be opened (%1). %2</source>
        <translation>KORVELT niet gevonden
Er is een KORVELT gevonden, maar deze kon niet worden geopend (%1). %2</translation>
    </message>
    <message>
        <source>No KORVELT found</source>
        <translation>Geen KORVELT gevonden</translation>
    </message>
    <message>
        <source>Program Mode</source>
        <extracomment>The KORVELT is being set up at its own keys and takes no commands</extracomment>
        <translation>Programmeermodus</translation>
    </message>
    <message>
        <source>KORVELT is in Program Mode</source>
        <translation>KORVELT staat in programmeermodus</translation>
    </message>
    <message>
        <source>Not a KORVELT time controller</source>
        <translation>Geen KORVELT-tijdschakelklok</translation>
    </message>
    <message>
        <source>Stopped: not a KORVELT time controller</source>
        <translation>Gestopt: geen KORVELT-schakelklok</translation>
    </message>
    <message>
        <source>Application is not a KORVELT Time Control</source>
        <translation>De toepassing is geen KORVELT Time Control</translation>
    </message>
    <message>
        <source>Not verified</source>
        <translation>Niet geverifieerd</translation>
    </message>
    <message>
        <source>block %1 reads back as erased memory</source>
        <extracomment>%1 is the block&apos;s number</extracomment>
        <translation>blok %1 wordt teruggelezen als gewist geheugen</translation>
    </message>
    <message>
        <source>block %1 reads back as values that are not times or dates</source>
        <extracomment>%1 is the block&apos;s number</extracomment>
        <translation>blok %1 wordt teruggelezen als waarden die geen tijden of datums zijn</translation>
    </message>
    <message>
        <source>Read failed</source>
        <translation>Lezen mislukt</translation>
    </message>
    <message>
        <source>KORVELT sent invalid schedule data.
Block %1</source>
        <extracomment>%1 is the block&apos;s number</extracomment>
        <translation>De KORVELT heeft ongeldige programmeringsgegevens gestuurd.
Blok %1</translation>
    </message>
    <message>
        <source>KORVELT not answering</source>
        <translation>KORVELT reageert niet</translation>
    </message>
    <message>
        <source>Stopped: no answer</source>
        <translation>Gestopt: geen antwoord</translation>
    </message>
    <message>
        <source>No KORVELT connected</source>
        <translation>Geen KORVELT aangesloten</translation>
    </message>
    <message>
        <source>Stopped: unplugged</source>
        <translation>Gestopt: losgekoppeld</translation>
    </message>
    <message>
        <source>The schedule has changed since it was written to the KORVELT</source>
        <extracomment>Status: the window&apos;s schedule was edited, loaded or undone after it was written</extracomment>
        <translation>De programmering is gewijzigd sinds ze naar de KORVELT is geschreven</translation>
    </message>
    <message>
        <source>Stopped, no answer: the KORVELT holds part of the old and part of the new schedule. Write again.</source>
        <translation>Gestopt, geen antwoord: de KORVELT bevat deels de oude en deels de nieuwe programmering. Schrijf opnieuw.</translation>
    </message>
    <message>
        <source>Stopped, unplugged: the KORVELT holds part of the old and part of the new schedule. Write again.</source>
        <translation>Gestopt, losgekoppeld: de KORVELT bevat deels de oude en deels de nieuwe programmering. Schrijf opnieuw.</translation>
    </message>
</context>
<context>
    <name>korvelt::HelpMenu</name>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Handleiding</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <source>System</source>
        <comment>the desktop&apos;s language</comment>
        <translation>Systeem</translation>
    </message>
    <message>
        <source>The language changes when the program is started again.</source>
        <translation>De nieuwe taal geldt vanaf de volgende keer dat het programma start.</translation>
    </message>
</context>
<context>
    <name>korvelt::HelpWindow</name>
    <message>
        <source>Back</source>
        <extracomment>Button of the help window; keep it short</extracomment>
        <translation>Vorige</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Startpagina</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhoud</translation>
    </message>
    <message>
        <source>Type in the keyword to find:</source>
        <translation>Typ het trefwoord dat u zoekt:</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>KORVELT Time Control Help</source>
        <translation>Help bij KORVELT Time Control</translation>
    </message>
</context>
<context>
    <name>korvelt::HolidaysDialog</name>
    <message>
        <source>Period</source>
        <translation>Tijdvak</translation>
    </message>
    <message>
        <source>Calendar year</source>
        <translation>Kalenderjaar</translation>
    </message>
    <message>
        <source>The next 12 months from today</source>
        <translation>De komende 12 maanden vanaf vandaag</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regels</translation>
    </message>
    <message>
        <source>Add Country</source>
        <translation>Land toevoegen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Load Rules…</source>
        <translation>Regels openen…</translation>
    </message>
    <message>
        <source>Save Rules…</source>
        <translation>Regels opslaan…</translation>
    </message>
    <message>
        <source>Own rule:</source>
        <translation>Eigen regel:</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>Regel toevoegen</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Feestdagen</translation>
    </message>
    <message>
        <source>With fewer than %1 holidays the other special dates</source>
        <translation>Bij minder dan %1 feestdagen de overige speciale datums</translation>
    </message>
    <message>
        <source>keep their dates</source>
        <translation>ongewijzigd laten</translation>
    </message>
    <message>
        <source>repeat the last holiday</source>
        <translation>op de laatste feestdag zetten</translation>
    </message>
    <message>
        <source>Fill Special Dates</source>
        <translation>Speciale datums vullen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Holidays</source>
        <comment>window title</comment>
        <translation>Feestdagen</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>preset and its code</comment>
        <extracomment>A preset in the list: %1 is its country or region, %2 its short code</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Fixed date</source>
        <translation>Vaste datum</translation>
    </message>
    <message>
        <source>Days from Easter Sunday</source>
        <translation>Dagen vanaf eerste paasdag</translation>
    </message>
    <message>
        <source>Weekday of a month</source>
        <translation>Weekdag van een maand</translation>
    </message>
    <message>
        <source>Last weekday of a month</source>
        <translation>Laatste weekdag van een maand</translation>
    </message>
    <message>
        <source>Stays on a weekend</source>
        <translation>Blijft in het weekend</translation>
    </message>
    <message>
        <source>On a weekend, the next Monday</source>
        <translation>In het weekend: de maandag erna</translation>
    </message>
    <message>
        <source>Saturday to Friday, Sunday to Monday</source>
        <translation>Zaterdag naar vrijdag, zondag naar maandag</translation>
    </message>
    <message>
        <source>Sunday to the Saturday before</source>
        <translation>Zondag naar de zaterdag ervoor</translation>
    </message>
    <message>
        <source>Sunday to the next Monday</source>
        <translation>Zondag naar de maandag erna</translation>
    </message>
    <message>
        <source>On that date</source>
        <translation>Op de datum zelf</translation>
    </message>
    <message>
        <source>The weekday before it</source>
        <translation>De weekdag vóór de datum</translation>
    </message>
    <message>
        <source>The weekday after it</source>
        <translation>De weekdag na de datum</translation>
    </message>
    <message>
        <source>The weekday on or before it</source>
        <translation>De weekdag op of vóór de datum</translation>
    </message>
    <message>
        <source>The weekday on or after it</source>
        <translation>De weekdag op of na de datum</translation>
    </message>
    <message>
        <source>any year</source>
        <translation>alle jaren</translation>
    </message>
    <message>
        <source>from </source>
        <extracomment>Prefix of the first-year box, before the year</extracomment>
        <translation>vanaf </translation>
    </message>
    <message>
        <source>until </source>
        <extracomment>Prefix of the last-year box, before the year</extracomment>
        <translation>t/m </translation>
    </message>
    <message>
        <source>every </source>
        <extracomment>Prefix of the every-how-many-years box, before the number</extracomment>
        <translation>elke </translation>
    </message>
    <message>
        <source> years</source>
        <extracomment>Suffix of the every-how-many-years box, after the number (2 or more)</extracomment>
        <translation> jaar</translation>
    </message>
    <message>
        <source>every year</source>
        <translation>elk jaar</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>holiday name</comment>
        <extracomment>Placeholder of the own rule&apos;s name box</extracomment>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Column headings of the holidays: the date, its weekday, the holiday&apos;s name, the special date&apos;s number</extracomment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Day</source>
        <comment>weekday column</comment>
        <translation>Dag</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Feestdag</translation>
    </message>
    <message>
        <source>No.</source>
        <comment>special date number column</comment>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jaar</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Rules</source>
        <comment>accessible name of the rule list</comment>
        <translation>Regels</translation>
    </message>
    <message>
        <source>Remove rule</source>
        <translation>Regel verwijderen</translation>
    </message>
    <message>
        <source>Load rules</source>
        <translation>Regels openen</translation>
    </message>
    <message>
        <source>Save rules</source>
        <translation>Regels opslaan</translation>
    </message>
    <message>
        <source>Own rule&apos;s name</source>
        <translation>Naam van de eigen regel</translation>
    </message>
    <message>
        <source>Own rule&apos;s kind</source>
        <translation>Soort van de eigen regel</translation>
    </message>
    <message>
        <source>Own rule&apos;s day</source>
        <translation>Dag van de eigen regel</translation>
    </message>
    <message>
        <source>Own rule&apos;s weekday</source>
        <translation>Weekdag van de eigen regel</translation>
    </message>
    <message>
        <source>Own rule&apos;s month</source>
        <translation>Maand van de eigen regel</translation>
    </message>
    <message>
        <source>Own rule on a weekend</source>
        <translation>Eigen regel in het weekend</translation>
    </message>
    <message>
        <source>Own rule on the date or a weekday before or after</source>
        <translation>Eigen regel op de datum of een weekdag ervoor of erna</translation>
    </message>
    <message>
        <source>Weekday before or after</source>
        <translation>Weekdag ervoor of erna</translation>
    </message>
    <message>
        <source>Own rule&apos;s first year</source>
        <translation>Eerste jaar van de eigen regel</translation>
    </message>
    <message>
        <source>Own rule&apos;s last year</source>
        <translation>Laatste jaar van de eigen regel</translation>
    </message>
    <message>
        <source>Own rule every how many years</source>
        <translation>Eigen regel om de hoeveel jaar</translation>
    </message>
    <message>
        <source>Holidays of the period</source>
        <translation>Feestdagen in het tijdvak</translation>
    </message>
    <message>
        <source>Other special dates keep their dates</source>
        <translation>Overige speciale datums ongewijzigd laten</translation>
    </message>
    <message>
        <source>Other special dates repeat the last holiday</source>
        <translation>Overige speciale datums op de laatste feestdag zetten</translation>
    </message>
    <message numerus="yes">
        <source>Added the %n rules of %1.</source>
        <extracomment>%n is how many rules (always several), %1 the country or region</extracomment>
        <translation>
            <numerusform>De %n regel van %1 is toegevoegd.</numerusform>
            <numerusform>De %n regels van %1 zijn toegevoegd.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n rules of %1 are in the list already: none added again.</source>
        <extracomment>%n is how many rules (always several), %1 the country or region</extracomment>
        <translation>
            <numerusform>De %n regel van %1 staat al in de lijst: er is niets opnieuw toegevoegd.</numerusform>
            <numerusform>De %n regels van %1 staan al in de lijst: er is niets opnieuw toegevoegd.</numerusform>
        </translation>
    </message>
    <message>
        <source>Added 1 rule of %1; 1 is in the list already.</source>
        <extracomment>%1 is the country or region</extracomment>
        <translation>1 regel van %1 toegevoegd; 1 stond al in de lijst.</translation>
    </message>
    <message numerus="yes">
        <source>Added 1 rule of %1; %n are in the list already.</source>
        <extracomment>%1 is the country or region, %n how many rules were in the list already</extracomment>
        <translation>
            <numerusform>1 regel van %1 toegevoegd; %n stond al in de lijst.</numerusform>
            <numerusform>1 regel van %1 toegevoegd; %n stonden al in de lijst.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %n rules of %1; 1 is in the list already.</source>
        <extracomment>%n is how many rules were added, %1 the country or region</extracomment>
        <translation>
            <numerusform>%n regel van %1 toegevoegd; 1 stond al in de lijst.</numerusform>
            <numerusform>%n regels van %1 toegevoegd; 1 stond al in de lijst.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %n rules of %1; %2 are in the list already.</source>
        <extracomment>%n is how many rules were added, %1 the country or region, %2 how many were in the list already</extracomment>
        <translation>
            <numerusform>%n regel van %1 toegevoegd; %2 stonden al in de lijst.</numerusform>
            <numerusform>%n regels van %1 toegevoegd; %2 stonden al in de lijst.</numerusform>
        </translation>
    </message>
    <message>
        <source>days </source>
        <extracomment>Prefix of the number box of a rule counted from Easter, before the number of days</extracomment>
        <translation>dagen </translation>
    </message>
    <message>
        <source>no. </source>
        <comment>which weekday of the month</comment>
        <extracomment>Prefix of the number box of a rule&apos;s nth weekday, before the number</extracomment>
        <translation>nr. </translation>
    </message>
    <message>
        <source>Which weekday of the month</source>
        <translation>Welke weekdag van de maand</translation>
    </message>
    <message>
        <source>Give the rule a name.</source>
        <translation>Geef de regel een naam.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in the list already: not added again.</source>
        <extracomment>%1 is the rule in words</extracomment>
        <translation>&quot;%1&quot; staat al in de lijst: niet opnieuw toegevoegd.</translation>
    </message>
    <message>
        <source>Added &quot;%1&quot;.</source>
        <extracomment>%1 is the rule in words</extracomment>
        <translation>&quot;%1&quot; toegevoegd.</translation>
    </message>
    <message>
        <source>Removed 1 rule.</source>
        <translation>1 regel verwijderd.</translation>
    </message>
    <message numerus="yes">
        <source>Removed %n rules.</source>
        <translation>
            <numerusform>%n regel verwijderd.</numerusform>
            <numerusform>%n regels verwijderd.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 was not loaded.
%2</source>
        <extracomment>%1 is the file&apos;s name, %2 why it was not loaded</extracomment>
        <translation>%1 is niet geopend.
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
        <translation>weggelaten</translation>
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
        <translation>Geen feestdagen in dit tijdvak: de speciale datums blijven zoals ze zijn.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more, marked in the list</source>
        <extracomment>%1 names the first holidays left out; %n how many more were left out</extracomment>
        <translation>
            <numerusform>%1 en nog %n, gemarkeerd in de lijst</numerusform>
            <numerusform>%1 en nog %n, gemarkeerd in de lijst</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n holidays: the KORVELT holds %2, the first %2 are used. Left out: %1.</source>
        <extracomment>%n is how many holidays there are (more than %2), %1 those left out, %2 how many the KORVELT holds (16)</extracomment>
        <translation>
            <numerusform>%n feestdag: de KORVELT kent %2 speciale datums, de eerste %2 worden gebruikt. Weggelaten: %1.</numerusform>
            <numerusform>%n feestdagen: de KORVELT kent %2 speciale datums, de eerste %2 worden gebruikt. Weggelaten: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 holidays fill special dates 1 to 1.</source>
        <translation>1 feestdag vult speciale datum 1.</translation>
    </message>
    <message numerus="yes">
        <source>%n holidays fill special dates 1 to %n.</source>
        <extracomment>%n is how many holidays there are (2 to 16)</extracomment>
        <translation>
            <numerusform>%n feestdag vult speciale datums 1 t/m %n.</numerusform>
            <numerusform>%n feestdagen vullen speciale datums 1 t/m %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Left out: %1</source>
        <extracomment>%1 lists the holidays left out</extracomment>
        <translation>Weggelaten: %1</translation>
    </message>
    <message>
        <source>1 rule added replaces the same rule of %1.</source>
        <extracomment>%1 is the country whose rule a region&apos;s rule replaced, ticked or not as the region has it</extracomment>
        <translation>1 toegevoegde regel vervangt dezelfde regel van %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n rules added replace the same rules of %1.</source>
        <translation>
            <numerusform>%n toegevoegde regel vervangt dezelfde regel van %1.</numerusform>
            <numerusform>%n toegevoegde regels vervangen dezelfde regels van %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 holiday fills special date 1; special dates %1 to %2 repeat it.</source>
        <extracomment>The special dates after the one holiday repeat it; %1 is the first of them, %2 the last</extracomment>
        <translation>1 feestdag vult speciale datum 1; speciale datums %1 t/m %2 staan op dezelfde feestdag.</translation>
    </message>
    <message numerus="yes">
        <source>%n holidays fill special dates 1 to %n; special date %1 repeats the last one.</source>
        <extracomment>%n is how many holidays there are (one fewer than the special dates); %1 is the last special date, which repeats the last holiday</extracomment>
        <translation>
            <numerusform>%n feestdag vult speciale datums 1 t/m %n; speciale datum %1 staat op de laatste feestdag.</numerusform>
            <numerusform>%n feestdagen vullen speciale datums 1 t/m %n; speciale datum %1 staat op de laatste feestdag.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n holidays fill special dates 1 to %n; special dates %1 to %2 repeat the last one.</source>
        <extracomment>%n is how many holidays there are (2 to 14); %1 and %2 are the first and the last special date that repeat the last holiday</extracomment>
        <translation>
            <numerusform>%n feestdag vult speciale datums 1 t/m %n; speciale datums %1 t/m %2 staan op de laatste feestdag.</numerusform>
            <numerusform>%n feestdagen vullen speciale datums 1 t/m %n; speciale datums %1 t/m %2 staan op de laatste feestdag.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korvelt::MainActions</name>
    <message>
        <source>&amp;Load File…</source>
        <translation>&amp;Openen…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>O&amp;pslaan als…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Opens the user guide</extracomment>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Write To KORVELT</source>
        <translation>&amp;Naar KORVELT schrijven</translation>
    </message>
    <message>
        <source>&amp;Read From KORVELT</source>
        <translation>Van KORVELT &amp;lezen</translation>
    </message>
    <message>
        <source>&amp;Compare with KORVELT</source>
        <translation>V&amp;ergelijken met KORVELT</translation>
    </message>
    <message>
        <source>Set &amp;Time</source>
        <extracomment>Sets the KORVELT&apos;s clock</extracomment>
        <translation>&amp;Tijd instellen</translation>
    </message>
    <message>
        <source>Read T&amp;ime</source>
        <extracomment>Reads the KORVELT&apos;s clock</extracomment>
        <translation>T&amp;ijd lezen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Stops the command running on the KORVELT</extracomment>
        <translation>Afbreken</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>A&amp;fdrukken…</translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation>PDF e&amp;xporteren…</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Ongedaan &amp;maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Opnieu&amp;w</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>%1 is the step to undo, for example &quot;Edit slot 3 of output 2&quot;</extracomment>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Ongedaan maken: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>%1 is the step to redo, for example &quot;Edit slot 3 of output 2&quot;</extracomment>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Opnieuw: %1</translation>
    </message>
    <message>
        <source>&amp;Load File</source>
        <extracomment>Button of Load File…; keep it short</extracomment>
        <translation>&amp;Openen</translation>
    </message>
    <message>
        <source>&amp;Save File</source>
        <extracomment>Button of Save; keep it short</extracomment>
        <translation>Op&amp;slaan</translation>
    </message>
</context>
<context>
    <name>korvelt::SchedulePages</name>
    <message>
        <source>Pages</source>
        <translation>Pagina&apos;s</translation>
    </message>
    <message>
        <source>Times</source>
        <extracomment>Tab of the weekly slots</extracomment>
        <translation>Tijden</translation>
    </message>
    <message>
        <source>Special Times</source>
        <extracomment>Tab of the slots of the special dates</extracomment>
        <translation>Speciale tijden</translation>
    </message>
    <message>
        <source>Daylight Saving</source>
        <translation>Zomertijd</translation>
    </message>
    <message>
        <source>Week</source>
        <extracomment>Tab of the picture of the week and the schedule check</extracomment>
        <translation>Week</translation>
    </message>
</context>
<context>
    <name>korvelt::SlotGridPage</name>
    <message>
        <source>Output</source>
        <comment>switched output number</comment>
        <extracomment>Label of the box that chooses the output the grid shows</extracomment>
        <translation>Uitgang</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>slots</comment>
        <extracomment>Grid&apos;s menu: copies the selected slots</extracomment>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Paste</source>
        <comment>slots</comment>
        <extracomment>Grid&apos;s menu: pastes the slots copied</extracomment>
        <translation>Plakken</translation>
    </message>
    <message>
        <source>Copy output %1 to…</source>
        <extracomment>Grid&apos;s menu; %1 is the output&apos;s number</extracomment>
        <translation>Uitgang %1 kopiëren naar…</translation>
    </message>
    <message>
        <source>Slot</source>
        <comment>slot number</comment>
        <extracomment>Heading of the column of slot numbers</extracomment>
        <translation>Periode</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>slot start time</comment>
        <extracomment>Heading of the column of the times a slot switches on</extracomment>
        <translation>Begin</translation>
    </message>
    <message>
        <source>End</source>
        <comment>slot end time</comment>
        <extracomment>Heading of the column of the times a slot switches off</extracomment>
        <translation>Einde</translation>
    </message>
    <message>
        <source>Edit slot %1 of output %2</source>
        <extracomment>Undo step; %1 is the slot&apos;s number, %2 the output&apos;s</extracomment>
        <translation>periode %1 van uitgang %2 bewerken</translation>
    </message>
    <message>
        <source>Edit special slot %1 of output %2</source>
        <translation>speciale periode %1 van uitgang %2 bewerken</translation>
    </message>
    <message>
        <source>Paste 1 slot into output %1</source>
        <extracomment>Undo step; %1 is the output&apos;s number</extracomment>
        <translation>1 periode plakken in uitgang %1</translation>
    </message>
    <message numerus="yes">
        <source>Paste %n slots into output %1</source>
        <extracomment>Undo step; %n is how many slots, %1 the output&apos;s number</extracomment>
        <translation>
            <numerusform>%n periode plakken in uitgang %1</numerusform>
            <numerusform>%n periodes plakken in uitgang %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Paste 1 special slot into output %1</source>
        <extracomment>Undo step; %1 is the output&apos;s number</extracomment>
        <translation>1 speciale periode plakken in uitgang %1</translation>
    </message>
    <message numerus="yes">
        <source>Paste %n special slots into output %1</source>
        <extracomment>Undo step; %n is how many slots, %1 the output&apos;s number</extracomment>
        <translation>
            <numerusform>%n speciale periode plakken in uitgang %1</numerusform>
            <numerusform>%n speciale periodes plakken in uitgang %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Clear 1 slot of output %1</source>
        <extracomment>Undo step; %1 is the output&apos;s number</extracomment>
        <translation>1 periode van uitgang %1 wissen</translation>
    </message>
    <message numerus="yes">
        <source>Clear %n slots of output %1</source>
        <extracomment>Undo step; %n is how many slots, %1 the output&apos;s number</extracomment>
        <translation>
            <numerusform>%n periode van uitgang %1 wissen</numerusform>
            <numerusform>%n periodes van uitgang %1 wissen</numerusform>
        </translation>
    </message>
    <message>
        <source>Clear 1 special slot of output %1</source>
        <extracomment>Undo step; %1 is the output&apos;s number</extracomment>
        <translation>1 speciale periode van uitgang %1 wissen</translation>
    </message>
    <message numerus="yes">
        <source>Clear %n special slots of output %1</source>
        <extracomment>Undo step; %n is how many slots, %1 the output&apos;s number</extracomment>
        <translation>
            <numerusform>%n speciale periode van uitgang %1 wissen</numerusform>
            <numerusform>%n speciale periodes van uitgang %1 wissen</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy the normal times of output %1 to:</source>
        <extracomment>Copy Output dialog, above the outputs to tick; %1 is the output copied</extracomment>
        <translation>De normale tijden van uitgang %1 kopiëren naar:</translation>
    </message>
    <message>
        <source>Copy the special times of output %1 to:</source>
        <translation>De speciale tijden van uitgang %1 kopiëren naar:</translation>
    </message>
    <message>
        <source>Copy the normal times of output %1 to output %2</source>
        <extracomment>Undo step; %1 is the output copied, %2 the one copied to</extracomment>
        <translation>normale tijden van uitgang %1 kopiëren naar uitgang %2</translation>
    </message>
    <message numerus="yes">
        <source>Copy the normal times of output %1 to %n outputs</source>
        <extracomment>Undo step; %1 is the output copied, %n how many outputs it was copied to</extracomment>
        <translation>
            <numerusform>normale tijden van uitgang %1 kopiëren naar %n uitgang</numerusform>
            <numerusform>normale tijden van uitgang %1 kopiëren naar %n uitgangen</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy the special times of output %1 to output %2</source>
        <extracomment>Undo step; %1 is the output copied, %2 the one copied to</extracomment>
        <translation>speciale tijden van uitgang %1 kopiëren naar uitgang %2</translation>
    </message>
    <message numerus="yes">
        <source>Copy the special times of output %1 to %n outputs</source>
        <extracomment>Undo step; %1 is the output copied, %n how many outputs it was copied to</extracomment>
        <translation>
            <numerusform>speciale tijden van uitgang %1 kopiëren naar %n uitgang</numerusform>
            <numerusform>speciale tijden van uitgang %1 kopiëren naar %n uitgangen</numerusform>
        </translation>
    </message>
    <message>
        <source>Normal times, output %1</source>
        <extracomment>Accessible name of the grid; %1 is the output&apos;s number</extracomment>
        <translation>Normale tijden, uitgang %1</translation>
    </message>
    <message>
        <source>Special times, output %1</source>
        <translation>Speciale tijden, uitgang %1</translation>
    </message>
</context>
<context>
    <name>korvelt::SpecialDateEdit</name>
    <message>
        <source>%1, past</source>
        <extracomment>Beside a special date in the past: %1 is its short weekday name</extracomment>
        <translation>%1, verstreken</translation>
    </message>
    <message>
        <source>%1 (in the past)</source>
        <translation>%1 (in het verleden)</translation>
    </message>
    <message>
        <source>Special date %1: %2 is outside the years %3 to %4. It keeps %5.</source>
        <extracomment>%1 is the special date&apos;s number, %2 the text typed, %3 and %4 the first and last year, %5 the date it keeps</extracomment>
        <translation>Speciale datum %1: %2 ligt buiten de jaren %3 t/m %4. Het vak behoudt %5.</translation>
    </message>
    <message>
        <source>Special date %1: %2 is not a date. It keeps %3.</source>
        <extracomment>%1 is the special date&apos;s number, %2 the text typed, %3 the date it keeps</extracomment>
        <translation>Speciale datum %1: %2 is geen datum. Het vak behoudt %3.</translation>
    </message>
</context>
<context>
    <name>korvelt::SpecialDatesBox</name>
    <message>
        <source>Special Dates</source>
        <translation>Speciale datums</translation>
    </message>
    <message>
        <source>Special date %1</source>
        <extracomment>%1 is the special date&apos;s number, 1 to 16</extracomment>
        <translation>Speciale datum %1</translation>
    </message>
    <message>
        <source>Holidays…</source>
        <extracomment>Button that opens the Holidays dialog; keep it short</extracomment>
        <translation>Feestdagen…</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Feestdagen</translation>
    </message>
    <message>
        <source>Fill the special dates with the holidays of a year</source>
        <translation>De speciale datums vullen met de feestdagen van een jaar</translation>
    </message>
    <message>
        <source>(not set)</source>
        <extracomment>A special date&apos;s picker that holds no date</extracomment>
        <translation>(niet ingesteld)</translation>
    </message>
    <message>
        <source>Change special date %1</source>
        <extracomment>Undo step; %1 is the special date&apos;s number, 1 to 16</extracomment>
        <translation>speciale datum %1 wijzigen</translation>
    </message>
    <message>
        <source>Fill Special Dates</source>
        <extracomment>Undo step</extracomment>
        <translation>speciale datums vullen</translation>
    </message>
</context>
<context>
    <name>korvelt::SpecialTimesPage</name>
    <message>
        <source>Special Times</source>
        <extracomment>Title of the grid of the slots of the special dates</extracomment>
        <translation>Speciale tijden</translation>
    </message>
    <message>
        <source>Special times output</source>
        <extracomment>The box that chooses the output the grid shows</extracomment>
        <translation>Uitgang van de speciale tijden</translation>
    </message>
</context>
<context>
    <name>korvelt::TMainForm</name>
    <message>
        <source>KORVELT Time Control Vesion: %1</source>
        <extracomment>The window&apos;s caption; &quot;Vesion&quot; is spelt so on purpose in English. %1 is the version</extracomment>
        <translation>KORVELT Time Control Versie: %1</translation>
    </message>
    <message>
        <source>Edit</source>
        <extracomment>Undo step of an edit committed when a command starts</extracomment>
        <translation>bewerking</translation>
    </message>
    <message>
        <source>Read From KORVELT</source>
        <extracomment>Undo step: the schedule was read from the KORVELT</extracomment>
        <translation>van KORVELT lezen</translation>
    </message>
    <message>
        <source>Take the KORVELT&apos;s schedule</source>
        <extracomment>Undo step: the window took the schedule the comparison read</extracomment>
        <translation>programmering van KORVELT overnemen</translation>
    </message>
    <message>
        <source>Replace the schedule</source>
        <translation>programmering vervangen</translation>
    </message>
</context>
<context>
    <name>korvelt::TimeGrid</name>
    <message>
        <source>Columns</source>
        <comment>accessible name of the grid&apos;s column headings</comment>
        <translation>Kolommen</translation>
    </message>
    <message>
        <source>Slots</source>
        <comment>accessible name of the grid&apos;s slot numbers</comment>
        <translation>Periodes</translation>
    </message>
    <message>
        <source>Slot</source>
        <comment>accessible name of the grid&apos;s corner</comment>
        <translation>Periode</translation>
    </message>
</context>
<context>
    <name>korvelt::TimeGridDelegate</name>
    <message>
        <source>Time</source>
        <comment>accessible name of a time cell&apos;s editor</comment>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Day</source>
        <comment>accessible name of a day cell&apos;s editor</comment>
        <translation>Dag</translation>
    </message>
</context>
<context>
    <name>korvelt::TimesPage</name>
    <message>
        <source>Set Days</source>
        <extracomment>Grid&apos;s menu: sets the days of the slot</extracomment>
        <translation>Dagen instellen</translation>
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
        <translation>Geen</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <extracomment>Set Days: Monday to Friday on</extracomment>
        <translation>Werkdagen</translation>
    </message>
    <message>
        <source>Weekends</source>
        <extracomment>Set Days: Saturday and Sunday on</extracomment>
        <translation>Weekend</translation>
    </message>
    <message>
        <source>Normal Times</source>
        <extracomment>Title of the grid of the weekly slots</extracomment>
        <translation>Normale tijden</translation>
    </message>
    <message>
        <source>Normal times output</source>
        <extracomment>The box that chooses the output the grid shows</extracomment>
        <translation>Uitgang van de normale tijden</translation>
    </message>
    <message>
        <source>Set Days of slot %1 of output %2</source>
        <extracomment>Undo step; %1 is the slot&apos;s number, %2 the output&apos;s</extracomment>
        <translation>dagen van periode %1 van uitgang %2 instellen</translation>
    </message>
</context>
<context>
    <name>korvelt::WeekPage</name>
    <message>
        <source>Normal week</source>
        <extracomment>Picks the picture of the week of the normal times</extracomment>
        <translation>Normale week</translation>
    </message>
    <message>
        <source>Special date %1</source>
        <extracomment>Picks the picture of a special date; %1 is its number, 1 to 16</extracomment>
        <translation>Speciale datum %1</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>A&amp;fdrukken…</translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation>PDF e&amp;xporteren…</translation>
    </message>
    <message>
        <source>A report of the whole schedule, in a preview to print from (Ctrl+P)</source>
        <translation>Een rapport van de hele programmering, in een afdrukvoorbeeld van waaruit u kunt afdrukken (Ctrl+P)</translation>
    </message>
    <message>
        <source>The same report saved as a PDF file</source>
        <translation>Hetzelfde rapport, opgeslagen als PDF-bestand</translation>
    </message>
    <message>
        <source>Week or special date</source>
        <translation>Week of speciale datum</translation>
    </message>
    <message>
        <source>Schedule check</source>
        <translation>Controle van de programmering</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exporteren</translation>
    </message>
    <message>
        <source>Special date %1 (%2)</source>
        <translation>Speciale datum %1 (%2)</translation>
    </message>
    <message>
        <source>Mistake: %1</source>
        <extracomment>A finding of the schedule check that is likely wrong; %1 is the finding</extracomment>
        <translation>Fout: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Opmerking: %1</translation>
    </message>
    <message>
        <source>The schedule check found nothing.</source>
        <translation>De controle van de programmering heeft niets gevonden.</translation>
    </message>
    <message>
        <source>No mistakes</source>
        <extracomment>Count of the schedule check in the status area</extracomment>
        <translation>Geen fouten</translation>
    </message>
    <message>
        <source>No mistakes, %1</source>
        <extracomment>Count of the schedule check in the status area; %1 is the count of notes (&quot;2 notes&quot;)</extracomment>
        <translation>Geen fouten, %1</translation>
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
        <translation>De programmering bevat 1 mogelijke fout (%1). Toch schrijven?</translation>
    </message>
    <message numerus="yes">
        <source>The schedule has %n possible mistakes (first: %1). Write anyway?</source>
        <extracomment>Question before a write; %n is how many mistakes, %1 the first of them</extracomment>
        <translation>
            <numerusform>De programmering bevat %n mogelijke fout (eerste: %1). Toch schrijven?</numerusform>
            <numerusform>De programmering bevat %n mogelijke fouten (eerste: %1). Toch schrijven?</numerusform>
        </translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-bestanden (*.pdf)</translation>
    </message>
    <message>
        <source>Report saved as %1</source>
        <extracomment>Status; %1 is the PDF file&apos;s name</extracomment>
        <translation>Rapport opgeslagen als %1</translation>
    </message>
    <message>
        <source>The report could not be saved as &quot;%1&quot;.</source>
        <extracomment>%1 is the PDF file&apos;s path</extracomment>
        <translation>Het rapport kon niet worden opgeslagen als &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>korvelt::WeekView</name>
    <message>
        <source>Week</source>
        <extracomment>The picture of the week</extracomment>
        <translation>Week</translation>
    </message>
    <message>
        <source>The times each output is on, one row for each output.</source>
        <translation>De tijden waarop elke uitgang aan is, één rij per uitgang.</translation>
    </message>
    <message>
        <source>Output %1</source>
        <comment>switched output number</comment>
        <extracomment>A row of the week&apos;s picture; %1 is the output&apos;s number</extracomment>
        <translation>Uitgang %1</translation>
    </message>
</context>
<context>
    <name>korveltctl</name>
    <message>
        <source>Usage: korveltctl [--demo [N]] COMMAND [ARGUMENTS]
Programs KORVELT time controllers from scripts.

Commands:
</source>
        <translation>Gebruik: korveltctl [--demo [N]] COMMAND [ARGUMENTS]
Programmeert KORVELT-tijdschakelklokken vanuit scripts.

Opdrachten:
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
Opties: --demo [N] gebruikt N gesimuleerde KORVELTs (1 zonder N), serienummers 1 tot N;
-h of --help en --version, ook na een opdracht; -- beëindigt de opties.
FILE - is de standaardinvoer. Met meerdere KORVELTs eindigt de uitvoering met een
samenvatting, &quot;5 van 8 geschreven en geverifieerd; 3 mislukt&quot;; --quiet toont alleen
fouten (en de verschillen die verify vindt). --dry-run (write, clock set,
holidays -o) zegt wat er met welke KORVELT of welk bestand zou gebeuren en vraagt
de KORVELTs alleen wie ze zijn.
--json toont één JSON-document met het resultaat (docs/korveltctl-json.md).
Afsluitstatus: 0 klaar, 1 check of verify vond een verschil, 2 gebruiksfout,
3 geen KORVELT, een in programmeermodus of geen KORVELT, 4 bestandsfout,
5 de KORVELT antwoordt niet meer of is losgekoppeld, 6 een ander programma
communiceert met de KORVELT (bezet), 130 onderbroken (Ctrl+C),
143 beëindigd (SIGTERM, SIGHUP).
Zie korveltctl(1).
</translation>
    </message>
    <message>
        <source>Usage: korveltctl %1</source>
        <extracomment>%1 is the command&apos;s synopsis and what it does</extracomment>
        <translation>Gebruik: korveltctl %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opties:</translation>
    </message>
    <message>
        <source>  Checks the schedule in FILE and prints what it finds; exit status 1
  when it finds a likely mistake.</source>
        <translation>  Controleert de programmering in FILE en toont wat de controle vindt;
  afsluitstatus 1 bij een mogelijke fout.</translation>
    </message>
    <message>
        <source>  Reads the KORVELT&apos;s clock, or sets it to this computer&apos;s time (--pc,
  the default) or to the time given.</source>
        <translation>  Leest de klok van de KORVELT, of zet hem op de tijd van deze computer
  (--pc, standaard) of op de opgegeven tijd.</translation>
    </message>
    <message>
        <source>clock set: this computer&apos;s time (the default)</source>
        <translation>clock set: de tijd van deze computer (standaard)</translation>
    </message>
    <message>
        <source>clock set: the time given</source>
        <translation>clock set: de opgegeven tijd</translation>
    </message>
    <message>
        <source>clock read or clock set</source>
        <translation>clock read of clock set</translation>
    </message>
    <message>
        <source>--pc, --at and --dry-run are for clock set</source>
        <translation>--pc, --at en --dry-run horen bij clock set</translation>
    </message>
    <message>
        <source>%1 of %2 clocks read</source>
        <translation>%1 van %2 klokken gelezen</translation>
    </message>
    <message>
        <source>--pc or --at, not both</source>
        <translation>--pc of --at, niet allebei</translation>
    </message>
    <message>
        <source>--at &quot;YYYY-MM-DD HH:MM:SS&quot;, in the years %1 to %2</source>
        <translation>--at &quot;YYYY-MM-DD HH:MM:SS&quot;, in de jaren %1 tot %2</translation>
    </message>
    <message>
        <source>would set the clock to %1</source>
        <translation>zou de klok op %1 zetten</translation>
    </message>
    <message>
        <source>%1 of %2 clocks would be set</source>
        <translation>%1 van %2 klokken zouden worden ingesteld</translation>
    </message>
    <message>
        <source>%1 of %2 clocks set</source>
        <translation>%1 van %2 klokken ingesteld</translation>
    </message>
    <message>
        <source>the KORVELT with that serial number or at that path; again for more</source>
        <translation>de KORVELT met dat serienummer of op dat pad; herhalen voor meer</translation>
    </message>
    <message>
        <source>every KORVELT attached, at once</source>
        <translation>elke aangesloten KORVELT, tegelijk</translation>
    </message>
    <message>
        <source>one JSON document of the result on standard output</source>
        <translation>één JSON-document met het resultaat op de standaarduitvoer</translation>
    </message>
    <message>
        <source>prints only errors</source>
        <translation>toont alleen fouten</translation>
    </message>
    <message>
        <source>says what would be done, and does nothing</source>
        <translation>zegt wat er zou gebeuren en doet niets</translation>
    </message>
    <message>
        <source>  Writes the schedule of a data file as JSON (the default) or CSV, to
  OUT or to standard output.</source>
        <translation>  Schrijft de programmering van een gegevensbestand als JSON (standaard)
  of CSV naar OUT of naar de standaarduitvoer.</translation>
    </message>
    <message>
        <source>JSON (the default) or CSV</source>
        <translation>JSON (standaard) of CSV</translation>
    </message>
    <message>
        <source>the file made (- or none: standard output)</source>
        <translation>het gemaakte bestand (- of geen: standaarduitvoer)</translation>
    </message>
    <message>
        <source>--format is json or csv</source>
        <translation>--format is json of csv</translation>
    </message>
    <message>
        <source>  Prints the usage of COMMAND and the options it takes, or the tool&apos;s usage.</source>
        <translation>  Toont het gebruik van COMMAND en zijn opties, of het gebruik van het programma.</translation>
    </message>
    <message>
        <source>help takes one command</source>
        <translation>help neemt één opdracht</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>onbekende opdracht %1</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last of a list of choices: %1 is the others, joined by commas</extracomment>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>the public holidays of a country or region</source>
        <translation>de officiële feestdagen van een land of regio</translation>
    </message>
    <message>
        <source>adds the rules of a file the Holidays dialog saved</source>
        <translation>voegt de regels toe van een bestand dat het venster Feestdagen heeft opgeslagen</translation>
    </message>
    <message>
        <source>the year (this year unless given)</source>
        <translation>het jaar (zonder opgave dit jaar)</translation>
    </message>
    <message>
        <source>-o: the schedule whose special dates are filled</source>
        <translation>-o: de programmering waarvan de speciale datums worden ingevuld</translation>
    </message>
    <message>
        <source>writes the schedule with the holidays as its special dates (- : standard output)</source>
        <translation>schrijft de programmering met de feestdagen als speciale datums (- : standaarduitvoer)</translation>
    </message>
    <message>
        <source>the list&apos;s form</source>
        <translation>de vorm van de lijst</translation>
    </message>
    <message>
        <source>--preset CODE or --rules FILE is needed</source>
        <translation>--preset CODE of --rules FILE is nodig</translation>
    </message>
    <message>
        <source>--preset is %1</source>
        <translation>--preset is %1</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1: kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>--json or --format %1, not both</source>
        <translation>--json of --format %1, niet allebei</translation>
    </message>
    <message>
        <source>--format is text, csv or json</source>
        <translation>--format is text, csv of json</translation>
    </message>
    <message>
        <source>--format and --json are for the list of holidays, not for -o</source>
        <translation>--format en --json horen bij de lijst met feestdagen, niet bij -o</translation>
    </message>
    <message>
        <source>--year is a year from %1 to %2</source>
        <translation>--year is een jaar van %1 tot %2</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2</source>
        <translation>%1: kan niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>%1: special dates 1 to %2 would hold the holidays of %3 (nothing written)</source>
        <translation>%1: speciale datums 1 tot %2 zouden de feestdagen van %3 krijgen (niets geschreven)</translation>
    </message>
    <message>
        <source>%1: special dates 1 to %2 hold the holidays of %3</source>
        <translation>%1: speciale datums 1 tot %2 bevatten de feestdagen van %3</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>standaarduitvoer</translation>
    </message>
    <message>
        <source>left out: %1</source>
        <extracomment>%1 is a holiday that found no special date: &quot;2027-12-26 Sun St Stephen&apos;s Day&quot;</extracomment>
        <translation>weggelaten: %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>onverwacht argument %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The preset and the rule file the holidays come from</extracomment>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The holidays&apos; source and year: &quot;Germany 2027&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>--from, --repeat-last and --dry-run go with -o</source>
        <translation>--from, --repeat-last en --dry-run horen bij -o</translation>
    </message>
    <message>
        <source>  Makes a data file of a schedule in JSON (-o - : standard output).</source>
        <translation>  Maakt een gegevensbestand van een programmering in JSON (-o - : standaarduitvoer).</translation>
    </message>
    <message>
        <source>the data file made (- : standard output)</source>
        <translation>het gemaakte gegevensbestand (- : standaarduitvoer)</translation>
    </message>
    <message>
        <source>-o OUT.dat is needed</source>
        <translation>-o OUT.dat is nodig</translation>
    </message>
    <message>
        <source>import makes a data file, not %1; export makes JSON</source>
        <translation>import maakt een gegevensbestand, geen %1; export maakt JSON</translation>
    </message>
    <message>
        <source>  Lists every KORVELT attached: path, serial number, version text,
  and &quot;program mode&quot; where it is in program mode.</source>
        <translation>  Toont elke aangesloten KORVELT: pad, serienummer, versietekst, en
  &quot;programmeermodus&quot; als hij in programmeermodus staat.</translation>
    </message>
    <message>
        <source>no KORVELT is attached</source>
        <translation>er is geen KORVELT aangesloten</translation>
    </message>
    <message>
        <source>ready</source>
        <extracomment>A KORVELT that answered who it is, in the list of those attached</extracomment>
        <translation>gereed</translation>
    </message>
    <message>
        <source>  Reads the KORVELT&apos;s schedule into OUT: JSON when OUT ends in .json
  or with --format json, else a data file (- : standard output).
  Several KORVELTs are read into the folder DIR, one file each named
  by its serial number: 1042.dat, or 1042.json with --format json.</source>
        <translation>  Leest de programmering van de KORVELT naar OUT: JSON als OUT op .json
  eindigt of met --format json, anders een gegevensbestand (- :
  standaarduitvoer). Meerdere KORVELTs worden in de map DIR gelezen, elk
  een bestand genoemd naar het serienummer: 1042.dat, of 1042.json met
  --format json.</translation>
    </message>
    <message>
        <source>the file&apos;s form (by default, told by OUT&apos;s ending)</source>
        <translation>de vorm van het bestand (standaard volgens de extensie van OUT)</translation>
    </message>
    <message>
        <source>%1 of %2 read</source>
        <translation>%1 van %2 gelezen</translation>
    </message>
    <message>
        <source>several KORVELTs are read into a folder, not into -</source>
        <translation>meerdere KORVELTs worden in een map gelezen, niet in -</translation>
    </message>
    <message>
        <source>not saved: another KORVELT read has serial number %1 too; read each by its path</source>
        <translation>niet opgeslagen: een andere gelezen KORVELT heeft ook serienummer %1; lees elk via zijn pad</translation>
    </message>
    <message>
        <source>not saved: the KORVELT did not say its serial number</source>
        <translation>niet opgeslagen: de KORVELT gaf zijn serienummer niet door</translation>
    </message>
    <message>
        <source>read into %1</source>
        <translation>gelezen naar %1</translation>
    </message>
    <message>
        <source>--format is dat or json</source>
        <translation>--format is dat of json</translation>
    </message>
    <message>
        <source>--json prints to standard output: read into a file</source>
        <translation>--json schrijft naar de standaarduitvoer: lees naar een bestand</translation>
    </message>
    <message>
        <source>  Makes the printable report of the schedule in FILE as a PDF (FILE
  with .pdf for .dat unless -o; -o - : standard output).</source>
        <translation>  Maakt het afdrukbare rapport van de programmering in FILE als pdf
  (zonder -o FILE met .pdf in plaats van .dat; -o - : standaarduitvoer).</translation>
    </message>
    <message>
        <source>the PDF (FILE with .pdf for .dat unless given; - : standard output)</source>
        <translation>de pdf (standaard FILE met .pdf in plaats van .dat; - : standaarduitvoer)</translation>
    </message>
    <message>
        <source>-o OUT.pdf is needed when FILE is -</source>
        <translation>-o OUT.pdf is nodig als FILE - is</translation>
    </message>
    <message>
        <source>%1: the report could not be made</source>
        <translation>%1: het rapport kon niet worden gemaakt</translation>
    </message>
    <message>
        <source>  Reads each KORVELT and compares it with the schedule in FILE as the
  KORVELT holds it; exit status 1 when any differs, the differences
  on standard output. Nothing is written.</source>
        <translation>  Leest elke KORVELT en vergelijkt hem met de programmering in FILE zoals
  de KORVELT die bevat; afsluitstatus 1 als er een afwijkt, de verschillen
  op de standaarduitvoer. Er wordt niets geschreven.</translation>
    </message>
    <message>
        <source>holds %1</source>
        <translation>bevat %1</translation>
    </message>
    <message>
        <source>differs from %1 in 1 place</source>
        <translation>wijkt op 1 plaats af van %1</translation>
    </message>
    <message numerus="yes">
        <source>differs from %1 in %n places</source>
        <translation>
            <numerusform>wijkt op %n plaats af van %1</numerusform>
            <numerusform>wijkt op %n plaatsen af van %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 hold %3</source>
        <extracomment>The summary of several KORVELTs: %1 of %2 KORVELTs hold the file %3</extracomment>
        <translation>%1 van %2 bevatten %3</translation>
    </message>
    <message>
        <source>; the clock was not set: %1</source>
        <extracomment>After &quot;written and verified&quot;: %1 is why the clock was not set</extracomment>
        <translation>; de klok is niet ingesteld: %1</translation>
    </message>
    <message>
        <source>; clock set to %1</source>
        <extracomment>After &quot;written and verified&quot;: %1 is the time the clock was set to</extracomment>
        <translation>; klok ingesteld op %1</translation>
    </message>
    <message>
        <source>waiting for KORVELTs to write %1 to (Ctrl+C ends)</source>
        <translation>wachten op KORVELTs om %1 naar te schrijven (Ctrl+C stopt)</translation>
    </message>
    <message>
        <source>%1 programmed; %2 failed</source>
        <extracomment>The line&apos;s summary: KORVELTs programmed, and those that failed</extracomment>
        <translation>%1 geprogrammeerd; %2 mislukt</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>geen bestand</translation>
    </message>
    <message>
        <source>ending after this KORVELT (Ctrl+C again stops it at once)</source>
        <translation>stopt na deze KORVELT (nogmaals Ctrl+C stopt direct)</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2; no more KORVELTs are taken</source>
        <translation>%1: kan niet worden geschreven: %2; er worden geen KORVELTs meer aangenomen</translation>
    </message>
    <message>
        <source>%1 is a whole number from %2</source>
        <translation>%1 is een geheel getal vanaf %2</translation>
    </message>
    <message>
        <source>--watch writes each KORVELT plugged in: no --all, --device or --dry-run</source>
        <translation>--watch schrijft elke aangesloten KORVELT: geen --all, --device of --dry-run</translation>
    </message>
    <message>
        <source>  Writes the schedule in FILE (a data file or JSON, told by content)
  and reads it back to verify, unless --no-verify. --all writes every
  KORVELT attached at once, one line each. A schedule with values the
  KORVELT cannot hold is refused; one with likely mistakes too,
  unless --force.</source>
        <translation>  Schrijft de programmering in FILE (gegevensbestand of JSON, herkend aan
  de inhoud) en leest die terug om te verifiëren, behalve met
  --no-verify. --all schrijft alle aangesloten KORVELTs tegelijk, elk één
  regel. Een programmering met waarden die de KORVELT niet kan bevatten
  wordt geweigerd; een met mogelijke fouten ook, behalve met --force.</translation>
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
        <translation>  Wacht tot er KORVELTs worden aangesloten en schrijft elk zodra hij er
  is (en zet met --set-clock zijn klok op de tijd van deze computer),
  elk één regel; een KORVELT wordt pas opnieuw geschreven nadat hij is
  losgekoppeld. --log voegt per KORVELT een CSV-regel toe: tijd,
  serienummer, versie, SHA-256 van FILE, resultaat, pad, melding, versie
  van korveltctl. --count N stopt na N KORVELTs, --retry N probeert een
  mislukte opnieuw, --json toont één JSON-object per regel. Ctrl+C stopt
  na de KORVELT die bezig is (een tweede Ctrl+C direct):
  &quot;3 geprogrammeerd; 1 mislukt&quot;.</translation>
    </message>
    <message>
        <source>writes without reading it back</source>
        <translation>schrijft zonder terug te lezen</translation>
    </message>
    <message>
        <source>writes a schedule with likely mistakes too</source>
        <translation>schrijft ook een programmering met mogelijke fouten</translation>
    </message>
    <message>
        <source>writes each KORVELT as it is plugged in, until Ctrl+C</source>
        <translation>schrijft elke KORVELT zodra hij wordt aangesloten, tot Ctrl+C</translation>
    </message>
    <message>
        <source>--watch: sets each clock to this computer&apos;s time too</source>
        <translation>--watch: zet ook elke klok op de tijd van deze computer</translation>
    </message>
    <message>
        <source>--watch: appends a line per KORVELT to LOG.csv</source>
        <translation>--watch: voegt per KORVELT een regel toe aan LOG.csv</translation>
    </message>
    <message>
        <source>--watch: ends after N KORVELTs</source>
        <translation>--watch: stopt na N KORVELTs</translation>
    </message>
    <message>
        <source>--watch: tries a failed KORVELT again, up to N times</source>
        <translation>--watch: probeert een mislukte KORVELT opnieuw, tot N keer</translation>
    </message>
    <message>
        <source>%1: not written: the KORVELT cannot hold %2 of its values</source>
        <translation>%1: niet geschreven: de KORVELT kan %2 van de waarden niet bevatten</translation>
    </message>
    <message>
        <source>%1: not written: the check found 1 likely mistake (--force writes it all the same)</source>
        <translation>%1: niet geschreven: de controle vond 1 mogelijke fout (--force schrijft toch)</translation>
    </message>
    <message numerus="yes">
        <source>%1: not written: the check found %n likely mistakes (--force writes it all the same)</source>
        <translation>
            <numerusform>%1: niet geschreven: de controle vond %n mogelijke fout (--force schrijft toch)</numerusform>
            <numerusform>%1: niet geschreven: de controle vond %n mogelijke fouten (--force schrijft toch)</numerusform>
        </translation>
    </message>
    <message>
        <source>--set-clock, --log, --count and --retry are for --watch</source>
        <translation>--set-clock, --log, --count en --retry horen bij --watch</translation>
    </message>
    <message>
        <source>would write %1 and verify it</source>
        <translation>zou %1 schrijven en verifiëren</translation>
    </message>
    <message>
        <source>would write %1</source>
        <translation>zou %1 schrijven</translation>
    </message>
    <message>
        <source>%1 of %2 would be written and verified</source>
        <translation>%1 van %2 zouden worden geschreven en geverifieerd</translation>
    </message>
    <message>
        <source>%1 of %2 would be written</source>
        <translation>%1 van %2 zouden worden geschreven</translation>
    </message>
    <message>
        <source>%1 of %2 written and verified</source>
        <translation>%1 van %2 geschreven en geverifieerd</translation>
    </message>
    <message>
        <source>%1 of %2 written</source>
        <translation>%1 van %2 geschreven</translation>
    </message>
    <message>
        <source>--device or --all, not both</source>
        <translation>--device of --all, niet allebei</translation>
    </message>
    <message>
        <source>%1 KORVELTs are attached (%2): name one with --device, or --all</source>
        <translation>%1 KORVELTs zijn aangesloten (%2): noem er een met --device, of --all</translation>
    </message>
    <message>
        <source>the KORVELT is in program mode</source>
        <translation>de KORVELT staat in programmeermodus</translation>
    </message>
    <message>
        <source>not a KORVELT time controller</source>
        <translation>geen KORVELT-tijdschakelklok</translation>
    </message>
    <message>
        <source>the KORVELT stopped answering</source>
        <translation>de KORVELT antwoordt niet meer</translation>
    </message>
    <message>
        <source>no KORVELT is attached at %1</source>
        <translation>er is geen KORVELT aangesloten op %1</translation>
    </message>
    <message>
        <source>no KORVELT with serial number %1 is attached</source>
        <translation>er is geen KORVELT met serienummer %1 aangesloten</translation>
    </message>
    <message>
        <source>%1 KORVELTs have serial number %2: %3; name one by its path</source>
        <translation>%1 KORVELTs hebben serienummer %2: %3; noem er een via zijn pad</translation>
    </message>
    <message>
        <source>; 1 differs</source>
        <extracomment>Of the summary of several KORVELTs, after what went through</extracomment>
        <translation>; 1 wijkt af</translation>
    </message>
    <message numerus="yes">
        <source>; %n differ</source>
        <translation>
            <numerusform>; %n wijkt af</numerusform>
            <numerusform>; %n wijken af</numerusform>
        </translation>
    </message>
    <message>
        <source>; 1 failed</source>
        <extracomment>Of the summary of several KORVELTs, after what went through</extracomment>
        <translation>; 1 mislukt</translation>
    </message>
    <message numerus="yes">
        <source>; %n failed</source>
        <translation>
            <numerusform>; %n mislukt</numerusform>
            <numerusform>; %n mislukt</numerusform>
        </translation>
    </message>
    <message>
        <source>clock %1</source>
        <translation>klok %1</translation>
    </message>
    <message>
        <source>program mode</source>
        <translation>programmeermodus</translation>
    </message>
    <message>
        <source>not a KORVELT</source>
        <translation>geen KORVELT</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>geen antwoord</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>kan niet worden geopend: %1</translation>
    </message>
    <message>
        <source>busy: in use by another program</source>
        <translation>bezet: in gebruik door een ander programma</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>onbekende optie %1</translation>
    </message>
    <message>
        <source>%1 is given more than once</source>
        <translation>%1 is meer dan eens opgegeven</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 heeft een waarde nodig</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <extracomment>%1 is the name of what is missing: FILE, OUT, DIR</extracomment>
        <translation>%1 ontbreekt</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>standaardinvoer</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>geen gewoon bestand</translation>
    </message>
    <message>
        <source>%1 is the file read; the output needs a name of its own</source>
        <translation>%1 is het gelezen bestand; de uitvoer heeft een eigen naam nodig</translation>
    </message>
    <message>
        <source>%1: cannot be written: a symbolic link is there, which is not followed</source>
        <translation>%1: kan niet worden geschreven: daar staat een symbolische koppeling, die niet wordt gevolgd</translation>
    </message>
    <message>
        <source>standard input: cannot be read</source>
        <translation>standaardinvoer: kan niet worden gelezen</translation>
    </message>
    <message>
        <source>%1: too large (more than 16 MiB)</source>
        <translation>%1: te groot (meer dan 16 MiB)</translation>
    </message>
    <message>
        <source>%1: a data file of a later version</source>
        <translation>%1: een gegevensbestand van een latere versie</translation>
    </message>
    <message>
        <source>%1: the data file is cut short</source>
        <translation>%1: het gegevensbestand is afgekapt</translation>
    </message>
    <message>
        <source>Mistake: %1</source>
        <extracomment>A line of the check: %1 is what it found</extracomment>
        <translation>Fout: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <extracomment>A line of the check: %1 is what it found</extracomment>
        <translation>Opmerking: %1</translation>
    </message>
    <message>
        <source>while verifying, at block %1 of %2: the KORVELT holds the new schedule, not verified</source>
        <translation>tijdens het verifiëren, bij blok %1 van %2: de KORVELT bevat de nieuwe programmering, niet geverifieerd</translation>
    </message>
    <message>
        <source>before the schedule was sent: the KORVELT holds its old schedule</source>
        <translation>voordat de programmering was verzonden: de KORVELT bevat zijn oude programmering</translation>
    </message>
    <message>
        <source>at block %1 of %2: the KORVELT holds part of the old and part of the new schedule</source>
        <translation>bij blok %1 van %2: de KORVELT bevat deels de oude en deels de nieuwe programmering</translation>
    </message>
    <message>
        <source>no KORVELT is attached there</source>
        <translation>daar is geen KORVELT aangesloten</translation>
    </message>
    <message>
        <source>the KORVELT&apos;s block %1 holds values that are not times or dates</source>
        <translation>blok %1 van de KORVELT bevat waarden die geen tijden of datums zijn</translation>
    </message>
    <message>
        <source>stopped answering %1</source>
        <extracomment>%1 says where the write was and what the KORVELT holds</extracomment>
        <translation>antwoordt niet meer, %1</translation>
    </message>
    <message>
        <source>the KORVELT stopped answering at block %1</source>
        <translation>de KORVELT antwoordt niet meer bij blok %1</translation>
    </message>
    <message>
        <source>unplugged %1</source>
        <extracomment>%1 says where the write was and what the KORVELT holds</extracomment>
        <translation>losgekoppeld, %1</translation>
    </message>
    <message>
        <source>the KORVELT was unplugged</source>
        <translation>de KORVELT is losgekoppeld</translation>
    </message>
    <message>
        <source>the schedule read back differs from the one written in 1 place</source>
        <translation>de teruggelezen programmering wijkt op 1 plaats af van de geschreven</translation>
    </message>
    <message numerus="yes">
        <source>the schedule read back differs from the one written in %n places</source>
        <translation>
            <numerusform>de teruggelezen programmering wijkt op %n plaats af van de geschreven</numerusform>
            <numerusform>de teruggelezen programmering wijkt op %n plaatsen af van de geschreven</numerusform>
        </translation>
    </message>
    <message>
        <source>interrupted before anything was sent: the KORVELT is as it was</source>
        <translation>onderbroken voordat er iets was verzonden: de KORVELT is ongewijzigd</translation>
    </message>
    <message>
        <source>interrupted while verifying, at block %1 of %2: the KORVELT holds the new schedule, not verified</source>
        <translation>onderbroken tijdens het verifiëren, bij blok %1 van %2: de KORVELT bevat de nieuwe programmering, niet geverifieerd</translation>
    </message>
    <message>
        <source>interrupted before the schedule was sent: the KORVELT holds its old schedule</source>
        <translation>onderbroken voordat de programmering was verzonden: de KORVELT bevat zijn oude programmering</translation>
    </message>
    <message>
        <source>interrupted at block %1 of %2: the KORVELT holds part of the old and part of the new schedule</source>
        <translation>onderbroken bij blok %1 van %2: de KORVELT bevat deels de oude en deels de nieuwe programmering</translation>
    </message>
    <message>
        <source>interrupted at block %1 of %2: nothing was saved</source>
        <translation>onderbroken bij blok %1 van %2: er is niets opgeslagen</translation>
    </message>
    <message>
        <source>interrupted before the clock was set</source>
        <translation>onderbroken voordat de klok was ingesteld</translation>
    </message>
    <message>
        <source>interrupted: the clock may or may not have been set</source>
        <translation>onderbroken: de klok is misschien wel, misschien niet ingesteld</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>onderbroken</translation>
    </message>
    <message>
        <source>%1 (serial %2)</source>
        <extracomment>A KORVELT as a line names it: its path and serial number</extracomment>
        <translation>%1 (serienr. %2)</translation>
    </message>
    <message>
        <source>written and verified</source>
        <translation>geschreven en geverifieerd</translation>
    </message>
    <message>
        <source>written</source>
        <translation>geschreven</translation>
    </message>
    <message>
        <source>read</source>
        <extracomment>A KORVELT&apos;s schedule was read</extracomment>
        <translation>gelezen</translation>
    </message>
    <message>
        <source>a command is missing</source>
        <translation>er ontbreekt een opdracht</translation>
    </message>
    <message>
        <source>--demo N is a number of KORVELTs from 1 to %1</source>
        <translation>--demo N is een aantal KORVELTs van 1 tot %1</translation>
    </message>
    <message>
        <source>%1 (see korveltctl --help)</source>
        <extracomment>After a mistake on the command line: %1 is the mistake</extracomment>
        <translation>%1 (zie korveltctl --help)</translation>
    </message>
    <message>
        <source>standard output: %1</source>
        <translation>standaarduitvoer: %1</translation>
    </message>
    <message>
        <source>cannot make the report: %1 is missing; install the program again</source>
        <translation>het rapport kan niet worden gemaakt: %1 ontbreekt; installeer het programma opnieuw</translation>
    </message>
    <message>
        <source>not applied: %1</source>
        <extracomment>A preset&apos;s holiday its rule does not tick: %1 is the holiday&apos;s line</extracomment>
        <translation>niet toegepast: %1</translation>
    </message>
    <message>
        <source>%1; the two reads disagreed, so a stray report from another program may be the cause: try again</source>
        <extracomment>%1 says where the KORVELT differs; this adds why the tool cannot tell a stray report from a KORVELT that differs</extracomment>
        <translation>%1; de twee leesacties kwamen niet overeen, dus een verdwaald bericht van een ander programma kan de oorzaak zijn: probeer het opnieuw</translation>
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
        <translation>  Toont de officiële feestdagen van een jaar (zonder --year dit jaar),
  of schrijft ze met -o als speciale datums van de programmering in
  IN.dat (zonder --from de standaardwaarden) naar OUT. Bij minder dan
  %1 feestdagen houden de andere speciale datums de hunne, of herhalen
  ze de laatste (--repeat-last). --rules voegt de regels toe van een
  bestand dat het venster Feestdagen heeft opgeslagen (of neemt alleen
  die, zonder --preset). --json en --format csv tonen per feestdag de
  datum, de weekdag, de namen en of het een vervangende dag is en of hij wordt toegepast.
  De dagen van regels die een voorinstelling aanbiedt maar niet aanvinkt,
  volgen als regels &quot;niet toegepast&quot;.
  CODE: %2.</translation>
    </message>
    <message>
        <source>-o: with fewer than %1 holidays, the others repeat the last</source>
        <translation>-o: bij minder dan %1 feestdagen herhalen de andere de laatste</translation>
    </message>
</context>
</TS>

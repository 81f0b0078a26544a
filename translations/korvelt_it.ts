<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>CheckText</name>
    <message>
        <source>Special date %1 (%2)</source>
        <extracomment>A special date with its place and date, as in &quot;Special date 3 (24/12/2027)&quot;</extracomment>
        <translation>Data speciale %1 (%2)</translation>
    </message>
    <message>
        <source>%1: the Start time has fractions of a second; the KORVELT keeps whole seconds.</source>
        <extracomment>%1 is the slot&apos;s place, as in &quot;Output 2, Normal Times slot 3&quot;</extracomment>
        <translation>%1: l&apos;ora di inizio contiene frazioni di secondo; il KORVELT memorizza solo secondi interi.</translation>
    </message>
    <message>
        <source>%1: the End time has fractions of a second; the KORVELT keeps whole seconds.</source>
        <translation>%1: l&apos;ora di fine contiene frazioni di secondo; il KORVELT memorizza solo secondi interi.</translation>
    </message>
    <message>
        <source>%1: the Start time is not a time of day.</source>
        <extracomment>%1 is the slot&apos;s place, as in &quot;Output 2, Normal Times slot 3&quot;
----------
%1 is the slot&apos;s place, as in &quot;Output 2, Special Times slot 3&quot;</extracomment>
        <translation>%1: l&apos;ora di inizio non è un&apos;ora del giorno.</translation>
    </message>
    <message>
        <source>%1: the End time is not a time of day.</source>
        <extracomment>%1 is the slot&apos;s place, as in &quot;Output 2, Normal Times slot 3&quot;
----------
%1 is the slot&apos;s place, as in &quot;Output 2, Special Times slot 3&quot;</extracomment>
        <translation>%1: l&apos;ora di fine non è un&apos;ora del giorno.</translation>
    </message>
    <message>
        <source>Daylight Saving: no Advance Clock week is chosen.</source>
        <translation>Ora legale: nessuna settimana scelta in Inizio ora legale.</translation>
    </message>
    <message>
        <source>Daylight Saving: no Advance Clock month is chosen.</source>
        <translation>Ora legale: nessun mese scelto in Inizio ora legale.</translation>
    </message>
    <message>
        <source>Daylight Saving: no Retard Clock week is chosen.</source>
        <translation>Ora legale: nessuna settimana scelta in Fine ora legale.</translation>
    </message>
    <message>
        <source>Daylight Saving: no Retard Clock month is chosen.</source>
        <translation>Ora legale: nessun mese scelto in Fine ora legale.</translation>
    </message>
    <message>
        <source>%1: ends at %2, before it starts at %3.</source>
        <extracomment>%1 is the slot&apos;s place (&quot;Output 2, Normal Times slot 3&quot;), %2 its end time, %3 its start time</extracomment>
        <translation>%1: termina alle %2, prima di iniziare alle %3.</translation>
    </message>
    <message>
        <source>%1: starts and ends at %2 on %3.</source>
        <extracomment>%1 is the slot&apos;s place, %2 its time, %3 its days (&quot;Mon to Fri&quot;)</extracomment>
        <translation>%1: inizia e termina alle %2 nei giorni %3.</translation>
    </message>
    <message>
        <source>%1: %2 to %3, but no day is On.</source>
        <extracomment>%1 is the slot&apos;s place, %2 and %3 its start and end time; &quot;On&quot; is the day cells&apos; text</extracomment>
        <translation>%1: dalle %2 alle %3, ma nessun giorno è su On.</translation>
    </message>
    <message>
        <source>%1 (%2 to %3) overlaps slot %4.</source>
        <extracomment>%1 is the slot&apos;s place, %2 and %3 its times, %4 the number of the other slot</extracomment>
        <translation>%1 (dalle %2 alle %3): si sovrappone alla fascia %4.</translation>
    </message>
    <message>
        <source>%1 (%2 to %3) overlaps slot %4 on %5.</source>
        <extracomment>%1 is the slot&apos;s place, %2 and %3 its times, %4 the number of the other slot, %5 the days (&quot;Mon to Fri&quot;)</extracomment>
        <translation>%1 (dalle %2 alle %3): si sovrappone alla fascia %4 nei giorni %5.</translation>
    </message>
    <message>
        <source>%1 (%2 to %3) is the same as slot %4.</source>
        <extracomment>%1 is the slot&apos;s place, %2 and %3 its times, %4 the number of the other slot</extracomment>
        <translation>%1 (dalle %2 alle %3): è uguale alla fascia %4.</translation>
    </message>
    <message>
        <source>Special date %1 (%2 %3) carries a time of day; the KORVELT keeps only the date.</source>
        <extracomment>%1 is the special date&apos;s number, %2 its date, %3 its time of day</extracomment>
        <translation>Data speciale %1 (%2 %3): contiene anche un&apos;ora; il KORVELT memorizza solo la data.</translation>
    </message>
    <message>
        <source>%1 is in the past.</source>
        <extracomment>%1 is a special date with its place, as in &quot;Special date 3 (24/12/2027)&quot;</extracomment>
        <translation>%1: è già passata.</translation>
    </message>
    <message>
        <source>%1 is the same as special date %2.</source>
        <extracomment>%1 is a special date with its place, as in &quot;Special date 3 (24/12/2027)&quot;; %2 the other&apos;s number</extracomment>
        <translation>%1: è uguale alla data speciale %2.</translation>
    </message>
    <message>
        <source>Output %1, Special Times: slots are set, but no special date is today or later.</source>
        <translation>Uscita %1, orari speciali: ci sono fasce impostate, ma nessuna data speciale cade oggi o più avanti.</translation>
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
        <translation>La data speciale %1 non è impostata su una data dal %2 al %3.</translation>
    </message>
</context>
<context>
    <name>ClockText</name>
    <message>
        <source>the KORVELT&apos;s clock holds no valid time (bytes %1)</source>
        <extracomment>Begins with a small letter: it also stands inside other sentences. %1 is the clock&apos;s bytes as a date and time</extracomment>
        <translation>l&apos;orologio del KORVELT non contiene un&apos;ora valida (byte %1)</translation>
    </message>
    <message>
        <source>Module Time: %1
Module Date: %2</source>
        <extracomment>The device&apos;s clock: %1 is its time, %2 its date</extracomment>
        <translation>Ora modulo: %1
Data modulo: %2</translation>
    </message>
    <message>
        <source>KORVELT and this PC agree to the second</source>
        <translation>il KORVELT e questo PC sono allineati al secondo</translation>
    </message>
    <message>
        <source>%1 d %2 h</source>
        <extracomment>An amount of time: days and hours</extracomment>
        <translation>%1 g %2 h</translation>
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
        <translation>il KORVELT è indietro di %1 rispetto a questo PC</translation>
    </message>
    <message>
        <source>KORVELT is %1 ahead of this PC</source>
        <extracomment>%1 is an amount of time, as in &quot;3 min 38 s&quot;</extracomment>
        <translation>il KORVELT è avanti di %1 rispetto a questo PC</translation>
    </message>
</context>
<context>
    <name>ControlTexts</name>
    <message>
        <source>1st Sunday</source>
        <translation>1ª domenica</translation>
    </message>
    <message>
        <source>2nd Sunday</source>
        <translation>2ª domenica</translation>
    </message>
    <message>
        <source>3rd Sunday</source>
        <translation>3ª domenica</translation>
    </message>
    <message>
        <source>4th Sunday</source>
        <translation>4ª domenica</translation>
    </message>
    <message>
        <source>Last Sunday</source>
        <translation>Ultima domenica</translation>
    </message>
    <message>
        <source>January</source>
        <translation>gennaio</translation>
    </message>
    <message>
        <source>Febuary</source>
        <translation>febbraio</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>aprile</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maggio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>giugno</translation>
    </message>
    <message>
        <source>July</source>
        <translation>luglio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>settembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>ottobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>dicembre</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dom</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Lun</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mer</translation>
    </message>
    <message>
        <source>Thur</source>
        <translation>Gio</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Ven</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sab</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>Error Opening File.</source>
        <translation>Errore durante l&apos;apertura del file.</translation>
    </message>
    <message>
        <source>Incompatible data file.</source>
        <translation>File dati non compatibile.</translation>
    </message>
    <message>
        <source>The file uses a later data format.<byte value="xd"/>
Cannot load</source>
        <translation>Il file usa un formato dati più recente.<byte value="xd"/>
Impossibile caricarlo</translation>
    </message>
    <message>
        <source>Error Saving File.</source>
        <translation>Errore durante il salvataggio del file.</translation>
    </message>
</context>
<context>
    <name>DeviceChoice</name>
    <message>
        <source>In Program Mode, %1</source>
        <extracomment>A KORVELT in the list of those attached that is being set up at its own keys; %1 is where it is attached</extracomment>
        <translation>In modalità aggiornamento, %1</translation>
    </message>
    <message>
        <source>No answer, %1</source>
        <extracomment>A KORVELT in the list of those attached that did not say who it is; %1 is where it is attached</extracomment>
        <translation>Nessuna risposta, %1</translation>
    </message>
    <message>
        <source>Several KORVELTs are attached. Which one do the commands go to?</source>
        <extracomment>Asked when several KORVELTs are attached and a command needs one</extracomment>
        <translation>Sono collegati più KORVELT. A quale vanno i comandi?</translation>
    </message>
    <message>
        <source>The KORVELT with serial %1 is gone. Which KORVELT do the commands go to now?</source>
        <extracomment>%1 is the serial number of the KORVELT chosen before</extracomment>
        <translation>Il KORVELT n. serie %1 non è più collegato. A quale KORVELT vanno ora i comandi?</translation>
    </message>
    <message>
        <source>The KORVELT at %1 is gone. Which KORVELT do the commands go to now?</source>
        <extracomment>%1 is where the KORVELT chosen before was attached</extracomment>
        <translation>Il KORVELT su %1 non è più collegato. A quale KORVELT vanno ora i comandi?</translation>
    </message>
    <message>
        <source>Serial %1, version %2, %3</source>
        <extracomment>A KORVELT in the list of those attached: %1 is its serial number, %2 its firmware version, %3 where it is attached</extracomment>
        <translation>N. serie %1, versione %2, %3</translation>
    </message>
    <message>
        <source>The KORVELT with serial %1 holds part of the old and part of the new schedule. Write it again first?</source>
        <extracomment>Asked before a command goes to another KORVELT, and before the window closes; %1 is the serial number of the KORVELT a write stopped on</extracomment>
        <translation>Il KORVELT n. serie %1 contiene in parte la vecchia e in parte la nuova programmazione. Scriverlo prima di nuovo?</translation>
    </message>
</context>
<context>
    <name>DevicePresenter</name>
    <message>
        <source>Close any other program that is using it, then try again.</source>
        <translation>Chiudere ogni altro programma che lo sta usando, poi riprovare.</translation>
    </message>
    <message>
        <source>Install the rule 60-korvelt.rules into /etc/udev/rules.d, run &quot;sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger&quot; and plug the KORVELT in again.</source>
        <extracomment>Keep the file name, the folder and the command as they are</extracomment>
        <translation>Installare la regola 60-korvelt.rules in /etc/udev/rules.d, eseguire &quot;sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger&quot; e ricollegare il KORVELT.</translation>
    </message>
    <message>
        <source>Writing to KORVELT</source>
        <extracomment>Status texts and messages of a command on the KORVELT; %1 is the block&apos;s number, %2 the last block&apos;s</extracomment>
        <translation>Scrittura nel KORVELT</translation>
    </message>
    <message>
        <source>Writing to KORVELT: block %1 of %2</source>
        <translation>Scrittura nel KORVELT: blocco %1 di %2</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while writing. Check the cable and try again.</source>
        <translation>Il KORVELT ha smesso di rispondere durante la scrittura. Controllare il cavo e riprovare.</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while writing (block %1 of %2). Check the cable and try again.</source>
        <translation>Il KORVELT ha smesso di rispondere durante la scrittura (blocco %1 di %2). Controllare il cavo e riprovare.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while writing. Plug it in and try again.</source>
        <translation>Il KORVELT è stato scollegato durante la scrittura. Ricollegarlo e riprovare.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while writing (block %1 of %2). Plug it in and try again.</source>
        <translation>Il KORVELT è stato scollegato durante la scrittura (blocco %1 di %2). Ricollegarlo e riprovare.</translation>
    </message>
    <message>
        <source>Checking what was written</source>
        <translation>Verifica di quanto scritto</translation>
    </message>
    <message>
        <source>Checking what was written: block %1 of %2</source>
        <translation>Verifica di quanto scritto: blocco %1 di %2</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while checking what was written. Check the cable and try again.</source>
        <translation>Il KORVELT ha smesso di rispondere durante la verifica di quanto scritto. Controllare il cavo e riprovare.</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while checking what was written (block %1 of %2). Check the cable and try again.</source>
        <translation>Il KORVELT ha smesso di rispondere durante la verifica di quanto scritto (blocco %1 di %2). Controllare il cavo e riprovare.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while checking what was written. Plug it in and try again.</source>
        <translation>Il KORVELT è stato scollegato durante la verifica di quanto scritto. Ricollegarlo e riprovare.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while checking what was written (block %1 of %2). Plug it in and try again.</source>
        <translation>Il KORVELT è stato scollegato durante la verifica di quanto scritto (blocco %1 di %2). Ricollegarlo e riprovare.</translation>
    </message>
    <message>
        <source>Comparing with KORVELT</source>
        <translation>Confronto con il KORVELT</translation>
    </message>
    <message>
        <source>Comparing with KORVELT: block %1 of %2</source>
        <translation>Confronto con il KORVELT: blocco %1 di %2</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while reading. Check the cable and try again.</source>
        <translation>Il KORVELT ha smesso di rispondere durante la lettura. Controllare il cavo e riprovare.</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while reading (block %1 of %2). Check the cable and try again.</source>
        <translation>Il KORVELT ha smesso di rispondere durante la lettura (blocco %1 di %2). Controllare il cavo e riprovare.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while reading. Plug it in and try again.</source>
        <translation>Il KORVELT è stato scollegato durante la lettura. Ricollegarlo e riprovare.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while reading (block %1 of %2). Plug it in and try again.</source>
        <translation>Il KORVELT è stato scollegato durante la lettura (blocco %1 di %2). Ricollegarlo e riprovare.</translation>
    </message>
    <message>
        <source>Reading from KORVELT</source>
        <translation>Lettura dal KORVELT</translation>
    </message>
    <message>
        <source>Reading from KORVELT: block %1 of %2</source>
        <translation>Lettura dal KORVELT: blocco %1 di %2</translation>
    </message>
    <message>
        <source>Setting the KORVELT clock</source>
        <translation>Impostazione dell&apos;orologio del KORVELT</translation>
    </message>
    <message>
        <source>Setting the KORVELT clock: block %1 of %2</source>
        <translation>Impostazione dell&apos;orologio del KORVELT: blocco %1 di %2</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while setting the clock. Check the cable and try again.</source>
        <translation>Il KORVELT ha smesso di rispondere durante l&apos;impostazione dell&apos;orologio. Controllare il cavo e riprovare.</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while setting the clock (block %1 of %2). Check the cable and try again.</source>
        <translation>Il KORVELT ha smesso di rispondere durante l&apos;impostazione dell&apos;orologio (blocco %1 di %2). Controllare il cavo e riprovare.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while setting the clock. Plug it in and try again.</source>
        <translation>Il KORVELT è stato scollegato durante l&apos;impostazione dell&apos;orologio. Ricollegarlo e riprovare.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while setting the clock (block %1 of %2). Plug it in and try again.</source>
        <translation>Il KORVELT è stato scollegato durante l&apos;impostazione dell&apos;orologio (blocco %1 di %2). Ricollegarlo e riprovare.</translation>
    </message>
    <message>
        <source>Reading the KORVELT clock</source>
        <translation>Lettura dell&apos;orologio del KORVELT</translation>
    </message>
    <message>
        <source>Reading the KORVELT clock: block %1 of %2</source>
        <translation>Lettura dell&apos;orologio del KORVELT: blocco %1 di %2</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while reading the clock. Check the cable and try again.</source>
        <translation>Il KORVELT ha smesso di rispondere durante la lettura dell&apos;orologio. Controllare il cavo e riprovare.</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while reading the clock (block %1 of %2). Check the cable and try again.</source>
        <translation>Il KORVELT ha smesso di rispondere durante la lettura dell&apos;orologio (blocco %1 di %2). Controllare il cavo e riprovare.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while reading the clock. Plug it in and try again.</source>
        <translation>Il KORVELT è stato scollegato durante la lettura dell&apos;orologio. Ricollegarlo e riprovare.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while reading the clock (block %1 of %2). Plug it in and try again.</source>
        <translation>Il KORVELT è stato scollegato durante la lettura dell&apos;orologio (blocco %1 di %2). Ricollegarlo e riprovare.</translation>
    </message>
    <message>
        <source>Daylight Saving</source>
        <extracomment>A place where the KORVELT&apos;s schedule differs: its daylight-saving rule</extracomment>
        <translation>Ora legale</translation>
    </message>
    <message>
        <source>Special date %1</source>
        <extracomment>A place where the KORVELT&apos;s schedule differs; %1 is the special date&apos;s number, 1 to 16</extracomment>
        <translation>Data speciale %1</translation>
    </message>
    <message>
        <source>... and 1 more.</source>
        <extracomment>The last line of a list cut short</extracomment>
        <translation>... e un altro.</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... e %n altro.</numerusform>
            <numerusform>... e altri %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>The KORVELT does not hold what was written</source>
        <extracomment>First line of a message after a write that did not read back as written</extracomment>
        <translation>Il KORVELT non contiene quanto è stato scritto</translation>
    </message>
    <message>
        <source>Write again; if it stays so, the KORVELT may need service.</source>
        <translation>Scrivere di nuovo; se il problema persiste, il KORVELT potrebbe richiedere assistenza.</translation>
    </message>
</context>
<context>
    <name>DifferenceText</name>
    <message>
        <source>(not chosen)</source>
        <extracomment>A week or month box of the daylight-saving rule none of whose items is chosen</extracomment>
        <translation>(non scelto)</translation>
    </message>
    <message>
        <source>(empty)</source>
        <extracomment>An empty time cell</extracomment>
        <translation>(vuota)</translation>
    </message>
    <message>
        <source>no days</source>
        <translation>nessun giorno</translation>
    </message>
    <message>
        <source>%1 to %2 %3</source>
        <extracomment>A slot: %1 its start time, %2 its end time, %3 its days (&quot;Mon Tue&quot; or &quot;no days&quot;)</extracomment>
        <translation>dalle %1 alle %2 %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>slot times</comment>
        <extracomment>A slot: %1 its start time, %2 its end time</extracomment>
        <translation>dalle %1 alle %2</translation>
    </message>
    <message>
        <source>on, %1 of %2 to %3 of %4</source>
        <extracomment>The daylight-saving rule, switched on: %1 of %2 (as in &quot;Last Sunday of March&quot;) the clock goes forward, %3 of %4 it goes back</extracomment>
        <translation>attiva, %1 di %2 – %3 di %4</translation>
    </message>
    <message>
        <source>off, %1 of %2 to %3 of %4</source>
        <extracomment>The daylight-saving rule, switched off: %1 of %2 (as in &quot;Last Sunday of March&quot;) the clock would go forward, %3 of %4 it would go back</extracomment>
        <translation>disattivata, %1 di %2 – %3 di %4</translation>
    </message>
    <message>
        <source>(not set)</source>
        <extracomment>A special date the window cannot show</extracomment>
        <translation>(non impostata)</translation>
    </message>
    <message>
        <source>%1: window %2, KORVELT %3</source>
        <extracomment>%1 is the slot&apos;s place (&quot;Output 2, Normal Times slot 3&quot;), %2 the window&apos;s slot, %3 the KORVELT&apos;s</extracomment>
        <translation>%1: finestra %2, KORVELT %3</translation>
    </message>
    <message>
        <source>Daylight Saving: window %1; KORVELT %2</source>
        <extracomment>%1 is the window&apos;s daylight-saving rule, %2 the KORVELT&apos;s</extracomment>
        <translation>Ora legale: finestra %1; KORVELT %2</translation>
    </message>
    <message>
        <source>Special date %1: window %2, KORVELT %3</source>
        <extracomment>%1 is the special date&apos;s number, %2 the window&apos;s date, %3 the KORVELT&apos;s</extracomment>
        <translation>Data speciale %1: finestra %2, KORVELT %3</translation>
    </message>
    <message>
        <source>Output %1, Special Times slot %2</source>
        <extracomment>The place of a slot: %1 is the output, %2 the slot</extracomment>
        <translation>Uscita %1, fascia %2 degli orari speciali</translation>
    </message>
    <message>
        <source>Output %1, Normal Times slot %2</source>
        <extracomment>The place of a slot: %1 is the output, %2 the slot</extracomment>
        <translation>Uscita %1, fascia %2 degli orari normali</translation>
    </message>
    <message>
        <source>1st Sunday</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>1ª domenica</translation>
    </message>
    <message>
        <source>2nd Sunday</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>2ª domenica</translation>
    </message>
    <message>
        <source>3rd Sunday</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>3ª domenica</translation>
    </message>
    <message>
        <source>4th Sunday</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>4ª domenica</translation>
    </message>
    <message>
        <source>Last Sunday</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>ultima domenica</translation>
    </message>
    <message>
        <source>January</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>gennaio</translation>
    </message>
    <message>
        <source>Febuary</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>febbraio</translation>
    </message>
    <message>
        <source>March</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>aprile</translation>
    </message>
    <message>
        <source>May</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>maggio</translation>
    </message>
    <message>
        <source>June</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>giugno</translation>
    </message>
    <message>
        <source>July</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>luglio</translation>
    </message>
    <message>
        <source>August</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>settembre</translation>
    </message>
    <message>
        <source>October</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>ottobre</translation>
    </message>
    <message>
        <source>November</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>dicembre</translation>
    </message>
</context>
<context>
    <name>GridSlots</name>
    <message>
        <source>On</source>
        <comment>day cell</comment>
        <extracomment>The text of a day cell whose day is on; keep it short</extracomment>
        <translation>On</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>day cell</comment>
        <translation>Off</translation>
    </message>
</context>
<context>
    <name>HolidayNames</name>
    <message>
        <source>England and Wales</source>
        <translation>Inghilterra e Galles</translation>
    </message>
    <message>
        <source>Scotland</source>
        <translation>Scozia</translation>
    </message>
    <message>
        <source>Northern Ireland</source>
        <translation>Irlanda del Nord</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Irlanda</translation>
    </message>
    <message>
        <source>Germany (nationwide)</source>
        <translation>Germania (nazionale)</translation>
    </message>
    <message>
        <source>Germany: Baden-Württemberg</source>
        <translation>Germania: Baden-Württemberg</translation>
    </message>
    <message>
        <source>Germany: Bavaria</source>
        <translation>Germania: Baviera</translation>
    </message>
    <message>
        <source>Germany: Berlin</source>
        <translation>Germania: Berlino</translation>
    </message>
    <message>
        <source>Germany: Brandenburg</source>
        <translation>Germania: Brandeburgo</translation>
    </message>
    <message>
        <source>Germany: Bremen</source>
        <translation>Germania: Brema</translation>
    </message>
    <message>
        <source>Germany: Hamburg</source>
        <translation>Germania: Amburgo</translation>
    </message>
    <message>
        <source>Germany: Hesse</source>
        <translation>Germania: Assia</translation>
    </message>
    <message>
        <source>Germany: Lower Saxony</source>
        <translation>Germania: Bassa Sassonia</translation>
    </message>
    <message>
        <source>Germany: Mecklenburg-Western Pomerania</source>
        <translation>Germania: Meclemburgo-Pomerania Anteriore</translation>
    </message>
    <message>
        <source>Germany: North Rhine-Westphalia</source>
        <translation>Germania: Renania Settentrionale-Vestfalia</translation>
    </message>
    <message>
        <source>Germany: Rhineland-Palatinate</source>
        <translation>Germania: Renania-Palatinato</translation>
    </message>
    <message>
        <source>Germany: Saarland</source>
        <translation>Germania: Saarland</translation>
    </message>
    <message>
        <source>Germany: Saxony</source>
        <translation>Germania: Sassonia</translation>
    </message>
    <message>
        <source>Germany: Saxony-Anhalt</source>
        <translation>Germania: Sassonia-Anhalt</translation>
    </message>
    <message>
        <source>Germany: Schleswig-Holstein</source>
        <translation>Germania: Schleswig-Holstein</translation>
    </message>
    <message>
        <source>Germany: Thuringia</source>
        <translation>Germania: Turingia</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Austria</translation>
    </message>
    <message>
        <source>Switzerland (every canton)</source>
        <translation>Svizzera (tutti i cantoni)</translation>
    </message>
    <message>
        <source>Switzerland: Zurich</source>
        <translation>Svizzera: Zurigo</translation>
    </message>
    <message>
        <source>Switzerland: Bern</source>
        <translation>Svizzera: Berna</translation>
    </message>
    <message>
        <source>Switzerland: Basel-Stadt</source>
        <translation>Svizzera: Basilea Città</translation>
    </message>
    <message>
        <source>Switzerland: Geneva</source>
        <translation>Svizzera: Ginevra</translation>
    </message>
    <message>
        <source>Switzerland: Vaud</source>
        <translation>Svizzera: Vaud</translation>
    </message>
    <message>
        <source>Switzerland: Ticino</source>
        <translation>Svizzera: Ticino</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Belgio</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Francia</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italia</translation>
    </message>
    <message>
        <source>Spain (national)</source>
        <translation>Spagna (nazionale)</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polonia</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Paesi Bassi</translation>
    </message>
    <message>
        <source>United States (federal)</source>
        <translation>Stati Uniti (federale)</translation>
    </message>
    <message>
        <source>Canada (federal)</source>
        <translation>Canada (federale)</translation>
    </message>
    <message>
        <source>Australia (national)</source>
        <translation>Australia (nazionale)</translation>
    </message>
    <message>
        <source>2nd January</source>
        <translation>2 gennaio</translation>
    </message>
    <message>
        <source>All Saints&apos; Day</source>
        <translation>Ognissanti</translation>
    </message>
    <message>
        <source>Anzac Day</source>
        <translation>Anzac Day</translation>
    </message>
    <message>
        <source>Armistice Day</source>
        <translation>Giorno dell&apos;armistizio</translation>
    </message>
    <message>
        <source>Ascension Day</source>
        <translation>Ascensione</translation>
    </message>
    <message>
        <source>Assumption Day</source>
        <translation>Assunzione</translation>
    </message>
    <message>
        <source>Assumption of Mary</source>
        <translation>Assunzione di Maria</translation>
    </message>
    <message>
        <source>Augsburg Peace Festival</source>
        <translation>Festa della pace di Augusta</translation>
    </message>
    <message>
        <source>August bank holiday</source>
        <translation>Bank holiday di agosto</translation>
    </message>
    <message>
        <source>Australia Day</source>
        <translation>Australia Day</translation>
    </message>
    <message>
        <source>Bank holiday for the State Funeral of Queen Elizabeth II</source>
        <translation>Bank holiday per i funerali di Stato della regina Elisabetta II</translation>
    </message>
    <message>
        <source>Bank holiday for the coronation of King Charles III</source>
        <translation>Bank holiday per l&apos;incoronazione di re Carlo III</translation>
    </message>
    <message>
        <source>Bastille Day</source>
        <translation>Festa nazionale francese</translation>
    </message>
    <message>
        <source>Battle of the Boyne (Orangemen&apos;s Day)</source>
        <translation>Battaglia del Boyne (Orangemen&apos;s Day)</translation>
    </message>
    <message>
        <source>Berchtold&apos;s Day</source>
        <translation>San Bertoldo</translation>
    </message>
    <message>
        <source>Birthday of Martin Luther King, Jr.</source>
        <translation>Martin Luther King Day</translation>
    </message>
    <message>
        <source>Boxing Day</source>
        <translation>Santo Stefano</translation>
    </message>
    <message>
        <source>Canada Day</source>
        <translation>Canada Day</translation>
    </message>
    <message>
        <source>Centenary of Independence</source>
        <translation>Centenario dell&apos;indipendenza</translation>
    </message>
    <message>
        <source>Christmas Day</source>
        <translation>Natale</translation>
    </message>
    <message>
        <source>Christmas Eve</source>
        <translation>Vigilia di Natale</translation>
    </message>
    <message>
        <source>Columbus Day</source>
        <translation>Columbus Day</translation>
    </message>
    <message>
        <source>Constitution Day</source>
        <translation>Festa della Costituzione</translation>
    </message>
    <message>
        <source>Corpus Christi</source>
        <translation>Corpus Domini</translation>
    </message>
    <message>
        <source>Day of German Unity</source>
        <translation>Giorno dell&apos;unità tedesca</translation>
    </message>
    <message>
        <source>Day of Liberation</source>
        <translation>Giorno della Liberazione</translation>
    </message>
    <message>
        <source>Day of Remembrance and Recognition</source>
        <translation>Giornata del ricordo e del riconoscimento</translation>
    </message>
    <message>
        <source>Day of Repentance and Prayer</source>
        <translation>Giorno di penitenza e preghiera</translation>
    </message>
    <message>
        <source>Early May bank holiday</source>
        <translation>Bank holiday di inizio maggio</translation>
    </message>
    <message>
        <source>Easter Monday</source>
        <translation>Lunedì dell&apos;Angelo</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>Pasqua</translation>
    </message>
    <message>
        <source>Epiphany</source>
        <translation>Epifania</translation>
    </message>
    <message>
        <source>Federal Fast Monday</source>
        <translation>Lunedì del Digiuno federale</translation>
    </message>
    <message>
        <source>Ferragosto</source>
        <translation>Ferragosto</translation>
    </message>
    <message>
        <source>Genevan Fast</source>
        <translation>Digiuno ginevrino</translation>
    </message>
    <message>
        <source>Golden Jubilee bank holiday</source>
        <translation>Bank holiday per il Giubileo d&apos;oro</translation>
    </message>
    <message>
        <source>Good Friday</source>
        <translation>Venerdì santo</translation>
    </message>
    <message>
        <source>Immaculate Conception</source>
        <translation>Immacolata Concezione</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Festa dell&apos;indipendenza</translation>
    </message>
    <message>
        <source>International Women&apos;s Day</source>
        <translation>Giornata internazionale della donna</translation>
    </message>
    <message>
        <source>June bank holiday</source>
        <translation>Bank holiday di giugno</translation>
    </message>
    <message>
        <source>Juneteenth National Independence Day</source>
        <translation>Juneteenth</translation>
    </message>
    <message>
        <source>King&apos;s Birthday</source>
        <translation>Compleanno del re</translation>
    </message>
    <message>
        <source>King&apos;s Day</source>
        <translation>Festa del Re</translation>
    </message>
    <message>
        <source>Labor Day</source>
        <translation>Labor Day</translation>
    </message>
    <message>
        <source>Labour Day</source>
        <translation>Festa del lavoro</translation>
    </message>
    <message>
        <source>Liberation Day</source>
        <translation>Festa della Liberazione</translation>
    </message>
    <message>
        <source>Liberation Day (every fifth year)</source>
        <translation>Festa della Liberazione (ogni cinque anni)</translation>
    </message>
    <message>
        <source>Maundy Thursday</source>
        <translation>Giovedì santo</translation>
    </message>
    <message>
        <source>May bank holiday</source>
        <translation>Bank holiday di maggio</translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation>Memorial Day</translation>
    </message>
    <message>
        <source>National Day</source>
        <translation>Festa nazionale</translation>
    </message>
    <message>
        <source>National Day for Truth and Reconciliation</source>
        <translation>Giornata nazionale per la verità e la riconciliazione</translation>
    </message>
    <message>
        <source>National Day of Mourning for Queen Elizabeth II</source>
        <translation>Giornata nazionale di lutto per la regina Elisabetta II</translation>
    </message>
    <message>
        <source>National Day of Spain</source>
        <translation>Festa nazionale di Spagna</translation>
    </message>
    <message>
        <source>New Year&apos;s Day</source>
        <translation>Capodanno</translation>
    </message>
    <message>
        <source>October bank holiday</source>
        <translation>Bank holiday di ottobre</translation>
    </message>
    <message>
        <source>Platinum Jubilee bank holiday</source>
        <translation>Bank holiday per il Giubileo di platino</translation>
    </message>
    <message>
        <source>Queen&apos;s Birthday</source>
        <translation>Compleanno della regina</translation>
    </message>
    <message>
        <source>Queen&apos;s Day</source>
        <translation>Festa della Regina</translation>
    </message>
    <message>
        <source>Queen&apos;s Diamond Jubilee</source>
        <translation>Giubileo di diamante della regina</translation>
    </message>
    <message>
        <source>Reformation Day</source>
        <translation>Festa della Riforma</translation>
    </message>
    <message>
        <source>Remembrance Day</source>
        <translation>Remembrance Day</translation>
    </message>
    <message>
        <source>Republic Day</source>
        <translation>Festa della Repubblica</translation>
    </message>
    <message>
        <source>Restoration of the Republic</source>
        <translation>Restaurazione della Repubblica</translation>
    </message>
    <message>
        <source>Royal wedding</source>
        <translation>Matrimonio reale</translation>
    </message>
    <message>
        <source>Saint Brigid&apos;s Day</source>
        <translation>Santa Brigida</translation>
    </message>
    <message>
        <source>Saint Patrick&apos;s Day</source>
        <translation>San Patrizio</translation>
    </message>
    <message>
        <source>Saint Stephen&apos;s Day</source>
        <translation>Santo Stefano</translation>
    </message>
    <message>
        <source>Second Day of Christmas</source>
        <translation>Santo Stefano</translation>
    </message>
    <message>
        <source>Spring bank holiday</source>
        <translation>Bank holiday di primavera</translation>
    </message>
    <message>
        <source>St Andrew&apos;s Day</source>
        <translation>Sant&apos;Andrea</translation>
    </message>
    <message>
        <source>St Francis of Assisi</source>
        <translation>San Francesco d&apos;Assisi</translation>
    </message>
    <message>
        <source>St Joseph&apos;s Day</source>
        <translation>San Giuseppe</translation>
    </message>
    <message>
        <source>St Patrick&apos;s Day</source>
        <translation>San Patrizio</translation>
    </message>
    <message>
        <source>St Stephen&apos;s Day</source>
        <translation>Santo Stefano</translation>
    </message>
    <message>
        <source>State Holiday</source>
        <translation>Festa dello Stato</translation>
    </message>
    <message>
        <source>Sts Peter and Paul</source>
        <translation>Santi Pietro e Paolo</translation>
    </message>
    <message>
        <source>Summer bank holiday</source>
        <translation>Bank holiday estiva</translation>
    </message>
    <message>
        <source>Swiss National Day</source>
        <translation>Festa nazionale</translation>
    </message>
    <message>
        <source>Thanksgiving Day</source>
        <translation>Giorno del Ringraziamento</translation>
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
        <translation>Giorno della vittoria in Europa</translation>
    </message>
    <message>
        <source>Washington&apos;s Birthday</source>
        <translation>Compleanno di Washington</translation>
    </message>
    <message>
        <source>Whit Monday</source>
        <translation>Lunedì di Pentecoste</translation>
    </message>
    <message>
        <source>Whit Sunday</source>
        <translation>Pentecoste</translation>
    </message>
    <message>
        <source>World Children&apos;s Day</source>
        <translation>Giornata mondiale dell&apos;infanzia</translation>
    </message>
    <message>
        <source>150th anniversary of the unification of Italy</source>
        <translation>150° anniversario dell&apos;Unità d&apos;Italia</translation>
    </message>
    <message>
        <source>Additional bank holiday</source>
        <translation>Bank holiday aggiuntiva</translation>
    </message>
    <message>
        <source>Anniversary of the uprising of 17 June 1953</source>
        <translation>Anniversario della rivolta del 17 giugno 1953</translation>
    </message>
</context>
<context>
    <name>HolidayNotes</name>
    <message>
        <source>A holiday in every canton but Ticino and Valais.</source>
        <translation>Festivo in tutti i cantoni tranne Ticino e Vallese.</translation>
    </message>
    <message>
        <source>A holiday in every region but Catalonia (and in some years Valencia).</source>
        <translation>Festivo in tutte le regioni tranne la Catalogna (e in alcuni anni Valencia).</translation>
    </message>
    <message>
        <source>A holiday in most cantons, not in Geneva, Jura, Neuchâtel, Valais and Vaud.</source>
        <translation>Festivo nella maggior parte dei cantoni, non a Ginevra, nel Giura, a Neuchâtel, nel Vallese e nel Vaud.</translation>
    </message>
    <message>
        <source>A holiday in most cantons, not in Valais.</source>
        <translation>Festivo nella maggior parte dei cantoni, non nel Vallese.</translation>
    </message>
    <message>
        <source>A public holiday, but a day off only where the collective agreement or the employer gives it, in many agreements every fifth year only.</source>
        <translation>Festività ufficiale, ma giorno libero solo dove lo concedono il contratto collettivo o il datore di lavoro, in molti contratti solo ogni cinque anni.</translation>
    </message>
    <message>
        <source>A public holiday, but a day off only where the collective agreement or the employer gives it.</source>
        <translation>Festività ufficiale, ma giorno libero solo dove lo concedono il contratto collettivo o il datore di lavoro.</translation>
    </message>
    <message>
        <source>In some Catholic Sorbian municipalities of the districts of Bautzen and Görlitz only.</source>
        <translation>Solo in alcuni comuni sorabi cattolici dei circondari di Bautzen e Görlitz.</translation>
    </message>
    <message>
        <source>In the city of Augsburg only.</source>
        <translation>Solo nella città di Augusta.</translation>
    </message>
    <message>
        <source>In the municipalities of the Eichsfeld district with a mainly Catholic population, and some others, only.</source>
        <translation>Solo nei comuni a maggioranza cattolica del circondario di Eichsfeld e in pochi altri.</translation>
    </message>
    <message>
        <source>In the municipalities with a mainly Catholic population (most of Bavaria, Munich included); untick it elsewhere.</source>
        <translation>Nei comuni a maggioranza cattolica (gran parte della Baviera, Monaco compresa); altrove togliete la spunta.</translation>
    </message>
    <message>
        <source>Liberation Day in the years of a lustrum (2025, 2030, ...), as many agreements give it.</source>
        <translation>Festa della Liberazione negli anni di lustro (2025, 2030, ...), come la concedono molti contratti.</translation>
    </message>
    <message>
        <source>Western Australia and Queensland keep it on other days.</source>
        <translation>Australia Occidentale e Queensland lo celebrano in altri giorni.</translation>
    </message>
    <message>
        <source>A one-off bank holiday in Scotland alone, proclaimed for Monday 15 June 2026.</source>
        <translation>Una bank holiday una tantum, solo in Scozia, proclamata per lunedì 15 giugno 2026.</translation>
    </message>
    <message>
        <source>A public holiday once, by Decree-law 5 of 2011.</source>
        <translation>Festività una sola volta, per il decreto-legge n. 5 del 2011.</translation>
    </message>
    <message>
        <source>A holiday in Berlin once, 75 years after the uprising of 17 June 1953.</source>
        <translation>Festività a Berlino una sola volta, 75 anni dopo la rivolta del 17 giugno 1953.</translation>
    </message>
    <message>
        <source>In 2011 on Tuesday 26 April, as Easter Monday fell on 25 April.</source>
        <translation>Nel 2011 martedì 26 aprile, perché il lunedì di Pasqua cadeva il 25 aprile.</translation>
    </message>
    <message>
        <source>On 2 June from 2001 (Law 336 of 2000); from 1977 to 2000 it was kept on the first Sunday of June.</source>
        <translation>Il 2 giugno dal 2001 (legge n. 336 del 2000); dal 1977 al 2000 si celebrava la prima domenica di giugno.</translation>
    </message>
    <message>
        <source>On a Saturday or a Sunday, the working day after it is the day off (Canada Labour Code, as the federal government&apos;s lists give it).</source>
        <translation>Se cade di sabato o di domenica, è libero il giorno lavorativo successivo (Canada Labour Code, come indicano gli elenchi del governo federale).</translation>
    </message>
</context>
<context>
    <name>HolidayRuleFile</name>
    <message>
        <source>has an unknown kind &quot;%1&quot; (known: fixed, easter, nth-weekday, last-weekday).</source>
        <translation>è di un tipo sconosciuto &quot;%1&quot; (noti: fixed, easter, nth-weekday, last-weekday).</translation>
    </message>
    <message>
        <source>needs a whole &quot;month&quot; and &quot;day&quot;.</source>
        <translation>richiede valori interi per &quot;month&quot; e &quot;day&quot;.</translation>
    </message>
    <message>
        <source>needs a whole &quot;offset&quot; (days from Easter Sunday).</source>
        <translation>richiede un valore intero per &quot;offset&quot; (giorni dalla domenica di Pasqua).</translation>
    </message>
    <message>
        <source>needs a whole &quot;nth&quot; (1 to 4).</source>
        <translation>richiede un valore intero per &quot;nth&quot; (da 1 a 4).</translation>
    </message>
    <message>
        <source>needs a &quot;weekday&quot; from sunday to saturday.</source>
        <translation>richiede un &quot;weekday&quot; da sunday a saturday.</translation>
    </message>
    <message>
        <source>needs a whole &quot;month&quot;.</source>
        <translation>richiede un valore intero per &quot;month&quot;.</translation>
    </message>
    <message>
        <source>has an unknown &quot;weekend&quot; &quot;%1&quot;.</source>
        <translation>ha un valore sconosciuto &quot;%1&quot; per &quot;weekend&quot;.</translation>
    </message>
    <message>
        <source>has an unknown &quot;then&quot; &quot;%1&quot; (known: before, after, on-or-before, on-or-after).</source>
        <translation>ha un valore sconosciuto &quot;%1&quot; per &quot;then&quot; (noti: before, after, on-or-before, on-or-after).</translation>
    </message>
    <message>
        <source>needs a &quot;then-weekday&quot; from sunday to saturday.</source>
        <translation>richiede un &quot;then-weekday&quot; da sunday a saturday.</translation>
    </message>
    <message>
        <source>needs a whole number of years as &quot;%1&quot;.</source>
        <translation>richiede un numero intero di anni per &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>needs a list as &quot;changes&quot;.</source>
        <translation>richiede un elenco per &quot;changes&quot;.</translation>
    </message>
    <message>
        <source>needs a &quot;year&quot; and either a &quot;month&quot; and &quot;day&quot; or &quot;dropped&quot; in each change.</source>
        <translation>richiede in ogni modifica un &quot;year&quot; e inoltre un &quot;month&quot; e un &quot;day&quot; oppure &quot;dropped&quot;.</translation>
    </message>
    <message>
        <source>The file is not valid JSON: %1 at character %2.</source>
        <translation>Il file non è JSON valido: %1 al carattere %2.</translation>
    </message>
    <message>
        <source>The file is no holiday rule file.</source>
        <translation>Il file non è un file di regole delle festività.</translation>
    </message>
    <message>
        <source>The file was written by a later version of the program.</source>
        <translation>Il file è stato scritto da una versione più recente del programma.</translation>
    </message>
    <message>
        <source>Rule %1 %2</source>
        <extracomment>%1 is the rule&apos;s number in the file; %2 what is wrong with it, as in &quot;needs a whole &quot;month&quot;.&quot;</extracomment>
        <translation>Regola %1: %2</translation>
    </message>
    <message>
        <source>Rule %1 (%2) %3</source>
        <extracomment>%1 is the rule&apos;s number in the file, %2 its name; %3 what is wrong with it, as in &quot;needs a whole &quot;month&quot;.&quot;</extracomment>
        <translation>Regola %1 (%2): %3</translation>
    </message>
    <message>
        <source>The file cannot be opened.</source>
        <translation>Impossibile aprire il file.</translation>
    </message>
    <message>
        <source>The file is too large for a holiday rule file.</source>
        <translation>Il file è troppo grande per essere un file di regole delle festività.</translation>
    </message>
</context>
<context>
    <name>HolidayText</name>
    <message>
        <source>January</source>
        <translation>gennaio</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febbraio</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>aprile</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maggio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>giugno</translation>
    </message>
    <message>
        <source>July</source>
        <translation>luglio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>settembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>ottobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>dicembre</translation>
    </message>
    <message>
        <source>%1 (substitute day)</source>
        <extracomment>A holiday moved off a weekend: %1 is its name</extracomment>
        <translation>%1 (giorno sostitutivo)</translation>
    </message>
    <message>
        <source>%1 (observed)</source>
        <extracomment>A holiday observed on a weekday: %1 is its name</extracomment>
        <translation>%1 (osservata)</translation>
    </message>
    <message>
        <source> / </source>
        <extracomment>Between the names of holidays on the same day</extracomment>
        <translation> / </translation>
    </message>
    <message>
        <source>The month must be from 1 to 12.</source>
        <translation>Il mese deve essere compreso tra 1 e 12.</translation>
    </message>
    <message>
        <source>%1 %2 is not a date.</source>
        <extracomment>%1 is a day, %2 a month, as in &quot;30 February is not a date.&quot;</extracomment>
        <translation>Il %1 %2 non è una data valida.</translation>
    </message>
    <message>
        <source>Days from Easter Sunday must be from -%1 to %1.</source>
        <extracomment>%1 is the most days a rule may be from Easter Sunday</extracomment>
        <translation>I giorni dalla domenica di Pasqua devono essere compresi tra -%1 e %1.</translation>
    </message>
    <message>
        <source>Which weekday of the month must be from 1 to 4 (or the last).</source>
        <translation>Il giorno della settimana nel mese deve essere compreso tra 1 e 4 (oppure l&apos;ultimo).</translation>
    </message>
    <message>
        <source>The weekday must be from 0 (Sunday) to 6 (Saturday).</source>
        <translation>Il giorno della settimana deve essere compreso tra 0 (domenica) e 6 (sabato).</translation>
    </message>
    <message>
        <source>The weekday before or after must be from 0 (Sunday) to 6 (Saturday).</source>
        <translation>Il giorno della settimana prima o dopo deve essere compreso tra 0 (domenica) e 6 (sabato).</translation>
    </message>
    <message>
        <source>The first and the last year must be from %1 to %2.</source>
        <translation>Il primo e l&apos;ultimo anno devono essere compresi tra %1 e %2.</translation>
    </message>
    <message>
        <source>The last year (%1) is before the first (%2).</source>
        <extracomment>%1 is the last year, %2 the first</extracomment>
        <translation>L&apos;ultimo anno (%1) precede il primo (%2).</translation>
    </message>
    <message>
        <source>Every how many years must be from 1 to 100.</source>
        <translation>L&apos;intervallo in anni deve essere compreso tra 1 e 100.</translation>
    </message>
    <message numerus="yes">
        <source>Every %n years needs the first year to count from.</source>
        <extracomment>%n is every how many years (2 or more)</extracomment>
        <translation>
            <numerusform>Ogni %n anno richiede il primo anno da cui contare.</numerusform>
            <numerusform>Ogni %n anni richiede il primo anno da cui contare.</numerusform>
        </translation>
    </message>
    <message>
        <source>The year of a change must be from %1 to %2.</source>
        <translation>L&apos;anno di una modifica deve essere compreso tra %1 e %2.</translation>
    </message>
    <message>
        <source>%1 is changed twice.</source>
        <extracomment>%1 is a year</extracomment>
        <translation>L&apos;anno %1 compare in due modifiche.</translation>
    </message>
    <message>
        <source>The change of %1 is not a date.</source>
        <extracomment>%1 is a year</extracomment>
        <translation>La modifica del %1 non è una data valida.</translation>
    </message>
</context>
<context>
    <name>HolidaysDialog</name>
    <message>
        <source>Holiday Rules (*.json);;All Files (*.*)</source>
        <extracomment>File dialog filter; keep the patterns in parentheses as they are</extracomment>
        <translation>Regole delle festività (*.json);;Tutti i file (*.*)</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>domenica</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lunedì</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martedì</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercoledì</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>giovedì</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>venerdì</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sabato</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <extracomment>A rule&apos;s day: %1 is a weekday, %2 a month</extracomment>
        <translation>1° %1 di %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <translation>2° %1 di %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <translation>3° %1 di %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <translation>4° %1 di %2</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <extracomment>A rule&apos;s day: %1 is a number, %2 a weekday, %3 a month</extracomment>
        <translation>%1° %2 di %3</translation>
    </message>
    <message>
        <source>the %1 before %2</source>
        <extracomment>A rule&apos;s day: %1 is a weekday, %2 the date it is counted from, as in &quot;the Wednesday before 23 November&quot;</extracomment>
        <translation>il %1 prima del %2</translation>
    </message>
    <message>
        <source>the %1 after %2</source>
        <translation>il %1 dopo il %2</translation>
    </message>
    <message>
        <source>the %1 on or before %2</source>
        <translation>l&apos;ultimo %1 entro il %2</translation>
    </message>
    <message>
        <source>the %1 on or after %2</source>
        <translation>il primo %1 a partire dal %2</translation>
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
        <translation>%1, nel fine settimana il lunedì seguente</translation>
    </message>
    <message>
        <source>%1, on a Saturday the Friday before, on a Sunday the Monday after</source>
        <translation>%1, di sabato il venerdì precedente, di domenica il lunedì seguente</translation>
    </message>
    <message>
        <source>%1, on a Sunday the Saturday before</source>
        <translation>%1, di domenica il sabato precedente</translation>
    </message>
    <message>
        <source>%1, on a Sunday the next Monday</source>
        <translation>%1, di domenica il lunedì seguente</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>domenica di Pasqua</translation>
    </message>
    <message>
        <source>Easter Sunday %1 days</source>
        <extracomment>A rule&apos;s day counted from Easter: %1 is a signed number of days, as in &quot;+50&quot; or &quot;-2&quot;</extracomment>
        <translation>domenica di Pasqua %1 giorni</translation>
    </message>
    <message>
        <source>last %1 of %2</source>
        <extracomment>A rule&apos;s day: %1 is a weekday, %2 a month</extracomment>
        <translation>ultimo %1 di %2</translation>
    </message>
    <message>
        <source>%1, in %2 only</source>
        <extracomment>%1 is a rule&apos;s day, %2 the one year it holds</extracomment>
        <translation>%1, solo nel %2</translation>
    </message>
    <message>
        <source>%1, every %2 years from %3</source>
        <extracomment>%1 is a rule&apos;s day, %2 every how many years, %3 the year it counts from</extracomment>
        <translation>%1, ogni %2 anni dal %3</translation>
    </message>
    <message>
        <source>%1, from %2</source>
        <extracomment>%1 is a rule&apos;s day, %2 its first year</extracomment>
        <translation>%1, dal %2</translation>
    </message>
    <message>
        <source>%1, until %2</source>
        <extracomment>%1 is a rule&apos;s day (perhaps with its first year), %2 its last year</extracomment>
        <translation>%1, fino al %2</translation>
    </message>
    <message>
        <source>none in %1</source>
        <extracomment>A year in which a rule gives no holiday</extracomment>
        <translation>nessuna nel %1</translation>
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
        <translation>altre %1</translation>
    </message>
    <message>
        <source>%1 (once: %2)</source>
        <extracomment>%1 is a rule&apos;s day, %2 its one-off changes, as in &quot;none in 2031, 8 May 2020&quot;</extracomment>
        <translation>%1 (eccezioni: %2)</translation>
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
        <translation>Stampa</translation>
    </message>
    <message>
        <source>KORVELTs attached</source>
        <extracomment>Name of the list of KORVELTs attached, for screen readers</extracomment>
        <translation>KORVELT collegati</translation>
    </message>
</context>
<context>
    <name>ScheduleFiles</name>
    <message>
        <source>Data Files (*.dat);;All Files (*.*)</source>
        <extracomment>The file dialogs&apos; filter: keep &quot;(*.dat)&quot;, &quot;(*.*)&quot; and &quot;;;&quot; as they are</extracomment>
        <translation>File dati (*.dat);;Tutti i file (*.*)</translation>
    </message>
    <message>
        <source>Data has changed
Save now?</source>
        <extracomment>Asked before unsaved changes would be replaced; Yes saves them</extracomment>
        <translation>I dati sono stati modificati
Salvare ora?</translation>
    </message>
    <message>
        <source>File: Untitled (unsaved changes)</source>
        <extracomment>Status area: the schedule was never saved</extracomment>
        <translation>File: Senza nome (modifiche non salvate)</translation>
    </message>
    <message>
        <source>File: Untitled</source>
        <translation>File: Senza nome</translation>
    </message>
    <message>
        <source>File: %1 (unsaved changes)</source>
        <extracomment>Status area; %1 is the data file&apos;s name</extracomment>
        <translation>File: %1 (modifiche non salvate)</translation>
    </message>
    <message>
        <source>File: %1</source>
        <extracomment>Status area; %1 is the data file&apos;s name</extracomment>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>KORVELT schedule</source>
        <extracomment>The name the PDF file is offered under when the schedule was never saved</extracomment>
        <translation>Programmazione KORVELT</translation>
    </message>
</context>
<context>
    <name>ScheduleJson</name>
    <message>
        <source>an object is expected</source>
        <translation>è atteso un oggetto</translation>
    </message>
    <message>
        <source>unknown key</source>
        <translation>chiave sconosciuta</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>mancante</translation>
    </message>
    <message>
        <source>one day too many; there are %1</source>
        <translation>un giorno di troppo; sono %1</translation>
    </message>
    <message>
        <source>one slot too many; there are %1</source>
        <translation>una fascia di troppo; sono %1</translation>
    </message>
    <message>
        <source>one output too many; there are %1</source>
        <translation>un&apos;uscita di troppo; sono %1</translation>
    </message>
    <message>
        <source>one date too many; there are %1</source>
        <translation>una data di troppo; sono %1</translation>
    </message>
    <message>
        <source>missing; there are %1 days</source>
        <translation>mancante; i giorni sono %1</translation>
    </message>
    <message>
        <source>missing; there are %1 slots</source>
        <translation>mancante; le fasce sono %1</translation>
    </message>
    <message>
        <source>missing; there are %1 outputs</source>
        <translation>mancante; le uscite sono %1</translation>
    </message>
    <message>
        <source>missing; there are %1 dates</source>
        <translation>mancante; le date sono %1</translation>
    </message>
    <message>
        <source>an array is expected</source>
        <translation>è atteso un array</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2 is expected</source>
        <translation>è atteso un numero intero da %1 a %2</translation>
    </message>
    <message>
        <source>16 hexadecimal digits are expected</source>
        <translation>sono attese 16 cifre esadecimali</translation>
    </message>
    <message>
        <source>a number or null is expected</source>
        <translation>è atteso un numero o null</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time HH:MM:SS</source>
        <translation>&quot;%1&quot; non è un orario HH:MM:SS</translation>
    </message>
    <message>
        <source>a time &quot;HH:MM:SS&quot; is expected</source>
        <translation>è atteso un orario &quot;HH:MM:SS&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date YYYY-MM-DD from %2 to %3</source>
        <translation>&quot;%1&quot; non è una data YYYY-MM-DD dal %2 al %3</translation>
    </message>
    <message>
        <source>a date &quot;YYYY-MM-DD&quot; is expected</source>
        <translation>è attesa una data &quot;YYYY-MM-DD&quot;</translation>
    </message>
    <message>
        <source>one of %1 is expected</source>
        <translation>è atteso uno dei valori %1</translation>
    </message>
    <message>
        <source>an array of day names is expected</source>
        <translation>è atteso un array di nomi di giorni</translation>
    </message>
    <message>
        <source>a day name, Sunday to Saturday, once each, is expected</source>
        <translation>è atteso un nome di giorno da Sunday a Saturday, ciascuno una volta</translation>
    </message>
    <message>
        <source>does not agree with days</source>
        <translation>non concorda con days</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is expected</source>
        <translation>è atteso &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a later version of this format</source>
        <translation>una versione successiva di questo formato</translation>
    </message>
    <message>
        <source>%1 is expected here</source>
        <translation>qui è atteso %1</translation>
    </message>
    <message>
        <source>not a byte of the data file that the loader leaves unread</source>
        <translation>non è un byte del file dati che il caricamento lascia non letto</translation>
    </message>
    <message>
        <source>the version would be a later one</source>
        <translation>la versione sarebbe una successiva</translation>
    </message>
    <message>
        <source>neither a KORVELT data file nor a schedule in JSON</source>
        <translation>né un file dati KORVELT né una programmazione in JSON</translation>
    </message>
    <message>
        <source>line %1: not JSON: %2</source>
        <translation>riga %1: non è JSON: %2</translation>
    </message>
    <message>
        <source>%1: the key is given twice</source>
        <translation>%1: la chiave compare due volte</translation>
    </message>
    <message>
        <source>the top level</source>
        <translation>il livello principale</translation>
    </message>
</context>
<context>
    <name>ScheduleReport</name>
    <message>
        <source>January</source>
        <translation>gennaio</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febbraio</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>aprile</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maggio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>giugno</translation>
    </message>
    <message>
        <source>July</source>
        <translation>luglio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>settembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>ottobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>dicembre</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lunedì</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martedì</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercoledì</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>giovedì</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>venerdì</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sabato</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>domenica</translation>
    </message>
    <message>
        <source>Mon</source>
        <extracomment>The short weekday names heading the day columns of an output&apos;s table</extracomment>
        <translation>Lun</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mer</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Gio</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Ven</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sab</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dom</translation>
    </message>
    <message>
        <source>the first Sunday of %1</source>
        <extracomment>When the clocks change; %1 is a month</extracomment>
        <translation>la prima domenica di %1</translation>
    </message>
    <message>
        <source>the second Sunday of %1</source>
        <translation>la seconda domenica di %1</translation>
    </message>
    <message>
        <source>the third Sunday of %1</source>
        <translation>la terza domenica di %1</translation>
    </message>
    <message>
        <source>the fourth Sunday of %1</source>
        <translation>la quarta domenica di %1</translation>
    </message>
    <message>
        <source>the last Sunday of %1</source>
        <translation>l&apos;ultima domenica di %1</translation>
    </message>
    <message>
        <source>a Sunday in %1 (no week chosen)</source>
        <extracomment>When the clocks change, with no week chosen; %1 is a month</extracomment>
        <translation>una domenica di %1 (nessuna settimana scelta)</translation>
    </message>
    <message>
        <source>the first Sunday of a month (no month chosen)</source>
        <translation>la prima domenica di un mese (nessun mese scelto)</translation>
    </message>
    <message>
        <source>the second Sunday of a month (no month chosen)</source>
        <translation>la seconda domenica di un mese (nessun mese scelto)</translation>
    </message>
    <message>
        <source>the third Sunday of a month (no month chosen)</source>
        <translation>la terza domenica di un mese (nessun mese scelto)</translation>
    </message>
    <message>
        <source>the fourth Sunday of a month (no month chosen)</source>
        <translation>la quarta domenica di un mese (nessun mese scelto)</translation>
    </message>
    <message>
        <source>the last Sunday of a month (no month chosen)</source>
        <translation>l&apos;ultima domenica di un mese (nessun mese scelto)</translation>
    </message>
    <message>
        <source>a day not chosen</source>
        <translation>un giorno non scelto</translation>
    </message>
    <message>
        <source>Daylight saving off</source>
        <translation>Ora legale disattivata</translation>
    </message>
    <message>
        <source>Clocks go forward on %1 and back on %2</source>
        <extracomment>The daylight-saving rule in words; %1 and %2 are days such as &quot;the last Sunday of March&quot;</extracomment>
        <translation>L&apos;orologio va avanti di un&apos;ora %1 e torna indietro %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>range of outputs</comment>
        <extracomment>A range of output numbers, as in &quot;Outputs 1, 3 and 9 to 16&quot;</extracomment>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>list of outputs</comment>
        <extracomment>The list of output numbers: %1 all but the last, joined by commas, %2 the last, as in &quot;1, 3 and 9 to 16&quot;</extracomment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>, </source>
        <comment>list of outputs</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Outputs %1</source>
        <extracomment>%1 is a list of output numbers, as in &quot;1, 3 and 9 to 16&quot;</extracomment>
        <translation>Uscite %1</translation>
    </message>
    <message>
        <source>Output %1</source>
        <comment>one output in a list</comment>
        <extracomment>%1 is one output&apos;s number</extracomment>
        <translation>Uscita %1</translation>
    </message>
    <message>
        <source>not saved</source>
        <extracomment>In the page header, in place of the file name</extracomment>
        <translation>non salvata</translation>
    </message>
    <message>
        <source>Printed: %1</source>
        <extracomment>In the page header: %1 is the date and time of printing</extracomment>
        <translation>Data di stampa: %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>KORVELT: %1, serial number %2</source>
        <extracomment>In the page header: %1 is the KORVELT&apos;s version, %2 its serial number</extracomment>
        <translation>KORVELT: %1, numero di serie %2</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <source>in the past</source>
        <translation>già passata</translation>
    </message>
    <message>
        <source>same as special date %1</source>
        <translation>uguale alla data speciale %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Giorno</translation>
    </message>
    <message>
        <source>Special date</source>
        <extracomment>Column heading: the special date&apos;s number</extracomment>
        <translation>Data speciale</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(non impostata)</translation>
    </message>
    <message>
        <source>, </source>
        <comment>list of notes</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Special dates</source>
        <translation>Date speciali</translation>
    </message>
    <message>
        <source>Schedule check</source>
        <translation>Controllo della programmazione</translation>
    </message>
    <message>
        <source>Mistake: %1</source>
        <extracomment>%1 is a finding of the schedule check</extracomment>
        <translation>Errore: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Nota: %1</translation>
    </message>
    <message>
        <source>(empty)</source>
        <extracomment>An empty time cell</extracomment>
        <translation>(vuota)</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Fascia</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>slot start time</comment>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>End</source>
        <comment>slot end time</comment>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Special slot</source>
        <translation>Fascia speciale</translation>
    </message>
    <message>
        <source>Output %1</source>
        <comment>heading</comment>
        <extracomment>Heading of an output&apos;s tables</extracomment>
        <translation>Uscita %1</translation>
    </message>
    <message>
        <source>Outputs with nothing set</source>
        <translation>Uscite senza impostazioni</translation>
    </message>
    <message>
        <source>%1: nothing set</source>
        <extracomment>%1 names outputs, as in &quot;Outputs 1, 3 and 9 to 16&quot;</extracomment>
        <translation>%1: nessuna impostazione</translation>
    </message>
    <message>
        <source>The week</source>
        <translation>La settimana</translation>
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
            <numerusform>Gli Appunti contengono %1 fasce; %n è stata incollata nelle fasce selezionate.</numerusform>
            <numerusform>Gli Appunti contengono %1 fasce; %n sono state incollate nelle fasce selezionate.</numerusform>
        </translation>
    </message>
    <message>
        <source>The clipboard holds %1 slots; 1 was pasted, as slot %2 is the last.</source>
        <extracomment>%1 is how many slots the clipboard holds (at least 2), %2 the number of the grid&apos;s last slot</extracomment>
        <translation>Gli Appunti contengono %1 fasce; ne è stata incollata 1, perché la fascia %2 è l&apos;ultima.</translation>
    </message>
    <message numerus="yes">
        <source>The clipboard holds %1 slots; %n were pasted, as slot %2 is the last.</source>
        <extracomment>%1 is how many slots the clipboard holds (at least 3), %n how many were pasted, %2 the number of the grid&apos;s last slot</extracomment>
        <translation>
            <numerusform>Gli Appunti contengono %1 fasce; ne è stata incollata %n, perché la fascia %2 è l&apos;ultima.</numerusform>
            <numerusform>Gli Appunti contengono %1 fasce; ne sono state incollate %n, perché la fascia %2 è l&apos;ultima.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SlotGridPage</name>
    <message>
        <source>&quot;%1&quot; is not a time of day: the day&apos;s last second is 23:59:59. The Start cell of slot %2 keeps its value.</source>
        <extracomment>%1 is the text typed, %2 the slot&apos;s number; name the column as its heading does</extracomment>
        <translation>&quot;%1&quot; non è un&apos;ora del giorno: l&apos;ultimo secondo del giorno è 23:59:59. La cella Inizio della fascia %2 mantiene il suo valore.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time of day: the day&apos;s last second is 23:59:59. The End cell of slot %2 keeps its value.</source>
        <extracomment>%1 is the text typed, %2 the slot&apos;s number; name the column as its heading does</extracomment>
        <translation>&quot;%1&quot; non è un&apos;ora del giorno: l&apos;ultimo secondo del giorno è 23:59:59. La cella Fine della fascia %2 mantiene il suo valore.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time. The Start cell of slot %2 keeps its value.

Type a time such as 13:30, 13:30:00, 7:05, 7.05, 1330, 133000, 9:30 am or 9:30 PM.</source>
        <extracomment>%1 is the text typed, %2 the slot&apos;s number; name the column as its heading does</extracomment>
        <translation>&quot;%1&quot; non è un orario valido. La cella Inizio della fascia %2 mantiene il suo valore.

Digitare un orario come 13:30, 13:30:00, 7:05, 7.05, 1330, 133000, 9:30 am o 9:30 PM.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time. The End cell of slot %2 keeps its value.

Type a time such as 13:30, 13:30:00, 7:05, 7.05, 1330, 133000, 9:30 am or 9:30 PM.</source>
        <translation>&quot;%1&quot; non è un orario valido. La cella Fine della fascia %2 mantiene il suo valore.

Digitare un orario come 13:30, 13:30:00, 7:05, 7.05, 1330, 133000, 9:30 am o 9:30 PM.</translation>
    </message>
</context>
<context>
    <name>WeekPage</name>
    <message>
        <source>1 mistake</source>
        <extracomment>Count of the schedule check</extracomment>
        <translation>1 errore</translation>
    </message>
    <message numerus="yes">
        <source>%n mistakes</source>
        <translation>
            <numerusform>%n errore</numerusform>
            <numerusform>%n errori</numerusform>
        </translation>
    </message>
    <message>
        <source>1 note</source>
        <extracomment>Count of the schedule check</extracomment>
        <translation>1 nota</translation>
    </message>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n nota</numerusform>
            <numerusform>%n note</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WeekPicture</name>
    <message>
        <source>Output %1</source>
        <extracomment>The label of an output&apos;s row in the week picture; keep it short</extracomment>
        <translation>Uscita %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>slot times</comment>
        <extracomment>A slot&apos;s times: %1 its start, %2 its end</extracomment>
        <translation>dalle %1 alle %2</translation>
    </message>
    <message>
        <source>Special date %1: (not set)</source>
        <translation>Data speciale %1: (non impostata)</translation>
    </message>
    <message>
        <source>Special date %1: %2 %3</source>
        <extracomment>Heading of the week picture of a special date: %1 its number, %2 its weekday, %3 its date</extracomment>
        <translation>Data speciale %1: %2 %3</translation>
    </message>
    <message>
        <source>%1 (ends before it starts)</source>
        <extracomment>%1 is a slot&apos;s times, as in &quot;22:00:00 to 06:00:00&quot;</extracomment>
        <translation>%1 (termina prima di iniziare)</translation>
    </message>
    <message>
        <source>off</source>
        <comment>day with nothing on</comment>
        <extracomment>An output&apos;s day with nothing on</extracomment>
        <translation>spenta</translation>
    </message>
    <message>
        <source> and </source>
        <extracomment>Joins the times of a day&apos;s slots, as in &quot;06:00:00 to 07:00:00 and 18:00:00 to 20:00:00&quot;</extracomment>
        <translation> e </translation>
    </message>
    <message>
        <source>off all week</source>
        <translation>spenta tutta la settimana</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>range of days</comment>
        <extracomment>A range of days, as in &quot;Mon to Fri&quot;</extracomment>
        <translation>da %1 a %2</translation>
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
Termina prima di iniziare: è disegnata fino a mezzanotte, perché non si sa se il KORVELT la prosegue oltre la mezzanotte.</translation>
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
        <translation>Non collegato</translation>
    </message>
    <message>
        <source>Device log</source>
        <translation>Riquadro informazioni</translation>
    </message>
    <message>
        <source>Clock date</source>
        <translation>Data dell&apos;orologio</translation>
    </message>
    <message>
        <source>Clock time</source>
        <translation>Ora dell&apos;orologio</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Collegamento</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Schedule check</source>
        <translation>Controllo della programmazione</translation>
    </message>
    <message>
        <source>What the schedule check found; the Week page lists it.</source>
        <extracomment>Tooltip of the schedule check&apos;s count in the status area</extracomment>
        <translation>Risultati del controllo della programmazione; l&apos;elenco completo è nella pagina Settimana.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>&amp;Use PC Time</source>
        <extracomment>Check box: &quot;Set Time&quot; sends the computer&apos;s clock</extracomment>
        <translation>&amp;Usa ora del PC</translation>
    </message>
    <message>
        <source>&amp;Verify after writing</source>
        <extracomment>Check box: a write is read back and compared</extracomment>
        <translation>&amp;Verifica dopo la scrittura</translation>
    </message>
    <message>
        <source>&amp;Compare with KORVELT</source>
        <extracomment>Button; keep it short</extracomment>
        <translation>Co&amp;nfronta con KORVELT</translation>
    </message>
</context>
<context>
    <name>korvelt::CompareDialog</name>
    <message>
        <source>Compare with KORVELT</source>
        <translation>Confronta con KORVELT</translation>
    </message>
    <message>
        <source>Identical</source>
        <extracomment>The KORVELT holds exactly the window&apos;s schedule</extracomment>
        <translation>Identiche</translation>
    </message>
    <message>
        <source>The KORVELT differs from the window in 1 place:</source>
        <extracomment>Heading above the list of differences</extracomment>
        <translation>Il KORVELT differisce dalla finestra in 1 punto:</translation>
    </message>
    <message numerus="yes">
        <source>The KORVELT differs from the window in %n places:</source>
        <translation>
            <numerusform>Il KORVELT differisce dalla finestra in %n punto:</numerusform>
            <numerusform>Il KORVELT differisce dalla finestra in %n punti:</numerusform>
        </translation>
    </message>
    <message>
        <source>Take the KORVELT&apos;s schedule</source>
        <extracomment>Button: the window takes the schedule read from the KORVELT</extracomment>
        <translation>Usa la programmazione del KORVELT</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Click a line to go to its place in the window</source>
        <translation>Fare clic su una riga per andare al punto corrispondente nella finestra</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Differenze</translation>
    </message>
</context>
<context>
    <name>korvelt::CopyOutputsDialog</name>
    <message>
        <source>Copy Output</source>
        <translation>Copia uscita</translation>
    </message>
    <message>
        <source>Output %1</source>
        <comment>switched output number</comment>
        <extracomment>Check box of a switched output; %1 is its number</extracomment>
        <translation>Uscita %1</translation>
    </message>
    <message>
        <source>The output copied</source>
        <translation>L&apos;uscita da copiare</translation>
    </message>
    <message>
        <source>All</source>
        <comment>outputs</comment>
        <extracomment>Button that ticks every output</extracomment>
        <translation>Tutte</translation>
    </message>
    <message>
        <source>None</source>
        <comment>outputs</comment>
        <extracomment>Button that clears every output</extracomment>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>korvelt::DaylightSavingPage</name>
    <message>
        <source>Daylight Saving</source>
        <translation>Ora legale</translation>
    </message>
    <message>
        <source>&amp;Enable Daylight Saving</source>
        <extracomment>Check box; the letter after &quot;&amp;&quot; is pressed with Alt</extracomment>
        <translation>&amp;Attiva ora legale</translation>
    </message>
    <message>
        <source>Advance Clock</source>
        <extracomment>Group of the week in which the clock goes forward</extracomment>
        <translation>Inizio ora legale</translation>
    </message>
    <message>
        <source>Retard Clock</source>
        <extracomment>Group of the week in which the clock goes back</extracomment>
        <translation>Fine ora legale</translation>
    </message>
    <message>
        <source>Change Daylight Saving</source>
        <extracomment>Undo step</extracomment>
        <translation>Modifica ora legale</translation>
    </message>
    <message>
        <source>Advance clock</source>
        <extracomment>Accessible name of the group of the week in which the clock goes forward</extracomment>
        <translation>Inizio ora legale</translation>
    </message>
    <message>
        <source>Retard clock</source>
        <extracomment>Accessible name of the group of the week in which the clock goes back</extracomment>
        <translation>Fine ora legale</translation>
    </message>
    <message>
        <source>Advance clock month</source>
        <extracomment>Accessible name of the box of the month in which the clock goes forward</extracomment>
        <translation>Mese di inizio ora legale</translation>
    </message>
    <message>
        <source>Retard clock month</source>
        <extracomment>Accessible name of the box of the month in which the clock goes back</extracomment>
        <translation>Mese di fine ora legale</translation>
    </message>
</context>
<context>
    <name>korvelt::DevicePresenter</name>
    <message>
        <source>A write to the KORVELT is under way. If you stop it now, the KORVELT holds part of the old and part of the new schedule. Stop and close?</source>
        <translation>È in corso una scrittura nel KORVELT. Se la si interrompe ora, il KORVELT conterrà in parte la vecchia e in parte la nuova programmazione. Interrompere e chiudere?</translation>
    </message>
    <message>
        <source>Nothing was written: the KORVELT cannot hold these values.</source>
        <translation>Non è stato scritto nulla: il KORVELT non può memorizzare questi valori.</translation>
    </message>
    <message>
        <source>Correct them and write again.</source>
        <translation>Correggerli e scrivere di nuovo.</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <extracomment>Status: a command was stopped and nothing on the KORVELT changed</extracomment>
        <translation>Interrotto</translation>
    </message>
    <message>
        <source>Written, not verified (cancelled)</source>
        <extracomment>Status: checking what was written was stopped</extracomment>
        <translation>Scritto, non verificato (interrotto)</translation>
    </message>
    <message>
        <source>Cancelled: the KORVELT holds part of the old and part of the new schedule. Write again.</source>
        <translation>Interrotto: il KORVELT contiene in parte la vecchia e in parte la nuova programmazione. Scrivere di nuovo.</translation>
    </message>
    <message>
        <source>%1, serial %2</source>
        <extracomment>The KORVELT that answered: %1 is its firmware version, %2 its serial number</extracomment>
        <translation>%1, n. serie %2</translation>
    </message>
    <message>
        <source>Vuradod Version:%1</source>
        <extracomment>Device log: %1 is the KORVELT&apos;s firmware version; &quot;Vuradod&quot; is the maker&apos;s own word</extracomment>
        <translation>Versione Vuradod:%1</translation>
    </message>
    <message>
        <source>Serial Number: %1</source>
        <extracomment>Device log: %1 is the KORVELT&apos;s serial number</extracomment>
        <translation>Numero di serie: %1</translation>
    </message>
    <message>
        <source>Verified: the KORVELT holds this schedule</source>
        <extracomment>Status after a write that was read back</extracomment>
        <translation>Verificato: programmazione nel KORVELT</translation>
    </message>
    <message>
        <source>Written, not verified</source>
        <translation>Scritto, non verificato</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <extracomment>Message after a write to the KORVELT</extracomment>
        <translation>Scrittura completata</translation>
    </message>
    <message>
        <source>Read from KORVELT</source>
        <extracomment>Status after a read</extracomment>
        <translation>Letto dal KORVELT</translation>
    </message>
    <message>
        <source>Read Complete</source>
        <translation>Lettura completata</translation>
    </message>
    <message>
        <source>Identical to the KORVELT</source>
        <extracomment>Status after a comparison</extracomment>
        <translation>Identica al KORVELT</translation>
    </message>
    <message>
        <source>1 difference from the KORVELT</source>
        <translation>1 differenza rispetto al KORVELT</translation>
    </message>
    <message numerus="yes">
        <source>%n differences from the KORVELT</source>
        <translation>
            <numerusform>%n differenza rispetto al KORVELT</numerusform>
            <numerusform>%n differenze rispetto al KORVELT</numerusform>
        </translation>
    </message>
    <message>
        <source>The KORVELT&apos;s schedule was taken</source>
        <extracomment>Status: the window took the schedule read from the KORVELT</extracomment>
        <translation>Programmazione del KORVELT adottata</translation>
    </message>
    <message>
        <source>KORVELT connected</source>
        <translation>KORVELT collegato</translation>
    </message>
    <message>
        <source>The KORVELT&apos;s clock holds no valid time</source>
        <translation>Orologio del KORVELT senza ora valida</translation>
    </message>
    <message>
        <source>PC %1: %2</source>
        <extracomment>Status after Read Time: %1 is the computer&apos;s time, %2 how far the KORVELT&apos;s clock is from it</extracomment>
        <translation>PC %1: %2</translation>
    </message>
    <message>
        <source>Cannot find KORVELT</source>
        <extracomment>%1 is the system&apos;s reason, %2 what to do about it</extracomment>
        <translation>Impossibile trovare il KORVELT</translation>
    </message>
    <message>
        <source>Cannot find KORVELT
A KORVELT was found but could not be opened (%1). %2</source>
        <translation>Impossibile trovare il KORVELT
È stato trovato un KORVELT, ma non si è potuto aprire (%1). %2</translation>
    </message>
    <message>
        <source>No KORVELT found</source>
        <translation>Nessun KORVELT trovato</translation>
    </message>
    <message>
        <source>Program Mode</source>
        <extracomment>The KORVELT is being set up at its own keys and takes no commands</extracomment>
        <translation>Modalità aggiornamento</translation>
    </message>
    <message>
        <source>KORVELT is in Program Mode</source>
        <translation>Il KORVELT è in modalità aggiornamento</translation>
    </message>
    <message>
        <source>Not a KORVELT time controller</source>
        <translation>Non è un programmatore orario KORVELT</translation>
    </message>
    <message>
        <source>Stopped: not a KORVELT time controller</source>
        <translation>Interrotto: non è un KORVELT</translation>
    </message>
    <message>
        <source>Application is not a KORVELT Time Control</source>
        <translation>L&apos;applicazione non è un KORVELT Time Control</translation>
    </message>
    <message>
        <source>Not verified</source>
        <translation>Non verificato</translation>
    </message>
    <message>
        <source>block %1 reads back as erased memory</source>
        <extracomment>%1 is the block&apos;s number</extracomment>
        <translation>il blocco %1 risulta memoria cancellata alla rilettura</translation>
    </message>
    <message>
        <source>block %1 reads back as values that are not times or dates</source>
        <extracomment>%1 is the block&apos;s number</extracomment>
        <translation>il blocco %1 contiene alla rilettura valori che non sono né orari né date</translation>
    </message>
    <message>
        <source>Read failed</source>
        <translation>Lettura non riuscita</translation>
    </message>
    <message>
        <source>KORVELT sent invalid schedule data.
Block %1</source>
        <extracomment>%1 is the block&apos;s number</extracomment>
        <translation>Il KORVELT ha inviato dati di programmazione non validi.
Blocco %1</translation>
    </message>
    <message>
        <source>KORVELT not answering</source>
        <translation>Il KORVELT non risponde</translation>
    </message>
    <message>
        <source>Stopped: no answer</source>
        <translation>Interrotto: nessuna risposta</translation>
    </message>
    <message>
        <source>No KORVELT connected</source>
        <translation>Nessun KORVELT collegato</translation>
    </message>
    <message>
        <source>Stopped: unplugged</source>
        <translation>Interrotto: scollegato</translation>
    </message>
    <message>
        <source>The schedule has changed since it was written to the KORVELT</source>
        <extracomment>Status: the window&apos;s schedule was edited, loaded or undone after it was written</extracomment>
        <translation>La programmazione è cambiata da quando è stata scritta nel KORVELT</translation>
    </message>
    <message>
        <source>Stopped, no answer: the KORVELT holds part of the old and part of the new schedule. Write again.</source>
        <translation>Interrotto, nessuna risposta: il KORVELT contiene in parte la vecchia e in parte la nuova programmazione. Scrivere di nuovo.</translation>
    </message>
    <message>
        <source>Stopped, unplugged: the KORVELT holds part of the old and part of the new schedule. Write again.</source>
        <translation>Interrotto, scollegato: il KORVELT contiene in parte la vecchia e in parte la nuova programmazione. Scrivere di nuovo.</translation>
    </message>
</context>
<context>
    <name>korvelt::HelpMenu</name>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Manuale utente</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>System</source>
        <comment>the desktop&apos;s language</comment>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>The language changes when the program is started again.</source>
        <translation>La lingua cambia al prossimo avvio del programma.</translation>
    </message>
</context>
<context>
    <name>korvelt::HelpWindow</name>
    <message>
        <source>Back</source>
        <extracomment>Button of the help window; keep it short</extracomment>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Pagina iniziale</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommario</translation>
    </message>
    <message>
        <source>Type in the keyword to find:</source>
        <translation>Digitare la parola chiave da cercare:</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>KORVELT Time Control Help</source>
        <translation>Guida di KORVELT Time Control</translation>
    </message>
</context>
<context>
    <name>korvelt::HolidaysDialog</name>
    <message>
        <source>Period</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>Calendar year</source>
        <translation>Anno solare</translation>
    </message>
    <message>
        <source>The next 12 months from today</source>
        <translation>I prossimi 12 mesi da oggi</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regole</translation>
    </message>
    <message>
        <source>Add Country</source>
        <translation>Aggiungi paese</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Load Rules…</source>
        <translation>Carica regole…</translation>
    </message>
    <message>
        <source>Save Rules…</source>
        <translation>Salva regole…</translation>
    </message>
    <message>
        <source>Own rule:</source>
        <translation>Regola propria:</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>Aggiungi regola</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Festività</translation>
    </message>
    <message>
        <source>With fewer than %1 holidays the other special dates</source>
        <translation>Con meno di %1 festività, le altre date speciali</translation>
    </message>
    <message>
        <source>keep their dates</source>
        <translation>mantengono la loro data</translation>
    </message>
    <message>
        <source>repeat the last holiday</source>
        <translation>ripetono l&apos;ultima festività</translation>
    </message>
    <message>
        <source>Fill Special Dates</source>
        <translation>Compila date speciali</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Holidays</source>
        <comment>window title</comment>
        <translation>Festività</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>preset and its code</comment>
        <extracomment>A preset in the list: %1 is its country or region, %2 its short code</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Fixed date</source>
        <translation>Data fissa</translation>
    </message>
    <message>
        <source>Days from Easter Sunday</source>
        <translation>Giorni dalla domenica di Pasqua</translation>
    </message>
    <message>
        <source>Weekday of a month</source>
        <translation>Giorno della settimana nel mese</translation>
    </message>
    <message>
        <source>Last weekday of a month</source>
        <translation>Ultimo giorno della settimana nel mese</translation>
    </message>
    <message>
        <source>Stays on a weekend</source>
        <translation>Resta nel fine settimana</translation>
    </message>
    <message>
        <source>On a weekend, the next Monday</source>
        <translation>Nel fine settimana, il lunedì seguente</translation>
    </message>
    <message>
        <source>Saturday to Friday, Sunday to Monday</source>
        <translation>Sabato al venerdì, domenica al lunedì</translation>
    </message>
    <message>
        <source>Sunday to the Saturday before</source>
        <translation>Domenica al sabato precedente</translation>
    </message>
    <message>
        <source>Sunday to the next Monday</source>
        <translation>Domenica al lunedì seguente</translation>
    </message>
    <message>
        <source>On that date</source>
        <translation>In quella data</translation>
    </message>
    <message>
        <source>The weekday before it</source>
        <translation>Il giorno della settimana prima</translation>
    </message>
    <message>
        <source>The weekday after it</source>
        <translation>Il giorno della settimana dopo</translation>
    </message>
    <message>
        <source>The weekday on or before it</source>
        <translation>Il giorno della settimana in data o prima</translation>
    </message>
    <message>
        <source>The weekday on or after it</source>
        <translation>Il giorno della settimana in data o dopo</translation>
    </message>
    <message>
        <source>any year</source>
        <translation>qualsiasi anno</translation>
    </message>
    <message>
        <source>from </source>
        <extracomment>Prefix of the first-year box, before the year</extracomment>
        <translation>dal </translation>
    </message>
    <message>
        <source>until </source>
        <extracomment>Prefix of the last-year box, before the year</extracomment>
        <translation>fino al </translation>
    </message>
    <message>
        <source>every </source>
        <extracomment>Prefix of the every-how-many-years box, before the number</extracomment>
        <translation>ogni </translation>
    </message>
    <message>
        <source> years</source>
        <extracomment>Suffix of the every-how-many-years box, after the number (2 or more)</extracomment>
        <translation> anni</translation>
    </message>
    <message>
        <source>every year</source>
        <translation>ogni anno</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>holiday name</comment>
        <extracomment>Placeholder of the own rule&apos;s name box</extracomment>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Column headings of the holidays: the date, its weekday, the holiday&apos;s name, the special date&apos;s number</extracomment>
        <translation>Data</translation>
    </message>
    <message>
        <source>Day</source>
        <comment>weekday column</comment>
        <translation>Giorno</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Festività</translation>
    </message>
    <message>
        <source>No.</source>
        <comment>special date number column</comment>
        <translation>N.</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Paese</translation>
    </message>
    <message>
        <source>Rules</source>
        <comment>accessible name of the rule list</comment>
        <translation>Regole</translation>
    </message>
    <message>
        <source>Remove rule</source>
        <translation>Rimuovi regola</translation>
    </message>
    <message>
        <source>Load rules</source>
        <translation>Carica regole</translation>
    </message>
    <message>
        <source>Save rules</source>
        <translation>Salva regole</translation>
    </message>
    <message>
        <source>Own rule&apos;s name</source>
        <translation>Nome della regola propria</translation>
    </message>
    <message>
        <source>Own rule&apos;s kind</source>
        <translation>Tipo della regola propria</translation>
    </message>
    <message>
        <source>Own rule&apos;s day</source>
        <translation>Giorno della regola propria</translation>
    </message>
    <message>
        <source>Own rule&apos;s weekday</source>
        <translation>Giorno della settimana della regola propria</translation>
    </message>
    <message>
        <source>Own rule&apos;s month</source>
        <translation>Mese della regola propria</translation>
    </message>
    <message>
        <source>Own rule on a weekend</source>
        <translation>Regola propria nel fine settimana</translation>
    </message>
    <message>
        <source>Own rule on the date or a weekday before or after</source>
        <translation>Regola propria: in data o un giorno della settimana prima o dopo</translation>
    </message>
    <message>
        <source>Weekday before or after</source>
        <translation>Giorno della settimana prima o dopo</translation>
    </message>
    <message>
        <source>Own rule&apos;s first year</source>
        <translation>Primo anno della regola propria</translation>
    </message>
    <message>
        <source>Own rule&apos;s last year</source>
        <translation>Ultimo anno della regola propria</translation>
    </message>
    <message>
        <source>Own rule every how many years</source>
        <translation>Regola propria: ogni quanti anni</translation>
    </message>
    <message>
        <source>Holidays of the period</source>
        <translation>Festività del periodo</translation>
    </message>
    <message>
        <source>Other special dates keep their dates</source>
        <translation>Le altre date speciali mantengono la loro data</translation>
    </message>
    <message>
        <source>Other special dates repeat the last holiday</source>
        <translation>Le altre date speciali ripetono l&apos;ultima festività</translation>
    </message>
    <message numerus="yes">
        <source>Added the %n rules of %1.</source>
        <extracomment>%n is how many rules (always several), %1 the country or region</extracomment>
        <translation>
            <numerusform>Aggiunta %n regola (%1).</numerusform>
            <numerusform>Aggiunte %n regole (%1).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n rules of %1 are in the list already: none added again.</source>
        <extracomment>%n is how many rules (always several), %1 the country or region</extracomment>
        <translation>
            <numerusform>La %n regola (%1) è già nell&apos;elenco: non è stata aggiunta di nuovo.</numerusform>
            <numerusform>Le %n regole (%1) sono già nell&apos;elenco: non ne è stata aggiunta nessuna.</numerusform>
        </translation>
    </message>
    <message>
        <source>Added 1 rule of %1; 1 is in the list already.</source>
        <extracomment>%1 is the country or region</extracomment>
        <translation>Aggiunta 1 regola (%1); 1 è già nell&apos;elenco.</translation>
    </message>
    <message numerus="yes">
        <source>Added 1 rule of %1; %n are in the list already.</source>
        <extracomment>%1 is the country or region, %n how many rules were in the list already</extracomment>
        <translation>
            <numerusform>Aggiunta 1 regola (%1); %n è già nell&apos;elenco.</numerusform>
            <numerusform>Aggiunta 1 regola (%1); %n sono già nell&apos;elenco.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %n rules of %1; 1 is in the list already.</source>
        <extracomment>%n is how many rules were added, %1 the country or region</extracomment>
        <translation>
            <numerusform>Aggiunta %n regola (%1); 1 è già nell&apos;elenco.</numerusform>
            <numerusform>Aggiunte %n regole (%1); 1 è già nell&apos;elenco.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %n rules of %1; %2 are in the list already.</source>
        <extracomment>%n is how many rules were added, %1 the country or region, %2 how many were in the list already</extracomment>
        <translation>
            <numerusform>Aggiunta %n regola (%1); %2 sono già nell&apos;elenco.</numerusform>
            <numerusform>Aggiunte %n regole (%1); %2 sono già nell&apos;elenco.</numerusform>
        </translation>
    </message>
    <message>
        <source>days </source>
        <extracomment>Prefix of the number box of a rule counted from Easter, before the number of days</extracomment>
        <translation>giorni </translation>
    </message>
    <message>
        <source>no. </source>
        <comment>which weekday of the month</comment>
        <extracomment>Prefix of the number box of a rule&apos;s nth weekday, before the number</extracomment>
        <translation>n. </translation>
    </message>
    <message>
        <source>Which weekday of the month</source>
        <translation>Quale giorno della settimana nel mese</translation>
    </message>
    <message>
        <source>Give the rule a name.</source>
        <translation>Dare un nome alla regola.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in the list already: not added again.</source>
        <extracomment>%1 is the rule in words</extracomment>
        <translation>La regola &quot;%1&quot; è già nell&apos;elenco: non è stata aggiunta di nuovo.</translation>
    </message>
    <message>
        <source>Added &quot;%1&quot;.</source>
        <extracomment>%1 is the rule in words</extracomment>
        <translation>Regola aggiunta: &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Removed 1 rule.</source>
        <translation>Rimossa 1 regola.</translation>
    </message>
    <message numerus="yes">
        <source>Removed %n rules.</source>
        <translation>
            <numerusform>Rimossa %n regola.</numerusform>
            <numerusform>Rimosse %n regole.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 was not loaded.
%2</source>
        <extracomment>%1 is the file&apos;s name, %2 why it was not loaded</extracomment>
        <translation>%1 non è stato caricato.
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
        <translation>esclusa</translation>
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
        <translation>Nessuna festività in questo periodo: le date speciali restano invariate.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more, marked in the list</source>
        <extracomment>%1 names the first holidays left out; %n how many more were left out</extracomment>
        <translation>
            <numerusform>%1 e %n altra, contrassegnata nell&apos;elenco</numerusform>
            <numerusform>%1 e altre %n, contrassegnate nell&apos;elenco</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n holidays: the KORVELT holds %2, the first %2 are used. Left out: %1.</source>
        <extracomment>%n is how many holidays there are (more than %2), %1 those left out, %2 how many the KORVELT holds (16)</extracomment>
        <translation>
            <numerusform>%n festività: il KORVELT ne gestisce %2, si usano le prime %2. Escluse: %1.</numerusform>
            <numerusform>%n festività: il KORVELT ne gestisce %2, si usano le prime %2. Escluse: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 holidays fill special dates 1 to 1.</source>
        <translation>1 festività compila la data speciale 1.</translation>
    </message>
    <message numerus="yes">
        <source>%n holidays fill special dates 1 to %n.</source>
        <extracomment>%n is how many holidays there are (2 to 16)</extracomment>
        <translation>
            <numerusform>%n festività compila le date speciali da 1 a %n.</numerusform>
            <numerusform>%n festività compilano le date speciali da 1 a %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Left out: %1</source>
        <extracomment>%1 lists the holidays left out</extracomment>
        <translation>Escluse: %1</translation>
    </message>
    <message>
        <source>1 rule added replaces the same rule of %1.</source>
        <extracomment>%1 is the country whose rule a region&apos;s rule replaced, ticked or not as the region has it</extracomment>
        <translation>1 regola aggiunta sostituisce la stessa regola di %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n rules added replace the same rules of %1.</source>
        <translation>
            <numerusform>%n regola aggiunta sostituisce la stessa regola di %1.</numerusform>
            <numerusform>%n regole aggiunte sostituiscono le stesse regole di %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 holiday fills special date 1; special dates %1 to %2 repeat it.</source>
        <extracomment>The special dates after the one holiday repeat it; %1 is the first of them, %2 the last</extracomment>
        <translation>1 festività compila la data speciale 1; le date speciali da %1 a %2 la ripetono.</translation>
    </message>
    <message numerus="yes">
        <source>%n holidays fill special dates 1 to %n; special date %1 repeats the last one.</source>
        <extracomment>%n is how many holidays there are (one fewer than the special dates); %1 is the last special date, which repeats the last holiday</extracomment>
        <translation>
            <numerusform>%n festività compila le date speciali da 1 a %n; la data speciale %1 ripete l&apos;ultima.</numerusform>
            <numerusform>%n festività compilano le date speciali da 1 a %n; la data speciale %1 ripete l&apos;ultima.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n holidays fill special dates 1 to %n; special dates %1 to %2 repeat the last one.</source>
        <extracomment>%n is how many holidays there are (2 to 14); %1 and %2 are the first and the last special date that repeat the last holiday</extracomment>
        <translation>
            <numerusform>%n festività compila le date speciali da 1 a %n; le date speciali da %1 a %2 ripetono l&apos;ultima.</numerusform>
            <numerusform>%n festività compilano le date speciali da 1 a %n; le date speciali da %1 a %2 ripetono l&apos;ultima.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korvelt::MainActions</name>
    <message>
        <source>&amp;Load File…</source>
        <translation>&amp;Carica file…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Salva con &amp;nome…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Opens the user guide</extracomment>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;Write To KORVELT</source>
        <translation>Sc&amp;rivi nel KORVELT</translation>
    </message>
    <message>
        <source>&amp;Read From KORVELT</source>
        <translation>&amp;Leggi dal KORVELT</translation>
    </message>
    <message>
        <source>&amp;Compare with KORVELT</source>
        <translation>Co&amp;nfronta con KORVELT</translation>
    </message>
    <message>
        <source>Set &amp;Time</source>
        <extracomment>Sets the KORVELT&apos;s clock</extracomment>
        <translation>&amp;Imposta ora</translation>
    </message>
    <message>
        <source>Read T&amp;ime</source>
        <extracomment>Reads the KORVELT&apos;s clock</extracomment>
        <translation>Leggi &amp;ora</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Stops the command running on the KORVELT</extracomment>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Stam&amp;pa…</translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation>Esporta P&amp;DF…</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>%1 is the step to undo, for example &quot;Edit slot 3 of output 2&quot;</extracomment>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annulla %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>%1 is the step to redo, for example &quot;Edit slot 3 of output 2&quot;</extracomment>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Ripeti %1</translation>
    </message>
    <message>
        <source>&amp;Load File</source>
        <extracomment>Button of Load File…; keep it short</extracomment>
        <translation>&amp;Carica file</translation>
    </message>
    <message>
        <source>&amp;Save File</source>
        <extracomment>Button of Save; keep it short</extracomment>
        <translation>&amp;Salva file</translation>
    </message>
</context>
<context>
    <name>korvelt::SchedulePages</name>
    <message>
        <source>Pages</source>
        <translation>Schede</translation>
    </message>
    <message>
        <source>Times</source>
        <extracomment>Tab of the weekly slots</extracomment>
        <translation>Orari</translation>
    </message>
    <message>
        <source>Special Times</source>
        <extracomment>Tab of the slots of the special dates</extracomment>
        <translation>Orari speciali</translation>
    </message>
    <message>
        <source>Daylight Saving</source>
        <translation>Ora legale</translation>
    </message>
    <message>
        <source>Week</source>
        <extracomment>Tab of the picture of the week and the schedule check</extracomment>
        <translation>Settimana</translation>
    </message>
</context>
<context>
    <name>korvelt::SlotGridPage</name>
    <message>
        <source>Output</source>
        <comment>switched output number</comment>
        <extracomment>Label of the box that chooses the output the grid shows</extracomment>
        <translation>Uscita</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>slots</comment>
        <extracomment>Grid&apos;s menu: copies the selected slots</extracomment>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Paste</source>
        <comment>slots</comment>
        <extracomment>Grid&apos;s menu: pastes the slots copied</extracomment>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Copy output %1 to…</source>
        <extracomment>Grid&apos;s menu; %1 is the output&apos;s number</extracomment>
        <translation>Copia uscita %1 in…</translation>
    </message>
    <message>
        <source>Slot</source>
        <comment>slot number</comment>
        <extracomment>Heading of the column of slot numbers</extracomment>
        <translation>Fascia</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>slot start time</comment>
        <extracomment>Heading of the column of the times a slot switches on</extracomment>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>End</source>
        <comment>slot end time</comment>
        <extracomment>Heading of the column of the times a slot switches off</extracomment>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Edit slot %1 of output %2</source>
        <extracomment>Undo step; %1 is the slot&apos;s number, %2 the output&apos;s</extracomment>
        <translation>Modifica fascia %1 dell&apos;uscita %2</translation>
    </message>
    <message>
        <source>Edit special slot %1 of output %2</source>
        <translation>Modifica fascia speciale %1 dell&apos;uscita %2</translation>
    </message>
    <message>
        <source>Paste 1 slot into output %1</source>
        <extracomment>Undo step; %1 is the output&apos;s number</extracomment>
        <translation>Incolla 1 fascia nell&apos;uscita %1</translation>
    </message>
    <message numerus="yes">
        <source>Paste %n slots into output %1</source>
        <extracomment>Undo step; %n is how many slots, %1 the output&apos;s number</extracomment>
        <translation>
            <numerusform>Incolla %n fascia nell&apos;uscita %1</numerusform>
            <numerusform>Incolla %n fasce nell&apos;uscita %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Paste 1 special slot into output %1</source>
        <extracomment>Undo step; %1 is the output&apos;s number</extracomment>
        <translation>Incolla 1 fascia speciale nell&apos;uscita %1</translation>
    </message>
    <message numerus="yes">
        <source>Paste %n special slots into output %1</source>
        <extracomment>Undo step; %n is how many slots, %1 the output&apos;s number</extracomment>
        <translation>
            <numerusform>Incolla %n fascia speciale nell&apos;uscita %1</numerusform>
            <numerusform>Incolla %n fasce speciali nell&apos;uscita %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Clear 1 slot of output %1</source>
        <extracomment>Undo step; %1 is the output&apos;s number</extracomment>
        <translation>Cancella 1 fascia dell&apos;uscita %1</translation>
    </message>
    <message numerus="yes">
        <source>Clear %n slots of output %1</source>
        <extracomment>Undo step; %n is how many slots, %1 the output&apos;s number</extracomment>
        <translation>
            <numerusform>Cancella %n fascia dell&apos;uscita %1</numerusform>
            <numerusform>Cancella %n fasce dell&apos;uscita %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Clear 1 special slot of output %1</source>
        <extracomment>Undo step; %1 is the output&apos;s number</extracomment>
        <translation>Cancella 1 fascia speciale dell&apos;uscita %1</translation>
    </message>
    <message numerus="yes">
        <source>Clear %n special slots of output %1</source>
        <extracomment>Undo step; %n is how many slots, %1 the output&apos;s number</extracomment>
        <translation>
            <numerusform>Cancella %n fascia speciale dell&apos;uscita %1</numerusform>
            <numerusform>Cancella %n fasce speciali dell&apos;uscita %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy the normal times of output %1 to:</source>
        <extracomment>Copy Output dialog, above the outputs to tick; %1 is the output copied</extracomment>
        <translation>Copia gli orari normali dell&apos;uscita %1 in:</translation>
    </message>
    <message>
        <source>Copy the special times of output %1 to:</source>
        <translation>Copia gli orari speciali dell&apos;uscita %1 in:</translation>
    </message>
    <message>
        <source>Copy the normal times of output %1 to output %2</source>
        <extracomment>Undo step; %1 is the output copied, %2 the one copied to</extracomment>
        <translation>Copia gli orari normali dell&apos;uscita %1 nell&apos;uscita %2</translation>
    </message>
    <message numerus="yes">
        <source>Copy the normal times of output %1 to %n outputs</source>
        <extracomment>Undo step; %1 is the output copied, %n how many outputs it was copied to</extracomment>
        <translation>
            <numerusform>Copia gli orari normali dell&apos;uscita %1 in %n uscita</numerusform>
            <numerusform>Copia gli orari normali dell&apos;uscita %1 in %n uscite</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy the special times of output %1 to output %2</source>
        <extracomment>Undo step; %1 is the output copied, %2 the one copied to</extracomment>
        <translation>Copia gli orari speciali dell&apos;uscita %1 nell&apos;uscita %2</translation>
    </message>
    <message numerus="yes">
        <source>Copy the special times of output %1 to %n outputs</source>
        <extracomment>Undo step; %1 is the output copied, %n how many outputs it was copied to</extracomment>
        <translation>
            <numerusform>Copia gli orari speciali dell&apos;uscita %1 in %n uscita</numerusform>
            <numerusform>Copia gli orari speciali dell&apos;uscita %1 in %n uscite</numerusform>
        </translation>
    </message>
    <message>
        <source>Normal times, output %1</source>
        <extracomment>Accessible name of the grid; %1 is the output&apos;s number</extracomment>
        <translation>Orari normali, uscita %1</translation>
    </message>
    <message>
        <source>Special times, output %1</source>
        <translation>Orari speciali, uscita %1</translation>
    </message>
</context>
<context>
    <name>korvelt::SpecialDateEdit</name>
    <message>
        <source>%1, past</source>
        <extracomment>Beside a special date in the past: %1 is its short weekday name</extracomment>
        <translation>%1, passata</translation>
    </message>
    <message>
        <source>%1 (in the past)</source>
        <translation>%1 (già passata)</translation>
    </message>
    <message>
        <source>Special date %1: %2 is outside the years %3 to %4. It keeps %5.</source>
        <extracomment>%1 is the special date&apos;s number, %2 the text typed, %3 and %4 the first and last year, %5 the date it keeps</extracomment>
        <translation>Data speciale %1: %2 è fuori dagli anni dal %3 al %4. Resta %5.</translation>
    </message>
    <message>
        <source>Special date %1: %2 is not a date. It keeps %3.</source>
        <extracomment>%1 is the special date&apos;s number, %2 the text typed, %3 the date it keeps</extracomment>
        <translation>Data speciale %1: %2 non è una data valida. Resta %3.</translation>
    </message>
</context>
<context>
    <name>korvelt::SpecialDatesBox</name>
    <message>
        <source>Special Dates</source>
        <translation>Date speciali</translation>
    </message>
    <message>
        <source>Special date %1</source>
        <extracomment>%1 is the special date&apos;s number, 1 to 16</extracomment>
        <translation>Data speciale %1</translation>
    </message>
    <message>
        <source>Holidays…</source>
        <extracomment>Button that opens the Holidays dialog; keep it short</extracomment>
        <translation>Festività…</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Festività</translation>
    </message>
    <message>
        <source>Fill the special dates with the holidays of a year</source>
        <translation>Compila le date speciali con le festività di un anno</translation>
    </message>
    <message>
        <source>(not set)</source>
        <extracomment>A special date&apos;s picker that holds no date</extracomment>
        <translation>(non impostata)</translation>
    </message>
    <message>
        <source>Change special date %1</source>
        <extracomment>Undo step; %1 is the special date&apos;s number, 1 to 16</extracomment>
        <translation>Modifica data speciale %1</translation>
    </message>
    <message>
        <source>Fill Special Dates</source>
        <extracomment>Undo step</extracomment>
        <translation>Compila date speciali</translation>
    </message>
</context>
<context>
    <name>korvelt::SpecialTimesPage</name>
    <message>
        <source>Special Times</source>
        <extracomment>Title of the grid of the slots of the special dates</extracomment>
        <translation>Orari speciali</translation>
    </message>
    <message>
        <source>Special times output</source>
        <extracomment>The box that chooses the output the grid shows</extracomment>
        <translation>Uscita degli orari speciali</translation>
    </message>
</context>
<context>
    <name>korvelt::TMainForm</name>
    <message>
        <source>KORVELT Time Control Vesion: %1</source>
        <extracomment>The window&apos;s caption; &quot;Vesion&quot; is spelt so on purpose in English. %1 is the version</extracomment>
        <translation>KORVELT Time Control Versione: %1</translation>
    </message>
    <message>
        <source>Edit</source>
        <extracomment>Undo step of an edit committed when a command starts</extracomment>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Read From KORVELT</source>
        <extracomment>Undo step: the schedule was read from the KORVELT</extracomment>
        <translation>Leggi dal KORVELT</translation>
    </message>
    <message>
        <source>Take the KORVELT&apos;s schedule</source>
        <extracomment>Undo step: the window took the schedule the comparison read</extracomment>
        <translation>Usa la programmazione del KORVELT</translation>
    </message>
    <message>
        <source>Replace the schedule</source>
        <translation>Sostituisci la programmazione</translation>
    </message>
</context>
<context>
    <name>korvelt::TimeGrid</name>
    <message>
        <source>Columns</source>
        <comment>accessible name of the grid&apos;s column headings</comment>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>Slots</source>
        <comment>accessible name of the grid&apos;s slot numbers</comment>
        <translation>Fasce</translation>
    </message>
    <message>
        <source>Slot</source>
        <comment>accessible name of the grid&apos;s corner</comment>
        <translation>Fascia</translation>
    </message>
</context>
<context>
    <name>korvelt::TimeGridDelegate</name>
    <message>
        <source>Time</source>
        <comment>accessible name of a time cell&apos;s editor</comment>
        <translation>Orario</translation>
    </message>
    <message>
        <source>Day</source>
        <comment>accessible name of a day cell&apos;s editor</comment>
        <translation>Giorno</translation>
    </message>
</context>
<context>
    <name>korvelt::TimesPage</name>
    <message>
        <source>Set Days</source>
        <extracomment>Grid&apos;s menu: sets the days of the slot</extracomment>
        <translation>Imposta giorni</translation>
    </message>
    <message>
        <source>All</source>
        <comment>days</comment>
        <extracomment>Set Days: every day on</extracomment>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>None</source>
        <comment>days</comment>
        <extracomment>Set Days: every day off</extracomment>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <extracomment>Set Days: Monday to Friday on</extracomment>
        <translation>Lunedì–venerdì</translation>
    </message>
    <message>
        <source>Weekends</source>
        <extracomment>Set Days: Saturday and Sunday on</extracomment>
        <translation>Fine settimana</translation>
    </message>
    <message>
        <source>Normal Times</source>
        <extracomment>Title of the grid of the weekly slots</extracomment>
        <translation>Orari normali</translation>
    </message>
    <message>
        <source>Normal times output</source>
        <extracomment>The box that chooses the output the grid shows</extracomment>
        <translation>Uscita degli orari normali</translation>
    </message>
    <message>
        <source>Set Days of slot %1 of output %2</source>
        <extracomment>Undo step; %1 is the slot&apos;s number, %2 the output&apos;s</extracomment>
        <translation>Imposta giorni della fascia %1 dell&apos;uscita %2</translation>
    </message>
</context>
<context>
    <name>korvelt::WeekPage</name>
    <message>
        <source>Normal week</source>
        <extracomment>Picks the picture of the week of the normal times</extracomment>
        <translation>Settimana normale</translation>
    </message>
    <message>
        <source>Special date %1</source>
        <extracomment>Picks the picture of a special date; %1 is its number, 1 to 16</extracomment>
        <translation>Data speciale %1</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Stam&amp;pa…</translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation>Esporta P&amp;DF…</translation>
    </message>
    <message>
        <source>A report of the whole schedule, in a preview to print from (Ctrl+P)</source>
        <translation>Report dell&apos;intera programmazione, in un&apos;anteprima da cui stampare (Ctrl+P)</translation>
    </message>
    <message>
        <source>The same report saved as a PDF file</source>
        <translation>Lo stesso report salvato come file PDF</translation>
    </message>
    <message>
        <source>Week or special date</source>
        <translation>Settimana o data speciale</translation>
    </message>
    <message>
        <source>Schedule check</source>
        <translation>Controllo della programmazione</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Esporta PDF</translation>
    </message>
    <message>
        <source>Special date %1 (%2)</source>
        <translation>Data speciale %1 (%2)</translation>
    </message>
    <message>
        <source>Mistake: %1</source>
        <extracomment>A finding of the schedule check that is likely wrong; %1 is the finding</extracomment>
        <translation>Errore: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Nota: %1</translation>
    </message>
    <message>
        <source>The schedule check found nothing.</source>
        <translation>Il controllo della programmazione non ha trovato nulla.</translation>
    </message>
    <message>
        <source>No mistakes</source>
        <extracomment>Count of the schedule check in the status area</extracomment>
        <translation>Nessun errore</translation>
    </message>
    <message>
        <source>No mistakes, %1</source>
        <extracomment>Count of the schedule check in the status area; %1 is the count of notes (&quot;2 notes&quot;)</extracomment>
        <translation>Nessun errore, %1</translation>
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
        <translation>La programmazione contiene 1 possibile errore (%1). Scrivere comunque?</translation>
    </message>
    <message numerus="yes">
        <source>The schedule has %n possible mistakes (first: %1). Write anyway?</source>
        <extracomment>Question before a write; %n is how many mistakes, %1 the first of them</extracomment>
        <translation>
            <numerusform>La programmazione contiene %n possibile errore (il primo: %1). Scrivere comunque?</numerusform>
            <numerusform>La programmazione contiene %n possibili errori (il primo: %1). Scrivere comunque?</numerusform>
        </translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Report saved as %1</source>
        <extracomment>Status; %1 is the PDF file&apos;s name</extracomment>
        <translation>Report salvato come %1</translation>
    </message>
    <message>
        <source>The report could not be saved as &quot;%1&quot;.</source>
        <extracomment>%1 is the PDF file&apos;s path</extracomment>
        <translation>Impossibile salvare il report come &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>korvelt::WeekView</name>
    <message>
        <source>Week</source>
        <extracomment>The picture of the week</extracomment>
        <translation>Settimana</translation>
    </message>
    <message>
        <source>The times each output is on, one row for each output.</source>
        <translation>Gli orari in cui ciascuna uscita è accesa, una riga per ogni uscita.</translation>
    </message>
    <message>
        <source>Output %1</source>
        <comment>switched output number</comment>
        <extracomment>A row of the week&apos;s picture; %1 is the output&apos;s number</extracomment>
        <translation>Uscita %1</translation>
    </message>
</context>
<context>
    <name>korveltctl</name>
    <message>
        <source>Usage: korveltctl [--demo [N]] COMMAND [ARGUMENTS]
Programs KORVELT time controllers from scripts.

Commands:
</source>
        <translation>Uso: korveltctl [--demo [N]] COMMAND [ARGUMENTS]
Programma i programmatori orari KORVELT da script.

Comandi:
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
Opzioni: --demo [N] usa N KORVELT simulati (1 senza N), numeri di serie da 1 a N;
-h o --help e --version, anche dopo un comando; -- chiude le opzioni.
FILE - è lo standard input. Con più KORVELT l&apos;esecuzione termina con una riga di
riepilogo, &quot;5 su 8 scritti e verificati; 3 non riusciti&quot;; --quiet stampa solo gli
errori (e le differenze trovate da verify). --dry-run (write, clock set,
holidays -o) dice cosa verrebbe fatto a quale KORVELT o file, chiedendo ai KORVELT
solo chi sono.
--json stampa un documento JSON del risultato (docs/korveltctl-json.md).
Codice di uscita: 0 fatto, 1 check o verify ha trovato una differenza, 2 errore di
utilizzo, 3 nessun KORVELT, uno in modalità aggiornamento o non un KORVELT,
4 errore di file, 5 il KORVELT non risponde più o è stato scollegato, 6 un altro
programma sta comunicando con il KORVELT (occupato), 130 interrotto (Ctrl+C),
143 terminato (SIGTERM, SIGHUP).
Vedere korveltctl(1).
</translation>
    </message>
    <message>
        <source>Usage: korveltctl %1</source>
        <extracomment>%1 is the command&apos;s synopsis and what it does</extracomment>
        <translation>Uso: korveltctl %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opzioni:</translation>
    </message>
    <message>
        <source>  Checks the schedule in FILE and prints what it finds; exit status 1
  when it finds a likely mistake.</source>
        <translation>  Controlla la programmazione in FILE e stampa ciò che trova; codice di
  uscita 1 se trova un possibile errore.</translation>
    </message>
    <message>
        <source>  Reads the KORVELT&apos;s clock, or sets it to this computer&apos;s time (--pc,
  the default) or to the time given.</source>
        <translation>  Legge l&apos;orologio del KORVELT, o lo imposta all&apos;ora di questo computer
  (--pc, predefinito) o all&apos;ora indicata.</translation>
    </message>
    <message>
        <source>clock set: this computer&apos;s time (the default)</source>
        <translation>clock set: l&apos;ora di questo computer (predefinito)</translation>
    </message>
    <message>
        <source>clock set: the time given</source>
        <translation>clock set: l&apos;ora indicata</translation>
    </message>
    <message>
        <source>clock read or clock set</source>
        <translation>clock read o clock set</translation>
    </message>
    <message>
        <source>--pc, --at and --dry-run are for clock set</source>
        <translation>--pc, --at e --dry-run valgono per clock set</translation>
    </message>
    <message>
        <source>%1 of %2 clocks read</source>
        <translation>%1 orologi su %2 letti</translation>
    </message>
    <message>
        <source>--pc or --at, not both</source>
        <translation>--pc o --at, non entrambi</translation>
    </message>
    <message>
        <source>--at &quot;YYYY-MM-DD HH:MM:SS&quot;, in the years %1 to %2</source>
        <translation>--at &quot;YYYY-MM-DD HH:MM:SS&quot;, negli anni dal %1 al %2</translation>
    </message>
    <message>
        <source>would set the clock to %1</source>
        <translation>imposterebbe l&apos;orologio su %1</translation>
    </message>
    <message>
        <source>%1 of %2 clocks would be set</source>
        <translation>%1 orologi su %2 verrebbero impostati</translation>
    </message>
    <message>
        <source>%1 of %2 clocks set</source>
        <translation>%1 orologi su %2 impostati</translation>
    </message>
    <message>
        <source>the KORVELT with that serial number or at that path; again for more</source>
        <translation>il KORVELT con quel numero di serie o in quel percorso; ripetere per altri</translation>
    </message>
    <message>
        <source>every KORVELT attached, at once</source>
        <translation>tutti i KORVELT collegati, insieme</translation>
    </message>
    <message>
        <source>one JSON document of the result on standard output</source>
        <translation>un documento JSON del risultato sullo standard output</translation>
    </message>
    <message>
        <source>prints only errors</source>
        <translation>stampa solo gli errori</translation>
    </message>
    <message>
        <source>says what would be done, and does nothing</source>
        <translation>dice cosa verrebbe fatto, senza fare nulla</translation>
    </message>
    <message>
        <source>  Writes the schedule of a data file as JSON (the default) or CSV, to
  OUT or to standard output.</source>
        <translation>  Scrive la programmazione di un file dati come JSON (predefinito) o CSV,
  in OUT o sullo standard output.</translation>
    </message>
    <message>
        <source>JSON (the default) or CSV</source>
        <translation>JSON (predefinito) o CSV</translation>
    </message>
    <message>
        <source>the file made (- or none: standard output)</source>
        <translation>il file creato (- o nessuno: standard output)</translation>
    </message>
    <message>
        <source>--format is json or csv</source>
        <translation>--format è json o csv</translation>
    </message>
    <message>
        <source>  Prints the usage of COMMAND and the options it takes, or the tool&apos;s usage.</source>
        <translation>  Stampa l&apos;uso di COMMAND e le opzioni che accetta, o l&apos;uso dello strumento.</translation>
    </message>
    <message>
        <source>help takes one command</source>
        <translation>help accetta un solo comando</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>comando sconosciuto %1</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last of a list of choices: %1 is the others, joined by commas</extracomment>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>the public holidays of a country or region</source>
        <translation>le festività di un paese o di una regione</translation>
    </message>
    <message>
        <source>adds the rules of a file the Holidays dialog saved</source>
        <translation>aggiunge le regole di un file salvato dalla finestra Festività</translation>
    </message>
    <message>
        <source>the year (this year unless given)</source>
        <translation>l&apos;anno (quello corrente se non indicato)</translation>
    </message>
    <message>
        <source>-o: the schedule whose special dates are filled</source>
        <translation>-o: la programmazione di cui si compilano le date speciali</translation>
    </message>
    <message>
        <source>writes the schedule with the holidays as its special dates (- : standard output)</source>
        <translation>scrive la programmazione con le festività come date speciali (- : standard output)</translation>
    </message>
    <message>
        <source>the list&apos;s form</source>
        <translation>il formato dell&apos;elenco</translation>
    </message>
    <message>
        <source>--preset CODE or --rules FILE is needed</source>
        <translation>serve --preset CODE o --rules FILE</translation>
    </message>
    <message>
        <source>--preset is %1</source>
        <translation>--preset è %1</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1: impossibile leggere: %2</translation>
    </message>
    <message>
        <source>--json or --format %1, not both</source>
        <translation>--json o --format %1, non entrambi</translation>
    </message>
    <message>
        <source>--format is text, csv or json</source>
        <translation>--format è text, csv o json</translation>
    </message>
    <message>
        <source>--format and --json are for the list of holidays, not for -o</source>
        <translation>--format e --json valgono per l&apos;elenco delle festività, non per -o</translation>
    </message>
    <message>
        <source>--year is a year from %1 to %2</source>
        <translation>--year è un anno dal %1 al %2</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2</source>
        <translation>%1: impossibile scrivere: %2</translation>
    </message>
    <message>
        <source>%1: special dates 1 to %2 would hold the holidays of %3 (nothing written)</source>
        <translation>%1: le date speciali da 1 a %2 conterrebbero le festività di %3 (nulla scritto)</translation>
    </message>
    <message>
        <source>%1: special dates 1 to %2 hold the holidays of %3</source>
        <translation>%1: le date speciali da 1 a %2 contengono le festività di %3</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>standard output</translation>
    </message>
    <message>
        <source>left out: %1</source>
        <extracomment>%1 is a holiday that found no special date: &quot;2027-12-26 Sun St Stephen&apos;s Day&quot;</extracomment>
        <translation>escluso: %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argomento inatteso %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The preset and the rule file the holidays come from</extracomment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The holidays&apos; source and year: &quot;Germany 2027&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>--from, --repeat-last and --dry-run go with -o</source>
        <translation>--from, --repeat-last e --dry-run vanno con -o</translation>
    </message>
    <message>
        <source>  Makes a data file of a schedule in JSON (-o - : standard output).</source>
        <translation>  Crea un file dati da una programmazione in JSON (-o - : standard output).</translation>
    </message>
    <message>
        <source>the data file made (- : standard output)</source>
        <translation>il file dati creato (- : standard output)</translation>
    </message>
    <message>
        <source>-o OUT.dat is needed</source>
        <translation>serve -o OUT.dat</translation>
    </message>
    <message>
        <source>import makes a data file, not %1; export makes JSON</source>
        <translation>import crea un file dati, non %1; export crea JSON</translation>
    </message>
    <message>
        <source>  Lists every KORVELT attached: path, serial number, version text,
  and &quot;program mode&quot; where it is in program mode.</source>
        <translation>  Elenca ogni KORVELT collegato: percorso, numero di serie, testo della
  versione e &quot;modalità aggiornamento&quot; se è in modalità aggiornamento.</translation>
    </message>
    <message>
        <source>no KORVELT is attached</source>
        <translation>nessun KORVELT collegato</translation>
    </message>
    <message>
        <source>ready</source>
        <extracomment>A KORVELT that answered who it is, in the list of those attached</extracomment>
        <translation>pronto</translation>
    </message>
    <message>
        <source>  Reads the KORVELT&apos;s schedule into OUT: JSON when OUT ends in .json
  or with --format json, else a data file (- : standard output).
  Several KORVELTs are read into the folder DIR, one file each named
  by its serial number: 1042.dat, or 1042.json with --format json.</source>
        <translation>  Legge la programmazione del KORVELT in OUT: JSON se OUT termina con
  .json o con --format json, altrimenti un file dati (- : standard
  output). Più KORVELT vengono letti nella cartella DIR, un file
  ciascuno chiamato col numero di serie: 1042.dat, o 1042.json con
  --format json.</translation>
    </message>
    <message>
        <source>the file&apos;s form (by default, told by OUT&apos;s ending)</source>
        <translation>il formato del file (predefinito: secondo l&apos;estensione di OUT)</translation>
    </message>
    <message>
        <source>%1 of %2 read</source>
        <translation>%1 su %2 letti</translation>
    </message>
    <message>
        <source>several KORVELTs are read into a folder, not into -</source>
        <translation>più KORVELT si leggono in una cartella, non in -</translation>
    </message>
    <message>
        <source>not saved: another KORVELT read has serial number %1 too; read each by its path</source>
        <translation>non salvato: anche un altro KORVELT letto ha il numero di serie %1; leggere ciascuno dal suo percorso</translation>
    </message>
    <message>
        <source>not saved: the KORVELT did not say its serial number</source>
        <translation>non salvato: il KORVELT non ha comunicato il suo numero di serie</translation>
    </message>
    <message>
        <source>read into %1</source>
        <translation>letto in %1</translation>
    </message>
    <message>
        <source>--format is dat or json</source>
        <translation>--format è dat o json</translation>
    </message>
    <message>
        <source>--json prints to standard output: read into a file</source>
        <translation>--json stampa sullo standard output: leggere in un file</translation>
    </message>
    <message>
        <source>  Makes the printable report of the schedule in FILE as a PDF (FILE
  with .pdf for .dat unless -o; -o - : standard output).</source>
        <translation>  Crea il rapporto stampabile della programmazione in FILE come PDF
  (senza -o, FILE con .pdf al posto di .dat; -o - : standard output).</translation>
    </message>
    <message>
        <source>the PDF (FILE with .pdf for .dat unless given; - : standard output)</source>
        <translation>il PDF (se non indicato, FILE con .pdf al posto di .dat; - : standard output)</translation>
    </message>
    <message>
        <source>-o OUT.pdf is needed when FILE is -</source>
        <translation>serve -o OUT.pdf quando FILE è -</translation>
    </message>
    <message>
        <source>%1: the report could not be made</source>
        <translation>%1: impossibile creare il rapporto</translation>
    </message>
    <message>
        <source>  Reads each KORVELT and compares it with the schedule in FILE as the
  KORVELT holds it; exit status 1 when any differs, the differences
  on standard output. Nothing is written.</source>
        <translation>  Legge ogni KORVELT e lo confronta con la programmazione in FILE come
  il KORVELT la contiene; codice di uscita 1 se uno differisce, le
  differenze sullo standard output. Non viene scritto nulla.</translation>
    </message>
    <message>
        <source>holds %1</source>
        <translation>contiene %1</translation>
    </message>
    <message>
        <source>differs from %1 in 1 place</source>
        <translation>differisce da %1 in 1 punto</translation>
    </message>
    <message numerus="yes">
        <source>differs from %1 in %n places</source>
        <translation>
            <numerusform>differisce da %1 in %n punto</numerusform>
            <numerusform>differisce da %1 in %n punti</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 hold %3</source>
        <extracomment>The summary of several KORVELTs: %1 of %2 KORVELTs hold the file %3</extracomment>
        <translation>%1 su %2 contengono %3</translation>
    </message>
    <message>
        <source>; the clock was not set: %1</source>
        <extracomment>After &quot;written and verified&quot;: %1 is why the clock was not set</extracomment>
        <translation>; l&apos;orologio non è stato impostato: %1</translation>
    </message>
    <message>
        <source>; clock set to %1</source>
        <extracomment>After &quot;written and verified&quot;: %1 is the time the clock was set to</extracomment>
        <translation>; orologio impostato su %1</translation>
    </message>
    <message>
        <source>waiting for KORVELTs to write %1 to (Ctrl+C ends)</source>
        <translation>in attesa di KORVELT in cui scrivere %1 (Ctrl+C per terminare)</translation>
    </message>
    <message>
        <source>%1 programmed; %2 failed</source>
        <extracomment>The line&apos;s summary: KORVELTs programmed, and those that failed</extracomment>
        <translation>%1 programmati; %2 non riusciti</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>non è un file</translation>
    </message>
    <message>
        <source>ending after this KORVELT (Ctrl+C again stops it at once)</source>
        <translation>fine dopo questo KORVELT (un altro Ctrl+C lo interrompe subito)</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2; no more KORVELTs are taken</source>
        <translation>%1: impossibile scrivere: %2; non si accettano altri KORVELT</translation>
    </message>
    <message>
        <source>%1 is a whole number from %2</source>
        <translation>%1 è un numero intero da %2 in su</translation>
    </message>
    <message>
        <source>--watch writes each KORVELT plugged in: no --all, --device or --dry-run</source>
        <translation>--watch scrive ogni KORVELT collegato: niente --all, --device o --dry-run</translation>
    </message>
    <message>
        <source>  Writes the schedule in FILE (a data file or JSON, told by content)
  and reads it back to verify, unless --no-verify. --all writes every
  KORVELT attached at once, one line each. A schedule with values the
  KORVELT cannot hold is refused; one with likely mistakes too,
  unless --force.</source>
        <translation>  Scrive la programmazione in FILE (file dati o JSON, riconosciuto dal
  contenuto) e la rilegge per verificarla, salvo --no-verify. --all
  scrive tutti i KORVELT collegati insieme, una riga ciascuno. Una
  programmazione con valori che il KORVELT non può contenere viene
  rifiutata; anche una con possibili errori, salvo --force.</translation>
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
        <translation>  Attende che vengano collegati dei KORVELT e scrive ciascuno appena
  arriva (e con --set-clock ne imposta l&apos;orologio all&apos;ora di questo
  computer), una riga ciascuno; un KORVELT viene riscritto solo dopo
  essere stato scollegato. --log aggiunge una riga CSV per KORVELT: ora,
  numero di serie, versione, SHA-256 di FILE, risultato, percorso,
  messaggio, versione di korveltctl. --count N termina dopo N KORVELT,
  --retry N riprova uno non riuscito, --json stampa un oggetto JSON per
  riga. Ctrl+C termina dopo il KORVELT in lavorazione (un secondo Ctrl+C
  subito): &quot;3 programmati; 1 non riusciti&quot;.</translation>
    </message>
    <message>
        <source>writes without reading it back</source>
        <translation>scrive senza rileggere</translation>
    </message>
    <message>
        <source>writes a schedule with likely mistakes too</source>
        <translation>scrive anche una programmazione con possibili errori</translation>
    </message>
    <message>
        <source>writes each KORVELT as it is plugged in, until Ctrl+C</source>
        <translation>scrive ogni KORVELT appena viene collegato, fino a Ctrl+C</translation>
    </message>
    <message>
        <source>--watch: sets each clock to this computer&apos;s time too</source>
        <translation>--watch: imposta anche ogni orologio all&apos;ora di questo computer</translation>
    </message>
    <message>
        <source>--watch: appends a line per KORVELT to LOG.csv</source>
        <translation>--watch: aggiunge una riga per KORVELT a LOG.csv</translation>
    </message>
    <message>
        <source>--watch: ends after N KORVELTs</source>
        <translation>--watch: termina dopo N KORVELT</translation>
    </message>
    <message>
        <source>--watch: tries a failed KORVELT again, up to N times</source>
        <translation>--watch: riprova un KORVELT non riuscito, fino a N volte</translation>
    </message>
    <message>
        <source>%1: not written: the KORVELT cannot hold %2 of its values</source>
        <translation>%1: non scritto: il KORVELT non può contenere %2 dei suoi valori</translation>
    </message>
    <message>
        <source>%1: not written: the check found 1 likely mistake (--force writes it all the same)</source>
        <translation>%1: non scritto: il controllo ha trovato 1 possibile errore (--force lo scrive comunque)</translation>
    </message>
    <message numerus="yes">
        <source>%1: not written: the check found %n likely mistakes (--force writes it all the same)</source>
        <translation>
            <numerusform>%1: non scritto: il controllo ha trovato %n possibile errore (--force lo scrive comunque)</numerusform>
            <numerusform>%1: non scritto: il controllo ha trovato %n possibili errori (--force lo scrive comunque)</numerusform>
        </translation>
    </message>
    <message>
        <source>--set-clock, --log, --count and --retry are for --watch</source>
        <translation>--set-clock, --log, --count e --retry valgono per --watch</translation>
    </message>
    <message>
        <source>would write %1 and verify it</source>
        <translation>scriverebbe %1 e lo verificherebbe</translation>
    </message>
    <message>
        <source>would write %1</source>
        <translation>scriverebbe %1</translation>
    </message>
    <message>
        <source>%1 of %2 would be written and verified</source>
        <translation>%1 su %2 verrebbero scritti e verificati</translation>
    </message>
    <message>
        <source>%1 of %2 would be written</source>
        <translation>%1 su %2 verrebbero scritti</translation>
    </message>
    <message>
        <source>%1 of %2 written and verified</source>
        <translation>%1 su %2 scritti e verificati</translation>
    </message>
    <message>
        <source>%1 of %2 written</source>
        <translation>%1 su %2 scritti</translation>
    </message>
    <message>
        <source>--device or --all, not both</source>
        <translation>--device o --all, non entrambi</translation>
    </message>
    <message>
        <source>%1 KORVELTs are attached (%2): name one with --device, or --all</source>
        <translation>%1 KORVELT sono collegati (%2): indicarne uno con --device, oppure --all</translation>
    </message>
    <message>
        <source>the KORVELT is in program mode</source>
        <translation>il KORVELT è in modalità aggiornamento</translation>
    </message>
    <message>
        <source>not a KORVELT time controller</source>
        <translation>non è un programmatore orario KORVELT</translation>
    </message>
    <message>
        <source>the KORVELT stopped answering</source>
        <translation>il KORVELT non risponde più</translation>
    </message>
    <message>
        <source>no KORVELT is attached at %1</source>
        <translation>nessun KORVELT collegato in %1</translation>
    </message>
    <message>
        <source>no KORVELT with serial number %1 is attached</source>
        <translation>nessun KORVELT con numero di serie %1 collegato</translation>
    </message>
    <message>
        <source>%1 KORVELTs have serial number %2: %3; name one by its path</source>
        <translation>%1 KORVELT hanno il numero di serie %2: %3; indicarne uno dal percorso</translation>
    </message>
    <message>
        <source>; 1 differs</source>
        <extracomment>Of the summary of several KORVELTs, after what went through</extracomment>
        <translation>; 1 differisce</translation>
    </message>
    <message numerus="yes">
        <source>; %n differ</source>
        <translation>
            <numerusform>; %n differisce</numerusform>
            <numerusform>; %n differiscono</numerusform>
        </translation>
    </message>
    <message>
        <source>; 1 failed</source>
        <extracomment>Of the summary of several KORVELTs, after what went through</extracomment>
        <translation>; 1 non riuscito</translation>
    </message>
    <message numerus="yes">
        <source>; %n failed</source>
        <translation>
            <numerusform>; %n non riuscito</numerusform>
            <numerusform>; %n non riusciti</numerusform>
        </translation>
    </message>
    <message>
        <source>clock %1</source>
        <translation>orologio %1</translation>
    </message>
    <message>
        <source>program mode</source>
        <translation>modalità aggiornamento</translation>
    </message>
    <message>
        <source>not a KORVELT</source>
        <translation>non è un KORVELT</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>nessuna risposta</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>impossibile aprire: %1</translation>
    </message>
    <message>
        <source>busy: in use by another program</source>
        <translation>occupato: in uso da un altro programma</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opzione sconosciuta %1</translation>
    </message>
    <message>
        <source>%1 is given more than once</source>
        <translation>%1 è indicato più di una volta</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 richiede un valore</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <extracomment>%1 is the name of what is missing: FILE, OUT, DIR</extracomment>
        <translation>manca %1</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>standard input</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file regolare</translation>
    </message>
    <message>
        <source>%1 is the file read; the output needs a name of its own</source>
        <translation>%1 è il file letto; l&apos;output richiede un nome diverso</translation>
    </message>
    <message>
        <source>%1: cannot be written: a symbolic link is there, which is not followed</source>
        <translation>%1: impossibile scrivere: lì si trova un collegamento simbolico, che non viene seguito</translation>
    </message>
    <message>
        <source>standard input: cannot be read</source>
        <translation>standard input: impossibile leggere</translation>
    </message>
    <message>
        <source>%1: too large (more than 16 MiB)</source>
        <translation>%1: troppo grande (più di 16 MiB)</translation>
    </message>
    <message>
        <source>%1: a data file of a later version</source>
        <translation>%1: un file dati di una versione successiva</translation>
    </message>
    <message>
        <source>%1: the data file is cut short</source>
        <translation>%1: il file dati è troncato</translation>
    </message>
    <message>
        <source>Mistake: %1</source>
        <extracomment>A line of the check: %1 is what it found</extracomment>
        <translation>Errore: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <extracomment>A line of the check: %1 is what it found</extracomment>
        <translation>Nota: %1</translation>
    </message>
    <message>
        <source>while verifying, at block %1 of %2: the KORVELT holds the new schedule, not verified</source>
        <translation>durante la verifica, al blocco %1 di %2: il KORVELT contiene la nuova programmazione, non verificata</translation>
    </message>
    <message>
        <source>before the schedule was sent: the KORVELT holds its old schedule</source>
        <translation>prima dell&apos;invio della programmazione: il KORVELT contiene la programmazione precedente</translation>
    </message>
    <message>
        <source>at block %1 of %2: the KORVELT holds part of the old and part of the new schedule</source>
        <translation>al blocco %1 di %2: il KORVELT contiene in parte la vecchia e in parte la nuova programmazione</translation>
    </message>
    <message>
        <source>no KORVELT is attached there</source>
        <translation>lì non è collegato nessun KORVELT</translation>
    </message>
    <message>
        <source>the KORVELT&apos;s block %1 holds values that are not times or dates</source>
        <translation>il blocco %1 del KORVELT contiene valori che non sono orari né date</translation>
    </message>
    <message>
        <source>stopped answering %1</source>
        <extracomment>%1 says where the write was and what the KORVELT holds</extracomment>
        <translation>non risponde più, %1</translation>
    </message>
    <message>
        <source>the KORVELT stopped answering at block %1</source>
        <translation>il KORVELT non risponde più al blocco %1</translation>
    </message>
    <message>
        <source>unplugged %1</source>
        <extracomment>%1 says where the write was and what the KORVELT holds</extracomment>
        <translation>scollegato, %1</translation>
    </message>
    <message>
        <source>the KORVELT was unplugged</source>
        <translation>il KORVELT è stato scollegato</translation>
    </message>
    <message>
        <source>the schedule read back differs from the one written in 1 place</source>
        <translation>la programmazione riletta differisce da quella scritta in 1 punto</translation>
    </message>
    <message numerus="yes">
        <source>the schedule read back differs from the one written in %n places</source>
        <translation>
            <numerusform>la programmazione riletta differisce da quella scritta in %n punto</numerusform>
            <numerusform>la programmazione riletta differisce da quella scritta in %n punti</numerusform>
        </translation>
    </message>
    <message>
        <source>interrupted before anything was sent: the KORVELT is as it was</source>
        <translation>interrotto prima di inviare qualcosa: il KORVELT è come prima</translation>
    </message>
    <message>
        <source>interrupted while verifying, at block %1 of %2: the KORVELT holds the new schedule, not verified</source>
        <translation>interrotto durante la verifica, al blocco %1 di %2: il KORVELT contiene la nuova programmazione, non verificata</translation>
    </message>
    <message>
        <source>interrupted before the schedule was sent: the KORVELT holds its old schedule</source>
        <translation>interrotto prima dell&apos;invio della programmazione: il KORVELT contiene la programmazione precedente</translation>
    </message>
    <message>
        <source>interrupted at block %1 of %2: the KORVELT holds part of the old and part of the new schedule</source>
        <translation>interrotto al blocco %1 di %2: il KORVELT contiene in parte la vecchia e in parte la nuova programmazione</translation>
    </message>
    <message>
        <source>interrupted at block %1 of %2: nothing was saved</source>
        <translation>interrotto al blocco %1 di %2: nulla è stato salvato</translation>
    </message>
    <message>
        <source>interrupted before the clock was set</source>
        <translation>interrotto prima di impostare l&apos;orologio</translation>
    </message>
    <message>
        <source>interrupted: the clock may or may not have been set</source>
        <translation>interrotto: l&apos;orologio potrebbe essere stato impostato oppure no</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>interrotto</translation>
    </message>
    <message>
        <source>%1 (serial %2)</source>
        <extracomment>A KORVELT as a line names it: its path and serial number</extracomment>
        <translation>%1 (n. di serie %2)</translation>
    </message>
    <message>
        <source>written and verified</source>
        <translation>scritto e verificato</translation>
    </message>
    <message>
        <source>written</source>
        <translation>scritto</translation>
    </message>
    <message>
        <source>read</source>
        <extracomment>A KORVELT&apos;s schedule was read</extracomment>
        <translation>letto</translation>
    </message>
    <message>
        <source>a command is missing</source>
        <translation>manca un comando</translation>
    </message>
    <message>
        <source>--demo N is a number of KORVELTs from 1 to %1</source>
        <translation>--demo N è un numero di KORVELT da 1 a %1</translation>
    </message>
    <message>
        <source>%1 (see korveltctl --help)</source>
        <extracomment>After a mistake on the command line: %1 is the mistake</extracomment>
        <translation>%1 (vedere korveltctl --help)</translation>
    </message>
    <message>
        <source>standard output: %1</source>
        <translation>standard output: %1</translation>
    </message>
    <message>
        <source>cannot make the report: %1 is missing; install the program again</source>
        <translation>impossibile creare il rapporto: manca %1; reinstallare il programma</translation>
    </message>
    <message>
        <source>not applied: %1</source>
        <extracomment>A preset&apos;s holiday its rule does not tick: %1 is the holiday&apos;s line</extracomment>
        <translation>non applicata: %1</translation>
    </message>
    <message>
        <source>%1; the two reads disagreed, so a stray report from another program may be the cause: try again</source>
        <extracomment>%1 says where the KORVELT differs; this adds why the tool cannot tell a stray report from a KORVELT that differs</extracomment>
        <translation>%1; le due letture non coincidevano, quindi la causa può essere un messaggio estraneo di un altro programma: riprovare</translation>
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
        <translation>  Stampa le festività di un anno (quello corrente senza --year), o con
  -o le scrive come date speciali della programmazione in IN.dat (i
  valori predefiniti senza --from) in OUT. Con meno di %1 festività le
  altre date speciali mantengono le loro, o ripetono l&apos;ultima
  (--repeat-last). --rules aggiunge le regole di un file salvato dalla
  finestra Festività (o usa solo quelle, senza --preset). --json e
  --format csv stampano per ogni festività data, giorno della
  settimana, nomi e se è un giorno sostitutivo e se è applicata.
  I giorni delle regole che un elenco offre ma non spunta seguono come
  righe &quot;non applicata&quot;.
  CODE: %2.</translation>
    </message>
    <message>
        <source>-o: with fewer than %1 holidays, the others repeat the last</source>
        <translation>-o: con meno di %1 festività, le altre ripetono l&apos;ultima</translation>
    </message>
</context>
</TS>

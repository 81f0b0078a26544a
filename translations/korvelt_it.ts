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
        <source>Cancel</source>
        <extracomment>Button of the status area that stops the command running; keep it short</extracomment>
        <translation>Interrompi</translation>
    </message>
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
        <source>&amp;Load File</source>
        <extracomment>Button; keep it short</extracomment>
        <translation>&amp;Carica file</translation>
    </message>
    <message>
        <source>&amp;Save File</source>
        <extracomment>Button; keep it short</extracomment>
        <translation>&amp;Salva file</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Button that opens the user guide; keep it short</extracomment>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;Write To KORVELT</source>
        <extracomment>Button; keep it short</extracomment>
        <translation>Sc&amp;rivi nel KORVELT</translation>
    </message>
    <message>
        <source>&amp;Read From KORVELT</source>
        <extracomment>Button; keep it short</extracomment>
        <translation>&amp;Leggi dal KORVELT</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Button that closes the program; keep it short</extracomment>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Set &amp;Time</source>
        <extracomment>Button that sets the KORVELT&apos;s clock; keep it short</extracomment>
        <translation>&amp;Imposta ora</translation>
    </message>
    <message>
        <source>Read T&amp;ime</source>
        <extracomment>Button that reads the KORVELT&apos;s clock; keep it short</extracomment>
        <translation>Leggi &amp;ora</translation>
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
        <translation>Verificato: il KORVELT contiene questa programmazione</translation>
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
        <translation>L&apos;orologio del KORVELT non contiene un&apos;ora valida</translation>
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
        <translation>Interrotto: non è un programmatore orario KORVELT</translation>
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
        <source>With fewer than 16 holidays the other special dates</source>
        <translation>Con meno di 16 festività, le altre date speciali</translation>
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
        <source>%n holidays: the KORVELT holds 16, the first 16 are used. Left out: %1.</source>
        <extracomment>%n is how many holidays there are (more than 16), %1 those left out</extracomment>
        <translation>
            <numerusform>%n festività: il KORVELT ne gestisce 16, si usano le prime 16. Escluse: %1.</numerusform>
            <numerusform>%n festività: il KORVELT ne gestisce 16, si usano le prime 16. Escluse: %1.</numerusform>
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
</TS>

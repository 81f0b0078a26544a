<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CheckText</name>
    <message>
        <source>Special date %1 (%2)</source>
        <extracomment>A special date with its place and date, as in &quot;Special date 3 (24/12/2027)&quot;</extracomment>
        <translation>Date spéciale %1 (%2)</translation>
    </message>
    <message>
        <source>%1: the Start time has fractions of a second; the KORVELT keeps whole seconds.</source>
        <extracomment>%1 is the slot&apos;s place, as in &quot;Output 2, Normal Times slot 3&quot;</extracomment>
        <translation>%1 : l&apos;heure de début contient des fractions de seconde ; le KORVELT ne garde que les secondes entières.</translation>
    </message>
    <message>
        <source>%1: the End time has fractions of a second; the KORVELT keeps whole seconds.</source>
        <translation>%1 : l&apos;heure de fin contient des fractions de seconde ; le KORVELT ne garde que les secondes entières.</translation>
    </message>
    <message>
        <source>%1: the Start time is not a time of day.</source>
        <extracomment>%1 is the slot&apos;s place, as in &quot;Output 2, Normal Times slot 3&quot;
----------
%1 is the slot&apos;s place, as in &quot;Output 2, Special Times slot 3&quot;</extracomment>
        <translation>%1 : l&apos;heure de début n&apos;est pas une heure du jour.</translation>
    </message>
    <message>
        <source>%1: the End time is not a time of day.</source>
        <extracomment>%1 is the slot&apos;s place, as in &quot;Output 2, Normal Times slot 3&quot;
----------
%1 is the slot&apos;s place, as in &quot;Output 2, Special Times slot 3&quot;</extracomment>
        <translation>%1 : l&apos;heure de fin n&apos;est pas une heure du jour.</translation>
    </message>
    <message>
        <source>Daylight Saving: no Advance Clock week is chosen.</source>
        <translation>Heure d&apos;été : aucune semaine n&apos;est choisie pour Avancer l&apos;heure.</translation>
    </message>
    <message>
        <source>Daylight Saving: no Advance Clock month is chosen.</source>
        <translation>Heure d&apos;été : aucun mois n&apos;est choisi pour Avancer l&apos;heure.</translation>
    </message>
    <message>
        <source>Daylight Saving: no Retard Clock week is chosen.</source>
        <translation>Heure d&apos;été : aucune semaine n&apos;est choisie pour Retarder l&apos;heure.</translation>
    </message>
    <message>
        <source>Daylight Saving: no Retard Clock month is chosen.</source>
        <translation>Heure d&apos;été : aucun mois n&apos;est choisi pour Retarder l&apos;heure.</translation>
    </message>
    <message>
        <source>%1: ends at %2, before it starts at %3.</source>
        <extracomment>%1 is the slot&apos;s place (&quot;Output 2, Normal Times slot 3&quot;), %2 its end time, %3 its start time</extracomment>
        <translation>%1 : se termine à %2, avant de commencer à %3.</translation>
    </message>
    <message>
        <source>%1: starts and ends at %2 on %3.</source>
        <extracomment>%1 is the slot&apos;s place, %2 its time, %3 its days (&quot;Mon to Fri&quot;)</extracomment>
        <translation>%1 : commence et se termine à %2 le %3.</translation>
    </message>
    <message>
        <source>%1: %2 to %3, but no day is On.</source>
        <extracomment>%1 is the slot&apos;s place, %2 and %3 its start and end time; &quot;On&quot; is the day cells&apos; text</extracomment>
        <translation>%1 : %2 à %3, mais aucun jour n&apos;est sur Oui.</translation>
    </message>
    <message>
        <source>%1 (%2 to %3) overlaps slot %4.</source>
        <extracomment>%1 is the slot&apos;s place, %2 and %3 its times, %4 the number of the other slot</extracomment>
        <translation>%1 (%2 à %3) : chevauche la plage %4.</translation>
    </message>
    <message>
        <source>%1 (%2 to %3) overlaps slot %4 on %5.</source>
        <extracomment>%1 is the slot&apos;s place, %2 and %3 its times, %4 the number of the other slot, %5 the days (&quot;Mon to Fri&quot;)</extracomment>
        <translation>%1 (%2 à %3) : chevauche la plage %4 le %5.</translation>
    </message>
    <message>
        <source>%1 (%2 to %3) is the same as slot %4.</source>
        <extracomment>%1 is the slot&apos;s place, %2 and %3 its times, %4 the number of the other slot</extracomment>
        <translation>%1 (%2 à %3) : identique à la plage %4.</translation>
    </message>
    <message>
        <source>Special date %1 (%2 %3) carries a time of day; the KORVELT keeps only the date.</source>
        <extracomment>%1 is the special date&apos;s number, %2 its date, %3 its time of day</extracomment>
        <translation>Date spéciale %1 (%2 %3) : contient une heure ; le KORVELT ne garde que la date.</translation>
    </message>
    <message>
        <source>%1 is in the past.</source>
        <extracomment>%1 is a special date with its place, as in &quot;Special date 3 (24/12/2027)&quot;</extracomment>
        <translation>%1 : date passée.</translation>
    </message>
    <message>
        <source>%1 is the same as special date %2.</source>
        <extracomment>%1 is a special date with its place, as in &quot;Special date 3 (24/12/2027)&quot;; %2 the other&apos;s number</extracomment>
        <translation>%1 : identique à la date spéciale %2.</translation>
    </message>
    <message>
        <source>Output %1, Special Times: slots are set, but no special date is today or later.</source>
        <translation>Sortie %1, horaires spéciaux : des plages sont définies, mais aucune date spéciale n&apos;est aujourd&apos;hui ou plus tard.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>range of days</comment>
        <extracomment>A range of days in the schedule check, as in &quot;Mon to Fri&quot;</extracomment>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>Special date %1 is not set to a date from %2 to %3.</source>
        <extracomment>%1 is the special date&apos;s number, %2 and %3 the first and last year the KORVELT can hold</extracomment>
        <translation>La date spéciale %1 n&apos;est pas réglée sur une date de %2 à %3.</translation>
    </message>
</context>
<context>
    <name>ClockText</name>
    <message>
        <source>the KORVELT&apos;s clock holds no valid time (bytes %1)</source>
        <extracomment>Begins with a small letter: it also stands inside other sentences. %1 is the clock&apos;s bytes as a date and time</extracomment>
        <translation>l&apos;horloge du KORVELT ne contient pas d&apos;heure valide (octets %1)</translation>
    </message>
    <message>
        <source>Module Time: %1
Module Date: %2</source>
        <extracomment>The device&apos;s clock: %1 is its time, %2 its date</extracomment>
        <translation>Heure du module : %1
Date du module : %2</translation>
    </message>
    <message>
        <source>KORVELT and this PC agree to the second</source>
        <translation>le KORVELT et ce PC sont à la même heure, à la seconde près</translation>
    </message>
    <message>
        <source>%1 d %2 h</source>
        <extracomment>An amount of time: days and hours</extracomment>
        <translation>%1 j %2 h</translation>
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
        <translation>le KORVELT retarde de %1 sur ce PC</translation>
    </message>
    <message>
        <source>KORVELT is %1 ahead of this PC</source>
        <extracomment>%1 is an amount of time, as in &quot;3 min 38 s&quot;</extracomment>
        <translation>le KORVELT avance de %1 sur ce PC</translation>
    </message>
</context>
<context>
    <name>ControlTexts</name>
    <message>
        <source>1st Sunday</source>
        <translation>1er dimanche</translation>
    </message>
    <message>
        <source>2nd Sunday</source>
        <translation>2e dimanche</translation>
    </message>
    <message>
        <source>3rd Sunday</source>
        <translation>3e dimanche</translation>
    </message>
    <message>
        <source>4th Sunday</source>
        <translation>4e dimanche</translation>
    </message>
    <message>
        <source>Last Sunday</source>
        <translation>Dernier dimanche</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Janvier</translation>
    </message>
    <message>
        <source>Febuary</source>
        <translation>Février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Décembre</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dim</translation>
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
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Ven</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sam</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>Error Opening File.</source>
        <translation>Erreur à l&apos;ouverture du fichier.</translation>
    </message>
    <message>
        <source>Incompatible data file.</source>
        <translation>Fichier de données incompatible.</translation>
    </message>
    <message>
        <source>The file uses a later data format.<byte value="xd"/>
Cannot load</source>
        <translation>Le fichier utilise un format de données plus récent.<byte value="xd"/>
Chargement impossible</translation>
    </message>
    <message>
        <source>Error Saving File.</source>
        <translation>Erreur à l&apos;enregistrement du fichier.</translation>
    </message>
</context>
<context>
    <name>DeviceChoice</name>
    <message>
        <source>In Program Mode, %1</source>
        <extracomment>A KORVELT in the list of those attached that is being set up at its own keys; %1 is where it is attached</extracomment>
        <translation>En mode mise à jour, %1</translation>
    </message>
    <message>
        <source>No answer, %1</source>
        <extracomment>A KORVELT in the list of those attached that did not say who it is; %1 is where it is attached</extracomment>
        <translation>Pas de réponse, %1</translation>
    </message>
    <message>
        <source>Several KORVELTs are attached. Which one do the commands go to?</source>
        <extracomment>Asked when several KORVELTs are attached and a command needs one</extracomment>
        <translation>Plusieurs KORVELT sont branchés. Vers lequel envoyer les commandes ?</translation>
    </message>
    <message>
        <source>The KORVELT with serial %1 is gone. Which KORVELT do the commands go to now?</source>
        <extracomment>%1 is the serial number of the KORVELT chosen before</extracomment>
        <translation>Le KORVELT n° série %1 n&apos;est plus branché. Vers quel KORVELT envoyer les commandes maintenant ?</translation>
    </message>
    <message>
        <source>The KORVELT at %1 is gone. Which KORVELT do the commands go to now?</source>
        <extracomment>%1 is where the KORVELT chosen before was attached</extracomment>
        <translation>Le KORVELT sur %1 n&apos;est plus branché. Vers quel KORVELT envoyer les commandes maintenant ?</translation>
    </message>
    <message>
        <source>Serial %1, version %2, %3</source>
        <extracomment>A KORVELT in the list of those attached: %1 is its serial number, %2 its firmware version, %3 where it is attached</extracomment>
        <translation>N° série %1, version %2, %3</translation>
    </message>
    <message>
        <source>The KORVELT with serial %1 holds part of the old and part of the new schedule. Write it again first?</source>
        <extracomment>Asked before a command goes to another KORVELT, and before the window closes; %1 is the serial number of the KORVELT a write stopped on</extracomment>
        <translation>Le KORVELT n° série %1 contient en partie l&apos;ancienne et en partie la nouvelle programmation. Lui renvoyer d&apos;abord la programmation ?</translation>
    </message>
</context>
<context>
    <name>DevicePresenter</name>
    <message>
        <source>Close any other program that is using it, then try again.</source>
        <translation>Fermez tout autre logiciel qui l&apos;utilise, puis réessayez.</translation>
    </message>
    <message>
        <source>Install the rule 60-korvelt.rules into /etc/udev/rules.d, run &quot;sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger&quot; and plug the KORVELT in again.</source>
        <extracomment>Keep the file name, the folder and the command as they are</extracomment>
        <translation>Installez la règle 60-korvelt.rules dans /etc/udev/rules.d, lancez « sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger » et rebranchez le KORVELT.</translation>
    </message>
    <message>
        <source>Writing to KORVELT</source>
        <extracomment>Status texts and messages of a command on the KORVELT; %1 is the block&apos;s number, %2 the last block&apos;s</extracomment>
        <translation>Envoi au KORVELT</translation>
    </message>
    <message>
        <source>Writing to KORVELT: block %1 of %2</source>
        <translation>Envoi au KORVELT : bloc %1 sur %2</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while writing. Check the cable and try again.</source>
        <translation>Le KORVELT a cessé de répondre pendant l&apos;envoi. Vérifiez le câble et réessayez.</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while writing (block %1 of %2). Check the cable and try again.</source>
        <translation>Le KORVELT a cessé de répondre pendant l&apos;envoi (bloc %1 sur %2). Vérifiez le câble et réessayez.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while writing. Plug it in and try again.</source>
        <translation>Le KORVELT a été débranché pendant l&apos;envoi. Rebranchez-le et réessayez.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while writing (block %1 of %2). Plug it in and try again.</source>
        <translation>Le KORVELT a été débranché pendant l&apos;envoi (bloc %1 sur %2). Rebranchez-le et réessayez.</translation>
    </message>
    <message>
        <source>Checking what was written</source>
        <translation>Vérification de l&apos;envoi</translation>
    </message>
    <message>
        <source>Checking what was written: block %1 of %2</source>
        <translation>Vérification de l&apos;envoi : bloc %1 sur %2</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while checking what was written. Check the cable and try again.</source>
        <translation>Le KORVELT a cessé de répondre pendant la vérification de l&apos;envoi. Vérifiez le câble et réessayez.</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while checking what was written (block %1 of %2). Check the cable and try again.</source>
        <translation>Le KORVELT a cessé de répondre pendant la vérification de l&apos;envoi (bloc %1 sur %2). Vérifiez le câble et réessayez.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while checking what was written. Plug it in and try again.</source>
        <translation>Le KORVELT a été débranché pendant la vérification de l&apos;envoi. Rebranchez-le et réessayez.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while checking what was written (block %1 of %2). Plug it in and try again.</source>
        <translation>Le KORVELT a été débranché pendant la vérification de l&apos;envoi (bloc %1 sur %2). Rebranchez-le et réessayez.</translation>
    </message>
    <message>
        <source>Comparing with KORVELT</source>
        <translation>Comparaison avec le KORVELT</translation>
    </message>
    <message>
        <source>Comparing with KORVELT: block %1 of %2</source>
        <translation>Comparaison avec le KORVELT : bloc %1 sur %2</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while reading. Check the cable and try again.</source>
        <translation>Le KORVELT a cessé de répondre pendant la lecture. Vérifiez le câble et réessayez.</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while reading (block %1 of %2). Check the cable and try again.</source>
        <translation>Le KORVELT a cessé de répondre pendant la lecture (bloc %1 sur %2). Vérifiez le câble et réessayez.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while reading. Plug it in and try again.</source>
        <translation>Le KORVELT a été débranché pendant la lecture. Rebranchez-le et réessayez.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while reading (block %1 of %2). Plug it in and try again.</source>
        <translation>Le KORVELT a été débranché pendant la lecture (bloc %1 sur %2). Rebranchez-le et réessayez.</translation>
    </message>
    <message>
        <source>Reading from KORVELT</source>
        <translation>Lecture du KORVELT</translation>
    </message>
    <message>
        <source>Reading from KORVELT: block %1 of %2</source>
        <translation>Lecture du KORVELT : bloc %1 sur %2</translation>
    </message>
    <message>
        <source>Setting the KORVELT clock</source>
        <translation>Réglage de l&apos;horloge du KORVELT</translation>
    </message>
    <message>
        <source>Setting the KORVELT clock: block %1 of %2</source>
        <translation>Réglage de l&apos;horloge du KORVELT : bloc %1 sur %2</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while setting the clock. Check the cable and try again.</source>
        <translation>Le KORVELT a cessé de répondre pendant le réglage de l&apos;horloge. Vérifiez le câble et réessayez.</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while setting the clock (block %1 of %2). Check the cable and try again.</source>
        <translation>Le KORVELT a cessé de répondre pendant le réglage de l&apos;horloge (bloc %1 sur %2). Vérifiez le câble et réessayez.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while setting the clock. Plug it in and try again.</source>
        <translation>Le KORVELT a été débranché pendant le réglage de l&apos;horloge. Rebranchez-le et réessayez.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while setting the clock (block %1 of %2). Plug it in and try again.</source>
        <translation>Le KORVELT a été débranché pendant le réglage de l&apos;horloge (bloc %1 sur %2). Rebranchez-le et réessayez.</translation>
    </message>
    <message>
        <source>Reading the KORVELT clock</source>
        <translation>Lecture de l&apos;horloge du KORVELT</translation>
    </message>
    <message>
        <source>Reading the KORVELT clock: block %1 of %2</source>
        <translation>Lecture de l&apos;horloge du KORVELT : bloc %1 sur %2</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while reading the clock. Check the cable and try again.</source>
        <translation>Le KORVELT a cessé de répondre pendant la lecture de l&apos;horloge. Vérifiez le câble et réessayez.</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while reading the clock (block %1 of %2). Check the cable and try again.</source>
        <translation>Le KORVELT a cessé de répondre pendant la lecture de l&apos;horloge (bloc %1 sur %2). Vérifiez le câble et réessayez.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while reading the clock. Plug it in and try again.</source>
        <translation>Le KORVELT a été débranché pendant la lecture de l&apos;horloge. Rebranchez-le et réessayez.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while reading the clock (block %1 of %2). Plug it in and try again.</source>
        <translation>Le KORVELT a été débranché pendant la lecture de l&apos;horloge (bloc %1 sur %2). Rebranchez-le et réessayez.</translation>
    </message>
    <message>
        <source>Daylight Saving</source>
        <extracomment>A place where the KORVELT&apos;s schedule differs: its daylight-saving rule</extracomment>
        <translation>Heure d&apos;été</translation>
    </message>
    <message>
        <source>Special date %1</source>
        <extracomment>A place where the KORVELT&apos;s schedule differs; %1 is the special date&apos;s number, 1 to 16</extracomment>
        <translation>Date spéciale %1</translation>
    </message>
    <message>
        <source>... and 1 more.</source>
        <extracomment>The last line of a list cut short</extracomment>
        <translation>... et 1 autre.</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... et %n autre.</numerusform>
            <numerusform>... et %n autres.</numerusform>
        </translation>
    </message>
    <message>
        <source>The KORVELT does not hold what was written</source>
        <extracomment>First line of a message after a write that did not read back as written</extracomment>
        <translation>Le KORVELT ne contient pas ce qui a été envoyé</translation>
    </message>
    <message>
        <source>Write again; if it stays so, the KORVELT may need service.</source>
        <translation>Renvoyez la programmation ; si l&apos;écart persiste, le KORVELT doit peut-être être réparé.</translation>
    </message>
</context>
<context>
    <name>DifferenceText</name>
    <message>
        <source>(not chosen)</source>
        <extracomment>A week or month box of the daylight-saving rule none of whose items is chosen</extracomment>
        <translation>(non choisi)</translation>
    </message>
    <message>
        <source>(empty)</source>
        <extracomment>An empty time cell</extracomment>
        <translation>(vide)</translation>
    </message>
    <message>
        <source>no days</source>
        <translation>aucun jour</translation>
    </message>
    <message>
        <source>%1 to %2 %3</source>
        <extracomment>A slot: %1 its start time, %2 its end time, %3 its days (&quot;Mon Tue&quot; or &quot;no days&quot;)</extracomment>
        <translation>%1 à %2 %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>slot times</comment>
        <extracomment>A slot: %1 its start time, %2 its end time</extracomment>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>on, %1 of %2 to %3 of %4</source>
        <extracomment>The daylight-saving rule, switched on: %1 of %2 (as in &quot;Last Sunday of March&quot;) the clock goes forward, %3 of %4 it goes back</extracomment>
        <translation>activée, %1 en %2 au %3 en %4</translation>
    </message>
    <message>
        <source>off, %1 of %2 to %3 of %4</source>
        <extracomment>The daylight-saving rule, switched off: %1 of %2 (as in &quot;Last Sunday of March&quot;) the clock would go forward, %3 of %4 it would go back</extracomment>
        <translation>désactivée, %1 en %2 au %3 en %4</translation>
    </message>
    <message>
        <source>(not set)</source>
        <extracomment>A special date the window cannot show</extracomment>
        <translation>(non définie)</translation>
    </message>
    <message>
        <source>%1: window %2, KORVELT %3</source>
        <extracomment>%1 is the slot&apos;s place (&quot;Output 2, Normal Times slot 3&quot;), %2 the window&apos;s slot, %3 the KORVELT&apos;s</extracomment>
        <translation>%1 : fenêtre %2, KORVELT %3</translation>
    </message>
    <message>
        <source>Daylight Saving: window %1; KORVELT %2</source>
        <extracomment>%1 is the window&apos;s daylight-saving rule, %2 the KORVELT&apos;s</extracomment>
        <translation>Heure d&apos;été : fenêtre %1 ; KORVELT %2</translation>
    </message>
    <message>
        <source>Special date %1: window %2, KORVELT %3</source>
        <extracomment>%1 is the special date&apos;s number, %2 the window&apos;s date, %3 the KORVELT&apos;s</extracomment>
        <translation>Date spéciale %1 : fenêtre %2, KORVELT %3</translation>
    </message>
    <message>
        <source>Output %1, Special Times slot %2</source>
        <extracomment>The place of a slot: %1 is the output, %2 the slot</extracomment>
        <translation>Sortie %1, horaires spéciaux, plage %2</translation>
    </message>
    <message>
        <source>Output %1, Normal Times slot %2</source>
        <extracomment>The place of a slot: %1 is the output, %2 the slot</extracomment>
        <translation>Sortie %1, horaires normaux, plage %2</translation>
    </message>
    <message>
        <source>1st Sunday</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>1er dimanche</translation>
    </message>
    <message>
        <source>2nd Sunday</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>2e dimanche</translation>
    </message>
    <message>
        <source>3rd Sunday</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>3e dimanche</translation>
    </message>
    <message>
        <source>4th Sunday</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>4e dimanche</translation>
    </message>
    <message>
        <source>Last Sunday</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>dernier dimanche</translation>
    </message>
    <message>
        <source>January</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>janvier</translation>
    </message>
    <message>
        <source>Febuary</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>février</translation>
    </message>
    <message>
        <source>March</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>mars</translation>
    </message>
    <message>
        <source>April</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>avril</translation>
    </message>
    <message>
        <source>May</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>mai</translation>
    </message>
    <message>
        <source>June</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>juin</translation>
    </message>
    <message>
        <source>July</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>juillet</translation>
    </message>
    <message>
        <source>August</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>août</translation>
    </message>
    <message>
        <source>September</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>septembre</translation>
    </message>
    <message>
        <source>October</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>octobre</translation>
    </message>
    <message>
        <source>November</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>décembre</translation>
    </message>
</context>
<context>
    <name>GridSlots</name>
    <message>
        <source>On</source>
        <comment>day cell</comment>
        <extracomment>The text of a day cell whose day is on; keep it short</extracomment>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>day cell</comment>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>HolidayNames</name>
    <message>
        <source>England and Wales</source>
        <translation>Angleterre et pays de Galles</translation>
    </message>
    <message>
        <source>Scotland</source>
        <translation>Écosse</translation>
    </message>
    <message>
        <source>Northern Ireland</source>
        <translation>Irlande du Nord</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Irlande</translation>
    </message>
    <message>
        <source>Germany (nationwide)</source>
        <translation>Allemagne (tout le pays)</translation>
    </message>
    <message>
        <source>Germany: Baden-Württemberg</source>
        <translation>Allemagne : Bade-Wurtemberg</translation>
    </message>
    <message>
        <source>Germany: Bavaria</source>
        <translation>Allemagne : Bavière</translation>
    </message>
    <message>
        <source>Germany: Berlin</source>
        <translation>Allemagne : Berlin</translation>
    </message>
    <message>
        <source>Germany: Brandenburg</source>
        <translation>Allemagne : Brandebourg</translation>
    </message>
    <message>
        <source>Germany: Bremen</source>
        <translation>Allemagne : Brême</translation>
    </message>
    <message>
        <source>Germany: Hamburg</source>
        <translation>Allemagne : Hambourg</translation>
    </message>
    <message>
        <source>Germany: Hesse</source>
        <translation>Allemagne : Hesse</translation>
    </message>
    <message>
        <source>Germany: Lower Saxony</source>
        <translation>Allemagne : Basse-Saxe</translation>
    </message>
    <message>
        <source>Germany: Mecklenburg-Western Pomerania</source>
        <translation>Allemagne : Mecklembourg-Poméranie-Occidentale</translation>
    </message>
    <message>
        <source>Germany: North Rhine-Westphalia</source>
        <translation>Allemagne : Rhénanie-du-Nord-Westphalie</translation>
    </message>
    <message>
        <source>Germany: Rhineland-Palatinate</source>
        <translation>Allemagne : Rhénanie-Palatinat</translation>
    </message>
    <message>
        <source>Germany: Saarland</source>
        <translation>Allemagne : Sarre</translation>
    </message>
    <message>
        <source>Germany: Saxony</source>
        <translation>Allemagne : Saxe</translation>
    </message>
    <message>
        <source>Germany: Saxony-Anhalt</source>
        <translation>Allemagne : Saxe-Anhalt</translation>
    </message>
    <message>
        <source>Germany: Schleswig-Holstein</source>
        <translation>Allemagne : Schleswig-Holstein</translation>
    </message>
    <message>
        <source>Germany: Thuringia</source>
        <translation>Allemagne : Thuringe</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Autriche</translation>
    </message>
    <message>
        <source>Switzerland (every canton)</source>
        <translation>Suisse (tous les cantons)</translation>
    </message>
    <message>
        <source>Switzerland: Zurich</source>
        <translation>Suisse : Zurich</translation>
    </message>
    <message>
        <source>Switzerland: Bern</source>
        <translation>Suisse : Berne</translation>
    </message>
    <message>
        <source>Switzerland: Basel-Stadt</source>
        <translation>Suisse : Bâle-Ville</translation>
    </message>
    <message>
        <source>Switzerland: Geneva</source>
        <translation>Suisse : Genève</translation>
    </message>
    <message>
        <source>Switzerland: Vaud</source>
        <translation>Suisse : Vaud</translation>
    </message>
    <message>
        <source>Switzerland: Ticino</source>
        <translation>Suisse : Tessin</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Belgique</translation>
    </message>
    <message>
        <source>France</source>
        <translation>France</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italie</translation>
    </message>
    <message>
        <source>Spain (national)</source>
        <translation>Espagne (national)</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Pologne</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Pays-Bas</translation>
    </message>
    <message>
        <source>United States (federal)</source>
        <translation>États-Unis (fédéral)</translation>
    </message>
    <message>
        <source>Canada (federal)</source>
        <translation>Canada (fédéral)</translation>
    </message>
    <message>
        <source>Australia (national)</source>
        <translation>Australie (national)</translation>
    </message>
    <message>
        <source>2nd January</source>
        <translation>2 janvier</translation>
    </message>
    <message>
        <source>All Saints&apos; Day</source>
        <translation>Toussaint</translation>
    </message>
    <message>
        <source>Anzac Day</source>
        <translation>Anzac Day</translation>
    </message>
    <message>
        <source>Armistice Day</source>
        <translation>Armistice</translation>
    </message>
    <message>
        <source>Ascension Day</source>
        <translation>Ascension</translation>
    </message>
    <message>
        <source>Assumption Day</source>
        <translation>Assomption</translation>
    </message>
    <message>
        <source>Assumption of Mary</source>
        <translation>Assomption</translation>
    </message>
    <message>
        <source>Augsburg Peace Festival</source>
        <translation>Fête de la paix d&apos;Augsbourg</translation>
    </message>
    <message>
        <source>August bank holiday</source>
        <translation>Bank holiday d&apos;août</translation>
    </message>
    <message>
        <source>Australia Day</source>
        <translation>Jour de l&apos;Australie</translation>
    </message>
    <message>
        <source>Bank holiday for the State Funeral of Queen Elizabeth II</source>
        <translation>Bank holiday des funérailles nationales de la reine Élisabeth II</translation>
    </message>
    <message>
        <source>Bank holiday for the coronation of King Charles III</source>
        <translation>Bank holiday du couronnement du roi Charles III</translation>
    </message>
    <message>
        <source>Bastille Day</source>
        <translation>Fête nationale</translation>
    </message>
    <message>
        <source>Battle of the Boyne (Orangemen&apos;s Day)</source>
        <translation>Bataille de la Boyne (Orangemen&apos;s Day)</translation>
    </message>
    <message>
        <source>Berchtold&apos;s Day</source>
        <translation>Saint-Berchtold</translation>
    </message>
    <message>
        <source>Birthday of Martin Luther King, Jr.</source>
        <translation>Anniversaire de Martin Luther King Jr.</translation>
    </message>
    <message>
        <source>Boxing Day</source>
        <translation>Lendemain de Noël (Boxing Day)</translation>
    </message>
    <message>
        <source>Canada Day</source>
        <translation>Fête du Canada</translation>
    </message>
    <message>
        <source>Centenary of Independence</source>
        <translation>Centenaire de l&apos;indépendance</translation>
    </message>
    <message>
        <source>Christmas Day</source>
        <translation>Noël</translation>
    </message>
    <message>
        <source>Christmas Eve</source>
        <translation>Veille de Noël</translation>
    </message>
    <message>
        <source>Columbus Day</source>
        <translation>Columbus Day</translation>
    </message>
    <message>
        <source>Constitution Day</source>
        <translation>Fête de la Constitution</translation>
    </message>
    <message>
        <source>Corpus Christi</source>
        <translation>Fête-Dieu</translation>
    </message>
    <message>
        <source>Day of German Unity</source>
        <translation>Jour de l&apos;Unité allemande</translation>
    </message>
    <message>
        <source>Day of Liberation</source>
        <translation>Jour de la Libération</translation>
    </message>
    <message>
        <source>Day of Remembrance and Recognition</source>
        <translation>Journée du souvenir et de la reconnaissance</translation>
    </message>
    <message>
        <source>Day of Repentance and Prayer</source>
        <translation>Jour de pénitence et de prière</translation>
    </message>
    <message>
        <source>Early May bank holiday</source>
        <translation>Bank holiday de début mai</translation>
    </message>
    <message>
        <source>Easter Monday</source>
        <translation>Lundi de Pâques</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>Dimanche de Pâques</translation>
    </message>
    <message>
        <source>Epiphany</source>
        <translation>Épiphanie</translation>
    </message>
    <message>
        <source>Federal Fast Monday</source>
        <translation>Lundi du Jeûne fédéral</translation>
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
        <translation>Bank holiday du jubilé d&apos;or</translation>
    </message>
    <message>
        <source>Good Friday</source>
        <translation>Vendredi saint</translation>
    </message>
    <message>
        <source>Immaculate Conception</source>
        <translation>Immaculée Conception</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Fête de l&apos;Indépendance</translation>
    </message>
    <message>
        <source>International Women&apos;s Day</source>
        <translation>Journée internationale des femmes</translation>
    </message>
    <message>
        <source>June bank holiday</source>
        <translation>Bank holiday de juin</translation>
    </message>
    <message>
        <source>Juneteenth National Independence Day</source>
        <translation>Juneteenth</translation>
    </message>
    <message>
        <source>King&apos;s Birthday</source>
        <translation>Anniversaire du roi</translation>
    </message>
    <message>
        <source>King&apos;s Day</source>
        <translation>Fête du Roi</translation>
    </message>
    <message>
        <source>Labor Day</source>
        <translation>Fête du Travail</translation>
    </message>
    <message>
        <source>Labour Day</source>
        <translation>Fête du Travail</translation>
    </message>
    <message>
        <source>Liberation Day</source>
        <translation>Fête de la Libération</translation>
    </message>
    <message>
        <source>Liberation Day (every fifth year)</source>
        <translation>Fête de la Libération (tous les cinq ans)</translation>
    </message>
    <message>
        <source>Maundy Thursday</source>
        <translation>Jeudi saint</translation>
    </message>
    <message>
        <source>May bank holiday</source>
        <translation>Bank holiday de mai</translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation>Memorial Day</translation>
    </message>
    <message>
        <source>National Day</source>
        <translation>Fête nationale</translation>
    </message>
    <message>
        <source>National Day for Truth and Reconciliation</source>
        <translation>Journée nationale de la vérité et de la réconciliation</translation>
    </message>
    <message>
        <source>National Day of Mourning for Queen Elizabeth II</source>
        <translation>Journée nationale de deuil pour la reine Élisabeth II</translation>
    </message>
    <message>
        <source>National Day of Spain</source>
        <translation>Fête nationale espagnole</translation>
    </message>
    <message>
        <source>New Year&apos;s Day</source>
        <translation>Jour de l&apos;An</translation>
    </message>
    <message>
        <source>October bank holiday</source>
        <translation>Bank holiday d&apos;octobre</translation>
    </message>
    <message>
        <source>Platinum Jubilee bank holiday</source>
        <translation>Bank holiday du jubilé de platine</translation>
    </message>
    <message>
        <source>Queen&apos;s Birthday</source>
        <translation>Anniversaire de la reine</translation>
    </message>
    <message>
        <source>Queen&apos;s Day</source>
        <translation>Fête de la Reine</translation>
    </message>
    <message>
        <source>Queen&apos;s Diamond Jubilee</source>
        <translation>Jubilé de diamant de la reine</translation>
    </message>
    <message>
        <source>Reformation Day</source>
        <translation>Fête de la Réformation</translation>
    </message>
    <message>
        <source>Remembrance Day</source>
        <translation>Jour du Souvenir</translation>
    </message>
    <message>
        <source>Republic Day</source>
        <translation>Fête de la République</translation>
    </message>
    <message>
        <source>Restoration of the Republic</source>
        <translation>Restauration de la République</translation>
    </message>
    <message>
        <source>Royal wedding</source>
        <translation>Mariage royal</translation>
    </message>
    <message>
        <source>Saint Brigid&apos;s Day</source>
        <translation>Sainte-Brigide</translation>
    </message>
    <message>
        <source>Saint Patrick&apos;s Day</source>
        <translation>Saint-Patrick</translation>
    </message>
    <message>
        <source>Saint Stephen&apos;s Day</source>
        <translation>Saint-Étienne</translation>
    </message>
    <message>
        <source>Second Day of Christmas</source>
        <translation>Deuxième jour de Noël</translation>
    </message>
    <message>
        <source>Spring bank holiday</source>
        <translation>Bank holiday de printemps</translation>
    </message>
    <message>
        <source>St Andrew&apos;s Day</source>
        <translation>Saint-André</translation>
    </message>
    <message>
        <source>St Francis of Assisi</source>
        <translation>Saint-François d&apos;Assise</translation>
    </message>
    <message>
        <source>St Joseph&apos;s Day</source>
        <translation>Saint-Joseph</translation>
    </message>
    <message>
        <source>St Patrick&apos;s Day</source>
        <translation>Saint-Patrick</translation>
    </message>
    <message>
        <source>St Stephen&apos;s Day</source>
        <translation>Saint-Étienne</translation>
    </message>
    <message>
        <source>State Holiday</source>
        <translation>Fête de l&apos;État (Staatsfeiertag)</translation>
    </message>
    <message>
        <source>Sts Peter and Paul</source>
        <translation>Saints Pierre et Paul</translation>
    </message>
    <message>
        <source>Summer bank holiday</source>
        <translation>Bank holiday d&apos;été</translation>
    </message>
    <message>
        <source>Swiss National Day</source>
        <translation>Fête nationale suisse</translation>
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
        <translation>Fête de Victoria</translation>
    </message>
    <message>
        <source>Victory in Europe Day</source>
        <translation>Victoire 1945</translation>
    </message>
    <message>
        <source>Washington&apos;s Birthday</source>
        <translation>Anniversaire de Washington</translation>
    </message>
    <message>
        <source>Whit Monday</source>
        <translation>Lundi de Pentecôte</translation>
    </message>
    <message>
        <source>Whit Sunday</source>
        <translation>Dimanche de Pentecôte</translation>
    </message>
    <message>
        <source>World Children&apos;s Day</source>
        <translation>Journée mondiale de l&apos;enfance</translation>
    </message>
    <message>
        <source>150th anniversary of the unification of Italy</source>
        <translation>150e anniversaire de l&apos;unité italienne</translation>
    </message>
    <message>
        <source>Additional bank holiday</source>
        <translation>Bank holiday supplémentaire</translation>
    </message>
    <message>
        <source>Anniversary of the uprising of 17 June 1953</source>
        <translation>Anniversaire du soulèvement du 17 juin 1953</translation>
    </message>
</context>
<context>
    <name>HolidayNotes</name>
    <message>
        <source>A holiday in every canton but Ticino and Valais.</source>
        <translation>Jour férié dans tous les cantons sauf le Tessin et le Valais.</translation>
    </message>
    <message>
        <source>A holiday in every region but Catalonia (and in some years Valencia).</source>
        <translation>Jour férié dans toutes les régions sauf la Catalogne (et certaines années Valence).</translation>
    </message>
    <message>
        <source>A holiday in most cantons, not in Geneva, Jura, Neuchâtel, Valais and Vaud.</source>
        <translation>Jour férié dans la plupart des cantons, sauf à Genève, dans le Jura, à Neuchâtel, en Valais et dans le canton de Vaud.</translation>
    </message>
    <message>
        <source>A holiday in most cantons, not in Valais.</source>
        <translation>Jour férié dans la plupart des cantons, sauf en Valais.</translation>
    </message>
    <message>
        <source>A public holiday, but a day off only where the collective agreement or the employer gives it, in many agreements every fifth year only.</source>
        <translation>Jour férié légal, mais chômé seulement si la convention collective ou l&apos;employeur l&apos;accorde, et dans beaucoup de conventions tous les cinq ans seulement.</translation>
    </message>
    <message>
        <source>A public holiday, but a day off only where the collective agreement or the employer gives it.</source>
        <translation>Jour férié légal, mais chômé seulement si la convention collective ou l&apos;employeur l&apos;accorde.</translation>
    </message>
    <message>
        <source>In some Catholic Sorbian municipalities of the districts of Bautzen and Görlitz only.</source>
        <translation>Seulement dans quelques communes sorabes catholiques des arrondissements de Bautzen et de Görlitz.</translation>
    </message>
    <message>
        <source>In the city of Augsburg only.</source>
        <translation>Seulement dans la ville d&apos;Augsbourg.</translation>
    </message>
    <message>
        <source>In the municipalities of the Eichsfeld district with a mainly Catholic population, and some others, only.</source>
        <translation>Seulement dans les communes à majorité catholique de l&apos;arrondissement d&apos;Eichsfeld et quelques autres.</translation>
    </message>
    <message>
        <source>In the municipalities with a mainly Catholic population (most of Bavaria, Munich included); untick it elsewhere.</source>
        <translation>Dans les communes à majorité catholique (la plus grande partie de la Bavière, Munich comprise) ; ailleurs, décochez-le.</translation>
    </message>
    <message>
        <source>Liberation Day in the years of a lustrum (2025, 2030, ...), as many agreements give it.</source>
        <translation>Jour de la Libération les années de lustre (2025, 2030, ...), comme beaucoup de conventions l&apos;accordent.</translation>
    </message>
    <message>
        <source>Western Australia and Queensland keep it on other days.</source>
        <translation>L&apos;Australie-Occidentale et le Queensland le fêtent à d&apos;autres dates.</translation>
    </message>
    <message>
        <source>A one-off bank holiday in Scotland alone, proclaimed for Monday 15 June 2026.</source>
        <translation>Un bank holiday unique, en Écosse seulement, proclamé pour le lundi 15 juin 2026.</translation>
    </message>
    <message>
        <source>A public holiday once, by Decree-law 5 of 2011.</source>
        <translation>Jour férié une seule fois, par le décret-loi n° 5 de 2011.</translation>
    </message>
    <message>
        <source>A holiday in Berlin once, 75 years after the uprising of 17 June 1953.</source>
        <translation>Jour férié à Berlin une seule fois, 75 ans après le soulèvement du 17 juin 1953.</translation>
    </message>
    <message>
        <source>In 2011 on Tuesday 26 April, as Easter Monday fell on 25 April.</source>
        <translation>En 2011 le mardi 26 avril, le lundi de Pâques tombant le 25 avril.</translation>
    </message>
    <message>
        <source>On 2 June from 2001 (Law 336 of 2000); from 1977 to 2000 it was kept on the first Sunday of June.</source>
        <translation>Le 2 juin à partir de 2001 (loi n° 336 de 2000) ; de 1977 à 2000, elle était célébrée le premier dimanche de juin.</translation>
    </message>
    <message>
        <source>On a Saturday or a Sunday, the working day after it is the day off (Canada Labour Code, as the federal government&apos;s lists give it).</source>
        <translation>S&apos;il tombe un samedi ou un dimanche, le jour ouvrable suivant est chômé (Code canadien du travail, comme l&apos;indiquent les listes du gouvernement fédéral).</translation>
    </message>
</context>
<context>
    <name>HolidayRuleFile</name>
    <message>
        <source>has an unknown kind &quot;%1&quot; (known: fixed, easter, nth-weekday, last-weekday).</source>
        <translation>type « %1 » inconnu (types connus : fixed, easter, nth-weekday, last-weekday).</translation>
    </message>
    <message>
        <source>needs a whole &quot;month&quot; and &quot;day&quot;.</source>
        <translation>il faut un nombre entier pour « month » et pour « day ».</translation>
    </message>
    <message>
        <source>needs a whole &quot;offset&quot; (days from Easter Sunday).</source>
        <translation>il faut un nombre entier pour « offset » (jours par rapport à Pâques).</translation>
    </message>
    <message>
        <source>needs a whole &quot;nth&quot; (1 to 4).</source>
        <translation>il faut un nombre entier pour « nth » (1 à 4).</translation>
    </message>
    <message>
        <source>needs a &quot;weekday&quot; from sunday to saturday.</source>
        <translation>il faut un « weekday » de sunday à saturday.</translation>
    </message>
    <message>
        <source>needs a whole &quot;month&quot;.</source>
        <translation>il faut un nombre entier pour « month ».</translation>
    </message>
    <message>
        <source>has an unknown &quot;weekend&quot; &quot;%1&quot;.</source>
        <translation>valeur « %1 » inconnue pour « weekend ».</translation>
    </message>
    <message>
        <source>has an unknown &quot;then&quot; &quot;%1&quot; (known: before, after, on-or-before, on-or-after).</source>
        <translation>valeur « %1 » inconnue pour « then » (valeurs connues : before, after, on-or-before, on-or-after).</translation>
    </message>
    <message>
        <source>needs a &quot;then-weekday&quot; from sunday to saturday.</source>
        <translation>il faut un « then-weekday » de sunday à saturday.</translation>
    </message>
    <message>
        <source>needs a whole number of years as &quot;%1&quot;.</source>
        <translation>il faut un nombre entier d&apos;années pour « %1 ».</translation>
    </message>
    <message>
        <source>needs a list as &quot;changes&quot;.</source>
        <translation>il faut une liste pour « changes ».</translation>
    </message>
    <message>
        <source>needs a &quot;year&quot; and either a &quot;month&quot; and &quot;day&quot; or &quot;dropped&quot; in each change.</source>
        <translation>il faut dans chaque modification un « year » et soit un « month » et un « day », soit « dropped ».</translation>
    </message>
    <message>
        <source>The file is not valid JSON: %1 at character %2.</source>
        <translation>Le fichier n&apos;est pas un JSON valide : %1 au caractère %2.</translation>
    </message>
    <message>
        <source>The file is no holiday rule file.</source>
        <translation>Ce fichier n&apos;est pas un fichier de règles de jours fériés.</translation>
    </message>
    <message>
        <source>The file was written by a later version of the program.</source>
        <translation>Le fichier a été écrit par une version plus récente du logiciel.</translation>
    </message>
    <message>
        <source>Rule %1 %2</source>
        <extracomment>%1 is the rule&apos;s number in the file; %2 what is wrong with it, as in &quot;needs a whole &quot;month&quot;.&quot;</extracomment>
        <translation>Règle %1 : %2</translation>
    </message>
    <message>
        <source>Rule %1 (%2) %3</source>
        <extracomment>%1 is the rule&apos;s number in the file, %2 its name; %3 what is wrong with it, as in &quot;needs a whole &quot;month&quot;.&quot;</extracomment>
        <translation>Règle %1 (%2) : %3</translation>
    </message>
    <message>
        <source>The file cannot be opened.</source>
        <translation>Le fichier ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>The file is too large for a holiday rule file.</source>
        <translation>Le fichier est trop volumineux pour un fichier de règles de jours fériés.</translation>
    </message>
</context>
<context>
    <name>HolidayText</name>
    <message>
        <source>January</source>
        <translation>janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>décembre</translation>
    </message>
    <message>
        <source>%1 (substitute day)</source>
        <extracomment>A holiday moved off a weekend: %1 is its name</extracomment>
        <translation>%1 (jour de remplacement)</translation>
    </message>
    <message>
        <source>%1 (observed)</source>
        <extracomment>A holiday observed on a weekday: %1 is its name</extracomment>
        <translation>%1 (jour observé)</translation>
    </message>
    <message>
        <source> / </source>
        <extracomment>Between the names of holidays on the same day</extracomment>
        <translation> / </translation>
    </message>
    <message>
        <source>The month must be from 1 to 12.</source>
        <translation>Le mois doit être compris entre 1 et 12.</translation>
    </message>
    <message>
        <source>%1 %2 is not a date.</source>
        <extracomment>%1 is a day, %2 a month, as in &quot;30 February is not a date.&quot;</extracomment>
        <translation>Le %1 %2 n&apos;est pas une date.</translation>
    </message>
    <message>
        <source>Days from Easter Sunday must be from -%1 to %1.</source>
        <extracomment>%1 is the most days a rule may be from Easter Sunday</extracomment>
        <translation>Le nombre de jours par rapport à Pâques doit être compris entre -%1 et %1.</translation>
    </message>
    <message>
        <source>Which weekday of the month must be from 1 to 4 (or the last).</source>
        <translation>Le rang du jour de semaine dans le mois doit être compris entre 1 et 4 (ou le dernier).</translation>
    </message>
    <message>
        <source>The weekday must be from 0 (Sunday) to 6 (Saturday).</source>
        <translation>Le jour de la semaine doit être compris entre 0 (dimanche) et 6 (samedi).</translation>
    </message>
    <message>
        <source>The weekday before or after must be from 0 (Sunday) to 6 (Saturday).</source>
        <translation>Le jour de semaine précédent ou suivant doit être compris entre 0 (dimanche) et 6 (samedi).</translation>
    </message>
    <message>
        <source>The first and the last year must be from %1 to %2.</source>
        <translation>La première et la dernière année doivent être comprises entre %1 et %2.</translation>
    </message>
    <message>
        <source>The last year (%1) is before the first (%2).</source>
        <extracomment>%1 is the last year, %2 the first</extracomment>
        <translation>La dernière année (%1) précède la première (%2).</translation>
    </message>
    <message>
        <source>Every how many years must be from 1 to 100.</source>
        <translation>L&apos;intervalle « tous les … ans » doit être compris entre 1 et 100.</translation>
    </message>
    <message numerus="yes">
        <source>Every %n years needs the first year to count from.</source>
        <extracomment>%n is every how many years (2 or more)</extracomment>
        <translation>
            <numerusform>« Tous les %n an » demande une première année à partir de laquelle compter.</numerusform>
            <numerusform>« Tous les %n ans » demande une première année à partir de laquelle compter.</numerusform>
        </translation>
    </message>
    <message>
        <source>The year of a change must be from %1 to %2.</source>
        <translation>L&apos;année d&apos;une modification ponctuelle doit être comprise entre %1 et %2.</translation>
    </message>
    <message>
        <source>%1 is changed twice.</source>
        <extracomment>%1 is a year</extracomment>
        <translation>L&apos;année %1 est modifiée deux fois.</translation>
    </message>
    <message>
        <source>The change of %1 is not a date.</source>
        <extracomment>%1 is a year</extracomment>
        <translation>La modification ponctuelle de %1 ne donne pas une date valide.</translation>
    </message>
</context>
<context>
    <name>HolidaysDialog</name>
    <message>
        <source>Holiday Rules (*.json);;All Files (*.*)</source>
        <extracomment>File dialog filter; keep the patterns in parentheses as they are</extracomment>
        <translation>Règles de jours fériés (*.json);;Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>samedi</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <extracomment>A rule&apos;s day: %1 is a weekday, %2 a month</extracomment>
        <translation>1er %1 en %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <translation>2e %1 en %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <translation>3e %1 en %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <translation>4e %1 en %2</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <extracomment>A rule&apos;s day: %1 is a number, %2 a weekday, %3 a month</extracomment>
        <translation>%1e %2 en %3</translation>
    </message>
    <message>
        <source>the %1 before %2</source>
        <extracomment>A rule&apos;s day: %1 is a weekday, %2 the date it is counted from, as in &quot;the Wednesday before 23 November&quot;</extracomment>
        <translation>le %1 précédant le %2</translation>
    </message>
    <message>
        <source>the %1 after %2</source>
        <translation>le %1 suivant le %2</translation>
    </message>
    <message>
        <source>the %1 on or before %2</source>
        <translation>le %1 tombant le %2 ou avant</translation>
    </message>
    <message>
        <source>the %1 on or after %2</source>
        <translation>le %1 tombant le %2 ou après</translation>
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
        <translation>%1, le lundi suivant s&apos;il tombe un week-end</translation>
    </message>
    <message>
        <source>%1, on a Saturday the Friday before, on a Sunday the Monday after</source>
        <translation>%1, le vendredi précédent s&apos;il tombe un samedi, le lundi suivant s&apos;il tombe un dimanche</translation>
    </message>
    <message>
        <source>%1, on a Sunday the Saturday before</source>
        <translation>%1, le samedi précédent s&apos;il tombe un dimanche</translation>
    </message>
    <message>
        <source>%1, on a Sunday the next Monday</source>
        <translation>%1, le lundi suivant s&apos;il tombe un dimanche</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>dimanche de Pâques</translation>
    </message>
    <message>
        <source>Easter Sunday %1 days</source>
        <extracomment>A rule&apos;s day counted from Easter: %1 is a signed number of days, as in &quot;+50&quot; or &quot;-2&quot;</extracomment>
        <translation>dimanche de Pâques %1 jours</translation>
    </message>
    <message>
        <source>last %1 of %2</source>
        <extracomment>A rule&apos;s day: %1 is a weekday, %2 a month</extracomment>
        <translation>dernier %1 en %2</translation>
    </message>
    <message>
        <source>%1, in %2 only</source>
        <extracomment>%1 is a rule&apos;s day, %2 the one year it holds</extracomment>
        <translation>%1, en %2 seulement</translation>
    </message>
    <message>
        <source>%1, every %2 years from %3</source>
        <extracomment>%1 is a rule&apos;s day, %2 every how many years, %3 the year it counts from</extracomment>
        <translation>%1, tous les %2 ans à partir de %3</translation>
    </message>
    <message>
        <source>%1, from %2</source>
        <extracomment>%1 is a rule&apos;s day, %2 its first year</extracomment>
        <translation>%1, à partir de %2</translation>
    </message>
    <message>
        <source>%1, until %2</source>
        <extracomment>%1 is a rule&apos;s day (perhaps with its first year), %2 its last year</extracomment>
        <translation>%1, jusqu&apos;en %2</translation>
    </message>
    <message>
        <source>none in %1</source>
        <extracomment>A year in which a rule gives no holiday</extracomment>
        <translation>aucun en %1</translation>
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
        <translation>%1 de plus</translation>
    </message>
    <message>
        <source>%1 (once: %2)</source>
        <extracomment>%1 is a rule&apos;s day, %2 its one-off changes, as in &quot;none in 2031, 8 May 2020&quot;</extracomment>
        <translation>%1 (exceptions : %2)</translation>
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
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>QtUserDialogs</name>
    <message>
        <source>Print</source>
        <extracomment>Title of the print preview window</extracomment>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>KORVELTs attached</source>
        <extracomment>Name of the list of KORVELTs attached, for screen readers</extracomment>
        <translation>KORVELT branchés</translation>
    </message>
</context>
<context>
    <name>ScheduleFiles</name>
    <message>
        <source>Data Files (*.dat);;All Files (*.*)</source>
        <extracomment>The file dialogs&apos; filter: keep &quot;(*.dat)&quot;, &quot;(*.*)&quot; and &quot;;;&quot; as they are</extracomment>
        <translation>Fichiers de données (*.dat);;Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Data has changed
Save now?</source>
        <extracomment>Asked before unsaved changes would be replaced; Yes saves them</extracomment>
        <translation>Les données ont été modifiées
Enregistrer maintenant ?</translation>
    </message>
    <message>
        <source>File: Untitled (unsaved changes)</source>
        <extracomment>Status area: the schedule was never saved</extracomment>
        <translation>Fichier : Sans titre (modifications non enregistrées)</translation>
    </message>
    <message>
        <source>File: Untitled</source>
        <translation>Fichier : Sans titre</translation>
    </message>
    <message>
        <source>File: %1 (unsaved changes)</source>
        <extracomment>Status area; %1 is the data file&apos;s name</extracomment>
        <translation>Fichier : %1 (modifications non enregistrées)</translation>
    </message>
    <message>
        <source>File: %1</source>
        <extracomment>Status area; %1 is the data file&apos;s name</extracomment>
        <translation>Fichier : %1</translation>
    </message>
    <message>
        <source>KORVELT schedule</source>
        <extracomment>The name the PDF file is offered under when the schedule was never saved</extracomment>
        <translation>Programmation KORVELT</translation>
    </message>
</context>
<context>
    <name>ScheduleJson</name>
    <message>
        <source>an object is expected</source>
        <translation>un objet est attendu</translation>
    </message>
    <message>
        <source>unknown key</source>
        <translation>clé inconnue</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>manquant</translation>
    </message>
    <message>
        <source>one day too many; there are %1</source>
        <translation>un jour de trop ; il y en a %1</translation>
    </message>
    <message>
        <source>one slot too many; there are %1</source>
        <translation>une plage de trop ; il y en a %1</translation>
    </message>
    <message>
        <source>one output too many; there are %1</source>
        <translation>une sortie de trop ; il y en a %1</translation>
    </message>
    <message>
        <source>one date too many; there are %1</source>
        <translation>une date de trop ; il y en a %1</translation>
    </message>
    <message>
        <source>missing; there are %1 days</source>
        <translation>manquant ; il y a %1 jours</translation>
    </message>
    <message>
        <source>missing; there are %1 slots</source>
        <translation>manquante ; il y a %1 plages</translation>
    </message>
    <message>
        <source>missing; there are %1 outputs</source>
        <translation>manquante ; il y a %1 sorties</translation>
    </message>
    <message>
        <source>missing; there are %1 dates</source>
        <translation>manquante ; il y a %1 dates</translation>
    </message>
    <message>
        <source>an array is expected</source>
        <translation>un tableau est attendu</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2 is expected</source>
        <translation>un nombre entier de %1 à %2 est attendu</translation>
    </message>
    <message>
        <source>16 hexadecimal digits are expected</source>
        <translation>16 chiffres hexadécimaux sont attendus</translation>
    </message>
    <message>
        <source>a number or null is expected</source>
        <translation>un nombre ou null est attendu</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time HH:MM:SS</source>
        <translation>« %1 » n&apos;est pas une heure HH:MM:SS</translation>
    </message>
    <message>
        <source>a time &quot;HH:MM:SS&quot; is expected</source>
        <translation>une heure « HH:MM:SS » est attendue</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date YYYY-MM-DD from %2 to %3</source>
        <translation>« %1 » n&apos;est pas une date YYYY-MM-DD de %2 à %3</translation>
    </message>
    <message>
        <source>a date &quot;YYYY-MM-DD&quot; is expected</source>
        <translation>une date « YYYY-MM-DD » est attendue</translation>
    </message>
    <message>
        <source>one of %1 is expected</source>
        <translation>l&apos;une des valeurs %1 est attendue</translation>
    </message>
    <message>
        <source>an array of day names is expected</source>
        <translation>un tableau de noms de jours est attendu</translation>
    </message>
    <message>
        <source>a day name, Sunday to Saturday, once each, is expected</source>
        <translation>un nom de jour, de Sunday à Saturday, chacun une fois, est attendu</translation>
    </message>
    <message>
        <source>does not agree with days</source>
        <translation>ne concorde pas avec days</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is expected</source>
        <translation>« %1 » est attendu</translation>
    </message>
    <message>
        <source>a later version of this format</source>
        <translation>une version ultérieure de ce format</translation>
    </message>
    <message>
        <source>%1 is expected here</source>
        <translation>%1 est attendu ici</translation>
    </message>
    <message>
        <source>not a byte of the data file that the loader leaves unread</source>
        <translation>pas un octet du fichier de données que le chargement laisse de côté</translation>
    </message>
    <message>
        <source>the version would be a later one</source>
        <translation>la version serait une version ultérieure</translation>
    </message>
    <message>
        <source>neither a KORVELT data file nor a schedule in JSON</source>
        <translation>ni un fichier de données KORVELT ni une programmation en JSON</translation>
    </message>
    <message>
        <source>line %1: not JSON: %2</source>
        <translation>ligne %1 : pas du JSON : %2</translation>
    </message>
    <message>
        <source>%1: the key is given twice</source>
        <translation>%1 : la clé figure deux fois</translation>
    </message>
    <message>
        <source>the top level</source>
        <translation>le niveau supérieur</translation>
    </message>
</context>
<context>
    <name>ScheduleReport</name>
    <message>
        <source>January</source>
        <translation>de janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>de février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>de mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>d&apos;avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>de mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>de juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>de juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>d&apos;août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>de septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>d&apos;octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>de novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>de décembre</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>samedi</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>dimanche</translation>
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
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Ven</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sam</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dim</translation>
    </message>
    <message>
        <source>the first Sunday of %1</source>
        <extracomment>When the clocks change; %1 is a month</extracomment>
        <translation>le premier dimanche %1</translation>
    </message>
    <message>
        <source>the second Sunday of %1</source>
        <translation>le deuxième dimanche %1</translation>
    </message>
    <message>
        <source>the third Sunday of %1</source>
        <translation>le troisième dimanche %1</translation>
    </message>
    <message>
        <source>the fourth Sunday of %1</source>
        <translation>le quatrième dimanche %1</translation>
    </message>
    <message>
        <source>the last Sunday of %1</source>
        <translation>le dernier dimanche %1</translation>
    </message>
    <message>
        <source>a Sunday in %1 (no week chosen)</source>
        <extracomment>When the clocks change, with no week chosen; %1 is a month</extracomment>
        <translation>un dimanche %1 (semaine non choisie)</translation>
    </message>
    <message>
        <source>the first Sunday of a month (no month chosen)</source>
        <translation>le premier dimanche d&apos;un mois (mois non choisi)</translation>
    </message>
    <message>
        <source>the second Sunday of a month (no month chosen)</source>
        <translation>le deuxième dimanche d&apos;un mois (mois non choisi)</translation>
    </message>
    <message>
        <source>the third Sunday of a month (no month chosen)</source>
        <translation>le troisième dimanche d&apos;un mois (mois non choisi)</translation>
    </message>
    <message>
        <source>the fourth Sunday of a month (no month chosen)</source>
        <translation>le quatrième dimanche d&apos;un mois (mois non choisi)</translation>
    </message>
    <message>
        <source>the last Sunday of a month (no month chosen)</source>
        <translation>le dernier dimanche d&apos;un mois (mois non choisi)</translation>
    </message>
    <message>
        <source>a day not chosen</source>
        <translation>un jour non choisi</translation>
    </message>
    <message>
        <source>Daylight saving off</source>
        <translation>Heure d&apos;été désactivée</translation>
    </message>
    <message>
        <source>Clocks go forward on %1 and back on %2</source>
        <extracomment>The daylight-saving rule in words; %1 and %2 are days such as &quot;the last Sunday of March&quot;</extracomment>
        <translation>L&apos;heure avance %1 et recule %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>range of outputs</comment>
        <extracomment>A range of output numbers, as in &quot;Outputs 1, 3 and 9 to 16&quot;</extracomment>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>list of outputs</comment>
        <extracomment>The list of output numbers: %1 all but the last, joined by commas, %2 the last, as in &quot;1, 3 and 9 to 16&quot;</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>, </source>
        <comment>list of outputs</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Outputs %1</source>
        <extracomment>%1 is a list of output numbers, as in &quot;1, 3 and 9 to 16&quot;</extracomment>
        <translation>Sorties %1</translation>
    </message>
    <message>
        <source>Output %1</source>
        <comment>one output in a list</comment>
        <extracomment>%1 is one output&apos;s number</extracomment>
        <translation>Sortie %1</translation>
    </message>
    <message>
        <source>not saved</source>
        <extracomment>In the page header, in place of the file name</extracomment>
        <translation>non enregistré</translation>
    </message>
    <message>
        <source>Printed: %1</source>
        <extracomment>In the page header: %1 is the date and time of printing</extracomment>
        <translation>Imprimé le %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Fichier : %1</translation>
    </message>
    <message>
        <source>KORVELT: %1, serial number %2</source>
        <extracomment>In the page header: %1 is the KORVELT&apos;s version, %2 its serial number</extracomment>
        <translation>KORVELT : %1, numéro de série %2</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>in the past</source>
        <translation>passée</translation>
    </message>
    <message>
        <source>same as special date %1</source>
        <translation>identique à la date spéciale %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Jour de la semaine</translation>
    </message>
    <message>
        <source>Special date</source>
        <extracomment>Column heading: the special date&apos;s number</extracomment>
        <translation>Date spéciale</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(non définie)</translation>
    </message>
    <message>
        <source>, </source>
        <comment>list of notes</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Special dates</source>
        <translation>Dates spéciales</translation>
    </message>
    <message>
        <source>Schedule check</source>
        <translation>Contrôle de la programmation</translation>
    </message>
    <message>
        <source>Mistake: %1</source>
        <extracomment>%1 is a finding of the schedule check</extracomment>
        <translation>Erreur : %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Remarque : %1</translation>
    </message>
    <message>
        <source>(empty)</source>
        <extracomment>An empty time cell</extracomment>
        <translation>(vide)</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Plage</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>slot start time</comment>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <comment>slot end time</comment>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Special slot</source>
        <translation>Plage spéciale</translation>
    </message>
    <message>
        <source>Output %1</source>
        <comment>heading</comment>
        <extracomment>Heading of an output&apos;s tables</extracomment>
        <translation>Sortie %1</translation>
    </message>
    <message>
        <source>Outputs with nothing set</source>
        <translation>Sorties sans aucun réglage</translation>
    </message>
    <message>
        <source>%1: nothing set</source>
        <extracomment>%1 names outputs, as in &quot;Outputs 1, 3 and 9 to 16&quot;</extracomment>
        <translation>%1 : rien de défini</translation>
    </message>
    <message>
        <source>The week</source>
        <translation>La semaine</translation>
    </message>
    <message>
        <source>KORVELT Time Control: %1</source>
        <extracomment>The PDF file&apos;s title: %1 is the schedule&apos;s file name</extracomment>
        <translation>KORVELT Time Control : %1</translation>
    </message>
</context>
<context>
    <name>SlotClipboard</name>
    <message numerus="yes">
        <source>The clipboard holds %1 slots; %n were pasted into the selected slots.</source>
        <extracomment>%1 is how many slots the clipboard holds (at least 3), %n how many were pasted (at least 2)</extracomment>
        <translation>
            <numerusform>Le presse-papiers contient %1 plages ; %n a été collée dans les plages sélectionnées.</numerusform>
            <numerusform>Le presse-papiers contient %1 plages ; %n ont été collées dans les plages sélectionnées.</numerusform>
        </translation>
    </message>
    <message>
        <source>The clipboard holds %1 slots; 1 was pasted, as slot %2 is the last.</source>
        <extracomment>%1 is how many slots the clipboard holds (at least 2), %2 the number of the grid&apos;s last slot</extracomment>
        <translation>Le presse-papiers contient %1 plages ; 1 a été collée, la plage %2 étant la dernière.</translation>
    </message>
    <message numerus="yes">
        <source>The clipboard holds %1 slots; %n were pasted, as slot %2 is the last.</source>
        <extracomment>%1 is how many slots the clipboard holds (at least 3), %n how many were pasted, %2 the number of the grid&apos;s last slot</extracomment>
        <translation>
            <numerusform>Le presse-papiers contient %1 plages ; %n a été collée, la plage %2 étant la dernière.</numerusform>
            <numerusform>Le presse-papiers contient %1 plages ; %n ont été collées, la plage %2 étant la dernière.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SlotGridPage</name>
    <message>
        <source>&quot;%1&quot; is not a time of day: the day&apos;s last second is 23:59:59. The Start cell of slot %2 keeps its value.</source>
        <extracomment>%1 is the text typed, %2 the slot&apos;s number; name the column as its heading does</extracomment>
        <translation>« %1 » n&apos;est pas une heure du jour : la dernière seconde de la journée est 23:59:59. La cellule Début de la plage %2 garde sa valeur.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time of day: the day&apos;s last second is 23:59:59. The End cell of slot %2 keeps its value.</source>
        <extracomment>%1 is the text typed, %2 the slot&apos;s number; name the column as its heading does</extracomment>
        <translation>« %1 » n&apos;est pas une heure du jour : la dernière seconde de la journée est 23:59:59. La cellule Fin de la plage %2 garde sa valeur.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time. The Start cell of slot %2 keeps its value.

Type a time such as 13:30, 13:30:00, 7:05, 7.05, 1330, 133000, 9:30 am or 9:30 PM.</source>
        <extracomment>%1 is the text typed, %2 the slot&apos;s number; name the column as its heading does</extracomment>
        <translation>« %1 » n&apos;est pas une heure. La cellule Début de la plage %2 garde sa valeur.

Tapez une heure telle que 13:30, 13:30:00, 7:05, 7.05, 1330, 133000, 9:30 am ou 9:30 PM.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time. The End cell of slot %2 keeps its value.

Type a time such as 13:30, 13:30:00, 7:05, 7.05, 1330, 133000, 9:30 am or 9:30 PM.</source>
        <translation>« %1 » n&apos;est pas une heure. La cellule Fin de la plage %2 garde sa valeur.

Tapez une heure telle que 13:30, 13:30:00, 7:05, 7.05, 1330, 133000, 9:30 am ou 9:30 PM.</translation>
    </message>
</context>
<context>
    <name>WeekPage</name>
    <message>
        <source>1 mistake</source>
        <extracomment>Count of the schedule check</extracomment>
        <translation>1 erreur</translation>
    </message>
    <message numerus="yes">
        <source>%n mistakes</source>
        <translation>
            <numerusform>%n erreur</numerusform>
            <numerusform>%n erreurs</numerusform>
        </translation>
    </message>
    <message>
        <source>1 note</source>
        <extracomment>Count of the schedule check</extracomment>
        <translation>1 remarque</translation>
    </message>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n remarque</numerusform>
            <numerusform>%n remarques</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WeekPicture</name>
    <message>
        <source>Output %1</source>
        <extracomment>The label of an output&apos;s row in the week picture; keep it short</extracomment>
        <translation>Sortie %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>slot times</comment>
        <extracomment>A slot&apos;s times: %1 its start, %2 its end</extracomment>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>Special date %1: (not set)</source>
        <translation>Date spéciale %1 : (non définie)</translation>
    </message>
    <message>
        <source>Special date %1: %2 %3</source>
        <extracomment>Heading of the week picture of a special date: %1 its number, %2 its weekday, %3 its date</extracomment>
        <translation>Date spéciale %1 : %2 %3</translation>
    </message>
    <message>
        <source>%1 (ends before it starts)</source>
        <extracomment>%1 is a slot&apos;s times, as in &quot;22:00:00 to 06:00:00&quot;</extracomment>
        <translation>%1 (se termine avant de commencer)</translation>
    </message>
    <message>
        <source>off</source>
        <comment>day with nothing on</comment>
        <extracomment>An output&apos;s day with nothing on</extracomment>
        <translation>arrêt</translation>
    </message>
    <message>
        <source> and </source>
        <extracomment>Joins the times of a day&apos;s slots, as in &quot;06:00:00 to 07:00:00 and 18:00:00 to 20:00:00&quot;</extracomment>
        <translation> et </translation>
    </message>
    <message>
        <source>off all week</source>
        <translation>arrêt toute la semaine</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>range of days</comment>
        <extracomment>A range of days, as in &quot;Mon to Fri&quot;</extracomment>
        <translation>%1 à %2</translation>
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
        <translation> ; </translation>
    </message>
    <message>
        <source>%1: %2
It ends before it starts: drawn up to midnight, as it is not known whether the KORVELT runs it on overnight.</source>
        <extracomment>Tooltip of a bar: %1 is the slot&apos;s place (&quot;Output 2, Normal Times slot 3&quot;), %2 its times</extracomment>
        <translation>%1 : %2
Elle se termine avant de commencer : dessinée jusqu&apos;à minuit, car on ne sait pas si le KORVELT la prolonge au-delà de minuit.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>slot and its times</comment>
        <extracomment>Tooltip of a bar: %1 is the slot&apos;s place (&quot;Output 2, Normal Times slot 3&quot;), %2 its times</extracomment>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>korvelt::CommandPanel</name>
    <message>
        <source>Not connected</source>
        <extracomment>Status area: no KORVELT has answered yet</extracomment>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>Device log</source>
        <translation>Zone d&apos;informations</translation>
    </message>
    <message>
        <source>Clock date</source>
        <translation>Date de l&apos;horloge</translation>
    </message>
    <message>
        <source>Clock time</source>
        <translation>Heure de l&apos;horloge</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Schedule check</source>
        <translation>Contrôle de la programmation</translation>
    </message>
    <message>
        <source>What the schedule check found; the Week page lists it.</source>
        <extracomment>Tooltip of the schedule check&apos;s count in the status area</extracomment>
        <translation>Ce qu&apos;a relevé le contrôle de la programmation ; la page Semaine en donne la liste.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avancement</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>&amp;Use PC Time</source>
        <extracomment>Check box: &quot;Set Time&quot; sends the computer&apos;s clock</extracomment>
        <translation>Heure du &amp;PC</translation>
    </message>
    <message>
        <source>&amp;Verify after writing</source>
        <extracomment>Check box: a write is read back and compared</extracomment>
        <translation>&amp;Vérifier après envoi</translation>
    </message>
    <message>
        <source>&amp;Compare with KORVELT</source>
        <extracomment>Button; keep it short</extracomment>
        <translation>&amp;Comparer au KORVELT</translation>
    </message>
</context>
<context>
    <name>korvelt::CompareDialog</name>
    <message>
        <source>Compare with KORVELT</source>
        <translation>Comparer au KORVELT</translation>
    </message>
    <message>
        <source>Identical</source>
        <extracomment>The KORVELT holds exactly the window&apos;s schedule</extracomment>
        <translation>Identique</translation>
    </message>
    <message>
        <source>The KORVELT differs from the window in 1 place:</source>
        <extracomment>Heading above the list of differences</extracomment>
        <translation>Le KORVELT diffère de la fenêtre en 1 endroit :</translation>
    </message>
    <message numerus="yes">
        <source>The KORVELT differs from the window in %n places:</source>
        <translation>
            <numerusform>Le KORVELT diffère de la fenêtre en %n endroit :</numerusform>
            <numerusform>Le KORVELT diffère de la fenêtre en %n endroits :</numerusform>
        </translation>
    </message>
    <message>
        <source>Take the KORVELT&apos;s schedule</source>
        <extracomment>Button: the window takes the schedule read from the KORVELT</extracomment>
        <translation>Reprendre la programmation du KORVELT</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Click a line to go to its place in the window</source>
        <translation>Cliquez sur une ligne pour aller à l&apos;endroit correspondant dans la fenêtre</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Différences</translation>
    </message>
</context>
<context>
    <name>korvelt::CopyOutputsDialog</name>
    <message>
        <source>Copy Output</source>
        <translation>Copier la sortie</translation>
    </message>
    <message>
        <source>Output %1</source>
        <comment>switched output number</comment>
        <extracomment>Check box of a switched output; %1 is its number</extracomment>
        <translation>Sortie %1</translation>
    </message>
    <message>
        <source>The output copied</source>
        <translation>La sortie copiée</translation>
    </message>
    <message>
        <source>All</source>
        <comment>outputs</comment>
        <extracomment>Button that ticks every output</extracomment>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>None</source>
        <comment>outputs</comment>
        <extracomment>Button that clears every output</extracomment>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>korvelt::DaylightSavingPage</name>
    <message>
        <source>Daylight Saving</source>
        <translation>Heure d&apos;été</translation>
    </message>
    <message>
        <source>&amp;Enable Daylight Saving</source>
        <extracomment>Check box; the letter after &quot;&amp;&quot; is pressed with Alt</extracomment>
        <translation>Activer l&apos;heure d&apos;é&amp;té</translation>
    </message>
    <message>
        <source>Advance Clock</source>
        <extracomment>Group of the week in which the clock goes forward</extracomment>
        <translation>Avancer l&apos;heure</translation>
    </message>
    <message>
        <source>Retard Clock</source>
        <extracomment>Group of the week in which the clock goes back</extracomment>
        <translation>Retarder l&apos;heure</translation>
    </message>
    <message>
        <source>Change Daylight Saving</source>
        <extracomment>Undo step</extracomment>
        <translation>modifier l&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>Advance clock</source>
        <extracomment>Accessible name of the group of the week in which the clock goes forward</extracomment>
        <translation>Avancer l&apos;heure</translation>
    </message>
    <message>
        <source>Retard clock</source>
        <extracomment>Accessible name of the group of the week in which the clock goes back</extracomment>
        <translation>Retarder l&apos;heure</translation>
    </message>
    <message>
        <source>Advance clock month</source>
        <extracomment>Accessible name of the box of the month in which the clock goes forward</extracomment>
        <translation>Mois où l&apos;heure avance</translation>
    </message>
    <message>
        <source>Retard clock month</source>
        <extracomment>Accessible name of the box of the month in which the clock goes back</extracomment>
        <translation>Mois où l&apos;heure recule</translation>
    </message>
</context>
<context>
    <name>korvelt::DevicePresenter</name>
    <message>
        <source>A write to the KORVELT is under way. If you stop it now, the KORVELT holds part of the old and part of the new schedule. Stop and close?</source>
        <translation>Un envoi au KORVELT est en cours. Si vous l&apos;interrompez maintenant, le KORVELT contiendra en partie l&apos;ancienne et en partie la nouvelle programmation. Interrompre et fermer ?</translation>
    </message>
    <message>
        <source>Nothing was written: the KORVELT cannot hold these values.</source>
        <translation>Rien n&apos;a été envoyé : le KORVELT ne peut pas enregistrer ces valeurs.</translation>
    </message>
    <message>
        <source>Correct them and write again.</source>
        <translation>Corrigez-les et renvoyez la programmation.</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <extracomment>Status: a command was stopped and nothing on the KORVELT changed</extracomment>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Written, not verified (cancelled)</source>
        <extracomment>Status: checking what was written was stopped</extracomment>
        <translation>Envoyé, non vérifié (annulé)</translation>
    </message>
    <message>
        <source>Cancelled: the KORVELT holds part of the old and part of the new schedule. Write again.</source>
        <translation>Annulé : le KORVELT contient en partie l&apos;ancienne et en partie la nouvelle programmation. Renvoyez-la.</translation>
    </message>
    <message>
        <source>%1, serial %2</source>
        <extracomment>The KORVELT that answered: %1 is its firmware version, %2 its serial number</extracomment>
        <translation>%1, n° série %2</translation>
    </message>
    <message>
        <source>Vuradod Version:%1</source>
        <extracomment>Device log: %1 is the KORVELT&apos;s firmware version; &quot;Vuradod&quot; is the maker&apos;s own word</extracomment>
        <translation>Version Vuradod : %1</translation>
    </message>
    <message>
        <source>Serial Number: %1</source>
        <extracomment>Device log: %1 is the KORVELT&apos;s serial number</extracomment>
        <translation>Numéro de série : %1</translation>
    </message>
    <message>
        <source>Verified: the KORVELT holds this schedule</source>
        <extracomment>Status after a write that was read back</extracomment>
        <translation>Vérifié : programmation dans le KORVELT</translation>
    </message>
    <message>
        <source>Written, not verified</source>
        <translation>Envoyé, non vérifié</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <extracomment>Message after a write to the KORVELT</extracomment>
        <translation>Transfert terminé</translation>
    </message>
    <message>
        <source>Read from KORVELT</source>
        <extracomment>Status after a read</extracomment>
        <translation>Lu dans le KORVELT</translation>
    </message>
    <message>
        <source>Read Complete</source>
        <translation>Lecture terminée</translation>
    </message>
    <message>
        <source>Identical to the KORVELT</source>
        <extracomment>Status after a comparison</extracomment>
        <translation>Identique au KORVELT</translation>
    </message>
    <message>
        <source>1 difference from the KORVELT</source>
        <translation>1 différence avec le KORVELT</translation>
    </message>
    <message numerus="yes">
        <source>%n differences from the KORVELT</source>
        <translation>
            <numerusform>%n différence avec le KORVELT</numerusform>
            <numerusform>%n différences avec le KORVELT</numerusform>
        </translation>
    </message>
    <message>
        <source>The KORVELT&apos;s schedule was taken</source>
        <extracomment>Status: the window took the schedule read from the KORVELT</extracomment>
        <translation>La programmation du KORVELT a été reprise</translation>
    </message>
    <message>
        <source>KORVELT connected</source>
        <translation>KORVELT connecté</translation>
    </message>
    <message>
        <source>The KORVELT&apos;s clock holds no valid time</source>
        <translation>Horloge du KORVELT sans heure valide</translation>
    </message>
    <message>
        <source>PC %1: %2</source>
        <extracomment>Status after Read Time: %1 is the computer&apos;s time, %2 how far the KORVELT&apos;s clock is from it</extracomment>
        <translation>PC %1 : %2</translation>
    </message>
    <message>
        <source>Cannot find KORVELT</source>
        <extracomment>%1 is the system&apos;s reason, %2 what to do about it</extracomment>
        <translation>KORVELT introuvable</translation>
    </message>
    <message>
        <source>Cannot find KORVELT
A KORVELT was found but could not be opened (%1). %2</source>
        <translation>KORVELT introuvable
Un KORVELT a été trouvé mais n&apos;a pas pu être ouvert (%1). %2</translation>
    </message>
    <message>
        <source>No KORVELT found</source>
        <translation>Aucun KORVELT trouvé</translation>
    </message>
    <message>
        <source>Program Mode</source>
        <extracomment>The KORVELT is being set up at its own keys and takes no commands</extracomment>
        <translation>Mode mise à jour</translation>
    </message>
    <message>
        <source>KORVELT is in Program Mode</source>
        <translation>Le KORVELT est en mode mise à jour</translation>
    </message>
    <message>
        <source>Not a KORVELT time controller</source>
        <translation>Pas un programmateur horaire KORVELT</translation>
    </message>
    <message>
        <source>Stopped: not a KORVELT time controller</source>
        <translation>Arrêté : pas un programmateur KORVELT</translation>
    </message>
    <message>
        <source>Application is not a KORVELT Time Control</source>
        <translation>L&apos;appareil n&apos;est pas un KORVELT Time Control</translation>
    </message>
    <message>
        <source>Not verified</source>
        <translation>Non vérifié</translation>
    </message>
    <message>
        <source>block %1 reads back as erased memory</source>
        <extracomment>%1 is the block&apos;s number</extracomment>
        <translation>le bloc %1 se relit comme une mémoire effacée</translation>
    </message>
    <message>
        <source>block %1 reads back as values that are not times or dates</source>
        <extracomment>%1 is the block&apos;s number</extracomment>
        <translation>le bloc %1 se relit avec des valeurs qui ne sont ni des heures ni des dates</translation>
    </message>
    <message>
        <source>Read failed</source>
        <translation>Échec de la lecture</translation>
    </message>
    <message>
        <source>KORVELT sent invalid schedule data.
Block %1</source>
        <extracomment>%1 is the block&apos;s number</extracomment>
        <translation>Le KORVELT a envoyé des données de programmation non valides.
Bloc %1</translation>
    </message>
    <message>
        <source>KORVELT not answering</source>
        <translation>KORVELT sans réponse</translation>
    </message>
    <message>
        <source>Stopped: no answer</source>
        <translation>Arrêté : pas de réponse</translation>
    </message>
    <message>
        <source>No KORVELT connected</source>
        <translation>Aucun KORVELT connecté</translation>
    </message>
    <message>
        <source>Stopped: unplugged</source>
        <translation>Arrêté : KORVELT débranché</translation>
    </message>
    <message>
        <source>The schedule has changed since it was written to the KORVELT</source>
        <extracomment>Status: the window&apos;s schedule was edited, loaded or undone after it was written</extracomment>
        <translation>La programmation a changé depuis son envoi au KORVELT</translation>
    </message>
    <message>
        <source>Stopped, no answer: the KORVELT holds part of the old and part of the new schedule. Write again.</source>
        <translation>Arrêté, pas de réponse : le KORVELT contient en partie l&apos;ancienne et en partie la nouvelle programmation. Renvoyez-la.</translation>
    </message>
    <message>
        <source>Stopped, unplugged: the KORVELT holds part of the old and part of the new schedule. Write again.</source>
        <translation>Arrêté, KORVELT débranché : le KORVELT contient en partie l&apos;ancienne et en partie la nouvelle programmation. Renvoyez-la.</translation>
    </message>
</context>
<context>
    <name>korvelt::HelpMenu</name>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Mode d&apos;emploi</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>System</source>
        <comment>the desktop&apos;s language</comment>
        <translation>Système</translation>
    </message>
    <message>
        <source>The language changes when the program is started again.</source>
        <translation>La nouvelle langue prendra effet au prochain démarrage du logiciel.</translation>
    </message>
</context>
<context>
    <name>korvelt::HelpWindow</name>
    <message>
        <source>Back</source>
        <extracomment>Button of the help window; keep it short</extracomment>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Type in the keyword to find:</source>
        <translation>Tapez le mot-clé à rechercher :</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>KORVELT Time Control Help</source>
        <translation>Aide de KORVELT Time Control</translation>
    </message>
</context>
<context>
    <name>korvelt::HolidaysDialog</name>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Calendar year</source>
        <translation>Année civile</translation>
    </message>
    <message>
        <source>The next 12 months from today</source>
        <translation>Les 12 mois à venir</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Add Country</source>
        <translation>Ajouter le pays</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Load Rules…</source>
        <translation>Charger des règles…</translation>
    </message>
    <message>
        <source>Save Rules…</source>
        <translation>Enregistrer les règles…</translation>
    </message>
    <message>
        <source>Own rule:</source>
        <translation>Votre règle :</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>Ajouter la règle</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Jours fériés</translation>
    </message>
    <message>
        <source>With fewer than %1 holidays the other special dates</source>
        <translation>S&apos;il y a moins de %1 jours fériés, les autres dates spéciales</translation>
    </message>
    <message>
        <source>keep their dates</source>
        <translation>conservent leur date</translation>
    </message>
    <message>
        <source>repeat the last holiday</source>
        <translation>reprennent le dernier jour férié</translation>
    </message>
    <message>
        <source>Fill Special Dates</source>
        <translation>Remplir les dates spéciales</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Holidays</source>
        <comment>window title</comment>
        <translation>Jours fériés</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>preset and its code</comment>
        <extracomment>A preset in the list: %1 is its country or region, %2 its short code</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Fixed date</source>
        <translation>Date fixe</translation>
    </message>
    <message>
        <source>Days from Easter Sunday</source>
        <translation>Jours par rapport à Pâques</translation>
    </message>
    <message>
        <source>Weekday of a month</source>
        <translation>Jour de semaine du mois</translation>
    </message>
    <message>
        <source>Last weekday of a month</source>
        <translation>Dernier jour de semaine du mois</translation>
    </message>
    <message>
        <source>Stays on a weekend</source>
        <translation>Reste sur le week-end</translation>
    </message>
    <message>
        <source>On a weekend, the next Monday</source>
        <translation>Le week-end : lundi suivant</translation>
    </message>
    <message>
        <source>Saturday to Friday, Sunday to Monday</source>
        <translation>Samedi au vendredi, dimanche au lundi</translation>
    </message>
    <message>
        <source>Sunday to the Saturday before</source>
        <translation>Dimanche au samedi précédent</translation>
    </message>
    <message>
        <source>Sunday to the next Monday</source>
        <translation>Dimanche au lundi suivant</translation>
    </message>
    <message>
        <source>On that date</source>
        <translation>À cette date</translation>
    </message>
    <message>
        <source>The weekday before it</source>
        <translation>Le jour de semaine précédent</translation>
    </message>
    <message>
        <source>The weekday after it</source>
        <translation>Le jour de semaine suivant</translation>
    </message>
    <message>
        <source>The weekday on or before it</source>
        <translation>Ce jour ou le précédent</translation>
    </message>
    <message>
        <source>The weekday on or after it</source>
        <translation>Ce jour ou le suivant</translation>
    </message>
    <message>
        <source>any year</source>
        <translation>toute année</translation>
    </message>
    <message>
        <source>from </source>
        <extracomment>Prefix of the first-year box, before the year</extracomment>
        <translation>à partir de </translation>
    </message>
    <message>
        <source>until </source>
        <extracomment>Prefix of the last-year box, before the year</extracomment>
        <translation>jusqu&apos;à </translation>
    </message>
    <message>
        <source>every </source>
        <extracomment>Prefix of the every-how-many-years box, before the number</extracomment>
        <translation>tous les </translation>
    </message>
    <message>
        <source> years</source>
        <extracomment>Suffix of the every-how-many-years box, after the number (2 or more)</extracomment>
        <translation> ans</translation>
    </message>
    <message>
        <source>every year</source>
        <translation>chaque année</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>holiday name</comment>
        <extracomment>Placeholder of the own rule&apos;s name box</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Column headings of the holidays: the date, its weekday, the holiday&apos;s name, the special date&apos;s number</extracomment>
        <translation>Date</translation>
    </message>
    <message>
        <source>Day</source>
        <comment>weekday column</comment>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Jour férié</translation>
    </message>
    <message>
        <source>No.</source>
        <comment>special date number column</comment>
        <translation>N°</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Rules</source>
        <comment>accessible name of the rule list</comment>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Remove rule</source>
        <translation>Retirer la règle</translation>
    </message>
    <message>
        <source>Load rules</source>
        <translation>Charger des règles</translation>
    </message>
    <message>
        <source>Save rules</source>
        <translation>Enregistrer les règles</translation>
    </message>
    <message>
        <source>Own rule&apos;s name</source>
        <translation>Nom de votre règle</translation>
    </message>
    <message>
        <source>Own rule&apos;s kind</source>
        <translation>Type de votre règle</translation>
    </message>
    <message>
        <source>Own rule&apos;s day</source>
        <translation>Jour de votre règle</translation>
    </message>
    <message>
        <source>Own rule&apos;s weekday</source>
        <translation>Jour de la semaine de votre règle</translation>
    </message>
    <message>
        <source>Own rule&apos;s month</source>
        <translation>Mois de votre règle</translation>
    </message>
    <message>
        <source>Own rule on a weekend</source>
        <translation>Votre règle quand la date tombe un week-end</translation>
    </message>
    <message>
        <source>Own rule on the date or a weekday before or after</source>
        <translation>Votre règle : la date même ou un jour de semaine précédent ou suivant</translation>
    </message>
    <message>
        <source>Weekday before or after</source>
        <translation>Jour de semaine précédent ou suivant</translation>
    </message>
    <message>
        <source>Own rule&apos;s first year</source>
        <translation>Première année de votre règle</translation>
    </message>
    <message>
        <source>Own rule&apos;s last year</source>
        <translation>Dernière année de votre règle</translation>
    </message>
    <message>
        <source>Own rule every how many years</source>
        <translation>Intervalle en années de votre règle</translation>
    </message>
    <message>
        <source>Holidays of the period</source>
        <translation>Jours fériés de la période</translation>
    </message>
    <message>
        <source>Other special dates keep their dates</source>
        <translation>Les autres dates spéciales conservent leur date</translation>
    </message>
    <message>
        <source>Other special dates repeat the last holiday</source>
        <translation>Les autres dates spéciales reprennent le dernier jour férié</translation>
    </message>
    <message numerus="yes">
        <source>Added the %n rules of %1.</source>
        <extracomment>%n is how many rules (always several), %1 the country or region</extracomment>
        <translation>
            <numerusform>%1 : %n règle ajoutée.</numerusform>
            <numerusform>%1 : %n règles ajoutées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n rules of %1 are in the list already: none added again.</source>
        <extracomment>%n is how many rules (always several), %1 the country or region</extracomment>
        <translation>
            <numerusform>%1 : %n règle figure déjà dans la liste ; elle n&apos;a pas été ajoutée à nouveau.</numerusform>
            <numerusform>%1 : les %n règles figurent déjà dans la liste ; aucune n&apos;a été ajoutée à nouveau.</numerusform>
        </translation>
    </message>
    <message>
        <source>Added 1 rule of %1; 1 is in the list already.</source>
        <extracomment>%1 is the country or region</extracomment>
        <translation>%1 : 1 règle ajoutée ; 1 figurait déjà dans la liste.</translation>
    </message>
    <message numerus="yes">
        <source>Added 1 rule of %1; %n are in the list already.</source>
        <extracomment>%1 is the country or region, %n how many rules were in the list already</extracomment>
        <translation>
            <numerusform>%1 : 1 règle ajoutée ; %n figurait déjà dans la liste.</numerusform>
            <numerusform>%1 : 1 règle ajoutée ; %n figuraient déjà dans la liste.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %n rules of %1; 1 is in the list already.</source>
        <extracomment>%n is how many rules were added, %1 the country or region</extracomment>
        <translation>
            <numerusform>%1 : %n règle ajoutée ; 1 figurait déjà dans la liste.</numerusform>
            <numerusform>%1 : %n règles ajoutées ; 1 figurait déjà dans la liste.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %n rules of %1; %2 are in the list already.</source>
        <extracomment>%n is how many rules were added, %1 the country or region, %2 how many were in the list already</extracomment>
        <translation>
            <numerusform>%1 : %n règle ajoutée ; %2 figuraient déjà dans la liste.</numerusform>
            <numerusform>%1 : %n règles ajoutées ; %2 figuraient déjà dans la liste.</numerusform>
        </translation>
    </message>
    <message>
        <source>days </source>
        <extracomment>Prefix of the number box of a rule counted from Easter, before the number of days</extracomment>
        <translation>jours </translation>
    </message>
    <message>
        <source>no. </source>
        <comment>which weekday of the month</comment>
        <extracomment>Prefix of the number box of a rule&apos;s nth weekday, before the number</extracomment>
        <translation>n° </translation>
    </message>
    <message>
        <source>Which weekday of the month</source>
        <translation>Rang du jour de semaine dans le mois</translation>
    </message>
    <message>
        <source>Give the rule a name.</source>
        <translation>Donnez un nom à la règle.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in the list already: not added again.</source>
        <extracomment>%1 is the rule in words</extracomment>
        <translation>« %1 » figure déjà dans la liste : elle n&apos;a pas été ajoutée à nouveau.</translation>
    </message>
    <message>
        <source>Added &quot;%1&quot;.</source>
        <extracomment>%1 is the rule in words</extracomment>
        <translation>Règle ajoutée : « %1 ».</translation>
    </message>
    <message>
        <source>Removed 1 rule.</source>
        <translation>1 règle retirée.</translation>
    </message>
    <message numerus="yes">
        <source>Removed %n rules.</source>
        <translation>
            <numerusform>%n règle retirée.</numerusform>
            <numerusform>%n règles retirées.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 was not loaded.
%2</source>
        <extracomment>%1 is the file&apos;s name, %2 why it was not loaded</extracomment>
        <translation>%1 n&apos;a pas été chargé.
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
        <translation>non retenu</translation>
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
        <translation>Aucun jour férié dans cette période : les dates spéciales restent telles quelles.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more, marked in the list</source>
        <extracomment>%1 names the first holidays left out; %n how many more were left out</extracomment>
        <translation>
            <numerusform>%1 et %n autre, signalé dans la liste</numerusform>
            <numerusform>%1 et %n autres, signalés dans la liste</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n holidays: the KORVELT holds %2, the first %2 are used. Left out: %1.</source>
        <extracomment>%n is how many holidays there are (more than %2), %1 those left out, %2 how many the KORVELT holds (16)</extracomment>
        <translation>
            <numerusform>%n jour férié : le KORVELT n&apos;en accepte que %2, les %2 premiers sont utilisés. Non retenus : %1.</numerusform>
            <numerusform>%n jours fériés : le KORVELT n&apos;en accepte que %2, les %2 premiers sont utilisés. Non retenus : %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 holidays fill special dates 1 to 1.</source>
        <translation>1 jour férié remplit la date spéciale 1.</translation>
    </message>
    <message numerus="yes">
        <source>%n holidays fill special dates 1 to %n.</source>
        <extracomment>%n is how many holidays there are (2 to 16)</extracomment>
        <translation>
            <numerusform>%n jour férié remplit les dates spéciales 1 à %n.</numerusform>
            <numerusform>%n jours fériés remplissent les dates spéciales 1 à %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Left out: %1</source>
        <extracomment>%1 lists the holidays left out</extracomment>
        <translation>Non retenus : %1</translation>
    </message>
    <message>
        <source>1 rule added replaces the same rule of %1.</source>
        <extracomment>%1 is the country whose rule a region&apos;s rule replaced, ticked or not as the region has it</extracomment>
        <translation>1 règle ajoutée remplace la même règle de %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n rules added replace the same rules of %1.</source>
        <translation>
            <numerusform>%n règle ajoutée remplace la même règle de %1.</numerusform>
            <numerusform>%n règles ajoutées remplacent les mêmes règles de %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 holiday fills special date 1; special dates %1 to %2 repeat it.</source>
        <extracomment>The special dates after the one holiday repeat it; %1 is the first of them, %2 the last</extracomment>
        <translation>1 jour férié remplit la date spéciale 1 ; les dates spéciales %1 à %2 le reprennent.</translation>
    </message>
    <message numerus="yes">
        <source>%n holidays fill special dates 1 to %n; special date %1 repeats the last one.</source>
        <extracomment>%n is how many holidays there are (one fewer than the special dates); %1 is the last special date, which repeats the last holiday</extracomment>
        <translation>
            <numerusform>%n jour férié remplit les dates spéciales 1 à %n ; la date spéciale %1 reprend le dernier.</numerusform>
            <numerusform>%n jours fériés remplissent les dates spéciales 1 à %n ; la date spéciale %1 reprend le dernier.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n holidays fill special dates 1 to %n; special dates %1 to %2 repeat the last one.</source>
        <extracomment>%n is how many holidays there are (2 to 14); %1 and %2 are the first and the last special date that repeat the last holiday</extracomment>
        <translation>
            <numerusform>%n jour férié remplit les dates spéciales 1 à %n ; les dates spéciales %1 à %2 reprennent le dernier.</numerusform>
            <numerusform>%n jours fériés remplissent les dates spéciales 1 à %n ; les dates spéciales %1 à %2 reprennent le dernier.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korvelt::MainActions</name>
    <message>
        <source>&amp;Load File…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Opens the user guide</extracomment>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Write To KORVELT</source>
        <translation>E&amp;nvoyer au KORVELT</translation>
    </message>
    <message>
        <source>&amp;Read From KORVELT</source>
        <translation>&amp;Lire le KORVELT</translation>
    </message>
    <message>
        <source>&amp;Compare with KORVELT</source>
        <translation>&amp;Comparer au KORVELT</translation>
    </message>
    <message>
        <source>Set &amp;Time</source>
        <extracomment>Sets the KORVELT&apos;s clock</extracomment>
        <translation>&amp;Régler l&apos;heure</translation>
    </message>
    <message>
        <source>Read T&amp;ime</source>
        <extracomment>Reads the KORVELT&apos;s clock</extracomment>
        <translation>Lire l&apos;&amp;heure</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Stops the command running on the KORVELT</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation>Exporter P&amp;DF…</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>%1 is the step to undo, for example &quot;Edit slot 3 of output 2&quot;</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annuler : %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>%1 is the step to redo, for example &quot;Edit slot 3 of output 2&quot;</extracomment>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir : %1</translation>
    </message>
    <message>
        <source>&amp;Load File</source>
        <extracomment>Button of Load File…; keep it short</extracomment>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save File</source>
        <extracomment>Button of Save; keep it short</extracomment>
        <translation>&amp;Enregistrer</translation>
    </message>
</context>
<context>
    <name>korvelt::SchedulePages</name>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Times</source>
        <extracomment>Tab of the weekly slots</extracomment>
        <translation>Horaires</translation>
    </message>
    <message>
        <source>Special Times</source>
        <extracomment>Tab of the slots of the special dates</extracomment>
        <translation>Horaires spéciaux</translation>
    </message>
    <message>
        <source>Daylight Saving</source>
        <translation>Heure d&apos;été</translation>
    </message>
    <message>
        <source>Week</source>
        <extracomment>Tab of the picture of the week and the schedule check</extracomment>
        <translation>Semaine</translation>
    </message>
</context>
<context>
    <name>korvelt::SlotGridPage</name>
    <message>
        <source>Output</source>
        <comment>switched output number</comment>
        <extracomment>Label of the box that chooses the output the grid shows</extracomment>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>slots</comment>
        <extracomment>Grid&apos;s menu: copies the selected slots</extracomment>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <comment>slots</comment>
        <extracomment>Grid&apos;s menu: pastes the slots copied</extracomment>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Copy output %1 to…</source>
        <extracomment>Grid&apos;s menu; %1 is the output&apos;s number</extracomment>
        <translation>Copier la sortie %1 vers…</translation>
    </message>
    <message>
        <source>Slot</source>
        <comment>slot number</comment>
        <extracomment>Heading of the column of slot numbers</extracomment>
        <translation>Plage</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>slot start time</comment>
        <extracomment>Heading of the column of the times a slot switches on</extracomment>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <comment>slot end time</comment>
        <extracomment>Heading of the column of the times a slot switches off</extracomment>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Edit slot %1 of output %2</source>
        <extracomment>Undo step; %1 is the slot&apos;s number, %2 the output&apos;s</extracomment>
        <translation>modifier la plage %1 de la sortie %2</translation>
    </message>
    <message>
        <source>Edit special slot %1 of output %2</source>
        <translation>modifier la plage spéciale %1 de la sortie %2</translation>
    </message>
    <message>
        <source>Paste 1 slot into output %1</source>
        <extracomment>Undo step; %1 is the output&apos;s number</extracomment>
        <translation>coller 1 plage dans la sortie %1</translation>
    </message>
    <message numerus="yes">
        <source>Paste %n slots into output %1</source>
        <extracomment>Undo step; %n is how many slots, %1 the output&apos;s number</extracomment>
        <translation>
            <numerusform>coller %n plage dans la sortie %1</numerusform>
            <numerusform>coller %n plages dans la sortie %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Paste 1 special slot into output %1</source>
        <extracomment>Undo step; %1 is the output&apos;s number</extracomment>
        <translation>coller 1 plage spéciale dans la sortie %1</translation>
    </message>
    <message numerus="yes">
        <source>Paste %n special slots into output %1</source>
        <extracomment>Undo step; %n is how many slots, %1 the output&apos;s number</extracomment>
        <translation>
            <numerusform>coller %n plage spéciale dans la sortie %1</numerusform>
            <numerusform>coller %n plages spéciales dans la sortie %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Clear 1 slot of output %1</source>
        <extracomment>Undo step; %1 is the output&apos;s number</extracomment>
        <translation>effacer 1 plage de la sortie %1</translation>
    </message>
    <message numerus="yes">
        <source>Clear %n slots of output %1</source>
        <extracomment>Undo step; %n is how many slots, %1 the output&apos;s number</extracomment>
        <translation>
            <numerusform>effacer %n plage de la sortie %1</numerusform>
            <numerusform>effacer %n plages de la sortie %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Clear 1 special slot of output %1</source>
        <extracomment>Undo step; %1 is the output&apos;s number</extracomment>
        <translation>effacer 1 plage spéciale de la sortie %1</translation>
    </message>
    <message numerus="yes">
        <source>Clear %n special slots of output %1</source>
        <extracomment>Undo step; %n is how many slots, %1 the output&apos;s number</extracomment>
        <translation>
            <numerusform>effacer %n plage spéciale de la sortie %1</numerusform>
            <numerusform>effacer %n plages spéciales de la sortie %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy the normal times of output %1 to:</source>
        <extracomment>Copy Output dialog, above the outputs to tick; %1 is the output copied</extracomment>
        <translation>Copier les horaires normaux de la sortie %1 vers :</translation>
    </message>
    <message>
        <source>Copy the special times of output %1 to:</source>
        <translation>Copier les horaires spéciaux de la sortie %1 vers :</translation>
    </message>
    <message>
        <source>Copy the normal times of output %1 to output %2</source>
        <extracomment>Undo step; %1 is the output copied, %2 the one copied to</extracomment>
        <translation>copier les horaires normaux de la sortie %1 vers la sortie %2</translation>
    </message>
    <message numerus="yes">
        <source>Copy the normal times of output %1 to %n outputs</source>
        <extracomment>Undo step; %1 is the output copied, %n how many outputs it was copied to</extracomment>
        <translation>
            <numerusform>copier les horaires normaux de la sortie %1 vers %n sortie</numerusform>
            <numerusform>copier les horaires normaux de la sortie %1 vers %n sorties</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy the special times of output %1 to output %2</source>
        <extracomment>Undo step; %1 is the output copied, %2 the one copied to</extracomment>
        <translation>copier les horaires spéciaux de la sortie %1 vers la sortie %2</translation>
    </message>
    <message numerus="yes">
        <source>Copy the special times of output %1 to %n outputs</source>
        <extracomment>Undo step; %1 is the output copied, %n how many outputs it was copied to</extracomment>
        <translation>
            <numerusform>copier les horaires spéciaux de la sortie %1 vers %n sortie</numerusform>
            <numerusform>copier les horaires spéciaux de la sortie %1 vers %n sorties</numerusform>
        </translation>
    </message>
    <message>
        <source>Normal times, output %1</source>
        <extracomment>Accessible name of the grid; %1 is the output&apos;s number</extracomment>
        <translation>Horaires normaux, sortie %1</translation>
    </message>
    <message>
        <source>Special times, output %1</source>
        <translation>Horaires spéciaux, sortie %1</translation>
    </message>
</context>
<context>
    <name>korvelt::SpecialDateEdit</name>
    <message>
        <source>%1, past</source>
        <extracomment>Beside a special date in the past: %1 is its short weekday name</extracomment>
        <translation>%1, passée</translation>
    </message>
    <message>
        <source>%1 (in the past)</source>
        <translation>%1 (date passée)</translation>
    </message>
    <message>
        <source>Special date %1: %2 is outside the years %3 to %4. It keeps %5.</source>
        <extracomment>%1 is the special date&apos;s number, %2 the text typed, %3 and %4 the first and last year, %5 the date it keeps</extracomment>
        <translation>Date spéciale %1 : %2 est hors des années %3 à %4. Elle reste au %5.</translation>
    </message>
    <message>
        <source>Special date %1: %2 is not a date. It keeps %3.</source>
        <extracomment>%1 is the special date&apos;s number, %2 the text typed, %3 the date it keeps</extracomment>
        <translation>Date spéciale %1 : %2 n&apos;est pas une date. Elle reste au %3.</translation>
    </message>
</context>
<context>
    <name>korvelt::SpecialDatesBox</name>
    <message>
        <source>Special Dates</source>
        <translation>Dates spéciales</translation>
    </message>
    <message>
        <source>Special date %1</source>
        <extracomment>%1 is the special date&apos;s number, 1 to 16</extracomment>
        <translation>Date spéciale %1</translation>
    </message>
    <message>
        <source>Holidays…</source>
        <extracomment>Button that opens the Holidays dialog; keep it short</extracomment>
        <translation>Jours fériés…</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Jours fériés</translation>
    </message>
    <message>
        <source>Fill the special dates with the holidays of a year</source>
        <translation>Remplir les dates spéciales avec les jours fériés d&apos;une année</translation>
    </message>
    <message>
        <source>(not set)</source>
        <extracomment>A special date&apos;s picker that holds no date</extracomment>
        <translation>(non définie)</translation>
    </message>
    <message>
        <source>Change special date %1</source>
        <extracomment>Undo step; %1 is the special date&apos;s number, 1 to 16</extracomment>
        <translation>modifier la date spéciale %1</translation>
    </message>
    <message>
        <source>Fill Special Dates</source>
        <extracomment>Undo step</extracomment>
        <translation>remplir les dates spéciales</translation>
    </message>
</context>
<context>
    <name>korvelt::SpecialTimesPage</name>
    <message>
        <source>Special Times</source>
        <extracomment>Title of the grid of the slots of the special dates</extracomment>
        <translation>Horaires spéciaux</translation>
    </message>
    <message>
        <source>Special times output</source>
        <extracomment>The box that chooses the output the grid shows</extracomment>
        <translation>Sortie des horaires spéciaux</translation>
    </message>
</context>
<context>
    <name>korvelt::TMainForm</name>
    <message>
        <source>KORVELT Time Control Vesion: %1</source>
        <extracomment>The window&apos;s caption; &quot;Vesion&quot; is spelt so on purpose in English. %1 is the version</extracomment>
        <translation>KORVELT Time Control Version : %1</translation>
    </message>
    <message>
        <source>Edit</source>
        <extracomment>Undo step of an edit committed when a command starts</extracomment>
        <translation>modification</translation>
    </message>
    <message>
        <source>Read From KORVELT</source>
        <extracomment>Undo step: the schedule was read from the KORVELT</extracomment>
        <translation>lire le KORVELT</translation>
    </message>
    <message>
        <source>Take the KORVELT&apos;s schedule</source>
        <extracomment>Undo step: the window took the schedule the comparison read</extracomment>
        <translation>reprendre la programmation du KORVELT</translation>
    </message>
    <message>
        <source>Replace the schedule</source>
        <translation>remplacer la programmation</translation>
    </message>
</context>
<context>
    <name>korvelt::TimeGrid</name>
    <message>
        <source>Columns</source>
        <comment>accessible name of the grid&apos;s column headings</comment>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>Slots</source>
        <comment>accessible name of the grid&apos;s slot numbers</comment>
        <translation>Plages</translation>
    </message>
    <message>
        <source>Slot</source>
        <comment>accessible name of the grid&apos;s corner</comment>
        <translation>Plage</translation>
    </message>
</context>
<context>
    <name>korvelt::TimeGridDelegate</name>
    <message>
        <source>Time</source>
        <comment>accessible name of a time cell&apos;s editor</comment>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Day</source>
        <comment>accessible name of a day cell&apos;s editor</comment>
        <translation>Jour</translation>
    </message>
</context>
<context>
    <name>korvelt::TimesPage</name>
    <message>
        <source>Set Days</source>
        <extracomment>Grid&apos;s menu: sets the days of the slot</extracomment>
        <translation>Définir les jours</translation>
    </message>
    <message>
        <source>All</source>
        <comment>days</comment>
        <extracomment>Set Days: every day on</extracomment>
        <translation>Tous</translation>
    </message>
    <message>
        <source>None</source>
        <comment>days</comment>
        <extracomment>Set Days: every day off</extracomment>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <extracomment>Set Days: Monday to Friday on</extracomment>
        <translation>Jours ouvrés</translation>
    </message>
    <message>
        <source>Weekends</source>
        <extracomment>Set Days: Saturday and Sunday on</extracomment>
        <translation>Week-ends</translation>
    </message>
    <message>
        <source>Normal Times</source>
        <extracomment>Title of the grid of the weekly slots</extracomment>
        <translation>Horaires normaux</translation>
    </message>
    <message>
        <source>Normal times output</source>
        <extracomment>The box that chooses the output the grid shows</extracomment>
        <translation>Sortie des horaires normaux</translation>
    </message>
    <message>
        <source>Set Days of slot %1 of output %2</source>
        <extracomment>Undo step; %1 is the slot&apos;s number, %2 the output&apos;s</extracomment>
        <translation>définir les jours de la plage %1 de la sortie %2</translation>
    </message>
</context>
<context>
    <name>korvelt::WeekPage</name>
    <message>
        <source>Normal week</source>
        <extracomment>Picks the picture of the week of the normal times</extracomment>
        <translation>Semaine normale</translation>
    </message>
    <message>
        <source>Special date %1</source>
        <extracomment>Picks the picture of a special date; %1 is its number, 1 to 16</extracomment>
        <translation>Date spéciale %1</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation>Exporter P&amp;DF…</translation>
    </message>
    <message>
        <source>A report of the whole schedule, in a preview to print from (Ctrl+P)</source>
        <translation>Le rapport de toute la programmation, dans un aperçu avant impression (Ctrl+P)</translation>
    </message>
    <message>
        <source>The same report saved as a PDF file</source>
        <translation>Le même rapport, enregistré dans un fichier PDF</translation>
    </message>
    <message>
        <source>Week or special date</source>
        <translation>Semaine ou date spéciale</translation>
    </message>
    <message>
        <source>Schedule check</source>
        <translation>Contrôle de la programmation</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exporter PDF</translation>
    </message>
    <message>
        <source>Special date %1 (%2)</source>
        <translation>Date spéciale %1 (%2)</translation>
    </message>
    <message>
        <source>Mistake: %1</source>
        <extracomment>A finding of the schedule check that is likely wrong; %1 is the finding</extracomment>
        <translation>Erreur : %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Remarque : %1</translation>
    </message>
    <message>
        <source>The schedule check found nothing.</source>
        <translation>Le contrôle de la programmation n&apos;a rien relevé.</translation>
    </message>
    <message>
        <source>No mistakes</source>
        <extracomment>Count of the schedule check in the status area</extracomment>
        <translation>Aucune erreur</translation>
    </message>
    <message>
        <source>No mistakes, %1</source>
        <extracomment>Count of the schedule check in the status area; %1 is the count of notes (&quot;2 notes&quot;)</extracomment>
        <translation>Aucune erreur, %1</translation>
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
        <translation>La programmation contient 1 erreur possible (%1). Envoyer quand même ?</translation>
    </message>
    <message numerus="yes">
        <source>The schedule has %n possible mistakes (first: %1). Write anyway?</source>
        <extracomment>Question before a write; %n is how many mistakes, %1 the first of them</extracomment>
        <translation>
            <numerusform>La programmation contient %n erreur possible (première : %1). Envoyer quand même ?</numerusform>
            <numerusform>La programmation contient %n erreurs possibles (première : %1). Envoyer quand même ?</numerusform>
        </translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Report saved as %1</source>
        <extracomment>Status; %1 is the PDF file&apos;s name</extracomment>
        <translation>Rapport enregistré sous %1</translation>
    </message>
    <message>
        <source>The report could not be saved as &quot;%1&quot;.</source>
        <extracomment>%1 is the PDF file&apos;s path</extracomment>
        <translation>Le rapport n&apos;a pas pu être enregistré sous « %1 ».</translation>
    </message>
</context>
<context>
    <name>korvelt::WeekView</name>
    <message>
        <source>Week</source>
        <extracomment>The picture of the week</extracomment>
        <translation>Semaine</translation>
    </message>
    <message>
        <source>The times each output is on, one row for each output.</source>
        <translation>Les heures où chaque sortie est enclenchée, une ligne par sortie.</translation>
    </message>
    <message>
        <source>Output %1</source>
        <comment>switched output number</comment>
        <extracomment>A row of the week&apos;s picture; %1 is the output&apos;s number</extracomment>
        <translation>Sortie %1</translation>
    </message>
</context>
<context>
    <name>korveltctl</name>
    <message>
        <source>Usage: korveltctl [--demo [N]] COMMAND [ARGUMENTS]
Programs KORVELT time controllers from scripts.

Commands:
</source>
        <translation>Utilisation : korveltctl [--demo [N]] COMMAND [ARGUMENTS]
Programme les programmateurs horaires KORVELT depuis des scripts.

Commandes :
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
Options : --demo [N] utilise N KORVELT simulés (1 sans N), numéros de série 1 à N ;
-h ou --help et --version, aussi après une commande ; -- termine les options.
FILE - est l&apos;entrée standard. Avec plusieurs KORVELT, une ligne de résumé termine
l&apos;exécution, « 5 sur 8 envoyés et vérifiés ; 3 en échec » ; --quiet n&apos;affiche que
les erreurs (et les différences trouvées par verify). --dry-run (write, clock set,
holidays -o) indique ce qui serait fait à quel KORVELT ou fichier, en demandant
seulement aux KORVELT qui ils sont.
--json affiche un document JSON du résultat (docs/korveltctl-json.md).
Code de sortie : 0 terminé, 1 check ou verify a trouvé une différence, 2 erreur
d&apos;utilisation, 3 aucun KORVELT, un KORVELT en mode mise à jour ou pas un KORVELT,
4 erreur de fichier, 5 le KORVELT ne répond plus ou a été débranché, 6 un autre
programme communique avec le KORVELT (occupé), 130 interrompu (Ctrl+C),
143 arrêté (SIGTERM, SIGHUP).
Voir korveltctl(1).
</translation>
    </message>
    <message>
        <source>Usage: korveltctl %1</source>
        <extracomment>%1 is the command&apos;s synopsis and what it does</extracomment>
        <translation>Utilisation : korveltctl %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>  Checks the schedule in FILE and prints what it finds; exit status 1
  when it finds a likely mistake.</source>
        <translation>  Contrôle la programmation de FILE et affiche ce qu&apos;il trouve ; code de
  sortie 1 s&apos;il trouve une erreur possible.</translation>
    </message>
    <message>
        <source>  Reads the KORVELT&apos;s clock, or sets it to this computer&apos;s time (--pc,
  the default) or to the time given.</source>
        <translation>  Lit l&apos;horloge du KORVELT, ou la met à l&apos;heure de cet ordinateur (--pc,
  par défaut) ou à l&apos;heure indiquée.</translation>
    </message>
    <message>
        <source>clock set: this computer&apos;s time (the default)</source>
        <translation>clock set : l&apos;heure de cet ordinateur (par défaut)</translation>
    </message>
    <message>
        <source>clock set: the time given</source>
        <translation>clock set : l&apos;heure indiquée</translation>
    </message>
    <message>
        <source>clock read or clock set</source>
        <translation>clock read ou clock set</translation>
    </message>
    <message>
        <source>--pc, --at and --dry-run are for clock set</source>
        <translation>--pc, --at et --dry-run sont pour clock set</translation>
    </message>
    <message>
        <source>%1 of %2 clocks read</source>
        <translation>%1 horloges sur %2 lues</translation>
    </message>
    <message>
        <source>--pc or --at, not both</source>
        <translation>--pc ou --at, pas les deux</translation>
    </message>
    <message>
        <source>--at &quot;YYYY-MM-DD HH:MM:SS&quot;, in the years %1 to %2</source>
        <translation>--at « YYYY-MM-DD HH:MM:SS », dans les années %1 à %2</translation>
    </message>
    <message>
        <source>would set the clock to %1</source>
        <translation>mettrait l&apos;horloge à l&apos;heure %1</translation>
    </message>
    <message>
        <source>%1 of %2 clocks would be set</source>
        <translation>%1 horloges sur %2 seraient mises à l&apos;heure</translation>
    </message>
    <message>
        <source>%1 of %2 clocks set</source>
        <translation>%1 horloges sur %2 mises à l&apos;heure</translation>
    </message>
    <message>
        <source>the KORVELT with that serial number or at that path; again for more</source>
        <translation>le KORVELT de ce numéro de série ou à ce chemin ; à répéter pour plusieurs</translation>
    </message>
    <message>
        <source>every KORVELT attached, at once</source>
        <translation>tous les KORVELT branchés, en même temps</translation>
    </message>
    <message>
        <source>one JSON document of the result on standard output</source>
        <translation>un document JSON du résultat sur la sortie standard</translation>
    </message>
    <message>
        <source>prints only errors</source>
        <translation>n&apos;affiche que les erreurs</translation>
    </message>
    <message>
        <source>says what would be done, and does nothing</source>
        <translation>indique ce qui serait fait, sans rien faire</translation>
    </message>
    <message>
        <source>  Writes the schedule of a data file as JSON (the default) or CSV, to
  OUT or to standard output.</source>
        <translation>  Écrit la programmation d&apos;un fichier de données en JSON (par défaut) ou
  en CSV, dans OUT ou sur la sortie standard.</translation>
    </message>
    <message>
        <source>JSON (the default) or CSV</source>
        <translation>JSON (par défaut) ou CSV</translation>
    </message>
    <message>
        <source>the file made (- or none: standard output)</source>
        <translation>le fichier créé (- ou rien : sortie standard)</translation>
    </message>
    <message>
        <source>--format is json or csv</source>
        <translation>--format vaut json ou csv</translation>
    </message>
    <message>
        <source>  Prints the usage of COMMAND and the options it takes, or the tool&apos;s usage.</source>
        <translation>  Affiche l&apos;utilisation de COMMAND et ses options, ou l&apos;utilisation de l&apos;outil.</translation>
    </message>
    <message>
        <source>help takes one command</source>
        <translation>help prend une seule commande</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>commande inconnue %1</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last of a list of choices: %1 is the others, joined by commas</extracomment>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>the public holidays of a country or region</source>
        <translation>les jours fériés d&apos;un pays ou d&apos;une région</translation>
    </message>
    <message>
        <source>adds the rules of a file the Holidays dialog saved</source>
        <translation>ajoute les règles d&apos;un fichier enregistré par la boîte Jours fériés</translation>
    </message>
    <message>
        <source>the year (this year unless given)</source>
        <translation>l&apos;année (l&apos;année en cours si absente)</translation>
    </message>
    <message>
        <source>-o: the schedule whose special dates are filled</source>
        <translation>-o : la programmation dont les dates spéciales sont remplies</translation>
    </message>
    <message>
        <source>writes the schedule with the holidays as its special dates (- : standard output)</source>
        <translation>écrit la programmation avec les jours fériés comme dates spéciales (- : sortie standard)</translation>
    </message>
    <message>
        <source>the list&apos;s form</source>
        <translation>la forme de la liste</translation>
    </message>
    <message>
        <source>--preset CODE or --rules FILE is needed</source>
        <translation>--preset CODE ou --rules FILE est nécessaire</translation>
    </message>
    <message>
        <source>--preset is %1</source>
        <translation>--preset vaut %1</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1 : lecture impossible : %2</translation>
    </message>
    <message>
        <source>--json or --format %1, not both</source>
        <translation>--json ou --format %1, pas les deux</translation>
    </message>
    <message>
        <source>--format is text, csv or json</source>
        <translation>--format vaut text, csv ou json</translation>
    </message>
    <message>
        <source>--format and --json are for the list of holidays, not for -o</source>
        <translation>--format et --json sont pour la liste des jours fériés, pas pour -o</translation>
    </message>
    <message>
        <source>--year is a year from %1 to %2</source>
        <translation>--year est une année de %1 à %2</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2</source>
        <translation>%1 : écriture impossible : %2</translation>
    </message>
    <message>
        <source>%1: special dates 1 to %2 would hold the holidays of %3 (nothing written)</source>
        <translation>%1 : les dates spéciales 1 à %2 contiendraient les jours fériés de %3 (rien n&apos;est écrit)</translation>
    </message>
    <message>
        <source>%1: special dates 1 to %2 hold the holidays of %3</source>
        <translation>%1 : les dates spéciales 1 à %2 contiennent les jours fériés de %3</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>sortie standard</translation>
    </message>
    <message>
        <source>left out: %1</source>
        <extracomment>%1 is a holiday that found no special date: &quot;2027-12-26 Sun St Stephen&apos;s Day&quot;</extracomment>
        <translation>non retenu : %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argument inattendu %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The preset and the rule file the holidays come from</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The holidays&apos; source and year: &quot;Germany 2027&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>--from, --repeat-last and --dry-run go with -o</source>
        <translation>--from, --repeat-last et --dry-run vont avec -o</translation>
    </message>
    <message>
        <source>  Makes a data file of a schedule in JSON (-o - : standard output).</source>
        <translation>  Crée un fichier de données à partir d&apos;une programmation en JSON
  (-o - : sortie standard).</translation>
    </message>
    <message>
        <source>the data file made (- : standard output)</source>
        <translation>le fichier de données créé (- : sortie standard)</translation>
    </message>
    <message>
        <source>-o OUT.dat is needed</source>
        <translation>-o OUT.dat est nécessaire</translation>
    </message>
    <message>
        <source>import makes a data file, not %1; export makes JSON</source>
        <translation>import crée un fichier de données, pas %1 ; export crée du JSON</translation>
    </message>
    <message>
        <source>  Lists every KORVELT attached: path, serial number, version text,
  and &quot;program mode&quot; where it is in program mode.</source>
        <translation>  Liste chaque KORVELT branché : chemin, numéro de série, texte de version,
  et « mode mise à jour » s&apos;il est en mode mise à jour.</translation>
    </message>
    <message>
        <source>no KORVELT is attached</source>
        <translation>aucun KORVELT n&apos;est branché</translation>
    </message>
    <message>
        <source>ready</source>
        <extracomment>A KORVELT that answered who it is, in the list of those attached</extracomment>
        <translation>prêt</translation>
    </message>
    <message>
        <source>  Reads the KORVELT&apos;s schedule into OUT: JSON when OUT ends in .json
  or with --format json, else a data file (- : standard output).
  Several KORVELTs are read into the folder DIR, one file each named
  by its serial number: 1042.dat, or 1042.json with --format json.</source>
        <translation>  Lit la programmation du KORVELT dans OUT : JSON si OUT se termine par
  .json ou avec --format json, sinon un fichier de données (- : sortie
  standard). Plusieurs KORVELT sont lus dans le dossier DIR, un fichier
  chacun nommé d&apos;après son numéro de série : 1042.dat, ou 1042.json avec
  --format json.</translation>
    </message>
    <message>
        <source>the file&apos;s form (by default, told by OUT&apos;s ending)</source>
        <translation>la forme du fichier (par défaut, selon l&apos;extension de OUT)</translation>
    </message>
    <message>
        <source>%1 of %2 read</source>
        <translation>%1 sur %2 lus</translation>
    </message>
    <message>
        <source>several KORVELTs are read into a folder, not into -</source>
        <translation>plusieurs KORVELT se lisent dans un dossier, pas dans -</translation>
    </message>
    <message>
        <source>not saved: another KORVELT read has serial number %1 too; read each by its path</source>
        <translation>non enregistré : un autre KORVELT lu a aussi le numéro de série %1 ; lisez chacun par son chemin</translation>
    </message>
    <message>
        <source>not saved: the KORVELT did not say its serial number</source>
        <translation>non enregistré : le KORVELT n&apos;a pas donné son numéro de série</translation>
    </message>
    <message>
        <source>read into %1</source>
        <translation>lu dans %1</translation>
    </message>
    <message>
        <source>--format is dat or json</source>
        <translation>--format vaut dat ou json</translation>
    </message>
    <message>
        <source>--json prints to standard output: read into a file</source>
        <translation>--json écrit sur la sortie standard : lisez dans un fichier</translation>
    </message>
    <message>
        <source>  Makes the printable report of the schedule in FILE as a PDF (FILE
  with .pdf for .dat unless -o; -o - : standard output).</source>
        <translation>  Crée le rapport imprimable de la programmation de FILE en PDF (sans -o,
  FILE avec .pdf au lieu de .dat ; -o - : sortie standard).</translation>
    </message>
    <message>
        <source>the PDF (FILE with .pdf for .dat unless given; - : standard output)</source>
        <translation>le PDF (par défaut FILE avec .pdf au lieu de .dat ; - : sortie standard)</translation>
    </message>
    <message>
        <source>-o OUT.pdf is needed when FILE is -</source>
        <translation>-o OUT.pdf est nécessaire quand FILE vaut -</translation>
    </message>
    <message>
        <source>%1: the report could not be made</source>
        <translation>%1 : le rapport n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>  Reads each KORVELT and compares it with the schedule in FILE as the
  KORVELT holds it; exit status 1 when any differs, the differences
  on standard output. Nothing is written.</source>
        <translation>  Lit chaque KORVELT et le compare à la programmation de FILE telle que
  le KORVELT la contient ; code de sortie 1 si l&apos;un diffère, les
  différences sur la sortie standard. Rien n&apos;est envoyé.</translation>
    </message>
    <message>
        <source>holds %1</source>
        <translation>contient %1</translation>
    </message>
    <message>
        <source>differs from %1 in 1 place</source>
        <translation>diffère de %1 en 1 endroit</translation>
    </message>
    <message numerus="yes">
        <source>differs from %1 in %n places</source>
        <translation>
            <numerusform>diffère de %1 en %n endroit</numerusform>
            <numerusform>diffère de %1 en %n endroits</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 hold %3</source>
        <extracomment>The summary of several KORVELTs: %1 of %2 KORVELTs hold the file %3</extracomment>
        <translation>%1 sur %2 contiennent %3</translation>
    </message>
    <message>
        <source>; the clock was not set: %1</source>
        <extracomment>After &quot;written and verified&quot;: %1 is why the clock was not set</extracomment>
        <translation> ; l&apos;horloge n&apos;a pas été mise à l&apos;heure : %1</translation>
    </message>
    <message>
        <source>; clock set to %1</source>
        <extracomment>After &quot;written and verified&quot;: %1 is the time the clock was set to</extracomment>
        <translation> ; horloge mise à l&apos;heure : %1</translation>
    </message>
    <message>
        <source>waiting for KORVELTs to write %1 to (Ctrl+C ends)</source>
        <translation>attente de KORVELT auxquels envoyer %1 (Ctrl+C pour terminer)</translation>
    </message>
    <message>
        <source>%1 programmed; %2 failed</source>
        <extracomment>The line&apos;s summary: KORVELTs programmed, and those that failed</extracomment>
        <translation>%1 programmé(s) ; %2 en échec</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>pas un fichier</translation>
    </message>
    <message>
        <source>ending after this KORVELT (Ctrl+C again stops it at once)</source>
        <translation>arrêt après ce KORVELT (Ctrl+C à nouveau l&apos;arrête aussitôt)</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2; no more KORVELTs are taken</source>
        <translation>%1 : écriture impossible : %2 ; plus aucun KORVELT n&apos;est pris</translation>
    </message>
    <message>
        <source>%1 is a whole number from %2</source>
        <translation>%1 est un nombre entier à partir de %2</translation>
    </message>
    <message>
        <source>--watch writes each KORVELT plugged in: no --all, --device or --dry-run</source>
        <translation>--watch envoie à chaque KORVELT branché : pas de --all, --device ni --dry-run</translation>
    </message>
    <message>
        <source>  Writes the schedule in FILE (a data file or JSON, told by content)
  and reads it back to verify, unless --no-verify. --all writes every
  KORVELT attached at once, one line each. A schedule with values the
  KORVELT cannot hold is refused; one with likely mistakes too,
  unless --force.</source>
        <translation>  Envoie la programmation de FILE (fichier de données ou JSON, reconnu
  au contenu) et la relit pour la vérifier, sauf avec --no-verify.
  --all envoie à tous les KORVELT branchés en même temps, une ligne
  chacun. Une programmation avec des valeurs que le KORVELT ne peut pas
  contenir est refusée ; une avec des erreurs possibles aussi, sauf avec
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
        <translation>  Attend que des KORVELT soient branchés et envoie à chacun dès son
  arrivée (et met son horloge à l&apos;heure de cet ordinateur avec
  --set-clock), une ligne chacun ; un KORVELT ne reçoit un nouvel envoi
  qu&apos;après avoir été débranché. --log ajoute une ligne CSV par KORVELT :
  heure, numéro de série, version, SHA-256 de FILE, résultat, chemin,
  message, version de korveltctl. --count N termine après N KORVELT,
  --retry N réessaie un KORVELT en échec, --json affiche un objet JSON
  par ligne. Ctrl+C termine après le KORVELT en cours (un second Ctrl+C
  aussitôt) : « 3 programmé(s) ; 1 en échec ».</translation>
    </message>
    <message>
        <source>writes without reading it back</source>
        <translation>envoie sans relire</translation>
    </message>
    <message>
        <source>writes a schedule with likely mistakes too</source>
        <translation>envoie aussi une programmation avec des erreurs possibles</translation>
    </message>
    <message>
        <source>writes each KORVELT as it is plugged in, until Ctrl+C</source>
        <translation>envoie à chaque KORVELT dès son branchement, jusqu&apos;à Ctrl+C</translation>
    </message>
    <message>
        <source>--watch: sets each clock to this computer&apos;s time too</source>
        <translation>--watch : met aussi chaque horloge à l&apos;heure de cet ordinateur</translation>
    </message>
    <message>
        <source>--watch: appends a line per KORVELT to LOG.csv</source>
        <translation>--watch : ajoute une ligne par KORVELT à LOG.csv</translation>
    </message>
    <message>
        <source>--watch: ends after N KORVELTs</source>
        <translation>--watch : termine après N KORVELT</translation>
    </message>
    <message>
        <source>--watch: tries a failed KORVELT again, up to N times</source>
        <translation>--watch : réessaie un KORVELT en échec, jusqu&apos;à N fois</translation>
    </message>
    <message>
        <source>%1: not written: the KORVELT cannot hold %2 of its values</source>
        <translation>%1 : non envoyé : le KORVELT ne peut pas contenir %2 de ses valeurs</translation>
    </message>
    <message>
        <source>%1: not written: the check found 1 likely mistake (--force writes it all the same)</source>
        <translation>%1 : non envoyé : le contrôle a trouvé 1 erreur possible (--force l&apos;envoie quand même)</translation>
    </message>
    <message numerus="yes">
        <source>%1: not written: the check found %n likely mistakes (--force writes it all the same)</source>
        <translation>
            <numerusform>%1 : non envoyé : le contrôle a trouvé %n erreur possible (--force l&apos;envoie quand même)</numerusform>
            <numerusform>%1 : non envoyé : le contrôle a trouvé %n erreurs possibles (--force l&apos;envoie quand même)</numerusform>
        </translation>
    </message>
    <message>
        <source>--set-clock, --log, --count and --retry are for --watch</source>
        <translation>--set-clock, --log, --count et --retry sont pour --watch</translation>
    </message>
    <message>
        <source>would write %1 and verify it</source>
        <translation>enverrait %1 et le vérifierait</translation>
    </message>
    <message>
        <source>would write %1</source>
        <translation>enverrait %1</translation>
    </message>
    <message>
        <source>%1 of %2 would be written and verified</source>
        <translation>%1 sur %2 recevraient l&apos;envoi et seraient vérifiés</translation>
    </message>
    <message>
        <source>%1 of %2 would be written</source>
        <translation>%1 sur %2 recevraient l&apos;envoi</translation>
    </message>
    <message>
        <source>%1 of %2 written and verified</source>
        <translation>%1 sur %2 envoyés et vérifiés</translation>
    </message>
    <message>
        <source>%1 of %2 written</source>
        <translation>%1 sur %2 envoyés</translation>
    </message>
    <message>
        <source>--device or --all, not both</source>
        <translation>--device ou --all, pas les deux</translation>
    </message>
    <message>
        <source>%1 KORVELTs are attached (%2): name one with --device, or --all</source>
        <translation>%1 KORVELT sont branchés (%2) : désignez-en un avec --device, ou --all</translation>
    </message>
    <message>
        <source>the KORVELT is in program mode</source>
        <translation>le KORVELT est en mode mise à jour</translation>
    </message>
    <message>
        <source>not a KORVELT time controller</source>
        <translation>pas un programmateur horaire KORVELT</translation>
    </message>
    <message>
        <source>the KORVELT stopped answering</source>
        <translation>le KORVELT ne répond plus</translation>
    </message>
    <message>
        <source>no KORVELT is attached at %1</source>
        <translation>aucun KORVELT n&apos;est branché à %1</translation>
    </message>
    <message>
        <source>no KORVELT with serial number %1 is attached</source>
        <translation>aucun KORVELT de numéro de série %1 n&apos;est branché</translation>
    </message>
    <message>
        <source>%1 KORVELTs have serial number %2: %3; name one by its path</source>
        <translation>%1 KORVELT ont le numéro de série %2 : %3 ; désignez-en un par son chemin</translation>
    </message>
    <message>
        <source>; 1 differs</source>
        <extracomment>Of the summary of several KORVELTs, after what went through</extracomment>
        <translation> ; 1 diffère</translation>
    </message>
    <message numerus="yes">
        <source>; %n differ</source>
        <translation>
            <numerusform> ; %n diffère</numerusform>
            <numerusform> ; %n diffèrent</numerusform>
        </translation>
    </message>
    <message>
        <source>; 1 failed</source>
        <extracomment>Of the summary of several KORVELTs, after what went through</extracomment>
        <translation> ; 1 en échec</translation>
    </message>
    <message numerus="yes">
        <source>; %n failed</source>
        <translation>
            <numerusform> ; %n en échec</numerusform>
            <numerusform> ; %n en échec</numerusform>
        </translation>
    </message>
    <message>
        <source>clock %1</source>
        <translation>horloge %1</translation>
    </message>
    <message>
        <source>program mode</source>
        <translation>mode mise à jour</translation>
    </message>
    <message>
        <source>not a KORVELT</source>
        <translation>pas un KORVELT</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>pas de réponse</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>ouverture impossible : %1</translation>
    </message>
    <message>
        <source>busy: in use by another program</source>
        <translation>occupé : utilisé par un autre programme</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>%1 is given more than once</source>
        <translation>%1 est donné plus d&apos;une fois</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 a besoin d&apos;une valeur</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <extracomment>%1 is the name of what is missing: FILE, OUT, DIR</extracomment>
        <translation>%1 est manquant</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 is the file read; the output needs a name of its own</source>
        <translation>%1 est le fichier lu ; la sortie doit avoir son propre nom</translation>
    </message>
    <message>
        <source>%1: cannot be written: a symbolic link is there, which is not followed</source>
        <translation>%1 : écriture impossible : c&apos;est un lien symbolique, qui n&apos;est pas suivi</translation>
    </message>
    <message>
        <source>standard input: cannot be read</source>
        <translation>entrée standard : lecture impossible</translation>
    </message>
    <message>
        <source>%1: too large (more than 16 MiB)</source>
        <translation>%1 : trop grand (plus de 16 Mio)</translation>
    </message>
    <message>
        <source>%1: a data file of a later version</source>
        <translation>%1 : un fichier de données d&apos;une version ultérieure</translation>
    </message>
    <message>
        <source>%1: the data file is cut short</source>
        <translation>%1 : le fichier de données est tronqué</translation>
    </message>
    <message>
        <source>Mistake: %1</source>
        <extracomment>A line of the check: %1 is what it found</extracomment>
        <translation>Erreur : %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <extracomment>A line of the check: %1 is what it found</extracomment>
        <translation>Remarque : %1</translation>
    </message>
    <message>
        <source>while verifying, at block %1 of %2: the KORVELT holds the new schedule, not verified</source>
        <translation>pendant la vérification, au bloc %1 sur %2 : le KORVELT contient la nouvelle programmation, non vérifiée</translation>
    </message>
    <message>
        <source>before the schedule was sent: the KORVELT holds its old schedule</source>
        <translation>avant l&apos;envoi de la programmation : le KORVELT contient son ancienne programmation</translation>
    </message>
    <message>
        <source>at block %1 of %2: the KORVELT holds part of the old and part of the new schedule</source>
        <translation>au bloc %1 sur %2 : le KORVELT contient en partie l&apos;ancienne et en partie la nouvelle programmation</translation>
    </message>
    <message>
        <source>no KORVELT is attached there</source>
        <translation>aucun KORVELT n&apos;est branché à cet endroit</translation>
    </message>
    <message>
        <source>the KORVELT&apos;s block %1 holds values that are not times or dates</source>
        <translation>le bloc %1 du KORVELT contient des valeurs qui ne sont ni des heures ni des dates</translation>
    </message>
    <message>
        <source>stopped answering %1</source>
        <extracomment>%1 says where the write was and what the KORVELT holds</extracomment>
        <translation>ne répond plus, %1</translation>
    </message>
    <message>
        <source>the KORVELT stopped answering at block %1</source>
        <translation>le KORVELT ne répond plus au bloc %1</translation>
    </message>
    <message>
        <source>unplugged %1</source>
        <extracomment>%1 says where the write was and what the KORVELT holds</extracomment>
        <translation>débranché, %1</translation>
    </message>
    <message>
        <source>the KORVELT was unplugged</source>
        <translation>le KORVELT a été débranché</translation>
    </message>
    <message>
        <source>the schedule read back differs from the one written in 1 place</source>
        <translation>la programmation relue diffère de celle envoyée en 1 endroit</translation>
    </message>
    <message numerus="yes">
        <source>the schedule read back differs from the one written in %n places</source>
        <translation>
            <numerusform>la programmation relue diffère de celle envoyée en %n endroit</numerusform>
            <numerusform>la programmation relue diffère de celle envoyée en %n endroits</numerusform>
        </translation>
    </message>
    <message>
        <source>interrupted before anything was sent: the KORVELT is as it was</source>
        <translation>interrompu avant tout envoi : le KORVELT est inchangé</translation>
    </message>
    <message>
        <source>interrupted while verifying, at block %1 of %2: the KORVELT holds the new schedule, not verified</source>
        <translation>interrompu pendant la vérification, au bloc %1 sur %2 : le KORVELT contient la nouvelle programmation, non vérifiée</translation>
    </message>
    <message>
        <source>interrupted before the schedule was sent: the KORVELT holds its old schedule</source>
        <translation>interrompu avant l&apos;envoi de la programmation : le KORVELT contient son ancienne programmation</translation>
    </message>
    <message>
        <source>interrupted at block %1 of %2: the KORVELT holds part of the old and part of the new schedule</source>
        <translation>interrompu au bloc %1 sur %2 : le KORVELT contient en partie l&apos;ancienne et en partie la nouvelle programmation</translation>
    </message>
    <message>
        <source>interrupted at block %1 of %2: nothing was saved</source>
        <translation>interrompu au bloc %1 sur %2 : rien n&apos;a été enregistré</translation>
    </message>
    <message>
        <source>interrupted before the clock was set</source>
        <translation>interrompu avant la mise à l&apos;heure de l&apos;horloge</translation>
    </message>
    <message>
        <source>interrupted: the clock may or may not have been set</source>
        <translation>interrompu : l&apos;horloge a peut-être été mise à l&apos;heure, peut-être pas</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>interrompu</translation>
    </message>
    <message>
        <source>%1 (serial %2)</source>
        <extracomment>A KORVELT as a line names it: its path and serial number</extracomment>
        <translation>%1 (n° de série %2)</translation>
    </message>
    <message>
        <source>written and verified</source>
        <translation>envoyé et vérifié</translation>
    </message>
    <message>
        <source>written</source>
        <translation>envoyé</translation>
    </message>
    <message>
        <source>read</source>
        <extracomment>A KORVELT&apos;s schedule was read</extracomment>
        <translation>lu</translation>
    </message>
    <message>
        <source>a command is missing</source>
        <translation>une commande manque</translation>
    </message>
    <message>
        <source>--demo N is a number of KORVELTs from 1 to %1</source>
        <translation>--demo N est un nombre de KORVELT de 1 à %1</translation>
    </message>
    <message>
        <source>%1 (see korveltctl --help)</source>
        <extracomment>After a mistake on the command line: %1 is the mistake</extracomment>
        <translation>%1 (voir korveltctl --help)</translation>
    </message>
    <message>
        <source>standard output: %1</source>
        <translation>sortie standard : %1</translation>
    </message>
    <message>
        <source>cannot make the report: %1 is missing; install the program again</source>
        <translation>impossible de créer le rapport : %1 est manquant ; réinstallez le programme</translation>
    </message>
    <message>
        <source>not applied: %1</source>
        <extracomment>A preset&apos;s holiday its rule does not tick: %1 is the holiday&apos;s line</extracomment>
        <translation>non appliqué : %1</translation>
    </message>
    <message>
        <source>%1; the two reads disagreed, so a stray report from another program may be the cause: try again</source>
        <extracomment>%1 says where the KORVELT differs; this adds why the tool cannot tell a stray report from a KORVELT that differs</extracomment>
        <translation>%1 ; les deux lectures ne concordaient pas, un message parasite d&apos;un autre logiciel peut donc en être la cause : réessayez</translation>
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
        <translation>  Affiche les jours fériés d&apos;une année (l&apos;année en cours sans --year),
  ou avec -o les écrit comme dates spéciales de la programmation de
  IN.dat (les valeurs par défaut sans --from) dans OUT. Avec moins de
  %1 jours fériés, les autres dates spéciales gardent les leurs, ou
  répètent la dernière (--repeat-last). --rules ajoute les règles d&apos;un
  fichier enregistré par la boîte Jours fériés (ou les prend seules,
  sans --preset). --json et --format csv affichent pour chaque jour
  férié la date, le jour, les noms et s&apos;il s&apos;agit d&apos;un jour de report et s&apos;il est appliqué.
  Les jours des règles qu&apos;une liste propose sans les cocher suivent en
  lignes « non appliqué ».
  CODE : %2.</translation>
    </message>
    <message>
        <source>-o: with fewer than %1 holidays, the others repeat the last</source>
        <translation>-o : avec moins de %1 jours fériés, les autres répètent le dernier</translation>
    </message>
</context>
</TS>
